// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appenv.h"
#include "support/pointer.h"
#include "support/testmain.h"
#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "app/formlogin.h"
#include "app/formmain.h"
#include "app/startup.h"
#include "helpers/envelope.h"
#include "course/formselunit.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/shapectl.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/reviewday.h"
#include "wordbank/reviewstore.h"
#include <QLabel>
#include <QScopeGuard>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kStatus0 = QStringLiteral("usrdat/ustatus-0.dat");

// The window behind main menu entry e.
Window MenuWindow(int e)
{
    switch (e) {
    case FormMain::LearnWord:
        return Window::LearnWord;
    case FormMain::WordPicList:
        return Window::WordPicList;
    case FormMain::Games:
        return Window::Games;
    case FormMain::Record:
        return Window::Record;
    default:
        return Window::NewWord;
    }
}

ModalDriver::Step Login(int slot)
{
    return [slot](QWidget *w) {
        auto *login = qobject_cast<FormLogin *>(w);
        QVERIFY(login);
        QTest::mouseClick(login->btnUserName[size_t(slot)], Qt::LeftButton);
    };
}

// Signs in slot 0 of a profile that has a course, so the menu comes straight up.
bool StartMenu(AppEnv &env, FormMain &w, ModalDriver &driver)
{
    if (!env.Install() || !env.WriteStatus(0, {1, 1, 1, 1, 10, 0, 2, 1}))
        return false;
    driver.Then(Login(0));
    w.show();
    return w.isVisible() && gUser && gCurrUnit;
}

QStringList StatusLines(const AppEnv &env)
{
    QStringList lines;
    ReadEncodedFileLines(env.dir.file(kStatus0), lines);
    return lines;
}

