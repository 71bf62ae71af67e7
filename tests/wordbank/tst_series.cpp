// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Series, books and the word-bank root: the word-bank files, selections and
// their captions, the user's word books, the unit-status text.
#include "support/testmain.h"
#include "wbenv.h"
#include "helpers/envelope.h"
#include <QFile>

namespace {

// "Book[Unit(key,key) Unit(...)] Book[...]"
QString Describe(const CSeries *series)
{
    QStringList books;
    for (int b = 1; series && b <= series->BookNum(); ++b) {
        ClassBook *book = nullptr;
        series->GetBookByID(b, book);
        QStringList units;
        for (int u = 1; u <= book->UnitNum(); ++u) {
            ClassUnit *unit = nullptr;
            book->GetUnitbyID(u, unit);
            units << unit->UnitName + '(' + WordBankEnv::Keys(unit).join(',') + ')';
        }
        books << book->BookName + '[' + units.join(' ') + ']';
    }
    return books.join(' ');
}

QString ReadUtf8(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("<none>");
}

// The date line of the user's word-book file says nothing testable.
QString WithoutDate(QString text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (lines.size() > 1)
        lines[1] = QStringLiteral("@DATE");
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class TestSeries : public QObject {
    Q_OBJECT
private slots:
    void standardSeries()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QCOMPARE(gWordBank->SeriesNum(), 2);
        QCOMPARE(gWordBank->SeriesName(0), QStringLiteral("我的词库"));
        QCOMPARE(gWordBank->SeriesName(1), wbfix::kSeries1);
        QCOMPARE(gWordBank->SeriesName(3), QString());
        CSeries *s1 = env.Series(1);
        QCOMPARE(s1->SeriesDesc, QStringLiteral("小学三至六年级"));
        QCOMPARE(s1->BookNum(), 0); // books load on demand
        QVERIFY(s1->LoadStandardSeries());
        const QString loaded = Describe(s1);
        QCOMPARE(loaded,
                 QStringLiteral("Book One[Unit 1(apple,banana,cat) Unit 2(dog,egg,icecream,color) "
                                "Unit 3(red,blue,green,pen,book,ruler,bag,desk,chair,door,window,bird) "
                                "Unit 4(fish,duck,horse,cow,pig,apple)] Book Two[Lesson 1-2(Mr,oclock)]"));
        QCOMPARE(env.Unit(1, 1, 2)->English(4), QStringLiteral("Colour"));
        CSentence *s = nullptr;
        QVERIFY(env.Unit(1, 1, 1)->GetSentence(2, s));
        QCOMPARE(s->SentenceID, QStringLiteral("SID-1-1-1-2"));
        QCOMPARE(s->SentenceCH, QStringLiteral("猫很小。"));
        QVERIFY(s1->DroppedWordLines().isEmpty());

        // a second load adds nothing
        QVERIFY(s1->LoadStandardSeries());
        QCOMPARE(Describe(s1), loaded);
        QCOMPARE(env.Unit(1, 1, 1)->SentenceNum(), 2);
        QVERIFY(env.Loaded(2));
        QCOMPARE(Describe(env.Series(2)), QStringLiteral("Book A[Unit 1(GreatWall,pig)]"));
    }

    // Awkward word-bank files; the series under test is "S".
    void wordBankFile_data()
    {
        QTest::addColumn<QStringList>("body");
        QTest::addColumn<QString>("books");
        QTest::addColumn<QStringList>("dropped");
        QTest::addRow("series name twice: first section only")
            << QStringList{"@S", "!d", "%A", "#U1", "apple", "@S", "!d", "%B", "#U2", "cat"} << "A[U1(apple)]"
            << QStringList{};
        QTest::addRow("same book twice")
            << QStringList{"@S", "!d", "%A", "#U1", "apple", "%A", "#U2", "cat"} << "A[U1(apple) U2(cat)]"
            << QStringList{};
        QTest::addRow("word right after a book line")
            << QStringList{"@S", "!d", "%A", "#U1", "apple", "%B", "cat", "#U2", "dog"} << "A[U1(apple,cat)] B[U2(dog)]"
            << QStringList{};
        QTest::addRow("word before any unit")
            << QStringList{"@S", "!d", "%A", "apple", "#U1", "cat"} << "A[U1(cat)]" << QStringList{"apple"};
        QTest::addRow("digits and invalid lines")
            << QStringList{"@S", "!d", "%A", "#U1", "apple", "123", "Unit 5", "猫", "cat"} << "A[U1(apple,cat)]"
            << QStringList{"123", "Unit 5", "猫"};
        QTest::addRow("unknown word") << QStringList{"@S", "!d", "%A", "#U1", "pear", "cat"} << "A[U1(cat)]"
                                      << QStringList{"pear"};
        QTest::addRow("same unit twice: words stay in the current unit")
            << QStringList{"@S", "!d", "%A", "#U1", "apple", "#U2", "cat", "#U1", "dog"} << "A[U1(apple) U2(cat,dog)]"
            << QStringList{};
        QTest::addRow("description line is never data")
            << QStringList{"@S", "%A", "#U1", "apple"} << "" << QStringList{"apple"};
        QTest::addRow("other sections skipped")
            << QStringList{"@T", "!d", "%Z", "#U1", "dog", "@S", "!d", "%A", "#U1", "apple", "@T2", "!d", "%Y", "#U9", "cat"}
            << "A[U1(apple)]" << QStringList{};
        QTest::addRow("tabs and spaces around lines")
            << QStringList{" @S ", "!d", " %A", "#U1 ", "\tapple\t", "  *\tHi.\t嗨。"} << "A[U1(apple)]" << QStringList{};
    }
    void wordBankFile()
    {
        QFETCH(QStringList, body);
        QFETCH(QString, books);
        QFETCH(QStringList, dropped);
        WordBankEnv env;
        wbfix::Install install;
        install.bank = body;
        QVERIFY(env.Load(install));
        CSeries *s = nullptr;
        QVERIFY(gWordBank->GetSeriesByName(QStringLiteral("S"), s));
        QVERIFY(s->LoadStandardSeries());
        QCOMPARE(Describe(s), books);
        QCOMPARE(s->DroppedWordLines(), dropped);
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    // A sentence's ID names the series, the book being read and its unit,
    // also for sentences that come after a new book's line but before its
    // first unit (they stay with the last unit).
    void sentenceIds()
    {
        WordBankEnv env;
        wbfix::Install install;
        install.bank = QStringList{"@S", "!d", "%A", "#U1", "apple", "*\tOne.\t一。",
                                   "*\tTwo.\t二。", "#U2", "dog", "*\tThree.\t三。", "%B", "*\tFour.\t四。",
                                   "#U1", "*\tFive.\t五。", "cat"};
        QVERIFY(env.Load(install));
        CSeries *s = nullptr;
        QVERIFY(gWordBank->GetSeriesByName(QStringLiteral("S"), s));
        QVERIFY(s->LoadStandardSeries());
        QCOMPARE(s->BookNum(), 2);
        const QString series = QString::number(s->SeriesID);
        auto ids = [s](int b, int u) {
            QStringList out;
            ClassBook *book = nullptr;
            ClassUnit *unit = nullptr;
            CSentence *sentence = nullptr;
            if (!s->GetBookByID(b, book) || !book->GetUnitbyID(u, unit))
                return out;
            for (int i = 1; unit->GetSentence(i, sentence); ++i)
                out << sentence->SentenceID;
            return out;
        };
        const QString a = QStringLiteral("SID-") + series + QStringLiteral("-1-");
        const QString b = QStringLiteral("SID-") + series + QStringLiteral("-2-");
        QCOMPARE(ids(1, 1), (QStringList{a + "1-1", a + "1-2"}));
        QCOMPARE(ids(1, 2), (QStringList{a + "2-1", b + "2-2"}));
        QCOMPARE(ids(2, 1), (QStringList{b + "1-1"}));
    }

    void unusableWordBank_data()
    {
        QTest::addColumn<QString>("clear"); // "" = no file
        QTest::addRow("missing") << "";
        QTest::addRow("wrong header") << "$ KELVAN VOCATRIX97 WORDBANK\r\nv\r\n@S\r\n!d\r\n%A\r\n#U1\r\napple\r\n";
        QTest::addRow("five lines") << "$ KELVAN VOCATRIX98 WORDBANK\r\nv\r\n@S\r\n!d\r\n%A";
    }
    void unusableWordBank()
    {
        QFETCH(QString, clear);
        WordBankEnv env;
        QVERIFY(wbfix::Write(env.dir));
        QFile::remove(env.dir.file("dat/twb.ck"));
        if (!clear.isEmpty())
            QVERIFY(env.dir.writeEnvelopedText(QStringLiteral("dat/twb.ck"), clear));
        gDictionary = new ClassDBdictionary;
        QVERIFY(gDictionary->InitDict());
        gWordBank = new CWordBank;
        QVERIFY(!gWordBank->SeriesListLoaded());
        QCOMPARE(gWordBank->SeriesNum(), 0);
        CSeries s;
        s.SeriesName = QStringLiteral("S");
        QVERIFY(!s.LoadStandardSeries());
        QVERIFY(env.fake->msgBoxes.isEmpty());
        // the program's fallback selection fails with message 004
        QVERIFY(!gWordBank->SetCurrSeries(1));
        QCOMPARE(env.fake->msgCaptions(), QStringList{"严重错误"});
    }

    void selection_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<WordCategory>("category");
        QTest::addColumn<bool>("ownUnit"); // the book's own unit, not the merge unit
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("words");
        QTest::addRow("one unit, all words") << 3 << 3 << WordCategory::All << true << "Unit 3【共有单词 12 个】" << 12;
        QTest::addRow("one unit, one category") << 2 << 2 << WordCategory::WellKnown << false << "Unit 2【很熟悉的：1个】" << 1;
        QTest::addRow("range, one category") << 1 << 4 << WordCategory::OftenWrong << false << "Unit 1 <--> Unit 4【常出错的：7个】" << 7;
        QTest::addRow("range, all words") << 1 << 2 << WordCategory::All << false << "Unit 1 <--> Unit 2【全部：7个】" << 7;
        QTest::addRow("range, nothing in the category") << 3 << 4 << WordCategory::Practising << false
                                                        << "Unit 3 <--> Unit 4【正在练习：0个】" << 0;
    }
    void selection()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(WordCategory, category);
        QFETCH(bool, ownUnit);
        QFETCH(QString, caption);
        QFETCH(int, words);
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        for (const char *w : {"apple", "banana", "dog", "egg", "red", "blue", "fish"})
            env.Word(w)->iTestResult = -7;
        env.Word("icecream")->iTestResult = 7;
        QVERIFY(gWordBank->SelectCourse(1, 1, first, last, category));
        QCOMPARE(gCurrSeries, env.Series(1));
        QCOMPARE(gCurrBook, env.Book(1, 1));
        QCOMPARE(gCurrUnit, ownUnit ? env.Unit(1, 1, first) : env.Unit(1, 1, 0));
        QCOMPARE(gCurrUnit->UnitCaption, caption);
        QCOMPARE(gCurrUnit->WordNum(), words);
        QCOMPARE((QList<int>{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit}),
                 (QList<int>{1, 1, first, last}));
    }

