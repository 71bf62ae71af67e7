// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules of the custom word-bank text, without any window.
#include "courseenv.h"
#include "support/testmain.h"
#include "course/booktext.h"
#include "wordbank/classbook.h"
#include "wordbank/cseries.h"

class BookTextTest : public QObject {
    Q_OBJECT

private slots:
    void formatRules_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("nameEmpty");
        const QString four = QStringLiteral("#Unit 1\r\napple\r\nbanana\r\ncat\r\ndog\r\n");
        QTest::addRow("four words pass") << "Book" << four << "" << false;
        QTest::addRow("tabs and blanks around lines") << "Book"
                                                      << "\t#Unit 1 \r\n  apple\r\n\tbanana\t\r\n\r\ncat\r\n dog"
                                                      << "" << false;
        QTest::addRow("blank name") << " \t " << four << "教材名称不能为空" << true;
        QTest::addRow("empty text names no unit") << "Book" << "" << "单元:包含的单词少于4个!" << false;
        QTest::addRow("three words name their unit line")
            << "Book" << "#Unit 1\r\napple\r\nbanana\r\ncat\r\n" << "单元:#Unit 1包含的单词少于4个!" << false;
        QTest::addRow("short unit before the next one")
            << "Book" << "#A\r\napple\r\nbanana\r\ncat\r\n#B\r\ndog\r\negg\r\nred\r\nblue\r\n"
            << "单元:#A包含的单词少于4个!" << false;
        QTest::addRow("short last unit") << "Book" << four + "#Unit 2\r\nred\r\n" << "单元:#Unit 2包含的单词少于4个!"
                                         << false;
        QTest::addRow("sign without a name") << "Book" << "# \r\napple\r\nbanana\r\ncat\r\ndog\r\n"
                                             << "单元名称不能为空" << false;
        QTest::addRow("words before the first unit") << "Book" << "apple\r\n" + four << "缺少第一单元的名称" << false;
        QTest::addRow("words and no unit at all") << "Book" << "apple\r\nbanana\r\ncat\r\ndog\r\n" << "缺少单元名称"
                                                  << false;
        // the minimum counts the words the unit will hold, not the lines
        QTest::addRow("one word four times") << "Book" << "#Fruit\r\napple\r\napple\r\napple\r\napple\r\n"
                                             << "单元:#Fruit包含的单词少于4个!" << false;
        QTest::addRow("spellings of one key") << "Book"
                                              << "#Food\r\nice cream\r\nice-cream\r\nicecream\r\napple\r\nrice\r\n"
                                              << "单元:#Food包含的单词少于4个!" << false;
        QTest::addRow("a word again in the next unit counts there")
            << "Book" << four + "#Unit 2\r\napple\r\nbanana\r\ncat\r\ndog\r\n" << "" << false;
        QTest::addRow("LF line ends") << "Book" << "#Unit 1\napple\nbanana\ncat\ndog\n" << "" << false;
        QTest::addRow("a line of 10 MB is a bad line")
            << "Book" << four + QString(10 * 1024 * 1024, QLatin1Char('a')) + "\r\n" << "第6行太长，不是一个单词或单元名称，请删除这一行。"
            << false;
        QTest::addRow("a long unit name is not")
            << "Book" << "#" + QString(4000, QLatin1Char('u')) + "\r\napple\r\nbanana\r\ncat\r\ndog\r\n" << "" << false;
        // clang-format on
    }
    void formatRules()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(bool, nameEmpty);
        bool flagged = !nameEmpty;
        QCOMPARE(CheckBookFormatText(name, text, &flagged), message);
        QCOMPARE(flagged, nameEmpty);
    }

    void unknownWordsListedOnce()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        const QString text = QStringLiteral("#Unit aple\r\napple\r\naple\r\n\tbananna \r\naple\r\ncat\r\nColour\r\n");
        QCOMPARE(UnknownWords(text), (QStringList{QStringLiteral("aple"), QStringLiteral("bananna")}));
        // an over-long line is left to the format check, not looked up
        QCOMPARE(UnknownWords(text + QString(5000, QLatin1Char('a'))), (QStringList{"aple", "bananna"}));
    }

    void replaceTouchesWholeLinesOnly_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        const QString text = QStringLiteral("#Unit ca\r\ncat\r\nca\r\nscar\r\n  ca\t\r\ncar\r\n");
        QTest::addRow("delete") << text << "ca" << "" << "#Unit ca\r\ncat\r\nscar\r\ncar\r\n";
        QTest::addRow("correct") << text << "ca" << "cow" << "#Unit ca\r\ncat\r\ncow\r\nscar\r\ncow\r\ncar\r\n";
        QTest::addRow("LF text comes back CR LF") << "ca\nbag\n" << "ca" << "cat" << "cat\r\nbag\r\n";
        QTest::addRow("no such line") << text << "dog" << "" << text;
        // clang-format on
    }
    void replaceTouchesWholeLinesOnly()
    {
        QFETCH(QString, text);
        QFETCH(QString, word);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QCOMPARE(ReplaceWordLines(text, word, replacement), expected);
    }

    void conflictingUnitNames()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        WordBankEnv::Loaded(1);
        ClassBook *book = WordBankEnv::Book(1, 1);
        QVERIFY(book);
        QCOMPARE(ConflictingUnitNames(QStringLiteral("#New\r\napple\r\n#\tUnit 2 \r\ncat\r\n"), book),
                 QStringList{QStringLiteral("Unit 2")});
        QCOMPARE(ConflictingUnitNames(QStringLiteral("#A\r\n#B\r\n# A\r\n"), nullptr), QStringList{QStringLiteral("A")});
        QVERIFY(ConflictingUnitNames(QStringLiteral("#A\r\n#B\r\n"), book).isEmpty());
    }

    void bookNameFromFileName_data()
    {
        // clang-format off
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addRow("txt") << "示例词库 第一册.txt" << "示例词库 第一册";
        QTest::addRow("dots inside") << "Book 1.2.txt" << "Book 1.2";
        QTest::addRow("no extension keeps every letter") << "Animals" << "Animals";
        QTest::addRow("hidden file") << ".words" << ".words";
        // clang-format on
    }
    void bookNameFromFileName()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QCOMPARE(BookNameFromFileName(file), name);
    }
};

TALLIVO_TEST(BookTextTest)
#include "tst_booktext.moc"
