// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The games window on a generated unit of 12 words with pictures and voices,
// offscreen, with a platform that neither sleeps nor sounds, so only the
// program's own work is timed: opening the window to the 24 dealt cards of
// 单词翻翻看, and one answer's feedback. Baselines in the same run: decoding
// the 24 card pictures, and one repaint of the window. CPU is the whole
// process's (Qt hands large draws to a pool thread), Time is wall time.
#include "games/formgames.h"
#include "games/gamemodectl.h"
#include "games/uc_ffk.h"
#include "games/uc_xxk.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "platform/audiocapture.h"
#include "platform/platform.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int kWords = 12;

// No dialogs, no pauses, no sound: what is left is the program's own work.
class QuietPlatform : public Platform {
public:
    MsgResult MsgBox(const QString &, MsgButtons, MsgIcon, const QString &) override { return MsgResult::OK; }
    QString InputBox(const QString &, const QString &, const QString &) override { return {}; }
    QString OpenFileDialog(const QString &, const QString &, const QString &) override { return {}; }
    QString SaveFileDialog(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    void SetClipboardText(const QString &) override {}
    QString ClipboardText() override { return {}; }
    bool ShellOpen(const QString &) override { return true; }
    void SetHandCursor() override {}
    QStringList FontFamilies() override { return {}; }
    QStringList RegisterFont(const QString &) override { return {}; }
    double Rnd() override { return std::uniform_real_distribution<double>(0, 1)(m_rng); }
    void Randomize() override {}
    void Sleep(int) override {}
    void DoEvents() override {}
    qint64 TickMs() override { return 0; }
    bool PlayWav(const QByteArray &, bool) override { return true; }
    void StopSound() override {}
    AudioCapture &Capture() override { return m_noCapture; }
    NoAudioCapture m_noCapture;

private:
    std::mt19937_64 m_rng{11};
};

QByteArray Jpeg(int i)
{
    QImage img(320, 200, QImage::Format_RGB32);
    img.fill(QColor::fromHsv((i * 29) % 360, 60, 250));
    QPainter p(&img);
    p.setBrush(QColor::fromHsv((i * 53) % 360, 200, 220));
    p.drawEllipse(QPoint(160, 100), 80, 70);
    p.end();
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG", 90);
    return bytes;
}

QByteArray Wav(int ms)
{
    const int rate = 22050, n = rate * ms / 1000;
    QByteArray data(n * 2, '\0');
    QByteArray h("RIFF");
    auto le32 = [&](quint32 v) { for (int k = 0; k < 4; ++k) h += char((v >> (8 * k)) & 0xFF); };
    auto le16 = [&](quint16 v) { h += char(v & 0xFF); h += char(v >> 8); };
    le32(36 + quint32(data.size()));
    h += "WAVEfmt ";
    le32(16);
    le16(1);
    le16(1);
    le32(rate);
    le32(rate * 2);
    le16(2);
    le16(16);
    h += "data";
    le32(quint32(data.size()));
    return h + data;
}

bool WriteEnveloped(const QString &path, const QByteArray &clear)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(EnvelopeBytes(clear)) == clear.size();
}

struct World {
    QTemporaryDir dir;
    QuietPlatform platform;
    ClassUnit unit;
    std::vector<QByteArray> jpegs;

    World()
    {
        SetPlatform(&platform);
        InitAppPathsFor(dir.path());
        QString dict = QStringLiteral("$KELVAN DIC98\r\nbench 1.0\r\nr1\r\nr2\r\nr3\r\n");
        for (int i = 0; i < kWords; ++i) {
            const QString w = QStringLiteral("word") + QChar(u'a' + i);
            dict += w + QLatin1Char('\t') + w + QStringLiteral("\tn. 词义\t词义\twɜːd\r\n");
            jpegs.push_back(Jpeg(i));
            WriteEnveloped(AppPath(QStringLiteral("pics/") + w + QStringLiteral(".enjpg")), jpegs.back());
            WriteEnveloped(AppPath(QStringLiteral("voice/") + NormalizeWordKey(w) + QStringLiteral(".enw")), Wav(400));
        }
        WriteEnveloped(gDictFile, dict.toUtf8());
        QDir().mkpath(AppPath(QStringLiteral("usrdat")));
        gUser = new ClassUser;
        gUser->userName = QStringLiteral("bench");
        gDictionary = new ClassDBdictionary;
        gDictionary->InitDict();
        for (int i = 0; i < kWords; ++i) {
            CWord *w = nullptr;
            if (gDictionary->SetWord(w, QStringLiteral("word") + QChar(u'a' + i)))
                unit.AddNewWord(w);
        }
        unit.UnitCaption = QStringLiteral("Bench【共有单词 12 个】");
        gCurrUnit = &unit;
    }
};

