// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The learning record: the categories, the colours and words of the rows,
// export, practise, and that looking changes nothing.
#include "recordsenv.h"
#include "support/testmain.h"
#include "records/formnewword.h"
#include "records/formrecord.h"
#include "records/wordrowlist.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/listitem.h"
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

namespace {

QStringList Rows(const WordListDialog &form)
{
    QStringList out;
    for (int i = 1; i <= form.RowCount(); ++i)
        out << form.PicBase->listItemArr[size_t(i)]->EN();
    return out;
}

// Option index by caption.
int Option(const FormRecord &form, const QString &caption)
{
    for (size_t k = 0; k < form.opSel.size(); ++k) {
        if (form.opSel[k]->text() == caption)
            return int(k);
    }
    return -1;
}

// Relative luminance contrast of a text colour against white.
double ContrastOnWhite(const QColor &c)
{
    const auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    const double l = 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    return 1.05 / (l + 0.05);
}

} // namespace

class FormRecordTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnAllWordsOfTheCourse()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 2));
        FormRecord form;
        QCOMPARE(form.windowTitle(), QStringLiteral("单元学习记录"));
        QCOMPARE(form.iRet, 0);
        QStringList captions;
        for (QRadioButton *op : form.opSel)
            captions << op->text();
        QCOMPARE(captions, (QStringList{"全部", "常出错的", "正在练习", "很熟悉的", "尚未练习"}));
        QVERIFY(form.opSel[0]->isChecked());
        QCOMPARE((QList<int>{form.newwordSeriesID, form.newwordBookID, form.sUnitID, form.eUnitID}), (QList<int>{1, 1, 1, 2}));
        QCOMPARE(Rows(form), (QStringList{"apple", "banana", "cat", "dog", "egg", "ice-cream", "Colour"}));
        QCOMPARE(form.BookUnitTitleCtl1->lblUnits->text(), QStringLiteral("Unit 1 <--> Unit 2【全部：7个】"));
        QVERIFY(form.btnPrint->isEnabled());
    }

    void scoresGiveLabelColourAndCategory_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("colour");
        QTest::addRow("-7") << -7 << "常出错的" << QColor(0xC6, 0x28, 0x28);
        QTest::addRow("-6") << -6 << "正在练习" << QColor(0x2B, 0x2D, 0x42);
        QTest::addRow("0") << 0 << "尚未练习" << QColor(0x1F, 0x5F, 0xBF);
        QTest::addRow("6") << 6 << "正在练习" << QColor(0x2B, 0x2D, 0x42);
        QTest::addRow("7") << 7 << "很熟悉的" << QColor(0x1E, 0x7B, 0x45);
    }
    void scoresGiveLabelColourAndCategory()
    {
        QFETCH(int, score);
        QFETCH(QString, label);
        QFETCH(QColor, colour);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        // apple gets the score; banana and cat stay at -1 (practising)
        env.Word(QStringLiteral("banana"))->iTestResult = -1;
        env.Word(QStringLiteral("cat"))->iTestResult = -1;
        env.Word(QStringLiteral("apple"))->iTestResult = score;
        FormRecord form;
        const listItem *apple = form.PicBase->listItemArr[1];
        QCOMPARE(apple->EN(), QStringLiteral("apple"));
        QCOMPARE(apple->Level(), label);
        QCOMPARE(apple->lblEN->palette().color(QPalette::WindowText), colour);
        QCOMPARE(apple->lblLevel->palette().color(QPalette::WindowText), colour);
        QVERIFY(ContrastOnWhite(colour) >= 4.5);
        for (size_t k = 1; k < form.opSel.size(); ++k) {
            ClickBox(form.opSel[k]);
            const QString category = form.opSel[k]->text();
            QCOMPARE(Rows(form).contains(QStringLiteral("apple")), category == label);
            QCOMPARE(form.btnPrint->isEnabled(), form.RowCount() > 0);
        }
        ClickBox(form.opSel[size_t(Option(form, label))]);
        QVERIFY(form.BookUnitTitleCtl1->lblUnits->text().contains(QStringLiteral("【") + label));

        // the new-word book shows the same state in the same colour
        RecordsEnv::Mark(1, {QStringLiteral("apple")});
        gUser->nNewWordBookID = 1;
        FormNewWord book;
        QCOMPARE(book.PicBase->listItemArr[1]->EN(), QStringLiteral("apple"));
        QCOMPARE(book.PicBase->listItemArr[1]->lblEN->palette().color(QPalette::WindowText), colour);
    }

    void anEmptyCategoryListsNothing()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 4));
        FormRecord form;
        form.show();
        QVERIFY(form.PicBase->VScroll1->isVisible());
        ClickBox(form.opSel[size_t(Option(form, QStringLiteral("很熟悉的")))]);
        QCOMPARE(form.RowCount(), 0);
        QVERIFY(!form.PicBase->VScroll1->isVisible());
        QVERIFY(!form.btnPrint->isEnabled());
    }

    void browsingEveryCategoryChangesNothing_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addRow("one unit") << 2 << 2;
        QTest::addRow("a range") << 1 << 3;
    }
    void browsingEveryCategoryChangesNothing()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, first, last));
        env.Word(QStringLiteral("dog"))->iTestResult = -9;
        env.Word(QStringLiteral("red"))->iTestResult = 9;
        ClassUnit *unit = gCurrUnit;
        const QStringList words = RecordsEnv::Spellings(gCurrUnit);
        const QString caption = gCurrUnit->UnitCaption;
        const QList<int> selection{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit};
        {
            FormRecord form;
            for (QRadioButton *op : form.opSel)
                ClickBox(op);
            form.reject();
        }
        QCOMPARE(gCurrUnit, unit);
        QCOMPARE(RecordsEnv::Spellings(gCurrUnit), words);
        QCOMPARE(gCurrUnit->UnitCaption, caption);
        QCOMPARE((QList<int>{gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit, gUser->nLastEndUnit}), selection);
    }

    void practisingACategory_data()
    {
        QTest::addColumn<int>("oftenWrong");
        QTest::addRow("three") << 3;
        QTest::addRow("four") << 4;
    }
    void practisingACategory()
    {
        QFETCH(int, oftenWrong);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 3, 3));
        const QStringList wrong{QStringLiteral("red"), QStringLiteral("pen"), QStringLiteral("desk"), QStringLiteral("bird")};
        for (const QString &w : wrong.mid(0, oftenWrong))
            env.Word(w)->iTestResult = -8;
        ClassUnit *before = gCurrUnit;
        FormRecord form;
        ClickBox(form.opSel[size_t(Option(form, QStringLiteral("常出错的")))]);
        QTest::mouseClick(form.btnStart, Qt::LeftButton);
        if (oftenWrong < 4) {
            QCOMPARE(form.iRet, 0);
            QCOMPARE(env.MsgTexts(), QStringList{QStringLiteral("用于练习的单词不能少于4个！")});
            QCOMPARE(gCurrUnit, before);
            return;
        }
        QCOMPARE(form.iRet, 1);
        QCOMPARE(RecordsEnv::Spellings(gCurrUnit), wrong);
        QCOMPARE(gCurrUnit->UnitCaption, QStringLiteral("Unit 3【常出错的：4个】"));
    }

    void withTheNewWordBookCurrentTheCourseIsShown()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 2, 2));
        RecordsEnv::Mark(1, {QStringLiteral("pig"), QStringLiteral("cow"), QStringLiteral("duck"), QStringLiteral("fish")});
        {
            FormNewWord book;
            book.btnStart_Click();
            QCOMPARE(book.iRet, 1);
        }
        FormRecord form;
        QCOMPARE(Rows(form), (QStringList{"dog", "egg", "ice-cream", "Colour"}));
        form.btnStart_Click();
        QCOMPARE(form.iRet, 1);
        QCOMPARE(gCurrBook->BookName, QStringLiteral("Book One"));
        QCOMPARE(RecordsEnv::Spellings(gCurrUnit), (QStringList{"dog", "egg", "ice-cream", "Colour"}));
    }

    void exporting_data()
    {
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("English only") << false << QByteArray("\r\napple\r\nbanana\r\ncat\r\n");
        QTest::addRow("with Chinese") << true << QString("\r\napple\t\tn. 苹果\r\nbanana\t\tn. 香蕉\r\ncat\t\tn. 猫\r\n").toUtf8();
    }
    void exporting()
    {
        QFETCH(bool, chinese);
        QFETCH(QByteArray, bytes);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        QVERIFY(QDir().mkpath(env.docs));
        FormRecord form;
        env.fake->saveAnswers << env.DocFile(QStringLiteral("record"));
        env.fake->msgAnswers << (chinese ? MsgResult::Yes : MsgResult::No);
        QTest::mouseClick(form.btnPrint, Qt::LeftButton);
        QCOMPARE(env.fake->saveDialogs[0].title, QStringLiteral("导出学习记录"));
        QCOMPARE(env.fake->saveDialogs[0].startDir, env.docs);
        const QString file = env.DocFile(QStringLiteral("record.txt"));
        QCOMPARE(coursefix::FileBytes(file), bytes);
        QCOMPARE(env.fake->msgCaptions(), (QStringList{QStringLiteral("单词学习记录"), QStringLiteral("导出用户学习记录")}));
        QCOMPARE(env.MsgTexts().last(), QStringLiteral("学习记录已保存在：\r\n\r\n") + QDir::toNativeSeparators(file));
    }

    void aFailedExportIsNotReportedAsDone()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        FormRecord form;
        env.fake->saveAnswers << QStringLiteral("/proc/tallivo-record.txt");
        form.btnPrint_Click();
        QCOMPARE(env.MsgTexts().last(), QStringLiteral("未知原因导致操作失败!"));
        QCOMPARE(env.MsgTexts().filter(QStringLiteral("学习记录已保存在")).size(), 0);
    }

    void noCourseShowsAnEmptyWindow_data()
    {
        QTest::addColumn<bool>("rangeOutside");
        QTest::addRow("no current course") << false;
        QTest::addRow("range outside the book") << true;
    }
    void noCourseShowsAnEmptyWindow()
    {
        QFETCH(bool, rangeOutside);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        if (rangeOutside) {
            gUser->nLastStartUnit = 7;
            gUser->nLastEndUnit = 9;
        } else {
            gCurrSeries = nullptr;
            gCurrBook = nullptr;
            gCurrUnit = nullptr;
        }
        FormRecord form;
        QCOMPARE(form.RowCount(), 0);
        QVERIFY(!form.btnPrint->isEnabled());
        form.btnStart_Click();
        QCOMPARE(form.iRet, 0);
    }
};

TALLIVO_TEST(FormRecordTest)
#include "tst_formrecord.moc"
