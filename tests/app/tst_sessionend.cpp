// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ending without the quit question: a termination signal from any window
// saves the profile as the quit question's Yes does, then ends; the lock
// keeps one running copy per user folder.
#include "appenv.h"
#include "support/testmain.h"
#include "app/formlogin.h"
#include "widgets/clicklabel.h"
#include "app/formmain.h"
#include "app/instancelock.h"
#include "app/appnavigator.h"
#include "app/sessionend.h"
#include "app/startup.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "platform/quitsignals.h"
#include "wordbank/classuser.h"
#include <QDialog>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <csignal>

namespace {

const QString kStatus0 = QStringLiteral("usrdat/ustatus-0.dat");

ModalDriver::Step Login(int slot)
{
    return [slot](QWidget *w) {
        auto *login = qobject_cast<FormLogin *>(w);
        QVERIFY(login);
        QTest::mouseClick(login->btnUserName[size_t(slot)], Qt::LeftButton);
    };
}

// Voices and feedback sounds, so the windows play as they would.
bool WriteSounds(const AppEnv &env)
{
    for (const QString &line : wbfix::Install().dict) {
        const QString key = NormalizeWordKey(line.section(QLatin1Char('\t'), 1, 1));
        if (!env.dir.writeEnvelopedBytes(QStringLiteral("voice/") + key + QStringLiteral(".enw"), MakeSineWav(40)))
            return false;
    }
    for (const char *name : {"ting1", "ting6", "tada", "failed"})
        if (!env.dir.writeBytes(QStringLiteral("appvoice/%1.wav").arg(QLatin1String(name)), MakeSineWav(30)))
            return false;
    return true;
}

QStringList StatusLines(const AppEnv &env)
{
    QStringList lines;
    ReadEncodedFileLines(env.dir.file(kStatus0), lines);
    return lines;
}

// Slot 0 of a profile with a course, signed in: the menu is up.
bool SignIn(AppEnv &env, FormMain &w, ModalDriver &driver)
{
    if (!env.Install() || !env.WriteStatus(0, {1, 1, 1, 1, 10, 0, 2, 1}) || !WriteSounds(env))
        return false;
    driver.Then(Login(0));
    w.show();
    return w.isVisible() && gUser;
}

// The process as a test can watch it end: signals installed, the end recorded.
struct Ending {
    QList<int> ends;
    Ending()
    {
        sessionend::Install([this](int sig) { ends << sig; });
    }
    ~Ending() { sessionend::Uninstall(); }
};

// The id of a process that has ended: what a killed run's lock file names.
qint64 DeadPid()
{
    QProcess p;
    p.start(QStringLiteral("true"));
    p.waitForFinished();
    return p.processId() ? p.processId() : 999999;
}

} // namespace

