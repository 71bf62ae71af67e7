// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/platform.h"
#include "support/fakeplatform.h"
#include "support/testmain.h"
#include "widgets/shapectl.h"
#include "widgets/widgetutil.h"
#include <QPainter>
#include <QSignalSpy>

namespace {
class Host : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

// Vertical stripes, one per colour, of the given width each.
StdPicture Stripes(const QList<QColor> &colours, int stripe, int height)
{
    QImage img(int(colours.size()) * stripe, height, QImage::Format_ARGB32);
    QPainter p(&img);
    for (int i = 0; i < colours.size(); ++i)
        p.fillRect(i * stripe, 0, stripe, height, colours[i]);
    p.end();
    return StdPicture(img);
}

bool Near(QColor a, QColor b, int tolerance = 8)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}
}

class ShapeCtlTest : public QObject {
    Q_OBJECT
private slots:
    void cornersFollowTheWidth_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("corner");
        QTest::addRow("200 wide") << 200 << 10;
        QTest::addRow("190 wide: 9.5 to the even 10") << 190 << 10;
        QTest::addRow("210 wide: 10.5 to the even 10") << 210 << 10;
        QTest::addRow("230 wide: 11.5 to the even 12") << 230 << 12;
        QTest::addRow("216 wide: 10.8 to 11") << 216 << 11;
    }
    void cornersFollowTheWidth()
    {
        QFETCH(int, width);
        QFETCH(int, corner);
        QCOMPARE(ShapeCtl::CornerSize(width), corner);
        QWidget host;
        auto *tile = new ShapeCtl(&host);
        tile->resize(width, 120);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QCOMPARE(tile->mask(), RoundRectRegion(width, 120, corner, corner));
    }

    void cornersLetTheMouseThrough_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("onTile");
        QTest::addRow("top-left corner") << QPoint(0, 0) << false;
        QTest::addRow("bottom-right corner") << QPoint(199, 149) << false;
        QTest::addRow("middle") << QPoint(100, 75) << true;
        QTest::addRow("top edge centre") << QPoint(100, 0) << true;
    }
    void cornersLetTheMouseThrough()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, onTile);
        ScopedFakePlatform fake;
        Host host;
        host.resize(240, 190);
        auto *tile = new ShapeCtl(&host);
        tile->setGeometry(20, 20, 200, 150);
        tile->SetNewPic(Stripes({Qt::red}, 10, 10));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy clicks(tile, &ShapeCtl::Click);
        QTest::mouseClick(host.windowHandle(), Qt::LeftButton, {}, tile->mapTo(&host, at));
        QCOMPARE(clicks.count(), onTile ? 1 : 0);
        QCOMPARE(host.presses, onTile ? 0 : 1);
    }

    void pictureIsStretchedOverTheTile()
    {
        QWidget host;
        auto *tile = new ShapeCtl(&host);
        tile->resize(40, 20);
        tile->SetNewPic(Stripes({Qt::red, Qt::blue}, 3, 3));
        QCOMPARE(tile->Image().size(), QSize(40, 20));
        QVERIFY(Near(tile->Image().pixel(5, 10), Qt::red));
        QVERIFY(Near(tile->Image().pixel(35, 10), Qt::blue));
    }

    void growingStretchesWhatIsShown()
    {
        // Four stripes painted into a 2-pixel tile cannot survive; growing the
        // tile then shows that small painting enlarged, not the source again.
        QWidget host;
        host.resize(60, 60);
        auto *tile = new ShapeCtl(&host);
        tile->resize(2, 2);
        tile->SetNewPic(Stripes({Qt::red, Qt::blue, Qt::red, Qt::blue}, 10, 10));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        tile->resize(40, 40);
        QCOMPARE(tile->Image().size(), QSize(40, 40));
        const QColor left = tile->Image().pixel(4, 20), second = tile->Image().pixel(14, 20);
        QVERIFY2(!Near(left, Qt::red) || !Near(second, Qt::blue),
                 "the tile repainted its source instead of stretching its picture");

        // A new picture replaces it at the current size.
        tile->SetNewPic(Stripes({Qt::red, Qt::blue, Qt::red, Qt::blue}, 10, 10));
        QVERIFY(Near(tile->Image().pixel(4, 20), Qt::red));
        QVERIFY(Near(tile->Image().pixel(14, 20), Qt::blue));
    }

    void pictureGivenBeforeTheTileHasAreaIsKept()
    {
        QWidget host;
        host.resize(60, 60);
        auto *tile = new ShapeCtl(&host);
        tile->resize(0, 0);
        tile->SetNewPic(Stripes({Qt::green}, 4, 4));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        tile->resize(30, 30);
        QCOMPARE(tile->Image().size(), QSize(30, 30));
        QVERIFY(Near(tile->Image().pixel(15, 15), Qt::green));
    }

    void mouseMoveReportsPosition()
    {
        ScopedFakePlatform fake;
        QWidget host;
        host.resize(100, 100);
        auto *tile = new ShapeCtl(&host);
        tile->setGeometry(10, 10, 60, 60);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        QSignalSpy moves(tile, &ShapeCtl::MouseMove);
        QTest::mouseMove(host.windowHandle(), QPoint(40, 35));
        QVERIFY(!moves.isEmpty());
        QCOMPARE(moves.last(), (QVariantList{0, 0, 30, 25}));
    }
};
TALLIVO_TEST(ShapeCtlTest)
#include "tst_shapectl.moc"
