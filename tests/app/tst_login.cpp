// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appenv.h"
#include "support/pointer.h"
#include "support/testmain.h"
#include "widgets/clicklabel.h"
#include "app/formlogin.h"
#include "app/startup.h"
#include "widgets/ctranspicturebox.h"
#include "wordbank/classuser.h"
#include <QDir>
#include <QPushButton>

namespace {

// Where the tests put the mouse on a name, a button or a label.
const QPoint kHoverAt(2, 2);
const QPoint kClickAt(3, 3);

QString NameFile(const QStringList &names)
{
    return names.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

class LoginWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Hovering: one frame behind the nickname under the mouse, the arrow at
    // its right edge, only that nickname in the hover colour; the background
    // clears everything.
    void hover_data()
    {
        QTest::addColumn<QString>("moves"); // slots, "b" for the background
        QTest::addColumn<int>("expected");  // -1: nothing marked
        QTest::addRow("one name") << "1" << 1;
        QTest::addRow("name to name") << "0,2" << 2;
        QTest::addRow("back to the first") << "0,1,0" << 0;
        QTest::addRow("background clears") << "2,b" << -1;
        QTest::addRow("name after background") << "1,b,2" << 2;
    }
    void hover()
    {
        QFETCH(QString, moves);
        QFETCH(int, expected);
        AppEnv env;
        gUser = new ClassUser;
        FormLogin login;
        login.show();
        for (const QString &m : moves.split(QLatin1Char(','))) {
            if (m == QLatin1String("b"))
                MoveOver(&login, QPoint(8, login.height() / 2));
            else
                MoveOver(login.btnUserName[size_t(m.toInt())], kHoverAt);
        }
        QCOMPARE(login.UserGoTag(), QString::number(expected));
        QCOMPARE(login.picBorder->isVisible(), expected >= 0);
        QCOMPARE(login.btnUserGo->isVisible(), expected >= 0);
        for (int i = 0; i < 3; ++i) {
            const QColor want = i == expected ? login.HoverColor() : login.NormalColor();
            QCOMPARE(login.btnUserName[size_t(i)]->ForeColor(), want);
        }
        QVERIFY(login.HoverColor() != login.NormalColor());
        if (expected >= 0) {
            const QWidget *name = login.btnUserName[size_t(expected)];
            QCOMPARE(login.picBorder->x(), name->x() - 10);
            QVERIFY(qAbs(login.picBorder->geometry().center().y() - name->geometry().center().y()) <= 1);
            QCOMPARE(login.btnUserGo->pos(), QPoint(name->x() + name->width(), name->y()));
            // the frame lies behind the nickname, not over it
            QVERIFY(login.children().indexOf(login.picBorder) < login.children().indexOf(name));
        }
    }

    // A click on a nickname, or on the arrow beside it, chooses that slot.
    void choose_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("byArrow");
        QTest::addRow("name 0") << 0 << false;
        QTest::addRow("name 2") << 2 << false;
        QTest::addRow("arrow beside 1") << 1 << true;
    }
    void choose()
    {
        QFETCH(int, slot);
        QFETCH(bool, byArrow);
        AppEnv env;
        QVERIFY(env.dir.writeText(QStringLiteral("usrdat/uname.dat"), NameFile({"Ann", "小明同学", "Bob"})));
        gUser = new ClassUser;
        FormLogin login;
        login.show();
        if (byArrow) {
            MoveOver(login.btnUserName[size_t(slot)], kHoverAt);
            Press(login.btnUserGo, Qt::LeftButton, kClickAt);
        } else {
            Press(login.btnUserName[size_t(slot)], Qt::LeftButton, kClickAt);
        }
        QCOMPARE(login.ChosenSlot(), slot);
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(gUser->userID, slot);
        QCOMPARE(gUser->userName, QStringList({"Ann", "小明同学", "Bob"}).at(slot));
    }