int RedCaptions(const FormMain &w)
{
    int n = 0;
    for (const ClickLabel *c : w.Label1)
        n += c->ForeColor() == w.CaptionHoverColor();
    return n;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The menu after the start-up: caption, size, the centred panel, the
    // eight entries and the course in the title strip.
    void menuShown()
    {
        AppEnv env;
        FormMain w;
        ModalDriver driver;
        QVERIFY(StartMenu(env, w, driver));
        QCOMPARE(driver.seen, QStringList{"FormLogin"});
        QCOMPARE(w.windowTitle(), QStringLiteral("Tallivo 9.8"));
        QVERIFY(w.width() >= 1024 && w.height() >= 768);
        QVERIFY(w.PicBase->isVisible());
        QVERIFY(qAbs(w.PicBase->geometry().center().x() - w.rect().center().x()) <= 1);
        QVERIFY(qAbs(w.PicBase->geometry().center().y() - w.rect().center().y()) <= 1);
        const QStringList captions{"单词初识", "单词列表", "单词闯关", "学习记录",
                                   "选择教程", "生词本", "查看帮助", "退出程序"};
        QCOMPARE(int(w.Label1.size()), 8);
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(w.Label1[size_t(i)]->text(), captions.at(i));
            QVERIFY(!w.ShapeCtl1[size_t(i)]->Image().isNull());
        }
        QVERIFY(w.BookUnitTitleCtl1->lblSeriesBook->text().contains(wbfix::kSeries1));
        QVERIFY(w.BookUnitTitleCtl1->lblUnits->text().contains(QStringLiteral("Unit 1")));
        QCOMPARE(gUser->nLastWord, 1);
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    // The badge "今日复习 N" counts today's plan, opens it in one click and
    // reads 0 (green) once the plan was played; without the plan it is not shown.
    void reviewBadge_data()
    {
        QTest::addColumn<bool>("planThere");
        QTest::addRow("plan there") << true;
        QTest::addRow("plan not there") << false;
    }
    void reviewBadge()
    {
        QFETCH(bool, planThere);
        const int today = int(QDate(2026, 12, 10).toJulianDay());
        reviewday::SetTodayForTest(today);
        const auto back = qScopeGuard([] { reviewday::SetTodayForTest(std::nullopt); });
        AppEnv env;
        // apple and banana were met ten days ago and are due; cat is new
        QVERIFY(env.dir.writeBytes(QStringLiteral("usrdat/ureview-0.dat"),
                                   "TallivoReview\t1\r\n"
                                   "apple\tr\t1\t5\t2026-11-30\t1\t0\r\n"
                                   "banana\tr\t1\t5\t2026-11-30\t1\t0\r\n"));
        int opened = 0;
        if (planThere)
            env.nav->windows[Window::ReviewPlan] = [&opened, today](QWidget *) {
                ++opened;
                // the child plays every word of the plan
                for (const char *k : {"apple", "banana", "cat"})
                    gUser->Reviews().Record(QString::fromLatin1(k), ReviewTrack::Recognise, fsrs::Grade::Good, today);
                for (const char *k : {"apple", "banana"})
                    gUser->Reviews().Record(QString::fromLatin1(k), ReviewTrack::Spell, fsrs::Grade::Good, today);
                return 0;
            };
        FormMain w;
        ModalDriver driver;
        QVERIFY(StartMenu(env, w, driver));
        auto *badge = w.findChild<ClickLabel *>(QStringLiteral("lblReview"));
        QVERIFY(badge);
        if (!planThere) {
            QVERIFY(!badge->isVisible());
            return;
        }
        QVERIFY(badge->isVisible());
        // two due, cat new to recognise, apple and banana new to spell
        QCOMPARE(badge->text(), QStringLiteral("今日复习 5"));
        QVERIFY(badge->styleSheet().contains(Look::kOrange.name()));
        QVERIFY(w.rect().contains(badge->geometry()));
        QTest::mouseClick(badge, Qt::LeftButton);
        QCOMPARE(opened, 1);
        QCOMPARE(badge->text(), QStringLiteral("今日复习 0"));
        QVERIFY(badge->styleSheet().contains(Look::kGreen.name()));
    }

    // The main window's load runs the start-up once: a second load or a
    // second showing neither signs in again nor reloads the data.
    void secondLoad()
    {
        AppEnv env;
        FormMain w;
        ModalDriver driver;
        QVERIFY(StartMenu(env, w, driver));
        ClassUser *user = gUser;
        auto *dictionary = gDictionary;
        QVERIFY(w.Load());
        w.hide();
        w.show();
        QTest::qWait(30);
        QCOMPARE(driver.seen, QStringList{"FormLogin"});
        QCOMPARE(gUser, user);
        QCOMPARE(gDictionary, dictionary);
        QVERIFY(env.fake->msgBoxes.isEmpty());
        QVERIFY(w.isVisible());
    }

    // Leaving during the start-up never shows the menu: the login's exit
    // ends normally, a broken dictionary with an error code.
    void endsBeforeMenu_data()
    {
        QTest::addColumn<bool>("brokenDictionary");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("login exit") << false << 0;
        QTest::addRow("missing dictionary") << true << 1;
    }
    void endsBeforeMenu()
    {
        QFETCH(bool, brokenDictionary);
        QFETCH(int, exitCode);
        AppEnv env;
        QVERIFY(env.Install());
        if (brokenDictionary)
            QVERIFY(QFile::remove(env.dir.file(QStringLiteral("dat/sysdic.dic"))));
        ModalDriver driver;
        if (brokenDictionary)
            driver.Then(Login(0));
        else
            driver.Then([](QWidget *w) { qobject_cast<FormLogin *>(w)->btnExit->click(); });
        FormMain w;
        w.show();
        QVERIFY(!w.isVisible());
        QVERIFY(w.ProgramEnded());
        QCOMPARE(w.ExitCode(), exitCode);
        QCOMPARE(driver.seen, QStringList{"FormLogin"});
        QCOMPARE(env.fake->msgBoxes.size(), brokenDictionary ? 1 : 0);
        QVERIFY(!env.Exists(kStatus0));
        QVERIFY(w.close()); // nothing to ask any more
        QCOMPARE(env.fake->msgBoxes.size(), brokenDictionary ? 1 : 0);
    }

    // Quitting asks first. No keeps the window and leaves the profile file
    // alone; Yes saves the profile and releases the data.
    void quit_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<MsgResult>("answer");
        QTest::addRow("menu entry, no") << true << MsgResult::No;
        QTest::addRow("menu entry, yes") << true << MsgResult::Yes;
        QTest::addRow("close box, no") << false << MsgResult::No;
        QTest::addRow("close box, yes") << false << MsgResult::Yes;
    }
    void quit()
    {
        QFETCH(bool, byMenu);
        QFETCH(MsgResult, answer);
        AppEnv env;
        FormMain w;
        ModalDriver driver;
        QVERIFY(StartMenu(env, w, driver));
        const QByteArray before = env.Bytes(kStatus0);
        gUser->myScore = 77;
        env.fake->msgAnswers << answer;
        if (byMenu)
            QTest::mouseClick(w.Label1[FormMain::Quit], Qt::LeftButton);
        else
            w.close();

        QCOMPARE(env.fake->msgBoxes.size(), 1);
        const MsgBoxCall ask = env.fake->msgBoxes.first();
        QCOMPARE(ask.text, QStringLiteral("真的要退出吗?"));
        QCOMPARE(ask.caption, QStringLiteral("Tallivo"));
        QCOMPARE(ask.icon, MsgIcon::Warning);
        QCOMPARE(ask.buttons, MsgButtons::YesNo);
        if (answer == MsgResult::No) {
            QVERIFY(w.isVisible());
            QCOMPARE(env.Bytes(kStatus0), before);
            QVERIFY(gUser && gDictionary && gWordBank);
            return;
        }
        QVERIFY(!w.isVisible());
        QVERIFY(!gUser && !gDictionary && !gWordBank && !gCurrUnit);
        const QStringList lines = StatusLines(env);
        QVERIFY(lines.size() >= 10);
        QCOMPARE(lines.mid(0, 8), QStringList({"1", "1", "1", "1", "77", "0", "2", "1"}));
        QVERIFY(env.dir.filesIn(QStringLiteral("tmp")).isEmpty());
    }

    // Moving over tiles and captions leaves exactly one caption red: the
    // entry under the mouse.
    void hover_data()
    {
        QTest::addColumn<QString>("moves"); // t<i> tile, c<i> caption
        QTest::addRow("one tile") << "t2";
        QTest::addRow("tile to its caption") << "t2,c2";
        QTest::addRow("across the rows") << "t0,c5,t7,c3";
        QTest::addRow("back and forth") << "c1,t6,c1";
    }
    void hover()
    {
        QFETCH(QString, moves);
        AppEnv env;
        FormMain w;
        ModalDriver driver;
        QVERIFY(StartMenu(env, w, driver));
        QCOMPARE(RedCaptions(w), 0);
        int last = -1;
        for (const QString &m : moves.split(QLatin1Char(','))) {
            last = m.mid(1).toInt();
            if (m.startsWith(QLatin1Char('t')))
                MoveOverMiddle(w.ShapeCtl1[size_t(last)]);
            else
                MoveOverMiddle(w.Label1[size_t(last)]);
            QCOMPARE(RedCaptions(w), 1);
            QCOMPARE(w.Label1[size_t(last)]->ForeColor(), w.CaptionHoverColor());
        }
        for (int i = 0; i < 8; ++i)
            if (i != last)
                QCOMPARE(w.Label1[size_t(i)]->ForeColor(), w.CaptionNormalColor());
        QVERIFY(env.fake->handCursorCount > 0);
    }

    // The entries whose windows come later say so until their window is
    // registered; a registered window runs, and after it the title strip
    // shows the course it may have changed. The record and new-word windows
    // may ask for the learning window next.
    void entries_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("registered");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("ran");
        QTest::addRow("learning, not yet there") << 0 << false << 0 << QList<int>{};
        QTest::addRow("word list, not yet there") << 1 << false << 0 << QList<int>{};
        QTest::addRow("games, not yet there") << 2 << false << 0 << QList<int>{};
        QTest::addRow("record, not yet there") << 3 << false << 0 << QList<int>{};
        QTest::addRow("new words, not yet there") << 5 << false << 0 << QList<int>{};
        QTest::addRow("learning") << 0 << true << 0 << QList<int>{0};
        QTest::addRow("word list") << 1 << true << 0 << QList<int>{1};
        QTest::addRow("games") << 2 << true << 0 << QList<int>{2};
        QTest::addRow("record") << 3 << true << 0 << QList<int>{3};
        QTest::addRow("record, then learning") << 3 << true << 1 << QList<int>{3, 0};
        QTest::addRow("new words, then learning") << 5 << true << 1 << QList<int>{5, 0};
    }
    void entries()
    {
        QFETCH(int, entry);
        QFETCH(bool, registered);
        QFETCH(int, result);
        QFETCH(QList<int>, ran);
        AppEnv env;
        FormMain w;
        ModalDriver driver;
        QVERIFY(StartMenu(env, w, driver));
        QList<int> calls;
        if (registered) {
            for (int e : {0, 1, 2, 3, 5}) {
                env.nav->windows[MenuWindow(e)] = [e, entry, result, &calls](QWidget *) {
                    calls << e;
                    gWordBank->SelectCourse(1, 1, 3, 4, WordCategory::All); // the window changed the course
                    return e == entry ? result : 0;
                };
            }
        }
        QTest::mouseClick(w.Label1[size_t(entry)], Qt::LeftButton);
        QCOMPARE(calls, ran);
        if (!registered) {
            QCOMPARE(env.fake->msgBoxes.size(), 1);
            QCOMPARE(env.fake->msgBoxes.first().text, QStringLiteral("即将推出"));
            QCOMPARE(env.fake->msgBoxes.first().caption, QStringLiteral("Tallivo"));
            QCOMPARE(env.fake->msgBoxes.first().icon, MsgIcon::Information);
            return;
        }
        QVERIFY(env.fake->msgBoxes.isEmpty());
        QVERIFY(w.BookUnitTitleCtl1->lblUnits->text().contains(gCurrUnit->UnitCaption.trimmed()));
        QCOMPARE(gUser->nLastStartUnit, 3);
    }

    // The course entry (tile, caption, or the title strip): a confirmed
    // course goes straight on to the learning window; Cancel only refreshes
    // the title.
    void courseEntry_data()
    {
        QTest::addColumn<QString>("via");
        QTest::addColumn<bool>("confirm");
        QTest::addRow("tile, confirmed") << "tile" << true;
        QTest::addRow("caption, cancelled") << "caption" << false;
        QTest::addRow("title strip, confirmed") << "title" << true;
        QTest::addRow("title strip, cancelled") << "title" << false;
    }
    void courseEntry()
    {
        QFETCH(QString, via);
        QFETCH(bool, confirm);
        AppEnv env;
        FormMain w;
        ModalDriver driver;
        QVERIFY(StartMenu(env, w, driver));
        int learning = 0;
        env.nav->windows[Window::LearnWord] = [&learning](QWidget *) { return ++learning, 0; };
        driver.Then([confirm](QWidget *dlg) {
            auto *form = qobject_cast<FormSelUnit *>(dlg);
            QVERIFY(form);
            if (confirm) {
                form->lstSeries->setCurrentRow(2);
                form->cmdOK->click();
            } else {
                form->cmdCancel->click();
            }
        });
        if (via == QLatin1String("tile"))
            QTest::mouseClick(w.ShapeCtl1[FormMain::SelUnit], Qt::LeftButton, Qt::NoModifier,
                              w.ShapeCtl1[FormMain::SelUnit]->rect().center());
        else if (via == QLatin1String("caption"))
            QTest::mouseClick(w.Label1[FormMain::SelUnit], Qt::LeftButton);
        else
            QTest::mouseClick(w.BookUnitTitleCtl1, Qt::LeftButton, Qt::NoModifier, QPoint(12, 12));

        QCOMPARE(driver.seen, QStringList({"FormLogin", "FormSelUnit"}));
        QCOMPARE(learning, confirm ? 1 : 0);
        QCOMPARE(gUser->nLastSeries, confirm ? 2 : 1);
        QVERIFY(w.BookUnitTitleCtl1->lblSeriesBook->text().contains(confirm ? wbfix::kSeries2 : wbfix::kSeries1));
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    // Help opens the help page of the installation.
    void help()
    {
        AppEnv env;
        FormMain w;
        ModalDriver driver;
        QVERIFY(StartMenu(env, w, driver));
        QTest::mouseClick(w.Label1[FormMain::Help], Qt::LeftButton);
        QCOMPARE(env.fake->shellOpened, QStringList{env.dir.path() + QStringLiteral("/dat/help.html")});
    }
};

TALLIVO_TEST(MainWindowTest)
#include "tst_mainwindow.moc"
