// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appenv.h"
#include "support/testmain.h"
#include "widgets/clicklabel.h"
#include "app/formfontinstall.h"
#include "app/formlogin.h"
#include "widgets/phoneticfont.h"
#include "app/startup.h"
#include "helpers/envelope.h"
#include "course/formselunit.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "helpers/envelope.h"
#include "helpers/userfiles.h"
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kMsg004 = QStringLiteral("错误004:当前教程加载失败！");

ModalDriver::Step Login(int slot)
{
    return [slot](QWidget *w) {
        auto *login = qobject_cast<FormLogin *>(w);
        QVERIFY(login);
        QTest::mouseClick(login->btnUserName[size_t(slot)], Qt::LeftButton);
    };
}

ModalDriver::Step CancelCourse()
{
    return [](QWidget *w) {
        auto *form = qobject_cast<FormSelUnit *>(w);
        QVERIFY(form);
        form->cmdCancel->click();
    };
}

// Shows series `series` (its first book, unit 1) and confirms it.
ModalDriver::Step ConfirmSeries(int series)
{
    return [series](QWidget *w) {
        auto *form = qobject_cast<FormSelUnit *>(w);
        QVERIFY(form);
        form->lstSeries->setCurrentRow(series);
        form->cmdOK->click();
    };
}

// The current course as "series/book/first-last", checked against the shared objects.
QString Selection()
{
    if (!gUser)
        return QStringLiteral("no profile");
    if (!gCurrSeries || !gCurrBook || !gCurrUnit)
        return QStringLiteral("none");
    if (gCurrSeries->SeriesID != gUser->nLastSeries || gCurrBook->BookID != gUser->nLastBook)
        return QStringLiteral("inconsistent");
    return QStringLiteral("%1/%2/%3-%4")
        .arg(gUser->nLastSeries)
        .arg(gUser->nLastBook)
        .arg(gUser->nLastStartUnit)
        .arg(gUser->nLastEndUnit);
}

