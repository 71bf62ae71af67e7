// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/platform.h"
#include "sound/sounddecode.h"
#include "support/fixture.h"
#include "support/testmain.h"
#include <QtEndian>
#include <cmath>
#include <random>

namespace {

// Offsets of the Ogg pages in bytes, for cuts at a page edge.
QList<qsizetype> PageStarts(const QByteArray &ogg)
{
    QList<qsizetype> starts;
    for (qsizetype pos = ogg.indexOf("OggS"); pos >= 0; pos = ogg.indexOf("OggS", pos + 4))
        starts << pos;
    return starts;
}

struct WavFormat {
    int rate = 0, channels = 0, bits = 0;
};

WavFormat FormatOf(const QByteArray &wav)
{
    const auto *d = reinterpret_cast<const uchar *>(wav.constData());
    if (wav.size() < 44)
        return {};
    return {int(qFromLittleEndian<quint32>(d + 24)), qFromLittleEndian<quint16>(d + 22),
            qFromLittleEndian<quint16>(d + 34)};
}

// Level in dB below full scale of a 16-bit mono WAV with a 44-byte header.
double RmsDb(const QByteArray &wav)
{
    const qsizetype n = (wav.size() - 44) / 2;
    const auto *s = reinterpret_cast<const uchar *>(wav.constData() + 44);
    double sum = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const double v = qFromLittleEndian<qint16>(s + 2 * i) / 32768.0;
        sum += v * v;
    }
    return n ? 10 * std::log10(sum / double(n)) : -999;
}

} // namespace

class SoundDecodeTest : public QObject {
    Q_OBJECT

    QByteArray wav, ogg;

private slots:
    void initTestCase()
    {
        wav = SoundFixture(QStringLiteral("apple.wav"));
        ogg = SoundFixture(QStringLiteral("apple.opus"));
        QVERIFY(wav.startsWith("RIFF"));
        QVERIFY(IsOggBytes(ogg));
    }

    void oggBecomesTheWavItWasMadeFrom()
    {
        const QByteArray out = DecodeToWav(ogg);
        const WavFormat f = FormatOf(out);
        QCOMPARE(f.rate, 48000);
        QCOMPARE(f.channels, 1);
        QCOMPARE(f.bits, 16);
        const qint64 original = WavDurationMs(wav);
        QVERIFY(original > 300);
        QVERIFY2(std::abs(WavDurationMs(out) - original) <= 20,
                 qPrintable(QStringLiteral("%1 ms against %2 ms").arg(WavDurationMs(out)).arg(original)));
        // same loudness: a wrong byte order or scale would be far off
        QVERIFY2(std::abs(RmsDb(out) - RmsDb(wav)) < 1.0,
                 qPrintable(QStringLiteral("%1 dB against %2 dB").arg(RmsDb(out)).arg(RmsDb(wav))));
    }

    void wavPassesUnchanged()
    {
        QCOMPARE(DecodeToWav(wav), wav);
        const QByteArray sine = MakeSineWav(100);
        QCOMPARE(DecodeToWav(sine), sine);
    }

    void damagedOrForeignGivesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray o = SoundFixture(QStringLiteral("apple.opus"));
        const QList<qsizetype> pages = PageStarts(o);
        QVERIFY(pages.size() >= 3);
        auto flipped = [&](qsizetype at) {
            QByteArray b = o;
            b[at] = char(b[at] ^ 0x20);
            return b;
        };
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("text") << QByteArray("these are just a few words, not a sound");
        QTest::addRow("page mark alone") << QByteArray("OggS");
        QTest::addRow("headers without sound") << o.left(pages[2]);
        QTest::addRow("cut at the last page") << o.left(pages.last());
        QTest::addRow("cut by one byte") << o.left(o.size() - 1);
        QTest::addRow("cut in half") << o.left(o.size() / 2);
        QTest::addRow("a byte too many") << o + '\0';
        QTest::addRow("a second stream after it") << o + o;
        QTest::addRow("flip in the stream header") << flipped(pages[0] + 30);
        QTest::addRow("flip in the tags") << flipped(pages[1] + 40);
        QTest::addRow("flip in the sound") << flipped(o.size() - 20);
        QTest::addRow("flip in a checksum") << flipped(pages[2] + 22);
        QTest::addRow("flip in a segment length") << flipped(pages[2] + 27);
    }
    void damagedOrForeignGivesNothing()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(DecodeToWav(bytes), QByteArray());
    }

    // Mutated copies of a real voice: each gives nothing, none crashes (the
    // sanitizer build runs this too).
    void mutatedVoicesGiveNothing()
    {
        std::mt19937 rng(20261211);
        auto below = [&](qsizetype n) { return qsizetype(std::uniform_int_distribution<qint64>(0, n - 1)(rng)); };
        int decoded = 0;
        QString firstDecoded;
        for (int i = 0; i < 400; ++i) {
            QByteArray b = ogg;
            switch (i % 4) {
            case 0: // a few bytes changed
                for (int k = 0, n = 1 + int(below(4)); k < n; ++k) {
                    const qsizetype at = below(b.size());
                    b[at] = char(b[at] ^ char(1 + below(255)));
                }
                break;
            case 1: // cut short
                b.truncate(below(b.size()));
                break;
            case 2: // bytes slipped in
                b.insert(below(b.size()), QByteArray(int(1 + below(16)), char(below(256))));
                break;
            case 3: // a stretch lost
            {
                const qsizetype at = below(b.size());
                b.remove(at, 1 + below(64));
                break;
            }
            }
            if (b == ogg)
                continue;
            if (!DecodeToWav(b).isEmpty() && decoded++ == 0)
                firstDecoded = QString::number(i);
        }
        QVERIFY2(decoded == 0, qPrintable(QStringLiteral("%1 damaged files decoded, the first is mutation %2")
                                              .arg(decoded)
                                              .arg(firstDecoded)));
    }
};
TALLIVO_TEST(SoundDecodeTest)
#include "tst_sounddecode.moc"
