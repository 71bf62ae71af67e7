// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a window goes on a screen smaller than it.
#include "support/testmain.h"
#include "app/windowplacer.h"

class WindowPlacerTest : public QObject {
    Q_OBJECT

private slots:
    void placeInside_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QPoint>("to");
        const QRect area(0, 0, 1366, 736);
        QTest::addRow("inside stays") << QRect(100, 50, 800, 600) << QPoint(100, 50);
        QTest::addRow("below the panel edge") << QRect(100, 300, 800, 600) << QPoint(100, 136);
        QTest::addRow("off to the right") << QRect(900, 10, 800, 600) << QPoint(566, 10);
        QTest::addRow("above the top") << QRect(100, -30, 800, 600) << QPoint(100, 0);
        QTest::addRow("taller than the area: top-left kept") << QRect(40, 20, 800, 900) << QPoint(40, 0);
        QTest::addRow("wider than the area: left edge kept") << QRect(40, 20, 1500, 600) << QPoint(0, 20);
    }
    void placeInside()
    {
        QFETCH(QRect, frame);
        QFETCH(QPoint, to);
        QCOMPARE(PlaceInside(frame, QRect(0, 0, 1366, 736)), to);
    }
};

TALLIVO_TEST(WindowPlacerTest)
#include "tst_windowplacer.moc"
