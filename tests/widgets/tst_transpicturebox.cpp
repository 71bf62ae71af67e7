// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fakeplatform.h"
#include "support/testmain.h"
#include "widgets/ctranspicturebox.h"
#include <QPainter>
#include <QSignalSpy>
#include <memory>

namespace {
// A top-level host that records the presses reaching it directly.
class Host : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

struct Scene {
    Host host;
    cTransPictureBox *box = new cTransPictureBox(&host);
    Scene()
    {
        host.resize(120, 120);
        box->move(10, 10);
    }
    bool show()
    {
        host.show();
        return QTest::qWaitForWindowExposed(&host);
    }
    // A click as the windowing system delivers it: to whatever lies at that
    // point of the window.
    void clickAt(QPoint inBox, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseClick(host.windowHandle(), b, m, box->mapTo(&host, inBox));
    }
};

// size filled with fill, with the rects painted in their colours.
QImage Picture(QSize size, QColor fill, const QList<QPair<QRect, QColor>> &rects = {})
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(fill);
    QPainter p(&img);
    for (const auto &r : rects)
        p.fillRect(r.first, r.second);
    return img;
}

// Black is the transparent colour until a host says otherwise: a red square
// with a black surround shows only the square.
StdPicture RedSquareOnBlack()
{
    return StdPicture(Picture({20, 20}, Qt::black, {{QRect(5, 5, 10, 10), Qt::red}}));
}

bool Shows(const cTransPictureBox &b, QPoint p)
{
    return b.ShapeRegion().contains(p) && qAlpha(b.FaceImage().pixel(p)) != 0;
}
}

