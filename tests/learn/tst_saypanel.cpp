// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "learnenv.h"
#include "support/testmain.h"
#include "learn/formlearnword.h"
#include "learn/learnwordctl.h"
#include "learn/saypanel.h"
#include "speech/sayrecorder.h"
#include "speech/speechservice.h"
#include "speech/wavpcm.h"
#include "helpers/apppaths.h"
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace {

// What the fake microphone hears: a little room noise, a vowel-like tone
// of toneMs, then the quiet of the room.
Pcm16 Spoken(int toneMs, int leadMs = 310)
{
    Pcm16 pcm;
    for (int i = 0; i < leadMs * 16; ++i)
        pcm << qint16((i * 7919) % 31 - 15);
    for (int i = 0; i < toneMs * 16; ++i)
        pcm << qint16(std::lround(9000 * std::sin(2 * M_PI * 220 * i / 16000.0)));
    return pcm;
}

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Polls as the timer would until the recording is over; false if it never ends.
bool RunRecorder(SayRecorder *r, int maxTicks = 200)
{
    for (int i = 0; i < maxTicks && r->IsRecording(); ++i)
        r->Poll();
    return !r->IsRecording();
}

struct PanelScene {
    LearnEnv env;
    std::unique_ptr<SayPanel> panel;
    bool ok = false;

    PanelScene()
    {
        ok = env.Start();
        gCurrWord = LearnEnv::Word(QStringLiteral("red"));
        ok = ok && gCurrWord;
        panel = std::make_unique<SayPanel>();
    }
    ~PanelScene() { panel.reset(); }
    QString RecordingFile() const { return SayRecorder::RecordingPath(QStringLiteral("red")); }
};

} // namespace

class TestSayPanel : public QObject {
    Q_OBJECT
private slots:
    void cleanupTestCase() { ReleaseSpeechService(); }

    void noMicrophoneSaysSoOnceAndKeepsTheWindowGoing()
    {
        PanelScene s;
        QVERIFY(s.ok);
        s.env.fake->capture.available = false;
        s.panel->btnSay_Click();
        QCOMPARE(s.env.fake->msgBoxes.size(), 1);
        QCOMPARE(s.env.fake->msgBoxes[0].text, SayRecorder::kNoMicrophone);
        QCOMPARE(s.env.fake->msgBoxes[0].caption, QStringLiteral("跟读录音"));
        QCOMPARE(s.env.fake->msgBoxes[0].buttons, MsgButtons::OK);
        QVERIFY(!s.panel->Recording());
        QVERIFY(!QFile::exists(s.RecordingFile()));
        // the other button still works as before
        s.panel->btnMine_Click();
        QCOMPARE(s.env.MsgTexts().last(), QStringLiteral("请先录音！"));
    }

