// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a game is worth: titles, points of a right word, coins of a result.
#include "support/testmain.h"
#include "wordbank/scoring.h"
#include <climits>

using namespace scoring;

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void everyGame_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("pointsForApple");
        QTest::addColumn<int>("perfectCoins");
        QTest::addRow("recognise") << 0 << "单词认认看" << 10 << 1;
        QTest::addRow("choose") << 1 << "单词选选看" << 10 << 1;
        QTest::addRow("flip") << 2 << "单词翻翻看" << 10 << 1;
        QTest::addRow("listen") << 3 << "单词听听看" << 10 << 1;
        QTest::addRow("fill in") << 4 << "字母填填看" << 25 << 3;
        QTest::addRow("arrange") << 5 << "单词排排看" << 25 << 3;
        QTest::addRow("dictation") << 6 << "单词默写" << 25 << 3;
    }
    void everyGame()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(int, pointsForApple);
        QFETCH(int, perfectCoins);
        const std::optional<Game> g = GameOf(mode);
        QVERIFY(g);
        QCOMPARE(ModeOf(*g), mode);
        QCOMPARE(GameTitle(*g), title);
        QCOMPARE(PointsForRight(mode, 5), qint64(pointsForApple));
        QCOMPARE(CoinsForResult(mode, 100), perfectCoins);
        QCOMPARE(CoinsForResult(mode, 99), 0);
    }

    // "No game" is neither a game nor the "every game done" of a unit.
    void noGameIsNoGame()
    {
        QVERIFY(!GameOf(kNoGame));
        QVERIFY(!GameOf(7));
        QVERIFY(GameTitle(kNoGame).isEmpty());
        QVERIFY(kNoGame != kAllGamesDone);
        QCOMPARE(kGameCount, 7);
    }

    void totalsStayInRange()
    {
        QCOMPARE(AddClamped(INT_MAX - 2, 3), INT_MAX);
        QCOMPARE(AddClamped(100, 25), 125);
        // a very long phrase in a letter game
        QCOMPARE(AddClamped(0, PointsForRight(6, 1000)), 5000);
    }

    // Ten per right word in every game, whatever the game paid.
    void resultPoints()
    {
        QCOMPARE(ResultPoints(0), qint64(0));
        QCOMPARE(ResultPoints(12), qint64(120));
    }
};

TALLIVO_TEST(TestScoring)
#include "tst_scoring.moc"
