// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rulesenv.h"
#include "support/testmain.h"
#include "games/choiceround.h"
#include "games/flipdeck.h"
#include <QSet>

namespace {
// Answers the round's word with the given picks: 'W' a wrong slot, 'R' the right one.
void AnswerWith(ChoiceRound &r, const QString &picks)
{
    for (QChar p : picks) {
        int slot = -1;
        for (int s = 0; s < r.ChoiceCount(); ++s) {
            if (r.IsRight(s) == (p == QLatin1Char('R'))) {
                slot = s;
                break;
            }
        }
        r.Answer(slot);
        if (p == QLatin1Char('W'))
            r.Resume();
    }
}

// Card numbers of the picture card and the English card of a word.
QPair<int, int> CardsOf(const FlipDeck &d, const CWord *w)
{
    QPair<int, int> out{0, 0};
    for (int k = 1; k <= d.CardCount(); ++k) {
        if (d.CardAt(k).word != w)
            continue;
        (d.CardAt(k).face == FlipDeck::Face::Picture ? out.first : out.second) = k;
    }
    return out;
}
} // namespace

class TestChoiceRound : public QObject {
    Q_OBJECT
private slots:
    void everyWordOnceWithUpToFourChoices_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("choices");
        QTest::addRow("1 word") << 1 << 1;
        QTest::addRow("3 words") << 3 << 3;
        QTest::addRow("4 words") << 4 << 4;
        QTest::addRow("10 words") << 10 << 4;
    }
    void everyWordOnceWithUpToFourChoices()
    {
        QFETCH(int, words);
        QFETCH(int, choices);
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = env.UnitOf(words);
        ChoiceRound r;
        r.Start(u);
        QSet<CWord *> asked;
        for (int i = 1; i <= words; ++i) {
            QVERIFY(r.NextWord());
            QCOMPARE(r.Progress(), QStringLiteral("%1 / %2").arg(i).arg(words));
            QCOMPARE(r.ChoiceCount(), choices);
            int right = 0;
            QSet<CWord *> shown;
            for (int s = 0; s < ChoiceRound::kSlots; ++s) {
                QCOMPARE(r.Choice(s) != nullptr, s < choices);
                if (r.Choice(s))
                    shown.insert(r.Choice(s));
                right += r.IsRight(s);
            }
            QCOMPARE(shown.size(), choices);
            QCOMPARE(right, 1);
            QVERIFY(!asked.contains(r.TestWord()));
            asked.insert(r.TestWord());
            AnswerWith(r, QStringLiteral("R"));
        }
        QVERIFY(!r.NextWord());
        QCOMPARE(r.state(), ChoiceRound::State::Over);
        QVERIFY(r.Perfect());
    }

    void oneAnswerPerClick_data()
    {
        QTest::addColumn<QString>("picks");
        QTest::addColumn<int>("longTerm");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("points");
        QTest::addRow("right at once") << "R" << 1 << 1 << 10;
        QTest::addRow("wrong then right") << "WR" << -2 << -1 << 0;
        QTest::addRow("wrong, wrong, right") << "WWR" << -4 << -1 << 0;
        QTest::addRow("three wrong then right") << "WWWR" << -6 << -1 << 0;
    }
    void oneAnswerPerClick()
    {
        QFETCH(QString, picks);
        QFETCH(int, longTerm);
        QFETCH(int, status);
        QFETCH(int, points);
        GamesEnv env;
        QVERIFY(env.Load());
        gTestMode = 1;
        ClassUnit *u = env.UnitOf(5);
        ChoiceRound r;
        r.Start(u);
        QVERIFY(r.NextWord());
        CWord *w = r.TestWord();
        const int before = w->iTestResult;
        AnswerWith(r, picks);
        QCOMPARE(w->iTestResult - before, longTerm);
        QCOMPARE(w->myTestedStatus, status);
        QCOMPARE(gUser->myScore, points);
        QCOMPARE(r.state(), ChoiceRound::State::Busy);
        // a right answer waits for the next word, not for another answer
        r.Resume();
        QCOMPARE(r.Answer(0), ChoiceRound::Outcome::Ignored);
        QVERIFY(r.NextWord());
        QCOMPARE(r.TestWord()->myTestedStatus, 0);
        QCOMPARE(u->WrongNum(), status == -1 ? 1 : 0);
    }

    void answersWhileBusyCountForNothing()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        ChoiceRound r;
        r.Start(env.UnitOf(4));
        QVERIFY(r.NextWord());
        int wrong = 0;
        while (r.IsRight(wrong))
            ++wrong;
        int right = 0;
        while (!r.IsRight(right))
            ++right;
        QCOMPARE(r.Answer(wrong), ChoiceRound::Outcome::Wrong);
        // the mark is still shown: the right click meanwhile is no answer
        QCOMPARE(r.Answer(right), ChoiceRound::Outcome::Ignored);
        QCOMPARE(r.TestWord()->myTestedStatus, -1);
        QCOMPARE(r.TestWord()->iTestResult, -2);
        r.Resume();
        QCOMPARE(r.Answer(right), ChoiceRound::Outcome::Right);
        QCOMPARE(r.Answer(wrong), ChoiceRound::Outcome::Ignored);
        QCOMPARE(r.TestWord()->iTestResult, -2);
        QCOMPARE(gUser->myScore, 0);
    }

    void sameEnglishEitherIsRight()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        TwinWords twins;
        ChoiceRound r;
        r.Start(&twins.unit);
        QVERIFY(r.NextWord());
        QVERIFY(r.IsRight(0));
        QVERIFY(r.IsRight(1));
        QCOMPARE(r.Answer(1), ChoiceRound::Outcome::Right);
    }

    void noWordsNothingAskedNeverPerfect()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit empty;
        ChoiceRound r;
        r.Start(&empty);
        QVERIFY(!r.NextWord());
        QCOMPARE(r.Answer(0), ChoiceRound::Outcome::Ignored);
        QVERIFY(!r.Perfect());
    }

    void answerArrayClearsAllFourSlots()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        std::vector<int> ans;
        QCOMPARE(env.UnitOf(6)->GetAnsArr(1, ans), 4);
        QCOMPARE(env.UnitOf(2)->GetAnsArr(1, ans), 2);
        // slots 3 and 4 would still name words of the six-word unit
        QCOMPARE(ans[3], -1);
        QCOMPARE(ans[4], -1);
    }
};

