// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <functional>

// The ways the program ends without the quit question: SIGTERM, SIGINT or
// SIGHUP (a logout, a shutdown, Ctrl+C), the desktop session asking for a
// save, the application quitting, the display connection lost. Each saves
// what the quit question's Yes saves, without asking.
namespace sessionend {

// Runs after the save a signal triggered; the real one lets the lock go and
// ends the process with the signal's own default action.
using EndProcess = std::function<void(int signalNumber)>;

// Signals, session manager and exit hook. Once per process; again replaces
// endProcess (tests).
void Install(EndProcess endProcess = {});
// The default signal actions back (tests).
void Uninstall();
// What a termination signal does: one quiet save, then endProcess. A second
// signal meanwhile changes nothing.
void EndBySignal(int signalNumber);

} // namespace sessionend
