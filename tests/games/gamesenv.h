// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One games test's world: the rules' world (rulesenv.h) and the ways a test
// drives a game control, its clicks and its timers.
#include "gamerules/rulesenv.h"
#include "support/modaldriver.h"
#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

// A left click on w as the window system would queue it: delivered only
// when events are next let through.
inline void QueueClick(QWidget *w)
{
    const QPointF at = w->rect().center();
    const QPointF global = w->mapToGlobal(at);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                   Qt::NoButton, Qt::NoModifier));
}

// Runs the control's active timers by their tick slots ("<name>_Timer")
// until none is running or limit ticks were run; the number of ticks run.
inline int RunTimers(QWidget *control, int limit = 1000)
{
    int ticks = 0;
    for (bool any = true; any && ticks < limit;) {
        any = false;
        for (QTimer *t : control->findChildren<QTimer *>(Qt::FindDirectChildrenOnly)) {
            if (!t->isActive())
                continue;
            any = true;
            const QByteArray slot = t->objectName().toLatin1() + "_Timer";
            QMetaObject::invokeMethod(control, slot.constData(), Qt::DirectConnection);
            ++ticks;
            break;
        }
    }
    return ticks;
}

// Ticks one named timer n times (or until it stops).
inline int Tick(QWidget *control, const char *timer, int n = 1)
{
    QTimer *t = control->findChild<QTimer *>(QLatin1String(timer));
    int done = 0;
    while (t && t->isActive() && done < n) {
        QMetaObject::invokeMethod(control, (QByteArray(timer) + "_Timer").constData(), Qt::DirectConnection);
        ++done;
    }
    return done;
}