    void badSelection_data()
    {
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addRow("reversed") << 1 << 3 << 2;
        QTest::addRow("from 0") << 1 << 0 << 1;
        QTest::addRow("past the end") << 1 << 4 << 5;
        QTest::addRow("book without units") << 3 << 1 << 1;
    }
    void badSelection()
    {
        QFETCH(int, book);
        QFETCH(int, first);
        QFETCH(int, last);
        WordBankEnv env;
        QVERIFY(env.Load());
        CSeries *s1 = env.Loaded(1);
        ClassBook *empty = nullptr;
        QCOMPARE(s1->AddNewBook(QStringLiteral("Empty"), empty), 3);
        QVERIFY(gWordBank->SelectCourse(1, 1, 2, 2, WordCategory::All));
        ClassUnit *before = gCurrUnit;
        ClassBook *b = env.Book(1, book);
        QVERIFY(!b->SetCurrUnit(first, last, WordCategory::All));
        QVERIFY(!b->GetManyUnits(first, last, WordCategory::All));
        QCOMPARE(gCurrUnit, before);
        QCOMPARE(gUser->nLastStartUnit, 2);
        QCOMPARE(gUser->nLastEndUnit, 2);
    }

    // A course that cannot be chosen leaves the current one and the
    // profile's last course exactly as they were.
    void failedSelectionChangesNothing_data()
    {
        QTest::addColumn<QList<int>>("course"); // series, book, first, last
        QTest::addColumn<WordCategory>("category");
        QTest::addColumn<bool>("told004");
        QTest::addRow("series gone") << QList<int>{7, 1, 1, 1} << WordCategory::All << true;
        QTest::addRow("book gone in another series") << QList<int>{2, 9, 1, 1} << WordCategory::All << false;
        QTest::addRow("user series, book gone") << QList<int>{0, 4, 1, 1} << WordCategory::All << false;
        QTest::addRow("units gone") << QList<int>{1, 1, 3, 9} << WordCategory::All << false;
        QTest::addRow("reversed range") << QList<int>{2, 1, 2, 1} << WordCategory::All << false;
        QTest::addRow("book without units") << QList<int>{1, 3, 1, 1} << WordCategory::All << false;
        QTest::addRow("new-word book, a range") << QList<int>{0, 0, 1, 3} << WordCategory::All << false;
        QTest::addRow("new-word book, a category") << QList<int>{0, 0, 2, 2} << WordCategory::OftenWrong << false;
    }
    void failedSelectionChangesNothing()
    {
        QFETCH(QList<int>, course);
        QFETCH(WordCategory, category);
        QFETCH(bool, told004);
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassBook *empty = nullptr;
        QCOMPARE(env.Loaded(1)->AddNewBook(QStringLiteral("Empty"), empty), 3);
        QVERIFY(gWordBank->SelectCourse(1, 2, 1, 1, WordCategory::All));
        const QList<const void *> before{gCurrSeries, gCurrBook, gCurrUnit};
        const QList<int> last{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit};
        QCOMPARE(last, (QList<int>{1, 2, 1, 1}));
        env.fake->msgBoxes.clear();
        QVERIFY(!gWordBank->SelectCourse(course[0], course[1], course[2], course[3], category));
        QCOMPARE((QList<const void *>{gCurrSeries, gCurrBook, gCurrUnit}), before);
        QCOMPARE((QList<int>{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit}), last);
        QCOMPARE(env.fake->msgBoxes.size(), told004 ? 1 : 0);
        // the profile's course is still there to go back to
        QVERIFY(gWordBank->RestoreLastCourse());
        QCOMPARE(gCurrUnit, env.Unit(1, 2, 1));
    }

