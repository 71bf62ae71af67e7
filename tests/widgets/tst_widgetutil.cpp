// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testmain.h"
#include "widgets/widgetutil.h"
#include <algorithm>

// The shapes and colours the controls take from the old toolkit's numbers.
class WidgetUtilTest : public QObject {
    Q_OBJECT
private slots:
    void roundRectRegion_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("ew");
        QTest::addColumn<int>("eh");
        QTest::addRow("tile") << 100 << 50 << 20 << 20;
        QTest::addRow("oval corners") << 200 << 120 << 40 << 24;
        QTest::addRow("odd sizes") << 37 << 23 << 9 << 7;
        QTest::addRow("ellipse larger than the box") << 40 << 30 << 100 << 100;
    }
    void roundRectRegion()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QFETCH(int, ew);
        QFETCH(int, eh);
        const QRegion r = RoundRectRegion(w, h, ew, eh);
        QCOMPARE(r.boundingRect(), QRect(0, 0, w, h));
        QVERIFY(!r.contains(QPoint(0, 0)));
        QVERIFY(r.contains(QPoint(w / 2, h / 2)));
        QVERIFY(r.contains(QPoint(w / 2, 0))); // straight edges are full length
        QVERIFY(r.contains(QPoint(0, h / 2)));
        const int rx = std::min(ew, w) / 2, ry = std::min(eh, h) / 2;
        // a point just inside the corner's square but outside the arc is cut
        QVERIFY(!r.contains(QPoint(rx / 4, ry / 4)));
        // the four corners mirror one another
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const bool in = r.contains(QPoint(x, y));
                QCOMPARE(r.contains(QPoint(w - 1 - x, y)), in);
                QCOMPARE(r.contains(QPoint(x, h - 1 - y)), in);
            }
    }

    void roundRectRegionDegenerate()
    {
        QCOMPARE(RoundRectRegion(50, 40, 0, 0), QRegion(0, 0, 50, 40));
        QVERIFY(RoundRectRegion(0, 40, 10, 10).isEmpty());
        QVERIFY(RoundRectRegion(50, -1, 10, 10).isEmpty());
    }

    void colorFromBGR_data()
    {
        QTest::addColumn<int>("bgr");
        QTest::addColumn<QColor>("color");
        QTest::addRow("blue") << 0xFF0000 << QColor(0, 0, 255);
        QTest::addRow("red") << 0x0000FF << QColor(255, 0, 0);
        QTest::addRow("mixed") << 0x336699 << QColor(0x99, 0x66, 0x33);
        QTest::addRow("button face") << int(0x8000000F) << QColor(0xF0, 0xF0, 0xF0);
    }
    void colorFromBGR()
    {
        QFETCH(int, bgr);
        QFETCH(QColor, color);
        QCOMPARE(ColorFromBGR(bgr), color);
    }
};
TALLIVO_TEST(WidgetUtilTest)
#include "tst_widgetutil.moc"
