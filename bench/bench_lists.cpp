// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Figures of the word lists, offscreen, each beside a baseline in the same
// run: a 12-card group of the word picture list with its paint against
// unscrambling, decoding and drawing its 12 pictures alone, and the record
// window listing a course of 1,000 words.
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "learn/formwordpiclist.h"
#include "records/formrecord.h"
#include "widgets/look.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "platform/qtplatform.h"
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kCourseWords = 1000;
constexpr int kCards = 12;

QString WordName(int i)
{
    // letters only, as the dictionary wants them
    QString w = QStringLiteral("word");
    for (int n = i; n > 0 || w.size() == 4; n /= 26)
        w += QLatin1Char(char('a' + n % 26));
    return w;
}

QByteArray Picture(int i)
{
    QImage img(320, 200, QImage::Format_RGB32);
    img.fill(QColor::fromHsv((i * 37) % 360, 60, 250));
    QPainter p(&img);
    p.setBrush(QColor::fromHsv((i * 91) % 360, 200, 220));
    p.drawEllipse(QRect(60 + i, 30, 200, 140));
    p.end();
    QByteArray jpg;
    QBuffer buf(&jpg);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG", 85);
    return jpg;
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct World {
    QTemporaryDir dir;
    QStringList words;

    World()
    {
        InitAppPathsFor(dir.path());
        for (const char *sub : {"dat", "pics", "usrdat", "tmp", "voice"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
        QString dict = QStringLiteral("$KELVAN DIC98\r\nbench 1.0\r\nr1\r\nr2\r\nr3\r\n");
        QString bank = QStringLiteral("$ KELVAN VOCATRIX98 WORDBANK\r\nwb 1.0\r\n@Bench\r\n!bench\r\n%Book\r\n#Twelve\r\n");
        for (int i = 0; i < kCourseWords; ++i) {
            const QString w = WordName(i);
            words << w;
            dict += w + QStringLiteral("\t") + w + QStringLiteral("\tn. 词") + QString::number(i) + QStringLiteral("\t词\t0\r\n");
        }
        for (int i = 0; i < kCards; ++i) {
            bank += words[i] + QStringLiteral("\r\n");
            WriteBytes(AppPath(QStringLiteral("pics/") + words[i] + QStringLiteral(".enjpg")), EnvelopeBytes(Picture(i)));
        }
        bank += QStringLiteral("#Thousand\r\n");
        for (const QString &w : std::as_const(words))
            bank += w + QStringLiteral("\r\n");
        WriteEncodedTextFile(gDictFile, dict);
        WriteEncodedTextFile(gWordBankFile, bank);
        gUser = new ClassUser;
        gDictionary = new ClassDBdictionary;
        gDictionary->InitDict();
        gWordBank = new CWordBank;
        CSeries *series = nullptr;
        if (gWordBank->GetSeriesByID(1, series))
            series->LoadStandardSeries();
    }
    ~World() { ReleaseSharedObjects(); }
};

World &W()
{
    static World *w = new World;
    return *w;
}

// What the event loop does between two clicks: the events the rebuild posted,
// then the deletions. Left queued, they pile up and every deletion searches them.
void DeleteLeftovers()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_TwelveCardGroup(benchmark::State &state)
{
    W();
    gWordBank->SelectCourse(1, 1, 1, 1, WordCategory::All);
    FormWordPicList form;
    form.opPageNum_Click(3);
    form.show();
    DeleteLeftovers();
    form.PicBase->repaint();
    for (auto _ : state) {
        form.LoadPics(1);
        DeleteLeftovers();
        // the page as the learner sees it: its paint counts
        form.PicBase->repaint();
        benchmark::DoNotOptimize(form.CardCount());
    }
    if (form.CardCount() != kCards)
        state.SkipWithError("the group does not hold 12 cards");
}

// Unscrambling and decoding the 12 pictures, and drawing each once at its
// card's size.
void BM_TwelvePicturesBaseline(benchmark::State &state)
{
    World &w = W();
    const QRect card = FormWordPicList::CardRect(kCards, 1);
    QImage canvas(card.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (int i = 0; i < kCards; ++i) {
            QByteArray clear;
            ReadEncodedFileBytes(AppPath(QStringLiteral("pics/") + w.words[i] + QStringLiteral(".enjpg")), clear);
            QImage img;
            img.loadFromData(clear);
            QPainter p(&canvas);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(QPoint(0, 0), card.size()), img);
            p.end();
            benchmark::DoNotOptimize(canvas.bits());
        }
    }
}

void BM_RecordOfThousandWords(benchmark::State &state)
{
    W();
    gWordBank->SelectCourse(1, 1, 2, 2, WordCategory::All);
    FormRecord form;
    for (auto _ : state) {
        form.ShowRecordList(WordCategory::All);
        DeleteLeftovers();
        benchmark::DoNotOptimize(form.RowCount());
    }
    if (form.RowCount() != kCourseWords)
        state.SkipWithError("the record does not list 1,000 words");
}

void BM_RecordWindowOpening(benchmark::State &state)
{
    W();
    gWordBank->SelectCourse(1, 1, 2, 2, WordCategory::All);
    for (auto _ : state) {
        FormRecord form;
        benchmark::DoNotOptimize(form.RowCount());
    }
    DeleteLeftovers();
}

} // namespace

BENCHMARK(BM_TwelvePicturesBaseline)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_TwelveCardGroup)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_RecordOfThousandWords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordWindowOpening)->Unit(benchmark::kMillisecond);

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
