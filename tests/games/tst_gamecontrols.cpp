// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamesenv.h"
#include "support/testmain.h"
#include "games/uc_ffk.h"
#include "games/uc_rrk.h"
#include "games/uc_xxk.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/entextctl.h"
#include "widgets/newwordpicctl.h"
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {
QLabel *EnglishOf(EnTextCtl *strip)
{
    return strip->findChild<QLabel *>(QStringLiteral("lblEnglish"));
}

} // namespace

class TestWordChoiceGame : public QObject {
    Q_OBJECT
private slots:
    void wrongWrongRightRecordsOnTheWordAsked()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(5);
        UC_XXK x;
        x.show();
        x.StartGame();
        QCOMPARE(gTestMode, 1);
        CWord *asked = x.Round().TestWord();
        const int wrong = ChoiceSlot(x.Round(), false);
        const int right = ChoiceSlot(x.Round(), true);

        x.EnText_Click(wrong);
        QVERIFY(x.iconWrongAnswer->isVisible());
        // the right click inside the one-second mark is no answer
        x.EnText_Click(right);
        QVERIFY(!x.timMoveEnText->isActive());
        QCOMPARE(Tick(&x, "timHideIcon"), 1);
        QVERIFY(!x.iconWrongAnswer->isVisible());
        x.EnText_Click(wrong);
        Tick(&x, "timHideIcon");
        x.EnText_Click(right);
        QVERIFY(x.timMoveEnText->isActive());
        RunTimers(&x);