World &W()
{
    static World *w = new World;
    return *w;
}

void DealAll(UC_FFK *f)
{
    while (f->Timer1->isActive())
        f->Timer1_Timer();
}

int RightSlot(const ChoiceRound &r)
{
    for (int s = 0; s < r.ChoiceCount(); ++s) {
        if (r.IsRight(s))
            return s;
    }
    return 0;
}

void BM_OpenGamesToDealtCards(benchmark::State &state)
{
    W();
    for (auto _ : state) {
        auto dlg = std::make_unique<FormGames>();
        dlg->show();
        QCoreApplication::processEvents(); // game 0 begins, queued after showing
        dlg->GameModeCtl1->btnTestMode_Click(2);
        DealAll(dlg->UC_FFK1);
        benchmark::DoNotOptimize(dlg->UC_FFK1->Deck().CardCount());
        state.PauseTiming();
        dlg->EndAllGames();
        dlg.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void BM_DecodeCardPictures_Baseline(benchmark::State &state)
{
    W();
    for (auto _ : state) {
        for (int copy = 0; copy < 2; ++copy) {
            for (const QByteArray &j : W().jpegs) {
                QImage img;
                img.loadFromData(j, "JPG");
                benchmark::DoNotOptimize(img.bits());
            }
        }
    }
}

void BM_WordChoiceAnswer(benchmark::State &state)
{
    W();
    // the control alone: the result window of a finished game would wait for a click
    UC_XXK game;
    game.show();
    UC_XXK *x = &game;
    x->StartGame();
    for (auto _ : state) {
        if (!x->Playing()) {
            state.PauseTiming();
            x->StartGame();
            state.ResumeTiming();
        }
        // the click, the ten slide steps, the voice and the next word
        x->EnText_Click(RightSlot(x->Round()));
        while (x->timMoveEnText->isActive())
            x->timMoveEnText_Timer();
        QCoreApplication::processEvents();
    }
    x->EndGame();
}

void BM_FlipCardMatch(benchmark::State &state)
{
    W();
    UC_FFK game;
    game.show();
    UC_FFK *f = &game;
    f->StartGame();
    DealAll(f);
    int id = 0;
    for (auto _ : state) {
        if (id == kWords || !f->Playing()) {
            state.PauseTiming();
            QCoreApplication::processEvents();
            f->StartGame();
            DealAll(f);
            id = 0;
            state.ResumeTiming();
        }
        ++id;
        int pic = 0, en = 0;
        for (int k = 1; k <= f->Deck().CardCount(); ++k) {
            if (f->Deck().CardAt(k).wordId == id)
                (f->Deck().CardAt(k).face == FlipDeck::Face::Picture ? pic : en) = k;
        }
        // the first card's selection and the match with its repacking
        f->picWord_Click(pic);
        f->picWord_Click(en);
    }
    f->EndGame();
}

void BM_RepaintGamesWindow_Baseline(benchmark::State &state)
{
    W();
    FormGames dlg;
    dlg.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        dlg.repaint();
        QCoreApplication::processEvents();
    }
    dlg.EndAllGames();
}

} // namespace

BENCHMARK(BM_OpenGamesToDealtCards)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_DecodeCardPictures_Baseline)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_WordChoiceAnswer)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_FlipCardMatch)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_RepaintGamesWindow_Baseline)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