class TransPictureBoxTest : public QObject {
    Q_OBJECT
private slots:
    void maskDecidesWhoGetsTheClick_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("reachesControl");
        QTest::addRow("transparent corner") << QPoint(1, 1) << false;
        QTest::addRow("transparent next to the square") << QPoint(4, 10) << false;
        QTest::addRow("square edge") << QPoint(5, 5) << true;
        QTest::addRow("square centre") << QPoint(10, 10) << true;
        QTest::addRow("square last pixel") << QPoint(14, 14) << true;
    }
    void maskDecidesWhoGetsTheClick()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, reachesControl);
        ScopedFakePlatform fake;
        Scene s;
        s.box->SetStyle(0);
        s.box->SetPictureFile(RedSquareOnBlack());
        QVERIFY(s.show());
        QSignalSpy clicks(s.box, &cTransPictureBox::Click);
        QSignalSpy downs(s.box, &cTransPictureBox::MouseDown);
        s.clickAt(at);
        QCOMPARE(clicks.count(), reachesControl ? 1 : 0);
        QCOMPARE(downs.count(), reachesControl ? 1 : 0);
        // What the control does not take falls through to what lies below.
        QCOMPARE(s.host.presses, reachesControl ? 0 : 1);
        QCOMPARE(Shows(*s.box, at), reachesControl);
    }

    void transparentColourCanChange()
    {
        Scene s;
        s.box->SetStyle(0);
        s.box->SetPictureFile(RedSquareOnBlack());
        s.box->SetTransparentColor(0x0000FF); // red in BGR
        QCOMPARE(s.box->TransparentColor(), 0x0000FF);
        QVERIFY(!Shows(*s.box, {10, 10}));
        QVERIFY(Shows(*s.box, {1, 1}));
    }

    void tileOrigins_data()
    {
        QTest::addColumn<QSize>("pic");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QList<int>>("steps"); // the same in both directions
        QTest::addRow("10 over 25") << QSize(10, 10) << QSize(25, 25) << QList<int>{0, 10, 20};
        QTest::addRow("exact fit keeps a copy at the far edge") << QSize(10, 10) << QSize(20, 20) << QList<int>{0, 10, 20};
        QTest::addRow("bigger than the area") << QSize(40, 40) << QSize(25, 25) << QList<int>{0};
        QTest::addRow("zero width") << QSize(0, 10) << QSize(25, 25) << QList<int>{};
        QTest::addRow("zero height") << QSize(10, 0) << QSize(25, 25) << QList<int>{};
    }
    void tileOrigins()
    {
        QFETCH(QSize, pic);
        QFETCH(QSize, area);
        QFETCH(QList<int>, steps);
        QList<QPoint> expected;
        for (int y : steps)
            for (int x : steps)
                expected << QPoint(x, y);
        QCOMPARE(cTransPictureBox::TileOrigins(pic, area), expected);
    }

    void tilingPaintsEveryCopy()
    {
        // A 10 x 10 picture marked red at its top-left pixel.
        Scene s;
        s.box->resize(25, 25);
        s.box->SetPictureFile(StdPicture(Picture({10, 10}, Qt::blue, {{QRect(0, 0, 1, 1), Qt::red}})));
        QCOMPARE(s.box->Style(), 1);
        QCOMPARE(s.box->size(), QSize(25, 25));
        const QImage face = s.box->FaceImage();
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 25; ++x) {
                const bool copyCorner = x % 10 == 0 && y % 10 == 0;
                QCOMPARE(QColor(face.pixel(x, y)), copyCorner ? QColor(Qt::red) : QColor(Qt::blue));
            }
    }

    void zeroSizePictureDoesNotHang()
    {
        Scene s;
        s.box->resize(25, 25);
        const StdPicture flat = StdPicture::FromSvg(
            "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 0 10'><rect width='5' height='5'/></svg>");
        QVERIFY(!flat.isNone());
        QVERIFY(!flat.HasHandle());
        for (int style : {1, 2}) {
            s.box->SetStyle(style);
            s.box->SetPictureFile(flat);
            QCOMPARE(s.box->size(), QSize(25, 25));
            QVERIFY(s.box->ShapeRegion().isEmpty());
        }
    }

    void styleAndSize_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QSize>("expectedSize");
        QTest::addRow("own size takes the picture's size") << 0 << QSize(10, 6);
        QTest::addRow("tiled keeps its size") << 1 << QSize(40, 20);
        QTest::addRow("stretched keeps its size") << 2 << QSize(40, 20);
        QTest::addRow("invalid style counts as tiled") << 7 << QSize(40, 20);
        QTest::addRow("negative style counts as tiled") << -1 << QSize(40, 20);
    }
    void styleAndSize()
    {
        QFETCH(int, style);
        QFETCH(QSize, expectedSize);
        Scene s;
        s.box->resize(40, 20);
        // Left half red, right half blue.
        s.box->SetPictureFile(StdPicture(Picture({10, 6}, Qt::blue, {{QRect(0, 0, 5, 6), Qt::red}})));
        s.box->SetStyle(style);
        QCOMPARE(s.box->Style(), style >= 0 && style <= 2 ? style : 1);
        QCOMPARE(s.box->size(), expectedSize);
        QCOMPARE(s.box->Width(), expectedSize.width());
        if (s.box->Style() == 2) {
            const QImage face = s.box->FaceImage();
            QCOMPARE(QColor(face.pixel(19, 10)), QColor(Qt::red));
            QCOMPARE(QColor(face.pixel(20, 10)), QColor(Qt::blue));
            QCOMPARE(QColor(face.pixel(39, 19)), QColor(Qt::blue));
        }
    }

    void resizeFollowsStyle()
    {
        Scene s;
        QVERIFY(s.show());
        s.box->resize(20, 20);
        s.box->SetStyle(2);
        s.box->SetPictureFile(StdPicture(Picture({10, 10}, Qt::blue, {{QRect(0, 0, 5, 10), Qt::red}})));
        s.box->resize(60, 30);
        QCOMPARE(s.box->FaceImage().size(), QSize(60, 30));
        QCOMPARE(QColor(s.box->FaceImage().pixel(29, 15)), QColor(Qt::red));
        QCOMPARE(QColor(s.box->FaceImage().pixel(30, 15)), QColor(Qt::blue));
        QVERIFY(s.box->ShapeRegion().contains(QPoint(59, 29)));

        s.box->SetStyle(1);
        s.box->resize(35, 12);
        QCOMPARE(s.box->size(), QSize(35, 12));
        QCOMPARE(QColor(s.box->FaceImage().pixel(30, 5)), QColor(Qt::red));
        QCOMPARE(QColor(s.box->FaceImage().pixel(25, 5)), QColor(Qt::blue));
    }

    void syncTakesTopLeftColour_data()
    {
        QTest::addColumn<bool>("sync");
        QTest::addRow("sync on") << true;
        QTest::addRow("sync off") << false;
    }
    void syncTakesTopLeftColour()
    {
        QFETCH(bool, sync);
        Scene s;
        s.box->SetStyle(0);
        s.box->SetSyncTransparentColor(sync);
        // White with a blue dot and black bars: white is see-through only when synced.
        s.box->SetPictureFile(StdPicture(Picture({20, 20}, Qt::white,
                                                 {{QRect(8, 8, 4, 4), Qt::blue}, {QRect(0, 15, 20, 2), Qt::black}})));
        QCOMPARE(s.box->TransparentColor(), sync ? 0xFFFFFF : 0);
        QCOMPARE(Shows(*s.box, {0, 0}), !sync);
        QCOMPARE(Shows(*s.box, {19, 5}), !sync);
        QVERIFY(Shows(*s.box, {9, 9}));
        QCOMPARE(Shows(*s.box, {3, 15}), sync);
    }

    void pictureNoneClearsEverything()
    {
        ScopedFakePlatform fake;
        Scene s;
        s.box->SetStyle(0);
        s.box->SetSyncTransparentColor(true);
        s.box->SetPictureFile(StdPicture(Picture({20, 20}, Qt::green, {{QRect(0, 0, 2, 2), Qt::white}})));
        QCOMPARE(s.box->TransparentColor(), 0xFFFFFF);
        QVERIFY(s.show());

        s.box->SetPictureFile(StdPicture());
        QVERIFY(s.box->PictureFile().isNone());
        QCOMPARE(s.box->TransparentColor(), 0);
        QVERIFY(s.box->FaceImage().isNull());
        QCOMPARE(s.box->size(), QSize(20, 20));
        QSignalSpy clicks(s.box, &cTransPictureBox::Click);
        s.clickAt({10, 10});
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(s.host.presses, 1);

        // A resize or a new style with no picture stays empty.
        s.box->SetStyle(2);
        s.box->resize(30, 30);
        QVERIFY(s.box->FaceImage().isNull());
    }

    void mouseEventsCarryButtonShiftAndPosition()
    {
        ScopedFakePlatform fake;
        Scene s;
        s.box->SetStyle(0);
        s.box->SetPictureFile(StdPicture(Picture({20, 20}, Qt::red)));
        QVERIFY(s.show());
        QSignalSpy downs(s.box, &cTransPictureBox::MouseDown);
        QSignalSpy ups(s.box, &cTransPictureBox::MouseUp);
        QSignalSpy moves(s.box, &cTransPictureBox::MouseMove);
        QSignalSpy clicks(s.box, &cTransPictureBox::Click);

        s.clickAt({7, 12}, Qt::RightButton, Qt::ShiftModifier);
        QCOMPARE(downs.count(), 1);
        QCOMPARE(downs.at(0), (QVariantList{2, 1, 7, 12}));
        QCOMPARE(ups.at(0), (QVariantList{2, 1, 7, 12}));
        QCOMPARE(clicks.count(), 0); // only the left button clicks

        QTest::mouseMove(s.host.windowHandle(), s.box->mapTo(&s.host, QPoint(3, 4)));
        QVERIFY(!moves.isEmpty());
        QCOMPARE(moves.last(), (QVariantList{0, 0, 3, 4}));
    }

    void doubleClickIsOneClickAndOneDblClick()
    {
        ScopedFakePlatform fake;
        Scene s;
        s.box->SetStyle(0);
        s.box->SetPictureFile(StdPicture(Picture({20, 20}, Qt::red)));
        QVERIFY(s.show());
        QSignalSpy clicks(s.box, &cTransPictureBox::Click);
        QSignalSpy dbl(s.box, &cTransPictureBox::DblClick);
        QTest::mouseDClick(s.host.windowHandle(), Qt::LeftButton, {}, s.box->mapTo(&s.host, QPoint(5, 5)));
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(clicks.count(), 1);
    }

    void keysAreForwarded()
    {
        Scene s;
        QSignalSpy down(s.box, &cTransPictureBox::KeyDown);
        QSignalSpy press(s.box, &cTransPictureBox::KeyPress);
        QSignalSpy up(s.box, &cTransPictureBox::KeyUp);
        QTest::keyClick(s.box, Qt::Key_A);
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0), (QVariantList{65, 0}));
        QCOMPARE(press.count(), 1);
        QCOMPARE(press.at(0).at(0).toInt(), int('a'));
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0), (QVariantList{65, 0}));

        // Ctrl+Left: the Ctrl key itself comes first, then the arrow with its shift state
        QTest::keyClick(s.box, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(down.last(), (QVariantList{37, 2}));
        QCOMPARE(down.at(1), (QVariantList{17, 2}));
        QCOMPARE(press.count(), 1); // an arrow types nothing
        QCOMPARE(up.at(1), (QVariantList{37, 2}));
    }

    void svgPictureIsDrawnAtTheStretchedSize()
    {
        // A vector picture is not enlarged from a small bitmap: its round
        // outline stays smooth and its transparent background stays see-through.
        Scene s;
        s.box->resize(100, 100);
        s.box->SetStyle(2);
        s.box->SetPictureFile(StdPicture::FromSvg(
            "<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
            "<circle cx='5' cy='5' r='5' fill='#FF9F1C'/></svg>"));
        QCOMPARE(s.box->size(), QSize(100, 100));
        QVERIFY(!Shows(*s.box, {2, 2}));
        QVERIFY(Shows(*s.box, {50, 50}));
        QVERIFY(Shows(*s.box, {50, 1}));
        QCOMPARE(QColor(s.box->FaceImage().pixel(50, 50)), QColor(0xFF, 0x9F, 0x1C));
    }
};
TALLIVO_TEST(TransPictureBoxTest)
#include "tst_transpicturebox.moc"
