// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The five new-word books: marks on the shared words, the units that show
// them, and practising one of them.
#include "support/testmain.h"
#include "wbenv.h"

namespace {
ClassBook *NewWordBook()
{
    return WordBankEnv::Book(0, 0);
}
}

class TestNewWordBook : public QObject {
    Q_OBJECT
private slots:
    void fiveUnits()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassBook *book = NewWordBook();
        QVERIFY(book);
        QCOMPARE(book->BookName, QStringLiteral("自定义生词本"));
        QCOMPARE(book->UnitNum(), 5);
        for (int k = 1; k <= 5; ++k) {
            ClassUnit *u = nullptr;
            QVERIFY(book->GetUnitbyID(k, u));
            QCOMPARE(u->UnitName, QStringLiteral("生词本%1").arg(k));
            QCOMPARE(u->UnitCaption, u->UnitName);
            QCOMPARE(u->WordNum(), 0);
        }
        ClassUnit *merge = nullptr;
        QVERIFY(!book->GetUnitbyID(0, merge));
        QVERIFY(!env.Series(1)->GetBookByID(0, book));
    }

    void showBooks()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        for (const char *w : {"pig", "apple", "cat"})
            env.Word(w)->SetNewWord(1, true);
        env.Word("apple")->SetNewWord(3, true);
        ClassUnit *u1 = env.Unit(0, 0, 1);
        ClassUnit *u3 = env.Unit(0, 0, 3);
        gDictionary->GenNewWord(1, u1);
        gDictionary->GenNewWord(1, u1); // shown twice: no duplicates
        gDictionary->GenNewWord(3, u3);
        QCOMPARE(env.Keys(u1), (QStringList{"apple", "cat", "pig"})); // bucket order
        QCOMPARE(env.Keys(u3), QStringList{"apple"});
        QCOMPARE(env.Keys(env.Unit(0, 0, 2)), QStringList{});

        env.Word("apple")->SetNewWord(1, false);
        env.Word("apple")->SetNewWord(3, false);
        for (ClassUnit *u : {u1, u3}) {
            u->Clear();
            gDictionary->GenNewWord(u == u1 ? 1 : 3, u);
        }
        QCOMPARE(env.Keys(u1), (QStringList{"cat", "pig"}));
        QCOMPARE(env.Keys(u3), QStringList{});
        // a word with only marks is still kept in the profile
        QCOMPARE(gDictionary->GetWordStatusStr("cat"), QStringLiteral("100#10000"));
    }

    void bookOperations()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        ClassBook *book = NewWordBook();
        book->AddNewWord(2, env.Word("dog"));
        book->AddNewWord(2, env.Word("egg"));
        book->AddNewWord(4, env.Word("egg"));
        QCOMPARE(env.Keys(env.Unit(0, 0, 2)), (QStringList{"dog", "egg"}));
        QCOMPARE(env.Word("egg")->NewWordMark, QStringLiteral("01010"));
        book->DelNewWord(2, env.Word("dog"));
        QCOMPARE(env.Keys(env.Unit(0, 0, 2)), QStringList{"egg"});
        env.Word("pig")->SetNewWord(2, true); // marked elsewhere, not shown yet
        book->ClearNewWord(2);
        QCOMPARE(env.Unit(0, 0, 2)->WordNum(), 0);
        QVERIFY(!env.Word("pig")->IsNewWord(2));
        QCOMPARE(env.Word("egg")->NewWordMark, QStringLiteral("00010")); // other books keep their marks
        // books of other series are not new-word books
        ClassBook *plain = env.Loaded(1) ? env.Book(1, 1) : nullptr;
        QVERIFY(plain);
        plain->AddNewWord(1, env.Word("cow"));
        QVERIFY(!env.Word("cow")->IsNewWord(1));
    }

    void practise()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        env.Word("dog")->SetNewWord(2, true);
        env.Word("egg")->SetNewWord(2, true);
        ClassUnit *u2 = env.Unit(0, 0, 2);
        gDictionary->GenNewWord(2, u2);
        QVERIFY(gWordBank->SelectCourse(0, 0, 2, 2, WordCategory::All));
        QCOMPARE(gCurrUnit, u2);
        QCOMPARE(gCurrUnit->UnitCaption, QStringLiteral("生词本2【共有单词 2 个】"));
        QCOMPARE((QList<int>{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit}),
                 (QList<int>{0, 0, 2, 2}));
        // there is no merge unit to fill
        ClassUnit *before = gCurrUnit;
        QVERIFY(!gWordBank->SelectCourse(0, 0, 1, 3, WordCategory::All));
        QVERIFY(!gWordBank->SelectCourse(0, 0, 2, 2, WordCategory::OftenWrong));
        QCOMPARE(gCurrUnit, before);
    }
};
TALLIVO_TEST(TestNewWordBook)
#include "tst_newwordbook.moc"
