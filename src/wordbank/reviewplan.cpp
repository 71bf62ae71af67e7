// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
    // numbers only while sorting: the words' names are copied for the few taken
    struct Due {
        double r;
        int entry;
        int track;
    };
    const std::vector<ReviewStore::Entry> &entries = store.Entries();
    std::vector<Due> due;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ReviewStore::Entry &e = entries[i];
        if (known && !known(e.key))
            continue;
        for (int t = 0; t < kReviewTracks; ++t) {
            const TrackMemory &m = e.tracks[size_t(t)];
            if (m.IsDue(today))
                due.push_back({fsrs::Retrievability(today - m.lastDay, m.m.stability), int(i), t});
        }
    }
    plan.dueTotal = int(due.size());
    // the reviews already done today count against the limit
    const int room = std::max(0, limits.reviews - store.ReviewsDoneOn(today));
    const size_t take = std::min(due.size(), size_t(room));
    std::partial_sort(due.begin(), due.begin() + std::ptrdiff_t(take), due.end(), [&](const Due &a, const Due &b) {
        if (a.r != b.r)
            return a.r < b.r;
        return a.track != b.track ? a.track < b.track : entries[size_t(a.entry)].key < entries[size_t(b.entry)].key;
    });
    plan.items.reserve(take + size_t(std::max(0, limits.newWords)));
    for (size_t i = 0; i < take; ++i)
        plan.items.push_back({entries[size_t(due[i].entry)].key, ReviewTrack(due[i].track), due[i].r, false});

    // a word is met in a recognition game first; its spelling becomes new
    // on a later day, once it is recognised
    int newRoom = std::max(0, limits.newWords - store.NewDoneOn(today));
    QSet<QString> added;
    for (const QString &key : selectionKeys) {
        if (newRoom <= 0)
            break;
        const ReviewStore::Entry *e = store.FindEntry(key);
        const TrackMemory *seen = e && !e->tracks[0].IsNew() ? &e->tracks[0] : nullptr;
        const bool spellKnown = e && !e->tracks[1].IsNew();
        ReviewTrack track;
        if (!e)
            track = ReviewTrack::Recognise;
        else if (seen && seen->lastDay < today && !spellKnown)
            track = ReviewTrack::Spell;
        else
            continue;
        if (key.isEmpty() || (known && !known(key)) || added.contains(key))
            continue;
        added.insert(key);
        plan.items.push_back({key, track, 0, true});
        --newRoom;
    }
    return plan;
}

QString NextReviewText(const TrackMemory *m, int today)
{
    if (!m)
        return QString();
    const int days = m->DaysUntilDue(today);
    if (days <= 0)
        return QStringLiteral("今天复习");
    if (days == 1)
        return QStringLiteral("明天复习");
    return QString::number(days) + QStringLiteral(" 天后复习");
}

QString ReviewTooltip(const ReviewStore &store, const QString &key, int today)
{
    QStringList lines;
    if (const TrackMemory *m = store.Find(key, ReviewTrack::Recognise))
        lines << QStringLiteral("认读：") + NextReviewText(m, today);
    if (const TrackMemory *m = store.Find(key, ReviewTrack::Spell))
        lines << QStringLiteral("拼写：") + NextReviewText(m, today);
    return lines.join(QLatin1Char('\n'));
}
