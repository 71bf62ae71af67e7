// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appenv.h"
#include "support/pointer.h"
#include "support/shots.h"
#include "support/testmain.h"
#include "widgets/clicklabel.h"
#include "app/formfontinstall.h"
#include "app/formlogin.h"
#include "app/formmain.h"
#include "widgets/shapectl.h"
#include "wordbank/classuser.h"

namespace {

bool Save(QWidget *w, const QString &name)
{
    return shots::Save(*w, QStringLiteral("app_") + name + QStringLiteral(".png"));
}

} // namespace

// Pictures of the start-up windows for looking at, in $TALLIVO_SHOTS_DIR.
class AppShots : public QObject {
    Q_OBJECT

private slots:
    void login()
    {
        AppEnv env;
        QVERIFY(env.dir.writeText(QStringLiteral("usrdat/uname.dat"), QStringLiteral("Direvi\r\n小明同学\r\nVoro\r\n")));
        gUser = new ClassUser;
        FormLogin form;
        form.show();
        QVERIFY(Save(&form, QStringLiteral("login")));
        MoveOverMiddle(form.btnUserName[1]);
        QVERIFY(Save(&form, QStringLiteral("login_hover")));
    }

    void mainMenu()
    {
        AppEnv env;
        QVERIFY(env.Install());
        QVERIFY(env.WriteStatus(0, {1, 1, 2, 3}));
        ModalDriver driver;
        driver.Then([](QWidget *w) { qobject_cast<FormLogin *>(w)->ChooseSlot(0); });
        FormMain w;
        w.show();
        QVERIFY(w.isVisible());
        QVERIFY(Save(&w, QStringLiteral("main")));
        MoveOverMiddle(w.ShapeCtl1[2]);
        QVERIFY(Save(&w, QStringLiteral("main_hover")));
    }

    void fontHelp()
    {
        AppEnv env;
        FormFontInstall form;
        form.show();
        QVERIFY(Save(&form, QStringLiteral("fontinstall")));
    }
};

TALLIVO_SHOTS(AppShots)
#include "shots_app.moc"
