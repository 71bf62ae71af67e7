// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech/saygrammar.h"
#include "speech/speechrecognizer.h"
#include "support/testmain.h"
#include <QTemporaryDir>

class SpeechRecognizerTest : public QObject {
    Q_OBJECT

    SpeechRecognizer m_rec;

private slots:
    void initTestCase()
    {
        if (SpeechRecognizer::ModelInstalled())
            QVERIFY(m_rec.Load());
    }

    void tokensNameWordsTheDictionaryCanHold_data()
    {
        // clang-format off
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("token");
        QTest::addRow("plain") << "apple" << "x_apple";
        QTest::addRow("capital") << "Monday" << "x_monday";
        QTest::addRow("two words") << "good morning" << "x_goodmorning";
        QTest::addRow("hyphen") << "T-shirt" << "x_tshirt";
        QTest::addRow("full stop and apostrophe") << "Mr. O'Neil" << "x_mroneil";
        QTest::addRow("digits kept") << "3D" << "x_3d";
        QTest::addRow("nothing left") << "..." << "";
        QTest::addRow("Chinese only") << "苹果" << "";
        // clang-format on
    }
    void tokensNameWordsTheDictionaryCanHold()
    {
        QFETCH(QString, english);
        QFETCH(QString, token);
        QCOMPARE(SayToken(english), token);
    }

    void grammarHasEachWordOnceAndTheFillerIsAFreeLoop()
    {
        const QString g = SayGrammar({"x_red", "", "x_blue", "x_red"});
        QVERIFY(g.startsWith("FSG_BEGIN say\nNUM_STATES 2\nSTART_STATE 0\nFINAL_STATE 1\n"));
        QCOMPARE(g.count("TRANSITION"), 2);
        QCOMPARE(g.count("TRANSITION 0 1 1 x_red\n"), 1);
        QCOMPARE(g.count("TRANSITION 0 1 1 x_blue\n"), 1);
        QVERIFY(g.endsWith("FSG_END\n"));

        const QString loop = PhoneLoopGrammar();
        const int phones = int(FillerPhones().size());
        QCOMPARE(phones, 39);
        // into the loop and round it, every phone at no cost
        QCOMPARE(loop.count("TRANSITION 0 1 1 ph_"), phones);
        QCOMPARE(loop.count("TRANSITION 1 1 1 ph_"), phones);
        QVERIFY(loop.contains("TRANSITION 1 1 1 ph_zh\n"));
        QCOMPARE(FillerToken("NG"), QStringLiteral("ph_ng"));
    }

    void pronunciationFromTheModelElseFromTheIpa_data()
    {
        // clang-format off
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("ipa");
        QTest::addColumn<QString>("phones");
        QTest::addRow("in the model") << "apple" << "" << "AE P AH L";
        QTest::addRow("model wins over IPA") << "apple" << "ˈɒpl" << "AE P AH L";
        QTest::addRow("two words joined") << "good morning" << "" << "G UH D M AO R N IH NG";
        QTest::addRow("hyphenated parts") << "ice-cream" << "" << "AY S K R IY M";
        QTest::addRow("capitals looked up in lower case") << "Monday" << "" << "M AH N D IY";
        QTest::addRow("missing: from the IPA") << "zorbl" << "ˈzɔːbl" << "Z AO B AH L";
        QTest::addRow("one part missing: the whole from the IPA") << "big zorbl" << "bɪɡ ˈzɔːbl" << "B IH G Z AO B AH L";
        QTest::addRow("neither") << "zorbl" << "" << "";
        // clang-format on
    }
    void pronunciationFromTheModelElseFromTheIpa()
    {
        if (!m_rec.loaded())
            QSKIP("the speech model is not installed");
        QFETCH(QString, english);
        QFETCH(QString, ipa);
        QFETCH(QString, phones);
        QCOMPARE(m_rec.Pronunciation({english, ipa}), phones);
    }

    void silenceNoiseAndEmptyAreNone_data()
    {
        QTest::addColumn<Pcm16>("pcm");
        QTest::addRow("empty") << Pcm16();
        QTest::addRow("one second of silence") << Pcm16(16000, 0);
        Pcm16 hum(16000);
        for (int i = 0; i < hum.size(); ++i)
            hum[i] = qint16((i % 160) * 40 - 3200); // a 100 Hz buzz
        QTest::addRow("a buzz") << hum;
    }
    void silenceNoiseAndEmptyAreNone()
    {
        if (!m_rec.loaded())
            QSKIP("the speech model is not installed");
        QFETCH(Pcm16, pcm);
        const SayResult r = m_rec.Check(pcm, {"apple", ""}, {{"banana", ""}, {"orange", ""}});
        QVERIFY(r.checked);
        QCOMPARE(r.heard, QString());
        QCOMPARE(r.stars, 0);
    }

    void aTargetWithoutPronunciationIsNotChecked()
    {
        if (!m_rec.loaded())
            QSKIP("the speech model is not installed");
        const SayResult r = m_rec.Check(Pcm16(8000, 0), {"zorbl", ""}, {{"apple", ""}});
        QVERIFY(!r.checked);
        QCOMPARE(r.heard, QString());
    }

    void missingModelLoadsNothing()
    {
        QTemporaryDir empty;
        QVERIFY(!SpeechRecognizer::ModelInstalled(empty.path()));
        SpeechRecognizer rec;
        QVERIFY(!rec.Load(empty.path()));
        QVERIFY(!rec.loaded());
        const SayResult r = rec.Check(Pcm16(1600, 0), {"apple", ""}, {});
        QVERIFY(!r.checked);
    }

    void starsRiseWithTheScore_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<int>("stars");
        QTest::addRow("just heard") << SpeechRecognizer::kHeardFrom << 1;
        QTest::addRow("below two") << SpeechRecognizer::kTwoStarsFrom - 0.01 << 1;
        QTest::addRow("two") << SpeechRecognizer::kTwoStarsFrom << 2;
        QTest::addRow("three") << SpeechRecognizer::kThreeStarsFrom << 3;
        QTest::addRow("far above") << 100.0 << 3;
    }
    void starsRiseWithTheScore()
    {
        QFETCH(double, score);
        QFETCH(int, stars);
        QCOMPARE(StarsForScore(score), stars);
    }
};

TALLIVO_TEST(SpeechRecognizerTest)
#include "tst_speechrecognizer.moc"
