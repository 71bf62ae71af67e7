// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instancelock.h"
#include "helpers/apppaths.h"
#include <QLockFile>

namespace {
// Released explicitly (also before a signal ends the run); never destroyed at exit.
QLockFile *gLock = nullptr;
} // namespace

QString InstanceLockPath()
{
    return UserPath(QStringLiteral("usrdat/tallivo.lock"));
}

InstanceLock AcquireInstanceLock()
{
    ReleaseInstanceLock();
    auto *lock = new QLockFile(InstanceLockPath());
    // a live holder is never stale, however long it has run; a dead one is
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        gLock = lock;
        return InstanceLock::Taken;
    }
    const bool held = lock->error() == QLockFile::LockFailedError;
    delete lock;
    return held ? InstanceLock::HeldElsewhere : InstanceLock::Unavailable;
}

void ReleaseInstanceLock()
{
    delete gLock; // unlocks
    gLock = nullptr;
}
