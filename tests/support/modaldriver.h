// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Answers modal windows as they open, one step per window, in order, and
// lists every window seen by class name. A window nobody expected is closed;
// a window its step left open is closed after a while and listed as
// "stuck <class>": either way the test fails instead of hanging.
#include <QApplication>
#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

class ModalDriver {
public:
    using Step = std::function<void(QWidget *)>;

    ModalDriver()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    void Then(Step step) { m_steps.push_back(std::move(step)); }
    QStringList seen;
    bool StepsLeft() const { return !m_steps.empty(); }

private:
    static constexpr qint64 kStuckAfterMs = 3000;

    void Poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        if (w->property("tst_answered").toBool()) {
            if (m_answered == w && m_answeredAt.isValid() && m_answeredAt.elapsed() > kStuckAfterMs) {
                seen << QStringLiteral("stuck ") + QString::fromLatin1(w->metaObject()->className());
                m_answered = nullptr;
                QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
            }
            return;
        }
        m_answered = w;
        m_answeredAt.start();
        w->setProperty("tst_answered", true);
        seen << QString::fromLatin1(w->metaObject()->className());
        if (m_steps.empty()) {
            QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
            return;
        }
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        // run outside this poll so a step may open the next modal window
        QPointer<QWidget> guard(w);
        QTimer::singleShot(0, w, [step = std::move(step), guard] {
            if (guard)
                step(guard);
        });
    }

    QTimer m_timer;
    std::deque<Step> m_steps;
    QPointer<QWidget> m_answered;
    QElapsedTimer m_answeredAt;
};
