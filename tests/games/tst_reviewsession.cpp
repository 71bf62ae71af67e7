// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Today's review played in the games window: the due words are asked in the
// game of their track, every answer grades its memory, the file is saved, the
// plan empties and the coins come once.
#include "gamesenv.h"
#include "support/testmain.h"
#include "games/formgames.h"
#include "games/gamecontrol.h"
#include "games/reviewgrading.h"
#include "games/reviewsession.h"
#include "wordbank/answers.h"
#include "wordbank/reviewday.h"
#include "wordbank/scoring.h"
#include <QFile>
#include <QLabel>
#include <QSet>

namespace {
const int kDay = int(QDate(2026, 12, 10).toJulianDay());

QSet<QString> UnitKeys()
{
    QSet<QString> keys;
    CWord *w = nullptr;
    for (int i = 1; gCurrUnit && gCurrUnit->GetWord(i, w); ++i)
        keys << w->English;
    return keys;
}

// Answers every word of the game shown right at once, as the game would
// record it, then ends the game.
void AnswerAllAndFinish(FormGames *games)
{
    CWord *w = nullptr;
    for (int i = 1; gCurrUnit && gCurrUnit->GetWord(i, w); ++i)
        answers::Record(*w, scoring::Game(gTestMode), answers::Answer::Right);
    if (GameControl *c = games->VisibleGame())
        QMetaObject::invokeMethod(c, "GameOver", Qt::QueuedConnection, Q_ARG(bool, true));
}
} // namespace

class TestReviewSession : public QObject {
    Q_OBJECT
private slots:
    void init() { reviewday::SetTodayForTest(kDay); }
    void cleanup()
    {
        reviewday::SetTodayForTest(std::nullopt);
        reviewgrading::Reset();
    }