    // The nickname file: LF line ends and UTF-8 are read as they are; missing
    // or empty slots get the default names and the rest is kept; long names
    // show their first 12 characters.
    void nicknameFile_data()
    {
        QTest::addColumn<QByteArray>("content"); // "-" for no file
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("stored"); // lines after the load; empty: untouched
        QTest::addRow("no file") << QByteArray("-") << QStringList{"Direvi", "Riduvaz", "Voro"}
                                 << QStringList{"Direvi", "Riduvaz", "Voro"};
        QTest::addRow("LF and UTF-8 kept") << QByteArray("小红\nTom\nJerry\n") << QStringList{"小红", "Tom", "Jerry"}
                                           << QStringList();
        QTest::addRow("short file completed") << QByteArray("Amy\r\nLeo\r\n") << QStringList{"Amy", "Leo", "Voro"}
                                              << QStringList{"Amy", "Leo", "Voro"};
        QTest::addRow("empty slot refilled") << QByteArray("Amy\r\n  \r\nZoe\r\n")
                                             << QStringList{"Amy", "Riduvaz", "Zoe"}
                                             << QStringList{"Amy", "Riduvaz", "Zoe"};
        QTest::addRow("long names cut when shown")
            << QByteArray("ABCDEFGHIJKLMNOPQRST\r\n一二三四五六七八九十壹贰叁肆\r\n Sam \r\n")
            << QStringList{"ABCDEFGHIJKL", "一二三四五六七八九十壹贰", "Sam"} << QStringList();
    }
    void nicknameFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, stored);
        AppEnv env;
        const QString file = QStringLiteral("usrdat/uname.dat");
        if (content != "-")
            QVERIFY(env.dir.writeBytes(file, content));
        gUser = new ClassUser;
        FormLogin login;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(login.btnUserName[size_t(i)]->text(), shown.at(i));
        if (stored.isEmpty())
            QCOMPARE(env.Bytes(file), content);
        else
            QCOMPARE(QString::fromUtf8(env.Bytes(file)), NameFile(stored));
    }

    // A press with another button than the left one renames the slot: the
    // answer shows in full and the file is rewritten; Cancel or a blank
    // answer changes nothing.
    void rename_data()
    {
        // clang-format off
        QTest::addColumn<int>("slot");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown"); // empty: unchanged
        QTest::addRow("chinese") << 1 << Qt::RightButton << "小明" << "小明";
        QTest::addRow("middle button") << 0 << Qt::MiddleButton << "Lily" << "Lily";
        QTest::addRow("long name cut at once") << 2 << Qt::RightButton << "TwentyCharacterName!"
                                               << "TwentyCharacterName!";
        QTest::addRow("cancel") << 1 << Qt::RightButton << "" << "";
        QTest::addRow("blank") << 1 << Qt::RightButton << "   " << "";
        // clang-format on
    }
    void rename()
    {
        QFETCH(int, slot);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QString, answer);
        QFETCH(QString, shown);
        AppEnv env;
        const QString file = QStringLiteral("usrdat/uname.dat");
        // slot 0 holds a name longer than what shows: a rename of another slot keeps it whole
        const QStringList before{"ABCDEFGHIJKLMNOP", "Riduvaz", "Voro"};
        QVERIFY(env.dir.writeText(file, NameFile(before)));
        const QByteArray old = env.Bytes(file);
        gUser = new ClassUser;
        FormLogin login;
        login.show();
        env.fake->inputAnswers << answer;
        Press(login.btnUserName[size_t(slot)], button, kClickAt);

        QCOMPARE(env.fake->inputBoxes.size(), 1);
        QCOMPARE(env.fake->inputBoxes.first().prompt, QStringLiteral("请输入新的昵称:"));
        QCOMPARE(env.fake->inputBoxes.first().title, QStringLiteral("更改用户名"));
        QCOMPARE(login.ChosenSlot(), -1); // renaming does not choose
        QVERIFY(login.isVisible());
        if (shown.isEmpty()) {
            QCOMPARE(env.Bytes(file), old);
            QCOMPARE(login.btnUserName[size_t(slot)]->text(), FormLogin::ShownName(before.at(slot)));
            return;
        }
        QCOMPARE(login.btnUserName[size_t(slot)]->text(), FormLogin::ShownName(shown));
        QStringList after = before;
        after[slot] = shown;
        QCOMPARE(QString::fromUtf8(env.Bytes(file)), NameFile(after));
        QCOMPARE(env.dir.filesIn(QStringLiteral("usrdat")), QStringList{"uname.dat"});
        // the next start shows the stored name cut to 12 characters
        FormLogin again;
        QCOMPARE(again.btnUserName[size_t(slot)]->text(), FormLogin::ShownName(shown));
    }

    // A nickname is the child's text: markup in it shows as typed, at the
    // label's own size, and no picture is loaded for it.
    void nicknameIsPlainText()
    {
        AppEnv env;
        const QString markup = QStringLiteral("<font color=red size=7>BIG</font><img src=/x.png>");
        QVERIFY(env.dir.writeText(QStringLiteral("usrdat/uname.dat"), NameFile({markup, "Riduvaz", "Voro"})));
        gUser = new ClassUser;
        FormLogin login;
        login.show();
        ClickLabel *name = login.btnUserName[0];
        QCOMPARE(name->textFormat(), Qt::PlainText);
        QCOMPARE(name->text(), FormLogin::ShownName(markup));
        QCOMPARE(name->sizeHint().height(), login.btnUserName[1]->sizeHint().height());
    }

    // Leaving by the exit button ends the start-up: nothing loaded, no
    // message, every status file as it was.
    void exitButton()
    {
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.WriteStatus(0, {1, 1, 2, 2, 40, 0, 3, 1}));
        const QByteArray status0 = env.Bytes(QStringLiteral("usrdat/ustatus-0.dat"));
        ModalDriver driver;
        driver.Then([](QWidget *w) { qobject_cast<FormLogin *>(w)->btnExit->click(); });
        QCOMPARE(RunStartup(), StartupResult::Exit);
        QCOMPARE(driver.seen, QStringList{"FormLogin"});
        QVERIFY(env.fake->msgBoxes.isEmpty());
        QVERIFY(!gUser && !gDictionary && !gWordBank);
        QCOMPARE(env.Bytes(QStringLiteral("usrdat/ustatus-0.dat")), status0);
        QCOMPARE(env.dir.filesIn(QStringLiteral("usrdat")), QStringList({"uname.dat", "ustatus-0.dat"}));
        QVERIFY(env.dir.filesIn(QStringLiteral("tmp")).isEmpty());
    }

    // The maker line and the web address open the maker's page.
    void webLinks()
    {
        AppEnv env;
        gUser = new ClassUser;
        FormLogin login;
        login.show();
        Press(login.Label2, Qt::LeftButton, kClickAt);
        Press(login.lblMyWeb, Qt::LeftButton, kClickAt);
        QCOMPARE(env.fake->shellOpened, QStringList({FormLogin::kWebAddress, FormLogin::kWebAddress}));
        QVERIFY(login.isVisible());
    }
};

TALLIVO_TEST(LoginWindowTest)
#include "tst_login.moc"