        QCOMPARE(asked->iTestResult, -4);
        QCOMPARE(asked->myTestedStatus, -1);
        QCOMPARE(gUser->myScore, 0);
        QVERIFY(x.Round().TestWord() != asked);
        QCOMPARE(x.Round().TestWord()->myTestedStatus, 0);
        QCOMPARE(x.lblNum->text(), QStringLiteral("2 / 5"));
        QCOMPARE(gCurrUnit->WrongNum(), 1);
    }

    void clicksDuringTheSlideChangeNothing()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(6);
        UC_XXK x;
        x.show();
        x.StartGame();
        CWord *asked = x.Round().TestWord();
        const int right = ChoiceSlot(x.Round(), true);
        const int wrong = ChoiceSlot(x.Round(), false);
        x.EnText_Click(right);
        QCOMPARE(gUser->myScore, 10);
        Tick(&x, "timMoveEnText", 4);
        const QPoint midway = x.EnText[size_t(right)]->pos();
        x.EnText_Click(wrong);
        x.EnText_Click(right);
        QCOMPARE(asked->iTestResult, 1);
        QCOMPARE(asked->myTestedStatus, 1);
        QCOMPARE(gUser->myScore, 10);
        QVERIFY(!x.iconWrongAnswer->isVisible());
        QCOMPARE(x.EnText[size_t(right)]->pos(), midway);
        // the slide ends in ten steps on the picture's top edge
        QCOMPARE(RunTimers(&x), 6);
        QCOMPARE(x.lblNum->text(), QStringLiteral("2 / 6"));
        QCOMPARE(x.Round().TestWord()->myTestedStatus, 0);
    }

    void inputDuringTheVoiceAnswersNothing_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addRow("queued while the sound held the program") << false;
        QTest::addRow("arriving while the window lives") << true;
    }
    void inputDuringTheVoiceAnswersNothing()
    {
        QFETCH(bool, live);
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(4);
        UC_XXK x;
        x.show();
        QVERIFY(QTest::qWaitForWindowExposed(&x));
        x.StartGame();
        x.EnText_Click(ChoiceSlot(x.Round(), true));
        // the learner clicks every strip while the word is spoken
        bool clicked = false;
        if (live) {
            // the wait lets a timer fire and the clicks arrive during the sound
            env.fake.liveSoundMs = 300;
            QTimer::singleShot(20, &x, [&] {
                clicked = true;
                for (EnTextCtl *s : x.EnText)
                    QTest::mouseClick(s, Qt::LeftButton, {}, s->rect().center());
            });
        } else {
            env.fake.onBlockingPlay = [&] {
                env.fake.onBlockingPlay = nullptr;
                clicked = true;
                for (EnTextCtl *s : x.EnText)
                    QueueClick(s);
            };
        }
        RunTimers(&x);
        env.fake.liveSoundMs = 0;
        QCoreApplication::processEvents();
        QVERIFY(clicked);
        QCOMPARE(x.Round().state(), ChoiceRound::State::Asking);
        QCOMPARE(x.Round().TestWord()->myTestedStatus, 0);
        QCOMPARE(gCurrUnit->WrongNum(), 0);
        QCOMPARE(gCurrUnit->CorrectNum(), 1);
        QVERIFY(!x.iconWrongAnswer->isVisible());
    }

    void aClickDuringTheHoverSoundCounts()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(4);
        UC_XXK x;
        x.show();
        QVERIFY(QTest::qWaitForWindowExposed(&x));
        x.StartGame();
        const int right = ChoiceSlot(x.Round(), true);
        env.fake.onBlockingPlay = [&] {
            env.fake.onBlockingPlay = nullptr;
            QueueClick(x.EnText[size_t(right)]);
        };
        x.EnText_MouseMove(right);
        QVERIFY(x.picBorder->isVisible());
        QCoreApplication::processEvents();
        // the word is still the same, so the click answers it
        QVERIFY(x.timMoveEnText->isActive());
        QCOMPARE(gUser->myScore, 10);
    }

    void gameOverOnceQueuedAfterTheLastWord()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(3);
        UC_XXK x;
        x.show();
        QSignalSpy over(&x, &GameControl::GameOver);
        x.StartGame();
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(x.lblNum->text(), QStringLiteral("%1 / 3").arg(i));
            x.EnText_Click(ChoiceSlot(x.Round(), true));
            RunTimers(&x);
        }
        QCOMPARE(over.count(), 0);
        QVERIFY(!x.Playing());
        QCoreApplication::processEvents();
        QCOMPARE(over.count(), 1);
        QCOMPARE(over.at(0).at(0).toBool(), true);
        x.EnText_Click(0);
        QCoreApplication::processEvents();
        QCOMPARE(over.count(), 1);
        QCOMPARE(gUser->myScore, 30);
    }

    void endGameStopsTheSlideAndItsResult()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(1);
        UC_XXK x;
        x.show();
        QSignalSpy over(&x, &GameControl::GameOver);
        x.StartGame();
        x.EnText_Click(ChoiceSlot(x.Round(), true));
        Tick(&x, "timMoveEnText", 3);
        x.EndGame();
        x.EndGame();
        QVERIFY(!x.timMoveEnText->isActive());
        QCOMPARE(RunTimers(&x), 0);
        QCoreApplication::processEvents();
        QCOMPARE(over.count(), 0);
        QCOMPARE(env.WaitPlays(), 0);
    }

    void fewWordsFewChoices_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("testMode");
        for (int n : {1, 3, 4}) {
            QTest::addRow("%d words, word choice", n) << n << 1;
            QTest::addRow("%d words, picture choice", n) << n << 0;
        }
    }
    void fewWordsFewChoices()
    {
        QFETCH(int, words);
        QFETCH(int, testMode);
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(words);
        gTestMode = testMode;
        std::unique_ptr<GameControl> game;
        QList<QWidget *> choices;
        if (testMode == 1) {
            auto *x = new UC_XXK;
            game.reset(x);
            for (EnTextCtl *s : x->EnText)
                choices << s;
        } else {
            auto *r = new UC_RRK;
            r->SetTestMode(testMode);
            game.reset(r);
            for (NewWordPicCtl *c : r->img2Word)
                choices << c;
        }
        game->show();
        game->StartGame();
        int shown = 0;
        for (QWidget *c : choices)
            shown += c->isVisible();
        QCOMPARE(shown, words);
    }
};

