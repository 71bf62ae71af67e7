// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "speechrecognizer.h"
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <functional>
#include <memory>

// The program's one recogniser, on a thread of its own so the window keeps
// answering while a recording is checked. The model is loaded there on the
// first check, not at start-up.
class SpeechService : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const SayResult &)>;

    SpeechService();
    ~SpeechService() override;

    // Whether checks can run at all (the model package is installed).
    static bool Available();

    // Checks on the worker thread; done runs on this (the UI) thread,
    // unless context is gone by then.
    void Check(const Pcm16 &pcm, const SayWord &target, const QList<SayWord> &others, QObject *context,
               Done done);

signals:
    void Checked(int id, const SayResult &result);

private slots:
    void Deliver(int id, const SayResult &result);

private:
    struct Waiting {
        QPointer<QObject> context;
        Done done;
    };
    QThread m_thread;
    QObject *m_worker = nullptr;             // lives on m_thread
    std::unique_ptr<SpeechRecognizer> m_rec; // used on m_thread only
    QHash<int, Waiting> m_waiting;
    int m_nextId = 0;
};

SpeechService *GetSpeechService();
// Waits for a check under way; at shutdown.
void ReleaseSpeechService();
