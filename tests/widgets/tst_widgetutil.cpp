// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/testmain.h"
#include "widgets/widgetutil.h"
#include <QPainter>
#include <algorithm>

namespace {

// A picture with detail in every row and column (and see-through pixels when
// alpha), so a band edge that skips or repeats a row shows.
QImage Pattern(QSize size, bool alpha)
{
    QImage img(size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            img.setPixel(x, y, qRgba((x * 37 + y * 11) & 255, (y * 53) & 255, (x * y) & 255, alpha ? (x + 3 * y) & 255 : 255));
    return img;
}

} // namespace

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

    // Drawn in bands or at once, a picture gives the same pixels: stretched up
    // and down, at fractional places and pixel ratios, under a scale, inside a
    // clip the caller set, and see-through over a background.
    void drawImageInBands_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QRectF>("target");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QRect>("clip");
        QTest::addColumn<bool>("smooth");
        QTest::addRow("card stretched up") << QSize(320, 200) << false << 1.0 << QRectF(0, 0, 400, 250) << 1.0 << QRect() << true;
        QTest::addRow("same size") << QSize(400, 250) << false << 1.0 << QRectF(0, 0, 400, 250) << 1.0 << QRect() << true;
        QTest::addRow("shrunk, fractional place") << QSize(320, 200) << false << 1.0 << QRectF(3.5, 7.25, 241.3, 151.6) << 1.0 << QRect() << true;
        QTest::addRow("see-through over a background") << QSize(300, 300) << true << 1.0 << QRectF(10, 10, 380, 230) << 1.0 << QRect() << true;
        QTest::addRow("pixel ratio 1.25") << QSize(320, 200) << false << 1.25 << QRectF(0, 0, 400, 250) << 1.0 << QRect() << true;
        QTest::addRow("pixel ratio 2, see-through") << QSize(160, 100) << true << 2.0 << QRectF(1, 1, 398, 248) << 1.0 << QRect() << true;
        QTest::addRow("painter scaled") << QSize(320, 200) << true << 1.0 << QRectF(0, 0, 300, 190) << 1.3 << QRect() << true;
        QTest::addRow("inside a clip") << QSize(320, 200) << true << 1.0 << QRectF(0, 0, 400, 250) << 1.0 << QRect(30, 40, 200, 150) << true;
        QTest::addRow("not smoothed") << QSize(97, 61) << false << 1.0 << QRectF(0, 0, 400, 250) << 1.0 << QRect() << false;
        QTest::addRow("one band's height") << QSize(50, 32) << true << 1.0 << QRectF(0, 0, 100, 32) << 1.0 << QRect() << true;
    }
    void drawImageInBands()
    {
        QFETCH(QSize, source);
        QFETCH(bool, alpha);
        QFETCH(qreal, dpr);
        QFETCH(QRectF, target);
        QFETCH(qreal, scale);
        QFETCH(QRect, clip);
        QFETCH(bool, smooth);
        const QImage picture = Pattern(source, alpha);
        auto draw = [&](bool bands) {
            QImage canvas(QSize(400, 250) * dpr, QImage::Format_ARGB32_Premultiplied);
            canvas.setDevicePixelRatio(dpr);
            canvas.fill(QColor(40, 120, 200, 180));
            QPainter p(&canvas);
            p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(scale, scale);
            if (!clip.isNull())
                p.setClipRect(clip);
            if (bands)
                DrawImageInBands(p, target, picture);
            else
                p.drawImage(target, picture);
            p.end();
            return canvas;
        };
        const QImage once = draw(false);
        const QImage banded = draw(true);
        QCOMPARE(banded.size(), once.size());
        for (int y = 0; y < once.height(); ++y)
            for (int x = 0; x < once.width(); ++x)
                if (banded.pixel(x, y) != once.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y)));
        // and the picture was drawn at all: the middle of the target no longer
        // shows the background (read back the same way as the canvas)
        QImage blank(1, 1, QImage::Format_ARGB32_Premultiplied);
        blank.fill(QColor(40, 120, 200, 180));
        const QPoint middle = (target.center() * scale * dpr).toPoint();
        QVERIFY(once.pixel(middle) != blank.pixel(0, 0));
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
