// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The text-file dialogs other windows share, and the export writer.
#include "courseenv.h"
#include "support/fakeplatform.h"
#include "support/testmain.h"
#include "course/filedialogs.h"
#include <QDir>
#include <QFile>
#include <QStandardPaths>

class FileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void openDialog_data()
    {
        QTest::addColumn<QString>("answer"); // relative to the temp folder; "-" = Cancel
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("failure");
        QTest::addRow("existing file") << "words.txt" << true << false;
        QTest::addRow("cancel") << "-" << false << false;
        QTest::addRow("file gone") << "missing.txt" << false << true;
        QTest::addRow("a folder") << "sub" << false << true;
    }
    void openDialog()
    {
        QFETCH(QString, answer);
        QFETCH(bool, chosen);
        QFETCH(bool, failure);
        ScopedFakePlatform fake;
        QTemporaryDir tmp;
        QVERIFY(WriteFileBytes(tmp.filePath(QStringLiteral("words.txt")), "#U\r\n"));
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("sub")));
        const QString path = answer == QLatin1String("-") ? QString() : tmp.filePath(answer);
        fake->openAnswers << path;
        QString title = QStringLiteral("打开自定义词库");
        const QString got = ShowOpenDialog(title, QStringLiteral("C:\\start\\"));
        QCOMPARE(got, chosen ? path : QString());
        QCOMPARE(title, chosen ? answer : QStringLiteral("打开自定义词库"));
        QCOMPARE(fake->openDialogs.size(), 1);
        QCOMPARE(fake->openDialogs[0].title, QStringLiteral("打开自定义词库"));
        QCOMPARE(fake->openDialogs[0].startDir, QStringLiteral("C:/start/"));
        QVERIFY(fake->openDialogs[0].filter.contains(QStringLiteral("文本文件 (*.txt)")));
        QVERIFY(fake->openDialogs[0].filter.contains(QStringLiteral("所有文件 (*.*)")));
        QCOMPARE(fake->msgBoxes.size(), failure ? 1 : 0);
        if (failure) {
            QCOMPARE(fake->msgBoxes[0].text, QStringLiteral("未知原因导致操作失败!"));
            QCOMPARE(fake->msgBoxes[0].buttons, MsgButtons::OK);
        }
    }

    void saveDialog_data()
    {
        // clang-format off
        QTest::addColumn<QString>("answer"); // relative to the temp folder; "-" = Cancel
        QTest::addColumn<QString>("result");
        QTest::addColumn<bool>("failure");
        QTest::addRow("extension added") << "out" << "out.txt" << false;
        QTest::addRow("any case of .txt kept") << "out.TXT" << "out.TXT" << false;
        QTest::addRow("another extension") << "out.csv" << "out.csv.txt" << false;
        QTest::addRow("cancel") << "-" << "" << false;
        QTest::addRow("folder missing") << "nowhere/out.txt" << "" << true;
        // clang-format on
    }
    void saveDialog()
    {
        QFETCH(QString, answer);
        QFETCH(QString, result);
        QFETCH(bool, failure);
        ScopedFakePlatform fake;
        QTemporaryDir tmp;
        SetDocumentsFolder(tmp.path());
        fake->saveAnswers << (answer == QLatin1String("-") ? QString() : tmp.filePath(answer));
        const QString got = ShowSaveDialog(QStringLiteral("导出生词本"));
        SetDocumentsFolder(QString());
        QCOMPARE(got, result.isEmpty() ? QString() : tmp.filePath(result));
        QCOMPARE(fake->saveDialogs.size(), 1);
        QCOMPARE(fake->saveDialogs[0].title, QStringLiteral("导出生词本"));
        QCOMPARE(fake->saveDialogs[0].startDir, tmp.path());
        QCOMPARE(fake->msgBoxes.size(), failure ? 1 : 0);
    }

    void documentsFolderDefaultsToTheUsers()
    {
        SetDocumentsFolder(QString());
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(DocumentsFolder(), docs.isEmpty() ? QDir::homePath() : docs);
    }

    void exportWriterMakesTheFolderAndReplacesWhole()
    {
        ScopedFakePlatform fake;
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("a/b/out.txt"));
        QVERIFY(WriteExportFile(path, QStringLiteral("one\ntwo\r\n")));
        QVERIFY(WriteExportFile(path, QStringLiteral("three\n")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("three\r\n"));
        QVERIFY(!WriteExportFile(QString(), QStringLiteral("x")));
    }
};

TALLIVO_TEST(FileDialogsTest)
#include "tst_filedialogs.moc"