class TestPictureChoiceGame : public QObject {
    Q_OBJECT
private slots:
    void englishHiddenUntilTheRightPicture_data()
    {
        QTest::addColumn<int>("testMode");
        QTest::addColumn<bool>("shownAtFirst");
        QTest::addRow("listening game") << 3 << false;
        QTest::addRow("picture game") << 0 << true;
    }
    void englishHiddenUntilTheRightPicture()
    {
        QFETCH(int, testMode);
        QFETCH(bool, shownAtFirst);
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(12);
        gTestMode = testMode;
        UC_RRK r;
        r.SetTestMode(testMode);
        r.show();
        r.StartGame();
        QCOMPARE(r.lblNum->text(), QStringLiteral("1 / 12"));
        // the word was spoken before the pictures came
        QCOMPARE(env.WaitPlays(), 1);
        QCOMPARE(EnglishOf(r.EnText)->isVisible(), shownAtFirst);
        r.img2Word_Click(ChoiceSlot(r.Round(), false));
        QVERIFY(r.iconWrongAnswer->isVisible());
        QCOMPARE(EnglishOf(r.EnText)->isVisible(), shownAtFirst);
        Tick(&r, "timHideIcon");
        r.img2Word_Click(ChoiceSlot(r.Round(), true));
        QVERIFY(r.iconRightAnswer->isVisible());
        QVERIFY(EnglishOf(r.EnText)->isVisible());
        const QRect card = r.img2Word[size_t(ChoiceSlot(r.Round(), true))]->geometry();
        const QPoint target(card.left(), card.top() - r.EnText->height());
        QCOMPARE(Tick(&r, "timMoveEnText", 9), 9);
        QVERIFY(r.EnText->pos() != target);
        QVERIFY((r.EnText->pos() - target).manhattanLength() < 80);
        // the tenth step lands on the card, and the next word follows
        QCOMPARE(Tick(&r, "timMoveEnText", 100), 1);
        QCOMPARE(r.lblNum->text(), QStringLiteral("2 / 12"));
    }

    void clicksDuringTheMarkAreNoAnswer()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(4);
        UC_RRK r;
        r.show();
        r.StartGame();
        CWord *asked = r.Round().TestWord();
        const int wrong = ChoiceSlot(r.Round(), false);
        r.img2Word_Click(wrong);
        r.img2Word_Click(wrong);
        r.img2Word_Click(ChoiceSlot(r.Round(), true));
        QCOMPARE(asked->iTestResult, -2);
        QVERIFY(!r.timMoveEnText->isActive());
        RunTimers(&r);
        QCOMPARE(r.Round().TestWord(), asked);
        QCOMPARE(r.Round().state(), ChoiceRound::State::Asking);
    }
};

namespace {
// The cards shown; each one lies whole inside the game area.
int CardsInView(const UC_FFK &f)
{
    int n = 0;
    for (size_t k = 1; k < f.picWord.size(); ++k) {
        if (f.picWord[k]->isHidden())
            continue;
        ++n;
        if (!f.rect().contains(f.picWord[k]->geometry()))
            return -1;
    }
    return n;
}
} // namespace

