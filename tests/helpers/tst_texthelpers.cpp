// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpers/apppaths.h"
#include "helpers/texthelpers.h"
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "support/testmain.h"
#include <QDir>
#include <algorithm>
#include <numeric>

class TextHelpersTest : public QObject {
    Q_OBJECT

    static void useSpellingList()
    {
        // index 0 stays empty; the duplicate checks that the first pair wins
        gUKWords = {QString(), QStringLiteral("colour"), QStringLiteral(" grey "),
                    QStringLiteral("theatre"), QStringLiteral("programme"), QStringLiteral("programme")};
        gUSWords = {QString(), QStringLiteral("color"), QStringLiteral("gray"),
                    QStringLiteral("theater"), QStringLiteral("program"), QStringLiteral("programs")};
    }

private slots:
    void normalizeWordKey_data()
    {
        // clang-format off
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("key");
        QTest::addRow("hyphen") << "ice-cream" << "icecream";
        QTest::addRow("space") << "ice cream" << "icecream";
        QTest::addRow("the prefix") << "the Great Wall" << "GreatWall";
        QTest::addRow("apostrophe") << "o'clock" << "oclock";
        QTest::addRow("dot") << "Mr." << "Mr";
        QTest::addRow("the and space trimmed first") << "the " << "the";
        QTest::addRow("every the goes") << "the bathe end" << "baend";
        QTest::addRow("There is not the prefix") << "There is" << "Thereis";
        QTest::addRow("capital The is not the prefix") << "The Great Wall" << "TheGreatWall";
        QTest::addRow("outer spaces") << "  look at  " << "lookat";
        QTest::addRow("British spelling") << "colour" << "color";
        QTest::addRow("British spelling padded") << "  grey" << "gray";
        QTest::addRow("spelling look-up is case-sensitive") << "Colour" << "Colour";
        QTest::addRow("British word starting with the") << "theatre" << "theater";
        QTest::addRow("case kept") << "T-shirt" << "Tshirt";
        QTest::addRow("empty") << "" << "";
        // clang-format on
    }
    void normalizeWordKey()
    {
        TempAppDir app;
        useSpellingList();
        QFETCH(QString, word);
        QFETCH(QString, key);
        QCOMPARE(NormalizeWordKey(word), key);
    }

    void ukToUs_data()
    {
        // clang-format off
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("us");
        QTest::addRow("listed") << "colour" << "color";
        QTest::addRow("both sides trimmed") << " grey  " << "gray";
        QTest::addRow("first pair wins") << "programme" << "program";
        QTest::addRow("not listed") << "apple" << "";
        QTest::addRow("case-sensitive") << "COLOUR" << "";
        QTest::addRow("a US spelling is not a UK one") << "color" << "";
        // clang-format on
    }
    void ukToUs()
    {
        TempAppDir app;
        useSpellingList();
        QFETCH(QString, word);
        QFETCH(QString, us);
        QCOMPARE(UKToUSSpelling(word), us);
    }

    void spellingListChangesAreSeen()
    {
        TempAppDir app;
        QCOMPARE(UKToUSSpelling(QStringLiteral("colour")), QString()); // no list loaded
        useSpellingList();
        QCOMPARE(UKToUSSpelling(QStringLiteral("colour")), QStringLiteral("color"));
        gUSWords[1] = QStringLiteral("kolor");
        QCOMPARE(UKToUSSpelling(QStringLiteral("colour")), QStringLiteral("kolor"));
        gUKWords.append(QStringLiteral("metre"));
        gUSWords.append(QStringLiteral("meter"));
        QCOMPARE(NormalizeWordKey(QStringLiteral("metre")), QStringLiteral("meter"));
        // a US list shorter than the UK one gives "" rather than reading past its end
        gUKWords.append(QStringLiteral("tyre"));
        QCOMPARE(UKToUSSpelling(QStringLiteral("tyre")), QString());
        gUKWords.clear();
        gUSWords.clear();
        QCOMPARE(UKToUSSpelling(QStringLiteral("colour")), QString());
    }

