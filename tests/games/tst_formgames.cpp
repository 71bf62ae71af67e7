// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamesenv.h"
#include "support/testmain.h"
#include "course/formselunit.h"
#include "games/formgames.h"
#include "games/formgametip.h"
#include "games/gamemodectl.h"
#include "games/gamepics.h"
#include "games/uc_ffk.h"
#include "games/uc_rrk.h"
#include "games/uc_xxk.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/entextctl.h"
#include "widgets/newwordpicctl.h"
#include <QFileInfo>
#include <QLabel>
#include <QPointer>

namespace {
// The games window shown as exec() would show it, with game 0 begun.
bool Open(FormGames &dlg)
{
    dlg.show();
    if (!QTest::qWaitForWindowExposed(&dlg))
        return false;
    QCoreApplication::processEvents();
    return true;
}

void PlayFlipCardsPerfectly(UC_FFK *f)
{
    RunTimers(f);
    const FlipDeck &d = f->Deck();
    for (int id = 1; id <= gCurrUnit->WordNum(); ++id) {
        const auto c = CardsOfWord(d, id);
        f->picWord_Click(c.first);
        f->picWord_Click(c.second);
    }
}

// Game 1 begun on the window's unit and its first word answered right.
UC_XXK *WordChoiceOneAnswered(FormGames &dlg, int slideSteps = 100)
{
    dlg.GameModeCtl1->btnTestMode_Click(1);
    UC_XXK *x = dlg.UC_XXK1;
    x->EnText_Click(ChoiceSlot(x->Round(), true));
    Tick(x, "timMoveEnText", slideSteps);
    return x;
}
} // namespace

