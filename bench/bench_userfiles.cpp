// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The custom word-bank checks on hostile imports (a 10 MB one-line file, a
// file of 100,000 unknown words), each beside a plain baseline that only
// splits the same text into lines.
//
// Also the save loop of scripts/kill-saves.sh:
//   bench_userfiles --save-loop DIR quit|game   saves again and again, printing
//                                               each score once it is on disk
//   bench_userfiles --check-saves DIR           a start: recovers stray saves,
//                                               then reports the profile
#include "app/startup.h"
#include "course/booktext.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "helpers/userfiles.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "wordbank/profilefiles.h"
#include "platform/qtplatform.h"
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>

namespace {

struct Data {
    QTemporaryDir dir;
    QString oneLine;
    QString unknown;
};

Data &D()
{
    static Data *d = [] {
        auto *data = new Data;
        // a small dictionary: the imports below hold words it does not know
        QString dic = QString::fromLatin1(ClassDBdictionary::kHeader) + QStringLiteral("\r\n1\r\n\r\n\r\n\r\n");
        for (int i = 0; i < 2000; ++i)
            dic += QStringLiteral("word%1\tword%1\tn.\t词\tw\r\n").arg(QChar(u'a' + i % 26) + QString::number(i));
        QDir().mkpath(data->dir.path() + QStringLiteral("/dat"));
        QFile f(data->dir.path() + QStringLiteral("/dat/sysdic.dic"));
        f.open(QIODevice::WriteOnly);
        f.write(EnvelopeBytes(dic.toUtf8()));
        f.close();
        InitAppPathsFor(data->dir.path());
        gDictionary = new ClassDBdictionary;
        gDictionary->InitDict();

        data->oneLine = QStringLiteral("#Unit 1\r\n") + QString(10 * 1024 * 1024, QLatin1Char('a'));
        QString words = QStringLiteral("#Unit 1\r\n");
        for (int i = 0; i < 100000; ++i)
            words += QStringLiteral("zq%1x\r\n").arg(i);
        data->unknown = words;
        return data;
    }();
    return *d;
}

// What the import window runs on "check" and "save" before anything is kept.
void CheckImport(const QString &text, benchmark::State &state)
{
    for (auto _ : state) {
        const QStringList unknown = UnknownWords(text);
        const QString error = CheckBookFormatText(QStringLiteral("Book"), text);
        benchmark::DoNotOptimize(unknown.size());
        benchmark::DoNotOptimize(error.size());
    }
}

void SplitOnly(const QString &text, benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitLines(text).size());
}

void BM_ImportCheck_OneLine10MB(benchmark::State &state) { CheckImport(D().oneLine, state); }
void BM_Baseline_SplitOneLine10MB(benchmark::State &state) { SplitOnly(D().oneLine, state); }
void BM_ImportCheck_100kUnknownWords(benchmark::State &state) { CheckImport(D().unknown, state); }
void BM_Baseline_Split100kWords(benchmark::State &state) { SplitOnly(D().unknown, state); }

BENCHMARK(BM_ImportCheck_OneLine10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_SplitOneLine10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportCheck_100kUnknownWords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Baseline_Split100kWords)->Unit(benchmark::kMillisecond);

void LoadProfile()
{
    gUser = new ClassUser;
    gDictionary = new ClassDBdictionary;
    gDictionary->InitDict();
    gWordBank = new CWordBank;
    gUser->LoadUserFeature();
    if (gUser->nLastSeries < 1)
        gUser->nLastSeries = gUser->nLastBook = gUser->nLastStartUnit = gUser->nLastEndUnit = 1;
}

int SaveLoop(const QString &dir, bool atQuit)
{
    InitAppPathsFor(dir);
    PrepareUserDir();
    RecoverUserFileSaves();
    LoadProfile();
    CSeries *user = nullptr;
    for (int n = 0;; ++n) {
        ++gUser->myScore;
        if (n % 10 == 0 && gWordBank->GetSeriesByID(0, user) && user) {
            user->AddUserWordBook(QStringLiteral("B%1").arg(n), QStringLiteral("#U1\r\napple\r\ncat\r\ndog\r\nbird"));
            user->SaveUserWordBook();
            SaveUserNames({QStringLiteral("A%1").arg(n), QStringLiteral("B"), QStringLiteral("C")});
        }
        const int score = gUser->myScore;
        bool saved = false;
        if (atQuit) {
            saved = gUser->SaveUserFeature();
            ShutdownData();
            LoadProfile();
        } else {
            saved = gUser->SaveUserFeature(); // a game result
        }
        if (saved) {
            std::printf("%d\n", score);
            std::fflush(stdout);
        }
    }
}

int CheckSaves(const QString &dir)
{
    InitAppPathsFor(dir);
    PrepareUserDir();
    int before = 0, after = 0;
    const QStringList files{gUserStatusFile[0], gUserNameFile, gUserBookFile};
    for (const QString &f : files)
        before += int(StraySavesOf(f).size());
    RecoverUserFileSaves();
    for (const QString &f : files)
        after += int(StraySavesOf(f).size());
    QByteArray stored;
    ReadUserFile(gUserStatusFile[0], stored);
    QByteArray names, books;
    ReadUserFile(gUserNameFile, names);
    ReadUserFile(gUserBookFile, books);
    const bool damaged = !StatusFileIsWhole(stored) || (!names.isEmpty() && !NameFileIsWhole(names))
                         || (!books.isEmpty() && !UserBookFileIsWhole(books));
    const StatusFileText t = ReadStatusFileText(stored);
    std::printf("damaged=%d strays_before=%d strays_after=%d score=%d\n", damaged ? 1 : 0, before, after,
                t.lines.size() > 4 ? t.lines.at(4).toInt() : -1);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QtPlatform platform;
    SetPlatform(&platform);
    if (argc >= 4 && std::strcmp(argv[1], "--save-loop") == 0)
        return SaveLoop(QString::fromLocal8Bit(argv[2]), std::strcmp(argv[3], "quit") == 0);
    if (argc >= 3 && std::strcmp(argv[1], "--check-saves") == 0)
        return CheckSaves(QString::fromLocal8Bit(argv[2]));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
