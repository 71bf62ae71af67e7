// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// One running copy per user folder: two copies would each save their own
// view of the profile, and the last one would overwrite the other's progress.
enum class InstanceLock {
    Taken,         // this run holds the folder
    HeldElsewhere, // another running copy holds it
    Unavailable,   // no lock could be made (the folder cannot be written): nothing is saved anyway
};

// Takes the lock of the current user folder. A lock left by a run that
// crashed or was killed is taken over. Taking it again for another folder
// lets the first one go.
InstanceLock AcquireInstanceLock();
void ReleaseInstanceLock();
// usrdat/tallivo.lock in the user folder.
QString InstanceLockPath();

inline constexpr const char *kMsgAlreadyRunning = "Tallivo 已经在运行。";
