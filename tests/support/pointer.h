// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The mouse passing over or clicking one widget, sent to it directly.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// A move to pos (in w's coordinates) with no button held.
inline void MoveOver(QWidget *w, QPoint pos)
{
    QMouseEvent ev(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
}

inline void MoveOverMiddle(QWidget *w)
{
    MoveOver(w, w->rect().center());
}

// button pressed and released at pos.
inline void Press(QWidget *w, Qt::MouseButton button, QPoint pos)
{
    QTest::mousePress(w, button, Qt::NoModifier, pos);
    QTest::mouseRelease(w, button, Qt::NoModifier, pos);
}
