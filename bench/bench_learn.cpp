// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The word reader's costs, offscreen: one word change without the voice
// (card, labels, sentence and their paint; the strip stays), without and with
// the flip as the window runs it, beside unscrambling and decoding that
// word's picture, a rebuild of the nine-thumbnail strip, and the picture's
// stretch over the card in bands beside one draw. CPU is the whole
// process's (Qt hands large draws to a pool thread), Time is wall time.
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "learn/learnwordctl.h"
#include "platform/qtplatform.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include "widgets/widgetutil.h"
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kWords = 12;

struct World {
    QTemporaryDir dir;
    std::vector<std::unique_ptr<CWord>> words;
    ClassUnit unit;
    std::unique_ptr<QWidget> host;
    LearnWordCtl *reader = nullptr;

    World()
    {
        InitAppPathsFor(dir.path());
        QDir(dir.path()).mkpath(QStringLiteral("pics"));
        for (int i = 1; i <= kWords; ++i) {
            auto w = std::make_unique<CWord>();
            w->English = QStringLiteral("word%1").arg(QChar(QLatin1Char('a' + i)));
            w->UserEN = w->English;
            w->Chinese = QStringLiteral("词语%1").arg(i);
            w->DetailCH = QStringLiteral("n. 词语%1").arg(i);
            w->Sound = QStringLiteral("/ wɜːd /");
            w->SentenceEN = QStringLiteral("This is the %1 in a short sentence.").arg(w->English);
            w->SentenceCH = QStringLiteral("这是一个短句子里的词。");
            WritePicture(w->English, i);
            unit.AddNewWord(w.get());
            words.push_back(std::move(w));
        }
        gUser = new ClassUser;
        gUser->bAutoSpeakWord = false;
        gCurrUnit = &unit;
        host = std::make_unique<QWidget>();
        host->resize(LearnWordCtl::kWidth, LearnWordCtl::kHeight);
        reader = new LearnWordCtl(host.get());
        reader->bEffect = false;
        host->show();
        reader->ChangeWord(1, false);
    }
    ~World()
    {
        host.reset();
        gCurrUnit = nullptr;
        delete gUser;
        gUser = nullptr;
    }

    // A 320 x 200 JPEG like the shipped pictures, enveloped.
    void WritePicture(const QString &english, int i) const
    {
        QImage img(320, 200, QImage::Format_RGB32);
        img.fill(QColor::fromHsv((i * 29) % 360, 90, 250));
        QPainter p(&img);
        p.setBrush(QColor::fromHsv((i * 53) % 360, 200, 200));
        p.drawEllipse(QRect(90, 30, 140, 140));
        p.end();
        QByteArray jpg;
        QBuffer buf(&jpg);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "JPG", 90);
        QFile f(dir.path() + QStringLiteral("/pics/") + english + QStringLiteral(".enjpg"));
        f.open(QIODevice::WriteOnly);
        f.write(EnvelopeBytes(jpg));
    }
};

World &TheWorld()
{
    static World *w = new World; // lives until the process ends
    return *w;
}

// Words 2 and 3 take turns: both are in the strip, so it is not rebuilt.
void BM_WordChange(benchmark::State &state)
{
    World &w = TheWorld();
    w.reader->ChangeWord(1, false);
    int k = 0;
    for (auto _ : state) {
        w.reader->ChangeWord(2 + (k++ & 1), false);
        QCoreApplication::processEvents();
    }
}

// The whole flip at its own pace (its sleeps count in Time, not in CPU).
void BM_WordChangeWithFlip(benchmark::State &state)
{
    World &w = TheWorld();
    w.reader->ChangeWord(1, false);
    w.reader->bEffect = true;
    int k = 0;
    for (auto _ : state) {
        w.reader->ChangeWord(2 + (k++ & 1), false);
        QCoreApplication::processEvents();
    }
    w.reader->bEffect = false;
}

void BM_WordChange_Baseline(benchmark::State &state)
{
    World &w = TheWorld();
    int k = 0;
    for (auto _ : state) {
        const QString name = w.words[size_t(1 + (k++ & 1))]->English;
        QByteArray clear;
        ReadEncodedFileBytes(AppPath(QStringLiteral("pics/") + name + QStringLiteral(".enjpg")), clear);
        QImage img;
        img.loadFromData(clear);
        benchmark::DoNotOptimize(img.width());
    }
}

void BM_StripRebuild(benchmark::State &state)
{
    World &w = TheWorld();
    for (auto _ : state) {
        w.reader->ClearArrWordPics();
        w.reader->LoadWordArr(1, false);
        QCoreApplication::processEvents();
    }
    state.counters["thumbnails"] = w.reader->StripCount();
}

// A word's picture stretched over the card's canvas: in bands as the card
// draws it, beside one drawImage call, which Qt splits over its pool.
template <bool Bands>
void BM_CardStretch(benchmark::State &state)
{
    World &w = TheWorld();
    QByteArray clear;
    ReadEncodedFileBytes(AppPath(QStringLiteral("pics/") + w.words[1]->English + QStringLiteral(".enjpg")), clear);
    const QImage picture = QImage::fromData(clear);
    QImage canvas(400, 250, QImage::Format_ARGB32_Premultiplied);
    const QRectF target(0, 0, 400, 250);
    for (auto _ : state) {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        if (Bands)
            DrawImageInBands(p, target, picture);
        else
            p.drawImage(target, picture);
    }
}

} // namespace

BENCHMARK(BM_WordChange)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_WordChangeWithFlip)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(6);
BENCHMARK(BM_WordChange_Baseline)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_StripRebuild)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK_TEMPLATE(BM_CardStretch, true)->Name("BM_CardStretch_InBands")->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK_TEMPLATE(BM_CardStretch, false)->Name("BM_CardStretch_OneDrawBaseline")->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtPlatform platform;
    SetPlatform(&platform);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    SetPlatform(nullptr);
    return 0;
}
