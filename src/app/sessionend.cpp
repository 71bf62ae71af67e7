// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sessionend.h"
#include "instancelock.h"
#include "startup.h"
#include "platform/quitsignals.h"
#include "wordbank/globals.h"
#include "wordbank/savenotice.h"
#include <QGuiApplication>
#include <QSessionManager>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace sessionend {
namespace {

EndProcess gEnd;
bool gEnding = false;
bool gExitHooked = false;
QCoreApplication *gHookedApp = nullptr;
QMetaObject::Connection gSignalConnection;

void EndWithDefaultAction(int sig)
{
    ReleaseInstanceLock();
    std::fflush(nullptr);
    std::signal(sig, SIG_DFL);
    std::raise(sig);
    ::_exit(128 + sig); // only if the signal was blocked
}

// Nobody may be there to answer a box: the desktop is going away.
void SaveQuietly()
{
    if (!gUser)
        return;
    SetSaveNoticeQuiet(true);
    SaveUserData();
    SetSaveNoticeQuiet(false);
}

// Qt's X11 connection ends the process with exit() when the display goes
// away; the files need no display, so they are written here.
void SaveAtExit()
{
    if (!gEnding && gUser) {
        SaveQuietly();
        // the lock is never destroyed at exit on its own; a lost display must not leave it behind
        ReleaseInstanceLock();
    }
}

} // namespace

void Install(EndProcess endProcess)
{
    gEnd = endProcess ? std::move(endProcess) : EndProcess(EndWithDefaultAction);
    gEnding = false;
    if (QuitSignals *quit = QuitSignals::Install()) {
        QObject::disconnect(gSignalConnection);
        gSignalConnection = QObject::connect(quit, &QuitSignals::Received, &EndBySignal);
    }
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (app && app != gHookedApp) {
        gHookedApp = app;
        QObject::connect(app, &QGuiApplication::commitDataRequest, app, [](QSessionManager &) { SaveQuietly(); });
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, &SaveQuietly);
    }
    if (!gExitHooked) {
        gExitHooked = true;
        std::atexit(SaveAtExit);
    }
}

void Uninstall()
{
    QObject::disconnect(gSignalConnection);
    QuitSignals::Uninstall();
    gEnd = nullptr;
    gEnding = false;
}

void EndBySignal(int signalNumber)
{
    if (gEnding)
        return;
    gEnding = true;
    SaveQuietly();
    if (gEnd)
        gEnd(signalNumber);
}

} // namespace sessionend
