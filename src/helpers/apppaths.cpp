#include "apppaths.h"
#include <QCoreApplication>
#include <QDir>

QString gAppDir;
QString gDictFile;
QString gWordBankFile;
QString gUserNameFile;
QString gUserBookFile;
QString gUserStatusFile[3];

void InitAppPaths()
{
    QString dir = qEnvironmentVariable("TALLIVO_HOME");
    if (dir.trimmed().isEmpty())
        dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    InitAppPathsFor(dir);
}

void InitAppPathsFor(const QString &appDir)
{
    QString dir = QString(appDir).replace(QLatin1Char('\\'), QLatin1Char('/'));
    dir = QDir::cleanPath(dir);
    // "/" itself stays; any other trailing separator goes so joins give one "/"
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/')))
        dir.chop(1);
    gAppDir = dir;
    gDictFile = AppPath(QStringLiteral("dat/sysdic.dic"));
    gWordBankFile = AppPath(QStringLiteral("dat/twb.ck"));
    gUserNameFile = AppPath(QStringLiteral("usrdat/uname.dat"));
    gUserBookFile = AppPath(QStringLiteral("usrdat/uDRW90.UCK"));
    for (int i = 0; i < 3; ++i)
        gUserStatusFile[i] = AppPath(QStringLiteral("usrdat/ustatus-%1.dat").arg(i));
}

QString AppPath(const QString &relative)
{
    QString rel = QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (rel.startsWith(QLatin1Char('/')))
        rel.remove(0, 1);
    if (gAppDir.endsWith(QLatin1Char('/')))
        return gAppDir + rel;
    return gAppDir + QLatin1Char('/') + rel;
}
