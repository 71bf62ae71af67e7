// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewround.h"

fsrs::Grade GradeOf(AnswerOutcome o)
{
    switch (o) {
    case AnswerOutcome::Right:
        return fsrs::Grade::Good;
    case AnswerOutcome::RightAfterHelp:
        return fsrs::Grade::Hard;
    case AnswerOutcome::Wrong:
        break;
    }
    return fsrs::Grade::Again;
}

void ReviewRound::Begin()
{
    for (QSet<QString> &s : m_graded)
        s.clear();
}

bool ReviewRound::Answer(ReviewStore &store, const QString &key, ReviewTrack t, AnswerOutcome o, int today)
{
    if (key.isEmpty() || m_graded[int(t)].contains(key))
        return false;
    m_graded[int(t)].insert(key);
    store.Record(key, t, GradeOf(o), today);
    return true;
}
