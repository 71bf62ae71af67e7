// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testmain.h"
#include "games/gamerules.h"

using namespace gamerules;

class TestGameRules : public QObject {
    Q_OBJECT
private slots:
    void rankFollowsCoins_data()
    {
        QTest::addColumn<int>("coins");
        QTest::addColumn<QString>("caption");
        QTest::addRow("none") << 0 << QStringLiteral("军衔：新兵");
        QTest::addRow("4") << 4 << QStringLiteral("军衔：新兵");
        QTest::addRow("5") << 5 << QStringLiteral("军衔：上士");
        QTest::addRow("19") << 19 << QStringLiteral("军衔：上士");
        QTest::addRow("20") << 20 << QStringLiteral("军衔：少尉");
        QTest::addRow("99") << 99 << QStringLiteral("军衔：中尉");
        QTest::addRow("100") << 100 << QStringLiteral("军衔：上尉");
        QTest::addRow("499") << 499 << QStringLiteral("军衔：少校");
        QTest::addRow("500") << 500 << QStringLiteral("军衔：中校");
        QTest::addRow("1999") << 1999 << QStringLiteral("军衔：上校");
        QTest::addRow("4999") << 4999 << QStringLiteral("军衔：少将");
        QTest::addRow("5000") << 5000 << QStringLiteral("军衔：大将");
    }
    void rankFollowsCoins()
    {
        QFETCH(int, coins);
        QFETCH(QString, caption);
        QCOMPARE(RankCaption(coins), caption);
    }

    void ratioInWholeNumbers_data()
    {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<bool>("perfect");
        QTest::addRow("7 of 9 cut down") << 7 << 9 << 77 << false;
        // floating point gave 57 here
        QTest::addRow("29 of 50") << 29 << 50 << 58 << false;
        QTest::addRow("10 of 10") << 10 << 10 << 100 << true;
        QTest::addRow("no words") << 0 << 0 << 0 << false;
        QTest::addRow("none right") << 0 << 12 << 0 << false;
    }
    void ratioInWholeNumbers()
    {
        QFETCH(int, right);
        QFETCH(int, words);
        QFETCH(int, ratio);
        QFETCH(bool, perfect);
        QCOMPARE(CorrectRatio(right, words), ratio);
        QCOMPARE(IsPerfect(right, words), perfect);
    }

    void coinsOfAResult_data()
    {
        QTest::addColumn<int>("testMode");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<int>("coins");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("text");
        QTest::addRow("perfect game 2") << 2 << 100 << 1 << 12 << QStringLiteral("恭喜你获得1个金币,积120分");
        QTest::addRow("perfect game 5") << 5 << 100 << 3 << 6 << QStringLiteral("恭喜你获得3个金币,积60分");
        QTest::addRow("7 of 9") << 1 << 77 << 0 << 7 << QStringLiteral("恭喜你获得0个金币,积70分");
        QTest::addRow("nothing right") << 0 << 0 << 0 << 0 << QStringLiteral("恭喜你获得0个金币,积0分");
    }
    void coinsOfAResult()
    {
        QFETCH(int, testMode);
        QFETCH(int, ratio);
        QFETCH(int, coins);
        QFETCH(int, right);
        QFETCH(QString, text);
        QCOMPARE(CoinsForResult(testMode, ratio), coins);
        QCOMPARE(ResultScoreText(coins, right), text);
    }