    void playsThePlanToItsEnd()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 3, 3));
        const QStringList words = reviewsession::SelectionKeys();
        QVERIFY(words.size() >= 10);
        ReviewStore &store = gUser->Reviews();
        // three words to recognise and one to spell are due; the three
        // recognised words come new to spell, and five new words to recognise
        for (int i = 0; i < 3; ++i)
            store.Record(words[i], ReviewTrack::Recognise, fsrs::Grade::Good, kDay - 10);
        store.Record(words[3], ReviewTrack::Spell, fsrs::Grade::Again, kDay - 4);
        const ReviewPlan plan = reviewsession::TodayPlan();
        QCOMPARE(plan.dueTotal, 4);
        QCOMPARE(plan.Count(), 4 + 8);
        QCOMPARE(reviewsession::BadgeText(plan.Count()), QStringLiteral("今日复习 12"));
        QSet<QString> recognise, spell;
        for (const PlanItem &it : plan.items)
            (it.track == ReviewTrack::Recognise ? recognise : spell) << it.key;
        QCOMPARE(spell, (QSet<QString>{words[0], words[1], words[2], words[3]}));

        const int coins = gUser->myCoin;
        QList<QSet<QString>> asked;
        QList<int> games;
        QStringList progress;
        ModalDriver driver;
        driver.Then([&](QWidget *w) {
            auto *g = qobject_cast<FormGames *>(w);
            QVERIFY(g);
            QLabel *left = g->findChild<QLabel *>(QStringLiteral("lblReviewLeft"));
            QVERIFY(left);
            for (int part = 0; part < 2; ++part) {
                QVERIFY(QTest::qWaitFor([&] { return g->VisibleGame() && gTestMode == (part ? 4 : 0); }, 3000));
                asked << UnitKeys();
                games << gTestMode;
                progress << left->text();
                AnswerAllAndFinish(g);
                if (part == 0)
                    QVERIFY(QTest::qWaitFor([&] { return gTestMode == 4; }, 3000));
            }
        });
        const int paid = reviewsession::PlayTodayPlan(nullptr);
        QVERIFY2(!driver.StepsLeft(), qPrintable(driver.seen.join(", ")));
        QCOMPARE(driver.seen, QStringList{"FormGames"});
        QCOMPARE(games, (QList<int>{0, 4}));
        QCOMPARE(asked.value(0), recognise);
        QCOMPARE(asked.value(1), spell);
        QCOMPARE(progress.value(0), QStringLiteral("还剩 12 个"));
        QCOMPARE(progress.value(1), QStringLiteral("还剩 %1 个").arg(spell.size()));

        QCOMPARE(reviewsession::Remaining(plan), 0);
        QCOMPARE(reviewsession::TodayPlan().Count(), 0);
        QCOMPARE(paid, reviewsession::kPlanCoins);
        QCOMPARE(gUser->myCoin, coins + reviewsession::kPlanCoins);
        QCOMPARE(env.fake.msgBoxes.size(), 1);
        QVERIFY(env.fake.msgBoxes.last().text.contains(QStringLiteral("奖励 5 个金币")));
        for (const QString &k : recognise)
            QCOMPARE(store.Find(k, ReviewTrack::Recognise)->lastDay, kDay);
        for (const QString &k : spell)
            QCOMPARE(store.Find(k, ReviewTrack::Spell)->lastDay, kDay);

        // saved with the profile, and read back the same
        ReviewStore onDisk;
        QCOMPARE(onDisk.Load(ReviewFilePath(0)), ReviewStore::LoadResult::Read);
        QCOMPARE(onDisk.ToBytes(), store.ToBytes());

        // nothing left: a kind word and no second payment
        QCOMPARE(reviewsession::PlayTodayPlan(nullptr), 0);
        QCOMPARE(gUser->myCoin, coins + reviewsession::kPlanCoins);
        QVERIFY(env.fake.msgBoxes.last().text.contains(QStringLiteral("都完成啦")));
    }

    // Leaving half way (Esc, as a child would) keeps the answers given, asks
    // nothing and neither pays nor takes a coin.
    void leavingHalfWay()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 3, 3));
        const QStringList words = reviewsession::SelectionKeys();
        gUser->Reviews().Record(words[0], ReviewTrack::Spell, fsrs::Grade::Good, kDay - 30);
        const int coins = gUser->myCoin;
        QString answered;
        ModalDriver driver;
        driver.Then([&](QWidget *w) {
            auto *g = qobject_cast<FormGames *>(w);
            QVERIFY(QTest::qWaitFor([&] { return g->VisibleGame() != nullptr; }, 3000));
            CWord *first = nullptr;
            QVERIFY(gCurrUnit->GetWord(1, first));
            answered = first->English;
            answers::Record(*first, scoring::Game(gTestMode), answers::Answer::Wrong);
            // later answers in the round change nothing
            answers::Record(*first, scoring::Game(gTestMode), answers::Answer::Right);
            QTest::keyClick(g, Qt::Key_Escape);
            QVERIFY(QTest::qWaitFor([&] { return !g->isVisible(); }, 3000));
        });
        QCOMPARE(reviewsession::PlayTodayPlan(nullptr), 0);
        QVERIFY2(!driver.StepsLeft(), qPrintable(driver.seen.join(", ")));
        QCOMPARE(gUser->myCoin, coins);
        QCOMPARE(env.fake.msgBoxes.size(), 0);
        ReviewStore onDisk;
        QCOMPARE(onDisk.Load(ReviewFilePath(0)), ReviewStore::LoadResult::Read);
        const TrackMemory *m = onDisk.Find(answered, ReviewTrack::Recognise);
        QVERIFY(m);
        QCOMPARE(m->reps, 1);
        QCOMPARE(m->m.stability, fsrs::InitialStability(fsrs::Grade::Again));
        QCOMPARE(reviewsession::TodayPlan().Count(), 8); // the other seven new words and the due one
    }
};

TALLIVO_TEST(TestReviewSession)
#include "tst_reviewsession.moc"