class TestFlipDeck : public QObject {
    Q_OBJECT
private slots:
    void twoCardsPerWordShuffledInBlocks_data()
    {
        QTest::addColumn<int>("words");
        QTest::addRow("5 words") << 5;
        QTest::addRow("12 words") << 12;
        QTest::addRow("14 words") << 14;
    }
    void twoCardsPerWordShuffledInBlocks()
    {
        QFETCH(int, words);
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = env.UnitOf(words);
        FlipDeck d;
        d.Start(u);
        QCOMPARE(d.CardCount(), 2 * words);
        for (int i = 1; i <= words; ++i) {
            CWord *w = nullptr;
            QVERIFY(u->GetWordByID(i, w));
            const auto cards = CardsOf(d, w);
            QVERIFY(cards.first > 0 && cards.second > 0);
            // a word's cards stay within the 24 card numbers of its group
            const int block = (i - 1) / 12;
            for (int k : {cards.first, cards.second})
                QCOMPARE((k - 1) / 24, block);
        }
        for (int k = 1; k <= d.CardCount(); ++k) {
            QCOMPARE(d.CardAt(k).state, FlipDeck::CardState::NotDealt);
            QCOMPARE(d.SlotOf(k), k - 1);
        }
        QCOMPARE(FlipDeck::SlotPos(0), QPoint(8, 8));
        QCOMPARE(FlipDeck::SlotPos(5), QPoint(256, 166));
        QCOMPARE(FlipDeck::SlotPos(16), QPoint(8, 640));
        int dealt = 0;
        while (d.DealNext() > 0)
            ++dealt;
        QCOMPARE(dealt, 2 * words);
        QVERIFY(d.AllDealt());
    }

    void clicksRecordOnTheFirstCardsWord()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        gTestMode = 2;
        ClassUnit *u = env.UnitOf(5);
        FlipDeck d;
        d.Start(u);
        while (d.DealNext() > 0) {
        }
        CWord *a = nullptr, *b = nullptr;
        u->GetWordByID(1, a);
        u->GetWordByID(2, b);
        const auto ca = CardsOf(d, a), cb = CardsOf(d, b);

        QCOMPARE(d.Click(ca.first), FlipDeck::Outcome::Selected);
        QCOMPARE(d.Click(ca.first), FlipDeck::Outcome::Deselected);
        QCOMPARE(a->myTestedStatus, 0);

        QCOMPARE(d.Click(ca.first), FlipDeck::Outcome::Selected);
        QCOMPARE(d.Click(cb.second), FlipDeck::Outcome::WrongPair);
        QCOMPARE(a->myTestedStatus, -1);
        QCOMPARE(a->iTestResult, -2);
        QCOMPARE(b->myTestedStatus, 0);
        QCOMPARE(d.Selected(), -1);

        QCOMPARE(d.Click(ca.second), FlipDeck::Outcome::Selected);
        QCOMPARE(d.Click(ca.first), FlipDeck::Outcome::Match);
        QCOMPARE(a->myTestedStatus, -1);
        QCOMPARE(gUser->myScore, 0);
        QCOMPARE(d.CardAt(ca.first).state, FlipDeck::CardState::Removed);
        QCOMPARE(d.Click(ca.first), FlipDeck::Outcome::Ignored);

