// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/uc_moxie.h"
#include "letterenv.h"
#include "support/testmain.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/newwordpicctl.h"
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

// The game inside a dialog, as in the games window, where Enter may also
// reach a default button.
struct MoxieScene {
    LetterEnv env;
    QDialog host;
    UC_MOXIE *game = new UC_MOXIE(&host);
    QSignalSpy over{game, &UC_MOXIE::GameOver};
    explicit MoxieScene(const QStringList &words) : env(words, 6)
    {
        host.resize(1000, 640);
        host.show();
        (void)QTest::qWaitForWindowExposed(&host);
        host.activateWindow();
    }
    void Type(const QString &text, bool enter = true)
    {
        game->txtWord->setFocus();
        QTest::keyClicks(game->txtWord, text);
        if (enter)
            QTest::keyClick(game->txtWord, Qt::Key_Return);
    }
    // Types the word now asked, right.
    void Answer() { Type(game->TestWord()->UserEN); }
};

} // namespace

class TestUcMoxie : public QObject {
    Q_OBJECT
private slots:
    void judged_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("score");
        QTest::addRow("extra blanks") << " apple  " << 1 << 25;
        QTest::addRow("other capital") << "Apple" << -1 << 0;
        QTest::addRow("full-width letters") << "\uFF41\uFF50\uFF50\uFF4C\uFF45" << 1 << 25;
    }
    void judged()
    {
        QFETCH(QString, typed);
        QFETCH(int, status);
        QFETCH(int, score);
        MoxieScene s({QStringLiteral("apple"), QStringLiteral("pen")});
        s.env.fake->rndScript.enqueue(0.0); // the first pick: the first word
        s.game->StartGame();
        CWord *apple = s.env.Word("apple");
        QCOMPARE(s.game->TestWord(), apple);
        const int before = s.env.user.myScore;
        s.game->txtWord->setText(typed);
        QTest::keyClick(s.game->txtWord, Qt::Key_Return);
        QCOMPARE(apple->myTestedStatus, status);
        QCOMPARE(s.env.user.myScore - before, score);
        if (status == 1) {
            QCOMPARE(s.env.Plays(s.env.voice), s.env.Plays(s.env.tada));
            QVERIFY(s.game->iconRightAnswer->isVisible() || s.game->TestWord() != apple);
        } else {
            // the text stays to be corrected, under the cross
            QCOMPARE(s.game->txtWord->text(), typed);
            QVERIFY(s.game->iconWrongAnswer->isVisible());
            QCOMPARE(s.game->iconWrongAnswer->geometry().right(), s.game->txtWord->geometry().right());
            QVERIFY(s.game->timHideIcon->isActive());
            QCOMPARE(s.game->timHideIcon->interval(), 800);
        }
    }

    void oneEnterIsJudgedOnce()
    {
        MoxieScene s({QStringLiteral("apple")});
        s.game->StartGame();
        s.Type(QStringLiteral("aple"));
        QCOMPARE(s.env.Word("apple")->iTestResult, -2);
        QCOMPARE(s.env.Plays(s.env.buzz), 1);
        s.Type(QStringLiteral("x"));
        QCOMPARE(s.env.Word("apple")->iTestResult, -4);
    }

    void emptyBox()
    {
        MoxieScene s({QStringLiteral("apple")});
        s.game->StartGame();
        s.Type(QStringLiteral("   "));
        s.game->btnOK->click();
        QCOMPARE(s.env.Word("apple")->iTestResult, 0);
        QCOMPARE(s.env.Word("apple")->myTestedStatus, 0);
        QVERIFY(!s.game->iconWrongAnswer->isVisible());
        QCOMPARE(s.env.fake->plays.size(), 0);
    }

    void boxTakesFortyPlainCharacters()
    {
        MoxieScene s({QStringLiteral("apple")});
        s.game->StartGame();
        s.Type(QString(50, u'a'), false);
        QCOMPARE(s.game->txtWord->text().size(), 40);
        QVERIFY(!s.game->txtWord->testAttribute(Qt::WA_InputMethodEnabled));
    }

    void answerShownThenTyped()
    {
        MoxieScene s({QStringLiteral("apple"), QStringLiteral("pen"), QStringLiteral("cat")});
        s.game->StartGame();
        CWord *first = s.game->TestWord();
        QCOMPARE(s.game->lblNum->text(), QStringLiteral("1 / 3"));
        s.game->btnAnswer_Click();
        QVERIFY(s.game->lblAnswer->isVisible());
        QCOMPARE(s.game->lblAnswer->text(), first->UserEN);
        QVERIFY(s.game->txtWord->text().isEmpty());
        s.Answer();
        // moved on without points; the counter counts words asked
        QVERIFY(s.game->TestWord() != first);
        QVERIFY(!s.game->lblAnswer->isVisible());
        QCOMPARE(s.env.user.myScore, 0);
        QCOMPARE(first->myTestedStatus, 2);
        QCOMPARE(s.game->lblNum->text(), QStringLiteral("2 / 3"));
        s.Answer();
        QCOMPARE(s.game->lblNum->text(), QStringLiteral("3 / 3"));
        s.Answer();
        LetterEnv::Settle();
        QCOMPARE(s.over.count(), 1);
        QCOMPARE(s.over.at(0).at(0).toBool(), false);
        QCOMPARE(s.env.unit.UnTestedNum(), 1);
        QCOMPARE(s.env.unit.CorrectNum(), 2);
    }

    void cardHidesTheWord()
    {
        MoxieScene s({QStringLiteral("able")});
        s.env.Word("able")->DetailCH = QStringLiteral("adj. 能够的 phr. be able to 能够");
        s.game->StartGame();
        QCOMPARE(s.game->CardWord().DetailCH, QStringLiteral("adj. 能够的 phr. be ___ to 能够"));
        auto *line = s.game->NewWordPicCtl1->findChild<QLabel *>(QStringLiteral("lblChinese"));
        QVERIFY(line);
        QVERIFY(!line->text().contains(QStringLiteral("able")));
        // the learner's word keeps its meaning
        QCOMPARE(s.env.Word("able")->DetailCH, QStringLiteral("adj. 能够的 phr. be able to 能够"));
    }

    void enterWhileSpeakingIsDropped()
    {
        MoxieScene s({QStringLiteral("apple"), QStringLiteral("pen")});
        s.game->StartGame();
        CWord *first = s.game->TestWord();
        bool typed = false;
        // an Enter and a wrong word arrive while the next word flips in
        s.env.fake->onDoEvents = [&] {
            if (typed || s.game->TestWord() == first)
                return;
            typed = true;
            QTest::keyClicks(s.game->txtWord, QStringLiteral("zzz"));
            QTest::keyClick(s.game->txtWord, Qt::Key_Return);
            s.game->btnOK->click();
        };
        s.Answer();
        s.env.fake->onDoEvents = nullptr;
        QVERIFY(typed);
        CWord *second = s.game->TestWord();
        QVERIFY(second && second != first);
        QCOMPARE(second->iTestResult, 0);
        QVERIFY(s.game->txtWord->text().isEmpty());
        QVERIFY(s.game->txtWord->isEnabled());
        s.game->EndGame();
        s.game->EndGame();
        QVERIFY(!s.game->timHideIcon->isActive());
        QVERIFY(!s.game->iconRightAnswer->isVisible());
    }
};
TALLIVO_TEST(TestUcMoxie)
#include "tst_uc_moxie.moc"
