// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>
#include <QRect>

// The windows are laid out in fixed pixels for about 1024 x 770; on a
// smaller screen their title bar and left edge must at least stay on it.

// Where a window with frame geometry `frame` must go so that it lies inside
// `area` (its top-left corner first, when it is larger).
QPoint PlaceInside(const QRect &frame, const QRect &area);

// Keeps every top-level window inside the available area of its screen as
// it is shown. Installed on the application.
class WindowPlacer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
