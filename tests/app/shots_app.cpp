#include "appenv.h"
#include "support/testmain.h"
#include "app/clicklabel.h"
#include "app/formfontinstall.h"
#include "app/formlogin.h"
#include "app/formmain.h"
#include "widgets/shapectl.h"
#include "wordbank/classuser.h"
#include <QDir>
#include <QMouseEvent>

namespace {

QString ShotsDir()
{
    const QString dir = qEnvironmentVariable("TALLIVO_SHOTS_DIR", QStringLiteral("/tmp/tallivo-shots"));
    QDir().mkpath(dir);
    return dir;
}

bool Save(QWidget *w, const QString &name)
{
    return w->grab().save(ShotsDir() + QStringLiteral("/app_") + name + QStringLiteral(".png"));
}

void MoveOver(QWidget *w)
{
    const QPoint pos = w->rect().center();
    QMouseEvent ev(QEvent::MouseMove, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &ev);
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
        MoveOver(form.btnUserName[1]);
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
        MoveOver(w.ShapeCtl1[2]);
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

TALLIVO_TEST(AppShots)
#include "shots_app.moc"
