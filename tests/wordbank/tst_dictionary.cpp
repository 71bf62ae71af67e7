// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The system dictionary: buckets, look-ups by any written form, the file
// and its awkward lines, and the word-status text.
#include "support/testmain.h"
#include "wbenv.h"
#include "wordbank/answers.h"
#include "wordbank/classbook.h"
#include <algorithm>

namespace {

// What a save must write: every word of the dictionary with progress, in
// bucket order, read the long way.
QString EveryWordWithProgress()
{
    QString text;
    gDictionary->ForEachWord([&](CWord &w) {
        if (!w.HasProgress() || w.English.contains(QLatin1Char('-')) || w.English.contains(QLatin1Char('|')))
            return;
        if (!text.isEmpty())
            text += QLatin1Char('-');
        text += w.English + QLatin1Char('|') + w.StatusToStr();
    });
    return text;
}

// The ways a word's progress changes, each with the way back to none.
enum class Road {
    Answer,
    NewWordMark,
    NewWordBook,
    StatusItem,
    Fields,
    Copy
};

void Change(Road road, CWord *w, bool on)
{
    switch (road) {
    case Road::Answer:
        if (on) {
            answers::Record(*w, scoring::Game::Choose, answers::Answer::Wrong); // -2
        } else {
            for (int i = 0; i < 2; ++i) {
                w->InitStatus();                                                    // a new round
                answers::Record(*w, scoring::Game::Choose, answers::Answer::Right); // +1
            }
        }
        break;
    case Road::NewWordMark:
        w->SetNewWord(3, on);
        break;
    case Road::NewWordBook: {
        ClassBook book; // the new-word book
        book.SetNewBook();
        if (on)
            book.AddNewWord(2, w);
        else
            book.ClearNewWord(2);
        break;
    }
    case Road::StatusItem:
        gDictionary->LoadWordStatus(w->English + (on ? QStringLiteral("|95#00001") : QStringLiteral("|100#00000")));
        break;
    case Road::Fields:
        w->iTestResult = on ? 4 : 0;
        w->NewWordMark = on ? QStringLiteral("01000") : QStringLiteral("00000");
        break;
    case Road::Copy: {
        CWord other;
        other.CopyWord(*w);
        other.iTestResult = on ? -6 : 0;
        *w = other;
        break;
    }
    }
}

} // namespace

