// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The system dictionary: buckets, look-ups by any written form, the file
// and its awkward lines, and the word-status text.
#include "support/testmain.h"
#include "wbenv.h"

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
};
TALLIVO_TEST(TestDictionary)
#include "tst_dictionary.moc"
