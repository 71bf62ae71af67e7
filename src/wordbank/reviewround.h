// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "reviewstore.h"
#include <QSet>
#include <QString>

// What a game recorded for a word: the child never grades itself.
enum class AnswerOutcome {
    Right,          // right at the first try
    RightAfterHelp, // right after a wrong try, a hint, the tip or a shown answer
    Wrong,
};
fsrs::Grade GradeOf(AnswerOutcome o);

// One round of a game: the first outcome of a word on a track decides its
// grade; later answers in the same round change no memory.
class ReviewRound {
public:
    void Begin();
    // Records the review when it is the word's first on that track this
    // round; true when it did.
    bool Answer(ReviewStore &store, const QString &key, ReviewTrack t, AnswerOutcome o, int today);
    bool Graded(const QString &key, ReviewTrack t) const { return m_graded[int(t)].contains(key); }

private:
    QSet<QString> m_graded[kReviewTracks];
};
