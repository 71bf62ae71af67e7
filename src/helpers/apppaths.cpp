// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "apppaths.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

QString gDataDir;
QString gUserDir;
QString gAppDir;
QString gDictFile;
QString gWordBankFile;
QString gUserNameFile;
QString gUserBookFile;
QString gUserStatusFile[3];
bool gUserFilesWritable = true;

namespace {

AppFolders s_current;

QString CleanDir(const QString &path)
{
    QString dir = QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
    dir = QDir::cleanPath(dir);
    // "/" itself stays; any other trailing separator goes so joins give one "/"
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    return dir;
}

QString Join(const QString &dir, const QString &relative)
{
    QString rel = QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    if (dir.endsWith(QLatin1Char('/')))
        return dir + rel;
    return dir + QLatin1Char('/') + rel;
}

bool HoldsDataSet(const QString &dir)
{
    return QFileInfo::exists(Join(dir, QStringLiteral("dat/sysdic.dic")));
}

QString AccountDataHome(const QString &xdgDataHome, const QString &homeDir)
{
    // a relative XDG_DATA_HOME is invalid and ignored, as the XDG rules say
    if (!xdgDataHome.isEmpty() && QDir::isAbsolutePath(xdgDataHome))
        return CleanDir(xdgDataHome);
    // without a home there is no account folder: never "/.local/share"
    if (homeDir.trimmed().isEmpty() || !QDir::isAbsolutePath(homeDir))
        return QString();
    return CleanDir(Join(homeDir, QStringLiteral(".local/share")));
}

QString AccountUserDir(const QString &xdgDataHome, const QString &homeDir)
{
    const QString home = AccountDataHome(xdgDataHome, homeDir);
    return home.isEmpty() ? QString() : Join(home, QStringLiteral("tallivo"));
}

// The same folder, or one inside it, once links are resolved where they exist.
bool IsWithin(const QString &inner, const QString &outer)
{
    auto real = [](const QString &p) {
        const QString c = QFileInfo(p).canonicalFilePath();
        return c.isEmpty() ? CleanDir(QFileInfo(p).absoluteFilePath()) : c;
    };
    const QString in = real(inner), out = real(outer);
    return in == out || in.startsWith(out + QLatin1Char('/'));
}

// The installed data folder beside an executable in <prefix>/bin, and the
// prefix: where no user file may go.
QStringList InstallationDirs(const QString &exeDir)
{
    const QString shared = CleanDir(Join(CleanDir(exeDir), QStringLiteral("../share/tallivo")));
    if (!HoldsDataSet(shared))
        return {};
    return {shared, CleanDir(Join(shared, QStringLiteral("../..")))};
}

} // namespace

AppFolders FindAppFolders(const QString &exeDir, const QString &tallivoHome, const QString &xdgDataHome,
                          const QString &homeDir, const QStringList &systemDataDirs)
{
    AppFolders f;
    if (!tallivoHome.trimmed().isEmpty()) {
        f.dataDir = f.userDir = CleanDir(tallivoHome);
        f.lookedIn = {f.dataDir};
        f.dataFound = HoldsDataSet(f.dataDir);
        // an installed data set named here is read, never written: the
        // account's own folder keeps the user files, as for an installed start
        QStringList installation = InstallationDirs(exeDir);
        for (const QString &d : systemDataDirs) {
            if (QDir::isAbsolutePath(d))
                installation << CleanDir(Join(d, QStringLiteral("tallivo")));
        }
        for (const QString &d : std::as_const(installation)) {
            if (f.dataFound && IsWithin(f.dataDir, d)) {
                f.installed = true;
                f.protectedDirs = installation;
                f.userDir = AccountUserDir(xdgDataHome, homeDir);
                break;
            }
        }
        return f;
    }
    const QString beside = CleanDir(exeDir);
    const QString shared = CleanDir(Join(beside, QStringLiteral("../share/tallivo")));
    f.lookedIn = {beside, shared};
    if (HoldsDataSet(beside)) {
        f.dataDir = beside;
        f.dataFound = true;
    } else if (HoldsDataSet(shared)) {
        f.dataDir = shared;
        f.dataFound = f.installed = true;
    } else {
        // nothing found: guess the layout, so the start-up's dictionary
        // message comes without writing beside a system's executables
        f.installed = QFileInfo(beside).fileName() == QLatin1String("bin") || QFileInfo(shared).isDir();
        f.dataDir = f.installed ? shared : beside;
    }
    if (f.installed) {
        f.userDir = AccountUserDir(xdgDataHome, homeDir);
        f.protectedDirs = {f.dataDir, CleanDir(Join(f.dataDir, QStringLiteral("../..")))};
    } else {
        f.userDir = f.dataDir;
    }
    return f;
}

const AppFolders &CurrentAppFolders()
{
    return s_current;
}

void InitAppPaths()
{
    const QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty())
        dataDirs = QStringLiteral("/usr/local/share/:/usr/share/");
    UseAppFolders(FindAppFolders(exeDir, qEnvironmentVariable("TALLIVO_HOME"), qEnvironmentVariable("XDG_DATA_HOME"),
                                 qEnvironmentVariable("HOME"), dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)));
}

void InitAppPathsFor(const QString &appDir)
{
    InitAppPathsFor(appDir, appDir);
}

void InitAppPathsFor(const QString &dataDir, const QString &userDir)
{
    const QString data = CleanDir(dataDir), user = CleanDir(userDir);
    UseAppFolders(AppFolders{data, user, {data}, HoldsDataSet(data), data != user, {}});
}

void UseAppFolders(const AppFolders &folders)
{
    s_current = folders;
    gDataDir = gAppDir = CleanDir(folders.dataDir);
    gUserDir = CleanDir(folders.userDir);
    gUserFilesWritable = true;
    gDictFile = DataPath(QStringLiteral("dat/sysdic.dic"));
    gWordBankFile = DataPath(QStringLiteral("dat/twb.ck"));
    gUserNameFile = UserPath(QStringLiteral("usrdat/uname.dat"));
    gUserBookFile = UserPath(QStringLiteral("usrdat/uDRW90.UCK"));
    for (int i = 0; i < 3; ++i)
        gUserStatusFile[i] = UserPath(QStringLiteral("usrdat/ustatus-%1.dat").arg(i));
}

bool PrepareUserDir()
{
    gUserFilesWritable = false;
    if (gUserDir.isEmpty())
        return false;
    // an installation's data folder is never written, even by root
    if (s_current.installed && IsWithin(gUserDir, gDataDir))
        return false;
    for (const QString &d : s_current.protectedDirs) {
        // a program installed at the root protects its own folders only
        if (d != QLatin1String("/") && IsWithin(gUserDir, d))
            return false;
    }
    QDir root;
    for (const char *sub : {"usrdat", "tmp", "myvoice"}) {
        if (!root.mkpath(UserPath(QString::fromLatin1(sub))))
            return false;
    }
    QTemporaryFile probe(UserPath(QStringLiteral("usrdat/.write-test-XXXXXX")));
    if (!probe.open())
        return false;
    gUserFilesWritable = true;
    return true;
}

QString DataPath(const QString &relative)
{
    return Join(gDataDir, relative);
}

QString UserPath(const QString &relative)
{
    return Join(gUserDir, relative);
}

QString AppPath(const QString &relative)
{
    return DataPath(relative);
}
