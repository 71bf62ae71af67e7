// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/speechend.h"
#include "support/testmain.h"
#include <QRandomGenerator>
#include <cmath>

namespace {
// A recording built from pieces: quiet hiss, a vowel-like tone, noise.
struct Piece {
    enum Kind {
        Quiet,
        Tone,
        Noise
    } kind;
    int ms;
    double amplitude; // of full scale
};
}
Q_DECLARE_METATYPE(Piece)

namespace {

Pcm16 Make(const QList<Piece> &pieces)
{
    Pcm16 out;
    QRandomGenerator gen(7);
    for (const Piece &p : pieces) {
        const int n = p.ms * kSpeechRate / 1000;
        for (int i = 0; i < n; ++i) {
            double v = 0;
            if (p.kind == Piece::Tone)
                v = std::sin(2 * M_PI * 220 * i / kSpeechRate) * p.amplitude;
            else
                v = (gen.generateDouble() * 2 - 1) * p.amplitude;
            out.append(qint16(std::lround(v * 32767)));
        }
    }
    return out;
}

// Feeds in device-sized pieces and returns the ms at which it was done, -1 never.
int DoneAtMs(SpeechEndDetector &d, const Pcm16 &pcm)
{
    constexpr int chunk = 512;
    for (qsizetype i = 0; i < pcm.size(); i += chunk) {
        if (d.Feed(pcm.constData() + i, qMin<qsizetype>(chunk, pcm.size() - i)) == SpeechEndDetector::State::Done)
            return int(d.samplesSeen() * 1000 / kSpeechRate);
    }
    return -1;
}
}

class SpeechEndTest : public QObject {
    Q_OBJECT
private slots:
    void ends_data()
    {
        // clang-format off
        QTest::addColumn<QList<Piece>>("pieces");
        QTest::addColumn<bool>("speech");
        QTest::addColumn<int>("doneFrom");
        QTest::addColumn<int>("doneTo"); // -1: not done within the recording
        QTest::addRow("silence runs to the cap")
            << QList<Piece>{{Piece::Quiet, 5000, 0.0005}} << false << 4000 << 4000;
        QTest::addRow("digital silence runs to the cap") << QList<Piece>{{Piece::Quiet, 5000, 0.0}} << false << 4000 << 4000;
        QTest::addRow("speech then silence ends 0.8 s after the speech")
            << QList<Piece>{{Piece::Quiet, 300, 0.0005}, {Piece::Tone, 600, 0.3}, {Piece::Quiet, 2000, 0.0005}}
            << true << 1680 << 1760;
        QTest::addRow("a pause inside a word does not end it")
            << QList<Piece>{{Piece::Quiet, 300, 0.0005}, {Piece::Tone, 300, 0.3}, {Piece::Quiet, 500, 0.0005},
                            {Piece::Tone, 300, 0.3}, {Piece::Quiet, 1500, 0.0005}}
            << true << 2180 << 2260;
        QTest::addRow("steady noise is not speech")
            << QList<Piece>{{Piece::Noise, 5000, 0.1}} << false << 4000 << 4000;
        QTest::addRow("speech over noise is heard")
            << QList<Piece>{{Piece::Noise, 400, 0.01}, {Piece::Tone, 500, 0.4}, {Piece::Noise, 2000, 0.01}}
            << true << 1680 << 1760;
        QTest::addRow("a click is not speech")
            << QList<Piece>{{Piece::Quiet, 300, 0.0005}, {Piece::Tone, 40, 0.5}, {Piece::Quiet, 4000, 0.0005}}
            << false << 4000 << 4000;
        QTest::addRow("speech that never stops meets the cap")
            << QList<Piece>{{Piece::Quiet, 200, 0.0005}, {Piece::Tone, 5000, 0.3}} << true << 4000 << 4000;
        QTest::addRow("a short recording is not over yet")
            << QList<Piece>{{Piece::Quiet, 200, 0.0005}, {Piece::Tone, 300, 0.3}, {Piece::Quiet, 400, 0.0005}}
            << true << -1 << -1;
        // clang-format on
    }
    void ends()
    {
        QFETCH(QList<Piece>, pieces);
        QFETCH(bool, speech);
        QFETCH(int, doneFrom);
        QFETCH(int, doneTo);
        SpeechEndDetector d;
        const int at = DoneAtMs(d, Make(pieces));
        QCOMPARE(d.heardSpeech(), speech);
        if (doneFrom < 0) {
            QCOMPARE(at, -1);
            return;
        }
        QVERIFY2(at >= doneFrom && at <= doneTo, qPrintable(QString::number(at)));
        QCOMPARE(d.reachedCap(), doneFrom == 4000);
        // once done, more sound changes nothing
        const qint64 seen = d.samplesSeen();
        QCOMPARE(d.Feed(Make({{Piece::Tone, 500, 0.3}})), SpeechEndDetector::State::Done);
        QCOMPARE(d.samplesSeen(), seen);
    }

    void levelFollowsLoudness()
    {
        SpeechEndDetector d;
        d.Feed(Make({{Piece::Quiet, 100, 0.0}}));
        QCOMPARE(d.level(), 0.0);
        d.Feed(Make({{Piece::Tone, 100, 0.05}}));
        const double soft = d.level();
        d.Feed(Make({{Piece::Tone, 100, 0.8}}));
        QVERIFY(soft > 0.2);
        QVERIFY(d.level() > soft);
        QVERIFY(d.level() <= 1.0);
    }
};

TALLIVO_TEST(SpeechEndTest)
#include "tst_speechend.moc"
