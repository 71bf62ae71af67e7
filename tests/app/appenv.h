#pragma once
// One test's world for the start-up and the main window: a fake platform, a
// fresh application folder that TALLIVO_HOME points at, no shared objects,
// no menu actions; and a driver that answers the modal windows the code
// under test opens.
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "wordbank/wbfixture.h"
#include "app/menuactions.h"
#include "app/helpers/apppaths.h"
#include "wordbank/globals.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

struct AppEnv {
    ScopedFakePlatform fake;
    TempAppDir dir;
    QByteArray savedHome = qgetenv("TALLIVO_HOME");

    AppEnv()
    {
        ReleaseSharedObjects();
        menuactions::Clear();
        qputenv("TALLIVO_HOME", dir.path().toUtf8());
    }
    ~AppEnv()
    {
        ReleaseSharedObjects();
        menuactions::Clear();
        if (savedHome.isEmpty())
            qunsetenv("TALLIVO_HOME");
        else
            qputenv("TALLIVO_HOME", savedHome);
    }

    bool Install(const wbfix::Install &what = wbfix::Install()) const { return wbfix::Write(dir, what); }

    // A status file as the program writes it: the eight numbers, then empty
    // word and unit status lines.
    bool WriteStatus(int slot, const QList<int> &numbers) const
    {
        QString text;
        for (int n : numbers)
            text += QString::number(n) + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n\r\n");
        return dir.writeEnvelopedText(QStringLiteral("usrdat/ustatus-%1.dat").arg(slot), text);
    }

    QByteArray Bytes(const QString &relative) const
    {
        QFile f(dir.file(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool Exists(const QString &relative) const { return QFile::exists(dir.file(relative)); }

    QStringList MsgTexts() const
    {
        QStringList out;
        for (const MsgBoxCall &c : fake.fake.msgBoxes)
            out << c.text;
        return out;
    }
};

// Answers modal windows as they open, one step per window, in order. Every
// window seen is listed by class name.
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
    void Poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || !w->isVisible())
            return;
        if (w->property("tst_answered").toBool()) {
            // a window its step did not close: fail instead of hanging
            if (m_answeredAt.isValid() && m_answered == w && m_answeredAt.elapsed() > 3000) {
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
            // nobody expected this window: close it so the test cannot hang
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
