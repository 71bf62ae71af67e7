// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Word-bank figures on generated data, each beside a plain baseline in the
// same run: a dictionary of 100,000 entries, a series of 1,000 units and a
// profile with 20,000 word records.
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "helpers/texthelpers.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classuser.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "wordbank/wbtext.h"
#include "platform/qtplatform.h"
#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>
#include <unordered_map>
#include <vector>

namespace {

constexpr int kEntries = 100000;
constexpr int kBooks = 50;
constexpr int kUnitsPerBook = 20; // 1,000 units
constexpr int kWordsPerUnit = 12;
constexpr int kStatusRecords = 20000;
const QString kSeriesName = QStringLiteral("Bench Series");

struct QStringHash {
    size_t operator()(const QString &s) const noexcept { return qHash(s); }
};

struct Data {
    QTemporaryDir dir;
    QStringList keys;      // dictionary keys, file order
    QStringList spellings; // written forms to look up (other case, hyphens, UK spellings)
};

QString RandomWord(std::mt19937 &rng)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz";
    // first letters weighted like an English word list: s, c, p, b, t common
    static const char firsts[] = "sssscccppbbttaaddmmrrffghilnoewuvkjqyz";
    std::uniform_int_distribution<int> len(3, 11), any(0, 25), first(0, int(sizeof(firsts)) - 2);
    QString w;
    w += QLatin1Char(firsts[first(rng)]);
    const int n = len(rng);
    for (int i = 1; i < n; ++i)
        w += QLatin1Char(letters[any(rng)]);
    return w;
}

Data &D()
{
    static Data *d = [] {
        auto *data = new Data;
        std::mt19937 rng(7);
        QSet<QString> seen;
        QStringList dict;
        QStringList uk;
        while (data->keys.size() < kEntries) {
            const QString key = RandomWord(rng);
            if (seen.contains(key.toUpper()))
                continue;
            seen.insert(key.toUpper());
            data->keys << key;
            const bool hyphen = data->keys.size() % 10 == 0 && key.size() > 5;
            const QString shown = hyphen ? key.left(3) + QLatin1Char('-') + key.mid(3) : key;
            dict << shown + QStringLiteral("\t") + key + QStringLiteral("\tn. 词义\t词义\tfəˈnetɪk");
            if (data->keys.size() % 1000 == 0)
                uk << key + QStringLiteral("ou\t") + key; // a British form that maps to the key
            QString spelling = shown;
            if (data->keys.size() % 3 == 0)
                spelling = spelling.toUpper();
            else if (data->keys.size() % 1000 == 0)
                spelling = key + QStringLiteral("ou");
            data->spellings << spelling;
        }
        const QString root = data->dir.path();
        QDir(root).mkpath(QStringLiteral("dat"));
        QDir(root).mkpath(QStringLiteral("usrdat"));
        QDir(root).mkpath(QStringLiteral("tmp"));
        InitAppPathsFor(root);
        WriteEncodedTextFile(gDictFile, QStringLiteral("$KELVAN DIC98\r\nbench\r\n\r\n\r\n\r\n") + dict.join(QStringLiteral("\r\n")));
        WriteTextFileAtomic(AppPath(QStringLiteral("dat/UK2USA.txt")), uk.join(QStringLiteral("\r\n")));

        QString bank = QStringLiteral("$ KELVAN VOCATRIX98 WORDBANK\r\nbench\r\n@") + kSeriesName + QStringLiteral("\r\n!generated\r\n");
        std::uniform_int_distribution<int> pick(0, kEntries - 1);
        for (int b = 1; b <= kBooks; ++b) {
            bank += QStringLiteral("%Book %1\r\n").arg(b);
            for (int u = 1; u <= kUnitsPerBook; ++u) {
                bank += QStringLiteral("#Unit %1\r\n").arg(u);
                for (int w = 0; w < kWordsPerUnit; ++w)
                    bank += data->keys.at(pick(rng)) + QStringLiteral("\r\n");
                bank += QStringLiteral("*\tA sentence for the unit.\t单元的句子。\r\n*\tAnother one.\t另一句。\r\n");
            }
        }
        WriteEncodedTextFile(gWordBankFile, bank);
        return data;
    }();
    return *d;
}

// The shared dictionary and word bank the look-up and profile runs use.
void EnsureShared()
{
    D();
    if (!gDictionary) {
        gDictionary = new ClassDBdictionary;
        gDictionary->InitDict();
    }
    if (!gWordBank) {
        gWordBank = new CWordBank;
        CSeries *s = nullptr;
        if (gWordBank->GetSeriesByID(1, s))
            s->LoadStandardSeries();
    }
    if (!gUser)
        gUser = new ClassUser;
}

void BM_LoadDictionary(benchmark::State &state)
{
    D();
    for (auto _ : state) {
        auto *dict = new ClassDBdictionary;
        benchmark::DoNotOptimize(dict->InitDict());
        state.PauseTiming(); // freeing is not loading
        delete dict;
        state.ResumeTiming();
    }
}

