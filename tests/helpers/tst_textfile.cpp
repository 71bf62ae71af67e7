// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpers/envelope.h"
#include "helpers/textfile.h"
#include "support/fixture.h"
#include "support/fakeplatform.h"
#include "support/testmain.h"
#include <QDir>
#include <QFile>

class TextFileTest : public QObject {
    Q_OBJECT
private slots:
    void readTextFileLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("UTF-8") << QStringLiteral("苹果\r\n香蕉").toUtf8() << QStringList{"苹果", "香蕉"};
        QTest::addRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + QStringLiteral("苹果").toUtf8()
                                        << QStringList{"苹果"};
        QTest::addRow("GBK from Windows") << QByteArray("\xC6\xBB\xB9\xFB\r\nbanana") << QStringList{"苹果", "banana"};
        QTest::addRow("GB18030 four-byte") << QByteArray("\x81\x30\x89\x38") << QStringList{"\u00DF"};
        QTest::addRow("UTF-16 with BOM") << QByteArray("\xFF\xFE\xF9\x82\x9C\x67", 6) << QStringList{"苹果"};
        QTest::addRow("LF only") << QByteArray("a\nb\nc") << QStringList{"a", "b", "c"};
        QTest::addRow("mixed breaks") << QByteArray("a\r\nb\nc") << QStringList{"a", "b", "c"};
        QTest::addRow("lone CR is not a break") << QByteArray("a\rb") << QStringList{"a\rb"};
        QTest::addRow("trailing break") << QByteArray("a\r\n") << QStringList{"a", ""};
        QTest::addRow("just a break") << QByteArray("\r\n") << QStringList{"", ""};
        QTest::addRow("tabs kept") << QByteArray("*\tHi.\t你好") << QStringList{"*\tHi.\t你好"};
    }
    void readTextFileLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        TempAppDir app;
        QVERIFY(app.writeBytes(QStringLiteral("dat/UK2USA.txt"), bytes));
        QStringList got{"stale"};
        QVERIFY(ReadTextFileLines(app.file(QStringLiteral("dat/UK2USA.txt")), got));
        QCOMPARE(got, lines);
    }

    void readTextFileLinesFails_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("missing") << "nothing.txt" << QByteArray();
        QTest::addRow("empty file") << "empty.txt" << QByteArray();
        QTest::addRow("only a BOM") << "bom.txt" << QByteArray("\xEF\xBB\xBF");
        QTest::addRow("a folder") << "dat" << QByteArray();
    }
    void readTextFileLinesFails()
    {
        QFETCH(QString, relative);
        QFETCH(QByteArray, bytes);
        TempAppDir app;
        if (relative != QLatin1String("nothing.txt") && relative != QLatin1String("dat"))
            QVERIFY(app.writeBytes(relative, bytes));
        QStringList lines{"stale"};
        QVERIFY(!ReadTextFileLines(app.file(relative), lines));
        QVERIFY(lines.isEmpty());
        QVERIFY(!ReadTextFileLines(QStringLiteral("  "), lines));
    }

    void writeTextFileAtomic()
    {
        ScopedFakePlatform fake;
        TempAppDir app;
        const QString path = app.file(QStringLiteral("usrdat/uname.dat"));
        QVERIFY(app.writeBytes(QStringLiteral("usrdat/uname.dat"), QByteArray(500, 'o'))); // older, longer
        QVERIFY(WriteTextFileAtomic(path, QStringLiteral("小明\n\r\nTom\n")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QStringLiteral("小明\r\n\r\nTom\r\n").toUtf8()); // UTF-8, no BOM, CR LF
        f.close();
        QStringList lines;
        QVERIFY(ReadTextFileLines(path, lines));
        QCOMPARE(lines, (QStringList{"小明", "", "Tom", ""}));
        // nothing beside the file: the temporary was renamed over it
        QCOMPARE(app.filesIn(QStringLiteral("usrdat")), QStringList{"uname.dat"});

        QVERIFY(!WriteTextFileAtomic(app.file(QStringLiteral("no/such/dir/x.txt")), QStringLiteral("x")));
        QVERIFY(!QFileInfo::exists(app.file(QStringLiteral("no"))));
        QVERIFY(!WriteTextFileAtomic(QString(), QStringLiteral("x")));
    }

    void lineEnds_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("crlf");
        QTest::addColumn<QString>("lf");
        QTest::addRow("LF") << "a\nb" << "a\r\nb" << "a\nb";
        QTest::addRow("CR LF stays single") << "a\r\nb" << "a\r\nb" << "a\nb";
        QTest::addRow("mixed") << "a\r\nb\nc\n" << "a\r\nb\r\nc\r\n" << "a\nb\nc\n";
        QTest::addRow("empty") << "" << "" << "";
        QTest::addRow("LF first") << "\nx" << "\r\nx" << "\nx";
        QTest::addRow("lone CR stays") << "a\rb\n" << "a\rb\r\n" << "a\rb\n";
        QTest::addRow("blank lines") << "\n\n\r\n" << "\r\n\r\n\r\n" << "\n\n\n";
        // clang-format on
    }
    void lineEnds()
    {
        QFETCH(QString, text);
        QFETCH(QString, crlf);
        QFETCH(QString, lf);
        QCOMPARE(ToCrLf(text), crlf);
        QCOMPARE(ToLf(text), lf);
        QCOMPARE(ToCrLf(ToLf(crlf)), crlf);
    }

    void safeFileName_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::addRow("plain") << "我的词库 第一册" << "我的词库 第一册";
        QTest::addRow("separators") << "a/b\\c" << "a_b_c";
        QTest::addRow("reserved") << "a:b*c?d\"e<f>g|h" << "a_b_c_d_e_f_g_h";
        QTest::addRow("control characters") << "a\tb\nc" << "a_b_c";
        QTest::addRow("dot dot") << ".." << "_";
        QTest::addRow("empty") << "" << "_";
        // clang-format on
    }
    void safeFileName()
    {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        QCOMPARE(SafeFileName(name), safe);
    }
};
TALLIVO_TEST(TextFileTest)
#include "tst_textfile.moc"
