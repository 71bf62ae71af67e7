// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/uc_jjk.h"
#include "letterenv.h"
#include "support/testmain.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

namespace {

struct JjkScene {
    LetterEnv env;
    QWidget host;
    UC_JJK *game = new UC_JJK(&host);
    QSignalSpy over{game, &UC_JJK::GameOver};
    explicit JjkScene(const QStringList &words) : env(words, 4)
    {
        host.resize(1000, 640);
        host.show();
        (void)QTest::qWaitForWindowExposed(&host);
    }
    // The choice (1..4) holding the right letter, or one holding a wrong one.
    int Choice(bool right) const
    {
        const QString c = game->Round().Choices();
        for (int k = 1; k <= c.size(); ++k)
            if ((c.at(k - 1) == game->Round().Correct()) == right)
                return k;
        return 0;
    }
    void Click(int k) { QTest::mouseClick(game->lblSelChar[size_t(k)], Qt::LeftButton); }
    QString ShownRow() const
    {
        QString s;
        for (size_t i = 1; i < game->lblWordChar.size(); ++i)
            s += game->lblWordChar[i]->text();
        return s;
    }
    // Fills every gap of the word on screen, by clicks or by keys.
    void Solve(bool byKeys)
    {
        CWord *w = game->TestWord();
        for (int guard = 0; guard < 10 && game->TestWord() == w && game->Round().IsOpen(); ++guard) {
            if (byKeys)
                game->UserControlKeyPress(game->Round().Correct().unicode());
            else
                Click(Choice(true));
        }
    }
};

} // namespace

class TestUcJjk : public QObject {
    Q_OBJECT
private slots:
    void playedByClicksAndKeys_data()
    {
        QTest::addColumn<bool>("byKeys");
        QTest::addRow("clicks") << false;
        QTest::addRow("keys") << true;
    }
    void playedByClicksAndKeys()
    {
        QFETCH(bool, byKeys);
        JjkScene s({QStringLiteral("apple"), QStringLiteral("pen")});
        s.game->StartGame();
        QVERIFY(s.game->Round().IsOpen());
        QCOMPARE(s.game->lblNum->text(), QStringLiteral("1 / 2"));
        QVERIFY(s.ShownRow().contains(u'_'));
        QVERIFY(s.game->timFlash->isActive());
        QCOMPARE(s.game->timFlash->interval(), 500);
        s.Solve(byKeys);
        QCOMPARE(s.game->lblNum->text(), QStringLiteral("2 / 2"));
        s.Solve(byKeys);
        LetterEnv::Settle();
        QCOMPARE(s.over.count(), 1);
        QCOMPARE(s.over.at(0).at(0).toBool(), true);
        QCOMPARE(s.env.user.myScore, 5 * 5 + 5 * 3);
        // each word was spoken once and cheered once
        QCOMPARE(s.env.Plays(s.env.voice), 2);
        QCOMPARE(s.env.Plays(s.env.tada), 2);
        QVERIFY(!s.game->timFlash->isActive());
        // a late key after the end changes nothing and raises nothing again
        s.game->UserControlKeyPress('a');
        LetterEnv::Settle();
        QCOMPARE(s.over.count(), 1);
    }

    void wrongLetter()
    {
        JjkScene s({QStringLiteral("apple")});
        s.game->StartGame();
        const QString before = s.ShownRow();
        const int wrong = s.Choice(false);
        s.game->UserControlKeyPress(s.game->Round().Choices().at(wrong - 1).unicode());
        // the cross over that choice, the buzz without waiting, the gap still open
        QVERIFY(s.game->iconWrongAnswer->isVisible());
        QVERIFY((s.game->iconWrongAnswer->geometry().center() - s.game->lblSelChar[size_t(wrong)]->geometry().center())
                    .manhattanLength()
                <= 2);
        QVERIFY(s.game->timHideIcon->isActive());
        QCOMPARE(s.env.Plays(s.env.buzz), 1);
        QCOMPARE(s.env.fake->plays.last().wait, false);
        QCOMPARE(s.env.Word("apple")->iTestResult, -2);
        QVERIFY(s.game->Round().IsOpen());
        QCOMPARE(s.ShownRow(), before);
        s.game->timHideIcon_Timer();
        QVERIFY(!s.game->iconWrongAnswer->isVisible());
        // a key that is not offered does nothing
        const QString offered = s.game->Round().Choices();
        for (char c = 'a'; c <= 'z'; ++c)
            if (!offered.contains(QLatin1Char(c)) && c != s.game->Round().Correct())
                s.game->UserControlKeyPress(c);
        QCOMPARE(s.env.Word("apple")->iTestResult, -2);
        // filled after a wrong try: no points, counted wrong
        s.Solve(false);
        LetterEnv::Settle();
        QCOMPARE(s.env.user.myScore, 0);
        QCOMPARE(s.over.count(), 1);
        QCOMPARE(s.over.at(0).at(0).toBool(), false);
    }

