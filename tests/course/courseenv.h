#pragma once
// One course test's world: the word-bank test world (fake platform, fresh
// application folder, new profile) plus a documents folder of its own, and a
// helper that answers the modal windows the code under test opens.
#include "course/filedialogs.h"
#include "wordbank/wbenv.h"
#include <QApplication>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace coursefix {

// A user word-book file with the given books; each book one unit of words.
inline QString UserBooks(const QList<QPair<QString, QStringList>> &books)
{
    QString text = QStringLiteral("@我的词库\r\n@2024/5/1\r\n");
    for (const auto &b : books) {
        text += QStringLiteral("\r\n%") + b.first + QStringLiteral("\r\n\r\n#Unit 1\r\n");
        for (const QString &w : b.second)
            text += w + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    return text + QStringLiteral("\r\n");
}

// The standard word bank plus a third book of twelve one-word units in series 1.
inline QStringList BankWithBigBook()
{
    QStringList body = wbfix::WordBankBody();
    const QStringList words{QStringLiteral("apple"), QStringLiteral("banana"), QStringLiteral("cat"),
                            QStringLiteral("dog"),   QStringLiteral("egg"),    QStringLiteral("red"),
                            QStringLiteral("blue"),  QStringLiteral("green"),  QStringLiteral("pen"),
                            QStringLiteral("book"),  QStringLiteral("ruler"),  QStringLiteral("bag")};
    QStringList big{QStringLiteral("%Big Book")};
    for (int i = 0; i < words.size(); ++i)
        big << QStringLiteral("#Lesson %1").arg(i + 1) << words.at(i);
    // before the second series' line
    body = body.mid(0, body.indexOf(QStringLiteral("@") + wbfix::kSeries2)) + big
           + body.mid(body.indexOf(QStringLiteral("@") + wbfix::kSeries2));
    return body;
}

} // namespace coursefix

struct CourseEnv : WordBankEnv {
    QTemporaryDir docsRoot;
    QString docs = docsRoot.path() + QStringLiteral("/Documents");

    CourseEnv() { SetDocumentsFolder(docs); }
    ~CourseEnv() { SetDocumentsFolder(QString()); }

    // Loads with the given user books (none: no user word-book file).
    bool LoadWith(const QList<QPair<QString, QStringList>> &userBooks, wbfix::Install what = wbfix::Install())
    {
        if (!userBooks.isEmpty() && !dir.writeText(QStringLiteral("usrdat/uDRW90.UCK"), coursefix::UserBooks(userBooks)))
            return false;
        what.userBook = false;
        return Load(what);
    }

    // The profile's last course, as a status file would have restored it.
    static void SetLast(int series, int book, int first, int last)
    {
        gUser->nLastSeries = series;
        gUser->nLastBook = book;
        gUser->nLastStartUnit = first;
        gUser->nLastEndUnit = last;
    }

    QStringList MsgTexts() const
    {
        QStringList out;
        for (const MsgBoxCall &c : fake.fake.msgBoxes)
            out << c.text;
        return out;
    }
    int CountMsg(const QString &text) const { return int(MsgTexts().count(text)); }
};

// Runs steps on the modal windows as they open, in order; a window nobody
// expected is closed so a test cannot hang.
class ModalSteps {
public:
    using Step = std::function<void(QWidget *)>;
    ModalSteps()
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
        if (!w || !w->isVisible() || w->property("tst_answered").toBool())
            return;
        w->setProperty("tst_answered", true);
        seen << QString::fromLatin1(w->metaObject()->className());
        if (m_steps.empty()) {
            QMetaObject::invokeMethod(w, "reject", Qt::QueuedConnection);
            return;
        }
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        QPointer<QWidget> guard(w);
        QTimer::singleShot(0, w, [step = std::move(step), guard] {
            if (guard)
                step(guard);
        });
    }
    QTimer m_timer;
    std::deque<Step> m_steps;
};
