// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"
#include "platform/sdlaudio.h"
#include "platform/quitsignals.h"
#include "support/fixture.h"
#include "support/testmain.h"
#include <QElapsedTimer>
#include <csignal>
#include <QTimer>

// The real SDL2 output (the dummy driver on a machine without sound).
class SdlAudioTest : public QObject {
    Q_OBJECT

    QtPlatform real;

    qint64 timedPlay(const QByteArray &wav, bool wait, bool *ok = nullptr)
    {
        QElapsedTimer t;
        t.start();
        const bool played = real.PlayWav(wav, wait);
        if (ok)
            *ok = played;
        return t.elapsed();
    }

private slots:
    void initTestCase()
    {
        // open the device outside the timed plays
        QVERIFY(real.PlayWav(MakeSineWav(20), true));
        qInfo("audio driver: %s", SdlAudioDriverName());
    }

    void waitingPlayLastsAsLongAsTheSound_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addRow("22050 mono") << 22050 << 1;
        QTest::addRow("44100 stereo") << 44100 << 2;
        QTest::addRow("8000 mono") << 8000 << 1;
    }
    void waitingPlayLastsAsLongAsTheSound()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        bool ok = false;
        const qint64 ms = timedPlay(MakeSineWav(500, rate, channels), true, &ok);
        QVERIFY(ok);
        QVERIFY2(ms >= 400 && ms <= 2000, qPrintable(QString::number(ms)));
    }

    // A logout must not wait for a long sound to end.
    void terminationSignalCutsAWaitingPlayShort()
    {
        QVERIFY(QuitSignals::Install());
        QCOMPARE(std::raise(SIGTERM), 0);
        bool ok = false;
        const qint64 ms = timedPlay(MakeSineWav(4000), true, &ok);
        QuitSignals::Uninstall();
        QVERIFY(ok);
        QVERIFY2(ms < 2000, qPrintable(QString::number(ms)));
    }

    // SDL would otherwise take SIGINT and SIGTERM for itself and swallow them.
    void sdlLeavesTheSignalsAlone()
    {
        SdlAudioShutdown();
        QVERIFY(real.PlayWav(MakeSineWav(20), true));
        for (int sig : {SIGTERM, SIGINT}) {
            struct sigaction sa = {};
            QCOMPARE(::sigaction(sig, nullptr, &sa), 0);
            QVERIFY(sa.sa_handler == SIG_DFL);
        }
    }

    void asyncPlayReturnsAtOnce()
    {
        bool ok = false;
        const qint64 ms = timedPlay(MakeSineWav(1500), false, &ok);
        QVERIFY(ok);
        QVERIFY2(ms < 300, qPrintable(QString::number(ms)));
        real.StopSound();
    }

    void newPlayStopsTheOneSounding()
    {
        QVERIFY(real.PlayWav(MakeSineWav(3000), false));
        // if the long sound were still queued, this wait would last over 3 s
        const qint64 ms = timedPlay(MakeSineWav(200), true);
        QVERIFY2(ms >= 150 && ms < 1500, qPrintable(QString::number(ms)));
    }

    void nothingToPlay_data()
    {
        QTest::addColumn<QByteArray>("wav");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("not a WAV") << QByteArray("this is not a sound file at all, just some text");
        QTest::addRow("header only") << MakeSineWav(500).left(44);
        QTest::addRow("cut in the header") << MakeSineWav(500).left(30);
    }
    void nothingToPlay()
    {
        QFETCH(QByteArray, wav);
        bool ok = true;
        const qint64 ms = timedPlay(wav, true, &ok);
        QVERIFY(!ok);
        QVERIFY2(ms < 300, qPrintable(QString::number(ms)));
    }

    void fallsBackToTheDummyDriver()
    {
        // a driver that cannot open stands for a machine without a sound device
        const QByteArray saved = qgetenv("SDL_AUDIODRIVER");
        SdlAudioShutdown();
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        bool ok = false;
        const qint64 ms = timedPlay(MakeSineWav(500), true, &ok);
        qputenv("SDL_AUDIODRIVER", saved);
        QVERIFY(ok);
        QCOMPARE(QByteArray(SdlAudioDriverName()), QByteArray("dummy"));
        QVERIFY2(ms >= 400 && ms <= 2000, qPrintable(QString::number(ms)));
    }

    void deviceOpensAtTheSoundsOwnFormat_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addRow("voice 16000 mono") << 16000 << 1;
        QTest::addRow("22050 mono") << 22050 << 1;
        QTest::addRow("44100 stereo") << 44100 << 2;
        QTest::addRow("voice again") << 16000 << 1;
    }
    void deviceOpensAtTheSoundsOwnFormat()
    {
        QFETCH(int, rate);
        QFETCH(int, channels);
        QVERIFY(real.PlayWav(MakeSineWav(60, rate, channels), true));
        const SdlAudioFormat f = SdlAudioDeviceFormat();
        QCOMPARE(f.freq, rate);
        QCOMPARE(f.channels, channels);
        QCOMPARE(f.bits, 16);
    }

    void deviceRestsWhenSilent()
    {
        QVERIFY(real.PlayWav(MakeSineWav(60), true));
        QVERIFY(SdlAudioDeviceOpen());
        // open between the plays of one reading, closed once all is quiet
        QTRY_VERIFY_WITH_TIMEOUT(!SdlAudioDeviceOpen(), kSdlAudioRestMs * 4);
        QVERIFY(real.PlayWav(MakeSineWav(60), true));
        QVERIFY(SdlAudioDeviceOpen());
    }

    void windowLivesWhileASoundIsAwaited()
    {
        int ticks = 0;
        QTimer tick;
        tick.setInterval(20);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            if (++ticks == 5)
                real.StopSound(); // a stop from inside the wait ends it
        });
        tick.start();
        const qint64 ms = timedPlay(MakeSineWav(5000), true);
        tick.stop();
        QVERIFY(ticks >= 5);
        QVERIFY2(ms < 2500, qPrintable(QString::number(ms)));
    }

    void truncatedDataPlaysWhatItHas()
    {
        // a data chunk that claims more than the file holds still plays its part
        bool ok = false;
        const qint64 ms = timedPlay(MakeSineWav(2000).left(44 + 22050), true, &ok); // 0.5 s of samples
        QVERIFY(ok);
        QVERIFY2(ms >= 400 && ms <= 2000, qPrintable(QString::number(ms)));
    }
};
TALLIVO_TEST(SdlAudioTest)
#include "tst_sdlaudio.moc"
