// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpers/apppaths.h"
#include "helpers/texthelpers.h"
#include "platform/qtplatform.h"
#include "sound/classplaysound.h"
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "support/testmain.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>

Q_DECLARE_METATYPE(MsgResult)

namespace {

const QString kMissingVoiceText = QStringLiteral(
    "找不到单词的语音，请到官方网站下载语音和图片资源安装后继续使用。\r\n\r\n现在去下载？");

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A canonical 44-byte header followed by a little data.
QByteArray WavHeader(quint32 rate, quint16 channels, quint16 bits)
{
    QByteArray h = MakeSineWav(10, 8000, 1);
    auto *d = reinterpret_cast<uchar *>(h.data());
    qToLittleEndian<quint16>(channels, d + 22);
    qToLittleEndian<quint32>(rate, d + 24);
    qToLittleEndian<quint32>(rate * channels * bits / 8, d + 28);
    qToLittleEndian<quint16>(quint16(channels * bits / 8), d + 32);
    qToLittleEndian<quint16>(bits, d + 34);
    return h;
}

quint32 U32At(const QByteArray &b, int pos)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(b.constData()) + pos);
}

} // namespace

class ClassPlaySoundTest : public QObject {
    Q_OBJECT

    ClassPlaySound &player() { return *GetPlaySound(); }

private slots:
    void init() { ReleasePlaySound(); }
    void cleanup() { ReleasePlaySound(); }

    void readsTheWordsVoice_data()
    {
        // clang-format off
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("key");
        QTest::addRow("hyphen") << "ice-cream" << "icecream";
        QTest::addRow("space") << "ice cream" << "icecream";
        QTest::addRow("tabs and blanks") << "\t ice cream \t" << "icecream";
        QTest::addRow("the phrase") << "the Great Wall" << "GreatWall";
        QTest::addRow("British spelling") << "colour" << "color";
        // clang-format on
    }
    void readsTheWordsVoice()
    {
        QFETCH(QString, word);
        QFETCH(QString, key);
        TempAppDir app;
        gUKWords = {QString(), QStringLiteral("colour")};
        gUSWords = {QString(), QStringLiteral("color")};
        ScopedFakePlatform p;
        const QByteArray wav = MakeSineWav(400);
        QVERIFY(app.writeEnvelopedBytes("voice/" + key + ".enw", wav));

        player().ReadEnglishWord(word, 2, false);

        QCOMPARE(p->plays.size(), 2);
        for (const PlayCall &c : p->plays) {
            QCOMPARE(c.wav, wav); // unscrambled
            QVERIFY(c.wait);
        }
        const QString play = QStringLiteral("play %1 wait").arg(wav.size());
        QCOMPARE(p->events, (QStringList{play, "sleep 300", play, "sleep 300"}));
        QCOMPARE(p->clockMs, qint64(2 * 400 + 2 * 300));
        QVERIFY(p->msgBoxes.isEmpty());
        QCOMPARE(app.filesIn("tmp"), QStringList()); // no temporary sound file, ever
        QVERIFY(!player().bReading);
    }

    void asyncReadingDoesNotWait()
    {
        TempAppDir app;
        ScopedFakePlatform p;
        QVERIFY(app.writeEnvelopedBytes("voice/apple.enw", MakeSineWav(700)));
        player().ReadEnglishWord(QStringLiteral("apple"), 1, true);
        QCOMPARE(p->plays.size(), 1);
        QVERIFY(!p->plays[0].wait);
        QCOMPARE(p->clockMs, qint64(300));
        // the voice is handed over whole: nothing on disk is needed afterwards
        QCOMPARE(app.filesIn("tmp"), QStringList());
    }

