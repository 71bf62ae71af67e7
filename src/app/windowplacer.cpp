// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowplacer.h"
#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QScreen>
#include <QWidget>
#include <algorithm>

QPoint PlaceInside(const QRect &frame, const QRect &area)
{
    int x = std::min(frame.x(), area.right() + 1 - frame.width());
    int y = std::min(frame.y(), area.bottom() + 1 - frame.height());
    // larger than the area: its title bar and left edge stay reachable
    x = std::max(x, area.x());
    y = std::max(y, area.y());
    return {x, y};
}

bool WindowPlacer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->isWindow() && !(w->windowFlags() & (Qt::Popup | Qt::ToolTip)) && w->screen()
            && !w->graphicsProxyWidget()) { // a scaled window's view is placed instead
            const QRect area = w->screen()->availableGeometry();
            const QRect frame = w->frameGeometry();
            const QPoint to = PlaceInside(frame, area);
            if (to != frame.topLeft())
                w->move(to); // a window's position is its frame's
        }
    }
    return QObject::eventFilter(watched, event);
}