class TestFlipCardGame : public QObject {
    Q_OBJECT
private slots:
    void dealsOneCardEveryTickIntoItsSlot()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(5);
        UC_FFK f;
        f.show();
        f.StartGame();
        QCOMPARE(int(f.picWord.size()), 11);
        QCOMPARE(f.Timer1->interval(), 100);
        for (int k = 1; k <= 10; ++k) {
            QVERIFY(!f.picWord[size_t(k)]->isVisible());
            Tick(&f, "Timer1");
            QVERIFY(f.picWord[size_t(k)]->isVisible());
            QCOMPARE(f.picWord[size_t(k)]->pos(), FlipDeck::SlotPos(k - 1));
        }
        QVERIFY(!f.Timer1->isActive());
    }

    void aPairMatchedDuringDealingNeverComesBack()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(6);
        UC_FFK f;
        f.show();
        f.StartGame();
        // deal until some word has both its cards out
        QPair<int, int> pair{0, 0};
        while (!pair.first) {
            QCOMPARE(Tick(&f, "Timer1"), 1);
            for (int id = 1; id <= 6 && !pair.first; ++id) {
                const auto c = CardsOfWord(f.Deck(), id);
                if (f.picWord[size_t(c.first)]->isVisible() && f.picWord[size_t(c.second)]->isVisible())
                    pair = c;
            }
        }
        QVERIFY(f.Timer1->isActive());
        f.picWord_Click(pair.first);
        f.picWord_Click(pair.second);
        RunTimers(&f);
        QVERIFY(!f.picWord[size_t(pair.first)]->isVisible());
        QVERIFY(!f.picWord[size_t(pair.second)]->isVisible());
        int visible = 0;
        for (size_t k = 1; k < f.picWord.size(); ++k)
            visible += f.picWord[k]->isVisible();
        QCOMPARE(visible, 10);
        QVERIFY(f.Playing());
    }

    void matchingEveryPairEndsPerfect()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(14);
        UC_FFK f;
        f.show();
        QSignalSpy over(&f, &GameControl::GameOver);
        f.StartGame();
        RunTimers(&f);
        // 25 cards in view, none cut off by the edge; the last three wait
        QCOMPARE(CardsInView(f), 25);
        QVERIFY(f.picWord[26]->isHidden());
        for (int id = 1; id <= 14; ++id) {
            const auto c = CardsOfWord(f.Deck(), id);
            f.picWord_Click(c.second);
            f.picWord_Click(c.first);
        }
        QCoreApplication::processEvents();
        QCOMPARE(over.count(), 1);
        QCOMPARE(over.at(0).at(0).toBool(), true);
        QCOMPARE(gUser->myScore, 140);
        QCOMPARE(gCurrUnit->CorrectNum(), 14);
    }

    // Every card of a group of up to 12 words lies whole inside the game area,
    // and the selected card's rim is wide enough to see.
    void everyCardInView_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("cardWidth");
        QTest::addRow("5 words, large cards") << 5 << 240;
        QTest::addRow("8 words, large cards") << 8 << 240;
        QTest::addRow("11 words") << 11 << 190;
        QTest::addRow("12 words") << 12 << 190;
    }
    void everyCardInView()
    {
        QFETCH(int, words);
        QFETCH(int, cardWidth);
        GamesEnv env;
        QVERIFY(env.Load());
        QCOMPARE(env.UnitOf(words)->WordNum(), words);
        UC_FFK f;
        f.resize(1000, 647);
        f.show();
        f.StartGame();
        RunTimers(&f);
        QCOMPARE(CardsInView(f), 2 * words);
        for (int k = 1; k <= 2 * words; ++k) {
            const QRect r = f.picWord[size_t(k)]->geometry();
            QCOMPARE(r.width(), cardWidth);
            for (int j = 1; j < k; ++j)
                QVERIFY(!r.intersects(f.picWord[size_t(j)]->geometry()));
        }
        f.picWord_Click(2 * words);
        QVERIFY(f.borderSel->isVisible());
        const QRect card = f.picWord[size_t(2 * words)]->geometry();
        QCOMPARE(f.borderSel->geometry(), card.adjusted(-5, -5, 5, 5));
        QVERIFY(f.rect().contains(f.borderSel->geometry()));
    }

    // Cards that wait out of view come in, whole, as pairs before them go.
    void waitingCardsComeIntoView()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(14);
        UC_FFK f;
        f.resize(1000, 647);
        f.show();
        f.StartGame();
        RunTimers(&f);
        QCOMPARE(CardsInView(f), 25);
        for (int id = 1; id <= 2; ++id) {
            const auto c = CardsOfWord(f.Deck(), id);
            f.picWord_Click(c.first);
            f.picWord_Click(c.second);
        }
        // 24 cards left, all in view
        QCOMPARE(CardsInView(f), 24);
        QVERIFY(f.picWord[28]->isVisible());
    }

    void aWrongPairMarksTheFirstCardsWordOnly()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(3);
        UC_FFK f;
        f.show();
        f.StartGame();
        RunTimers(&f);
        const auto a = CardsOfWord(f.Deck(), 1), b = CardsOfWord(f.Deck(), 2);
        f.picWord_Click(a.first);
        QVERIFY(f.borderSel->isVisible());
        f.picWord_Click(b.second);
        QVERIFY(f.iconWrongAnswer->isVisible());
        // clicks while the cross shows are no answer
        f.picWord_Click(a.first);
        f.picWord_Click(a.second);
        QCOMPARE(f.Deck().CardAt(a.first).state, FlipDeck::CardState::Shown);
        Tick(&f, "TimerIcon");
        CWord *wa = f.Deck().CardAt(a.first).word, *wb = f.Deck().CardAt(b.first).word;
        QCOMPARE(wa->myTestedStatus, -1);
        QCOMPARE(wb->myTestedStatus, 0);
        f.picWord_Click(a.first);
        f.picWord_Click(a.second);
        QCOMPARE(wa->myTestedStatus, -1);
        QCOMPARE(gUser->myScore, 0);
    }

    void aNewGameRemovesTheOldCardsLater()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(2);
        UC_FFK f;
        f.show();
        f.StartGame();
        QPointer<NewWordPicCtl> old = f.picWord[1];
        f.StartGame();
        QVERIFY(old);
        QVERIFY(!old->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!old);
        QCOMPARE(int(f.picWord.size()), 5);
    }
};

TALLIVO_TEST(TestWordChoiceGame)
TALLIVO_TEST(TestPictureChoiceGame)
TALLIVO_TEST(TestFlipCardGame)
#include "tst_gamecontrols.moc"