class TestFormGames : public QObject {
    Q_OBJECT
private slots:
    void gameZeroStartsOnceAfterShowing()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 3, 3));
        FormGames dlg;
        QVERIFY(dlg.UC_RRK1->isHidden());
        QCOMPARE(env.WaitPlays(), 0);
        QVERIFY(Open(dlg));
        QCOMPARE(gTestMode, 0);
        QVERIFY(dlg.UC_RRK1->isVisible());
        QCOMPARE(dlg.UC_RRK1->lblNum->text(), QStringLiteral("1 / 12"));
        QCOMPARE(dlg.GameModeCtl1->lblSelected->text(), QStringLiteral("单词认认看"));
        QCOMPARE(dlg.GameModeCtl1->lblUserName->text(), QStringLiteral("当前用户：小明"));
        const quint64 generation = dlg.UC_RRK1->Generation();
        dlg.UC_RRK1->img2Word_Click(ChoiceSlot(dlg.UC_RRK1->Round(), true));
        RunTimers(dlg.UC_RRK1);
        // neither a resize nor a second show discards the game
        dlg.resize(dlg.width() + 10, dlg.height());
        dlg.hide();
        dlg.show();
        QCoreApplication::processEvents();
        QCOMPARE(dlg.UC_RRK1->Generation(), generation);
        QCOMPARE(dlg.UC_RRK1->lblNum->text(), QStringLiteral("2 / 12"));
    }

    void aPerfectFlipCardGameEarnsACoin()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 1, 1));
        gUser->myCoin = 4;
        const QString profile = env.dir.file(QStringLiteral("usrdat/ustatus-0.dat"));
        QVERIFY(!QFileInfo::exists(profile));
        FormGames dlg;
        QVERIFY(Open(dlg));
        QCOMPARE(dlg.GameModeCtl1->lblLevel->text(), QStringLiteral("军衔：新兵"));
        dlg.GameModeCtl1->btnTestMode_Click(2);
        QCOMPARE(gTestMode, 2);
        QVERIFY(dlg.UC_FFK1->isVisible());
        QVERIFY(dlg.UC_RRK1->isHidden());

        ModalDriver driver;
        QString scoreText, ratioText;
        driver.Then([&](QWidget *w) {
            auto *tip = qobject_cast<FormGameTip *>(w);
            QVERIFY(tip);
            scoreText = tip->lblScore->text();
            ratioText = tip->lblCorrectRatio->text();
            tip->Choose(2);
        });
        PlayFlipCardsPerfectly(dlg.UC_FFK1);
        QTRY_VERIFY(!driver.StepsLeft() && gTestMode == 3);
        QCOMPARE(driver.seen, QStringList{QStringLiteral("FormGameTip")});
        QCOMPARE(scoreText, QStringLiteral("恭喜你获得1个金币,积30分"));
        QCOMPARE(ratioText, QStringLiteral("100%"));
        QCOMPARE(gUser->myCoin, 5);
        QCOMPARE(gUser->myScore, 30);
        QCOMPARE(dlg.GameModeCtl1->lblCoin->text(), QStringLiteral("金币：5"));
        QCOMPARE(dlg.GameModeCtl1->lblScore->text(), QStringLiteral("积分：30"));
        QCOMPARE(dlg.GameModeCtl1->lblLevel->text(), QStringLiteral("军衔：上士"));
        QCOMPARE(dlg.GameModeCtl1->btnTestMode[2]->property("ratio").toInt(), 100);
        QVERIFY(dlg.GameModeCtl1->btnTestMode[2]->PictureFile() == gamepics::ButtonGreen());
        QVERIFY(QFileInfo::exists(profile));
        QCOMPARE(gCurrUnit->GameScore(2), 100);
        // the next game has begun on fresh test statuses
        QVERIFY(dlg.UC_RRK1->isVisible());
        QCOMPARE(dlg.UC_RRK1->lblNum->text(), QStringLiteral("1 / 3"));
    }

    void redoFromTheLastMatchRunsClean()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 1, 1));
        FormGames dlg;
        QVERIFY(Open(dlg));
        dlg.GameModeCtl1->btnTestMode_Click(2);
        UC_FFK *f = dlg.UC_FFK1;
        RunTimers(f);
        const FlipDeck &d = f->Deck();
        ModalDriver driver;
        driver.Then([](QWidget *w) { qobject_cast<FormGameTip *>(w)->Choose(1); });
        QPointer<NewWordPicCtl> lastClicked;
        for (int id = 1; id <= 3; ++id) {
            const auto c = CardsOfWord(d, id);
            f->picWord_Click(c.first);
            // the last card is clicked as the learner clicks it
            lastClicked = f->picWord[size_t(c.second)];
            QTest::mouseClick(lastClicked, Qt::LeftButton, {}, QPoint(20, 20));
        }
        QTRY_VERIFY(!driver.StepsLeft() && f->Playing());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!lastClicked);
        QCOMPARE(gTestMode, 2);
        QCOMPARE(f->Deck().CardCount(), 6);
        RunTimers(f);
        QCOMPARE(gCurrUnit->UnTestedNum(), 3);
    }

    void escapeInAHalfPlayedGameAsks()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 3, 3));
        gUser->myCoin = 5;
        FormGames dlg;
        QVERIFY(Open(dlg));
        UC_XXK *x = WordChoiceOneAnswered(dlg);

        env.fake.msgAnswers.enqueue(MsgResult::Cancel);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QCOMPARE(env.fake.msgBoxes.size(), 1);
        const MsgBoxCall ask = env.fake.msgBoxes.at(0);
        QCOMPARE(ask.text, QStringLiteral("游戏还有11个单词没有完成，提前结束要扣一个金币喔！你确定现在要结束吗?"));
        QCOMPARE(ask.caption, QStringLiteral("Kelvan教育软件"));
        QCOMPARE(ask.icon, MsgIcon::Critical);
        QCOMPARE(ask.buttons, MsgButtons::OKCancel);
        QVERIFY(dlg.isVisible());
        QVERIFY(x->Playing());
        QCOMPARE(gUser->myCoin, 5);

        env.fake.msgAnswers.enqueue(MsgResult::OK);
        dlg.close();
        QCOMPARE(env.fake.msgBoxes.size(), 2);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(gUser->myCoin, 4);
        QVERIFY(!x->Playing());
        QVERIFY(QFileInfo::exists(env.dir.file(QStringLiteral("usrdat/ustatus-0.dat"))));
    }

    // Esc in the flip game is the window's way out, whatever has the focus
    // (the frame's picture buttons take it after a message box) and while a
    // matched pair is being said.
    void escapeInTheFlipGame_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addRow("game button focused") << "btnTestMode0";
        QTest::addRow("exit button focused") << "btnExit";
        QTest::addRow("while a pair is said") << "";
    }
    void escapeInTheFlipGame()
    {
        QFETCH(QString, where);
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 1, 1));
        gUser->myCoin = 5;
        FormGames dlg;
        QVERIFY(Open(dlg));
        dlg.GameModeCtl1->btnTestMode_Click(2);
        UC_FFK *f = dlg.UC_FFK1;
        RunTimers(f);
        const auto pair = CardsOfWord(f->Deck(), 1);
        env.fake.msgAnswers.enqueue(MsgResult::Cancel);
        f->picWord_Click(pair.first);
        if (where.isEmpty()) {
            env.fake.onBlockingPlay = [&] {
                env.fake.onBlockingPlay = nullptr;
                QTest::keyClick(&dlg, Qt::Key_Escape);
            };
        }
        f->picWord_Click(pair.second);
        auto *focused = where.isEmpty() ? static_cast<QWidget *>(&dlg) : dlg.findChild<QWidget *>(where);
        QVERIFY(focused);
        if (!where.isEmpty()) {
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key_Escape);
        }
        QCOMPARE(env.fake.msgBoxes.size(), 1);
        QCOMPARE(env.fake.msgBoxes.at(0).buttons, MsgButtons::OKCancel);
        QVERIFY(dlg.isVisible());
        QVERIFY(f->Playing());
        QCOMPARE(gCurrUnit->CorrectNum(), 1);
        // asked again, and left
        env.fake.msgAnswers.enqueue(MsgResult::OK);
        QTest::keyClick(focused, Qt::Key_Escape);
        QCOMPARE(env.fake.msgBoxes.size(), 2);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(gUser->myCoin, 4);
    }

    void leavingBeforeAnyAnswerAsksNothing()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 3, 3));
        gUser->myCoin = 5;
        FormGames dlg;
        QVERIFY(Open(dlg));
        dlg.GameModeCtl1->btnTestMode_Click(1);
        dlg.GameModeCtl1->btnExit_Click();
        QVERIFY(env.fake.msgBoxes.isEmpty());
        QVERIFY(!dlg.isVisible());
        QCOMPARE(gUser->myCoin, 5);
    }

    void aCourseChangeRestartsGameZeroWithoutAsking()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 3, 3));
        gUser->myCoin = 5;
        FormGames dlg;
        QVERIFY(Open(dlg));
        UC_XXK *x = WordChoiceOneAnswered(dlg, 3);

        ModalDriver driver;
        driver.Then([](QWidget *w) {
            auto *sel = qobject_cast<FormSelUnit *>(w);
            QVERIFY(sel);
            sel->NumCtl1_MouseDown(1, 1);
            sel->cmdOK_Click();
        });
        dlg.GameModeCtl1->lblUnit_Click();
        QCOMPARE(driver.seen, QStringList{QStringLiteral("FormSelUnit")});
        QVERIFY(env.fake.msgBoxes.isEmpty());
        QCOMPARE(gUser->myCoin, 5);
        QCOMPARE(gCurrUnit->WordNum(), 3);
        QCOMPARE(gTestMode, 0);
        QVERIFY(!x->Playing());
        QVERIFY(!x->timMoveEnText->isActive());
        QVERIFY(x->isHidden());
        QVERIFY(dlg.UC_RRK1->isVisible());
        QCOMPARE(dlg.UC_RRK1->lblNum->text(), QStringLiteral("1 / 3"));
        QVERIFY(dlg.GameModeCtl1->lblUnit->text().contains(QStringLiteral("Unit 1")));
    }

    void aSelectionWithoutWordsStartsNoGame()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(0);
        FormGames dlg;
        QVERIFY(Open(dlg));
        QCOMPARE(env.fake.msgBoxes.size(), 1);
        QCOMPARE(env.fake.msgBoxes.at(0).text, QStringLiteral("当前单元没有单词，请选择其他单元。"));
        QCOMPARE(env.fake.msgBoxes.at(0).caption, QStringLiteral("Kelvan教育软件"));
        QCOMPARE(env.fake.msgBoxes.at(0).icon, MsgIcon::Information);
        QVERIFY(dlg.VisibleGame() == nullptr);
        QCOMPARE(env.WaitPlays(), 0);
        // the learner can still leave without a question
        dlg.GameModeCtl1->btnExit_Click();
        QVERIFY(!dlg.isVisible());
    }

    // A game's button reads like a unit tile: the ratio on a green or red
    // disc in white, on an empty one in black.
    void gameButtonsShowTheirRatio_data()
    {
        QTest::addColumn<int>("ratio");
        QTest::addColumn<QString>("disc");
        QTest::addColumn<QColor>("number");
        QTest::addRow("not played") << 0 << "empty" << QColor(0, 0, 0);
        QTest::addRow("part right") << 20 << "red" << QColor(0xFF, 0xFF, 0xFF);
        QTest::addRow("all right") << 100 << "green" << QColor(0xFF, 0xFF, 0xFF);
    }
    void gameButtonsShowTheirRatio()
    {
        QFETCH(int, ratio);
        QFETCH(QString, disc);
        QFETCH(QColor, number);
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 1, 1));
        constexpr int kGame = 3;
        gCurrUnit->SetUnitStatus(kGame, ratio);
        GameModeCtl ctl;
        ctl.SetUnitTestStatus(kGame);
        const StdPicture &expected = disc == "empty" ? gamepics::ButtonEmpty()
                                     : disc == "red" ? gamepics::ButtonRed()
                                                     : gamepics::ButtonGreen();
        QVERIFY(ctl.btnTestMode[kGame]->PictureFile() == expected);
        QCOMPARE(ctl.btnTestMode[kGame]->property("ratio").toInt(), ratio);
        QCOMPARE(ctl.lblTestMode[kGame]->ForeColor(), number);
    }

    void letterGameButtonsStartNothingUntilTheirGamesExist()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 3, 3));
        FormGames dlg;
        QVERIFY(Open(dlg));
        for (int k = 4; k <= 6; ++k) {
            if (dlg.ControlFor(k))
                continue;
            dlg.GameModeCtl1->btnTestMode_Click(k);
            QCOMPARE(gTestMode, 0);
            QVERIFY(dlg.UC_RRK1->isVisible());
        }
    }

    void afterTheLastGame_data()
    {
        QTest::addColumn<int>("gameThree");
        QTest::addColumn<bool>("congratulated");
        QTest::addRow("all seven at 100") << 100 << true;
        QTest::addRow("game 3 below 100") << 80 << false;
    }
    void afterTheLastGame()
    {
        QFETCH(int, gameThree);
        QFETCH(bool, congratulated);
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 1, 1));
        FormGames dlg;
        QVERIFY(Open(dlg));
        for (int g = 0; g < 6; ++g)
            gCurrUnit->SetUnitStatus(g, g == 3 ? gameThree : 100);
        // game 6 was just played perfectly
        dlg.EndAllGames();
        gTestMode = 6;
        CWord *w = nullptr;
        for (int i = 1; gCurrUnit->GetWord(i, w); ++i)
            w->myTestedStatus = 1;
        ModalDriver driver;
        driver.Then([](QWidget *t) { qobject_cast<FormGameTip *>(t)->Choose(2); });
        dlg.OnGameOver(true);
        QCOMPARE(gCurrUnit->GameScore(6), 100);
        if (congratulated) {
            QCOMPARE(env.fake.msgBoxes.size(), 1);
            QCOMPARE(env.fake.msgBoxes.at(0).text, QStringLiteral("恭喜你闯关成功！"));
            QCOMPARE(env.fake.msgBoxes.at(0).caption, QStringLiteral("闯关成功"));
            QCOMPARE(env.fake.msgBoxes.at(0).icon, MsgIcon::Information);
            QVERIFY(!dlg.isVisible());
        } else {
            QVERIFY(env.fake.msgBoxes.isEmpty());
            QCOMPARE(gTestMode, 3);
            QVERIFY(dlg.UC_RRK1->isVisible());
            QCOMPARE(dlg.UC_RRK1->TestMode(), 3);
            QVERIFY(dlg.isVisible());
        }
    }

    void theScoreHookGoesWithTheWindow()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 1, 1));
        {
            FormGames dlg;
            gUser->myScore = 60;
            CWord w;
            // any answer of any game refreshes the panel
            answers::Record(w, scoring::Game::Choose, answers::Answer::Right);
            QCOMPARE(dlg.GameModeCtl1->lblScore->text(), QStringLiteral("积分：70"));
        }
        // the window is gone: an answer reaches no panel
        CWord w;
        answers::Record(w, scoring::Game::Choose, answers::Answer::Right);
        QCOMPARE(gUser->myScore, 80);
    }
};