class SessionEndTest : public QObject {
    Q_OBJECT

private slots:
    void signalSavesAndEnds_data()
    {
        QTest::addColumn<int>("sig");
        QTest::addColumn<QString>("where");
        QTest::addRow("menu, SIGHUP") << int(SIGHUP) << "menu";
        QTest::addRow("course window, SIGINT") << int(SIGINT) << "course";
        QTest::addRow("game, SIGTERM") << int(SIGTERM) << "game";
        QTest::addRow("blocking sound in a game, SIGTERM") << int(SIGTERM) << "sound";
        QTest::addRow("learning, SIGTERM") << int(SIGTERM) << "learn";
    }
    void signalSavesAndEnds()
    {
        QFETCH(int, sig);
        QFETCH(QString, where);
        AppEnv env;
        // the real windows behind the menu, in place of the environment's fake
        AppNavigator windows;
        Navigator *fake = SetNavigator(&windows);
        const auto restore = qScopeGuard([fake] { SetNavigator(fake); });
        Ending ending;
        ModalDriver driver;
        FormMain w;
        QVERIFY(SignIn(env, w, driver));
        gUser->myScore = 4321; // what the child did since the start

        bool raised = false;
        auto raiseOnce = [&] {
            if (!raised) {
                raised = true;
                QCOMPARE(std::raise(sig), 0);
            }
        };
        // inside the window: the signal, the end, then the test closes it
        auto inWindow = [&](QWidget *win) {
            if (where != QLatin1String("sound"))
                raiseOnce();
            else if (!raised) // the window's own sounds wait for a click: one as it would play
                plat().PlayWav(MakeSineWav(500), true);
            QTRY_COMPARE(ending.ends, QList<int>{sig});
            QVERIFY2(env.fake->msgBoxes.isEmpty(), qPrintable(env.MsgTexts().join(QLatin1Char('|'))));
            QCOMPARE(StatusLines(env).value(4), QStringLiteral("4321"));
            QMetaObject::invokeMethod(win, "reject", Qt::QueuedConnection);
        };
        if (where == QLatin1String("sound"))
            env.fake->onPlay = [&](const PlayCall &c) {
                if (c.wait)
                    raiseOnce();
            };
        env.fake->yesNoDefault = MsgResult::Yes;
        if (where == QLatin1String("menu")) {
            raiseOnce();
        } else {
            driver.Then(inWindow);
            const int entry = where == QLatin1String("course")  ? FormMain::SelUnit
                              : where == QLatin1String("learn") ? FormMain::LearnWord
                                                                : FormMain::Games;
            w.ClickEntry(entry);
        }
        QTRY_COMPARE(ending.ends, QList<int>{sig});
        QVERIFY(raised);
        QCOMPARE(StatusLines(env).value(4), QStringLiteral("4321"));
        if (where == QLatin1String("menu"))
            QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    // A second signal while the save runs neither cuts it short nor ends twice.
    void secondSignalDuringTheSave()
    {
        AppEnv env;
        Ending ending;
        ModalDriver driver;
        FormMain w;
        QVERIFY(SignIn(env, w, driver));
        gUser->myScore = 77;
        int writes = 0;
        env.fake->onFileWrite = [&](const QString &) {
            ++writes;
            std::raise(SIGTERM);
        };
        std::raise(SIGTERM);
        QTRY_COMPARE(ending.ends, QList<int>{SIGTERM});
        QTest::qWait(50); // the second signal is read too
        QCOMPARE(ending.ends, QList<int>{SIGTERM});
        QCOMPARE(writes, 1);
        QCOMPARE(StatusLines(env).value(4), QStringLiteral("77"));
    }

    // A save that fails while ending by signal goes to standard error: there
    // may be no one to click a box away.
    void failedSaveWhileEndingAsksNothing()
    {
        AppEnv env;
        Ending ending;
        ModalDriver driver;
        FormMain w;
        QVERIFY(SignIn(env, w, driver));
        const QByteArray before = env.Bytes(kStatus0);
        gUser->myScore = 5;
        env.fake->diskFreeBytes = 4;
        std::raise(SIGTERM);
        QTRY_COMPARE(ending.ends, QList<int>{SIGTERM});
        QVERIFY(env.fake->msgBoxes.isEmpty());
        QCOMPARE(env.Bytes(kStatus0), before);
    }

    void oneCopyPerUserFolder_data()
    {
        QTest::addColumn<QString>("holder"); // who holds the folder's lock at start
        QTest::addColumn<bool>("starts");
        QTest::addRow("nobody") << "none" << true;
        QTest::addRow("a running copy") << "live" << false;
        QTest::addRow("a killed run") << "dead" << true;
        QTest::addRow("a copy on another folder") << "other" << true;
    }
    void oneCopyPerUserFolder()
    {
        QFETCH(QString, holder);
        QFETCH(bool, starts);
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.WriteStatus(0, {1, 1, 1, 1, 10, 0, 2, 1}));
        QTemporaryDir otherDir;
        const QString lockPath = env.dir.file(QStringLiteral("usrdat/tallivo.lock"));
        QLockFile live(holder == QLatin1String("other") ? otherDir.filePath(QStringLiteral("tallivo.lock")) : lockPath);
        if (holder == QLatin1String("live") || holder == QLatin1String("other")) {
            QVERIFY(live.tryLock(0));
        } else if (holder == QLatin1String("dead")) {
            QVERIFY(env.dir.writeText(QStringLiteral("usrdat/tallivo.lock"),
                                      QStringLiteral("%1\ntallivo\n%2\n").arg(DeadPid()).arg(QSysInfo::machineHostName())));
        }
        ModalDriver driver;
        driver.Then(Login(0));
        const QByteArray before = env.Bytes(kStatus0);
        const StartupResult result = RunStartup();
        if (starts) {
            QCOMPARE(result, StartupResult::Ready);
            QCOMPARE(driver.seen, QStringList{"FormLogin"});
            QVERIFY(env.fake->msgBoxes.isEmpty());
            QLockFile second(lockPath);
            QVERIFY(!second.tryLock(0)); // held by this run now
            ReleaseInstanceLock();
            QVERIFY(second.tryLock(0));
        } else {
            QCOMPARE(result, StartupResult::Exit);
            QVERIFY(driver.seen.isEmpty()); // not even the login window
            QCOMPARE(env.MsgTexts(), QStringList{QString::fromUtf8(kMsgAlreadyRunning)});
            QVERIFY(!gUser && !gDictionary);
            QCOMPARE(env.Bytes(kStatus0), before);
        }
        ReleaseInstanceLock();
    }
};

TALLIVO_TEST(SessionEndTest)
#include "tst_sessionend.moc"
