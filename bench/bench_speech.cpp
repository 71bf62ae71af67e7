// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The spoken-word check: loading the model, and checking a one-second
// recording against a unit-sized grammar of 12 words with the model loaded;
// beside it, the silence detector over the same second as a plain baseline.
// The recording is the shipped voice of "hello" (padded to 1 s) when a built
// data set is found (TALLIVO_BUILD_DIR or beside this program), else a
// generated vowel-like sound.
#include "helpers/envelope.h"
#include "speech/speechend.h"
#include "speech/speechrecognizer.h"
#include "speech/wavpcm.h"
#include "platform/qtplatform.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// clang-format off
const QList<SayWord> kUnit{{"hello", ""}, {"hi", ""},     {"goodbye", ""}, {"bye", ""},
                           {"good morning", ""}, {"good afternoon", ""}, {"name", ""}, {"friend", ""},
                           {"I", ""},     {"you", ""},    {"Miss", ""},    {"Mr.", ""}};
// clang-format on

Pcm16 OneSecond()
{
    QStringList dirs{qEnvironmentVariable("TALLIVO_BUILD_DIR") + "/tallivo-app",
                     QCoreApplication::applicationDirPath() + "/../tallivo-app"};
    Pcm16 pcm;
    for (const QString &d : dirs) {
        QByteArray wav;
        if (QFileInfo::exists(d + "/voice/hello.enw") && ReadEncodedFileBytes(d + "/voice/hello.enw", wav)
            && Pcm16FromWav(wav, pcm))
            break;
    }
    if (pcm.isEmpty()) {
        for (int i = 0; i < kSpeechRate * 6 / 10; ++i) {
            const double t = double(i) / kSpeechRate;
            pcm << qint16(6000 * std::sin(2 * M_PI * 140 * t) + 3000 * std::sin(2 * M_PI * (700 + 500 * t) * t));
        }
    }
    pcm.resize(kSpeechRate, 0);
    return pcm;
}

SpeechRecognizer &Loaded()
{
    static SpeechRecognizer *rec = [] {
        auto *r = new SpeechRecognizer;
        r->Load();
        return r;
    }();
    return *rec;
}

void BM_SilenceDetector1s(benchmark::State &state)
{
    const Pcm16 pcm = OneSecond();
    for (auto _ : state) {
        SpeechEndDetector d;
        benchmark::DoNotOptimize(d.Feed(pcm));
    }
}
BENCHMARK(BM_SilenceDetector1s)->Unit(benchmark::kMillisecond);

void BM_ModelLoad(benchmark::State &state)
{
    if (!SpeechRecognizer::ModelInstalled()) {
        state.SkipWithError("the speech model is not installed");
        return;
    }
    for (auto _ : state) {
        SpeechRecognizer rec;
        benchmark::DoNotOptimize(rec.Load());
    }
}
BENCHMARK(BM_ModelLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Check1sAgainst12Words(benchmark::State &state)
{
    if (!SpeechRecognizer::ModelInstalled()) {
        state.SkipWithError("the speech model is not installed");
        return;
    }
    SpeechRecognizer &rec = Loaded();
    const Pcm16 pcm = OneSecond();
    SayResult r = rec.Check(pcm, kUnit.first(), kUnit.mid(1)); // the grammar built once, as for a unit
    for (auto _ : state)
        benchmark::DoNotOptimize(r = rec.Check(pcm, kUnit.first(), kUnit.mid(1)));
    state.SetLabel(("heard " + (r.heard.isEmpty() ? QStringLiteral("none") : r.heard) + ", stars "
                    + QString::number(r.stars))
                       .toStdString());
}
BENCHMARK(BM_Check1sAgainst12Words)->Unit(benchmark::kMillisecond);

// The first check of a unit also builds its grammar.
void BM_Check1sNewGrammar(benchmark::State &state)
{
    if (!SpeechRecognizer::ModelInstalled()) {
        state.SkipWithError("the speech model is not installed");
        return;
    }
    SpeechRecognizer &rec = Loaded();
    const Pcm16 pcm = OneSecond();
    int n = 0;
    for (auto _ : state) {
        QList<SayWord> words = kUnit;
        words[11] = SayWord{QStringLiteral("word%1").arg(n++), QStringLiteral("wɜːd")};
        benchmark::DoNotOptimize(rec.Check(pcm, words.first(), words.mid(1)));
    }
}
BENCHMARK(BM_Check1sNewGrammar)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QtPlatform platform;
    SetPlatform(&platform);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
