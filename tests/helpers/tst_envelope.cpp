// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "support/fixture.h"
#include "support/fakeplatform.h"
#include "support/testmain.h"
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {
QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
}

class EnvelopeTest : public QObject {
    Q_OBJECT
    // the envelope writes its files through the platform
    ScopedFakePlatform m_fake;
private slots:
    void transformIsItsOwnInverse_data()
    {
        QTest::addColumn<int>("size");
        for (int n : {0, 1, 254, 255, 256, 510, 511, 4099})
            QTest::addRow("%d bytes", n) << n;
    }
    void transformIsItsOwnInverse()
    {
        QFETCH(int, size);
        QByteArray clear(size, Qt::Uninitialized);
        QRandomGenerator gen(quint32(size) + 1);
        for (char &c : clear)
            c = char(gen.bounded(256));
        const QByteArray stored = EnvelopeBytes(clear);
        QCOMPARE(stored.size(), clear.size());
        QCOMPARE(EnvelopeBytes(stored), clear);

        // and through files: encode, decode, same bytes
        TempAppDir app;
        QVERIFY(app.writeBytes(QStringLiteral("a.bin"), clear));
        QVERIFY(CryptCopyFile(app.file(QStringLiteral("a.bin")), app.file(QStringLiteral("b.bin"))));
        QCOMPARE(ReadAll(app.file(QStringLiteral("b.bin"))), stored);
        QVERIFY(CryptCopyFile(app.file(QStringLiteral("b.bin")), app.file(QStringLiteral("c.bin"))));
        QCOMPARE(ReadAll(app.file(QStringLiteral("c.bin"))), clear);
    }

    void maskRunsModulo255()
    {
        QCOMPARE(EnvelopeBytes("abc"), QByteArray("\x61\x63\x61"));
        const QByteArray stored = EnvelopeBytes(QByteArray(600, '\0'));
        for (int i = 0; i < stored.size(); ++i)
            QCOMPARE(uchar(stored[i]), uchar(i % 255));
        QCOMPARE(uchar(stored[254]), uchar(254));
        QCOMPARE(uchar(stored[255]), uchar(0)); // byte 255 is stored unchanged
        QCOMPARE(uchar(stored[510]), uchar(0));
    }

    void cryptCopyFileRefuses_data()
    {
        // clang-format off
        QTest::addColumn<QString>("src");
        QTest::addColumn<QString>("dst");
        QTest::addRow("blank source") << "   " << "out.bin";
        QTest::addRow("blank destination") << "in.bin" << "  ";
        QTest::addRow("missing source") << "nothing.bin" << "out.bin";
        QTest::addRow("source is a folder") << "tmp" << "out.bin";
        QTest::addRow("destination folder missing") << "in.bin" << "no/such/out.bin";
        QTest::addRow("destination is a folder") << "in.bin" << "dat";
        // clang-format on
    }
    void cryptCopyFileRefuses()
    {
        QFETCH(QString, src);
        QFETCH(QString, dst);
        TempAppDir app;
        QVERIFY(app.writeBytes(QStringLiteral("in.bin"), "abc"));
        auto full = [&](const QString &p) { return p.trimmed().isEmpty() ? p : app.file(p); };
        QVERIFY(!CryptCopyFile(full(src), full(dst)));
        QVERIFY(!QFile::exists(app.file(QStringLiteral("out.bin"))));
        QVERIFY(QFileInfo(app.file(QStringLiteral("dat"))).isDir());
    }

    void cryptCopyFileReplacesTheWholeDestination()
    {
        TempAppDir app;
        QVERIFY(app.writeBytes(QStringLiteral("in.bin"), "ab"));
        QVERIFY(app.writeBytes(QStringLiteral("out.bin"), "0123456789"));
        QVERIFY(CryptCopyFile(app.file(QStringLiteral("in.bin")), app.file(QStringLiteral("out.bin"))));
        QCOMPARE(ReadAll(app.file(QStringLiteral("out.bin"))), QByteArray("a\x63"));

        // an empty source gives an empty destination
        QVERIFY(app.writeBytes(QStringLiteral("empty.bin"), QByteArray()));
        QVERIFY(CryptCopyFile(app.file(QStringLiteral("empty.bin")), app.file(QStringLiteral("out.bin"))));
        QCOMPARE(ReadAll(app.file(QStringLiteral("out.bin"))), QByteArray());
    }