    void keyDuringFlipDoesNothing()
    {
        JjkScene s({QStringLiteral("apple"), QStringLiteral("pen")});
        s.game->StartGame();
        CWord *first = s.game->TestWord();
        int flipKeys = 0;
        s.env.fake->onDoEvents = [&] {
            if (s.game->TestWord() == first)
                return;
            // every letter, both cases, typed while the next word flips in
            for (char c = 'a'; c <= 'z'; ++c) {
                s.game->UserControlKeyPress(c);
                s.game->UserControlKeyPress(c - 'a' + 'A');
            }
            ++flipKeys;
        };
        s.Solve(true);
        s.env.fake->onDoEvents = nullptr;
        QVERIFY(flipKeys > 0);
        CWord *second = s.game->TestWord();
        QVERIFY(second && second != first);
        QCOMPARE(second->myTestedStatus, 0);
        QCOMPARE(second->iTestResult, 0);
        QVERIFY(!s.game->iconWrongAnswer->isVisible());
        QCOMPARE(s.ShownRow().count(u'_'), s.game->Round().Shown().count(u'_'));
        QVERIFY(s.game->Round().IsOpen());
        QCOMPARE(s.env.Plays(s.env.buzz), 0);
    }

    void endGameDuringFlip()
    {
        JjkScene s({QStringLiteral("apple"), QStringLiteral("pen")});
        bool ended = false;
        s.env.fake->onDoEvents = [&] {
            if (!ended) {
                ended = true;
                s.game->EndGame();
            }
        };
        s.game->StartGame();
        s.env.fake->onDoEvents = nullptr;
        QVERIFY(ended);
        QVERIFY(!s.game->timFlash->isActive());
        QVERIFY(!s.game->timHideIcon->isActive());
        QVERIFY(!s.game->Round().IsOpen());
        for (int k = 1; k <= 4; ++k)
            QVERIFY(!s.game->lblSelChar[size_t(k)]->isVisible());
        QCOMPARE(s.game->lblWordChar.size(), size_t(1));
        s.game->EndGame(); // twice is fine
        LetterEnv::Settle();
        QCOMPARE(s.over.count(), 0);
    }

    void blinkingGap()
    {
        JjkScene s({QStringLiteral("apple")});
        s.game->StartGame();
        QLabel *gap = s.game->lblWordChar[size_t(s.game->Round().GapPosition()) + 1];
        QCOMPARE(gap->text(), QStringLiteral("_"));
        QVERIFY(gap->isVisible());
        s.game->timFlash_Timer();
        QVERIFY(!gap->isVisible());
        s.game->timFlash_Timer();
        QVERIFY(gap->isVisible());
    }

    void longWordFits_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addRow("phrase") << QStringLiteral("What's the matter with you today");
        QTest::addRow("short") << QStringLiteral("cat");
    }
    void longWordFits()
    {
        QFETCH(QString, word);
        JjkScene s({word});
        s.game->StartGame();
        QCOMPARE(s.game->lblWordChar.size(), size_t(word.size()) + 1);
        const int left = s.game->lblWordChar[1]->geometry().left();
        const int right = s.game->lblWordChar.back()->geometry().right();
        QVERIFY2(left >= 0 && right < s.game->width(), qPrintable(QStringLiteral("%1..%2").arg(left).arg(right)));
    }
};
TALLIVO_TEST(TestUcJjk)
#include "tst_uc_jjk.moc"