    // Renaming and deleting the user's books: each refusal is an error for
    // the window to show, with the books, the file and the profile unchanged.
    void userBookOperations_data()
    {
        // clang-format off
        QTest::addColumn<QString>("op"); // "rename" or "delete"
        QTest::addColumn<int>("book");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("books"); // the books afterwards
        QTest::addColumn<int>("profileBook"); // the profile's book (it was on B2)
        const auto e = [](UserBookError x) { return int(x); };
        QTest::addRow("rename") << "rename" << 2 << " New\t" << true << e(UserBookError::None) << "B1 New B3" << 2;
        QTest::addRow("rename to its own name") << "rename" << 2 << "B2" << true << e(UserBookError::None)
                                                << "B1 B2 B3" << 2;
        QTest::addRow("rename, empty") << "rename" << 2 << " \t " << true << e(UserBookError::EmptyName)
                                       << "B1 B2 B3" << 2;
        QTest::addRow("rename, another book's name") << "rename" << 2 << "B3" << true << e(UserBookError::BadName)
                                                     << "B1 B2 B3" << 2;
        QTest::addRow("rename, new-word book's name") << "rename" << 1 << "系统生词本" << true
                                                      << e(UserBookError::BadName) << "B1 B2 B3" << 2;
        QTest::addRow("rename, the series' name") << "rename" << 1 << "我的词库" << true << e(UserBookError::BadName)
                                                  << "B1 B2 B3" << 2;
        QTest::addRow("rename, no such book") << "rename" << 4 << "X" << true << e(UserBookError::NoBook)
                                              << "B1 B2 B3" << 2;
        QTest::addRow("rename, new-word book") << "rename" << 0 << "X" << true << e(UserBookError::NoBook)
                                               << "B1 B2 B3" << 2;
        QTest::addRow("rename, not saved") << "rename" << 2 << "New" << false << e(UserBookError::NotSaved)
                                           << "B1 B2 B3" << 2;
        QTest::addRow("delete an earlier book") << "delete" << 1 << "" << true << e(UserBookError::None) << "B2 B3"
                                                << 1;
        QTest::addRow("delete a later book") << "delete" << 3 << "" << true << e(UserBookError::None) << "B1 B2" << 2;
        QTest::addRow("delete, no such book") << "delete" << 4 << "" << true << e(UserBookError::NoBook)
                                              << "B1 B2 B3" << 2;
        QTest::addRow("delete, new-word book") << "delete" << 0 << "" << true << e(UserBookError::NoBook)
                                               << "B1 B2 B3" << 2;
        // clang-format on
    }
    void userBookOperations()
    {
        QFETCH(QString, op);
        QFETCH(int, book);
        QFETCH(QString, name);
        QFETCH(bool, writable);
        QFETCH(int, error);
        QFETCH(QString, books);
        QFETCH(int, profileBook);
        WordBankEnv env;
        QVERIFY(env.Load());
        CSeries *user = env.Series(0);
        for (const char *b : {"B1", "B2", "B3"})
            QVERIFY(user->AddUserWordBook(QString::fromLatin1(b), "#U1\r\napple\r\ncat"));
        QVERIFY(user->SaveUserWordBook());
        QVERIFY(gWordBank->SelectCourse(0, 2, 1, 1, WordCategory::All));
        QVERIFY(gUser->SaveUserFeature());
        const QString fileBefore = ReadUtf8(gUserBookFile);
        gUserFilesWritable = writable;
        const UserBookError got =
            op == "rename" ? gWordBank->RenameUserBook(book, name) : gWordBank->DeleteUserBook(book);
        gUserFilesWritable = true;
        QCOMPARE(int(got), error);
        QStringList names;
        for (int i = 1; i <= user->BookNum(); ++i)
            names << user->BookName(i);
        QCOMPARE(names.join(' '), books);
        QCOMPARE(gUser->nLastBook, profileBook);
        QCOMPARE(gCurrBook ? gCurrBook->BookID : -1, profileBook);
        // a success is in the file and in the profile's file at once
        QStringList status;
        QVERIFY(ReadEncodedFileLines(gUserStatusFile[0], status));
        if (got == UserBookError::None) {
            QVERIFY(ReadUtf8(gUserBookFile).contains(QLatin1Char('%') + user->BookName(profileBook)));
            QCOMPARE(status.value(1), QString::number(profileBook));
            QCOMPARE(status.value(10), user->BookName(profileBook));
        } else {
            QCOMPARE(ReadUtf8(gUserBookFile), fileBefore);
            QCOMPARE(status.value(10), QStringLiteral("B2"));
        }
        QCOMPARE(UserBookErrorText(got).isEmpty(),
                 got == UserBookError::None || got == UserBookError::NotSaved);
    }

