// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The profile record and its files: the status file round trip, the values
// it may hold, files that cannot be read, and the nickname file.
#include "support/testmain.h"
#include "wbenv.h"
#include "helpers/envelope.h"
#include "helpers/userfiles.h"
#include "wordbank/profilefiles.h"
#include "wordbank/savenotice.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace {

QStringList StatusLines(int slot)
{
    QStringList lines;
    ReadEncodedFileLines(gUserStatusFile[slot], lines);
    return lines;
}

QString ReadUtf8(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<none>");
}

// Builds fresh shared objects over the same folder, as a new run would.
bool Restart(int slot)
{
    ReleaseSharedObjects();
    gUser = new ClassUser;
    gUser->userID = slot;
    gDictionary = new ClassDBdictionary;
    if (!gDictionary->InitDict())
        return false;
    gWordBank = new CWordBank;
    return true;
}

QList<int> Fields(const ClassUser &u)
{
    return {u.nLastSeries, u.nLastBook, u.nLastStartUnit, u.nLastEndUnit, u.myScore, u.myLevel, u.myCoin,
            u.nNewWordBookID};
}

} // namespace

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void defaults()
    {
        ClassUser u;
        QCOMPARE(Fields(u), (QList<int>{-1, -1, -1, -1, 0, 0, 0, 1}));
        QCOMPARE(u.nReadTimes, 2);
        QVERIFY(u.bEnglish && u.bSound && u.bPicture && u.bChinese && u.bSentenceEN && u.bAutoSpeakWord
                && u.bAutoReadSentence);
        QVERIFY(!u.bRand);
        QCOMPARE(u.nLastWord, 0);
    }

    // Save, start again with fresh objects, load: everything comes back.
    void roundTrip()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        QVERIFY(env.Series(0)->AddUserWordBook("Mine", "#U1\r\napple\r\ncat"));
        QVERIFY(env.Series(0)->SaveUserWordBook());
        env.Unit(1, 2, 1)->SetUnitStatus(1, 70); // "Lesson 1-2"
        env.Unit(1, 1, 3)->SetUnitStatus(6, 100);
        env.Unit(0, 1, 1)->SetUnitStatus(0, 55);
        gUser->userID = 1;
        gUser->nLastSeries = 1;
        gUser->nLastBook = 2;
        gUser->nLastStartUnit = 1;
        gUser->nLastEndUnit = 1;
        gUser->myScore = 1234;
        gUser->myLevel = 3;
        gUser->myCoin = 17;
        gUser->nNewWordBookID = 4;
        env.Word("apple")->iTestResult = -150; // very low scores must not break the text
        env.Word("banana")->iTestResult = 8;
        env.Word("icecream")->NewWordMark = QStringLiteral("01001");
        env.Word("Mr")->iTestResult = -2;
        env.Word("Mr")->NewWordMark = QStringLiteral("10000");
        QVERIFY(gUser->SaveUserFeature());

        const QStringList lines = StatusLines(1);
        QCOMPARE(lines.size(), 11);
        QCOMPARE(lines.mid(0, 8), (QStringList{"1", "2", "1", "1", "1234", "3", "17", "4"}));
        QVERIFY(!lines.at(8).contains(QStringLiteral("|-")));
        QCOMPARE(lines.at(10), QString());
        const QString words = gDictionary->SaveWordStatus();
        const QString units = gWordBank->SaveUnitStatus();

        QVERIFY(Restart(1));
        QVERIFY(gUser->LoadUserFeature());
        QCOMPARE(Fields(*gUser), (QList<int>{1, 2, 1, 1, 1234, 3, 17, 4}));
        QCOMPARE(gDictionary->SaveWordStatus(), words);
        QCOMPARE(gWordBank->SaveUnitStatus(), units);
        QCOMPARE(env.Word("apple")->iTestResult, -99);
        QCOMPARE(env.Word("apple")->GetStatus(), QStringLiteral("常出错的"));
        QCOMPARE(env.Word("banana")->iTestResult, 8);
        QVERIFY(env.Word("icecream")->IsNewWord(5));
        QCOMPARE(env.Unit(0, 1, 1)->GameScore(0), 55);
        QCOMPARE(env.Unit(1, 2, 1)->GameScore(1), 70);
    }

    // A new-word book is never what the next start opens.
    void savedSelection_data()
    {
        QTest::addColumn<QList<int>>("last"); // series, book, first, last
        QTest::addColumn<QList<int>>("old");
        QTest::addColumn<QList<int>>("saved");
        QTest::addRow("course") << QList<int>{1, 2, 3, 4} << QList<int>{9, 9, 9, 9} << QList<int>{1, 2, 3, 4};
        QTest::addRow("new-word book") << QList<int>{0, 0, 2, 2} << QList<int>{1, 1, 3, 5} << QList<int>{1, 1, 3, 5};
        QTest::addRow("no start unit") << QList<int>{1, 2, 0, 0} << QList<int>{7, 7, 3, 5} << QList<int>{1, 2, 3, 5};
    }
    void savedSelection()
    {
        QFETCH(QList<int>, last);
        QFETCH(QList<int>, old);
        QFETCH(QList<int>, saved);
        WordBankEnv env;
        QVERIFY(env.Load());
        gUser->nLastSeries = last[0];
        gUser->nLastBook = last[1];
        gUser->nLastStartUnit = last[2];
        gUser->nLastEndUnit = last[3];
        gUser->nOldSeries = old[0];
        gUser->nOldBook = old[1];
        gUser->nOldStartUnit = old[2];
        gUser->nOldEndUnit = old[3];
        QVERIFY(gUser->SaveUserFeature());
        const QStringList lines = StatusLines(0);
        QCOMPARE((QList<int>{lines[0].toInt(), lines[1].toInt(), lines[2].toInt(), lines[3].toInt()}), saved);
        // saves come during the run: the selection in use stays
        QCOMPARE((QList<int>{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit}),
                 last);
    }

    // A profile on one of the user's books finds it again after another
    // profile deleted or reordered the books; a book that went is reported
    // and no other book is taken in its place. Older files (no name line)
    // still load by position.
    void userBookFollowsItsName_data()
    {
        QTest::addColumn<QString>("change"); // what another profile did
        QTest::addColumn<bool>("oldFile");
        QTest::addColumn<int>("book");
        QTest::addColumn<QString>("lost");
        QTest::addRow("nothing") << "" << false << 2 << "";
        QTest::addRow("earlier book deleted") << "delete A" << false << 1 << "";
        QTest::addRow("books reordered") << "move A last" << false << 1 << "";
        QTest::addRow("own book deleted") << "delete B" << false << -1 << "B";
        QTest::addRow("last book deleted, own took its place") << "delete B, C" << false << -1 << "B";
        QTest::addRow("older file, by position") << "" << true << 2 << "";
    }
    void userBookFollowsItsName()
    {
        QFETCH(QString, change);
        QFETCH(bool, oldFile);
        QFETCH(int, book);
        QFETCH(QString, lost);
        WordBankEnv env;
        QVERIFY(env.Load());
        CSeries *user = env.Series(0);
        for (const char *name : {"A", "B", "C"})
            QVERIFY(user->AddUserWordBook(QString::fromLatin1(name), "#U1\r\napple\r\ncat"));
        QVERIFY(user->SaveUserWordBook());
        QVERIFY(gWordBank->SelectCourse(0, 2, 1, 1, WordCategory::All));
        QVERIFY(gUser->SaveUserFeature());
        QStringList lines = StatusLines(0);
        QCOMPARE(lines.mid(0, 4), (QStringList{"0", "2", "1", "1"}));
        QCOMPARE(lines.value(10), QStringLiteral("B"));
        if (oldFile) {
            QString text = lines.mid(0, 10).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
            QFile f(gUserStatusFile[0]);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(EnvelopeBytes(text.toUtf8()));
        }
        // another profile's run changes the books
        if (change == "delete A") {
            QVERIFY(user->DelUserWordBook(1));
        } else if (change == "move A last") {
            QVERIFY(user->DelUserWordBook(1));
            QVERIFY(user->AddUserWordBook(QStringLiteral("A"), "#U1\r\napple\r\ncat"));
        } else if (change == "delete B") {
            QVERIFY(user->DelUserWordBook(2));
        } else if (change == "delete B, C") {
            QVERIFY(user->DelUserWordBook(3));
            QVERIFY(user->DelUserWordBook(2));
            QVERIFY(user->AddUserWordBook(QStringLiteral("D"), "#U1\r\napple\r\ncat"));
        }
        QVERIFY(user->SaveUserWordBook());

        QVERIFY(Restart(0));
        QVERIFY(gUser->LoadUserFeature());
        QVERIFY(!gUser->StatusFileDamaged());
        QCOMPARE(gUser->nLastSeries, 0);
        QCOMPARE(gUser->nLastBook, book);
        QCOMPARE(gUser->LostUserBook(), lost);
        QCOMPARE(gWordBank->RestoreLastCourse(), book > 0);
        if (book > 0)
            QCOMPARE(gCurrBook->BookName, QStringLiteral("B"));
    }

    // A save that cannot be written leaves the previous file whole, says so
    // once naming the file, and the next good save is told nothing.
    void failedSave_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addRow("full disk") << "full";
        QTest::addRow("folder in place of the file") << "folder";
        QTest::addRow("read-only folder") << "readonly";
    }
    void failedSave()
    {
        QFETCH(QString, fault);
        WordBankEnv env;
        QVERIFY(env.Load());
        const QString path = gUserStatusFile[0];
        gUser->myScore = 11;
        QVERIFY(gUser->SaveUserFeature());
        QByteArray before;
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            before = f.readAll();
        }
        const QString usrdat = QFileInfo(path).absolutePath();
        if (fault == QLatin1String("full")) {
            env.fake->diskFreeBytes = 16;
        } else if (fault == QLatin1String("folder")) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkpath(path + QStringLiteral("/inside")));
            before.clear();
        } else {
            if (::geteuid() == 0)
                QSKIP("root writes into a read-only folder");
            QVERIFY(QFile::setPermissions(usrdat, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }

        gUser->myScore = 22;
        QVERIFY(!gUser->SaveUserFeature());
        gUser->myScore = 33;
        QVERIFY(!gUser->SaveUserFeature());
        const QString told = QString::fromUtf8(kMsgSaveFailed);
        QCOMPARE(env.fake->msgBoxes.size(), 1);
        QVERIFY(env.fake->msgBoxes.first().text.startsWith(told));
        QVERIFY(env.fake->msgBoxes.first().text.contains(QDir::toNativeSeparators(path)));
        if (fault == QLatin1String("folder")) {
            QVERIFY(QFileInfo(path + QStringLiteral("/inside")).isDir());
        } else {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
        // nothing half-written left beside it
        const QStringList expectFiles =
            fault == QLatin1String("folder") ? QStringList() : QStringList{QFileInfo(path).fileName()};
        QCOMPARE(QDir(usrdat).entryList(QDir::Files | QDir::Hidden), expectFiles);

        // room again: saved silently, and a later failure is told again
        env.fake->diskFreeBytes = -1;
        QFile::setPermissions(usrdat, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (fault == QLatin1String("folder"))
            QVERIFY(QDir(path).removeRecursively());
        QVERIFY(gUser->SaveUserFeature());
        QCOMPARE(StatusLines(0).at(4), QStringLiteral("33"));
        QCOMPARE(env.fake->msgBoxes.size(), 1);
        env.fake->diskFreeBytes = 16;
        QVERIFY(!gUser->SaveUserFeature());
        QCOMPARE(env.fake->msgBoxes.size(), 2);
    }

    void statusFileValues_data()
    {
        // clang-format off
        QTest::addColumn<QString>("clear");
        QTest::addColumn<QList<int>>("fields");
        QTest::addRow("four lines") << "2\r\n1\r\n3\r\n4\r\n" << QList<int>{2, 1, 3, 4, 0, 0, 0, 1};
        QTest::addRow("LF lines") << "2\n1\n3\n4\n50\n1\n6\n3\n\n\n" << QList<int>{2, 1, 3, 4, 50, 1, 6, 3};
        QTest::addRow("not numbers") << "x\r\n1abc\r\n 3\r\n-2.7\r\n" << QList<int>{0, 1, 3, -2, 0, 0, 0, 1};
        QTest::addRow("new-word book 9") << "1\r\n1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n9\r\n" << QList<int>{1, 1, 1, 1, 0, 0, 0, 1};
        QTest::addRow("new-word book 0") << "1\r\n1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n" << QList<int>{1, 1, 1, 1, 0, 0, 0, 1};
        QTest::addRow("empty file") << "" << QList<int>{-1, -1, -1, -1, 0, 0, 0, 1};
        // clang-format on
    }
    void statusFileValues()
    {
        QFETCH(QString, clear);
        QFETCH(QList<int>, fields);
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.dir.writeEnvelopedText("usrdat/ustatus-0.dat", clear));
        QVERIFY(gUser->LoadUserFeature());
        QCOMPARE(Fields(*gUser), fields);
    }

    void newProfile()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.dir.writeEnvelopedText("usrdat/ustatus-0.dat", "1\r\n1\r\n1\r\n1\r\n99\r\n"));
        gUser->userID = 2;
        QVERIFY(gUser->LoadUserFeature());
        QCOMPARE(Fields(*gUser), (QList<int>{-1, -1, -1, -1, 0, 0, 0, 1}));
        QVERIFY(gUser->SaveUserFeature());
        QVERIFY(QFile::exists(gUserStatusFile[2]));
    }

    // A status file that exists but cannot be read is not a new profile: the
    // run goes on with defaults and never writes over it.
    void unreadableStatusFileIsKept()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(QDir().mkpath(gUserStatusFile[0])); // exists, cannot be read as a file
        gUser->myScore = 5;
        QVERIFY(!gUser->LoadUserFeature());
        QVERIFY(gUser->StatusFileUnreadable());
        QCOMPARE(gUser->nLastSeries, -1);
        gUser->nLastSeries = 1;
        QVERIFY(!gUser->SaveUserFeature());
        QVERIFY(QFileInfo(gUserStatusFile[0]).isDir());
        QCOMPARE(env.dir.filesIn("usrdat"), QStringList());
    }

    // A start on a broken word-bank file must not throw away the results the
    // profile earned with it.
    void unitResultsSurviveAnUnreadableWordBank()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        env.Unit(1, 1, 3)->SetUnitStatus(6, 100);
        gUser->nLastSeries = gUser->nLastBook = gUser->nLastStartUnit = gUser->nLastEndUnit = 1;
        QVERIFY(gUser->SaveUserFeature());
        const QString units = StatusLines(0).at(9);
        QVERIFY(units.contains(QStringLiteral("100")));

        QVERIFY(env.dir.writeText(QStringLiteral("dat/twb.ck"), QStringLiteral("not a word bank")));
        QVERIFY(Restart(0));
        QVERIFY(!gWordBank->SeriesListLoaded());
        QVERIFY(gUser->LoadUserFeature());
        gUser->myScore = 7;
        QVERIFY(gUser->SaveUserFeature());
        QCOMPARE(StatusLines(0).at(4), QStringLiteral("7"));
        QCOMPARE(StatusLines(0).at(9), units);
    }

    void nothingSavedBeforeTheData()
    {
        WordBankEnv env;
        QVERIFY(wbfix::Write(env.dir));
        QVERIFY(!gUser->SaveUserFeature());
        gDictionary = new ClassDBdictionary;
        QVERIFY(gDictionary->InitDict());
        QVERIFY(!gUser->SaveUserFeature());
        gUser->userID = 3;
        gWordBank = new CWordBank;
        QVERIFY(!gUser->SaveUserFeature());
        QCOMPARE(env.dir.filesIn("usrdat"), QStringList());
    }

    void marksBelongToOneProfile()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        env.Word("apple")->SetNewWord(1, true);
        QVERIFY(gUser->SaveUserFeature());
        QVERIFY(Restart(1));
        QVERIFY(gUser->LoadUserFeature());
        QVERIFY(!env.Word("apple")->IsNewWord(1));
        QVERIFY(Restart(0));
        QVERIFY(gUser->LoadUserFeature());
        QVERIFY(env.Word("apple")->IsNewWord(1));
    }

    void nicknames_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file"); // "<none>" = no file
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("after");
        QTest::addRow("missing") << "<none>" << QStringList{"Direvi", "Riduvaz", "Voro"}
                                 << "Direvi\r\nRiduvaz\r\nVoro\r\n";
        QTest::addRow("one name kept") << "Ann\r\n" << QStringList{"Ann", "Riduvaz", "Voro"}
                                       << "Ann\r\nRiduvaz\r\nVoro\r\n";
        QTest::addRow("empty name filled") << "Ann\r\n\r\nBo\r\n" << QStringList{"Ann", "Riduvaz", "Bo"}
                                           << "Ann\r\nRiduvaz\r\nBo\r\n";
        QTest::addRow("long name left whole") << " 小明小明小明小明小明小明小明小明小明小明 \r\nB\r\nC\r\n"
                                              << QStringList{"小明小明小明小明小明小明小明小明小明小明", "B", "C"}
                                              << " 小明小明小明小明小明小明小明小明小明小明 \r\nB\r\nC\r\n";
        // clang-format on
    }
    void nicknames()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, names);
        QFETCH(QString, after);
        WordBankEnv env;
        if (file != QLatin1String("<none>"))
            QVERIFY(env.dir.writeText("usrdat/uname.dat", file));
        QCOMPARE(LoadUserNames(), names);
        QCOMPARE(ReadUtf8(gUserNameFile), after);
    }

    // A damaged status file: what can be read is kept, only the damaged item
    // is lost, and the original bytes are copied aside once.
    // The word and unit lines keep the items that read, in their order and
    // as written; a line that reads whole comes back unchanged.
    void statusItemsKept_data()
    {
        // clang-format off
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("units");
        QTest::addColumn<QString>("keptWords");
        QTest::addColumn<QString>("keptUnits");
        QTest::addColumn<bool>("damaged");
        const QString u1 = QStringLiteral("#Unit 1-") + QString(27, QLatin1Char('1'));
        const QString u2 = QStringLiteral("#Unit 2-") + QString(27, QLatin1Char('2'));
        const QString a = QStringLiteral("apple|150#00000");
        const QString b = QStringLiteral("banana|108#01000");
        QTest::addRow("whole") << a + "-" + b << "@S\t%B\t" + u1 << a + "-" + b << "@S\t%B\t" + u1 << false;
        QTest::addRow("spaces round items stay") << " " + a + " - " + b << u1 << " " + a + " - " + b << u1 << false;
        QTest::addRow("empty items are left out") << "-" + a + "--" + b + "-" << u1 << a + "-" + b << u1 << false;
        QTest::addRow("nothing but separators") << "--" << "" << "" << "" << false;
        QTest::addRow("bad first") << "x|1x#00000-" + a + "-" + b << u1 << a + "-" + b << u1 << true;
        QTest::addRow("bad middle") << a + "-bad-" + b << u1 << a + "-" + b << u1 << true;
        QTest::addRow("bad last") << a + "-" + b + "-c|1#0000" << u1 << a + "-" + b << u1 << true;
        QTest::addRow("all bad") << "x-y" << u1 << "" << u1 << true;
        QTest::addRow("six digits, key with #") << "a#b|123456#10101" << u1 << "a#b|123456#10101" << u1 << false;
        QTest::addRow("seven digits") << a + "-c|1234567#00000" << u1 << a << u1 << true;
        QTest::addRow("no digits") << "c|#00000-" + a << u1 << a << u1 << true;
        QTest::addRow("mark too long") << "c|100#000000-" + a << u1 << a << u1 << true;
        QTest::addRow("mark not 0 and 1") << "c|100#00200-" + a << u1 << a << u1 << true;
        QTest::addRow("no key") << "|100#00000-" + a << u1 << a << u1 << true;
        QTest::addRow("two bars") << "c|d|100#00000-" + a << u1 << a << u1 << true;
        QTest::addRow("empty unit items stay") << a << "\t" + u1 + "\t\t" + u2 << a << "\t" + u1 + "\t\t" + u2 << false;
        QTest::addRow("bad unit first") << a << "#Unit 3-12\t" + u1 + "\t" + u2 << a << u1 + "\t" + u2 << true;
        QTest::addRow("bad unit after an empty one") << a << "\tbad\t" + u2 << a << "\t" + u2 << true;
        QTest::addRow("bad unit last") << a << u1 + "\t\tbad" << a << u1 + "\t" << true;
        // clang-format on
    }
    void statusItemsKept()
    {
        QFETCH(QString, words);
        QFETCH(QString, units);
        QFETCH(QString, keptWords);
        QFETCH(QString, keptUnits);
        QFETCH(bool, damaged);
        const QString text = QStringLiteral("1\r\n1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n1\r\n") + words + QStringLiteral("\r\n")
                             + units + QStringLiteral("\r\n");
        const StatusFileText read = ReadStatusFileText(EnvelopeBytes(text.toUtf8()));
        QCOMPARE(read.lines.size(), 10);
        QCOMPARE(read.lines.at(8), keptWords);
        QCOMPARE(read.lines.at(9), keptUnits);
        QCOMPARE(read.damaged, damaged);
    }

    void damagedStatusFile_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QList<bool>>("kept"); // apple, banana, Unit 1, Lesson 1-2, selection
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("copied");
        const QList<bool> all{true, true, true, true, true};
        QTest::addRow("whole") << "none" << all << 1234 << false;
        QTest::addRow("NUL byte in a word") << "nul" << all << 1234 << true;
        QTest::addRow("last CR LF missing") << "no final line end" << all << 1234 << true;
        QTest::addRow("last line cut") << "cut" << QList<bool>{true, true, true, false, true} << 1234 << true;
        QTest::addRow("one bad word item") << "bad item" << QList<bool>{true, false, true, true, true} << 1234 << true;
        QTest::addRow("invalid UTF-8 in a unit") << "bad byte" << QList<bool>{true, true, false, true, true} << 1234
                                                 << true;
        QTest::addRow("huge number") << "huge" << all << 0 << true;
        QTest::addRow("LF only") << "lf" << all << 1234 << false;
        QTest::addRow("BOM") << "bom" << all << 1234 << false;
        QTest::addRow("plain text, not enveloped") << "plain" << all << 1234 << false;
        QTest::addRow("random bytes") << "random" << QList<bool>{false, false, false, false, false} << 0 << true;
    }
    void damagedStatusFile()
    {
        QFETCH(QString, damage);
        QFETCH(QList<bool>, kept);
        QFETCH(int, score);
        QFETCH(bool, copied);
        WordBankEnv env;
        TakeUserFileNotices();
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        env.Unit(1, 1, 1)->SetUnitStatus(0, 80);
        env.Unit(1, 2, 1)->SetUnitStatus(1, 70);
        env.Word("apple")->iTestResult = 50;
        env.Word("banana")->iTestResult = 8;
        gUser->nLastSeries = gUser->nLastBook = 1;
        gUser->nLastStartUnit = gUser->nLastEndUnit = 2;
        gUser->myScore = 1234;
        QVERIFY(gUser->SaveUserFeature());
        QFile f(gUserStatusFile[0]);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray clear = EnvelopeBytes(f.readAll());
        f.close();
        QVERIFY(clear.endsWith("\r\n"));
        bool plain = false;
        if (damage == "nul")
            clear.replace("apple|", QByteArray("ap\0ple|", 8));
        else if (damage == "no final line end")
            clear.chop(2);
        else if (damage == "cut")
            clear.chop(12);
        else if (damage == "bad item")
            clear.replace("banana|108#00000", "banana|1x8#0");
        else if (damage == "bad byte")
            clear.replace("#Unit 1-", "#Un\xFFit 1-");
        else if (damage == "huge")
            clear.replace("\r\n1234\r\n", "\r\n99999999999999999999\r\n");
        else if (damage == "lf")
            clear.replace("\r\n", "\n");
        else if (damage == "bom")
            clear.prepend("\xEF\xBB\xBF");
        else if (damage == "plain")
            plain = true;
        else if (damage == "random") {
            for (qsizetype i = 0; i < clear.size(); ++i)
                clear[i] = char((i * 7919 + 13) % 256);
        }
        const QByteArray stored = plain ? clear : EnvelopeBytes(clear);
        QVERIFY(env.dir.writeBytes("usrdat/ustatus-0.dat", stored));

        QVERIFY(Restart(0));
        gUser->LoadUserFeature();
        QCOMPARE(gUser->StatusFileDamaged(), copied);
        QVERIFY(env.Loaded(1));
        const QList<bool> got{env.Word("apple")->iTestResult == 50, env.Word("banana")->iTestResult == 8,
                              env.Unit(1, 1, 1)->GameScore(0) == 80, env.Unit(1, 2, 1)->GameScore(1) == 70,
                              gUser->nLastBook == 1 && gUser->nLastStartUnit == 2};
        QCOMPARE(got, kept);
        QCOMPARE(gUser->myScore, score);

        const QList<UserFileNotice> notes = TakeUserFileNotices();
        QCOMPARE(notes.size(), copied ? 1 : 0);
        if (copied) {
            QFile copy(notes.first().copy);
            QVERIFY(copy.open(QIODevice::ReadOnly));
            QCOMPARE(copy.readAll(), stored);
            // the quit writes what was kept; the next start is clean
            QVERIFY(gUser->SaveUserFeature());
            QVERIFY(Restart(0));
            QVERIFY(gUser->LoadUserFeature());
            QVERIFY(!gUser->StatusFileDamaged());
            QCOMPARE(TakeUserFileNotices().size(), 0);
            QCOMPARE(env.dir.filesIn("usrdat").filter(".damaged-").size(), 1);
        } else {
            QVERIFY(StatusFileIsWhole(stored) || plain || damage == "lf" || damage == "bom");
        }
    }

    // A status file or nickname file that is a link is not read and not
    // written: the link and what it points at stay as they were.
    void linkedProfileFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        for (const char *file : {"usrdat/ustatus-0.dat", "usrdat/uname.dat", "usrdat/uDRW90.UCK"}) {
            for (const char *kind : {"file", "folder", "dangling"})
                QTest::addRow("%s, link to a %s", file, kind) << file << kind;
        }
    }
    void linkedProfileFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        WordBankEnv env;
        TakeUserFileNotices();
        QVERIFY(env.dir.writeText("notes.txt", "a parent's notes\r\n"));
        QVERIFY(QDir().mkpath(env.dir.file("folder")));
        const QString target = kind == "file"     ? env.dir.file("notes.txt")
                               : kind == "folder" ? env.dir.file("folder")
                                                  : env.dir.file("gone.txt");
        QVERIFY(QFile::link(target, env.dir.file(file)));
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        QCOMPARE(LoadUserNames(), DefaultUserNames());
        gUser->LoadUserFeature();
        QVERIFY(env.Series(0)->AddUserWordBook("Mine", "#U1\r\napple\r\ncat"));
        env.Series(0)->SaveUserWordBook();
        SaveUserNames({"A", "B", "C"});
        gUser->nLastSeries = gUser->nLastBook = gUser->nLastStartUnit = gUser->nLastEndUnit = 1;
        gUser->SaveUserFeature();

        QCOMPARE(ReadUtf8(env.dir.file("notes.txt")), QStringLiteral("a parent's notes\r\n"));
        QCOMPARE(env.dir.filesIn("folder"), QStringList());
        QVERIFY(!QFileInfo::exists(env.dir.file("gone.txt")));
        QVERIFY(QFileInfo(env.dir.file(file)).isSymLink());
        const QList<UserFileNotice> notes = TakeUserFileNotices();
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes.first().path, env.dir.file(file));
        QVERIFY(notes.first().refused);
    }

    void renameNickname()
    {
        WordBankEnv env;
        QStringList names = LoadUserNames();
        names[1] = QStringLiteral("Two\nLines");
        QVERIFY(SaveUserNames(names));
        QCOMPARE(ReadUtf8(gUserNameFile), QStringLiteral("Direvi\r\nTwo Lines\r\nVoro\r\n"));
        QCOMPARE(LoadUserNames()[1], QStringLiteral("Two Lines"));
    }
};
TALLIVO_TEST(TestProfile)
#include "tst_profile.moc"