class TestGameResult : public QObject {
    Q_OBJECT
private slots:
    void recordsTheRatioAndTheCoins_data()
    {
        QTest::addColumn<int>("testMode");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("score");
        QTest::addColumn<int>("coins");
        QTest::addRow("7 of 9") << 1 << 7 << 2 << QStringLiteral("77%") << QStringLiteral("恭喜你获得0个金币,积70分") << 0;
        QTest::addRow("perfect game 0") << 0 << 9 << 0 << QStringLiteral("100%")
                                        << QStringLiteral("恭喜你获得1个金币,积90分") << 1;
        QTest::addRow("perfect game 5") << 5 << 9 << 0 << QStringLiteral("100%")
                                        << QStringLiteral("恭喜你获得3个金币,积90分") << 3;
    }
    void recordsTheRatioAndTheCoins()
    {
        QFETCH(int, testMode);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, ratio);
        QFETCH(QString, score);
        QFETCH(int, coins);
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = env.UnitOf(9);
        u->SetUnitStatus(testMode, 20);
        gTestMode = testMode;
        CWord *w = nullptr;
        for (int i = 1; u->GetWord(i, w); ++i)
            w->myTestedStatus = i <= right ? 1 : (i <= right + wrong ? -1 : 0);
        FormGameTip tip;
        QCOMPARE(tip.userSelect, 0);
        QCOMPARE(tip.lblCorrectNum->text(), QString::number(right));
        QCOMPARE(tip.lblWrongNum->text(), QString::number(wrong));
        QCOMPARE(tip.lblCorrectRatio->text(), ratio);
        QCOMPARE(tip.lblScore->text(), score);
        QCOMPARE(gUser->myCoin, coins);
        QCOMPARE(u->GameScore(testMode), std::max(20, ratio.chopped(1).toInt()));
        QCOMPARE(u->UnTestedNum(), 9);
    }
};

class TestMergedUnitResults : public QObject {
    Q_OBJECT
private slots:
    void belongToTheirSelection()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 1, 2));
        ClassUnit *merged = gCurrUnit;
        merged->SetUnitStatus(0, 100);
        // the same selection collected again keeps its results
        QVERIFY(env.Select(1, 1, 1, 2));
        QCOMPARE(gCurrUnit, merged);
        QCOMPARE(merged->GameScore(0), 100);
        QVERIFY(env.Select(1, 1, 2, 3));
        QCOMPARE(gCurrUnit, merged);
        QCOMPARE(merged->GameScore(0), 0);
        QVERIFY(merged->GetUnitStatus().isEmpty());
        merged->SetUnitStatus(1, 50);
        QVERIFY(env.Select(1, 1, 2, 3, WordCategory::Untested));
        QCOMPARE(merged->GameScore(1), 0);
    }
};

TALLIVO_TEST(TestFormGames)
TALLIVO_TEST(TestGameResult)
TALLIVO_TEST(TestMergedUnitResults)
#include "tst_formgames.moc"
