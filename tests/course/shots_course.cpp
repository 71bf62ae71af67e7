// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of the course windows for looking at, in $TALLIVO_SHOTS_DIR:
// on the built installation when there is one, else on a small fixture.
#include "courseenv.h"
#include "support/pointer.h"
#include "support/shots.h"
#include "support/testmain.h"
#include "helpers/apppaths.h"
#include "course/formadduserbookunit.h"
#include "course/formresult.h"
#include "course/formselunit.h"
#include "widgets/numctl.h"
#include "wordbank/classbook.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classunit.h"
#include "wordbank/cwordbank.h"
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

bool Save(QWidget *w, const QString &name)
{
    return shots::Save(*w, QStringLiteral("course_") + name + QStringLiteral(".png"));
}

QString ShippedApp()
{
    // Only on request: the shipped folder's own user series may be empty, and then the
    // window would stop to ask for a custom word bank.
    const QString dir = qEnvironmentVariable("TALLIVO_SHOTS_APP");
    if (dir.isEmpty())
        return QString();
    return QFileInfo::exists(dir + QStringLiteral("/dat/twb.ck")) ? dir : QString();
}

// A cover like the ones the data build draws, for the fixture.
bool WriteCover(const TempAppDir &dir, const QString &series, int book)
{
    QImage img(240, 320, QImage::Format_RGB32);
    img.fill(QColor(0xE6, 0xF3, 0xFF));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x3C, 0xB3, 0x71));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(6, 6, 228, 308), 18, 18);
    p.setPen(Qt::white);
    QFont f;
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei")});
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(10, 30, 220, 80), Qt::AlignCenter, QStringLiteral("Big Book"));
    p.end();
    QDir().mkpath(dir.file(QStringLiteral("BookCover/") + series));
    return img.save(dir.file(QStringLiteral("BookCover/%1/%2.jpg").arg(series).arg(book)), "JPG");
}

} // namespace

class CourseShots : public QObject {
    Q_OBJECT

    // Loads the shipped installation (read only) or the fixture; returns the
    // series and book to show.
    bool LoadWorld(CourseEnv &env, int &series, int &book)
    {
        const QString shipped = ShippedApp();
        if (!shipped.isEmpty()) {
            InitAppPathsFor(shipped);
            gDictionary = new ClassDBdictionary;
            if (!gDictionary->InitDict())
                return false;
            gWordBank = new CWordBank;
            series = 1;
            book = 1;
            return true;
        }
        wbfix::Install what;
        what.bank = coursefix::BankWithBigBook();
        if (!env.LoadWith({{QStringLiteral("我的动物词库"), {QStringLiteral("cat"), QStringLiteral("dog")}},
                           {QStringLiteral("Colours"), {QStringLiteral("red"), QStringLiteral("blue")}}},
                          what)
            || !WriteCover(env.dir, wbfix::kSeries1, 3))
            return false;
        series = 1;
        book = 3;
        return true;
    }

    static void GiveResults(int series, int book)
    {
        WordBankEnv::Loaded(series);
        const QStringList status{QStringLiteral("100100100100100100100000000"), QStringLiteral("100080060000000000000000000"),
                                 QStringLiteral("050000000000000000000000000")};
        for (int i = 0; i < status.size(); ++i) {
            if (ClassUnit *u = WordBankEnv::Unit(series, book, i + 1))
                u->LoadUnitStatus(status[i]);
        }
    }

private slots:
    void courseWindow()
    {
        CourseEnv env;
        int series = 1, book = 1;
        QVERIFY(LoadWorld(env, series, book));
        GiveResults(series, book);
        gUser->userName = QStringLiteral("小明");
        CourseEnv::SetLast(series, book, 3, 6);
        FormSelUnit form;
        form.show();
        MoveOver(form.NumCtl1[2], QPoint(5, 5));
        QVERIFY(Save(&form, QStringLiteral("selunit")));

        Press(form.NumCtl1[1], Qt::LeftButton, QPoint(10, 10));
        Press(form.NumCtl1[4], Qt::RightButton, QPoint(10, 10));
        MoveOver(form.NumCtl1[1], QPoint(5, 5));
        QVERIFY(Save(&form, QStringLiteral("selunit_range")));

        form.lstSeries->setCurrentRow(0);
        QVERIFY(Save(&form, QStringLiteral("selunit_user")));
        emit form.lstBook->customContextMenuRequested(QPoint(20, 10));
        QVERIFY(form.MNU_USERBOOK->isVisible());
        QVERIFY(Save(form.MNU_USERBOOK, QStringLiteral("menu")));
        form.MNU_USERBOOK->hide();
    }

    void courseWindowNothingChosen()
    {
        CourseEnv env;
        int series = 1, book = 1;
        QVERIFY(LoadWorld(env, series, book));
        gUser->userName = QStringLiteral("小明");
        CourseEnv::SetLast(series, book, 70, 80);
        FormSelUnit form;
        form.show();
        QVERIFY(Save(&form, QStringLiteral("selunit_none")));
    }

    void importWindow()
    {
        CourseEnv env;
        int series = 1, book = 1;
        QVERIFY(LoadWorld(env, series, book));
        FormAddUserBookUnit form;
        form.show();
        QVERIFY(Save(&form, QStringLiteral("import")));
        form.txtBookName->setText(QStringLiteral("我的动物词库"));
        form.txtWords->setPlainText(QStringLiteral("#Unit 1 Pets\ncat\ndog\nfish\nbird\n\n#Unit 2 Farm\nduck\nhorse\ncow\npig\n"));
        QVERIFY(Save(&form, QStringLiteral("import_text")));
    }

    void reviewWindow()
    {
        CourseEnv env;
        int series = 1, book = 1;
        QVERIFY(LoadWorld(env, series, book));
        FormResult review;
        review.myStr = QStringLiteral("#Unit 1 Pets\r\ncat\r\ndgo\r\nfish\r\nbrid\r\n\r\n#Unit 2 Farm\r\nduck\r\nhorse\r\ncow\r\npig\r\n");
        review.errWords = QStringLiteral("dgo\r\nbrid");
        review.show();
        QVERIFY(Save(&review, QStringLiteral("review")));
        review.btnModify->click();
        review.txtWord->setText(QStringLiteral("dog"));
        QVERIFY(Save(&review, QStringLiteral("review_typing")));
        review.txtWord_Enter();
        review.btnDel_Click();
        QVERIFY(Save(&review, QStringLiteral("review_done")));
    }
};

TALLIVO_SHOTS(CourseShots)
#include "shots_course.moc"
