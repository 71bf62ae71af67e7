// How far the program shrinks on a small screen, and where a window goes.
#include "support/testmain.h"
#include "app/screenfit.h"

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void fitScale_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("scale");
        QTest::addRow("1920x1080 less a panel") << QSize(1920, 1048) << 1.0;
        QTest::addRow("exactly the design and frame") << QSize(1032, 806) << 1.0;
        QTest::addRow("1366x768 less a 32 px panel") << QSize(1366, 736) << 736.0 / 806.0;
        QTest::addRow("1366x768, no panel") << QSize(1366, 768) << 768.0 / 806.0;
        QTest::addRow("1280x720 less a panel: text stays 12 px") << QSize(1280, 688) << 12.0 / 14.0;
        QTest::addRow("narrow and tall") << QSize(800, 1200) << 12.0 / 14.0;
        QTest::addRow("950 wide") << QSize(950, 1200) << 950.0 / 1032.0;
        QTest::addRow("no screen known") << QSize(0, 0) << 1.0;
        QTest::addRow("HiDPI 2560x1440 at ratio 2, in logical pixels") << QSize(1280, 704) << 704.0 / 806.0;
    }
    void fitScale()
    {
        QFETCH(QSize, available);
        QFETCH(double, scale);
        const double got = FitScale(available);
        QVERIFY2(qAbs(got - scale) < 1e-9, qPrintable(QString::number(got)));
        // whatever the screen, the smallest text stays readable
        QVERIFY(14.0 * got >= 12.0 - 1e-9);
    }

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

TALLIVO_TEST(ScreenFitTest)
#include "tst_screenfit.moc"
