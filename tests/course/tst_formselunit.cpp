// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The course window: choosing a series, a book and a range of units, what
// OK and Cancel leave behind, and the menu of the user's own books.
#include "courseenv.h"
#include "support/pointer.h"
#include "support/testmain.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "course/formadduserbookunit.h"
#include "course/formselunit.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/numctl.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/cseries.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kQuestion = QStringLiteral("您还没有添加自定义词库,是否现在添加?");

// "L3 R7 M2": press tile 3 with the left button, then tile 7 with the right...
void PressTiles(FormSelUnit &form, const QString &clicks)
{
    for (const QString &c : clicks.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const Qt::MouseButton b = c[0] == QLatin1Char('R')   ? Qt::RightButton
                                  : c[0] == QLatin1Char('M') ? Qt::MiddleButton
                                                             : Qt::LeftButton;
        const int i = c.mid(1).toInt();
        QVERIFY2(i >= 1 && i < int(form.NumCtl1.size()), qPrintable(c));
        Press(form.NumCtl1[size_t(i)], b, QPoint(10, 10));
    }
}

QList<int> SelectedTiles(const FormSelUnit &form)
{
    QList<int> out;
    for (size_t i = 1; i < form.NumCtl1.size(); ++i) {
        if (form.NumCtl1[i]->Selected)
            out << int(i);
    }
    return out;
}

QList<int> Range(int s, int e)
{
    QList<int> out;
    for (int i = s; i <= e && s > 0; ++i)
        out << i;
    return out;
}

using coursefix::FileBytes;
using coursefix::Items;

QString Units(const FormSelUnit &form)
{
    return form.BookUnitTitleCtl1->lblUnits->text();
}

const QList<QPair<QString, QStringList>> kThreeBooks{
    {QStringLiteral("First"), {QStringLiteral("apple"), QStringLiteral("cat")}},
    {QStringLiteral("Second"), {QStringLiteral("dog"), QStringLiteral("egg")}},
    {QStringLiteral("Third"), {QStringLiteral("red"), QStringLiteral("blue")}},
};

} // namespace

class FormSelUnitTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheFirstCourseForANewProfile()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        FormSelUnit form;
        QCOMPARE(form.ret, false);
        QCOMPARE(Items(form.lstSeries), (QStringList{QStringLiteral("我的词库"), wbfix::kSeries1, wbfix::kSeries2}));
        QCOMPARE(form.lstSeries->currentRow(), 1);
        QCOMPARE(Items(form.lstBook), (QStringList{QStringLiteral("Book One"), QStringLiteral("Book Two")}));
        QCOMPARE(form.lstBook->currentRow(), 0);
        QCOMPARE(SelectedTiles(form), Range(1, 1));
        QVERIFY(form.cmdOK->isEnabled());
        QCOMPARE(form.BookUnitTitleCtl1->lblSeriesBook->text(), QStringLiteral("[") + wbfix::kSeries1 + "]Book One");
        QCOMPARE(Units(form), QStringLiteral("Unit 1【全部：3个】"));
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    void opensOnTheLastCourse()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        CourseEnv::SetLast(2, 1, 1, 1);
        FormSelUnit form;
        QCOMPARE(form.lstSeries->currentRow(), 2);
        QCOMPARE(Items(form.lstBook), QStringList{QStringLiteral("Book A")});
        QCOMPARE(SelectedTiles(form), Range(1, 1));
    }

    void tileChoices_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        // the window opens with Lessons 5..8 of the big book chosen
        QTest::addRow("left picks one") << "L3" << 3 << 3;
        QTest::addRow("middle acts as left") << "M9" << 9 << 9;
        QTest::addRow("right below the range") << "R3" << 3 << 5;
        QTest::addRow("right inside the range") << "R7" << 5 << 7;
        QTest::addRow("right above the range") << "R12" << 5 << 12;
        QTest::addRow("right on the anchor") << "R5" << 5 << 5;
        QTest::addRow("left then right") << "L10 R2" << 2 << 10;
    }
    void tileChoices()
    {
        QFETCH(QString, clicks);
        QFETCH(int, first);
        QFETCH(int, last);
        CourseEnv env;
        wbfix::Install what;
        what.bank = coursefix::BankWithBigBook();
        QVERIFY(env.Load(what));
        CourseEnv::SetLast(1, 3, 5, 8);
        FormSelUnit form;
        QCOMPARE(SelectedTiles(form), Range(5, 8));
        PressTiles(form, clicks);
        QCOMPARE(SelectedTiles(form), Range(first, last));
        QCOMPARE(form.sTmpUnitID, first);
        QCOMPARE(form.eTmpUnitID, last);
        QCOMPARE(form.nSelUnits(), last - first + 1);
        QVERIFY(form.cmdOK->isEnabled());
        const QString tail = QStringLiteral("【全部：%1个】").arg(last - first + 1);
        QCOMPARE(Units(form), first == last ? QStringLiteral("Lesson %1").arg(first) + tail
                                            : QStringLiteral("Lesson %1 <--> Lesson %2").arg(first).arg(last) + tail);
    }

    void noUnitChosen_data()
    {
        QTest::addColumn<QString>("click");
        QTest::addRow("then a left click") << "L2";
        QTest::addRow("then a right click") << "R2";
    }
    void noUnitChosen()
    {
        QFETCH(QString, click);
        CourseEnv env;
        QVERIFY(env.Load());
        // a stored range beyond the book's four units
        CourseEnv::SetLast(1, 1, 7, 9);
        FormSelUnit form;
        QCOMPARE(form.NumCtl1.size(), size_t(5));
        QVERIFY(SelectedTiles(form).isEmpty());
        QCOMPARE(form.nSelUnits(), 0);
        QCOMPARE(Units(form), QStringLiteral("未选择任何单元"));
        QVERIFY(!form.cmdOK->isEnabled());
        QCOMPARE(form.lblUnitName->text(), QStringLiteral("单元名称："));
        for (NumCtl *t : form.NumCtl2)
            QVERIFY(t->isHidden());

        form.cmdOK_Click();
        QCOMPARE(env.MsgTexts(), QStringList{QStringLiteral("请选择要学习的单元！")});
        QCOMPARE(env.fake->msgBoxes.last().caption, QStringLiteral("选择单元"));
        QCOMPARE(env.fake->msgBoxes.last().icon, MsgIcon::Critical);
        QVERIFY(!form.ret);

        PressTiles(form, click);
        QCOMPARE(SelectedTiles(form), Range(2, 2));
        QVERIFY(form.cmdOK->isEnabled());
        QCOMPARE(Units(form).left(6), QStringLiteral("Unit 2"));
    }

    void tilesInRowsOfTen_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("pos");
        QTest::addRow("first") << 1 << QPoint(2, 2);
        QTest::addRow("tenth ends the row") << 10 << QPoint(326, 2);
        QTest::addRow("eleventh starts a row") << 11 << QPoint(2, 38);
        QTest::addRow("twelfth") << 12 << QPoint(38, 38);
    }
    void tilesInRowsOfTen()
    {
        QFETCH(int, index);
        QFETCH(QPoint, pos);
        CourseEnv env;
        wbfix::Install what;
        what.bank = coursefix::BankWithBigBook();
        QVERIFY(env.Load(what));
        CourseEnv::SetLast(1, 3, 1, 1);
        FormSelUnit form;
        QCOMPARE(form.NumCtl1.size(), size_t(13));
        QVERIFY(form.NumCtl1[0]->isHidden());
        QCOMPARE(form.NumCtl1[size_t(index)]->pos(), pos);
        QCOMPARE(form.NumCtl1[size_t(index)]->size(), QSize(36, 36));
        QCOMPARE(form.NumCtl1[size_t(index)]->parentWidget(), form.Picture1);
        QVERIFY(form.Picture1->height() >= pos.y() + 36);
        QCOMPARE(form.NumCtl1[size_t(index)]->lblNum->text(), QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0')));

        // another book: the old tiles go, the template stays
        form.lstBook->setCurrentRow(0);
        QCOMPARE(form.NumCtl1.size(), size_t(5));
        QCOMPARE(form.NumCtl1[4]->pos(), QPoint(110, 2));
    }

    void otherBookOrSeriesResetsTheRange()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        CourseEnv::SetLast(1, 1, 2, 3);
        FormSelUnit form;
        QCOMPARE(SelectedTiles(form), Range(2, 3));
        form.lstBook->setCurrentRow(1);
        QCOMPARE(form.tmpBookID, 2);
        QCOMPARE(SelectedTiles(form), Range(1, 1));
        PressTiles(form, QStringLiteral("L1"));
        form.lstBook->setCurrentRow(0);
        QCOMPARE(SelectedTiles(form), Range(1, 1));
        PressTiles(form, QStringLiteral("L2 R4"));
        form.lstSeries->setCurrentRow(2);
        QCOMPARE(form.tmpSeriesID, 2);
        QCOMPARE(form.tmpBookID, 1);
        QCOMPARE(Items(form.lstBook), QStringList{QStringLiteral("Book A")});
        QCOMPARE(SelectedTiles(form), Range(1, 1));
    }

    void hoverShowsTheUnitsResults()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        WordBankEnv::Loaded(1);
        ClassUnit *unit2 = WordBankEnv::Unit(1, 1, 2);
        QVERIFY(unit2);
        unit2->LoadUnitStatus(QStringLiteral("100007000000000000000000000"));
        FormSelUnit form;
        MoveOver(form.NumCtl1[2], QPoint(5, 5));
        QCOMPARE(form.lblUnitName->text(), QStringLiteral("单元名称：Unit 2"));
        QCOMPARE(form.lblWordNum->text(), QStringLiteral("单词数量：") + QString::number(unit2->WordNum()));
        QCOMPARE(form.NumCtl2.size(), size_t(7));
        QCOMPARE(form.NumCtl2[0]->lblNum->text(), QStringLiteral("100"));
        QCOMPARE(form.NumCtl2[1]->lblNum->text(), QStringLiteral("07"));
        QCOMPARE(form.NumCtl2[2]->lblNum->text(), QStringLiteral("00"));
        QVERIFY(!form.NumCtl2[6]->isHidden());
        // moving over tile 1 shows unit 1 again
        MoveOver(form.NumCtl1[1], QPoint(5, 5));
        QCOMPARE(form.lblUnitName->text(), QStringLiteral("单元名称：Unit 1"));
        QCOMPARE(form.NumCtl2[0]->lblNum->text(), QStringLiteral("00"));
    }

    void coverShownOnlyWhenPresent()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        QImage cover(24, 32, QImage::Format_RGB32);
        cover.fill(Qt::red);
        QVERIFY(QDir().mkpath(env.dir.file(QStringLiteral("BookCover/") + wbfix::kSeries1)));
        QVERIFY(cover.save(env.dir.file(QStringLiteral("BookCover/") + wbfix::kSeries1 + "/1.jpg"), "JPG"));
        FormSelUnit form;
        QVERIFY(!form.ImageBook->isHidden());
        QVERIFY(!form.ImageBook->pixmap().isNull());
        form.lstBook->setCurrentRow(1);
        QVERIFY(form.ImageBook->isHidden());
        form.lstBook->setCurrentRow(0);
        QVERIFY(!form.ImageBook->isHidden());
    }

    void okMakesTheChoiceCurrent_data()
    {
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("caption");
        QTest::addRow("one unit is the unit itself") << 1 << "L3" << 3 << 3 << "Unit 3【共有单词 12 个】";
        QTest::addRow("a range is merged") << 1 << "L1 R2" << 1 << 2 << "Unit 1 <--> Unit 2【全部：7个】";
        QTest::addRow("another series") << 2 << "L1" << 1 << 1 << "Unit 1【共有单词 2 个】";
    }
    void okMakesTheChoiceCurrent()
    {
        QFETCH(int, series);
        QFETCH(QString, clicks);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, caption);
        CourseEnv env;
        QVERIFY(env.Load());
        FormSelUnit form;
        form.lstSeries->setCurrentRow(series);
        PressTiles(form, clicks);
        form.cmdOK->click();
        QVERIFY(form.ret);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(gCurrSeries && gCurrBook && gCurrUnit);
        QCOMPARE(gCurrSeries->SeriesID, series);
        QCOMPARE(gCurrBook, WordBankEnv::Book(series, 1));
        QCOMPARE(gCurrUnit->UnitCaption, caption);
        if (first == last)
            QCOMPARE(gCurrUnit, WordBankEnv::Unit(series, 1, first));
        QCOMPARE((QList<int>{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit}),
                 (QList<int>{series, 1, first, last}));
    }

    void cancelLeavesTheCurrentCourseAlone()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        WordBankEnv::Loaded(1);
        QVERIFY(gWordBank->SelectCourse(1, 1, 1, 2, WordCategory::All));
        ClassUnit *current = gCurrUnit;
        const QString caption = current->UnitCaption;
        const QStringList words = WordBankEnv::Spellings(current);
        FormSelUnit form;
        QCOMPARE(SelectedTiles(form), Range(1, 2));
        // browsing the same book's other units must not refill what is being learnt
        PressTiles(form, QStringLiteral("L3 R4"));
        QVERIFY(Units(form).startsWith(QStringLiteral("Unit 3 <--> Unit 4【")));
        form.cmdCancel->click();
        QVERIFY(!form.ret);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(gCurrUnit, current);
        QCOMPARE(current->UnitCaption, caption);
        QCOMPARE(WordBankEnv::Spellings(current), words);
        QCOMPARE((QList<int>{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit}),
                 (QList<int>{1, 1, 1, 2}));
    }

    // Leaving without confirming: a profile whose course is gone takes the
    // first one; a new profile gets nothing, so the start-up asks again.
    void leavingWithoutACourse_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<bool>("newProfile");
        QTest::addRow("course gone, cancel button") << 0 << false;
        QTest::addRow("course gone, window closed") << 1 << false;
        QTest::addRow("course gone, escape key") << 2 << false;
        QTest::addRow("new profile, cancel button") << 0 << true;
        QTest::addRow("new profile, window closed") << 1 << true;
        QTest::addRow("new profile, escape key") << 2 << true;
    }
    void leavingWithoutACourse()
    {
        QFETCH(int, how);
        QFETCH(bool, newProfile);
        CourseEnv env;
        QVERIFY(env.Load());
        if (!newProfile)
            CourseEnv::SetLast(2, 1, 1, 1); // its status file named a course, none is current
        FormSelUnit form;
        form.show();
        form.lstSeries->setCurrentRow(2); // looked around, chose nothing
        if (how == 0)
            form.cmdCancel->click();
        else if (how == 1)
            form.close();
        else
            QTest::keyClick(&form, Qt::Key_Escape);
        const QList<int> last{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit};
        if (newProfile) {
            QVERIFY(!form.ret);
            QVERIFY(!gCurrSeries && !gCurrBook && !gCurrUnit);
            QCOMPARE(last, (QList<int>{-1, -1, -1, -1}));
            return;
        }
        QVERIFY(form.ret);
        QVERIFY(gCurrSeries && gCurrBook && gCurrUnit);
        QCOMPARE(gCurrSeries->SeriesID, 1);
        QCOMPARE(gCurrUnit, WordBankEnv::Unit(1, 1, 1));
        QCOMPARE(last, (QList<int>{1, 1, 1, 1}));
    }

    void wordBankWithoutSeries()
    {
        CourseEnv env;
        wbfix::Install what;
        what.bank = {};
        QVERIFY(env.Load(what));
        QCOMPARE(gWordBank->SeriesNum(), 0);
        env.fake->msgAnswers << QList<MsgResult>{MsgResult::Cancel};
        FormSelUnit form;
        QCOMPARE(env.CountMsg(kQuestion), 1);
        QCOMPARE(Items(form.lstSeries), QStringList{QStringLiteral("我的词库")});
        QCOMPARE(form.lstSeries->currentRow(), -1);
        QCOMPARE(form.lstBook->count(), 0);
        QVERIFY(!form.cmdOK->isEnabled());
        form.cmdCancel->click();
        QVERIFY(!form.ret);
        QVERIFY(!gCurrUnit);
        QCOMPARE(env.MsgTexts(), QStringList{kQuestion});
    }

    void wordBankWithoutSeriesStillOffersUserBooks()
    {
        CourseEnv env;
        wbfix::Install what;
        what.bank = {};
        QVERIFY(env.LoadWith(kThreeBooks, what));
        FormSelUnit form;
        QCOMPARE(form.lstSeries->currentRow(), 0);
        QCOMPARE(Items(form.lstBook), (QStringList{QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third")}));
        form.cmdOK->click();
        QVERIFY(form.ret);
        QCOMPARE(gCurrSeries->SeriesID, 0);
        QCOMPARE(gCurrBook->BookName, QStringLiteral("First"));
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    void emptyUserSeriesAsksOnce_data()
    {
        QTest::addColumn<int>("lastSeries");
        QTest::addColumn<int>("backTo");
        QTest::addRow("last course was a deleted user book") << 0 << 1;
        QTest::addRow("chosen while series 2 was shown") << 2 << 2;
    }
    void emptyUserSeriesAsksOnce()
    {
        QFETCH(int, lastSeries);
        QFETCH(int, backTo);
        CourseEnv env;
        QVERIFY(env.Load());
        CourseEnv::SetLast(lastSeries, 1, 1, 1);
        env.fake->msgAnswers << QList<MsgResult>{MsgResult::Cancel, MsgResult::Cancel};
        FormSelUnit form;
        if (lastSeries != 0)
            form.lstSeries->setCurrentRow(0);
        QCOMPARE(env.CountMsg(kQuestion), 1);
        const MsgBoxCall &q = env.fake->msgBoxes.first();
        QCOMPARE(q.caption, QStringLiteral("自定义词库"));
        QCOMPARE(q.icon, MsgIcon::Information);
        QCOMPARE(q.buttons, MsgButtons::OKCancel);
        QCOMPARE(form.lstSeries->currentRow(), backTo);
        QCOMPARE(form.tmpSeriesID, backTo);
        QVERIFY(form.lstBook->count() > 0);
        QVERIFY(form.cmdOK->isEnabled());
    }

    void importFromTheQuestionThenCancelDoesNotLoop()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        FormSelUnit form;
        env.fake->msgAnswers << QList<MsgResult>{MsgResult::OK};
        ModalDriver steps;
        steps.Then([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
        form.lstSeries->setCurrentRow(0);
        QCOMPARE(steps.seen, QStringList{QStringLiteral("FormAddUserBookUnit")});
        QCOMPARE(env.CountMsg(kQuestion), 1);
        QCOMPARE(form.lstSeries->currentRow(), 1);
        QCOMPARE(form.lstBook->count(), 2);
    }

    void importFromTheQuestionShowsTheNewBook()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        FormSelUnit form;
        env.fake->msgAnswers << QList<MsgResult>{MsgResult::OK};
        ModalDriver steps;
        steps.Then([](QWidget *w) {
            auto *imp = qobject_cast<FormAddUserBookUnit *>(w);
            QVERIFY(imp);
            imp->txtBookName->setText(QStringLiteral("Pets"));
            imp->txtWords->setPlainText(QStringLiteral("#Home\ncat\ndog\nfish\nbird\n"));
            imp->cmdSave->click();
        });
        form.lstSeries->setCurrentRow(0);
        QCOMPARE(form.lstSeries->currentRow(), 0);
        QCOMPARE(form.tmpSeriesID, 0);
        QCOMPARE(Items(form.lstBook), QStringList{QStringLiteral("Pets")});
        QCOMPARE(SelectedTiles(form), Range(1, 1));
        QVERIFY(form.cmdOK->isEnabled());
    }

    void bookMenuOnlyForUserBooks()
    {
        CourseEnv env;
        QVERIFY(env.LoadWith(kThreeBooks));
        CourseEnv::SetLast(0, 1, 1, 1);
        FormSelUnit form;
        form.show();
        QCOMPARE(form.MNU_USERBOOK->actions(),
                 (QList<QAction *>{form.mnu_BOOK_RENAME, form.mnu_BOOK_IMPORT, form.mnu_BOOK_OUTPUT, form.mnu_BOOK_DEL}));
        QCOMPARE(form.mnu_BOOK_RENAME->text(), QStringLiteral("更改词库名称"));
        QCOMPARE(form.mnu_BOOK_DEL->text(), QStringLiteral("删除自定义词库"));
        emit form.lstBook->customContextMenuRequested(QPoint(4, 4));
        QVERIFY(form.MNU_USERBOOK->isVisible());
        form.MNU_USERBOOK->hide();
        form.lstSeries->setCurrentRow(1);
        emit form.lstBook->customContextMenuRequested(QPoint(4, 4));
        QVERIFY(!form.MNU_USERBOOK->isVisible());
    }

    void renameUserBook_data()
    {
        // clang-format off
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("firstName");
        const QString refused = QStringLiteral("非法的课本名称!请更改课本名称");
        QTest::addRow("cleaned and saved") << "\t New Name  " << "" << "New Name";
        QTest::addRow("cancel") << "" << "词库名不能为空!" << "First";
        QTest::addRow("blank") << " \t " << "词库名不能为空!" << "First";
        QTest::addRow("the new-word book's name") << "系统生词本" << refused << "First";
        QTest::addRow("the series' name") << "我的词库" << refused << "First";
        QTest::addRow("another book's name") << "Third" << refused << "First";
        QTest::addRow("its own name") << "First" << "" << "First";
        // clang-format on
    }
    void renameUserBook()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(QString, firstName);
        CourseEnv env;
        QVERIFY(env.LoadWith(kThreeBooks));
        CourseEnv::SetLast(0, 1, 1, 1);
        const QByteArray before = FileBytes(gUserBookFile);
        FormSelUnit form;
        env.fake->inputAnswers << QList<QString>{answer};
        form.mnu_BOOK_RENAME->trigger();
        QCOMPARE(env.fake->inputBoxes.size(), 1);
        QCOMPARE(env.fake->inputBoxes[0].title, QStringLiteral("修改自定义词库名称"));
        QCOMPARE(env.fake->inputBoxes[0].prompt, QStringLiteral("您正在修改的词库名是【First】\r\n\r\n请输入新词库名："));
        QCOMPARE(env.fake->inputBoxes[0].defaultText, QString());
        QCOMPARE(env.MsgTexts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(env.fake->msgBoxes[0].caption, QStringLiteral("自定义词库"));
            QCOMPARE(env.fake->msgBoxes[0].icon, MsgIcon::Critical);
            QCOMPARE(FileBytes(gUserBookFile), before);
        }
        QCOMPARE(Items(form.lstBook), (QStringList{firstName, QStringLiteral("Second"), QStringLiteral("Third")}));
        QStringList lines;
        QVERIFY(ReadTextFileLines(gUserBookFile, lines));
        QVERIFY(lines.contains(QStringLiteral("%") + firstName));
        QCOMPARE(form.lstBook->currentRow(), 0);
    }

    void exportUserBook_data()
    {
        // clang-format off
        QTest::addColumn<QString>("bookName");
        QTest::addColumn<QString>("fileName");
        QTest::addRow("plain name") << "My Book" << "【自定义词库】My Book.txt";
        QTest::addRow("characters a file name cannot hold") << "A/B:C*?" << "【自定义词库】A_B_C__.txt";
        // clang-format on
    }
    void exportUserBook()
    {
        QFETCH(QString, bookName);
        QFETCH(QString, fileName);
        CourseEnv env;
        QVERIFY(env.LoadWith({{bookName, {QStringLiteral("apple"), QStringLiteral("ice-cream")}}}));
        CourseEnv::SetLast(0, 1, 1, 1);
        FormSelUnit form;
        QCOMPARE(Items(form.lstBook), QStringList{bookName});
        form.mnu_BOOK_OUTPUT->trigger();
        const QString path = env.docs + QLatin1Char('/') + fileName;
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QCOMPARE(QString::fromUtf8(FileBytes(path)),
                 QStringLiteral("%") + bookName + "\r\n\r\n#Unit 1\r\napple\r\nicecream\r\n\r\n\r\n");
        QCOMPARE(env.MsgTexts(), QStringList{QStringLiteral("导出的自定义词库已保存在：\r\n\r\n") + QDir::toNativeSeparators(path)});
        QCOMPARE(env.fake->msgBoxes[0].caption, QStringLiteral("导出词库"));
        QCOMPARE(env.fake->msgBoxes[0].icon, MsgIcon::Information);
    }

    void exportFailureIsNotReportedAsSuccess()
    {
        CourseEnv env;
        QVERIFY(env.LoadWith(kThreeBooks));
        CourseEnv::SetLast(0, 1, 1, 1);
        // a file where the folder should be
        const QString blocker = env.docsRoot.path() + QStringLiteral("/not-a-folder");
        QVERIFY(WriteFileBytes(blocker, "x"));
        SetDocumentsFolder(blocker + QStringLiteral("/Documents"));
        FormSelUnit form;
        form.mnu_BOOK_OUTPUT->trigger();
        QCOMPARE(env.MsgTexts(), QStringList{QStringLiteral("未知原因导致操作失败!")});
    }

    void deleteUserBook_data()
    {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<QStringList>("books");
        QTest::addRow("confirmed") << MsgResult::OK << QStringList{QStringLiteral("First"), QStringLiteral("Third")};
        QTest::addRow("cancelled") << MsgResult::Cancel
                                   << QStringList{QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third")};
    }
    void deleteUserBook()
    {
        QFETCH(MsgResult, answer);
        QFETCH(QStringList, books);
        CourseEnv env;
        QVERIFY(env.LoadWith(kThreeBooks));
        CourseEnv::SetLast(0, 2, 1, 1);
        FormSelUnit form;
        QCOMPARE(form.lstBook->currentRow(), 1);
        env.fake->msgAnswers << QList<MsgResult>{answer};
        form.mnu_BOOK_DEL->trigger();
        QCOMPARE(env.MsgTexts(),
                 QStringList{QStringLiteral("正准备删除自定义词库【Second】，词库删除后不能自动恢复。\r\n\r\n是否确定要删除？")});
        QCOMPARE(env.fake->msgBoxes[0].buttons, MsgButtons::OKCancel);
        QCOMPARE(Items(form.lstBook), books);
        QStringList lines;
        QVERIFY(ReadTextFileLines(gUserBookFile, lines));
        QStringList saved;
        for (const QString &l : lines) {
            if (l.startsWith(QLatin1Char('%')))
                saved << l.mid(1);
        }
        QCOMPARE(saved, books);
    }

    void deletingTheLastBookAsksOnTheNextChoice()
    {
        CourseEnv env;
        QVERIFY(env.LoadWith({{QStringLiteral("Only"), {QStringLiteral("apple")}}}));
        CourseEnv::SetLast(0, 1, 1, 1);
        FormSelUnit form;
        env.fake->msgAnswers << QList<MsgResult>{MsgResult::OK, MsgResult::Cancel};
        form.mnu_BOOK_DEL->trigger();
        QCOMPARE(env.MsgTexts().size(), 2);
        QCOMPARE(env.MsgTexts().at(1), kQuestion);
        QCOMPARE(form.lstSeries->currentRow(), 1);
        QCOMPARE(form.lstBook->count(), 2);
    }

    void deletingAnEarlierBookKeepsTheProfileOnTheCurrentOne()
    {
        CourseEnv env;
        QVERIFY(env.LoadWith(kThreeBooks));
        QVERIFY(gWordBank->SelectCourse(0, 3, 1, 1, WordCategory::All));
        ClassBook *third = gCurrBook;
        CourseEnv::SetLast(0, 3, 1, 1);
        FormSelUnit form;
        form.lstBook->setCurrentRow(0);
        env.fake->msgAnswers << QList<MsgResult>{MsgResult::OK};
        form.mnu_BOOK_DEL->trigger();
        QCOMPARE(gCurrBook, third);
        QCOMPARE(gUser->nLastBook, 2);
        form.cmdCancel->click();
        QVERIFY(!form.ret);
        QCOMPARE(gCurrBook, third);
    }

    // The book that moves into a deleted book's place is another book: its
    // selection starts at unit 1, not at the deleted book's range.
    void deletingABookSelectsUnitOneOfTheNext()
    {
        CourseEnv env;
        const QString books = QStringLiteral("@我的词库\r\n@2024/5/1\r\n"
                                             "\r\n%Big\r\n\r\n#U1\r\napple\r\n\r\n#U2\r\ncat\r\n\r\n#U3\r\ndog\r\n\r\n"
                                             "\r\n%Next\r\n\r\n#N1\r\negg\r\n\r\n#N2\r\nred\r\n\r\n#N3\r\nblue\r\n\r\n\r\n");
        QVERIFY(env.dir.writeText(QStringLiteral("usrdat/uDRW90.UCK"), books));
        wbfix::Install what;
        what.userBook = false;
        QVERIFY(env.Load(what));
        CourseEnv::SetLast(0, 1, 2, 3);
        FormSelUnit form;
        QCOMPARE(SelectedTiles(form), Range(2, 3));
        env.fake->msgAnswers << QList<MsgResult>{MsgResult::OK};
        form.mnu_BOOK_DEL->trigger();
        QCOMPARE(Items(form.lstBook), QStringList{QStringLiteral("Next")});
        QCOMPARE(form.NumCtl1.size(), size_t(4));
        QCOMPARE(SelectedTiles(form), Range(1, 1));
    }

    void deletingTheCurrentBookFallsBackOnLeaving()
    {
        CourseEnv env;
        QVERIFY(env.LoadWith(kThreeBooks));
        QVERIFY(gWordBank->SelectCourse(0, 1, 1, 1, WordCategory::All));
        FormSelUnit form;
        env.fake->msgAnswers << QList<MsgResult>{MsgResult::OK};
        form.mnu_BOOK_DEL->trigger();
        QVERIFY(!gCurrBook && !gCurrUnit);
        form.cmdCancel->click();
        QVERIFY(form.ret);
        QCOMPARE(gCurrSeries->SeriesID, 1);
        QCOMPARE(gCurrUnit, WordBankEnv::Unit(1, 1, 1));
    }

    void helpAndWebPage()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        FormSelUnit form;
        form.cmdHelp->click();
        form.btnWebBook->click();
        QCOMPARE(env.fake->shellOpened,
                 (QStringList{AppPath(QStringLiteral("dat/help.html")), QString::fromLatin1(FormSelUnit::kWordBankWebPage)}));
    }
};

TALLIVO_TEST(FormSelUnitTest)
#include "tst_formselunit.moc"