    void readCountOfZeroOrLessPlaysNothing_data()
    {
        QTest::addColumn<int>("count");
        QTest::addRow("zero") << 0;
        QTest::addRow("negative") << -3;
    }
    void readCountOfZeroOrLessPlaysNothing()
    {
        QFETCH(int, count);
        TempAppDir app;
        ScopedFakePlatform p;
        QVERIFY(app.writeEnvelopedBytes("voice/apple.enw", MakeSineWav(300)));
        player().ReadEnglishWord(QStringLiteral("apple"), count, false);
        QVERIFY(p->events.isEmpty());
        QCOMPARE(app.filesIn("tmp"), QStringList());
        QVERIFY(!player().bReading);
    }

    void busyPlayerIgnoresNewReadings_data()
    {
        QTest::addColumn<int>("op");
        QTest::addRow("word") << 0;
        QTest::addRow("sentence") << 1;
        QTest::addRow("tmp sound") << 2;
        QTest::addRow("missing word") << 3;
    }
    void busyPlayerIgnoresNewReadings()
    {
        QFETCH(int, op);
        TempAppDir app;
        ScopedFakePlatform p;
        QVERIFY(app.writeEnvelopedBytes("voice/apple.enw", MakeSineWav(300)));
        QVERIFY(app.writeEnvelopedBytes("sentence-voice/apple.wav", MakeSineWav(300)));
        QVERIFY(app.writeBytes("tmp/apple.wav", MakeSineWav(300)));
        player().bReading = true;
        switch (op) {
        case 0: player().ReadEnglishWord(QStringLiteral("apple"), 1, false); break;
        case 1: player().ReadSentence(QStringLiteral("apple"), false); break;
        case 2: player().EZPlayWordSound(QStringLiteral("apple"), false); break;
        case 3: player().ReadEnglishWord(QStringLiteral("nosuchword"), 1, false); break;
        }
        QVERIFY(p->events.isEmpty()); // no sound, no message, no pause
        QVERIFY(player().bReading);   // and the flag is left as it was
    }

    void missingVoiceAsksToDownload_data()
    {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<QStringList>("opened");
        QTest::addRow("yes") << MsgResult::Yes << QStringList{QString::fromUtf8(kResourceDownloadUrl)};
        QTest::addRow("no") << MsgResult::No << QStringList();
    }
    void missingVoiceAsksToDownload()
    {
        QFETCH(MsgResult, answer);
        QFETCH(QStringList, opened);
        TempAppDir app;
        ScopedFakePlatform p;
        p->msgAnswers << answer << answer;
        bool busyWhileAsking = false;
        p->onMsgBox = [&](const MsgBoxCall &) {
            busyWhileAsking = player().bReading;
            // a timer firing while the message is open must not start a second reading
            player().ReadEnglishWord(QStringLiteral("other"), 1, false);
        };

        player().ReadEnglishWord(QStringLiteral("zebra"), 2, false);

        QCOMPARE(p->msgBoxes.size(), 1);
        const MsgBoxCall &m = p->msgBoxes[0];
        QCOMPARE(m.text, kMissingVoiceText);
        QCOMPARE(m.caption, QStringLiteral("资源下载"));
        QCOMPARE(m.icon, MsgIcon::Information);
        QCOMPARE(m.buttons, MsgButtons::YesNo);
        QCOMPARE(p->shellOpened, opened);
        QVERIFY(p->plays.isEmpty());
        QVERIFY(p->sleeps.isEmpty());
        QVERIFY(busyWhileAsking);
        QVERIFY(!player().bReading);
        QCOMPARE(app.filesIn("tmp"), QStringList());

        // asked again on every attempt, and a word with a voice still speaks
        player().ReadEnglishWord(QStringLiteral("zebra"), 1, false);
        QCOMPARE(p->msgBoxes.size(), 2);
        QVERIFY(app.writeEnvelopedBytes("voice/apple.enw", MakeSineWav(300)));
        p->onMsgBox = nullptr;
        player().ReadEnglishWord(QStringLiteral("apple"), 1, false);
        QCOMPARE(p->plays.size(), 1);
    }

