// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the data set and the user's files are found: beside the executable,
// installed under share/, or one folder named by TALLIVO_HOME.
#include "support/testmain.h"
#include "support/fixture.h"
#include "helpers/apppaths.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

// "@" stands for the test's root folder.
QString At(const QString &root, const QString &path)
{
    return path.startsWith(QLatin1Char('@')) ? root + path.mid(1) : path;
}

bool MakeDataSet(const QString &dir)
{
    return QDir().mkpath(dir + QStringLiteral("/dat"))
           && WriteFileBytes(dir + QStringLiteral("/dat/sysdic.dic"), QByteArrayLiteral("x"));
}

// Every entry below dir, relative, sorted.
QStringList Tree(const QString &dir)
{
    QStringList out;
    const QDir root(dir);
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        out << root.relativeFilePath(it.next());
    out.sort();
    return out;
}

} // namespace

class AppPathsTest : public QObject {
    Q_OBJECT

private slots:
    void findFolders_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("dataSets"); // folders that hold dat/sysdic.dic
        QTest::addColumn<QString>("exeDir");
        QTest::addColumn<QString>("tallivoHome");
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("userDir");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QStringList>("lookedIn");
        const QStringList both{"@/usr/bin", "@/usr/share/tallivo"};
        QTest::addRow("build tree") << QStringList{"@/build/tallivo-app"} << "@/build/tallivo-app" << "" << ""
                                    << "@/build/tallivo-app" << "@/build/tallivo-app" << false << true
                                    << QStringList{"@/build/tallivo-app", "@/build/share/tallivo"};
        QTest::addRow("installed") << QStringList{"@/usr/share/tallivo"} << "@/usr/bin" << "" << ""
                                   << "@/usr/share/tallivo" << "@/home/.local/share/tallivo" << true << true << both;
        QTest::addRow("installed, XDG_DATA_HOME")
            << QStringList{"@/usr/share/tallivo"} << "@/usr/bin/" << "" << "@/xdg"
            << "@/usr/share/tallivo" << "@/xdg/tallivo" << true << true << both;
        QTest::addRow("installed, relative XDG_DATA_HOME is ignored")
            << QStringList{"@/usr/share/tallivo"} << "@/usr/bin" << "" << "xdg"
            << "@/usr/share/tallivo" << "@/home/.local/share/tallivo" << true << true << both;
        QTest::addRow("TALLIVO_HOME is one folder for both")
            << QStringList{"@/usr/share/tallivo"} << "@/usr/bin" << "@/mine/" << "@/xdg"
            << "@/mine" << "@/mine" << false << false << QStringList{"@/mine"};
        QTest::addRow("data beside the executable wins")
            << QStringList{"@/usr/bin", "@/usr/share/tallivo"} << "@/usr/bin" << "" << ""
            << "@/usr/bin" << "@/usr/bin" << false << true << both;
        QTest::addRow("nothing found in bin: the installed layout")
            << QStringList{} << "@/usr/bin" << "" << ""
            << "@/usr/share/tallivo" << "@/home/.local/share/tallivo" << true << false << both;
        QTest::addRow("nothing found elsewhere: beside the executable")
            << QStringList{} << "@/build/tallivo-app" << "" << ""
            << "@/build/tallivo-app" << "@/build/tallivo-app" << false << false
            << QStringList{"@/build/tallivo-app", "@/build/share/tallivo"};
        // clang-format on
    }
    void findFolders()
    {
        QFETCH(QStringList, dataSets);
        QFETCH(QString, exeDir);
        QFETCH(QString, tallivoHome);
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, dataDir);
        QFETCH(QString, userDir);
        QFETCH(bool, installed);
        QFETCH(bool, found);
        QFETCH(QStringList, lookedIn);
        QTemporaryDir tmp;
        const QString root = tmp.path();
        QVERIFY(QDir().mkpath(At(root, exeDir)));
        for (const QString &d : dataSets)
            QVERIFY(MakeDataSet(At(root, d)));

        const AppFolders f = FindAppFolders(At(root, exeDir), At(root, tallivoHome), At(root, xdgDataHome),
                                            root + QStringLiteral("/home"));
        QCOMPARE(f.dataDir, At(root, dataDir));
        QCOMPARE(f.userDir, At(root, userDir));
        QCOMPARE(f.installed, installed);
        QCOMPARE(f.dataFound, found);
        QStringList looked;
        for (const QString &l : lookedIn)
            looked << At(root, l);
        QCOMPARE(f.lookedIn, looked);
        QVERIFY(Tree(root + QStringLiteral("/home")).isEmpty()); // finding makes nothing
    }

    // The path variables follow the folders: the data set read from one,
    // the profiles kept in the other.
    void twoFolders()
    {
        TempAppDir restore;
        InitAppPathsFor(QStringLiteral("/usr/share/tallivo"), QStringLiteral("/home/ann/.local/share/tallivo/"));
        QCOMPARE(gDataDir, QStringLiteral("/usr/share/tallivo"));
        QCOMPARE(gAppDir, gDataDir);
        QCOMPARE(gUserDir, QStringLiteral("/home/ann/.local/share/tallivo"));
        QCOMPARE(gDictFile, QStringLiteral("/usr/share/tallivo/dat/sysdic.dic"));
        QCOMPARE(gWordBankFile, QStringLiteral("/usr/share/tallivo/dat/twb.ck"));
        QCOMPARE(gUserNameFile, QStringLiteral("/home/ann/.local/share/tallivo/usrdat/uname.dat"));
        QCOMPARE(gUserBookFile, QStringLiteral("/home/ann/.local/share/tallivo/usrdat/uDRW90.UCK"));
        QCOMPARE(gUserStatusFile[2], QStringLiteral("/home/ann/.local/share/tallivo/usrdat/ustatus-2.dat"));
        QCOMPARE(AppPath(QStringLiteral("\\voice\\a.enw")), QStringLiteral("/usr/share/tallivo/voice/a.enw"));
        QCOMPARE(UserPath(QStringLiteral("\\tmp\\a.wav")), QStringLiteral("/home/ann/.local/share/tallivo/tmp/a.wav"));
        QVERIFY(CurrentAppFolders().installed);
    }

    // First start of an account: the folder and its three sub-folders are
    // made, and the write test leaves nothing behind.
    void prepareMakesTheUserFolder()
    {
        TempAppDir restore;
        QTemporaryDir tmp;
        const QString user = tmp.path() + QStringLiteral("/home/.local/share/tallivo");
        QVERIFY(MakeDataSet(tmp.path() + QStringLiteral("/share/tallivo")));
        InitAppPathsFor(tmp.path() + QStringLiteral("/share/tallivo"), user);
        QVERIFY(PrepareUserDir());
        QVERIFY(gUserFilesWritable);
        QCOMPARE(Tree(user), QStringList({"myvoice", "tmp", "usrdat"}));
        QCOMPARE(Tree(tmp.path() + QStringLiteral("/share/tallivo")), QStringList({"dat", "dat/sysdic.dic"}));
        QVERIFY(PrepareUserDir()); // and again on every later start
    }

    // The folder cannot be used: the answer is false and nothing appears
    // or changes, whoever runs the program.
    void prepareRefuses_data()
    {
        // clang-format off
        QTest::addColumn<QString>("blocker"); // an existing file in the way, "" for none
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addRow("a file where the folder should be") << "@/home/.local/share/tallivo" << "";
        QTest::addRow("a file where usrdat should be") << "@/home/.local/share/tallivo/usrdat" << "";
        QTest::addRow("a file above the folder") << "@/home/.local" << "";
        QTest::addRow("the installed data folder itself") << "" << "@/share";
        QTest::addRow("inside the installed data folder") << "" << "@/share/tallivo/dat";
        // clang-format on
    }
    void prepareRefuses()
    {
        QFETCH(QString, blocker);
        QFETCH(QString, xdgDataHome);
        TempAppDir restore;
        QTemporaryDir tmp;
        const QString root = tmp.path();
        QVERIFY(QDir().mkpath(root + QStringLiteral("/bin")));
        QVERIFY(MakeDataSet(root + QStringLiteral("/share/tallivo")));
        if (!blocker.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(At(root, blocker)).path()));
            QVERIFY(WriteFileBytes(At(root, blocker), QByteArrayLiteral("keep me")));
        }
        const QStringList before = Tree(root);
        UseAppFolders(FindAppFolders(root + QStringLiteral("/bin"), QString(), At(root, xdgDataHome),
                                     root + QStringLiteral("/home")));
        QVERIFY(CurrentAppFolders().installed);
        QVERIFY(!PrepareUserDir());
        QVERIFY(!gUserFilesWritable);
        QCOMPARE(Tree(root), before);
        if (!blocker.isEmpty()) {
            QFile f(At(root, blocker));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArrayLiteral("keep me"));
        }
    }

    // A folder the account may not write to (root may write anywhere).
    void prepareRefusesReadOnlyFolder()
    {
        if (geteuid() == 0)
            QSKIP("root may write into any folder");
        TempAppDir restore;
        QTemporaryDir tmp;
        const QString user = tmp.path() + QStringLiteral("/tallivo");
        for (const char *sub : {"usrdat", "tmp", "myvoice"})
            QVERIFY(QDir().mkpath(user + QLatin1Char('/') + QLatin1String(sub)));
        QVERIFY(QFile::setPermissions(user + QStringLiteral("/usrdat"), QFile::ReadOwner | QFile::ExeOwner));
        InitAppPathsFor(tmp.path(), user);
        const bool ok = PrepareUserDir();
        QFile::setPermissions(user + QStringLiteral("/usrdat"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!ok);
        QVERIFY(Tree(user + QStringLiteral("/usrdat")).isEmpty());
    }

    // Odd layouts of an installed program: an installation is never written,
    // whatever way its folder is named, and no home means no user folder.
    void oddFolders_data()
    {
        // clang-format off
        QTest::addColumn<QString>("tallivoHome");
        QTest::addColumn<QString>("xdgDataHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QStringList>("systemDataDirs");
        QTest::addColumn<QString>("dataDir");
        QTest::addColumn<QString>("userDir"); // "" = none
        QTest::addColumn<bool>("prepared");
        const QStringList none;
        QTest::addRow("TALLIVO_HOME at the installed data folder")
            << "@/usr/share/tallivo" << "" << "@/home" << none << "@/usr/share/tallivo"
            << "@/home/.local/share/tallivo" << true;
        QTest::addRow("TALLIVO_HOME through a link to it")
            << "@/link" << "" << "@/home" << none << "@/link" << "@/home/.local/share/tallivo" << true;
        QTest::addRow("TALLIVO_HOME with .. in its name")
            << "@/usr/bin/../share/tallivo/" << "" << "@/home" << none << "@/usr/share/tallivo"
            << "@/home/.local/share/tallivo" << true;
        QTest::addRow("TALLIVO_HOME at a system data folder")
            << "@/opt/share/tallivo" << "" << "@/home" << QStringList{"@/opt/share"} << "@/opt/share/tallivo"
            << "@/home/.local/share/tallivo" << true;
        QTest::addRow("TALLIVO_HOME at a copy of its own")
            << "@/copy" << "" << "@/home" << none << "@/copy" << "@/copy" << true;
        QTest::addRow("XDG_DATA_HOME inside the installation prefix")
            << "" << "@/usr/lib" << "@/home" << none << "@/usr/share/tallivo" << "@/usr/lib/tallivo" << false;
        QTest::addRow("XDG_DATA_HOME at the prefix")
            << "" << "@/usr" << "@/home" << none << "@/usr/share/tallivo" << "@/usr/tallivo" << false;
        QTest::addRow("HOME empty") << "" << "" << "" << none << "@/usr/share/tallivo" << "" << false;
        QTest::addRow("HOME empty, XDG_DATA_HOME set")
            << "" << "@/xdg" << "" << none << "@/usr/share/tallivo" << "@/xdg/tallivo" << true;
        QTest::addRow("HOME empty, TALLIVO_HOME at the installation")
            << "@/usr/share/tallivo" << "" << "" << none << "@/usr/share/tallivo" << "" << false;
        // clang-format on
    }
    void oddFolders()
    {
        QFETCH(QString, tallivoHome);
        QFETCH(QString, xdgDataHome);
        QFETCH(QString, home);
        QFETCH(QStringList, systemDataDirs);
        QFETCH(QString, dataDir);
        QFETCH(QString, userDir);
        QFETCH(bool, prepared);
        TempAppDir restore;
        QTemporaryDir tmp;
        const QString root = tmp.path();
        QVERIFY(QDir().mkpath(root + QStringLiteral("/usr/bin")));
        QVERIFY(QDir().mkpath(root + QStringLiteral("/home")));
        for (const char *d : {"/usr/share/tallivo", "/opt/share/tallivo", "/copy"})
            QVERIFY(MakeDataSet(root + QLatin1String(d)));
        QVERIFY(QFile::link(root + QStringLiteral("/usr/share/tallivo"), root + QStringLiteral("/link")));
        QStringList dataDirs;
        for (const QString &d : systemDataDirs)
            dataDirs << At(root, d);
        const QStringList usrBefore = Tree(root + QStringLiteral("/usr"));
        const QStringList optBefore = Tree(root + QStringLiteral("/opt"));

        UseAppFolders(FindAppFolders(root + QStringLiteral("/usr/bin"), At(root, tallivoHome), At(root, xdgDataHome),
                                     At(root, home), dataDirs));
        QCOMPARE(gDataDir, At(root, dataDir));
        QCOMPARE(gUserDir, At(root, userDir));
        QCOMPARE(PrepareUserDir(), prepared);
        QCOMPARE(gUserFilesWritable, prepared);
        QCOMPARE(Tree(root + QStringLiteral("/usr")), usrBefore);
        QCOMPARE(Tree(root + QStringLiteral("/opt")), optBefore);
        QVERIFY(!QFileInfo::exists(QStringLiteral("/.local/share/tallivo")));
        if (prepared)
            QVERIFY(QFileInfo(gUserDir + QStringLiteral("/usrdat")).isDir());
    }
};
TALLIVO_TEST(AppPathsTest)
#include "tst_apppaths.moc"
