// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/checkinstall.h"
#include "app/formmain.h"
#include "app/instancelock.h"
#include "app/windowplacer.h"
#include "app/sessionend.h"
#include "app/appnavigator.h"
#include "app/saycheck.h"
#include "app/startup.h"
#include "widgets/phoneticfont.h"
#include "widgets/screenfit.h"
#include "helpers/apppaths.h"
#include "platform/platform.h"
#include "platform/qtplatform.h"
#include "speech/speechservice.h"
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

int RunCheck(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (argc > 2)
        return RunCheckInstall(QString::fromLocal8Bit(argv[2]), out, err);
    InitAppPaths();
    return RunCheckFolders(out, err);
}

int RunSay(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunSayCheck(QCoreApplication::arguments().mid(2), out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (first == QLatin1String("--check"))
        return RunCheck(argc, argv);
    if (first == QLatin1String("--version")) {
        std::puts("Tallivo " TALLIVO_VERSION "\n"
                  "Licence: GPL-3.0-or-later for the program, CC-BY-SA-4.0 for the word lists, texts and voices");
        return 0;
    }
    if (first == QLatin1String("--say-check"))
        return RunSay(argc, argv);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        std::puts("usage: tallivo                 start the program\n"
                  "       tallivo --check [DIR]   check an installation folder (default: the program's own data\n"
                  "                               and user folders)\n"
                  "       tallivo --version       print the version and the licence\n"
                  "       tallivo --say-check FILE.wav WORD [OTHER_WORD...]\n"
                  "                               check whether a recording says WORD (or one of the others)");
        return 0;
    }

    QApplication app(argc, argv);
    // a window taller than a small laptop screen keeps its title bar on it
    WindowPlacer placer;
    app.installEventFilter(&placer);
    // a window larger than the screen is shown scaled down (only here: tests build windows bare)
    ScreenFit fit;
    app.installEventFilter(&fit);
    QApplication::setApplicationName(QStringLiteral("Tallivo"));
    QApplication::setDesktopFileName(QStringLiteral(TALLIVO_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/tallivo.svg")));
    // Qt's own dialogs (file dialogs above all) in Chinese, like the rest.
    QTranslator qtChinese;
    if (qtChinese.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtChinese);
    QtPlatform platform;
    platform.SetDialogLook(ProgramDialogLook());
    SetPlatform(&platform);

    InitAppPaths();
    EnsurePhoneticFont();
    AppNavigator navigator;
    SetNavigator(&navigator);
    // from here on a logout, Ctrl+C or a lost display saves the profile
    sessionend::Install();

    int code = 0;
    {
        FormMain mainWindow;
        mainWindow.show(); // the login window and the start-up come first
        code = mainWindow.ProgramEnded() ? mainWindow.ExitCode() : app.exec();
    }
    ReleaseInstanceLock();
    SetNavigator(nullptr);
    // a check still running finishes before its thread goes
    ReleaseSpeechService();
    SetPlatform(nullptr);
    return code;
}