        QCOMPARE(d.Click(cb.first), FlipDeck::Outcome::Selected);
        QCOMPARE(d.Click(cb.second), FlipDeck::Outcome::Match);
        QCOMPARE(b->myTestedStatus, 1);
        QCOMPARE(gUser->myScore, 10);
        // the cards behind close up
        QList<int> places;
        for (int k = 1; k <= d.CardCount(); ++k) {
            if (d.CardAt(k).state != FlipDeck::CardState::Removed)
                places << d.SlotOf(k);
        }
        QCOMPARE(places, (QList<int>{0, 1, 2, 3, 4, 5}));
        QVERIFY(!d.AllMatched());
    }

    void aPairMatchedWhileDealingNeverComesBack()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = env.UnitOf(3);
        FlipDeck d;
        d.Start(u);
        // deal until both cards of one word are out
        CWord *w = nullptr;
        QPair<int, int> c;
        for (;;) {
            QVERIFY(d.DealNext() > 0);
            for (int i = 1; i <= 3; ++i) {
                CWord *x = nullptr;
                u->GetWordByID(i, x);
                const auto cx = CardsOf(d, x);
                if (d.CardAt(cx.first).state == FlipDeck::CardState::Shown
                    && d.CardAt(cx.second).state == FlipDeck::CardState::Shown) {
                    w = x;
                    c = cx;
                }
            }
            if (w)
                break;
        }
        // a card not dealt yet cannot be clicked
        if (!d.AllDealt())
            QCOMPARE(d.Click(d.CardCount()), FlipDeck::Outcome::Ignored);
        d.Click(c.first);
        QCOMPARE(d.Click(c.second), FlipDeck::Outcome::Match);
        while (d.DealNext() > 0) {
        }
        QCOMPARE(d.CardAt(c.first).state, FlipDeck::CardState::Removed);
        QCOMPARE(d.CardAt(c.second).state, FlipDeck::CardState::Removed);
        QVERIFY(!d.AllMatched());
    }

    void theLastMatchEndsTheGame()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = env.UnitOf(2);
        FlipDeck d;
        d.Start(u);
        for (int i = 1; i <= 2; ++i) {
            CWord *x = nullptr;
            u->GetWordByID(i, x);
            const auto cx = CardsOf(d, x);
            while (d.CardAt(cx.first).state == FlipDeck::CardState::NotDealt
                   || d.CardAt(cx.second).state == FlipDeck::CardState::NotDealt)
                d.DealNext();
            d.Click(cx.first);
            QCOMPARE(d.Click(cx.second), FlipDeck::Outcome::Match);
        }
        QVERIFY(d.AllMatched());
        QVERIFY(d.Perfect());
    }

    void oneWordTwiceMatchesByWord()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        TwinWords twins;
        FlipDeck d;
        d.Start(&twins.unit);
        while (d.DealNext() > 0) {
        }
        const auto ca = CardsOfWord(d, 1), cb = CardsOfWord(d, 2);
        d.Click(ca.first);
        // the picture of one and the English of the other are the same word
        QCOMPARE(d.Click(cb.second), FlipDeck::Outcome::Match);
        d.Click(cb.first);
        QCOMPARE(d.Click(ca.second), FlipDeck::Outcome::Match);
        QVERIFY(d.AllMatched());
        QVERIFY(d.Perfect());
    }

    // Two words of one meaning ("bye", "goodbye": 再见): either English card
    // goes with either picture card, but never two of a kind.
    void oneMeaningTwoWordsMatchEitherWay()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        TwinWords twins;
        twins.a.UserEN = QStringLiteral("bye");
        twins.b.UserEN = QStringLiteral("goodbye");
        twins.a.Chinese = twins.b.Chinese = QStringLiteral("再见");
        FlipDeck d;
        d.Start(&twins.unit);
        while (d.DealNext() > 0) {
        }
        const auto ca = CardsOfWord(d, 1), cb = CardsOfWord(d, 2);
        d.Click(ca.second);
        QCOMPARE(d.Click(cb.second), FlipDeck::Outcome::WrongPair); // two English cards
        d.Click(ca.first);
        QCOMPARE(d.Click(cb.second), FlipDeck::Outcome::Match);
        d.Click(cb.first);
        QCOMPARE(d.Click(ca.second), FlipDeck::Outcome::Match);
        QVERIFY(d.AllMatched());
    }

    void noWordsNoCardsNeverPerfect()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit empty;
        FlipDeck d;
        d.Start(&empty);
        QCOMPARE(d.CardCount(), 0);
        QVERIFY(!d.AllMatched());
        QVERIFY(!d.Perfect());
    }
};

TALLIVO_TEST(TestChoiceRound)
TALLIVO_TEST(TestFlipDeck)
#include "tst_rounds.moc"
