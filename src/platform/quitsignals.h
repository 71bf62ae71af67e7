// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP delivered on the UI thread as a Qt signal. The
// handler itself only writes the signal number into a pipe; a socket
// notifier reads it in whatever event loop runs, nested ones included.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers once per process and returns the one instance;
    // null when the pipe cannot be made (the default actions then stay).
    static QuitSignals *Install();
    // Default actions back, pipe closed (tests).
    static void Uninstall();
    // A signal has arrived that nobody has taken yet. Waits that handle no
    // events (a blocking sound) poll this to end early.
    static bool Pending();

signals:
    void Received(int signalNumber);

private:
    QuitSignals();
    ~QuitSignals() override;
    void Drain();

    QSocketNotifier *m_notifier = nullptr;
};