    void currentSeries()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(!gWordBank->SetCurrSeries(3));
        QCOMPARE(env.fake->msgBoxes.size(), 1);
        QCOMPARE(env.fake->msgBoxes[0].text, QStringLiteral("错误004:当前教程加载失败！"));
        QCOMPARE(env.fake->msgBoxes[0].icon, MsgIcon::Critical);
        QVERIFY(!gWordBank->SetCurrSeries(-1));
        QVERIFY(gWordBank->SetCurrSeries(0));
        QCOMPARE(gCurrSeries, env.Series(0));
        QVERIFY(gWordBank->SetCurrSeries(2));
        QCOMPARE(gUser->nLastSeries, 2);
        gUser->nLastSeries = 77;
        QVERIFY(gWordBank->SetCurrSeries(2)); // already current: nothing touched
        QCOMPARE(gUser->nLastSeries, 77);
        // a standard series has no book 0
        QVERIFY(!gCurrSeries->SetCurrBook(0));
        QVERIFY(!gCurrSeries->SetCurrBook(1)); // not loaded yet
        QVERIFY(gCurrBook == nullptr);
    }

    void userBookFile()
    {
        WordBankEnv env;
        wbfix::Install install;
        install.userBook = true;
        QVERIFY(env.Load(install));
        CSeries *user = env.Series(0);
        QCOMPARE(Describe(user), QStringLiteral("My Book[Unit 1(apple,icecream)]"));
        // the file keeps keys; the display spelling stays the dictionary's
        QCOMPARE(env.Word("icecream")->UserEN, QStringLiteral("ice-cream"));
        QVERIFY(user->SaveUserWordBook());
        QCOMPARE(WithoutDate(ReadUtf8(gUserBookFile)), WithoutDate(wbfix::UserBookText()));
        QCOMPARE(env.dir.filesIn("usrdat"), QStringList{"uDRW90.UCK"});
    }

    void importBook_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("books");
        const QString mine = QStringLiteral("My Book[Unit 1(apple,icecream)]");
        QTest::addRow("new book") << "New" << "#Unit 1\r\napple\r\nice-cream" << true
                                  << mine + " New[Unit 1(apple,icecream)]";
        QTest::addRow("LF lines") << "New" << "#Unit 1\napple\ncat\n" << true << mine + " New[Unit 1(apple,cat)]";
        QTest::addRow("two lines") << "New" << "#Unit 1\r\napple" << false << mine + " New[]";
        QTest::addRow("unknown word stops") << "New" << "#U1\r\napple\r\npear\r\ncat" << false << mine + " New[U1(apple)]";
        QTest::addRow("word before a unit") << "New" << "apple\r\n#U1\r\ncat" << false << mine + " New[]";
        QTest::addRow("into an existing book") << "My Book" << "#Unit 2\r\ndog\r\negg" << true
                                               << "My Book[Unit 1(apple,icecream) Unit 2(dog,egg)]";
        QTest::addRow("existing unit, none current") << "My Book" << "#Unit 1\r\ndog\r\negg" << false << mine;
        QTest::addRow("empty name") << " \t " << "#U1\r\napple\r\ncat" << false << mine;
        // clang-format on
    }
    void importBook()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(QString, books);
        WordBankEnv env;
        wbfix::Install install;
        install.userBook = true;
        QVERIFY(env.Load(install));
        CSeries *user = env.Series(0);
        QCOMPARE(user->AddUserWordBook(name, text), ok);
        QCOMPARE(Describe(user), books);
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    void reservedBookNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("system new-word book") << "系统生词本";
        QTest::addRow("user series") << " 我的词库\t";
    }
    void reservedBookNames()
    {
        QFETCH(QString, name);
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(!env.Series(0)->AddUserWordBook(name, QStringLiteral("#U1\r\napple\r\ncat")));
        QCOMPARE(env.Series(0)->BookNum(), 0);
        QCOMPARE(env.fake->msgBoxes.size(), 1);
        QCOMPARE(env.fake->msgBoxes[0].text, QStringLiteral("非法的课本名称!请更改课本名称"));
        QCOMPARE(env.fake->msgBoxes[0].caption, QStringLiteral("添加自定义课本"));
        QCOMPARE(env.fake->msgBoxes[0].icon, MsgIcon::Critical);
    }

    void deleteUserBook()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        CSeries *user = env.Series(0);
        QVERIFY(user->AddUserWordBook("B1", "#U1\r\napple\r\ncat"));
        QVERIFY(user->AddUserWordBook("B2", "#U1\r\ndog\r\negg"));
        QVERIFY(user->AddUserWordBook("B3", "#U1\r\npig\r\ncow"));
        QVERIFY(gWordBank->SelectCourse(0, 1, 1, 1, WordCategory::All));
        QVERIFY(!user->DelUserWordBook(0));
        QVERIFY(!user->DelUserWordBook(4));
        QVERIFY(user->DelUserWordBook(1));
        // nothing may keep pointing into the removed book
        QVERIFY(gCurrBook == nullptr);
        QVERIFY(gCurrUnit == nullptr);
        QCOMPARE(Describe(user), QStringLiteral("B2[U1(dog,egg)] B3[U1(pig,cow)]"));
        QCOMPARE(env.Book(0, 1)->BookID, 1);
        QCOMPARE(env.Unit(0, 2, 1)->BookID, 2);
        QVERIFY(env.Book(0, 0)); // the new-word book stays in slot 0
        QVERIFY(user->SaveUserWordBook());
        QCOMPARE(WithoutDate(ReadUtf8(gUserBookFile)),
                 QStringLiteral("@我的词库\r\n@DATE\r\n\r\n%B2\r\n\r\n#U1\r\ndog\r\negg\r\n\r\n"
                                "\r\n%B3\r\n\r\n#U1\r\npig\r\ncow\r\n\r\n\r\n"));
        // deleting the last book still rewrites the file
        QVERIFY(user->DelUserWordBook(1));
        QVERIFY(user->DelUserWordBook(1));
        QVERIFY(user->SaveUserWordBook());
        QCOMPARE(WithoutDate(ReadUtf8(gUserBookFile)), QStringLiteral("@我的词库\r\n@DATE\r\n\r\n"));
    }

    // A user word-book file the program does not recognise is never deleted:
    // it is copied aside before the first save, next to any older copy.
    void unknownUserBookFileIsKept_data()
    {
        // clang-format off
        QTest::addColumn<QString>("original");
        QTest::addColumn<bool>("olderCopy");
        const QString notes = QStringLiteral("my notes\r\n%Book\r\n#U1\r\napple\r\n");
        QTest::addRow("first line not the header") << notes << false;
        QTest::addRow("older copy stays") << notes << true;
        QTest::addRow("header after a blank line") << "\r\n@我的词库\r\n@2024/1/1\r\n%B\r\n#U1\r\napple\r\n" << false;
        // clang-format on
    }
    void unknownUserBookFileIsKept()
    {
        QFETCH(QString, original);
        QFETCH(bool, olderCopy);
        WordBankEnv env;
        const QString older = QStringLiteral("uDRW90.UCK.damaged-20200101-0000");
        QVERIFY(env.dir.writeText("usrdat/uDRW90.UCK", original));
        if (olderCopy)
            QVERIFY(env.dir.writeText("usrdat/" + older, "older"));
        QVERIFY(env.Load());
        CSeries *user = env.Series(0);
        QCOMPARE(user->BookNum(), 0);
        QCOMPARE(ReadUtf8(gUserBookFile), original); // loading never deletes it
        QVERIFY(user->AddUserWordBook("B1", "#U1\r\napple\r\ncat"));
        QVERIFY(user->SaveUserWordBook());
        QStringList copies = env.dir.filesIn("usrdat").filter(QStringLiteral("uDRW90.UCK.damaged-"));
        copies.removeAll(older);
        QCOMPARE(copies.size(), 1);
        QCOMPARE(ReadUtf8(env.dir.file("usrdat/" + copies.first())), original);
        if (olderCopy)
            QCOMPARE(ReadUtf8(env.dir.file("usrdat/" + older)), QStringLiteral("older"));
        QVERIFY(ReadUtf8(gUserBookFile).startsWith(QStringLiteral("@我的词库\r\n")));
        // only the unknown file is copied aside, once
        const QStringList files = env.dir.filesIn("usrdat");
        QVERIFY(user->SaveUserWordBook());
        QCOMPARE(env.dir.filesIn("usrdat"), files);
    }

    void onlyTheUserSeriesWritesTheFile()
    {
        WordBankEnv env;
        wbfix::Install install;
        install.userBook = true;
        QVERIFY(env.Load(install));
        QVERIFY(!env.Loaded(1)->SaveUserWordBook());
        QCOMPARE(ReadUtf8(gUserBookFile), wbfix::UserBookText());
    }

    void unitStatusText()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        QCOMPARE(gWordBank->SaveUnitStatus(), QString());
        env.Unit(1, 1, 1)->SetUnitStatus(0, 100);
        env.Unit(1, 1, 1)->SetUnitStatus(1, 80);
        env.Unit(1, 1, 3)->SetUnitStatus(4, 60);
        QCOMPARE(gWordBank->SaveUnitStatus(),
                 QStringLiteral("@") + wbfix::kSeries1
                     + QStringLiteral("\t\t%Book One\t\t#Unit 1-100080000000000000000000000\t#Unit 3-000000000000060000000000000"));
    }

    // Results of standard and user units survive a fresh word bank; the
    // standard series named in the text is loaded on the way.
    void unitStatusRoundTrip()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        QVERIFY(env.Series(0)->AddUserWordBook("Mine", "#U1\r\napple\r\ncat"));
        QVERIFY(env.Series(0)->SaveUserWordBook());
        env.Unit(1, 1, 4)->SetUnitStatus(6, 100);
        env.Unit(1, 2, 1)->SetUnitStatus(2, 40); // "Lesson 1-2"
        env.Unit(0, 1, 1)->SetUnitStatus(3, 90);
        const QString text = gWordBank->SaveUnitStatus();

        gCurrSeries = nullptr;
        delete gWordBank;
        gWordBank = new CWordBank;
        QCOMPARE(env.Series(1)->BookNum(), 0);
        gWordBank->LoadUnitStatus(text);
        QCOMPARE(gWordBank->SaveUnitStatus(), text);
        QCOMPARE(env.Unit(1, 2, 1)->GameScore(2), 40);
        QCOMPARE(env.Unit(1, 1, 4)->IsAllCompleted(), 0);
        QCOMPARE(env.Unit(0, 1, 1)->GameScore(3), 90);
        QCOMPARE(env.Series(2)->BookNum(), 0); // not named, not loaded
    }

    void loadUnitStatusSkips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("score"); // of game 0 in Book One / Unit 1, which starts at 10
        const QString s1 = QStringLiteral("@") + wbfix::kSeries1;
        QTest::addRow("zero") << "0" << 10;
        QTest::addRow("empty") << "  " << 10;
        QTest::addRow("applied") << s1 + "\t\t%Book One\t\t#Unit 1-050000000000000000000000000" << 50;
        QTest::addRow("unknown series") << "@Gone\t\t%Book One\t\t#Unit 1-050000000000000000000000000" << 10;
        QTest::addRow("unknown book") << s1 + "\t\t%Gone\t\t#Unit 1-050000000000000000000000000" << 10;
        QTest::addRow("unit before any book") << s1 + "\t\t#Unit 1-050000000000000000000000000" << 10;
        QTest::addRow("short unit item") << s1 + "\t\t%Book One\t\t#050000000000000000000000000" << 10;
        QTest::addRow("26 digits") << s1 + "\t\t%Book One\t\t#Unit 1-05000000000000000000000000" << 10;
        QTest::addRow("unknown series resets the book")
            << s1 + "\t%Book One\t@Gone\t#Unit 1-050000000000000000000000000" << 10;
    }
    void loadUnitStatusSkips()
    {
        QFETCH(QString, text);
        QFETCH(int, score);
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        env.Unit(1, 1, 1)->SetUnitStatus(0, 10);
        gWordBank->LoadUnitStatus(text);
        QCOMPARE(env.Unit(1, 1, 1)->GameScore(0), score);
    }
};
TALLIVO_TEST(TestSeries)
#include "tst_series.moc"
