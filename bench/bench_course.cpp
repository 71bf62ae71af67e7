// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The course window on a custom book of 5,000 units, offscreen, beside a
// baseline in the same run: reading and parsing the same custom word bank.
#include "course/formselunit.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "platform/qtplatform.h"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kUnits = 5000;
constexpr int kWordsPerUnit = 4;
constexpr int kDictWords = 2000;

QString WordName(int i)
{
    QString w = QStringLiteral("word");
    for (int n = i; n > 0 || w.size() == 4; n /= 26)
        w += QLatin1Char(char('a' + n % 26));
    return w;
}

struct World {
    QTemporaryDir dir;

    World()
    {
        InitAppPathsFor(dir.path());
        for (const char *sub : {"dat", "pics", "usrdat", "tmp", "voice"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
        QString dict = QStringLiteral("$KELVAN DIC98\r\nbench 1.0\r\nr1\r\nr2\r\nr3\r\n");
        for (int i = 0; i < kDictWords; ++i) {
            const QString w = WordName(i);
            dict += w + QStringLiteral("\t") + w + QStringLiteral("\tn. 词\t词\t0\r\n");
        }
        const QString bank = QStringLiteral("$ KELVAN VOCATRIX98 WORDBANK\r\nwb 1.0\r\n@Bench\r\n!bench\r\n%Book\r\n#One\r\n")
                             + WordName(0) + QStringLiteral("\r\n");
        QString user = QStringLiteral("@我的词库\r\n@2024/5/1\r\n\r\n%Big\r\n\r\n");
        user.reserve(kUnits * 64);
        for (int u = 0; u < kUnits; ++u) {
            user += QStringLiteral("#Unit %1\r\n").arg(u + 1);
            for (int k = 0; k < kWordsPerUnit; ++k)
                user += WordName((u * kWordsPerUnit + k) % kDictWords) + QStringLiteral("\r\n");
            user += QStringLiteral("\r\n");
        }
        WriteEncodedTextFile(gDictFile, dict);
        WriteEncodedTextFile(gWordBankFile, bank);
        WriteTextFileAtomic(gUserBookFile, user + QStringLiteral("\r\n"));
        gUser = new ClassUser;
        gDictionary = new ClassDBdictionary;
        gDictionary->InitDict();
        gWordBank = new CWordBank;
        gUser->nLastSeries = 0;
        gUser->nLastBook = 1;
        gUser->nLastStartUnit = 1;
        gUser->nLastEndUnit = 1;
    }
    ~World() { ReleaseSharedObjects(); }
};

World &W()
{
    static World *w = new World;
    return *w;
}

void BM_OpenCourseWindowOnBigBook(benchmark::State &state)
{
    W();
    for (auto _ : state) {
        FormSelUnit form;
        benchmark::DoNotOptimize(form.NumCtl1.size());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void BM_SelectAllUnitsOfBigBook(benchmark::State &state)
{
    W();
    FormSelUnit form;
    for (auto _ : state) {
        form.NumCtl1_MouseDown(1, 1);
        form.NumCtl1_MouseDown(kUnits, 2);
        benchmark::DoNotOptimize(form.nSelUnits());
    }
    if (form.nSelUnits() != kUnits)
        state.SkipWithError("not every unit is selected");
}

void BM_ParseBigBookBaseline(benchmark::State &state)
{
    W();
    for (auto _ : state) {
        CSeries *user = nullptr;
        gWordBank->GetSeriesByID(0, user);
        user->LoadUserWordBook();
        benchmark::DoNotOptimize(user->BookNum());
    }
}

} // namespace

BENCHMARK(BM_ParseBigBookBaseline)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenCourseWindowOnBigBook)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SelectAllUnitsOfBigBook)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtPlatform platform;
    SetPlatform(&platform);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
