// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamesenv.h"
#include "support/testmain.h"
#include "games/formgames.h"
#include "games/formgametip.h"
#include "games/gamemodectl.h"
#include "games/uc_jjk.h"
#include "games/uc_moxie.h"
#include "games/uc_ppk2.h"
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {
bool Open(FormGames &dlg)
{
    dlg.show();
    if (!QTest::qWaitForWindowExposed(&dlg))
        return false;
    dlg.activateWindow();
    QCoreApplication::processEvents();
    return true;
}

void SendKey(QWidget *to, char c, bool autoRepeat)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (QChar(c).toUpper().unicode() - 'A'), Qt::NoModifier,
                    QString(QLatin1Char(c)), autoRepeat);
    QApplication::sendEvent(to, &press);
}
} // namespace

class TestLetterGamesWindow : public QObject {
    Q_OBJECT
private slots:
    void lettersPlacedAndTyped()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Select(1, 1, 1, 1));
        FormGames dlg;
        QVERIFY(Open(dlg));
        auto *jjk = qobject_cast<UC_JJK *>(dlg.ControlFor(4));
        QVERIFY(jjk && qobject_cast<UC_PPK2 *>(dlg.ControlFor(5)) && qobject_cast<UC_MOXIE *>(dlg.ControlFor(6)));
        QCOMPARE(jjk->geometry().size(), QSize(1000, 640));
        dlg.GameModeCtl1->btnTestMode_Click(4);
        QCOMPARE(gTestMode, 4);
        QVERIFY(jjk->isVisible());
        QVERIFY(jjk->Round().IsOpen());
        const char right = char(jjk->Round().Correct().unicode());
        CWord *word = jjk->TestWord();
        const QString before = jjk->Round().Shown();
        // a held-down key repeats: the repeats do nothing
        SendKey(dlg.GameModeCtl1, right, true);
        QCOMPARE(jjk->Round().Shown(), before);
        // a key typed anywhere in the window reaches the game
        SendKey(dlg.GameModeCtl1, right, false);
        QVERIFY(jjk->Round().Shown() != before || jjk->TestWord() != word);
        QVERIFY(word->iTestResult >= 0);
    }

    // The result window names the points the game added, five a letter here,
    // and not ten a word.
    void resultShowsThePointsAdded()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Select(1, 1, 1, 1));
        gUser->myScore = 1000;
        FormGames dlg;
        QVERIFY(Open(dlg));
        dlg.GameModeCtl1->btnTestMode_Click(6);
        auto *moxie = qobject_cast<UC_MOXIE *>(dlg.ControlFor(6));
        QVERIFY(moxie->isVisible());
        ModalDriver driver;
        QString shown;
        driver.Then([&](QWidget *t) {
            auto *tip = qobject_cast<FormGameTip *>(t);
            shown = tip->lblScore->text();
            tip->Choose(0);
        });
        int words = 0;
        qint64 letters = 0;
        for (int i = 0; i < gCurrUnit->WordNum() && moxie->TestWord(); ++i) {
            const QString spelling = moxie->TestWord()->UserEN;
            letters += spelling.count(QRegularExpression(QStringLiteral("[A-Za-z]")));
            ++words;
            moxie->txtWord->setText(spelling);
            QTest::keyClick(moxie->txtWord, Qt::Key_Return);
        }
        QTRY_VERIFY(driver.seen.contains(QStringLiteral("FormGameTip")));
        QVERIFY(5 * letters != 10 * words);
        QCOMPARE(gUser->myScore, 1000 + 5 * letters);
        QCOMPARE(shown, QStringLiteral("恭喜你获得3个金币,积%1分").arg(5 * letters));
    }

    void dictationToTheEnd_data()
    {
        QTest::addColumn<int>("gameThree");
        QTest::addColumn<bool>("congratulated");
        QTest::addRow("all at 100") << 100 << true;
        QTest::addRow("game 3 below 100") << 50 << false;
    }
    void dictationToTheEnd()
    {
        QFETCH(int, gameThree);
        QFETCH(bool, congratulated);
        GamesEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Select(1, 1, 1, 1));
        FormGames dlg;
        QVERIFY(Open(dlg));
        for (int g = 0; g < 6; ++g)
            gCurrUnit->SetUnitStatus(g, g == 3 ? gameThree : 100);
        dlg.GameModeCtl1->btnTestMode_Click(6);
        auto *moxie = qobject_cast<UC_MOXIE *>(dlg.ControlFor(6));
        QVERIFY(moxie->isVisible());
        ModalDriver driver;
        driver.Then([](QWidget *t) { qobject_cast<FormGameTip *>(t)->Choose(2); });
        for (int i = 0; i < gCurrUnit->WordNum() && moxie->TestWord(); ++i) {
            moxie->txtWord->setText(moxie->TestWord()->UserEN);
            QTest::keyClick(moxie->txtWord, Qt::Key_Return);
        }
        QTRY_VERIFY(driver.seen.contains(QStringLiteral("FormGameTip")));
        QCOMPARE(gCurrUnit->GameScore(6), 100);
        if (congratulated) {
            QTRY_COMPARE(env.fake.msgBoxes.size(), 1);
            QCOMPARE(env.fake.msgBoxes.at(0).text, QStringLiteral("恭喜你闯关成功！"));
            QVERIFY(!dlg.isVisible());
        } else {
            QTRY_COMPARE(gTestMode, 3);
            QVERIFY(env.fake.msgBoxes.isEmpty());
            QVERIFY(dlg.isVisible());
            // the keys are the games window's again, without a click
            QTRY_COMPARE(QApplication::activeWindow(), &dlg);
            QVERIFY(dlg.isAncestorOf(QApplication::focusWidget()));
        }
    }
};
TALLIVO_TEST(TestLetterGamesWindow)
#include "tst_lettergameswindow.moc"
