// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"
#include "support/modaldriver.h"
#include "support/testmain.h"
#include "widgets/look.h"
#include <QMessageBox>

namespace {
struct Notice {
    QString sheet;
    QImage badge;
};

// A warning from the platform's own message box, as the child sees it.
Notice ShowWarning()
{
    QtPlatform real;
    Notice seen;
    ModalDriver driver;
    driver.Then([&](QWidget *w) {
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            seen.sheet = box->styleSheet().toLower();
            seen.badge = box->iconPixmap().toImage();
        }
        w->close();
    });
    real.MsgBox(QStringLiteral("好的"), MsgButtons::OK, MsgIcon::Warning, QStringLiteral("Tallivo"));
    return seen;
}
} // namespace

// The platform's dialogs sit below the widgets and cannot take their colours
// from the look; they must still wear the same ones.
class LookTest : public QObject {
    Q_OBJECT
private slots:
    void dialogsWearTheLook_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addRow("sky-blue window") << Look::kSky;
        QTest::addRow("dark text") << Look::kText;
        QTest::addRow("orange default button") << Look::kOrange;
    }
    void dialogsWearTheLook()
    {
        QFETCH(QColor, colour);
        const Notice seen = ShowWarning();
        QVERIFY2(seen.sheet.contains(colour.name()), qPrintable(seen.sheet));
    }

    // A warning is the main-action orange, never the red of a wrong answer.
    void warningBadgeIsTheActionOrange()
    {
        const Notice seen = ShowWarning();
        QVERIFY(!seen.badge.isNull());
        const QColor ring = seen.badge.pixelColor(seen.badge.width() / 2, seen.badge.height() / 10 + 2);
        QCOMPARE(ring, Look::kOrange);
    }
};
TALLIVO_TEST(LookTest)
#include "tst_look.moc"
