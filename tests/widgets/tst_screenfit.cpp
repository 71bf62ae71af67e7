// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A window larger than the screen is shown scaled down through a view and
// still works: clicks land where they are drawn, keys reach it, closing and
// modality behave as for the window itself.
#include "support/testmain.h"
#include "widgets/screenfit.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

// a fixed-pixel window like the program's, with a button in its bottom-right
// corner; larger than the 800 x 600 offscreen screen, but not beyond what
// scaling down may do
class BigDialog : public QDialog {
public:
    explicit BigDialog(QWidget *parent = nullptr, QSize size = QSize(900, 640)) : QDialog(parent)
    {
        setFixedSize(size);
        setWindowTitle(QStringLiteral("big"));
        edit = new QLineEdit(this);
        edit->setGeometry(20, 20, 200, 30);
        button = new QPushButton(QStringLiteral("ok"), this);
        button->setGeometry(size.width() - 120, size.height() - 60, 100, 40);
        connect(button, &QPushButton::clicked, this, [this] { ++clicks; });
    }
    bool refuseClose = false;
    int clicks = 0;
    QLineEdit *edit;
    QPushButton *button;

protected:
    void closeEvent(QCloseEvent *e) override
    {
        if (refuseClose)
            e->ignore();
        else
            e->accept();
    }
};

} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

private slots:
    void init() { qApp->installEventFilter(&m_fit); }
    void cleanup() { qApp->removeEventFilter(&m_fit); }

    void scale_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<double>("scale");
        const QSize games(1016, 770);
        QTest::addRow("fits: left as it is") << QSize(1016, 700) << QSize(1920, 1050) << 1.0;
        QTest::addRow("exactly fits") << QSize(1014, 711) << QSize(1016, 736) << 1.0;
        QTest::addRow("1366x768 less a panel") << games << QSize(1366, 736) << 711.0 / 770;
        QTest::addRow("1280x720 less a panel") << games << QSize(1280, 688) << 663.0 / 770;
        QTest::addRow("narrow: the width decides") << games << QSize(960, 1000) << 958.0 / 1016;
        QTest::addRow("tiny: text kept at 12 px") << games << QSize(800, 600) << 12.0 / 14;
        QTest::addRow("no screen: left alone") << games << QSize() << 1.0;
    }
    void scale()
    {
        QFETCH(QSize, size);
        QFETCH(QSize, area);
        QFETCH(double, scale);
        QCOMPARE(FitScale(size, QMargins(1, 24, 1, 1), area), scale);
    }

    void smallWindowLeftAlone()
    {
        BigDialog d(nullptr, QSize(300, 200));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(!FitHostOf(&d));
        QVERIFY(!d.graphicsProxyWidget());
    }

    // the window is shown scaled and whole, and a click on its drawn button and
    // typed keys reach it
    void largeWindowShownScaledAndWorks()
    {
        BigDialog d;
        d.show();
        FitHost *host = FitHostOf(&d);
        QVERIFY(host);
        QVERIFY(QTest::qWaitForWindowExposed(host));
        const QSize area = host->screen()->availableGeometry().size();
        QVERIFY(host->Scale() < 1.0);
        QVERIFY(host->width() <= area.width() && host->height() <= area.height());
        QCOMPARE(host->size(), QSize(qCeil(900 * host->Scale() - 0.01), qCeil(640 * host->Scale() - 0.01)));
        QCOMPARE(host->windowTitle(), QStringLiteral("big"));
        QCOMPARE(ShownWindow(host), &d);
        QCOMPARE(ShownWindow(&d), &d);

        const QPoint drawn = (QPointF(d.button->geometry().center()) * host->Scale()).toPoint();
        QTest::mouseClick(host->viewport(), Qt::LeftButton, {}, drawn);
        QCOMPARE(d.clicks, 1);

        QVERIFY(QTest::qWaitForWindowActive(host));
        d.edit->setFocus();
        QTest::keyClicks(host->viewport(), QStringLiteral("cat"));
        QCOMPARE(d.edit->text(), QStringLiteral("cat"));

        d.setWindowTitle(QStringLiteral("renamed"));
        QCOMPARE(host->windowTitle(), QStringLiteral("renamed"));
    }

    // exec() stays modal through the view, Esc ends it and the view goes with it;
    // shown again later, the same view comes back
    void modalDialogEndsByEscape()
    {
        BigDialog d;
        QTimer::singleShot(0, this, [&d] {
            auto *host = FitHostOf(&d);
            QVERIFY(host);
            QCOMPARE(host->windowModality(), Qt::ApplicationModal);
            QCOMPARE(QApplication::activeModalWidget(), host);
            QCOMPARE(ShownWindow(QApplication::activeModalWidget()), &d);
            QVERIFY(QTest::qWaitForWindowActive(host));
            QTest::keyClick(host->viewport(), Qt::Key_Escape);
        });
        QCOMPARE(d.exec(), int(QDialog::Rejected));
        auto *host = FitHostOf(&d);
        QVERIFY(host);
        QVERIFY(!host->isVisible());

        d.show();
        QCOMPARE(FitHostOf(&d), host);
        QVERIFY(host->isVisible());
        QCOMPARE(host->windowModality(), Qt::NonModal);
        d.hide();
        QVERIFY(!host->isVisible());
    }

    // the view's close box asks the window, which may refuse
    void closeBoxAsksTheWindow()
    {
        BigDialog d;
        d.show();
        auto *host = FitHostOf(&d);
        QVERIFY(host);
        d.refuseClose = true;
        QVERIFY(!host->close());
        QVERIFY(host->isVisible() && d.isVisible());
        d.refuseClose = false;
        QVERIFY(host->close());
        QVERIFY(!host->isVisible() && !d.isVisible());

        d.show();
        d.close(); // closed by the program
        QVERIFY(!host->isVisible());
    }

    // a message box or smaller dialog opened from the scaled window is a real window of its own
    void windowsItOpensAreRealWindows()
    {
        BigDialog d;
        d.show();
        QVERIFY(FitHostOf(&d));
        QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("hello"), QMessageBox::Ok, &d);
        box.show();
        QVERIFY(!box.graphicsProxyWidget());
        QVERIFY(!FitHostOf(&box));
        QVERIFY(QTest::qWaitForWindowExposed(&box));

        // a large one opened from it gets a view of its own
        BigDialog inner(&d);
        inner.show();
        QVERIFY(FitHostOf(&inner));
        QVERIFY(FitHostOf(&inner) != FitHostOf(&d));
    }

    void viewGoesWithTheWindow()
    {
        QPointer<FitHost> host;
        {
            BigDialog d;
            d.show();
            host = FitHostOf(&d);
            QVERIFY(host);
        }
        QTRY_VERIFY(host.isNull());
    }

private:
    ScreenFit m_fit;
};

TALLIVO_TEST(ScreenFitTest)
#include "tst_screenfit.moc"
