// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A unit: building it, walking through it, game questions and answer
// choices, game results and coins.
#include "support/testmain.h"
#include <memory>
#include "wbenv.h"
#include <QSet>

using GameList = QList<QPair<int, int>>;

namespace {
// Unit 3 of book 1 of series 1: 12 words.
ClassUnit *Unit3(WordBankEnv &env)
{
    return env.Loaded(1) ? env.Unit(1, 1, 3) : nullptr;
}
}

class TestUnit : public QObject {
    Q_OBJECT
private slots:
    void addWord()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassUnit unit;
        QCOMPARE(unit.AddWord(QStringLiteral("\tapple ")), 1);
        QCOMPARE(unit.AddWord(QStringLiteral("apple")), 1);
        QCOMPARE(unit.AddWord(QStringLiteral("pear")), 0);
        QCOMPARE(unit.AddWord(QStringLiteral("  ")), 0);
        QCOMPARE(unit.AddWord(QStringLiteral("icecream")), 2);
        // compared with the unconverted text: a second reference to the same word
        QCOMPARE(unit.AddWord(QStringLiteral("ice-cream")), 3);
        CWord *a = nullptr, *b = nullptr;
        QVERIFY(unit.GetWord(2, a) && unit.GetWord(3, b));
        QCOMPARE(a, b);
        // the word bank's spelling becomes the shared word's display spelling
        QCOMPARE(a->UserEN, QStringLiteral("ice-cream"));
        QCOMPARE(unit.English(1), QStringLiteral("apple"));
        QCOMPARE(unit.Chinese(1), QStringLiteral("苹果"));
        QCOMPARE(unit.English(4), QString());
        QVERIFY(!unit.GetWord(0, a));
    }

    void sentences()
    {
        ClassUnit unit;
        QCOMPARE(unit.AddSentence(QStringLiteral("  *\tHi.\t你好。 "), QStringLiteral("SID-1-2-3")), QStringLiteral("SID-1-2-3-1"));
        QCOMPARE(unit.AddSentence(QStringLiteral("no star"), QStringLiteral("SID-1-2-3")), QString());
        QCOMPARE(unit.AddSentence(QStringLiteral(""), QStringLiteral("SID-1-2-3")), QString());
        // a bad sentence line still takes its position
        QCOMPARE(unit.AddSentence(QStringLiteral("*broken"), QStringLiteral("SID-1-2-3")), QStringLiteral("SID-1-2-3-2"));
        QCOMPARE(unit.AddSentence(QStringLiteral("*\tBye.\t再见。"), QStringLiteral("SID-1-2-3")), QStringLiteral("SID-1-2-3-3"));
        QCOMPARE(unit.SentenceNum(), 3);
        CSentence *s = nullptr;
        QVERIFY(unit.GetSentenceByID(QStringLiteral("SID-9-9-9-3"), s));
        QCOMPARE(s->SentenceEN, QStringLiteral("Bye."));
        QVERIFY(unit.GetSentence(2, s));
        QCOMPARE(s->SentenceEN, QString());
        QVERIFY(!unit.GetSentenceByID(QStringLiteral("SID-1-2-3-x"), s));
        QVERIFY(!unit.GetSentenceByID(QStringLiteral("SID-1-2-4"), s));
        QVERIFY(!unit.GetSentenceByID(QStringLiteral("SID-1-2-3-4"), s));
    }

    void walkInOrder()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = Unit3(env);
        QVERIFY(u);
        int start = 1;
        QVERIFY(u->SetCurrWord(start));
        QVERIFY(!u->GetNextWord(-1)); // no wrap-around
        QCOMPARE(gUser->nLastWord, 1);
        QStringList seen{gCurrWord->English};
        while (u->GetNextWord(1))
            seen << gCurrWord->English;
        QCOMPARE(seen, env.Keys(u));
        QCOMPARE(gUser->nLastWord, 12);
        QVERIFY(u->GetNextWord(-1));
        QCOMPARE(gUser->nLastWord, 11);
        QCOMPARE(gCurrWord->English, QStringLiteral("window"));
    }

    // A position left over from a longer selection is brought back into range.
    void walkClamps_data()
    {
        QTest::addColumn<int>("lastWord");
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("moved");
        QTest::addColumn<int>("after");
        QTest::addRow("beyond the end, back") << 40 << -1 << true << 11;
        QTest::addRow("beyond the end, on") << 40 << 1 << false << 12;
        QTest::addRow("zero, on") << 0 << 1 << true << 2;
        QTest::addRow("negative, back") << -5 << -1 << false << 1;
    }
    void walkClamps()
    {
        QFETCH(int, lastWord);
        QFETCH(int, step);
        QFETCH(bool, moved);
        QFETCH(int, after);
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = Unit3(env);
        gUser->nLastWord = lastWord;
        QCOMPARE(u->GetNextWord(step), moved);
        QCOMPARE(gUser->nLastWord, after);
        if (moved) {
            CWord *w = nullptr;
            QVERIFY(u->GetWord(after, w));
            QCOMPARE(gCurrWord, w);
        }
    }

    void setCurrWord_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("corrected");
        QTest::addRow("inside") << 5 << 5;
        QTest::addRow("below") << -3 << 1;
        QTest::addRow("above") << 99 << 12;
    }
    void setCurrWord()
    {
        QFETCH(int, index);
        QFETCH(int, corrected);
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = Unit3(env);
        QVERIFY(u->SetCurrWord(index));
        QCOMPARE(index, corrected);
        QCOMPARE(gUser->nLastWord, corrected);
        CWord *w = nullptr;
        QVERIFY(u->GetWord(corrected, w));
        QCOMPARE(gCurrWord, w);

        ClassUnit empty;
        int i = 3;
        QVERIFY(empty.SetCurrWord(i));
        QCOMPARE(i, 0);
        QVERIFY(gCurrWord == nullptr);
        QVERIFY(!empty.GetNextWord(1));
        QVERIFY(!empty.GetRandWord());
    }

    void randomPass()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = Unit3(env);
        gUser->bRand = true;
        u->InitRandReadStatus();
        QSet<QString> seen;
        for (int i = 0; i < 12; ++i) {
            QVERIFY(u->GetNextWord(1));
            QVERIFY(!seen.contains(gCurrWord->English)); // each word once per pass
            seen.insert(gCurrWord->English);
            CWord *w = nullptr;
            QVERIFY(u->GetWord(gUser->nLastWord, w));
            QCOMPARE(w, gCurrWord);
        }
        QVERIFY(!u->GetNextWord(1));
        QVERIFY(!u->GetRandWord());
        u->InitRandReadStatus();
        QVERIFY(u->GetRandWord());
    }

    void answerChoices_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("count");
        QTest::addRow("one word") << 1 << 1 << 1;
        QTest::addRow("three words") << 3 << 2 << 3;
        QTest::addRow("four words") << 4 << 4 << 4;
        QTest::addRow("twelve words") << 12 << 7 << 4;
    }
    void answerChoices()
    {
        QFETCH(int, words);
        QFETCH(int, asked);
        QFETCH(int, count);
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassUnit *src = Unit3(env);
        ClassUnit unit;
        for (int i = 1; i <= words; ++i)
            unit.AddWord(src->English(i));
        QSet<int> slotsOfAsked;
        for (int round = 0; round < 40; ++round) {
            std::vector<int> ans;
            QCOMPARE(unit.GetAnsArr(asked, ans), count);
            QSet<int> distinct;
            for (int i = 1; i <= count; ++i) {
                QVERIFY(ans[size_t(i)] >= 1 && ans[size_t(i)] <= words);
                distinct.insert(ans[size_t(i)]);
                if (ans[size_t(i)] == asked)
                    slotsOfAsked.insert(i);
            }
            QCOMPARE(int(distinct.size()), count);
            QVERIFY(distinct.contains(asked));
        }
        // the asked word moves between slots
        QCOMPARE(int(slotsOfAsked.size()), count);
    }

    // A word that means the same as the asked one ("bye" and "goodbye", both
    // 再见) is never offered beside it, unless the unit has no other word.
    void choicesOfAnotherMeaning_data()
    {
        QTest::addColumn<QStringList>("meanings"); // one word each, English w1, w2, ...
        QTest::addColumn<int>("asked");
        QTest::addColumn<QList<int>>("never"); // words never offered as choices
        const QStringList greetings{"再见", "再见", "你好;喂", "你好;嗨", "苹果", "香蕉", "猫", "狗"};
        QTest::addRow("same meaning") << greetings << 1 << QList<int>{2};
        QTest::addRow("one meaning shared") << greetings << 4 << QList<int>{3};
        QTest::addRow("nothing shared") << greetings << 5 << QList<int>{};
        QTest::addRow("no other word to take") << QStringList{"再见", "再见", "再见", "猫"} << 1 << QList<int>{};
    }
    void choicesOfAnotherMeaning()
    {
        QFETCH(QStringList, meanings);
        QFETCH(int, asked);
        QFETCH(QList<int>, never);
        WordBankEnv env;
        std::vector<std::unique_ptr<CWord>> words;
        ClassUnit unit;
        for (int i = 0; i < meanings.size(); ++i) {
            words.push_back(std::make_unique<CWord>());
            words.back()->English = words.back()->UserEN = QStringLiteral("w%1").arg(i + 1);
            words.back()->Chinese = meanings[i];
            unit.AddNewWord(words.back().get());
        }
        QSet<int> offered;
        for (int round = 0; round < 60; ++round) {
            std::vector<int> ans;
            QCOMPARE(unit.GetAnsArr(asked, ans), std::min<int>(4, int(meanings.size())));
            offered.unite(QSet<int>(ans.begin() + 1, ans.end()));
        }
        QVERIFY(offered.contains(asked));
        for (int w : never)
            QVERIFY2(!offered.contains(w), qPrintable(QString::number(w)));
        if (meanings.size() == 4)
            QCOMPARE(int(offered.size()), 4);
    }

    // A random source stuck on one value must not hang the picker.
    void answerChoicesWithStuckRandom()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = Unit3(env);
        for (int i = 0; i < 5000; ++i)
            env.fake->rndScript.enqueue(0.0);
        std::vector<int> ans;
        QCOMPARE(u->GetAnsArr(1, ans), 4);
        QSet<int> distinct(ans.begin() + 1, ans.end());
        QCOMPARE(int(distinct.size()), 4);
        QVERIFY(distinct.contains(1));
    }

    void testRound()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = env.Loaded(1) ? env.Unit(1, 1, 1) : nullptr; // 3 words
        QVERIFY(u);
        u->InitTestStatus();
        QCOMPARE(u->UnTestedNum(), 3);
        QList<int> results{1, -1, 2};
        QSet<int> asked;
        for (int r : results) {
            CWord *w = nullptr;
            const int i = u->GetTestWord(w);
            QVERIFY(i >= 1 && !asked.contains(i));
            CWord *at = nullptr;
            QVERIFY(u->GetWord(i, at));
            QCOMPARE(w, at);
            asked.insert(i);
            w->SetStatus(r);
        }
        CWord *none = nullptr;
        QCOMPARE(u->GetTestWord(none), -1);
        QCOMPARE(u->CorrectNum(), 1);
        QCOMPARE(u->WrongNum(), 1);
        QCOMPARE(u->UnTestedNum(), 1); // a shown answer counts as unasked
        u->InitTestStatus();
        QCOMPARE(u->UnTestedNum(), 3);
    }

    void gameResults_data()
    {
        QTest::addColumn<GameList>("games"); // (game, score)
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("coins");
        QTest::addColumn<int>("firstIncomplete");
        using G = GameList;
        QTest::addRow("none") << G{} << "" << 0 << 0;
        QTest::addRow("perfect game 2 twice") << G{{2, 100}, {2, 100}} << "000000100000000000000000000" << 2 << 0;
        QTest::addRow("perfect spelling game") << G{{5, 100}} << "000000000000000100000000000" << 3 << 0;
        QTest::addRow("best result kept") << G{{2, 100}, {2, 60}} << "000000100000000000000000000" << 1 << 0;
        QTest::addRow("games 7 and -1 ignored") << G{{7, 100}, {-1, 100}} << "" << 0 << 0;
        QTest::addRow("out-of-range score clamped") << G{{0, 1000}, {1, -5}} << "100000000000000000000000000" << 1 << 1;
        QTest::addRow("all seven")
            << G{{0, 100}, {1, 100}, {2, 100}, {3, 100}, {4, 100}, {5, 100}, {6, 100}}
            << "100100100100100100100000000" << 13 << 100;
    }
    void gameResults()
    {
        QFETCH(GameList, games);
        QFETCH(QString, status);
        QFETCH(int, coins);
        QFETCH(int, firstIncomplete);
        WordBankEnv env;
        ClassUnit unit;
        for (const auto &g : games)
            unit.SetUnitStatus(g.first, g.second);
        QCOMPARE(unit.GetUnitStatus(), status);
        QCOMPARE(gUser->myCoin, coins);
        QCOMPARE(unit.IsAllCompleted(), firstIncomplete);
        ClassUnit back;
        back.LoadUnitStatus(status);
        QCOMPARE(back.GetUnitStatus(), status);
    }

    void loadUnitStatusLength_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        QTest::addRow("27") << "100100100100100100100000000" << "100100100100100100100000000";
        QTest::addRow("26") << "10010010010010010010000000" << "000050000000000000000000000";
        QTest::addRow("28") << "1001001001001001001000000000" << "000050000000000000000000000";
        // clang-format on
    }
    void loadUnitStatusLength()
    {
        QFETCH(QString, text);
        QFETCH(QString, status);
        ClassUnit unit;
        unit.LoadUnitStatus(QStringLiteral("000050000000000000000000000"));
        unit.LoadUnitStatus(text);
        QCOMPARE(unit.GetUnitStatus(), status);
    }

    void mergeByCategory_data()
    {
        QTest::addColumn<WordCategory>("category");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<int>("result"); // of the second merge: 0 when it added nothing
        QTest::addRow("all") << WordCategory::All << QStringList{"apple", "banana", "cat", "dog", "egg", "icecream", "color"} << 7;
        QTest::addRow("often wrong") << WordCategory::OftenWrong << QStringList{"banana", "egg"} << 2;
        QTest::addRow("well known") << WordCategory::WellKnown << QStringList{"cat"} << 0;
        QTest::addRow("none") << WordCategory::Practising << QStringList{} << 0;
    }
    void mergeByCategory()
    {
        QFETCH(WordCategory, category);
        QFETCH(QStringList, keys);
        QFETCH(int, result);
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        env.Word("banana")->iTestResult = -8;
        env.Word("egg")->iTestResult = -7;
        env.Word("cat")->iTestResult = 9;
        ClassUnit merged;
        merged.AddNewUnit(*env.Unit(1, 1, 1), category);
        QCOMPARE(merged.AddNewUnit(*env.Unit(1, 1, 2), category), result);
        QCOMPARE(merged.AddNewUnit(*env.Unit(1, 1, 1), category), 0); // nothing new
        QCOMPARE(env.Keys(&merged), keys);
    }

    void unitString()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        QCOMPARE(env.Unit(1, 1, 2)->UnitString(), QStringLiteral("#Unit 2\r\ndog\r\negg\r\nicecream\r\ncolor\r\n"));
    }
};
TALLIVO_TEST(TestUnit)
#include "tst_unit.moc"
