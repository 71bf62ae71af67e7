// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "reviewstore.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Today's review plan: the memories about to be lost, most forgotten first,
// up to a daily limit; then a few new words of the current selection (a word
// never met, to recognise; a word recognised on an earlier day, to spell).
// What does not fit waits for the next days.
struct PlanLimits {
    int reviews = 30;
    int newWords = 8;
};

struct PlanItem {
    QString key;
    ReviewTrack track = ReviewTrack::Recognise;
    double retrievability = 0; // 0 for a new word
    bool isNew = false;
};

struct ReviewPlan {
    std::vector<PlanItem> items; // the due memories first, then the new words
    int dueTotal = 0;            // all due today, also those past the limit
    int Count() const { return int(items.size()); }
    int CountOf(ReviewTrack t) const;
    int NewCount() const;
};

// selectionKeys: the words of the current selection, in order. known: the
// words the dictionary still has (empty: every word).
ReviewPlan ComputePlan(const ReviewStore &store, int today, const QStringList &selectionKeys,
                       const PlanLimits &limits = {}, const std::function<bool(const QString &)> &known = {});

// "3 天后复习" for a memory, "今天复习" when due; "" for none.
QString NextReviewText(const TrackMemory *m, int today);
// A word's two memories for a parent: "认读：3 天后复习" and "拼写：…" lines;
// "" when the word has no memory yet.
QString ReviewTooltip(const ReviewStore &store, const QString &key, int today);
