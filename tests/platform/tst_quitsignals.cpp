// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Termination signals reach the event loop, also one nested in a dialog.
#include "platform/quitsignals.h"
#include "support/testmain.h"
#include <QDialog>
#include <QTimer>
#include <csignal>

class QuitSignalsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QuitSignals::Uninstall(); }

    void arrivesOnTheEventLoop_data()
    {
        QTest::addColumn<int>("sig");
        QTest::addColumn<bool>("nested"); // while a modal dialog runs its own loop
        QTest::addRow("SIGTERM") << int(SIGTERM) << false;
        QTest::addRow("SIGINT") << int(SIGINT) << false;
        QTest::addRow("SIGHUP") << int(SIGHUP) << false;
        QTest::addRow("SIGTERM in a dialog") << int(SIGTERM) << true;
    }
    void arrivesOnTheEventLoop()
    {
        QFETCH(int, sig);
        QFETCH(bool, nested);
        QuitSignals *quit = QuitSignals::Install();
        QVERIFY(quit);
        QCOMPARE(QuitSignals::Install(), quit);
        QList<int> received;
        connect(quit, &QuitSignals::Received, this, [&](int s) { received << s; });
        QVERIFY(!QuitSignals::Pending());
        QCOMPARE(std::raise(sig), 0); // the process is still here: the handler only wrote
        QVERIFY(QuitSignals::Pending());
        if (nested) {
            QDialog dlg;
            connect(quit, &QuitSignals::Received, &dlg, &QDialog::reject);
            QTimer::singleShot(3000, &dlg, &QDialog::accept); // never hang
            QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        }
        QTRY_COMPARE(received, QList<int>{sig});
        QVERIFY(!QuitSignals::Pending());
    }

    // Back to the default action, so a later signal ends a test run as usual.
    void uninstallRestoresTheDefault()
    {
        QVERIFY(QuitSignals::Install());
        QuitSignals::Uninstall();
        struct sigaction sa = {};
        QCOMPARE(::sigaction(SIGTERM, nullptr, &sa), 0);
        QVERIFY(sa.sa_handler == SIG_DFL);
        QVERIFY(!QuitSignals::Pending());
    }
};

TALLIVO_TEST(QuitSignalsTest)
#include "tst_quitsignals.moc"