    void speechThenQuietIsSavedWholeAndChecked()
    {
        PanelScene s;
        QVERIFY(s.ok);
        QVERIFY(WriteFileBytes(s.RecordingFile(), "an older try"));
        s.env.fake->capture.source = Spoken(600);
        s.panel->btnSay_Click();
        QVERIFY(s.panel->Recording());
        QCOMPARE(s.env.fake->capture.starts, 1);
        QVERIFY(RunRecorder(s.panel->Recorder()));
        QCOMPARE(s.env.fake->capture.stops, 1);

        Pcm16 saved;
        QVERIFY(Pcm16FromWav(FileBytes(s.RecordingFile()), saved));
        // all that was said and the quiet that ended it, not the whole 4 s
        QVERIFY(saved.size() >= s.env.fake->capture.source.size());
        QVERIFY(saved.size() < 3 * kSpeechRate);
        QCOMPARE(saved.mid(0, s.env.fake->capture.source.size()), s.env.fake->capture.source);
        QCOMPARE(s.env.fake->capture.taken, s.env.fake->capture.source.size());
        QCOMPARE(QDir(UserPath(QStringLiteral("myvoice"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("red.wav")});

        if (!SpeechService::Available()) {
            QVERIFY(s.panel->lblResult->text().startsWith(QStringLiteral("录好了")));
            return;
        }
        // a hum is no word: a kind answer, and the word said again
        s.env.fake->plays.clear();
        QTRY_COMPARE_WITH_TIMEOUT(s.panel->lblResult->text(), SayPanel::kTryAgain, 30000);
        QCOMPARE(s.env.Spoken(), QStringList{QStringLiteral("w:red")});
        QCOMPARE(s.panel->lblStars->text(), QString());
    }

    void aSilentTryKeepsTheLastRecording()
    {
        PanelScene s;
        QVERIFY(s.ok);
        QVERIFY(WriteFileBytes(s.RecordingFile(), "the last good try"));
        s.env.fake->capture.source = Spoken(0, 110);
        s.panel->btnSay_Click();
        QVERIFY(RunRecorder(s.panel->Recorder()));
        QCOMPARE(FileBytes(s.RecordingFile()), QByteArray("the last good try"));
        QCOMPARE(s.panel->lblResult->text(), SayPanel::kNotHeard);
    }

    void theButtonStopsAndKeepsWhatWasSaid()
    {
        PanelScene s;
        QVERIFY(s.ok);
        s.env.fake->capture.source = Spoken(3000);
        s.panel->btnSay_Click();
        for (int i = 0; i < 20; ++i) // a second: well inside the speech
            s.panel->Recorder()->Poll();
        QVERIFY(s.panel->Recording());
        s.panel->btnSay_Click();
        QVERIFY(!s.panel->Recording());
        Pcm16 saved;
        QVERIFY(Pcm16FromWav(FileBytes(s.RecordingFile()), saved));
        QCOMPARE(saved.size(), 21 * 800);
    }

    void nothingIsRecordedOrPlayedWhileSomethingSounds()
    {
        PanelScene s;
        QVERIFY(s.ok);
        QVERIFY(SaveWavAtomically(s.RecordingFile(), Spoken(300)));
        bool busy = true;
        s.panel->busy = [&busy] { return busy; };
        s.panel->btnSay_Click();
        s.panel->btnMine_Click();
        QCOMPARE(s.env.fake->capture.starts, 0);
        QVERIFY(s.env.fake->plays.isEmpty());
        busy = false;
        s.panel->btnMine_Click();
        QCOMPARE(s.env.fake->plays.size(), 2);
    }

    void listeningPlaysTheModelThenTheChild()
    {
        PanelScene s;
        QVERIFY(s.ok);
        // none yet: the message, and no model either
        s.panel->btnMine_Click();
        QCOMPARE(s.env.MsgTexts(), QStringList{QStringLiteral("请先录音！")});
        QCOMPARE(s.env.fake->msgBoxes[0].caption, QStringLiteral("跟读录音"));
        QVERIFY(s.env.fake->plays.isEmpty());

        QVERIFY(SaveWavAtomically(s.RecordingFile(), Spoken(300)));
        s.panel->btnMine_Click();
        QCOMPARE(s.env.fake->plays.size(), 2);
        QCOMPARE(s.env.Spoken(), QStringList{QStringLiteral("w:red")});
        QVERIFY(s.env.fake->plays[0].wait);
        QCOMPARE(s.env.fake->plays[1].wav, FileBytes(s.RecordingFile()));
        QVERIFY(s.env.fake->plays[1].wait);
        QCOMPARE(s.env.fake->msgBoxes.size(), 1);
    }
};

TALLIVO_TEST(TestSayPanel)

// The learning window: keys reach the panel, and a recording never outlives
// its word or the window.
class TestFormLearnWordSay : public QObject {
    Q_OBJECT

    struct Scene {
        LearnEnv env;
        std::unique_ptr<FormLearnWord> form;
        bool ok = false;
        Scene()
        {
            ok = env.Start();
            gUser->bAutoSpeakWord = false;
            gUser->nLastWord = 1;
        }
        bool Open()
        {
            form = std::make_unique<FormLearnWord>();
            form->show();
            if (!QTest::qWaitForWindowExposed(form.get()))
                return false;
            QCoreApplication::processEvents();
            return QTest::qWaitFor([this] { return !form->LearnWordCtl1->Changing(); });
        }
        void Key(int key)
        {
            QCoreApplication::processEvents();
            QTest::keyClick(form.get(), Qt::Key(key));
        }
        SayRecorder *Recorder() const { return form->SayPanel1->Recorder(); }
    };

private slots:
    void cleanupTestCase() { ReleaseSpeechService(); }

    void leavingTheWordDropsTheRecording_data()
    {
        QTest::addColumn<int>("key");
        QTest::addRow("next word") << int(Qt::Key_Right);
        QTest::addRow("previous word") << int(Qt::Key_Left);
        QTest::addRow("window closed") << int(Qt::Key_Escape);
    }
    void leavingTheWordDropsTheRecording()
    {
        QFETCH(int, key);
        Scene s;
        QVERIFY(s.ok);
        gUser->nLastWord = 2;
        QVERIFY(s.Open());
        s.env.fake->capture.source = Spoken(3000);
        s.Key(Qt::Key_R);
        QVERIFY(s.Recorder()->IsRecording());
        const QString key0 = s.Recorder()->wordKey();
        for (int i = 0; i < 10; ++i)
            s.Recorder()->Poll();
        s.Key(key);
        QVERIFY(!s.Recorder()->IsRecording());
        QCOMPARE(s.env.fake->capture.stops, 1);
        QVERIFY(!s.env.fake->capture.IsRecording());
        QVERIFY(!QFile::exists(SayRecorder::RecordingPath(key0)));
        QVERIFY(s.env.dir.filesIn(QStringLiteral("myvoice")).isEmpty());
    }

    void keysRecordAndPlay()
    {
        Scene s;
        QVERIFY(s.ok);
        QVERIFY(s.Open());
        s.Key(Qt::Key_M);
        QCOMPARE(s.env.MsgTexts(), QStringList{QStringLiteral("请先录音！")});
        s.env.fake->capture.source = Spoken(500);
        s.Key(Qt::Key_R);
        QVERIFY(RunRecorder(s.Recorder()));
        const QString file = SayRecorder::RecordingPath(s.Recorder()->wordKey());
        QVERIFY(QFile::exists(file));
        s.env.fake->plays.clear();
        s.Key(Qt::Key_M);
        QCOMPARE(s.env.fake->plays.size(), 2);
        QCOMPARE(s.env.fake->plays[1].wav, FileBytes(file));
    }
};

TALLIVO_TEST(TestFormLearnWordSay)
#include "tst_saypanel.moc"
