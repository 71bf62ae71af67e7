// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/wavpcm.h"
#include "support/testmain.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace {
// A WAV with any format, written by hand so the reader meets headers it did not write.
QByteArray HandWav(int channels, int rate, int bits, const QByteArray &data, const QByteArray &extraChunk = {})
{
    QByteArray fmt(16, '\0');
    qToLittleEndian<quint16>(1, fmt.data());
    qToLittleEndian<quint16>(quint16(channels), fmt.data() + 2);
    qToLittleEndian<quint32>(quint32(rate), fmt.data() + 4);
    qToLittleEndian<quint32>(quint32(rate * channels * bits / 8), fmt.data() + 8);
    qToLittleEndian<quint16>(quint16(channels * bits / 8), fmt.data() + 12);
    qToLittleEndian<quint16>(quint16(bits), fmt.data() + 14);
    auto chunk = [](const char *id, const QByteArray &body) {
        QByteArray c(id, 4);
        char n[4];
        qToLittleEndian<quint32>(quint32(body.size()), n);
        c.append(n, 4);
        c += body;
        if (body.size() & 1)
            c += '\0';
        return c;
    };
    QByteArray body = "WAVE" + chunk("fmt ", fmt) + extraChunk + chunk("data", data);
    QByteArray riff("RIFF");
    char n[4];
    qToLittleEndian<quint32>(quint32(body.size()), n);
    riff.append(n, 4);
    return riff + body;
}

QByteArray Samples16(std::initializer_list<qint16> v)
{
    QByteArray b;
    for (qint16 s : v) {
        char c[2];
        qToLittleEndian<qint16>(s, c);
        b.append(c, 2);
    }
    return b;
}
}

class WavPcmTest : public QObject {
    Q_OBJECT
private slots:
    void writtenWavIsCanonicalAndReadsBack()
    {
        const Pcm16 samples{0, 1, -1, 32767, -32768, 1234};
        const QByteArray wav = WavFromPcm16(samples);
        QCOMPARE(wav.size(), 44 + 12);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 22), quint16(1));     // mono
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 24), quint32(16000)); // rate
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 28), quint32(32000)); // byte rate
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 34), quint16(16));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(12));
        Pcm16 back;
        QVERIFY(Pcm16FromWav(wav, back));
        QCOMPARE(back, samples);
    }

    void readerConverts_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<Pcm16>("expected");
        QTest::addRow("stereo averaged")
            << HandWav(2, 16000, 16, Samples16({100, 300, -50, -150})) << Pcm16{200, -100};
        QTest::addRow("8-bit centred on 128") << HandWav(1, 16000, 8, QByteArray("\x80\xff\x00", 3))
                                              << Pcm16{0, 127 * 256, -128 * 256};
        QTest::addRow("32 kHz halved") << HandWav(1, 32000, 16, Samples16({10, 20, 30, 40, 50, 60}))
                                       << Pcm16{10, 30, 50};
        QTest::addRow("extra chunk before the data")
            << HandWav(1, 16000, 16, Samples16({7, 8}), QByteArray("LIST\x03\x00\x00\x00" "abc\0", 12))
            << Pcm16{7, 8};
        // clang-format on
    }
    void readerConverts()
    {
        QFETCH(QByteArray, wav);
        QFETCH(Pcm16, expected);
        Pcm16 out;
        QVERIFY(Pcm16FromWav(wav, out));
        QCOMPARE(out, expected);
    }

    void cutOffDataChunkKeepsWhatIsThere()
    {
        QByteArray wav = WavFromPcm16(Pcm16{1, 2, 3, 4});
        wav.chop(1); // a recorder stopped mid-sample
        Pcm16 out;
        QVERIFY(Pcm16FromWav(wav, out));
        QCOMPARE(out, (Pcm16{1, 2, 3}));
    }

    void readerRefuses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("not RIFF") << QByteArray("OggS and then some bytes that are not a wave");
        QTest::addRow("no data chunk") << HandWav(1, 16000, 16, {}).left(36);
        QByteArray floatWav = HandWav(1, 16000, 32, QByteArray(8, '\0'));
        qToLittleEndian<quint16>(3, floatWav.data() + 20);
        QTest::addRow("float samples") << floatWav;
        QTest::addRow("24-bit") << HandWav(1, 16000, 24, QByteArray(6, '\0'));
    }
    void readerRefuses()
    {
        QFETCH(QByteArray, bytes);
        Pcm16 out{1};
        QVERIFY(!Pcm16FromWav(bytes, out));
        QVERIFY(out.isEmpty());
    }

    void atomicSaveReplacesWholeAndLeavesNothingElse()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("myvoice/apple.wav"));
        QVERIFY(SaveWavAtomically(path, Pcm16(16000, 5))); // makes the folder
        QVERIFY(SaveWavAtomically(path, Pcm16{1, 2}));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), WavFromPcm16(Pcm16{1, 2}));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("myvoice"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("apple.wav")});
    }

    void saveIntoAnUnwritablePlaceFailsAndKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("apple.wav"));
        QVERIFY(SaveWavAtomically(path, Pcm16{9}));
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool saved = SaveWavAtomically(path, Pcm16{1, 2, 3});
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (saved)
            QSKIP("running with rights that ignore folder permissions");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), WavFromPcm16(Pcm16{9}));
    }
};

TALLIVO_TEST(WavPcmTest)
#include "tst_wavpcm.moc"
