// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Each word's memories: the review day, grading from game outcomes, the
// review file and its damage, and today's plan.
#include "support/testmain.h"
#include "wbenv.h"
#include "wordbank/reviewday.h"
#include "wordbank/reviewplan.h"
#include "wordbank/reviewround.h"
#include "helpers/userfiles.h"
#include "wordbank/profilefiles.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
using fsrs::Grade;
constexpr auto R = ReviewTrack::Recognise;
constexpr auto S = ReviewTrack::Spell;
const int kDay = int(QDate(2026, 12, 10).toJulianDay());

QByteArray ReadBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

// n words each reviewed once on day 0 with grade g.
ReviewStore Reviewed(const QStringList &keys, Grade g, int day, ReviewTrack t = R)
{
    ReviewStore s;
    for (const QString &k : keys)
        s.Record(k, t, g, day);
    return s;
}

QStringList Keys(int n, const char *stem = "w")
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QString::asprintf("%s%03d", stem, i);
    return out;
}
} // namespace

class TestReviewStore : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { reviewday::SetTodayForTest(std::nullopt); }

    // Practice after midnight counts for the evening before.
    void dayBoundary_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QDate>("day");
        const QDate d(2026, 12, 10);
        QTest::addRow("03:59 is yesterday") << QDateTime(d, QTime(3, 59, 59)) << d.addDays(-1);
        QTest::addRow("04:00 is today") << QDateTime(d, QTime(4, 0)) << d;
        QTest::addRow("23:59") << QDateTime(d, QTime(23, 59)) << d;
        QTest::addRow("00:30 next morning") << QDateTime(d.addDays(1), QTime(0, 30)) << d;
        QTest::addRow("new year's night") << QDateTime(QDate(2027, 1, 1), QTime(1, 0)) << QDate(2026, 12, 31);
    }
    void dayBoundary()
    {
        QFETCH(QDateTime, when);
        QFETCH(QDate, day);
        QCOMPARE(reviewday::DateOf(reviewday::DayOf(when)), day);
    }

    void todayFromEnvironment()
    {
        qputenv("TALLIVO_TODAY", "2027-03-05");
        QCOMPARE(reviewday::DateOf(reviewday::Today()), QDate(2027, 3, 5));
        qputenv("TALLIVO_TODAY", "not a date");
        const int clock = reviewday::DayOf(QDateTime::currentDateTime());
        QVERIFY(qAbs(reviewday::Today() - clock) <= 1);
        qunsetenv("TALLIVO_TODAY");
    }

    // The first outcome of a word per track and round decides its grade.
    void grading_data()
    {
        QTest::addColumn<QList<int>>("outcomes"); // AnswerOutcome values in one round
        QTest::addColumn<int>("grade");
        QTest::addRow("right at once") << QList<int>{0} << int(Grade::Good);
        QTest::addRow("hard after a hint") << QList<int>{1} << int(Grade::Hard);
        QTest::addRow("wrong") << QList<int>{2} << int(Grade::Again);
        QTest::addRow("wrong, then right: still Again") << QList<int>{2, 0} << int(Grade::Again);
        QTest::addRow("right, then wrong: still Good") << QList<int>{0, 2, 2} << int(Grade::Good);
    }
    void grading()
    {
        QFETCH(QList<int>, outcomes);
        QFETCH(int, grade);
        ReviewStore graded;
        ReviewRound round;
        round.Begin();
        for (int o : outcomes)
            round.Answer(graded, QStringLiteral("rabbit"), R, AnswerOutcome(o), kDay);
        const ReviewStore expected = Reviewed({QStringLiteral("rabbit")}, Grade(grade), kDay);
        QVERIFY(graded.Find(QStringLiteral("rabbit"), R));
        QCOMPARE(graded.Find(QStringLiteral("rabbit"), R)->reps, 1);
        QCOMPARE(graded.Find(QStringLiteral("rabbit"), R)->m.stability,
                 expected.Find(QStringLiteral("rabbit"), R)->m.stability);
    }

    // A new round grades again; the two tracks never touch each other.
    void roundsAndTracks()
    {
        ReviewStore store;
        ReviewRound round;
        round.Begin();
        const QString w = QStringLiteral("rabbit");
        QVERIFY(round.Answer(store, w, R, AnswerOutcome::Right, kDay));
        QVERIFY(!round.Answer(store, w, R, AnswerOutcome::Right, kDay));
        QVERIFY(!store.Find(w, S));
        QVERIFY(round.Answer(store, w, S, AnswerOutcome::Wrong, kDay));
        QCOMPARE(store.Find(w, R)->m.stability, fsrs::InitialStability(Grade::Good));
        QCOMPARE(store.Find(w, S)->m.stability, fsrs::InitialStability(Grade::Again));
        round.Begin();
        QVERIFY(round.Answer(store, w, R, AnswerOutcome::Right, kDay + 3));
        QCOMPARE(store.Find(w, R)->reps, 2);
        QCOMPARE(store.Find(w, S)->reps, 1);
    }

    // Same-day repeats use the same-day formula and are not reviews of a due word.
    void sameDayRepeat()
    {
        ReviewStore store;
        const QString w = QStringLiteral("cat");
        store.Record(w, R, Grade::Again, kDay);
        const double s1 = store.Find(w, R)->m.stability;
        store.Record(w, R, Grade::Easy, kDay);
        QCOMPARE(store.Find(w, R)->m.stability, fsrs::StabilityAfterSameDay(s1, Grade::Easy));
        QCOMPARE(store.ReviewsDoneOn(kDay), 0);
        QCOMPARE(store.NewDoneOn(kDay), 1);
        QCOMPARE(store.Find(w, R)->DaysUntilDue(kDay), fsrs::NextInterval(store.Find(w, R)->m.stability));
    }

    // A clock set back gives no negative time: it reads as the same day.
    void clockSetBack()
    {
        ReviewStore store;
        const QString w = QStringLiteral("cat");
        store.Record(w, R, Grade::Good, kDay);
        const fsrs::MemoryState before = store.Find(w, R)->m;
        store.Record(w, R, Grade::Good, kDay - 5);
        const TrackMemory *m = store.Find(w, R);
        QCOMPARE(m->m.stability, fsrs::NextState(before, 0, Grade::Good).stability);
        QCOMPARE(m->lastDay, kDay - 5);
        QVERIFY(m->m.stability > 0 && m->m.difficulty >= 1);
        // a plan on a day before the last review sees nothing due
        store.Record(QStringLiteral("dog"), R, Grade::Good, kDay);
        QCOMPARE(ComputePlan(store, kDay - 30, {}).Count(), 0);
    }

    // Saved, read back: every memory and today's counts, as UTF-8 with CR LF.
    void fileRoundTrip()
    {
        WordBankEnv env;
        ReviewStore store;
        store.Record(QStringLiteral("ice cream"), R, Grade::Hard, kDay - 10);
        store.Record(QStringLiteral("café"), R, Grade::Good, kDay);
        store.Record(QStringLiteral("café"), S, Grade::Again, kDay);
        store.Record(QStringLiteral("ice cream"), R, Grade::Again, kDay);
        const QString path = env.dir.file(QStringLiteral("usrdat/ureview-0.dat"));
        QVERIFY(store.Save(path));
        const QByteArray bytes = ReadBytes(path);
        QVERIFY(bytes.startsWith("TallivoReview\t1\r\n"));
        QVERIFY(bytes.contains("caf\xc3\xa9\ts\t"));
        QCOMPARE(bytes.count("\r\n"), bytes.count("\n"));
        ReviewStore back;
        QCOMPARE(back.Load(path), ReviewStore::LoadResult::Read);
        QCOMPARE(back.SkippedLines(), 0);
        QCOMPARE(back.ToBytes(), store.ToBytes());
        QCOMPARE(back.Find(QStringLiteral("ice cream"), R)->lapses, 1);
        QCOMPARE(back.ReviewsDoneOn(kDay), 1);
        QCOMPARE(back.NewDoneOn(kDay), 2);
    }

    // Unreadable lines are skipped and counted; every other line is kept.
    void damagedFile_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QStringList>("kept"); // key/track letter
        const QString good1 = QStringLiteral("cat\tr\t3.5\t5\t2026-12-01\t2\t0\r\n");
        const QString good2 = QStringLiteral("dog\ts\t10\t4.2\t2026-11-20\t3\t1\r\n");
        QTest::addRow("clean") << QString("TallivoReview\t1\r\n" + good1 + good2) << 0 << QStringList{"cat/r", "dog/s"};
        QTest::addRow("garbage line") << QString("TallivoReview\t1\r\n" + good1 + "#@!\xff\r\n" + good2) << 1
                                      << QStringList{"cat/r", "dog/s"};
        QTest::addRow("bad values") << QString("TallivoReview\t1\r\n" + good1
                                                + "a\tr\tnan\t5\t2026-12-01\t1\t0\r\n"
                                                  "b\tr\t-2\t5\t2026-12-01\t1\t0\r\n"
                                                  "c\tr\t2\t11\t2026-12-01\t1\t0\r\n"
                                                  "d\tr\t2\t5\t2026-02-30\t1\t0\r\n"
                                                  "e\tx\t2\t5\t2026-12-01\t1\t0\r\n"
                                                  "f\tr\t2\t5\t2026-12-01\t0\t0\r\n"
                                                  "g\tr\t2\t5\t2026-12-01\t1\t2\r\n"
                                                  "h\tr\t2\t5\t2026-12-01\t1\r\n" + good2)
                                    << 8 << QStringList{"cat/r", "dog/s"};
        QTest::addRow("cut off at the end") << QString("TallivoReview\t1\r\n" + good1 + good2 + "ele\tr\t3.") << 1
                                            << QStringList{"cat/r", "dog/s"};
        QTest::addRow("same memory twice") << QString("TallivoReview\t1\r\n" + good1 + good1 + good2) << 1
                                           << QStringList{"cat/r", "dog/s"};
        QTest::addRow("header lost") << QString("Tall\r\n" + good1 + good2) << 1 << QStringList{"cat/r", "dog/s"};
        QTest::addRow("LF only, blank lines") << QString("TallivoReview\t1\n\n" + good1.chopped(2) + "\n" + good2)
                                              << 0 << QStringList{"cat/r", "dog/s"};
        QTest::addRow("bad day line") << QString("TallivoReview\t1\r\nday\t2026-13-01\t1\t1\r\n" + good1) << 1
                                      << QStringList{"cat/r"};
        // clang-format on
    }
    void damagedFile()
    {
        QFETCH(QString, text);
        QFETCH(int, skipped);
        QFETCH(QStringList, kept);
        WordBankEnv env;
        TakeUserFileNotices();
        QVERIFY(env.dir.writeText(QStringLiteral("usrdat/ureview-0.dat"), text));
        const QByteArray original = ReadBytes(env.dir.file(QStringLiteral("usrdat/ureview-0.dat")));
        ReviewStore store;
        QCOMPARE(store.Load(env.dir.file(QStringLiteral("usrdat/ureview-0.dat"))), ReviewStore::LoadResult::Read);
        QCOMPARE(store.SkippedLines(), skipped);
        QCOMPARE(ReviewFileIsWhole(original), skipped == 0 && original.startsWith("TallivoReview"));
        // what could not be read is kept in a dated copy, made once, and the parent is told once
        store.Load(env.dir.file(QStringLiteral("usrdat/ureview-0.dat")));
        const QStringList copies =
            QDir(env.dir.file(QStringLiteral("usrdat"))).entryList({QStringLiteral("ureview-0.dat.damaged-*")});
        const QList<UserFileNotice> notices = TakeUserFileNotices();
        QCOMPARE(copies.size(), skipped ? 1 : 0);
        QCOMPARE(notices.size(), skipped ? 1 : 0);
        if (skipped) {
            QCOMPARE(ReadBytes(env.dir.file(QStringLiteral("usrdat/") + copies.first())), original);
            QCOMPARE(QFileInfo(notices.first().copy).fileName(), copies.first());
        }
        QStringList got;
        for (const ReviewStore::Entry &e : store.Entries())
            for (int t = 0; t < kReviewTracks; ++t)
                if (!e.tracks[size_t(t)].IsNew())
                    got << e.key + (t ? "/s" : "/r");
        QCOMPARE(got, kept);
        // saving writes back what was kept, so the next start is clean
        QVERIFY(store.Save(env.dir.file(QStringLiteral("usrdat/ureview-0.dat"))));
        ReviewStore again;
        again.Load(env.dir.file(QStringLiteral("usrdat/ureview-0.dat")));
        QCOMPARE(again.SkippedLines(), 0);
        QCOMPARE(again.Entries().size(), store.Entries().size());
    }

    // A missing file is a profile with every word new; a newer program's file
    // and a file that cannot be opened are left as they are.
    void missingAndKeptFiles()
    {
        WordBankEnv env;
        const QString path = env.dir.file(QStringLiteral("usrdat/ureview-1.dat"));
        ReviewStore store;
        QCOMPARE(store.Load(path), ReviewStore::LoadResult::Missing);
        QVERIFY(store.Entries().empty());
        QCOMPARE(ComputePlan(store, kDay, {"cat", "dog"}).NewCount(), 2);

        const QByteArray newer("TallivoReview\t2\r\ncat\tr\t3\t5\t2026-12-01\t1\t0\tmore\r\n");
        QVERIFY(env.dir.writeBytes(QStringLiteral("usrdat/ureview-1.dat"), newer));
        QCOMPARE(store.Load(path), ReviewStore::LoadResult::Newer);
        store.Record(QStringLiteral("dog"), R, Grade::Good, kDay);
        QVERIFY(!store.Save(path));
        QCOMPARE(ReadBytes(path), newer);

        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        if (!QFile(path).open(QIODevice::ReadOnly)) { // not as root
            QCOMPARE(store.Load(path), ReviewStore::LoadResult::Unreadable);
            QVERIFY(!store.Save(path));
        }
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // A review file that is a link is neither read nor written: the target stays.
    void linkInPlaceOfTheFile_data()
    {
        QTest::addColumn<QString>("target"); // relative to the user folder; "" = dangling
        QTest::addRow("to a file") << QStringLiteral("notes.txt");
        QTest::addRow("to a folder") << QStringLiteral("somewhere");
        QTest::addRow("dangling") << QString();
    }
    void linkInPlaceOfTheFile()
    {
        QFETCH(QString, target);
        WordBankEnv env;
        TakeUserFileNotices();
        QVERIFY(env.dir.writeText(QStringLiteral("notes.txt"), QStringLiteral("a parent's notes")));
        QVERIFY(QDir().mkpath(env.dir.file(QStringLiteral("somewhere"))));
        const QString path = env.dir.file(QStringLiteral("usrdat/ureview-0.dat"));
        const QString to = env.dir.file(target.isEmpty() ? QStringLiteral("gone.txt") : target);
        QVERIFY(QFile::link(to, path));
        ReviewStore store;
        QCOMPARE(store.Load(path), ReviewStore::LoadResult::Unreadable);
        store.Record(QStringLiteral("cat"), R, Grade::Good, kDay);
        QVERIFY(!store.Save(path));
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(ReadBytes(env.dir.file(QStringLiteral("notes.txt"))), QByteArray("a parent's notes"));
        QVERIFY(!QFile::exists(env.dir.file(QStringLiteral("gone.txt"))));
        QVERIFY(QDir(env.dir.file(QStringLiteral("somewhere"))).isEmpty());
        const QList<UserFileNotice> notices = TakeUserFileNotices();
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices.first().refused);
    }

    // A save cut off before its rename is taken back at start when it is whole.
    void straySaveRecovered_data()
    {
        QTest::addColumn<QByteArray>("stray");
        QTest::addColumn<bool>("taken");
        QTest::addRow("whole") << QByteArray("TallivoReview\t1\r\ndog\ts\t10\t4.2\t2026-11-20\t3\t1\r\n") << true;
        QTest::addRow("cut off") << QByteArray("TallivoReview\t1\r\ndog\ts\t10\t4.") << false;
        QTest::addRow("no header") << QByteArray("dog\ts\t10\t4.2\t2026-11-20\t3\t1\r\n") << false;
    }
    void straySaveRecovered()
    {
        QFETCH(QByteArray, stray);
        QFETCH(bool, taken);
        WordBankEnv env;
        const QByteArray old("TallivoReview\t1\r\ncat\tr\t3.5\t5\t2026-12-01\t2\t0\r\n");
        const QString path = env.dir.file(QStringLiteral("usrdat/ureview-1.dat"));
        QVERIFY(env.dir.writeBytes(QStringLiteral("usrdat/ureview-1.dat"), old));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-100), QFileDevice::FileModificationTime));
        f.close();
        QVERIFY(env.dir.writeBytes(QStringLiteral("usrdat/ureview-1.dat.Q7rT2x"), stray));
        RecoverUserFileSaves();
        QCOMPARE(ReadBytes(path), taken ? stray : old);
        QVERIFY(!QFile::exists(path + QStringLiteral(".Q7rT2x")));
    }

    // The profile reads and writes its review file with its status file.
    void savedWithTheProfile()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        gUser->userID = 2;
        gUser->Reviews().Record(QStringLiteral("apple"), S, Grade::Hard, kDay);
        QVERIFY(gUser->SaveUserFeature());
        QCOMPARE(ReviewFilePath(2), env.dir.file(QStringLiteral("usrdat/ureview-2.dat")));
        QVERIFY(QFile::exists(ReviewFilePath(2)));
        ClassUser fresh;
        fresh.userID = 2;
        QVERIFY(fresh.LoadUserFeature());
        QVERIFY(fresh.Reviews().Find(QStringLiteral("apple"), S));
        QVERIFY(!fresh.Reviews().Find(QStringLiteral("apple"), R));
        QCOMPARE(ReviewFilePath(3), QString());
    }

    // Due words, most forgotten first, up to the limit; the rest waits.
    void capAndOverflow()
    {
        // 40 words due on the same day, each forgotten a little more than the last
        ReviewStore store;
        const QStringList keys = Keys(40);
        for (int i = 0; i < keys.size(); ++i)
            store.Record(keys[i], R, Grade::Good, kDay - 3 - i);
        ReviewPlan plan = ComputePlan(store, kDay, {});
        QCOMPARE(plan.dueTotal, 40);
        QCOMPARE(plan.Count(), 30);
        QCOMPARE(plan.items.front().key, keys.last());
        for (size_t i = 1; i < plan.items.size(); ++i)
            QVERIFY(plan.items[i - 1].retrievability <= plan.items[i].retrievability);
        for (const PlanItem &it : plan.items)
            store.Record(it.key, it.track, Grade::Good, kDay);
        QCOMPARE(store.ReviewsDoneOn(kDay), 30);
        QCOMPARE(ComputePlan(store, kDay, {}).Count(), 0);
        // the ten left over come the next day, before anything else
        plan = ComputePlan(store, kDay + 1, {});
        QCOMPARE(plan.Count(), 10);
        for (const PlanItem &it : plan.items)
            QVERIFY(keys.indexOf(it.key) < 10);
    }

    // New words: in the selection's order, up to the day's number; a word
    // recognised on an earlier day comes back new to spell.
    void newWords_data()
    {
        QTest::addColumn<int>("selection");
        QTest::addColumn<int>("recognised"); // first words of the selection, recognised yesterday
        QTest::addColumn<int>("spelt");      // of those, also spelt
        QTest::addColumn<int>("newToday");   // new memories already made today
        QTest::addColumn<int>("planned");
        QTest::addRow("fewer than the limit") << 5 << 0 << 0 << 0 << 5;
        QTest::addRow("limit") << 20 << 0 << 0 << 0 << 8;
        QTest::addRow("recognised words come to spell") << 20 << 3 << 0 << 0 << 8;
        QTest::addRow("known on both tracks skipped") << 20 << 15 << 15 << 0 << 5;
        QTest::addRow("met today count") << 20 << 0 << 0 << 3 << 5;
        QTest::addRow("all met today") << 20 << 0 << 0 << 8 << 0;
    }
    void newWords()
    {
        QFETCH(int, selection);
        QFETCH(int, recognised);
        QFETCH(int, spelt);
        QFETCH(int, newToday);
        QFETCH(int, planned);
        const QStringList keys = Keys(selection);
        ReviewStore store = Reviewed(keys.mid(0, recognised), Grade::Good, kDay - 1);
        for (const QString &k : keys.mid(0, spelt))
            store.Record(k, S, Grade::Good, kDay - 1);
        for (const QString &k : Keys(newToday, "x"))
            store.Record(k, R, Grade::Good, kDay);
        const ReviewPlan plan = ComputePlan(store, kDay, keys + keys);
        QCOMPARE(plan.NewCount(), planned);
        QCOMPARE(plan.Count(), planned); // nothing was due
        for (int i = 0; i < plan.Count(); ++i) {
            const int word = spelt + i;
            QCOMPARE(plan.items[size_t(i)].key, keys[word]);
            QCOMPARE(plan.items[size_t(i)].track, word < recognised ? S : R);
        }
        // a word first seen today is not spelt the same day
        store.Record(keys.last(), R, Grade::Good, kDay);
        for (const PlanItem &it : ComputePlan(store, kDay, {keys.last()}).items)
            QVERIFY(it.key != keys.last());
    }

    // Due memories on both tracks, new words after them; words the
    // dictionary lost are left out.
    void planOrderAndKnownWords()
    {
        ReviewStore store;
        store.Record(QStringLiteral("a"), R, Grade::Again, kDay - 20);
        store.Record(QStringLiteral("a"), S, Grade::Good, kDay - 20);
        store.Record(QStringLiteral("gone"), S, Grade::Again, kDay - 20);
        store.Record(QStringLiteral("b"), R, Grade::Good, kDay); // not due
        const ReviewPlan plan = ComputePlan(store, kDay, {"c", "gone2"}, {}, [](const QString &k) {
            return !k.startsWith(QLatin1String("gone"));
        });
        QCOMPARE(plan.Count(), 3);
        QCOMPARE(plan.items[0].key, QStringLiteral("a"));
        QCOMPARE(plan.items[0].track, R); // forgotten the most
        QCOMPARE(plan.items[1].track, S);
        QCOMPARE(plan.items[2].key, QStringLiteral("c"));
        QVERIFY(plan.items[2].isNew);
        QCOMPARE(plan.CountOf(S), 1);
    }
};

TALLIVO_TEST(TestReviewStore)
#include "tst_reviewstore.moc"
