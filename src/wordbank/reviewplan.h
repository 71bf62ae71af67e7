#pragma once
#include "reviewstore.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// Today's review plan: the memories about to be lost, most forgotten first,
// up to a daily limit; then a few new words of the current selection. What
// does not fit waits for the next days.
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