int Count(const QStringList &list, const QString &text)
{
    return int(list.count(text));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    // A profile without a status file is asked for a course once, and the
    // course window comes back until a course has really become current.
    void newProfile_data()
    {
        // clang-format off
        QTest::addColumn<bool>("emptyFirstSeries");
        QTest::addColumn<QString>("answers"); // per course window: c cancel, 2 confirm series 2
        QTest::addColumn<QString>("selection");
        QTest::addRow("confirmed course") << false << "2" << "2/1/1-1";
        QTest::addRow("cancel asks again") << false << "c,1" << "1/1/1-1";
        QTest::addRow("asked again until confirmed") << false << "c,c,2" << "2/1/1-1";
        QTest::addRow("first series empty, asked again") << true << "c,c,2" << "2/1/1-1";
        // clang-format on
    }
    void newProfile()
    {
        QFETCH(bool, emptyFirstSeries);
        QFETCH(QString, answers);
        QFETCH(QString, selection);
        AppEnv env;
        wbfix::Install install;
        if (emptyFirstSeries) { // nothing in series 1 to fall back to
            const QStringList body = wbfix::WordBankBody();
            install.bank = QStringList{"@Empty Series", "!nothing yet"}
                           + body.mid(body.indexOf(QStringLiteral("@") + wbfix::kSeries2));
        }
        QVERIFY(env.Install(install));
        env.fake->okCancelDefault = MsgResult::Cancel; // no custom word bank now
        ModalDriver driver;
        driver.Then(Login(1));
        QStringList expectSeen{"FormLogin"};
        for (const QString &a : answers.split(QLatin1Char(','))) {
            driver.Then(a == QLatin1String("c") ? CancelCourse() : ConfirmSeries(a.toInt()));
            expectSeen << QStringLiteral("FormSelUnit");
        }

        QCOMPARE(RunStartup(), StartupResult::Ready);
        QCOMPARE(driver.seen, expectSeen);
        const QStringList texts = env.MsgTexts();
        QCOMPARE(Count(texts, QString::fromUtf8(kMsgChooseCourse)), 1);
        QCOMPARE(env.fake->msgBoxes.first().caption, QString::fromUtf8(kCaptionChooseCourse));
        QCOMPARE(env.fake->msgBoxes.first().icon, MsgIcon::Information);
        QCOMPARE(Count(texts, kMsg004), 0);
        QCOMPARE(gUser->userID, 1);
        QCOMPARE(Selection(), selection);
        // the chosen course is kept at once, not only at the end
        QStringList saved;
        QVERIFY(ReadEncodedFileLines(env.dir.file(QStringLiteral("usrdat/ustatus-1.dat")), saved));
        QCOMPARE(saved.size() >= 4 ? QStringLiteral("%1/%2/%3-%4").arg(saved[0], saved[1], saved[2], saved[3]) : QString(),
                 selection);
    }

    // A known profile goes straight to its last course; what no longer
    // exists falls back to series 1, book 1, unit 1 (a missing series with
    // message 004, a missing book or units silently).
    void restore_data()
    {
        QTest::addColumn<QList<int>>("status");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<int>("messages004");
        QTest::addRow("range restored") << QList<int>{1, 1, 2, 3, 40, 0, 3, 2} << "1/1/2-3" << 0;
        QTest::addRow("other series") << QList<int>{2, 1, 1, 1} << "2/1/1-1" << 0;
        QTest::addRow("series gone") << QList<int>{7, 2, 1, 1, 40} << "1/1/1-1" << 1;
        QTest::addRow("book gone") << QList<int>{1, 9, 1, 1} << "1/1/1-1" << 0;
        QTest::addRow("units gone") << QList<int>{1, 2, 3, 9} << "1/1/1-1" << 0;
    }
    void restore()
    {
        QFETCH(QList<int>, status);
        QFETCH(QString, selection);
        QFETCH(int, messages004);
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.WriteStatus(2, status));
        ModalDriver driver;
        driver.Then(Login(2));
        QCOMPARE(RunStartup(), StartupResult::Ready);
        QCOMPARE(driver.seen, QStringList{"FormLogin"});
        QCOMPARE(env.fake->msgBoxes.size(), messages004);
        if (messages004) {
            QCOMPARE(env.fake->msgBoxes.first().text, kMsg004);
            QCOMPARE(env.fake->msgBoxes.first().caption, QString::fromUtf8(kCaptionFatal));
        }
        QCOMPARE(Selection(), selection);
        QCOMPARE(gUser->myScore, status.value(4, 0));
        QCOMPARE(gUser->nNewWordBookID, status.value(7, 1));
    }

    // A status file that exists but cannot be read is left alone for the
    // whole run, and the learner is told that this run will not be kept.
    void unreadableStatusFile()
    {
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(QDir().mkpath(env.dir.file(QStringLiteral("usrdat/ustatus-0.dat"))));
        env.fake->okCancelDefault = MsgResult::Cancel;
        ModalDriver driver;
        driver.Then(Login(0));
        driver.Then(ConfirmSeries(1));
        QCOMPARE(RunStartup(), StartupResult::Ready);
        // a folder is not a file: named in the one message about the user files
        // clang-format off
        const QStringList texts = env.MsgTexts();
        QCOMPARE(texts.filter(QString::fromUtf8(kMsgRefusedFiles)).size(), 1);
        // clang-format on
        QVERIFY(texts.filter(QString::fromUtf8(kMsgRefusedFiles)).first().contains(QDir::toNativeSeparators(env.dir.file(QStringLiteral("usrdat/ustatus-0.dat")))));
        QCOMPARE(env.fake->msgBoxes.first().icon, MsgIcon::Warning);
        QVERIFY(!gUser->SaveUserFeature());
        ShutdownData();
        QVERIFY(QFileInfo(env.dir.file(QStringLiteral("usrdat/ustatus-0.dat"))).isDir());
    }

    // A damaged profile: the parent is told once which file and where its
    // copy is; the quit writes what was read, and the next start is quiet.
    void damagedProfileToldOnce()
    {
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.WriteStatus(0, {1, 1, 2, 3, 40, 0, 3, 2}));
        QByteArray clear = EnvelopeBytes(env.Bytes(QStringLiteral("usrdat/ustatus-0.dat")));
        clear.insert(3, '\0'); // a NUL byte
        clear.chop(1);         // and the last line end cut
        const QByteArray stored = EnvelopeBytes(clear);
        QVERIFY(env.dir.writeBytes(QStringLiteral("usrdat/ustatus-0.dat"), stored));
        for (int run = 0; run < 2; ++run) {
            env.fake->msgBoxes.clear();
            ModalDriver driver;
            driver.Then(Login(0));
            QCOMPARE(RunStartup(), StartupResult::Ready);
            QCOMPARE(Selection(), QStringLiteral("1/1/2-3"));
            QCOMPARE(gUser->myScore, 40);
            const QStringList told = env.MsgTexts().filter(QString::fromUtf8(kMsgDamagedFiles));
            QCOMPARE(told.size(), run == 0 ? 1 : 0);
            if (run == 0) {
                const QStringList copies = env.dir.filesIn(QStringLiteral("usrdat")).filter(".damaged-");
                QCOMPARE(copies.size(), 1);
                QVERIFY(told.first().contains(QDir::toNativeSeparators(gUserStatusFile[0])));
                QVERIFY(told.first().contains(QDir::toNativeSeparators(env.dir.file("usrdat/" + copies.first()))));
                QCOMPARE(env.Bytes("usrdat/" + copies.first()), stored);
            }
            ShutdownData();
        }
    }

    // A status file that gives no course starts on the first unit of the
    // first standard series, with the course window offered, and the quit
    // saves that course.
    void garbageStatusGivesACourse_data()
    {
        QTest::addColumn<QByteArray>("clear");
        QByteArray noise(300, Qt::Uninitialized);
        for (int i = 0; i < noise.size(); ++i)
            noise[i] = char((i * 131 + 7) % 251);
        QTest::addRow("random bytes") << noise;
        QTest::addRow("user series, no book") << QByteArray("0\r\n-1\r\n-1\r\n-1\r\n5\r\n0\r\n0\r\n1\r\nx\r\n");
        QTest::addRow("letters for numbers") << QByteArray("a\r\nb\r\nc\r\nd\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r");
    }
    void garbageStatusGivesACourse()
    {
        QFETCH(QByteArray, clear);
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.dir.writeEnvelopedBytes(QStringLiteral("usrdat/ustatus-0.dat"), clear));
        ModalDriver driver;
        driver.Then(Login(0));
        driver.Then(CancelCourse());
        QCOMPARE(RunStartup(), StartupResult::Ready);
        QCOMPARE(driver.seen, (QStringList{"FormLogin", "FormSelUnit"}));
        QCOMPARE(Selection(), QStringLiteral("1/1/1-1"));
        QVERIFY(gCurrUnit->WordNum() > 0);
        ShutdownData();
        QStringList lines;
        QVERIFY(ReadEncodedFileLines(env.dir.file(QStringLiteral("usrdat/ustatus-0.dat")), lines));
        QCOMPARE(lines.mid(0, 4), (QStringList{"1", "1", "1", "1"}));
    }

    // The user's book the profile was on went away (another profile deleted
    // it): the learner is told which one and chooses again; no other book
    // is taken silently. A book that only moved is found again.
    void lostUserBook_data()
    {
        QTest::addColumn<QByteArray>("bookLine");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QStringList>("seen");
        QTest::addRow("book gone") << QByteArray("Gone") << "1/1/1-1" << QStringList{"FormLogin", "FormSelUnit"};
        QTest::addRow("book moved") << QByteArray("My Book") << "0/1/1-1" << QStringList{"FormLogin"};
    }
    void lostUserBook()
    {
        QFETCH(QByteArray, bookLine);
        QFETCH(QString, selection);
        QFETCH(QStringList, seen);
        AppEnv env;
        wbfix::Install install;
        install.userBook = true; // one book, "My Book"
        QVERIFY(env.Install(install));
        // the profile was on its second book
        QVERIFY(env.dir.writeEnvelopedBytes(QStringLiteral("usrdat/ustatus-0.dat"),
                                            "0\r\n2\r\n1\r\n1\r\n40\r\n0\r\n3\r\n1\r\n\r\n\r\n" + bookLine + "\r\n"));
        ModalDriver driver;
        driver.Then(Login(0));
        driver.Then(CancelCourse());
        QCOMPARE(RunStartup(), StartupResult::Ready);
        QCOMPARE(driver.seen, seen);
        QCOMPARE(Selection(), selection);
        const QStringList told = env.MsgTexts().filter(QStringLiteral("【Gone】"));
        QCOMPARE(told.size(), bookLine == "Gone" ? 1 : 0);
        QCOMPARE(gUser->myScore, 40);
        QVERIFY(!gUser->StatusFileDamaged());
    }

    // A save cut off before its rename left a newer whole copy: the start
    // takes it, keeps the older file as a copy, and leaves no stray.
    void strayNewerSaveRecovered()
    {
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.WriteStatus(0, {1, 1, 2, 3, 40, 0, 3, 2}));
        QFile old(env.dir.file(QStringLiteral("usrdat/ustatus-0.dat")));
        QVERIFY(old.open(QIODevice::ReadWrite));
        QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        old.close();
        QVERIFY(env.dir.writeEnvelopedText(QStringLiteral("usrdat/ustatus-0.dat.k3J9xQ"),
                                           QStringLiteral("1\r\n1\r\n2\r\n3\r\n77\r\n0\r\n3\r\n2\r\n\r\n\r\n")));
        ModalDriver driver;
        driver.Then(Login(0));
        QCOMPARE(RunStartup(), StartupResult::Ready);
        QCOMPARE(gUser->myScore, 77);
        const QStringList files = env.dir.filesIn(QStringLiteral("usrdat"));
        QCOMPARE(files.filter(QStringLiteral(".k3J9xQ")), QStringList());
        QCOMPARE(files.filter(QStringLiteral("ustatus-0.dat.older-")).size(), 1);
        ShutdownData();
        QCOMPARE(StraySavesOf(gUserStatusFile[0]), QStringList());
    }

    // The words of the restored course carry their example sentences.
    void wordsComeWithTheirSentences()
    {
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.dir.writeEnvelopedText(QStringLiteral("dat/sentences.dat"),
                                           QStringLiteral("$TALLIVO SENTENCES\r\napple\tI like apples.\t我喜欢苹果。\r\n")));
        QVERIFY(env.WriteStatus(0, {1, 1, 1, 1}));
        ModalDriver driver;
        driver.Then(Login(0));
        QCOMPARE(RunStartup(), StartupResult::Ready);
        QVERIFY(gCurrUnit);
        CWord *apple = nullptr, *banana = nullptr;
        QVERIFY(gCurrUnit->GetWord(1, apple));
        QVERIFY(gCurrUnit->GetWord(2, banana));
        QCOMPARE(apple->SentenceEN, QStringLiteral("I like apples."));
        QCOMPARE(apple->SentenceCH, QStringLiteral("我喜欢苹果。"));
        QCOMPARE(banana->SentenceEN, QString());
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    // A missing or broken dictionary: message 001 and the end, with no other
    // window, nothing loaded and nothing written.
    void missingDictionary_data()
    {
        QTest::addColumn<QByteArray>("dictionary"); // "-" for no file
        QTest::addRow("missing") << QByteArray("-");
        QTest::addRow("wrong header") << QByteArray("$NOT A DICTIONARY\r\nv\r\na\r\nb\r\nc\r\n");
    }
    void missingDictionary()
    {
        QFETCH(QByteArray, dictionary);
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(QFile::remove(env.dir.file(QStringLiteral("dat/sysdic.dic"))));
        if (dictionary != "-")
            QVERIFY(env.dir.writeEnvelopedBytes(QStringLiteral("dat/sysdic.dic"), dictionary));
        QVERIFY(env.WriteStatus(0, {1, 1, 1, 1, 5}));
        const QByteArray status = env.Bytes(QStringLiteral("usrdat/ustatus-0.dat"));
        ModalDriver driver;
        driver.Then(Login(0));

        QCOMPARE(RunStartup(), StartupResult::Fatal);
        QCOMPARE(driver.seen, QStringList{"FormLogin"});
        QCOMPARE(env.fake->msgBoxes.size(), 1);
        const MsgBoxCall msg = env.fake->msgBoxes.first();
        QCOMPARE(msg.text, QString::fromUtf8(kMsgDictFailed));
        QCOMPARE(msg.caption, QString::fromUtf8(kCaptionFatal));
        QCOMPARE(msg.icon, MsgIcon::Critical);
        QCOMPARE(msg.buttons, MsgButtons::OK);
        QVERIFY(!gUser && !gDictionary && !gWordBank && !gCurrUnit);
        QCOMPARE(env.Bytes(QStringLiteral("usrdat/ustatus-0.dat")), status);
        QVERIFY(env.dir.filesIn(QStringLiteral("tmp")).isEmpty());
    }

    // No usable word bank: the new profile sees the course window once (it
    // can never be confirmed), message 004 once, and an empty selection;
    // saving and releasing afterwards are safe.
    void noWordBank_data()
    {
        QTest::addColumn<QByteArray>("wordBank"); // "-" for no file
        QTest::addRow("missing") << QByteArray("-");
        QTest::addRow("broken") << QByteArray("garbage\r\n");
    }
    void noWordBank()
    {
        QFETCH(QByteArray, wordBank);
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(QFile::remove(env.dir.file(QStringLiteral("dat/twb.ck"))));
        if (wordBank != "-")
            QVERIFY(env.dir.writeEnvelopedBytes(QStringLiteral("dat/twb.ck"), wordBank));
        env.fake->okCancelDefault = MsgResult::Cancel;
        ModalDriver driver;
        driver.Then(Login(0));
        driver.Then(CancelCourse());

        QCOMPARE(RunStartup(), StartupResult::Ready);
        QCOMPARE(driver.seen, QStringList({"FormLogin", "FormSelUnit"}));
        const QStringList texts = env.MsgTexts();
        QCOMPARE(Count(texts, QString::fromUtf8(kMsgChooseCourse)), 1);
        QCOMPARE(Count(texts, kMsg004), 1);
        QVERIFY(!gCurrSeries && !gCurrBook && !gCurrUnit);
        ShutdownData();
        QVERIFY(!gUser && !gWordBank && !gDictionary);
    }

    // The phonetic family is looked up by its exact name; when it is missing
    // the shipped font file is registered for the run.
    void phoneticFont_data()
    {
        QTest::addColumn<QStringList>("families");
        QTest::addColumn<bool>("registers");
        QTest::addRow("missing") << QStringList{"DejaVu Sans"} << true;
        QTest::addRow("present") << QStringList{"DejaVu Sans", "Charis SIL"} << false;
        QTest::addRow("other letter case") << QStringList{"charis sil"} << true;
    }
    void phoneticFont()
    {
        QFETCH(QStringList, families);
        QFETCH(bool, registers);
        AppEnv env;
        env.fake->fontFamilies = families;
        env.fake->registerFontFamilies = {kPhoneticFontFamily};
        QCOMPARE(IsPhoneticFontInstalled(), !registers);
        EnsurePhoneticFont();
        QCOMPARE(env.fake->registeredFonts,
                 registers ? QStringList{env.dir.path() + QStringLiteral("/font/Ksphonet.ttf")} : QStringList());
        QVERIFY(IsPhoneticFontInstalled());
        QVERIFY(!IsWindowsNT5());
    }

    // The font help window opens the font folder and the help file.
    void fontHelpWindow()
    {
        AppEnv env;
        InitAppPathsFor(env.dir.path());
        FormFontInstall form;
        QCOMPARE(form.windowTitle(), QStringLiteral("安装音标字体文件"));
        form.show();
        form.btnFile->click();
        form.btnHelp->click();
        QCOMPARE(env.fake->shellOpened, QStringList({env.dir.path() + QStringLiteral("/font/"),
                                                     env.dir.path() + QStringLiteral("/dat/help.html")}));
        form.btnExit->click();
        QVERIFY(!form.isVisible());
    }
};

TALLIVO_TEST(StartupTest)
#include "tst_startup.moc"