// Reading, unscrambling, decoding and splitting the same file into fields.
void BM_LoadDictionary_Baseline(benchmark::State &state)
{
    D();
    for (auto _ : state) {
        auto *lines = new QStringList;
        ReadTextFileLines(AppPath(QStringLiteral("dat/UK2USA.txt")), *lines);
        ReadEncodedFileLines(gDictFile, *lines);
        auto *fields = new std::vector<QStringList>;
        fields->reserve(size_t(lines->size()));
        for (qsizetype i = 5; i < lines->size(); ++i)
            fields->push_back(TrimSpaces(lines->at(i)).split(QLatin1Char('\t')));
        benchmark::DoNotOptimize(fields->data());
        state.PauseTiming();
        delete fields;
        delete lines;
        state.ResumeTiming();
    }
}

// The same 4096 random positions for every look-up benchmark.
std::vector<qsizetype> RandomOrder(qsizetype n)
{
    std::mt19937 rng(3);
    std::uniform_int_distribution<qsizetype> pick(0, n - 1);
    std::vector<qsizetype> order(4096);
    for (auto &o : order)
        o = pick(rng);
    return order;
}

void BM_SetWord(benchmark::State &state)
{
    EnsureShared();
    const QStringList &sp = D().spellings;
    qsizetype i = 0;
    const std::vector<qsizetype> order = RandomOrder(sp.size());
    for (auto _ : state) {
        CWord *w = nullptr;
        benchmark::DoNotOptimize(gDictionary->SetWord(w, sp.at(order[size_t(i++ & 4095)])));
    }
}

// The same key normalisation plus one std::unordered_map find.
void BM_SetWord_Baseline(benchmark::State &state)
{
    EnsureShared();
    const QStringList &sp = D().spellings;
    std::unordered_map<QString, int, QStringHash> map;
    for (int k = 0; k < D().keys.size(); ++k)
        map.emplace(D().keys.at(k).toUpper(), k);
    qsizetype i = 0;
    const std::vector<qsizetype> order = RandomOrder(sp.size());
    for (auto _ : state) {
        auto it = map.find(NormalizeWordKey(sp.at(order[size_t(i++ & 4095)])).toUpper());
        benchmark::DoNotOptimize(it);
    }
}

// What a look-up costs when a bucket is scanned in order without its index.
void BM_SetWord_LinearBucketScan(benchmark::State &state)
{
    EnsureShared();
    const QStringList &sp = D().spellings;
    ClassDBsubArrWords buckets[ClassDBdictionary::kBucketCount];
    gDictionary->ForEachWord([&](CWord &w) { buckets[ClassDBdictionary::GetSubArrIndex(w.English)].AddWord(w); });
    qsizetype i = 0;
    const std::vector<qsizetype> order = RandomOrder(sp.size());
    for (auto _ : state) {
        const QString key = NormalizeWordKey(sp.at(order[size_t(i++ & 4095)]));
        const QString upper = key.toUpper();
        const ClassDBsubArrWords &b = buckets[ClassDBdictionary::GetSubArrIndex(key)];
        CWord *found = nullptr;
        for (int k = 1; k <= b.WordNum() && !found; ++k) {
            if (b.WordAt(k)->English.toUpper() == upper)
                found = b.WordAt(k);
        }
        benchmark::DoNotOptimize(found);
    }
}

void BM_LoadSeries(benchmark::State &state)
{
    EnsureShared();
    for (auto _ : state) {
        CSeries s;
        s.SeriesName = kSeriesName;
        s.SeriesID = 1;
        benchmark::DoNotOptimize(s.LoadStandardSeries());
    }
}

// Reading, unscrambling, decoding and splitting the word-bank file.
void BM_LoadSeries_Baseline(benchmark::State &state)
{
    EnsureShared();
    for (auto _ : state) {
        QStringList lines;
        benchmark::DoNotOptimize(ReadEncodedFileLines(gWordBankFile, lines));
    }
}

void MarkStatusRecords()
{
    int n = 0;
    gDictionary->ForEachWord([&](CWord &w) {
        if (n < kStatusRecords) {
            w.iTestResult = (n % 17) - 8;
            if (w.iTestResult == 0)
                w.NewWordMark = QStringLiteral("01000");
            ++n;
        }
    });
}

void BM_ProfileSaveLoad(benchmark::State &state)
{
    EnsureShared();
    MarkStatusRecords();
    for (auto _ : state) {
        benchmark::DoNotOptimize(gUser->SaveUserFeature());
        ClassUser fresh;
        benchmark::DoNotOptimize(fresh.LoadUserFeature());
    }
}

// Writing and reading back the same text through the envelope, unparsed.
void BM_ProfileSaveLoad_Baseline(benchmark::State &state)
{
    EnsureShared();
    MarkStatusRecords();
    const QString text = QStringLiteral("1\r\n1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n1\r\n") + gDictionary->SaveWordStatus()
                         + QStringLiteral("\r\n") + gWordBank->SaveUnitStatus() + QStringLiteral("\r\n");
    const QString path = AppPath(QStringLiteral("usrdat/baseline.dat"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteEncodedTextFile(path, text));
        QStringList lines;
        benchmark::DoNotOptimize(ReadEncodedFileLines(path, lines));
    }
}

} // namespace

BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDictionary_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetWord);
BENCHMARK(BM_SetWord_Baseline);
BENCHMARK(BM_SetWord_LinearBucketScan);
BENCHMARK(BM_LoadSeries)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSeries_Baseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileSaveLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileSaveLoad_Baseline)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QtPlatform platform;
    SetPlatform(&platform);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ReleaseSharedObjects();
    return 0;
}
