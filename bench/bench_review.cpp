// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The daily review plan: computing it for 2,500 words on two tracks and
// reading and writing a review file of that size, each beside a plain
// baseline; and a child who plays the plan every day for 120 days.
#include "helpers/apppaths.h"
#include "wordbank/reviewplan.h"
#include "wordbank/reviewstore.h"
#include "platform/qtplatform.h"
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace {

constexpr int kWords = 2500;
const int kToday = int(QDate(2026, 12, 10).toJulianDay());

struct Data {
    QTemporaryDir dir;
    QString path;
    QStringList keys;
    QString text; // the review file's text
    QByteArray bytes;
    ReviewStore store;
    // the same memories as plain numbers, for the baseline
    struct Raw {
        double s;
        int last;
    };
    std::vector<Raw> raw;
};

Data &D()
{
    static Data *d = [] {
        auto *data = new Data;
        std::mt19937 rng(11);
        std::uniform_real_distribution<double> s(0.2, 300.0), dif(1.0, 10.0);
        std::uniform_int_distribution<int> ago(0, 200), reps(1, 20);
        QString text = QStringLiteral("TallivoReview\t1\r\n");
        for (int i = 0; i < kWords; ++i) {
            const QString key = QStringLiteral("word%1").arg(i, 4, 10, QLatin1Char('0'));
            data->keys << key;
            for (const char *track : {"r", "s"}) {
                const double st = s(rng);
                const int last = kToday - ago(rng);
                data->raw.push_back({st, last});
                text += key + QLatin1Char('\t') + QLatin1String(track) + QLatin1Char('\t') + QString::number(st, 'g', 10)
                        + QLatin1Char('\t') + QString::number(dif(rng), 'g', 10) + QLatin1Char('\t')
                        + QDate::fromJulianDay(last).toString(Qt::ISODate) + QLatin1Char('\t')
                        + QString::number(reps(rng)) + QStringLiteral("\t0\r\n");
            }
        }
        data->text = text;
        data->bytes = text.toUtf8();
        data->path = data->dir.filePath(QStringLiteral("ureview-0.dat"));
        QFile f(data->path);
        if (f.open(QIODevice::WriteOnly))
            f.write(data->bytes);
        data->store.ReadBytes(data->bytes);
        return data;
    }();
    return *d;
}

void BM_Plan(benchmark::State &state)
{
    Data &d = D();
    for (auto _ : state) {
        const ReviewPlan plan = ComputePlan(d.store, kToday, d.keys);
        benchmark::DoNotOptimize(plan.items.data());
    }
}
BENCHMARK(BM_Plan)->Unit(benchmark::kMicrosecond);

// The same numbers in a flat array: retrievability, due test, the 30 lowest.
void BM_PlanBaseline(benchmark::State &state)
{
    Data &d = D();
    const double decay = -fsrs::kWeights[20];
    const double factor = std::pow(0.9, 1.0 / decay) - 1.0;
    std::vector<double> due;
    for (auto _ : state) {
        due.clear();
        for (const Data::Raw &m : d.raw) {
            const int elapsed = kToday - m.last;
            if (elapsed >= std::max(1.0, std::round(m.s)))
                due.push_back(std::pow(1.0 + factor * elapsed / m.s, decay));
        }
        const size_t take = std::min<size_t>(30, due.size());
        std::partial_sort(due.begin(), due.begin() + std::ptrdiff_t(take), due.end());
        benchmark::DoNotOptimize(due.data());
    }
}
BENCHMARK(BM_PlanBaseline)->Unit(benchmark::kMicrosecond);

void BM_LoadReviewFile(benchmark::State &state)
{
    Data &d = D();
    for (auto _ : state) {
        ReviewStore s;
        s.Load(d.path);
        benchmark::DoNotOptimize(s.Entries().data());
    }
}
BENCHMARK(BM_LoadReviewFile)->Unit(benchmark::kMicrosecond);

void BM_LoadBaselineRawRead(benchmark::State &state)
{
    Data &d = D();
    for (auto _ : state) {
        QFile f(d.path);
        f.open(QIODevice::ReadOnly);
        QByteArray b = f.readAll();
        benchmark::DoNotOptimize(b.data());
        state.SetBytesProcessed(state.bytes_processed() + b.size());
    }
}
BENCHMARK(BM_LoadBaselineRawRead)->Unit(benchmark::kMicrosecond);

void BM_SaveReviewFile(benchmark::State &state)
{
    Data &d = D();
    const QString path = d.dir.filePath(QStringLiteral("saved.dat"));
    for (auto _ : state)
        benchmark::DoNotOptimize(d.store.Save(path));
}
BENCHMARK(BM_SaveReviewFile)->Unit(benchmark::kMicrosecond);

// The same bytes through the same atomic save, with no text to make.
void BM_SaveBaselineRawWrite(benchmark::State &state)
{
    Data &d = D();
    const QString path = d.dir.filePath(QStringLiteral("raw.dat"));
    for (auto _ : state) {
        QSaveFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(d.bytes);
        benchmark::DoNotOptimize(f.commit());
    }
}
BENCHMARK(BM_SaveBaselineRawWrite)->Unit(benchmark::kMicrosecond);

// A child plays the whole plan every day for 120 days on a 300-word course,
// right with the model's own recall probability (a word met for the first
// time: even odds). Counters: reviews a day and the share of memories above
// 0.9 retrievability on the morning of day 120.
void BM_Simulate120Days(benchmark::State &state)
{
    constexpr int kCourse = 300;
    constexpr int kDays = 120;
    QStringList course;
    for (int i = 0; i < kCourse; ++i)
        course << QStringLiteral("w%1").arg(i);
    double meanReviews = 0, maxReviews = 0, meanItems = 0, above = 0, aboveRecognise = 0, aboveSpell = 0;
    for (auto _ : state) {
        std::mt19937 rng(5);
        std::uniform_real_distribution<double> u(0, 1);
        ReviewStore store;
        int reviews = 0, items = 0, peak = 0;
        int okR = 0, okS = 0;
        // on the last morning, before that day's plan
        auto measure = [&](int day) {
            for (const QString &k : course) {
                const TrackMemory *r = store.Find(k, ReviewTrack::Recognise);
                const TrackMemory *s = store.Find(k, ReviewTrack::Spell);
                okR += r && fsrs::Retrievability(day - r->lastDay, r->m.stability) > 0.9;
                okS += s && fsrs::Retrievability(day - s->lastDay, s->m.stability) > 0.9;
            }
        };
        const int first = kToday;
        for (int day = first; day < first + kDays; ++day) {
            if (day == first + kDays - 1)
                measure(day);
            const ReviewPlan plan = ComputePlan(store, day, course);
            int due = 0;
            for (const PlanItem &it : plan.items) {
                const TrackMemory *m = store.Find(it.key, it.track);
                const double p = m ? fsrs::Retrievability(day - m->lastDay, m->m.stability) : 0.5;
                store.Record(it.key, it.track, u(rng) < p ? fsrs::Grade::Good : fsrs::Grade::Again, day);
                due += it.isNew ? 0 : 1;
            }
            reviews += due;
            items += plan.Count();
            peak = std::max(peak, due);
        }
        meanReviews = double(reviews) / kDays;
        meanItems = double(items) / kDays;
        maxReviews = peak;
        aboveRecognise = double(okR) / kCourse;
        aboveSpell = double(okS) / kCourse;
        above = double(okR + okS) / (2 * kCourse);
    }
    state.counters["reviews_per_day"] = meanReviews;
    state.counters["max_reviews_day"] = maxReviews;
    state.counters["items_per_day"] = meanItems;
    state.counters["share_above_0.9"] = above;
    state.counters["recognise_above_0.9"] = aboveRecognise;
    state.counters["spell_above_0.9"] = aboveSpell;
}
BENCHMARK(BM_Simulate120Days)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QtPlatform platform;
    SetPlatform(&platform);
    gUserFilesWritable = true;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
