// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The user files' safe write, their copies, and stray saves left by a cut-off save.
#include "helpers/userfiles.h"
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "support/testmain.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

QStringList Names(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

void SetAge(const QString &path, int secondsAgo)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
}

bool StartsWithOk(const QByteArray &bytes)
{
    return bytes.startsWith("ok");
}

} // namespace

class UserFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TakeUserFileNotices(); }

    // Whatever stands at the name, a link above all, is neither written
    // through nor replaced, and nothing is left behind.
    void neverWritesThroughALink_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addRow("link to a file") << "file";
        QTest::addRow("link to a folder") << "folder";
        QTest::addRow("dangling link") << "dangling";
        QTest::addRow("a folder") << "dir";
        QTest::addRow("a pipe") << "fifo";
    }
    void neverWritesThroughALink()
    {
        QFETCH(QString, kind);
        ScopedFakePlatform fake;
        TempAppDir app;
        const QString target = app.file("notes.txt");
        const QString folder = app.file("folder");
        QVERIFY(app.writeText("notes.txt", "a parent's notes\r\n"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = app.file("usrdat/ustatus-0.dat");
        if (kind == "file")
            QVERIFY(QFile::link(target, path));
        else if (kind == "folder")
            QVERIFY(QFile::link(folder, path));
        else if (kind == "dangling")
            QVERIFY(QFile::link(app.file("gone.txt"), path));
        else if (kind == "dir")
            QVERIFY(QDir().mkpath(path));
        else
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const QStringList before = Names(app.file("usrdat"));

        QCOMPARE(UserFileStateOf(path), UserFileState::NotRegular);
        QVERIFY(!WriteUserFile(path, "progress\r\n"));
        QByteArray read;
        QVERIFY(!ReadUserFile(path, read));

        QCOMPARE(ReadAll(target), QByteArray("a parent's notes\r\n"));
        QCOMPARE(Names(folder), QStringList());
        QVERIFY(!QFileInfo::exists(app.file("gone.txt")));
        QCOMPARE(Names(app.file("usrdat")), before);
        QCOMPARE(QFileInfo(path).isSymLink(), kind == "file" || kind == "folder" || kind == "dangling");
    }

    void neverWritesIntoALinkedFolder()
    {
        ScopedFakePlatform fake;
        TempAppDir app;
        QVERIFY(QDir().mkpath(app.file("elsewhere")));
        QVERIFY(QFile::link(app.file("elsewhere"), app.file("linked")));
        QVERIFY(!WriteUserFile(app.file("linked/uname.dat"), "x\r\n"));
        QCOMPARE(Names(app.file("elsewhere")), QStringList());
    }

    // The file is replaced whole, keeps its permissions, the folder is synced
    // after the rename, and no temporary file stays.
    void writeReplacesAndSyncs()
    {
        ScopedFakePlatform fake;
        TempAppDir app;
        const QString path = app.file("usrdat/uname.dat");
        QVERIFY(app.writeText("usrdat/uname.dat", "old\r\n"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(WriteUserFile(path, "new\r\n"));
        QCOMPARE(ReadAll(path), QByteArray("new\r\n"));
        QCOMPARE(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(fake->syncedDirs, QStringList{app.file("usrdat")});
        QCOMPARE(Names(app.file("usrdat")), QStringList{"uname.dat"});
        QVERIFY(WriteUserTextFile(app.file("usrdat/new.dat"), "a\nb\n"));
        QCOMPARE(ReadAll(app.file("usrdat/new.dat")), QByteArray("a\r\nb\r\n"));
    }

    // A damaged file is copied once with its bytes; only a few copies stay.
    void damagedCopies()
    {
        ScopedFakePlatform fake;
        TempAppDir app;
        const QString path = app.file("usrdat/ustatus-0.dat");
        QVERIFY(app.writeBytes("usrdat/ustatus-0.dat", QByteArray("1\r\n\0broken", 11)));
        QVERIFY(NoteDamagedUserFile(path));
        QVERIFY(NoteDamagedUserFile(path)); // once per run
        QList<UserFileNotice> notes = TakeUserFileNotices();
        QCOMPARE(notes.size(), 1);
        QCOMPARE(notes.first().path, path);
        QVERIFY(!notes.first().refused);
        QVERIFY(QFileInfo(notes.first().copy).fileName().startsWith("ustatus-0.dat.damaged-"));
        QCOMPARE(ReadAll(notes.first().copy), QByteArray("1\r\n\0broken", 11));
        // the same bytes on a later start: the copy is reused
        QVERIFY(NoteDamagedUserFile(path));
        QCOMPARE(TakeUserFileNotices().first().copy, notes.first().copy);

        for (int i = 0; i < 6; ++i) {
            QVERIFY(app.writeBytes("usrdat/ustatus-0.dat", "damage " + QByteArray::number(i)));
            QVERIFY(NoteDamagedUserFile(path));
            notes = TakeUserFileNotices();
        }
        const QStringList copies = QDir(app.file("usrdat")).entryList({"ustatus-0.dat.damaged-*"}, QDir::Files);
        QCOMPARE(copies.size(), 3);
        QCOMPARE(ReadAll(notes.first().copy), QByteArray("damage 5"));
    }

    void copiesOffOnlyTell()
    {
        ScopedFakePlatform fake;
        TempAppDir app;
        QVERIFY(app.writeBytes("usrdat/uname.dat", "x"));
        SetUserFileCopiesMade(false);
        const bool kept = NoteDamagedUserFile(app.file("usrdat/uname.dat"));
        SetUserFileCopiesMade(true);
        QVERIFY(!kept);
        const QList<UserFileNotice> notes = TakeUserFileNotices();
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes.first().copy.contains(".damaged-"));
        QCOMPARE(Names(app.file("usrdat")), QStringList{"uname.dat"});
    }

    // A save cut off between writing and renaming leaves path.XXXXXX.
    void straySave_data()
    {
        QTest::addColumn<QByteArray>("stray");
        QTest::addColumn<int>("strayAge"); // seconds; the file itself is 100 s old
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("olderCopy");
        QTest::addRow("newer and whole") << QByteArray("ok new") << 10 << true << QByteArray("ok new") << true;
        QTest::addRow("newer and damaged") << QByteArray("cut") << 10 << true << QByteArray("ok old") << false;
        QTest::addRow("older") << QByteArray("ok older") << 500 << true << QByteArray("ok old") << false;
        QTest::addRow("no file yet") << QByteArray("ok first") << 10 << false << QByteArray("ok first") << false;
    }
    void straySave()
    {
        QFETCH(QByteArray, stray);
        QFETCH(int, strayAge);
        QFETCH(bool, fileExists);
        QFETCH(QByteArray, after);
        QFETCH(bool, olderCopy);
        ScopedFakePlatform fake;
        TempAppDir app;
        const QString path = app.file("usrdat/ustatus-1.dat");
        if (fileExists) {
            QVERIFY(app.writeBytes("usrdat/ustatus-1.dat", "ok old"));
            SetAge(path, 100);
        }
        QVERIFY(app.writeBytes("usrdat/ustatus-1.dat.Ab3xYz", stray));
        SetAge(path + ".Ab3xYz", strayAge);
        QVERIFY(app.writeBytes("usrdat/ustatus-1.dat.notours", "ok other")); // not six letters
        QCOMPARE(StraySavesOf(path), QStringList{path + ".Ab3xYz"});

        QCOMPARE(RecoverStraySave(path, StartsWithOk), after != "ok old");
        QCOMPARE(ReadAll(path), after);
        QVERIFY(StraySavesOf(path).isEmpty());
        const QStringList older = QDir(app.file("usrdat")).entryList({"ustatus-1.dat.older-*"}, QDir::Files);
        QCOMPARE(older.size(), olderCopy ? 1 : 0);
        if (olderCopy)
            QCOMPARE(ReadAll(app.file("usrdat/" + older.first())), QByteArray("ok old"));
    }

    void strayBesideALinkIsLeft()
    {
        ScopedFakePlatform fake;
        TempAppDir app;
        const QString path = app.file("usrdat/uname.dat");
        QVERIFY(app.writeText("notes.txt", "notes"));
        QVERIFY(QFile::link(app.file("notes.txt"), path));
        QVERIFY(app.writeBytes("usrdat/uname.dat.abcdef", "ok"));
        QVERIFY(!RecoverStraySave(path, StartsWithOk));
        QCOMPARE(ReadAll(app.file("notes.txt")), QByteArray("notes"));
        QVERIFY(QFileInfo(path).isSymLink());
    }
};
TALLIVO_TEST(UserFilesTest)
#include "tst_userfiles.moc"
