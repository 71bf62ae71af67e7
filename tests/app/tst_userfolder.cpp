// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up with the data set in one folder and the account's files in
// another, as an installed program runs.
#include "appenv.h"
#include "support/testmain.h"
#include "app/formlogin.h"
#include "app/startup.h"
#include "course/formselunit.h"
#include "widgets/clicklabel.h"
#include "helpers/envelope.h"
#include "wordbank/classuser.h"
#include <QDirIterator>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

// Every file below dir with its bytes, relative and sorted.
QStringList Contents(const QString &dir)
{
    QStringList out;
    const QDir root(dir);
    QDirIterator it(dir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        const QByteArray bytes = it.fileInfo().isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        out << root.relativeFilePath(path) + QLatin1Char(' ') + QString::fromLatin1(bytes.toHex());
    }
    out.sort();
    return out;
}

// Logs in to the slot, confirms the series in the course window, quits.
void RunOnce(int slot, int series, const QString &user)
{
    ModalDriver driver;
    driver.Then([slot](QWidget *w) {
        auto *login = qobject_cast<FormLogin *>(w);
        QVERIFY(login);
        QTest::mouseClick(login->btnUserName[size_t(slot)], Qt::LeftButton);
    });
    driver.Then([series](QWidget *w) {
        auto *form = qobject_cast<FormSelUnit *>(w);
        QVERIFY(form);
        form->lstSeries->setCurrentRow(series);
        form->cmdOK->click();
    });
    QCOMPARE(RunStartup(), StartupResult::Ready);
    QCOMPARE(driver.seen, QStringList({"FormLogin", "FormSelUnit"}));
    QCOMPARE(gUserDir, user);
    ShutdownData();
}

QStringList StatusLines(const QString &user, int slot)
{
    QStringList lines;
    ReadEncodedFileLines(user + QStringLiteral("/usrdat/ustatus-%1.dat").arg(slot), lines);
    return lines;
}

} // namespace

class UserFolderTest : public QObject {
    Q_OBJECT

private slots:
    // Two accounts on one machine share the data set and keep three
    // profiles each; the data folder is only read.
    void twoAccountsKeepTheirOwnProfiles()
    {
        AppEnv env;
        QVERIFY(env.Install());
        const QStringList data = Contents(env.dir.path());
        QTemporaryDir homes;
        const QString ann = homes.path() + QStringLiteral("/ann/.local/share/tallivo");
        const QString bob = homes.path() + QStringLiteral("/bob/.local/share/tallivo");

        InitAppPathsFor(env.dir.path(), ann);
        RunOnce(0, 2, ann);
        QCOMPARE(StatusLines(ann, 0).value(0), QStringLiteral("2"));
        QVERIFY(QFileInfo::exists(ann + QStringLiteral("/usrdat/uname.dat")));
        const QStringList annFiles = Contents(ann);

        // slot 0 is a new profile for the second account: asked for a course again
        InitAppPathsFor(env.dir.path(), bob);
        RunOnce(0, 1, bob);
        QCOMPARE(StatusLines(bob, 0).value(0), QStringLiteral("1"));
        QCOMPARE(env.MsgTexts().count(QString::fromUtf8(kMsgChooseCourse)), 2);
        QCOMPARE(env.MsgTexts().filter(QString::fromUtf8(kMsgUserDirUnusable)), QStringList());

        QCOMPARE(Contents(ann), annFiles);
        QCOMPARE(Contents(env.dir.path()), data);
        for (const QString &user : {ann, bob})
            QCOMPARE(QDir(user).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({"myvoice", "tmp", "usrdat"}));
    }

    // A user folder that cannot be made: one message naming it, then the
    // run goes on as usual and writes nothing anywhere.
    void unusableUserFolder()
    {
        AppEnv env;
        QVERIFY(env.Install());
        QTemporaryDir home;
        const QString blocked = home.path() + QStringLiteral("/tallivo");
        QVERIFY(WriteFileBytes(blocked, QByteArrayLiteral("not a folder")));
        const QStringList data = Contents(env.dir.path());
        const QStringList before = Contents(home.path());

        InitAppPathsFor(env.dir.path(), blocked);
        RunOnce(1, 2, blocked);

        const QString message = QString::fromUtf8(kMsgUserDirUnusable) + blocked;
        QCOMPARE(env.MsgTexts().count(message), 1);
        const MsgBoxCall &first = env.fake->msgBoxes.first();
        QCOMPARE(first.text, message);
        QCOMPARE(first.caption, QStringLiteral("Tallivo"));
        QCOMPARE(first.icon, MsgIcon::Warning);
        QCOMPARE(Contents(home.path()), before);
        QCOMPARE(Contents(env.dir.path()), data);
        // a rename in the login window cannot be kept either, and says so
        QVERIFY(!SaveUserNames({"Ann", "Bob", "Cy"}));
    }
};
TALLIVO_TEST(UserFolderTest)
#include "tst_userfolder.moc"
