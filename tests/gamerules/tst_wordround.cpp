// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The round every game plays and the one answer function it records through.
#include "rulesenv.h"
#include "support/testmain.h"
#include "games/wordround.h"
#include "wordbank/answers.h"

using answers::Answer;
using answers::Outcome;

namespace {
Answer AnswerOf(QChar c)
{
    if (c == QLatin1Char('R'))
        return Answer::Right;
    if (c == QLatin1Char('W'))
        return Answer::Wrong;
    return Answer::Helped;
}

QChar Letter(Outcome o)
{
    switch (o) {
    case Outcome::RightFirstTime:
        return QLatin1Char('R');
    case Outcome::RightAfterHelp:
        return QLatin1Char('r');
    case Outcome::Wrong:
        return QLatin1Char('W');
    case Outcome::Helped:
        break;
    }
    return QLatin1Char('H');
}
} // namespace

class TestWordRound : public QObject {
    Q_OBJECT
private slots:
    // What a listener hears of each answer on one word, and what the word
    // and the profile keep. R right, W wrong, H hint or answer shown; heard:
    // R right at once, r right after help, W wrong, H helped; '!' marks the
    // first answer of the round.
    void everyAnswerIsHeard_data()
    {
        // clang-format off
        QTest::addColumn<int>("game");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("points");
        QTest::addRow("right at once") << 1 << "R" << "!R" << 1 << 10;
        QTest::addRow("wrong then right") << 0 << "WR" << "!Wr" << -2 << 0;
        QTest::addRow("hint then right") << 5 << "HR" << "!Hr" << -2 << 0;
        QTest::addRow("answer shown, wrong, right") << 6 << "HWR" << "!HWr" << -4 << 0;
        QTest::addRow("letter game pays by length") << 4 << "R" << "!R" << 1 << 25;
        QTest::addRow("only wrong") << 2 << "WW" << "!WW" << -4 << 0;
        // clang-format on
    }
    void everyAnswerIsHeard()
    {
        QFETCH(int, game);
        QFETCH(QString, answers);
        QFETCH(QString, heard);
        QFETCH(int, score);
        QFETCH(int, points);
        GamesEnv env;
        QString got;
        const answers::ScopedObserver listen([&](const answers::Event &e) {
            QCOMPARE(int(e.game), game);
            QCOMPARE(e.word->English, QStringLiteral("apple"));
            if (e.first)
                got += QLatin1Char('!');
            got += Letter(e.outcome);
        });
        CWord w;
        w.English = QStringLiteral("apple");
        for (QChar c : answers)
            answers::Record(w, scoring::Game(game), AnswerOf(c));
        QCOMPARE(got, heard);
        QCOMPARE(w.iTestResult, score);
        QCOMPARE(gUser->myScore, points);
    }

    void aRemovedObserverHearsNothing()
    {
        GamesEnv env;
        int heard = 0;
        {
            const answers::ScopedObserver listen([&](const answers::Event &) { ++heard; });
            CWord w;
            answers::Record(w, scoring::Game::Listen, Answer::Right);
        }
        CWord w;
        answers::Record(w, scoring::Game::Listen, Answer::Right);
        QCOMPARE(heard, 1);
    }

    // A scripted random source sets the order; each word is asked once.
    void scriptedOrderAsksEveryWordOnce()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = env.UnitOf(3);
        QList<double> script{0.9, 0.0, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5};
        WordRound r([&script] { return script.isEmpty() ? 0.0 : script.takeFirst(); });
        r.Start(u, scoring::Game::Dictation);
        QCOMPARE(r.state(), WordRound::State::Idle);
        QStringList order;
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(r.NextWord());
            QCOMPARE(r.Progress(), QStringLiteral("%1 / 3").arg(i));
            order << r.Word()->English;
            QVERIFY(r.Answer(Answer::Right));
            QCOMPARE(r.state(), WordRound::State::Busy);
        }
        QCOMPARE(order, (QStringList{u->English(3), u->English(1), u->English(2)}));
        QVERIFY(!r.NextWord());
        QCOMPARE(r.state(), WordRound::State::Over);
        QVERIFY(r.Word() == nullptr);
        QVERIFY(r.Perfect());
    }

    // Only an asked word that is not busy takes an answer.
    void answersOnlyWhileAsking()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        ClassUnit *u = env.UnitOf(2);
        WordRound r([] { return 0.0; });
        r.Start(u, scoring::Game::FillIn);
        QVERIFY(!r.Answer(Answer::Right)); // nothing asked yet
        QVERIFY(r.NextWord());
        r.SetBusy();
        QVERIFY(!r.Answer(Answer::Wrong));
        r.Resume();
        QVERIFY(r.Answer(Answer::Wrong));
        QVERIFY(r.Answer(Answer::Right));
        r.Resume(); // a word answered right waits for the next word
        QVERIFY(!r.Answer(Answer::Right));
        QVERIFY(r.NextWord());
        r.End();
        QVERIFY(!r.Answer(Answer::Right));
        QCOMPARE(u->CorrectNum(), 0);
        QCOMPARE(u->WrongNum(), 1);
        QVERIFY(!r.Perfect());
    }
};

TALLIVO_TEST(TestWordRound)
#include "tst_wordround.moc"
