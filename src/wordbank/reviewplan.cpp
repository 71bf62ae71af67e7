#include "reviewplan.h"
#include <QSet>
#include <algorithm>

int ReviewPlan::CountOf(ReviewTrack t) const
{
    return int(std::count_if(items.begin(), items.end(), [t](const PlanItem &i) { return i.track == t; }));
}

int ReviewPlan::NewCount() const
{
    return int(std::count_if(items.begin(), items.end(), [](const PlanItem &i) { return i.isNew; }));
}

ReviewPlan ComputePlan(const ReviewStore &store, int today, const QStringList &selectionKeys, const PlanLimits &limits,
                       const std::function<bool(const QString &)> &known)
{
    ReviewPlan plan;
    std::vector<PlanItem> due;
    for (const ReviewStore::Entry &e : store.Entries()) {
        if (known && !known(e.key))
            continue;
        for (int t = 0; t < kReviewTracks; ++t) {
            const TrackMemory &m = e.tracks[size_t(t)];
            if (!m.IsDue(today))
                continue;
            due.push_back({e.key, ReviewTrack(t), fsrs::Retrievability(today - m.lastDay, m.m.stability), false});
        }
    }
    plan.dueTotal = int(due.size());
    // the reviews already done today count against the limit
    const int room = std::max(0, limits.reviews - store.ReviewsDoneOn(today));
    const size_t take = std::min(due.size(), size_t(room));
    std::partial_sort(due.begin(), due.begin() + std::ptrdiff_t(take), due.end(),
                      [](const PlanItem &a, const PlanItem &b) {
                          if (a.retrievability != b.retrievability)
                              return a.retrievability < b.retrievability;
                          return a.track != b.track ? a.track < b.track : a.key < b.key;
                      });
    due.resize(take);
    plan.items = std::move(due);

    int newRoom = std::max(0, limits.newWords - store.NewDoneOn(today));
    QSet<QString> seen;
    for (const QString &key : selectionKeys) {
        if (newRoom <= 0)
            break;
        if (key.isEmpty() || store.Knows(key) || seen.contains(key) || (known && !known(key)))
            continue;
        seen.insert(key);
        plan.items.push_back({key, ReviewTrack::Recognise, 0, true});
        --newRoom;
    }
    return plan;
}