    void isValidEnglishWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("cleaned");
        QTest::addRow("punctuation allowed") << "Mr. Smith's pen-pal" << true << "Mr. Smith's pen-pal";
        QTest::addRow("digit") << "Unit 1" << false << "Unit 1";
        QTest::addRow("tab removed first") << "ice\tcream" << true << "icecream";
        QTest::addRow("outer spaces trimmed") << "  apple " << true << "apple";
        QTest::addRow("24 characters") << QString(24, QLatin1Char('a')) << true << QString(24, QLatin1Char('a'));
        QTest::addRow("25 characters") << QString(25, QLatin1Char('a')) << false << QString(25, QLatin1Char('a'));
        QTest::addRow("25 with a tab is 24") << QString(12, QLatin1Char('a')) + "\t" + QString(12, QLatin1Char('b'))
                                             << true << QString(12, QLatin1Char('a')) + QString(12, QLatin1Char('b'));
        QTest::addRow("empty") << "" << true << "";
        QTest::addRow("Chinese") << "苹果" << false << "苹果";
        QTest::addRow("sentence line") << "*" << false << "*";
        QTest::addRow("unit line") << "#Unit" << false << "#Unit";
        QTest::addRow("accented letter") << "café" << false << "café";
        QTest::addRow("dotless i") << "\u0131t" << false << "\u0131t";
        QTest::addRow("full-width space") << "a\u3000b" << false << "a\u3000b";
    }
    void isValidEnglishWord()
    {
        QFETCH(QString, word);
        QFETCH(bool, valid);
        QFETCH(QString, cleaned);
        QCOMPARE(::IsValidEnglishWord(word), valid);
        QCOMPARE(word, cleaned);
    }

    void stripTabsTrim_data()
    {
        // clang-format off
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::addRow("tabs anywhere") << "\ta\tb\t" << "ab";
        QTest::addRow("spaces behind a tab") << " \t x \t " << "x";
        QTest::addRow("CR LF kept") << " a\r\n" << "a\r\n";
        QTest::addRow("full-width space kept") << "\u3000a" << "\u3000a";
        // clang-format on
    }
    void stripTabsTrim()
    {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(StripTabsTrim(in), out);
    }

    void shufflePermutation_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<quint64>("seed");
        QTest::addRow("one") << 1 << quint64(1);
        QTest::addRow("two") << 2 << quint64(7);
        QTest::addRow("flip-card deck") << 16 << quint64(42);
        QTest::addRow("large") << 500 << quint64(99);
    }
    void shufflePermutation()
    {
        QFETCH(int, size);
        QFETCH(quint64, seed);
        ScopedFakePlatform p;
        p->SetSeed(seed);
        std::vector<int> arr(size_t(size), 77);
        ShuffleIndexArray(arr);
        std::vector<int> sorted = arr;
        std::sort(sorted.begin(), sorted.end());
        std::vector<int> expected(static_cast<size_t>(size));
        std::iota(expected.begin(), expected.end(), 0);
        QCOMPARE(sorted, expected);
    }

    void shuffleCollisionsWalkOn()
    {
        // Equal draws, and a draw just below 1, must still give a permutation.
        ScopedFakePlatform p;
        p->rndScript << 0.5 << 0.5 << 0.9999999999;
        std::vector<int> arr(3);
        ShuffleIndexArray(arr);
        QCOMPARE(arr, (std::vector<int>{1, 2, 0}));

        std::vector<int> none;
        ShuffleIndexArray(none); // nothing to do, nothing drawn
        QVERIFY(none.empty());
    }

    void randomIndexStaysInRange_data()
    {
        QTest::addColumn<double>("rnd");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("index");
        QTest::addRow("zero") << 0.0 << 5 << 0;
        QTest::addRow("middle") << 0.5 << 5 << 2;
        QTest::addRow("just below one") << 0.99999999999999989 << 5 << 4;
        QTest::addRow("a bad one clamps") << 1.0 << 5 << 4;
        QTest::addRow("empty range") << 0.7 << 0 << 0;
    }
    void randomIndexStaysInRange()
    {
        QFETCH(double, rnd);
        QFETCH(int, n);
        QFETCH(int, index);
        ScopedFakePlatform p;
        p->rndScript << rnd;
        QCOMPARE(RandomIndex(n), index);
    }

    void deleteFileIfExists()
    {
        TempAppDir app;
        QVERIFY(app.writeText(QStringLiteral("tmp/a.wav"), QStringLiteral("x")));
        QVERIFY(QDir(app.file(QStringLiteral("tmp"))).mkdir(QStringLiteral("folder.wav")));
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(app.file(QStringLiteral("tmp")));
        DeleteFileIfExists(QString()); // must not touch the current folder
        QDir::setCurrent(cwd);
        QCOMPARE(app.filesIn(QStringLiteral("tmp")), QStringList{QStringLiteral("a.wav")});

        DeleteFileIfExists(app.file(QStringLiteral("tmp/missing.wav")));
        DeleteFileIfExists(app.file(QStringLiteral("tmp/folder.wav"))); // a folder is not a file
        QVERIFY(QFileInfo(app.file(QStringLiteral("tmp/folder.wav"))).isDir());
        DeleteFileIfExists(app.file(QStringLiteral("tmp/a.wav")));
        QVERIFY(app.filesIn(QStringLiteral("tmp")).isEmpty());
    }

    void shellAndCursorGoThroughThePlatform()
    {
        ScopedFakePlatform p;
        ShellOpen(QStringLiteral("/x/help.html"));
        SetHandCursor();
        QCOMPARE(p->shellOpened, QStringList{QStringLiteral("/x/help.html")});
        QCOMPARE(p->handCursorCount, 1);
    }

    // Without a browser or file manager the user is told what could not open.
    void shellOpenFailureIsSaid_data()
    {
        // clang-format off
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::addRow("help") << "/x/dat/help.html" << "无法打开帮助：/x/dat/help.html";
        QTest::addRow("web page") << "https://www.tallivo.example" << "无法打开网页：https://www.tallivo.example";
        QTest::addRow("folder") << "/x/font/" << "无法打开：/x/font/";
        // clang-format on
    }
    void shellOpenFailureIsSaid()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        ScopedFakePlatform p;
        p->shellOpens = false;
        QVERIFY(!ShellOpen(target));
        QCOMPARE(p->msgBoxes.size(), 1);
        QCOMPARE(p->msgBoxes[0].text, message);
        p->shellOpens = true;
        QVERIFY(ShellOpen(target));
        QCOMPARE(p->msgBoxes.size(), 1);
    }

    void appPaths_data()
    {
        // clang-format off
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("root");
        QTest::addRow("plain") << "/opt/Learn" << "/opt/Learn";
        QTest::addRow("trailing slash") << "/opt/Learn/" << "/opt/Learn";
        QTest::addRow("backslashes") << "\\opt\\Learn\\" << "/opt/Learn";
        QTest::addRow("filesystem root") << "/" << "";
        // clang-format on
    }
    void appPaths()
    {
        QFETCH(QString, dir);
        QFETCH(QString, root);
        TempAppDir restore;                       // puts the real paths back afterwards
        for (int round = 0; round < 2; ++round) { // calling again gives the same values
            InitAppPathsFor(dir);
            QCOMPARE(gDictFile, root + "/dat/sysdic.dic");
            QCOMPARE(gWordBankFile, root + "/dat/twb.ck");
            QCOMPARE(gUserNameFile, root + "/usrdat/uname.dat");
            QCOMPARE(gUserBookFile, root + "/usrdat/uDRW90.UCK");
            QCOMPARE(gUserStatusFile[0], root + "/usrdat/ustatus-0.dat");
            QCOMPARE(gUserStatusFile[2], root + "/usrdat/ustatus-2.dat");
            QCOMPARE(AppPath(QStringLiteral("\\voice\\a.enw")), root + "/voice/a.enw");
            QCOMPARE(AppPath(QStringLiteral("dat/UK2USA.txt")), root + "/dat/UK2USA.txt");
        }
    }

    void appPathsFromEnvironment()
    {
        TempAppDir restore;
        const QByteArray saved = qgetenv("TALLIVO_HOME");
        const bool had = qEnvironmentVariableIsSet("TALLIVO_HOME");
        // a folder that does not exist: nothing is read from disk
        qputenv("TALLIVO_HOME", "/nonexistent/tallivo");
        InitAppPaths();
        QCOMPARE(gAppDir, QStringLiteral("/nonexistent/tallivo"));
        QCOMPARE(gUserStatusFile[1], QStringLiteral("/nonexistent/tallivo/usrdat/ustatus-1.dat"));
        qunsetenv("TALLIVO_HOME");
        InitAppPaths();
        QCOMPARE(gAppDir, QCoreApplication::applicationDirPath());
        if (had)
            qputenv("TALLIVO_HOME", saved);
    }
};
TALLIVO_TEST(TextHelpersTest)
#include "tst_texthelpers.moc"