    void readEncodedFileLines_data()
    {
        QTest::addColumn<QByteArray>("clear");
        QTest::addColumn<QStringList>("lines");
        QTest::addRow("empty clear text") << QByteArray() << QStringList();
        QTest::addRow("CR LF lines") << QByteArray("one\r\ntwo") << QStringList{"one", "two"};
        QTest::addRow("trailing break") << QByteArray("one\r\n") << QStringList{"one", ""};
        QTest::addRow("UTF-8 Chinese") << QStringLiteral("苹果\r\napple").toUtf8() << QStringList{"苹果", "apple"};
        QTest::addRow("GBK Chinese") << QByteArray("\xC6\xBB\xB9\xFB\r\napple") << QStringList{"苹果", "apple"};
        QTest::addRow("longer than one mask round") << QByteArray(300, 'x') << QStringList{QString(300, 'x')};
    }
    void readEncodedFileLines()
    {
        QFETCH(QByteArray, clear);
        QFETCH(QStringList, lines);
        TempAppDir app;
        QVERIFY(app.writeEnvelopedBytes(QStringLiteral("dat/twb.ck"), clear));
        QStringList got{"stale"};
        QVERIFY(ReadEncodedFileLines(gWordBankFile, got));
        QCOMPARE(got, lines);
        // decoded in memory: nothing is left (or made) in tmp
        QCOMPARE(app.filesIn(QStringLiteral("tmp")), QStringList());
    }

    void readEncodedFileLinesFails_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addRow("blank") << "  ";
        QTest::addRow("missing") << "dat/sysdic.dic";
        QTest::addRow("a folder where the file should be") << "usrdat/ustatus-0.dat";
    }
    void readEncodedFileLinesFails()
    {
        QFETCH(QString, path);
        TempAppDir app;
        QVERIFY(QDir(app.path()).mkpath(QStringLiteral("usrdat/ustatus-0.dat")));
        QStringList lines{"stale"};
        QVERIFY(!ReadEncodedFileLines(path.trimmed().isEmpty() ? path : app.file(path), lines));
        QVERIFY(lines.isEmpty());
        QByteArray bytes("stale");
        QVERIFY(!ReadEncodedFileBytes(path.trimmed().isEmpty() ? path : app.file(path), bytes));
        QVERIFY(bytes.isEmpty());
    }

    void writeEncodedTextFileRoundTrips()
    {
        TempAppDir app;
        const QString path = gUserStatusFile[1];
        QVERIFY(app.writeBytes(QStringLiteral("usrdat/ustatus-1.dat"), QByteArray(1000, 'z'))); // older, longer
        QVERIFY(WriteEncodedTextFile(path, QStringLiteral("score=5\n名字\r\nend")));
        QByteArray clear;
        QVERIFY(ReadEncodedFileBytes(path, clear));
        QCOMPARE(clear, QStringLiteral("score=5\r\n名字\r\nend").toUtf8()); // UTF-8, CR LF, no tail
        QStringList lines;
        QVERIFY(ReadEncodedFileLines(path, lines));
        QCOMPARE(lines, (QStringList{"score=5", "名字", "end"}));
        QCOMPARE(QDir(app.file(QStringLiteral("usrdat"))).entryList(QDir::Files), QStringList{"ustatus-1.dat"});

        QVERIFY(!WriteEncodedTextFile(app.file(QStringLiteral("gone/ustatus-1.dat")), QStringLiteral("x")));
        QVERIFY(!WriteEncodedTextFile(QStringLiteral(" "), QStringLiteral("x")));
    }
};
TALLIVO_TEST(EnvelopeTest)
#include "tst_envelope.moc"