class TestDictionary : public QObject {
    Q_OBJECT
private slots:
    void bucket_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("bucket");
        QTest::addRow("empty") << "" << 0;
        QTest::addRow("one letter") << "a" << 0;
        QTest::addRow("one capital") << "Z" << 0;
        QTest::addRow("Color") << "Color" << 48;
        QTest::addRow("case does not matter") << "cOLOr" << 48;
        QTest::addRow("apple") << "apple" << 15;
        QTest::addRow("zz") << "zz" << 286;
        QTest::addRow("@ counts 0") << "@x" << 24;
        QTest::addRow("digit counts 1") << "1a" << 11;
        QTest::addRow("bracket counts 1") << "a[" << 11;
        QTest::addRow("non-ASCII counts 1") << "éa" << 11;
        QTest::addRow("dotless i counts 1") << QString::fromUtf8("aı") << 11;
    }
    void bucket()
    {
        QFETCH(QString, key);
        QFETCH(int, bucket);
        QCOMPARE(ClassDBdictionary::GetSubArrIndex(key), bucket);
    }

    void lookup_data()
    {
        // clang-format off
        QTest::addColumn<QString>("spelling");
        QTest::addColumn<QString>("key"); // "" = not found
        QTest::addColumn<QString>("chinese"); // Chinese() looks up the key only
        QTest::addRow("exact") << "apple" << "apple" << "苹果";
        QTest::addRow("upper case") << "APPLE" << "apple" << "苹果";
        QTest::addRow("spaces around") << "  Apple " << "apple" << "苹果";
        QTest::addRow("hyphen") << "ice-cream" << "icecream" << "冰淇淋";
        QTest::addRow("hyphen, other case") << "Ice-Cream" << "icecream" << "冰淇淋";
        QTest::addRow("British spelling") << "Colour" << "color" << "颜色";
        QTest::addRow("British after the") << "the Colour" << "color" << "";
        QTest::addRow("the prefix") << "the Great Wall" << "GreatWall" << "长城";
        QTest::addRow("dot") << "Mr." << "Mr" << "先生";
        QTest::addRow("apostrophe") << "o'clock" << "oclock" << "点钟";
        QTest::addRow("unknown") << "pear" << "" << "";
        // clang-format on
    }
    void lookup()
    {
        QFETCH(QString, spelling);
        QFETCH(QString, key);
        QFETCH(QString, chinese);
        WordBankEnv env;
        QVERIFY(env.Load());
        CWord *w = reinterpret_cast<CWord *>(1);
        QCOMPARE(gDictionary->SetWord(w, spelling), !key.isEmpty());
        if (key.isEmpty())
            QVERIFY(w == nullptr);
        else
            QCOMPARE(w->English, key);
        QCOMPARE(gDictionary->Chinese(spelling), chinese);
    }

    void colourLandsInBucket48()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        CWord *viaUk = env.Word(QStringLiteral("Colour"));
        QVERIFY(viaUk);
        QCOMPARE(ClassDBdictionary::GetSubArrIndex(viaUk->English), 48);
        QCOMPARE(viaUk, env.Word(QStringLiteral("color"))); // one shared object
        QCOMPARE(gDictionary->Sound(QStringLiteral("Colour")), QStringLiteral("/ ˈkʌlə /"));
    }

    void spellingList()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        // a malformed line keeps its (blank) place; so does the empty end
        QCOMPARE(gUKWords, (QStringList{"", "Colour", "", "Favourite", ""}));
        QCOMPARE(gUSWords, (QStringList{"", "Color", "", "Favorite", ""}));
    }

    // Lines after the five header lines; the line number in the message
    // counts from 1 over the whole file.
    void fileLines_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("message");
        QTest::addRow("blank lines skipped") << QStringList{"", "   ", "pear\tpear\tn. 梨\t梨\tpeə"} << true << "";
        QTest::addRow("sixth field accepted") << QStringList{"pear\tpear\tn. 梨\t梨\tpeə\tnote"} << true << "";
        QTest::addRow("seventh field rejected")
            << QStringList{"pear\tpear\tn. 梨\t梨\tpeə\ta\tb"} << false << "词典第 6 行导入错误：pear\tpear\tn. 梨\t梨\tpeə\ta\tb";
        QTest::addRow("four fields rejected")
            << QStringList{"kiwi\tkiwi\tn. 猕猴桃\t猕猴桃", "pear\tpear\tn. 梨\t梨\tpeə"} << false
            << "词典第 6 行导入错误：kiwi\tkiwi\tn. 猕猴桃\t猕猴桃";
        QTest::addRow("bad line after blank lines")
            << QStringList{"", "", "one"} << false << "词典第 8 行导入错误：one";
    }
    void fileLines()
    {
        QFETCH(QStringList, extra);
        QFETCH(bool, ok);
        QFETCH(QString, message);
        WordBankEnv env;
        wbfix::Install install;
        install.dict = extra;
        QVERIFY(wbfix::Write(env.dir, install));
        ClassDBdictionary dict;
        QCOMPARE(dict.InitDict(), ok);
        if (ok) {
            QVERIFY(env.fake->msgBoxes.isEmpty());
            CWord *w = nullptr;
            QVERIFY(dict.SetWord(w, QStringLiteral("pear")));
            return;
        }
        QCOMPARE(env.fake->msgBoxes.size(), 1);
        QCOMPARE(env.fake->msgBoxes[0].text, message);
        QCOMPARE(env.fake->msgBoxes[0].buttons, MsgButtons::OK);
    }

    void duplicateKeysKeepTheFirst()
    {
        WordBankEnv env;
        wbfix::Install install;
        install.dict = QStringList{"apple\tapple\tn. 苹果\t苹果\tˈæpl", "Apple\tAPPLE\t第二\t第二\tx",
                                   "apple\tapple\t第三\t第三\tx"};
        QVERIFY(wbfix::Write(env.dir, install));
        ClassDBdictionary dict;
        QVERIFY(dict.InitDict());
        QCOMPARE(dict.WordCount(), 1);
        QCOMPARE(dict.Chinese(QStringLiteral("APPLE")), QStringLiteral("苹果"));
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    void unusableFile_data()
    {
        QTest::addColumn<QString>("clear"); // "" = no file
        QTest::addRow("missing") << "";
        QTest::addRow("wrong header") << "$KELVAN DIC97\r\nv\r\n1\r\n2\r\n3\r\napple\tapple\ta\tb\tc\r\n";
        QTest::addRow("five lines") << "$KELVAN DIC98\r\nv\r\n1\r\n2\r\n3";
    }
    void unusableFile()
    {
        QFETCH(QString, clear);
        WordBankEnv env;
        if (!clear.isEmpty())
            QVERIFY(env.dir.writeEnvelopedText(QStringLiteral("dat/sysdic.dic"), clear));
        ClassDBdictionary dict;
        QVERIFY(!dict.InitDict());
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    void headerWithTabsAndLfLines()
    {
        WordBankEnv env;
        QVERIFY(env.dir.writeEnvelopedText(QStringLiteral("dat/sysdic.dic"),
                                           "\t$KELVAN DIC98 \nver 2 \n1\n2\n3\npear\tpear\tn. 梨\t梨\tpeə\n"));
        ClassDBdictionary dict;
        QVERIFY(dict.InitDict());
        QCOMPARE(dict.DicVersion, QStringLiteral("ver 2"));
        QCOMPARE(dict.Chinese(QStringLiteral("pear")), QStringLiteral("梨"));
    }

    void wordStatusText()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        env.Word("pig")->iTestResult = 2;                       // bucket 16*10+7 = 167
        env.Word("apple")->iTestResult = 1;                     // bucket 15
        env.Word("bag")->NewWordMark = QStringLiteral("10000"); // bucket 27
        env.Word("cat")->iTestResult = -6;                      // bucket 50
        QCOMPARE(gDictionary->SaveWordStatus(),
                 QStringLiteral("apple|101#00000-bag|100#10000-cat|94#00000-pig|102#00000"));
        QCOMPARE(gDictionary->GetWordStatusStr(QStringLiteral("cat")), QStringLiteral("94#00000"));
        QCOMPARE(gDictionary->GetWordStatusStr(QStringLiteral("dog")), QString());
    }

    void loadWordStatus_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("apple");
        QTest::addColumn<QString>("appleMark");
        QTest::addColumn<int>("cat");
        // apple starts at 3 / 00100, cat at 0
        QTest::addRow("two items") << "apple|90#01000-cat|107#00000" << -10 << "01000" << 7;
        QTest::addRow("spaces around") << " apple | 90#01000 - cat|107#00000 " << -10 << "01000" << 7;
        QTest::addRow("unknown keys skipped") << "pear|150#00000-cat|107#00000" << 3 << "00100" << 7;
        QTest::addRow("empty record keeps the word") << "apple|-cat|107#00000" << 3 << "00100" << 7;
        QTest::addRow("three pieces skipped") << "apple|90#0|x-cat|107#00000" << 3 << "00100" << 7;
        QTest::addRow("zero text") << "0" << 3 << "00100" << 0;
        QTest::addRow("empty text") << "" << 3 << "00100" << 0;
        QTest::addRow("other letter case") << "APPLE|90#01000-Cat|107#00000" << -10 << "01000" << 7;
        QTest::addRow("twice, the last wins") << "apple|90#01000-cat|107#00000-apple|95#00010" << -5 << "00010" << 7;
        // more items than the look-ups run ahead, words among unknown keys
        QTest::addRow("among many") << QStringLiteral("pear|101#00000-").repeated(20)
                                           + "apple|90#01000-dog|101#00000-" + QStringLiteral("pear|1#0-").repeated(13)
                                           + "cat|107#00000"
                                    << -10 << "01000" << 7;
    }
    void loadWordStatus()
    {
        QFETCH(QString, text);
        QFETCH(int, apple);
        QFETCH(QString, appleMark);
        QFETCH(int, cat);
        WordBankEnv env;
        QVERIFY(env.Load());
        env.Word("apple")->iTestResult = 3;
        env.Word("apple")->NewWordMark = QStringLiteral("00100");
        gDictionary->LoadWordStatus(text);
        QCOMPARE(env.Word("apple")->iTestResult, apple);
        QCOMPARE(env.Word("apple")->NewWordMark, appleMark);
        QCOMPARE(env.Word("cat")->iTestResult, cat);
    }

    // A key the status text cannot carry must not hand its progress to another word.
    void keyWithSeparatorsIsNotSaved()
    {
        WordBankEnv env;
        wbfix::Install install;
        install.dict = QStringList{"ice-cream\tice-cream\ta\tb\tc", "cream\tcream\ta\tb\tc", "a|b\ta|b\ta\tb\tc"};
        QVERIFY(env.Load(install));
        CWord *hyphen = nullptr;
        gDictionary->ForEachWord([&](CWord &w) {
            if (w.English == QLatin1String("ice-cream"))
                hyphen = &w;
            if (w.English == QLatin1String("a|b"))
                w.iTestResult = 4;
        });
        QVERIFY(hyphen);
        hyphen->iTestResult = 9;
        const QString text = gDictionary->SaveWordStatus();
        QCOMPARE(text, QString());
        gDictionary->LoadWordStatus(text);
        QCOMPARE(env.Word("cream")->iTestResult, 0);
    }

    // A save writes only the words listed as changed: whatever road changed
    // a word, it is written, and once back to none it is not.
    void saveFindsEveryChangedWord_data()
    {
        QTest::addColumn<int>("road");
        QTest::addColumn<QStringList>("words");
        const QStringList some{"banana", "apple", "Mr", "egg"};
        QTest::addRow("game answer") << int(Road::Answer) << some;
        QTest::addRow("new-word mark") << int(Road::NewWordMark) << some;
        QTest::addRow("new-word book") << int(Road::NewWordBook) << some;
        QTest::addRow("status item read") << int(Road::StatusItem) << some;
        QTest::addRow("fields set") << int(Road::Fields) << some;
        QTest::addRow("copied over") << int(Road::Copy) << some;
        QTest::addRow("keys shown otherwise") << int(Road::Answer) << QStringList{"icecream", "GreatWall", "oclock"};
    }
    void saveFindsEveryChangedWord()
    {
        QFETCH(int, road);
        QFETCH(QStringList, words);
        WordBankEnv env;
        QVERIFY(env.Load());
        QCOMPARE(gDictionary->SaveWordStatus(), QString());
        QStringList saved;
        for (const QString &spelling : words) {
            CWord *w = env.Word(spelling);
            QVERIFY(w);
            Change(Road(road), w, true);
            QVERIFY(w->HasProgress());
            saved << w->English + QLatin1Char('|');
            const QString text = gDictionary->SaveWordStatus();
            QCOMPARE(text, EveryWordWithProgress());
            for (const QString &item : saved)
                QVERIFY2(text.contains(item), qPrintable(item));
        }
        // back to none one by one, saved in between
        for (const QString &spelling : words) {
            CWord *w = env.Word(spelling);
            Change(Road(road), w, false);
            QVERIFY(!w->HasProgress());
            const QString text = gDictionary->SaveWordStatus();
            QCOMPARE(text, EveryWordWithProgress());
            QVERIFY(!text.contains(w->English + QLatin1Char('|')));
        }
        QCOMPARE(gDictionary->SaveWordStatus(), QString());
        // and changed again after a save dropped them from the list
        for (const QString &spelling : words)
            Change(Road(road), env.Word(spelling), true);
        QCOMPARE(gDictionary->SaveWordStatus(), EveryWordWithProgress());
        QCOMPARE(gDictionary->SaveWordStatus().count(QLatin1Char('|')), words.size());
    }

    // Reading another profile's text over the words, on the same dictionary:
    // words it leaves out keep theirs, words it sets to none are gone.
    void loadOverOlderProgress()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        gDictionary->LoadWordStatus(QStringLiteral("apple|108#00000-banana|96#10000-cat|100#00100"));
        const QString first = gDictionary->SaveWordStatus();
        QCOMPARE(first, EveryWordWithProgress());
        QCOMPARE(first.count(QLatin1Char('|')), 3);
        gDictionary->LoadWordStatus(QStringLiteral("apple|100#00000-banana|100#00000-dog|101#00000"));
        const QString second = gDictionary->SaveWordStatus();
        QCOMPARE(second, EveryWordWithProgress());
        QCOMPARE(second, QStringLiteral("dog|101#00000-cat|100#00100")); // bucket order
    }

    // A new dictionary (another profile, a restart) starts with nothing listed.
    void newDictionaryListsNothing()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        env.Word("apple")->iTestResult = 5;
        QCOMPARE(gDictionary->SaveWordStatus(), QStringLiteral("apple|105#00000"));
        delete gDictionary;
        gDictionary = new ClassDBdictionary;
        QVERIFY(gDictionary->InitDict());
        QCOMPARE(gDictionary->SaveWordStatus(), QString());
        QCOMPARE(env.Word("apple")->iTestResult, 0);
        // a copy of a listed word is in no dictionary: changing it lists nothing
        CWord copy = *env.Word("banana");
        copy.iTestResult = 7;
        QCOMPARE(gDictionary->SaveWordStatus(), QString());
    }

    // A crowded bucket keeps its list in 64-word pieces: words at either
    // side of each piece's edge are all found, in bucket order.
    void crowdedBucket_data()
    {
        QTest::addColumn<QList<int>>("positions");
        QTest::addRow("first and last") << QList<int>{0, 149};
        QTest::addRow("piece edges") << QList<int>{63, 64, 127, 128};
        QTest::addRow("one piece whole") << [] {
            QList<int> all;
            for (int i = 64; i < 128; ++i)
                all << i;
            return all;
        }();
        QTest::addRow("out of order") << QList<int>{140, 3, 70, 65};
    }
    void crowdedBucket()
    {
        QFETCH(QList<int>, positions);
        WordBankEnv env;
        wbfix::Install install;
        install.dict.clear();
        QStringList keys;
        for (int i = 0; i < 150; ++i) {
            // all in one bucket: first letter a, last letter a
            const QString key = QStringLiteral("a%1%2a").arg(QChar(u'a' + i / 26)).arg(QChar(u'a' + i % 26));
            keys << key;
            install.dict << key + QLatin1Char('\t') + key + QStringLiteral("\tn.\t词\t0");
        }
        QVERIFY(env.Load(install));
        for (int p : positions)
            env.Word(keys.at(p))->iTestResult = p + 1;
        const QString text = gDictionary->SaveWordStatus();
        QCOMPARE(text, EveryWordWithProgress());
        QCOMPARE(text.count(QLatin1Char('|')), positions.size());
        QList<int> sorted = positions;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(text.section(QLatin1Char('|'), 0, 0), keys.at(sorted.first()));
    }
};
TALLIVO_TEST(TestDictionary)
#include "tst_dictionary.moc"
