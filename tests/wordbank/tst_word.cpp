// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Word and sentence records: progress, status records, dictionary lines.
#include "support/testmain.h"
#include "wbenv.h"
#include "wordbank/csentence.h"
#include "wordbank/answers.h"
#include "wordbank/cword.h"
#include "sound/classplaysound.h"

class TestWord : public QObject {
    Q_OBJECT
private slots:
    void statusLabel_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<WordCategory>("category");
        QTest::addColumn<QString>("label");
        QTest::addRow("untested") << 0 << WordCategory::Untested << "尚未练习";
        QTest::addRow("-1") << -1 << WordCategory::Practising << "正在练习";
        QTest::addRow("-6") << -6 << WordCategory::Practising << "正在练习";
        QTest::addRow("-7") << -7 << WordCategory::OftenWrong << "常出错的";
        QTest::addRow("6") << 6 << WordCategory::Practising << "正在练习";
        QTest::addRow("7") << 7 << WordCategory::WellKnown << "很熟悉的";
    }
    void statusLabel()
    {
        QFETCH(int, score);
        QFETCH(WordCategory, category);
        QFETCH(QString, label);
        CWord w;
        w.iTestResult = score;
        QCOMPARE(w.Category(), category);
        QCOMPARE(w.GetStatus(), label);
        QCOMPARE(CategoryLabel(category), label);
    }

    // The record window offers every category once, "全部" first.
    void categoryLabels()
    {
        QStringList labels;
        for (WordCategory c : kWordCategories)
            labels << CategoryLabel(c);
        QCOMPARE(labels, (QStringList{"全部", "常出错的", "正在练习", "很熟悉的", "尚未练习"}));
    }

    // A round of answers: the score moves, the profile earns points only for
    // a first right answer, and a listener (the score panel) hears of every answer.
    void setStatus_data()
    {
        QTest::addColumn<int>("testMode");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("tested");
        QTest::addColumn<int>("points");
        QTest::addRow("right, game 0") << 0 << QList<int>{1} << 1 << 1 << 10;
        QTest::addRow("right, game 3") << 3 << QList<int>{1} << 1 << 1 << 10;
        QTest::addRow("right, spelling game 4 pays by length") << 4 << QList<int>{1} << 1 << 1 << 40;
        QTest::addRow("right, spelling game 6") << 6 << QList<int>{1} << 1 << 1 << 40;
        QTest::addRow("right twice counts once") << 0 << QList<int>{1, 1} << 1 << 1 << 10;
        QTest::addRow("wrong, wrong, right") << 0 << QList<int>{-1, -1, 1} << -4 << -1 << 0;
        QTest::addRow("right then wrong") << 5 << QList<int>{1, -1} << -1 << -1 << 40;
        QTest::addRow("answer shown") << 2 << QList<int>{2} << -2 << 2 << 0;
    }
    void setStatus()
    {
        QFETCH(int, testMode);
        QFETCH(QList<int>, answers);
        QFETCH(int, score);
        QFETCH(int, tested);
        QFETCH(int, points);
        WordBankEnv env;
        int refreshed = 0;
        const answers::ScopedObserver panel([&](const answers::Event &) { ++refreshed; });
        gTestMode = testMode;
        gUser->myScore = 100;
        CWord w;
        w.English = QStringLiteral("icecream");
        for (int a : answers)
            answers::Record(w, scoring::Game(testMode),
                            a == 1 ? answers::Answer::Right : a == -1 ? answers::Answer::Wrong
                                                                      : answers::Answer::Helped);
        QCOMPARE(w.iTestResult, score);
        QCOMPARE(w.myTestedStatus, tested);
        QCOMPARE(gUser->myScore, 100 + points);
        QCOMPARE(refreshed, int(answers.size()));
    }

    // A letter game pays the letters of the spelling the child typed or
    // arranged, not those of the dictionary's key.
    void letterGamesPayTheShownSpelling_data()
    {
        // clang-format off
        QTest::addColumn<int>("testMode");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("points");
        QTest::addRow("British spelling, fill in") << 4 << "colour" << "color" << 30;
        QTest::addRow("British spelling, arrange") << 5 << "colour" << "color" << 30;
        QTest::addRow("British spelling, dictation") << 6 << "programme" << "program" << 45;
        QTest::addRow("article kept in the lesson") << 6 << "the sun" << "sun" << 30;
        QTest::addRow("blank and hyphen are no letters") << 4 << "ice-cream" << "icecream" << 40;
        QTest::addRow("no shown spelling: the key") << 4 << "" << "apple" << 25;
        QTest::addRow("recognition pays ten") << 0 << "colour" << "color" << 10;
        // clang-format on
    }
    void letterGamesPayTheShownSpelling()
    {
        QFETCH(int, testMode);
        QFETCH(QString, shown);
        QFETCH(QString, key);
        QFETCH(int, points);
        WordBankEnv env;
        gTestMode = testMode;
        gUser->myScore = 7;
        CWord w;
        w.UserEN = shown;
        w.English = key;
        answers::Record(w, scoring::Game(testMode), answers::Answer::Right);
        QCOMPARE(gUser->myScore, 7 + points);
    }

    void setStatusWithoutPanel()
    {
        WordBankEnv env;
        CWord w;
        w.SetStatus(1); // no games window: nothing to redraw, no crash
        QCOMPARE(w.iTestResult, 1);
    }

    void statusToStr_data()
    {
        // clang-format off
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("readBack");
        QTest::addRow("nothing to keep") << 0 << "00000" << "" << 0;
        QTest::addRow("-3 in book 2") << -3 << "01000" << "97#01000" << -3;
        QTest::addRow("marks only") << 0 << "10001" << "100#10001" << 0;
        QTest::addRow("well known") << 12 << "00000" << "112#00000" << 12;
        QTest::addRow("-99") << -99 << "00000" << "1#00000" << -99;
        // a "-" inside the record would split the word-status text
        QTest::addRow("-150 kept without a minus") << -150 << "00000" << "1#00000" << -99;
        // clang-format on
    }
    void statusToStr()
    {
        QFETCH(int, score);
        QFETCH(QString, mark);
        QFETCH(QString, record);
        QFETCH(int, readBack);
        CWord w;
        w.iTestResult = score;
        w.NewWordMark = mark;
        QCOMPARE(w.StatusToStr(), record);
        if (record.isEmpty())
            return;
        CWord back;
        QVERIFY(back.StatusFromStr(record));
        QCOMPARE(back.iTestResult, readBack);
        QCOMPARE(back.NewWordMark, mark);
        QCOMPARE(back.GetStatus(), w.GetStatus());
    }

    void statusFromStr_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("mark");
        // the word starts at score 5, mark 10000
        QTest::addRow("too short") << "5#" << false << 5 << "10000";
        QTest::addRow("no #") << "12345" << false << 5 << "10000";
        QTest::addRow("zero record") << "100#00000" << true << 0 << "00000";
        QTest::addRow("no number") << "abc#01000" << true << -100 << "01000";
        QTest::addRow("three pieces keep the mark") << "97#01#1" << true << -3 << "10000";
        QTest::addRow("short mark padded") << "101#011" << true << 1 << "01100";
        QTest::addRow("long mark cut") << "101#0110011" << true << 1 << "01100";
        QTest::addRow("empty mark padded") << "101#" << true << 1 << "00000";
    }
    void statusFromStr()
    {
        QFETCH(QString, record);
        QFETCH(bool, ok);
        QFETCH(int, score);
        QFETCH(QString, mark);
        CWord w;
        w.iTestResult = 5;
        w.NewWordMark = QStringLiteral("10000");
        QCOMPARE(w.StatusFromStr(record), ok);
        QCOMPARE(w.iTestResult, score);
        QCOMPARE(w.NewWordMark, mark);
    }

    void newWordMarks()
    {
        CWord w;
        w.SetNewWord(6, true);
        w.SetNewWord(0, true);
        QCOMPARE(w.NewWordMark, QStringLiteral("00000"));
        w.SetNewWord(1, true);
        w.SetNewWord(3, true);
        w.SetNewWord(5, true);
        w.SetNewWord(5, false);
        QCOMPARE(w.NewWordMark, QStringLiteral("10100"));
        QVERIFY(w.IsNewWord(1));
        QVERIFY(!w.IsNewWord(2));
        QVERIFY(w.IsNewWord(3));
        QVERIFY(!w.IsNewWord(0));
        QVERIFY(!w.IsNewWord(6));
    }

    void dictionaryLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("fields"); // UserEN, English, DetailCH, Chinese, Sound
        QTest::addRow("five fields, trimmed")
            << " ice-cream \t icecream \tn. 冰淇淋\t冰淇淋\t ˈkriːm " << true
            << QStringList{"ice-cream", "icecream", "n. 冰淇淋", "冰淇淋", "/ ˈkriːm /"};
        QTest::addRow("sixth field ignored") << "cat\tcat\tn. 猫\t猫\tkæt\textra" << true
                                             << QStringList{"cat", "cat", "n. 猫", "猫", "/ kæt /"};
        QTest::addRow("transcription 0 means none") << "o'clock\toclock\t点钟\t点钟\t0" << true
                                                    << QStringList{"o'clock", "oclock", "点钟", "点钟", ""};
        QTest::addRow("seventh field") << "cat\tcat\tn\t猫\tkæt\tx\ty" << false << QStringList();
        QTest::addRow("four fields") << "cat\tcat\tn. 猫\t猫" << false << QStringList();
    }
    void dictionaryLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, ok);
        QFETCH(QStringList, fields);
        CWord w;
        w.iTestResult = 3;
        QCOMPARE(w.ParseTextFromDictFile(line), ok);
        if (!ok)
            return;
        QCOMPARE((QStringList{w.UserEN, w.English, w.DetailCH, w.Chinese, w.Sound}), fields);
        QCOMPARE(w.iTestResult, 0);
        QCOMPARE(w.DicWordToStr(), fields.join('\t') + '\t');
    }

    void copyWordKeepsProgress()
    {
        CWord src;
        src.ParseTextFromDictFile(QStringLiteral("cat\tcat\tn. 猫\t猫\tkæt"));
        CWord dst;
        dst.iTestResult = 8;
        dst.NewWordMark = QStringLiteral("00100");
        dst.CopyWord(src);
        QCOMPARE(dst.DicWordToStr(), src.DicWordToStr());
        QCOMPARE(dst.iTestResult, 8);
        QCOMPARE(dst.NewWordMark, QStringLiteral("00100"));
    }

    void sentenceLine_data()
    {
        // clang-format off
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("en");
        QTest::addColumn<QString>("ch");
        QTest::addRow("sentence") << "*\t I like apples. \t我喜欢苹果。" << true << "I like apples." << "我喜欢苹果。";
        QTest::addRow("two fields") << "*\tI like apples." << false << "old" << "旧";
        QTest::addRow("four fields") << "*\ta\tb\tc" << false << "old" << "旧";
        QTest::addRow("not a star") << "#\ta\tb" << false << "old" << "旧";
        // clang-format on
    }
    void sentenceLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, ok);
        QFETCH(QString, en);
        QFETCH(QString, ch);
        CSentence s;
        s.SentenceEN = QStringLiteral("old");
        s.SentenceCH = QStringLiteral("旧");
        QCOMPARE(s.ParseSentence(line, QStringLiteral("SID-1-1-1-1")), ok);
        QCOMPARE(s.SentenceEN, en);
        QCOMPARE(s.SentenceCH, ch);
        QCOMPARE(s.SentenceID, ok ? QStringLiteral("SID-1-1-1-1") : QString());
    }

    // A unit sentence speaks from its own voice under its id; an installation
    // that keeps it in the sentence-voice folder is heard too.
    void sentenceVoice_data()
    {
        QTest::addColumn<QString>("file"); // "" = no voice
        QTest::addColumn<int>("plays");
        QTest::addRow("unit sentence voice") << "sentence-in-unit/SID-1-2-3-1.wav" << 1;
        QTest::addRow("sentence-voice folder") << "sentence-voice/SID1231.wav" << 1;
        QTest::addRow("no voice") << "" << 0;
    }
    void sentenceVoice()
    {
        QFETCH(QString, file);
        QFETCH(int, plays);
        WordBankEnv env;
        if (!file.isEmpty())
            QVERIFY(env.dir.writeEnvelopedBytes(file, MakeSineWav(50)));
        CSentence s;
        QVERIFY(s.ParseSentence(QStringLiteral("*\tHi.\t你好。"), QStringLiteral("SID-1-2-3-1")));
        s.ReadMe(false);
        QCOMPARE(int(env.fake->plays.size()), plays);
        QVERIFY(!GetPlaySound()->bReading);
        QVERIFY(env.fake->msgBoxes.isEmpty());
        // a reading in progress is not interrupted
        GetPlaySound()->bReading = true;
        s.ReadMe(false);
        QCOMPARE(int(env.fake->plays.size()), plays);
        GetPlaySound()->bReading = false;
        QCOMPARE(env.dir.filesIn("tmp"), QStringList());
    }
};
TALLIVO_TEST(TestWord)
#include "tst_word.moc"