    void earlyExit_data()
    {
        QTest::addColumn<int>("untested");
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("coins");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("leave");
        QTest::addColumn<int>("coinsLeft");
        const QString q3 = QStringLiteral("游戏还有3个单词没有完成，提前结束要扣一个金币喔！你确定现在要结束吗?");
        QTest::addRow("3 of 10 left, OK") << 3 << 10 << 5 << true << q3 << true << 4;
        QTest::addRow("3 of 10 left, Cancel") << 3 << 10 << 5 << false << q3 << false << 5;
        QTest::addRow("last coin kept")
            << 9 << 10 << 1 << true
            << QStringLiteral("游戏还有9个单词没有完成，提前结束要扣一个金币喔！你确定现在要结束吗?") << true << 1;
        QTest::addRow("no coins") << 1 << 2 << 0 << true
                                  << QStringLiteral("游戏还有1个单词没有完成，提前结束要扣一个金币喔！你确定现在要结束吗?")
                                  << true << 0;
        QTest::addRow("nothing answered") << 10 << 10 << 5 << false << QString() << true << 5;
        QTest::addRow("all answered") << 0 << 10 << 5 << false << QString() << true << 5;
        QTest::addRow("no words") << 0 << 0 << 5 << false << QString() << true << 5;
    }
    void earlyExit()
    {
        QFETCH(int, untested);
        QFETCH(int, words);
        QFETCH(int, coins);
        QFETCH(bool, ok);
        QFETCH(QString, question);
        QFETCH(bool, leave);
        QFETCH(int, coinsLeft);
        QCOMPARE(EarlyExitQuestion(untested, words), question);
        const ExitDecision d = DecideEarlyExit(untested, words, coins, ok);
        QCOMPARE(d.leave, leave);
        QCOMPARE(d.coinsLeft, coinsLeft);
    }

    void afterTheResult_data()
    {
        QTest::addColumn<int>("select");
        QTest::addColumn<int>("testMode");
        QTest::addColumn<int>("firstUnfinished");
        QTest::addColumn<bool>("bOK");
        QTest::addColumn<int>("what");
        QTest::addColumn<int>("game");
        const int ret = int(AfterResult::Return), start = int(AfterResult::Start),
                  congrats = int(AfterResult::Congratulate), choose = int(AfterResult::Choose);
        QTest::addRow("return") << 0 << 2 << 0 << true << ret << -1;
        QTest::addRow("again") << 1 << 2 << 0 << false << start << 2;
        QTest::addRow("next after 0") << 2 << 0 << 0 << true << start << 1;
        QTest::addRow("next after 5") << 2 << 5 << 0 << false << start << 6;
        QTest::addRow("after 6, all 100, perfect") << 2 << 6 << 100 << true << congrats << -1;
        QTest::addRow("after 6, game 3 below 100") << 2 << 6 << 3 << true << start << 3;
        QTest::addRow("after 6, all 100, not perfect") << 2 << 6 << 100 << false << choose << -1;
        QTest::addRow("again after 6") << 1 << 6 << 100 << true << start << 6;
    }
    void afterTheResult()
    {
        QFETCH(int, select);
        QFETCH(int, testMode);
        QFETCH(int, firstUnfinished);
        QFETCH(bool, bOK);
        QFETCH(int, what);
        QFETCH(int, game);
        const ResultChoice c = ChooseAfterResult(select, testMode, firstUnfinished, bOK);
        QCOMPARE(int(c.what), what);
        QCOMPARE(c.game, game);
    }

    void slideEndsOnItsTarget_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addRow("strip onto picture") << QPoint(584, 328) << QPoint(32, 138);
        // a step of zero on both axes never reached "closer than one step"
        QTest::addRow("already there") << QPoint(340, 23) << QPoint(340, 23);
        QTest::addRow("odd distance") << QPoint(0, 0) << QPoint(7, -3);
    }
    void slideEndsOnItsTarget()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        SlideSteps s(from, to);
        int ticks = 0;
        while (!s.Done() && ticks < 100) {
            s.Tick();
            ++ticks;
        }
        QCOMPARE(ticks, SlideSteps::kSteps);
        QCOMPARE(s.Pos(), to);
        QVERIFY(!s.Tick());
    }

    void titles()
    {
        QCOMPARE(GameTitle(0), QStringLiteral("单词认认看"));
        QCOMPARE(GameTitle(3), QStringLiteral("单词听听看"));
        QCOMPARE(GameTitle(6), QStringLiteral("单词默写"));
        QVERIFY(GameTitle(7).isEmpty());
        QVERIFY(GameTitle(-1).isEmpty());
    }
};

TALLIVO_TEST(TestGameRules)
#include "tst_gamerules.moc"