    void unreadableVoiceIsSilent_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addRow("empty file") << false;
        QTest::addRow("folder in its place") << true;
    }
    void unreadableVoiceIsSilent()
    {
        QFETCH(bool, folder);
        TempAppDir app;
        ScopedFakePlatform p;
        if (folder)
            QVERIFY(QDir(app.path()).mkpath("voice/apple.enw"));
        else
            QVERIFY(app.writeBytes("voice/apple.enw", QByteArray()));
        player().ReadEnglishWord(QStringLiteral("apple"), 2, false);
        QVERIFY(p->events.isEmpty());
        QVERIFY(!player().bReading);
        QCOMPARE(app.filesIn("tmp"), QStringList());
    }

    void sentences()
    {
        TempAppDir app;
        ScopedFakePlatform p;
        const QByteArray byKey = MakeSineWav(900);
        const QByteArray byId = MakeSineWav(600);
        QVERIFY(app.writeEnvelopedBytes("sentence-voice/icecream.wav", byKey));
        QVERIFY(app.writeEnvelopedBytes("sentence-in-unit/u1-s.2.wav", byId));

        // by word: the key rule, played once, no pause
        player().ReadSentence(QStringLiteral("ice-cream"), false);
        QCOMPARE(p->plays.size(), 1);
        QCOMPARE(p->plays[0].wav, byKey);
        QVERIFY(p->sleeps.isEmpty());
        QVERIFY(!player().bReading);

        // by id: the id unchanged (no key rule), and the busy flag is not consulted
        player().bReading = true;
        player().ReadSentenceByID(QStringLiteral("u1-s.2"), true);
        QCOMPARE(p->plays.size(), 2);
        QCOMPARE(p->plays[1].wav, byId);
        QVERIFY(!p->plays[1].wait);
        QVERIFY(player().bReading);
        player().bReading = false;

        // missing ones are silent
        player().ReadSentence(QStringLiteral("zebra"), false);
        player().ReadSentenceByID(QStringLiteral("u1s2"), false);
        QCOMPARE(p->plays.size(), 2);
        QVERIFY(p->msgBoxes.isEmpty());
        QVERIFY(!player().bReading);
        QCOMPARE(app.filesIn("tmp"), QStringList());
    }

    void plainSounds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("op");
        QTest::addColumn<bool>("wait");
        QTest::addRow("wrong answer") << "appvoice/failed.wav" << 0 << false;
        QTest::addRow("right answer") << "appvoice/tada.wav" << 1 << true;
        QTest::addRow("choice click") << "appvoice/ting6.wav" << 2 << true;
        QTest::addRow("tmp word sound") << "tmp/apple.wav" << 3 << true;
        QTest::addRow("own recording") << "myvoice/apple.wav" << 4 << true;
    }
    void plainSounds()
    {
        QFETCH(QString, file);
        QFETCH(int, op);
        QFETCH(bool, wait);
        TempAppDir app;
        ScopedFakePlatform p;
        auto run = [&] {
            switch (op) {
            case 0: player().FailedSound(); break;
            case 1: player().SuceessSound(); break;
            case 2: player().PlaySelectionSound(6); break;
            case 3: player().EZPlayWordSound(QStringLiteral("\tapple "), false); break;
            case 4: player().PlayMyRecord(QStringLiteral("apple")); break;
            }
        };
        // missing: silence (the own recording says so first)
        run();
        QVERIFY(p->plays.isEmpty());
        QCOMPARE(p->msgBoxes.size(), op == 4 ? 1 : 0);

        const QByteArray wav = MakeSineWav(250);
        QVERIFY(app.writeBytes(file, wav));
        run();
        QCOMPARE(p->plays.size(), 1);
        QCOMPARE(p->plays[0].wav, wav); // played as stored, no unscrambling
        QCOMPARE(p->plays[0].wait, wait);
        QCOMPARE(p->msgBoxes.size(), op == 4 ? 1 : 0);
        QVERIFY(!player().bReading);
    }

    void missingRecordingMessage()
    {
        TempAppDir app;
        ScopedFakePlatform p;
        player().PlayMyRecord(QStringLiteral("apple"));
        QCOMPARE(p->msgBoxes.size(), 1);
        QCOMPARE(p->msgBoxes[0].text, QStringLiteral("请先录音！"));
        QCOMPARE(p->msgBoxes[0].caption, QStringLiteral("跟读录音"));
        QCOMPARE(p->msgBoxes[0].icon, MsgIcon::Critical);
        QCOMPARE(p->msgBoxes[0].buttons, MsgButtons::OK);
        QVERIFY(p->plays.isEmpty());
    }

    void changePlaySpeed_data()
    {
        QTest::addColumn<quint32>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("bits");
        QTest::addColumn<double>("speed");
        QTest::addColumn<quint32>("newRate");
        QTest::addColumn<quint32>("newByteRate");
        QTest::addRow("faster") << 22050u << 1 << 16 << 1.5 << 33075u << 66150u;
        QTest::addRow("slower stereo") << 44100u << 2 << 16 << 0.5 << 22050u << 88200u;
        QTest::addRow("half to even, down") << 11025u << 1 << 16 << 0.5 << 5512u << 11024u;
        QTest::addRow("half to even, up") << 11027u << 1 << 16 << 0.5 << 5514u << 11028u;
        QTest::addRow("byte rate rounded too") << 11027u << 1 << 12 << 1.0 << 11027u << 16540u;
    }
    void changePlaySpeed()
    {
        QFETCH(quint32, rate);
        QFETCH(int, channels);
        QFETCH(int, bits);
        QFETCH(double, speed);
        QFETCH(quint32, newRate);
        QFETCH(quint32, newByteRate);
        TempAppDir app;
        const QByteArray before = WavHeader(rate, quint16(channels), quint16(bits));
        QVERIFY(app.writeBytes("tmp/a.wav", before));
        player().ChangePlaySpeed(app.file("tmp/a.wav"), speed);
        const QByteArray after = ReadAll(app.file("tmp/a.wav"));
        QCOMPARE(after.size(), before.size());
        QCOMPARE(U32At(after, 24), newRate);
        QCOMPARE(U32At(after, 28), newByteRate);
        // everything else untouched
        QCOMPARE(after.left(24), before.left(24));
        QCOMPARE(after.mid(32), before.mid(32));
    }

    void changePlaySpeedLeavesOtherFilesAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<double>("speed");
        QTest::addRow("shorter than a header") << MakeSineWav(100).left(40) << 1.5;
        QTest::addRow("not a WAV") << QByteArray(100, 'x') << 1.5;
        QTest::addRow("zero speed") << MakeSineWav(100) << 0.0;
        QTest::addRow("negative speed") << MakeSineWav(100) << -2.0;
    }
    void changePlaySpeedLeavesOtherFilesAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(double, speed);
        TempAppDir app;
        QVERIFY(app.writeBytes("tmp/a.wav", content));
        player().ChangePlaySpeed(app.file("tmp/a.wav"), speed);
        QCOMPARE(ReadAll(app.file("tmp/a.wav")), content);
        player().ChangePlaySpeed(app.file("tmp/none.wav"), 1.5);
        QCOMPARE(app.filesIn("tmp"), QStringList{"a.wav"});
    }

    void realOutputSpeaksAWord()
    {
        // through the real SDL output: the reading blocks for the sound and its pause
        TempAppDir app;
        QtPlatform real;
        PlatformGuard g(real);
        QVERIFY(app.writeEnvelopedBytes("voice/apple.enw", MakeSineWav(500)));
        QElapsedTimer t;
        t.start();
        player().ReadEnglishWord(QStringLiteral("apple"), 1, false);
        const qint64 ms = t.elapsed();
        QVERIFY2(ms >= 700 && ms <= 2500, qPrintable(QString::number(ms)));
        QCOMPARE(app.filesIn("tmp"), QStringList());
    }

    void compressedVoiceLastsAsLongAsItsWav_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("way");
        QTest::addRow("word") << "voice/apple.enw" << 0;
        QTest::addRow("sentence by key") << "sentence-voice/apple.wav" << 1;
        QTest::addRow("sentence of a unit") << "sentence-in-unit/SID-1-1-1-1.wav" << 2;
    }
    void compressedVoiceLastsAsLongAsItsWav()
    {
        QFETCH(QString, file);
        QFETCH(int, way);
        TempAppDir app;
        ScopedFakePlatform p;
        auto say = [&] {
            if (way == 0)
                player().ReadEnglishWord(QStringLiteral("apple"), 1, false);
            else if (way == 1)
                player().ReadSentence(QStringLiteral("apple"), false);
            else
                player().ReadSentenceByID(QStringLiteral("SID-1-1-1-1"), false);
        };
        QVERIFY(app.writeEnvelopedBytes(file, SoundFixture(QStringLiteral("apple.wav"))));
        say();
        QVERIFY(app.writeEnvelopedBytes(file, SoundFixture(QStringLiteral("apple.opus"))));
        say();
        QCOMPARE(p->plays.size(), 2);
        QVERIFY(p->plays[0].wait && p->plays[1].wait);
        QVERIFY(p->plays[0].durationMs > 300);
        QVERIFY2(std::abs(p->plays[1].durationMs - p->plays[0].durationMs) <= 20,
                 qPrintable(QStringLiteral("%1 ms against %2 ms").arg(p->plays[1].durationMs).arg(p->plays[0].durationMs)));
        QVERIFY(p->msgBoxes.isEmpty());
        QCOMPARE(app.filesIn("tmp"), QStringList());
    }

    void damagedCompressedVoicePlaysNothing_data()
    {
        QTest::addColumn<QByteArray>("stored");
        const QByteArray ogg = SoundFixture(QStringLiteral("apple.opus"));
        QByteArray flipped = ogg;
        flipped[ogg.size() / 2] = char(flipped[ogg.size() / 2] ^ 0x55);
        QTest::addRow("cut short") << ogg.left(ogg.size() - 100);
        QTest::addRow("a byte changed") << flipped;
        QTest::addRow("page mark and nothing else") << QByteArray("OggS");
    }
    void damagedCompressedVoicePlaysNothing()
    {
        QFETCH(QByteArray, stored);
        TempAppDir app;
        ScopedFakePlatform p;
        QVERIFY(app.writeEnvelopedBytes("voice/apple.enw", stored));
        QVERIFY(app.writeEnvelopedBytes("sentence-voice/apple.wav", stored));
        player().ReadEnglishWord(QStringLiteral("apple"), 2, false);
        player().ReadSentence(QStringLiteral("apple"), false);
        QVERIFY(p->plays.isEmpty());
        QVERIFY(p->msgBoxes.isEmpty()); // the file is there: no download offer
        QVERIFY(!player().bReading);
    }

    void realOutputSpeaksACompressedWord()
    {
        TempAppDir app;
        QtPlatform real;
        PlatformGuard g(real);
        const QByteArray wav = SoundFixture(QStringLiteral("apple.wav"));
        QVERIFY(app.writeEnvelopedBytes("voice/apple.enw", SoundFixture(QStringLiteral("apple.opus"))));
        QElapsedTimer t;
        t.start();
        player().ReadEnglishWord(QStringLiteral("apple"), 1, false);
        const qint64 ms = t.elapsed();
        // the sound and the pause after it
        const qint64 expected = WavDurationMs(wav) + 300;
        QVERIFY2(ms >= expected - 100 && ms <= expected + 2000, qPrintable(QString::number(ms)));
    }

    void oneSharedPlayer()
    {
        QVERIFY(!gPlaySound);
        ClassPlaySound *a = GetPlaySound();
        QCOMPARE(GetPlaySound(), a);
        QCOMPARE(gPlaySound, a);
        QVERIFY(!a->bReading);
        QCOMPARE(a->ReadSpeed, 1.0);
        ReleasePlaySound();
        QVERIFY(!gPlaySound);
        ReleasePlaySound(); // twice is harmless
        QVERIFY(GetPlaySound());
    }
};
TALLIVO_TEST(ClassPlaySoundTest)
#include "tst_classplaysound.moc"
