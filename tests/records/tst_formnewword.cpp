// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The new-word book window: the five books, emptying, importing, exporting
// and practising a book.
#include "recordsenv.h"
#include "support/modaldriver.h"
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
#include <QFileInfo>

namespace {

QStringList Rows(const WordListDialog &form)
{
    QStringList out;
    for (int i = 1; i <= form.RowCount(); ++i)
        out << form.PicBase->listItemArr[size_t(i)]->EN();
    return out;
}

const QString kFailure = QStringLiteral("未知原因导致操作失败!");
const QString kImportHead = QStringLiteral("下面的单词不能导入，请仔细检查和修改后导入：\r\n");

} // namespace

class FormNewWordTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheDefaultBook()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        RecordsEnv::Mark(3, {QStringLiteral("dog"), QStringLiteral("apple")});
        gUser->nNewWordBookID = 3;
        FormNewWord form;
        QCOMPARE(form.windowTitle(), QStringLiteral("生词本"));
        QCOMPARE(form.iRet, 0);
        QVERIFY(form.opUnitNo[2]->isChecked());
        QCOMPARE(form.sUnitID, 3);
        QCOMPARE(form.eUnitID, 3);
        QCOMPARE(Rows(form).size(), 2);
        QVERIFY(Rows(form).contains(QStringLiteral("dog")));
        const listItem *row = form.PicBase->listItemArr[1];
        QCOMPARE(row->Level(), QStringLiteral("尚未练习"));
        QCOMPARE(row->lblEN->palette().color(QPalette::WindowText), QColor(0x1F, 0x5F, 0xBF));
        QCOMPARE(form.BookUnitTitleCtl1->lblUnits->text(), QStringLiteral("生词本3【共2个单词】"));
        QVERIFY(form.btnPrint->isEnabled());
        QVERIFY(!form.PicBase->VScroll1->isVisible());

        // another book is the profile's default at once
        ClickBox(form.opUnitNo[0]);
        QCOMPARE(gUser->nNewWordBookID, 1);
        QCOMPARE(Rows(form), QStringList());
        QVERIFY(!form.btnPrint->isEnabled());
        QVERIFY(form.PicBase->VScroll1->isHidden());
    }

    void longBooksScroll()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        QStringList all;
        for (const QString &entry : wbfix::DictEntries())
            all << entry.section(QLatin1Char('\t'), 0, 0);
        RecordsEnv::Mark(1, all);
        FormNewWord form;
        form.show();
        QCOMPARE(form.RowCount(), all.size());
        QScrollBar *bar = form.PicBase->VScroll1;
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->maximum(), all.size() * 34 - form.PicBase->VisibleHeight());
        QCOMPARE(bar->singleStep(), 34);
        QCOMPARE(bar->pageStep(), 5 * 34);
        bar->setValue(100);
        QCOMPARE(form.PicBase->PicInner->y(), -100);
        QCOMPARE(form.focusWidget(), form.btnHelp);
    }

    void emptyingOneBookKeepsTheOthers_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::addRow("OK") << true;
        QTest::addRow("Cancel") << false;
    }
    void emptyingOneBookKeepsTheOthers()
    {
        QFETCH(bool, confirm);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        RecordsEnv::Mark(2, {QStringLiteral("cat"), QStringLiteral("dog")});
        RecordsEnv::Mark(4, {QStringLiteral("cat")});
        gUser->nNewWordBookID = 2;
        FormNewWord form;
        env.fake->msgAnswers << (confirm ? MsgResult::OK : MsgResult::Cancel);
        QTest::mouseClick(form.btnClear, Qt::LeftButton);
        QCOMPARE(env.fake->msgBoxes.size(), 1);
        QCOMPARE(env.fake->msgBoxes[0].text, QStringLiteral("您确定要清空生词本 2 吗？"));
        QCOMPARE(env.fake->msgBoxes[0].caption, QStringLiteral("清空生词本"));
        QCOMPARE(env.fake->msgBoxes[0].buttons, MsgButtons::OKCancel);
        QCOMPARE(Rows(form).size(), confirm ? 0 : 2);
        QCOMPARE(env.Word(QStringLiteral("cat"))->NewWordMark, confirm ? QStringLiteral("00010") : QStringLiteral("01010"));
        ClickBox(form.opUnitNo[3]);
        QCOMPARE(Rows(form), QStringList{QStringLiteral("cat")});
    }

    void importing_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("errors"); // "" : no message, clipboard untouched
        QTest::addRow("known words, comments")
            << QByteArray("#Unit 1\r\napple\r\n\r\n%My Book\r\n  dog\t\r\n@series\r\n") << QStringList{"apple", "dog"}
            << QString();
        // the dictionary has "color"; the unit line of the bank gave it its shown spelling
        QTest::addRow("British spelling") << QByteArray("Colour\n") << QStringList{"Colour"} << QString();
        QTest::addRow("unknown words")
            << QByteArray("apple\r\nflurble\r\nzzz qqq\r\n") << QStringList{"apple"} << QStringLiteral("flurble\r\nzzz qqq\r\n");
        QTest::addRow("GBK file") << recfix::Gbk(QStringLiteral("cat\r\n猫咪\r\n")) << QStringList{"cat"}
                                  << QStringLiteral("猫咪\r\n");
        QTest::addRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF" "egg\r\n") << QStringList{"egg"} << QString();
        // clang-format on
    }
    void importing()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        QFETCH(QString, errors);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        gUser->nNewWordBookID = 5;
        const QString path = env.dir.file(QStringLiteral("words.txt"));
        QVERIFY(WriteFileBytes(path, file));
        env.fake->clipboard = QStringLiteral("kept");
        FormNewWord form;
        env.fake->openAnswers << path << path;
        QTest::mouseClick(form.btnImport, Qt::LeftButton);
        QCOMPARE(env.fake->openDialogs.size(), 1);
        QCOMPARE(env.fake->openDialogs[0].title, QStringLiteral("导入自定义生词本"));
        QCOMPARE(env.fake->openDialogs[0].startDir, env.docs);
        QStringList got = Rows(form);
        got.sort();
        rows.sort();
        QCOMPARE(got, rows);
        for (const QString &w : rows)
            QVERIFY(env.Word(w)->IsNewWord(5));
        if (errors.isEmpty()) {
            QVERIFY(env.fake->msgBoxes.isEmpty());
            QCOMPARE(env.fake->clipboard, QStringLiteral("kept"));
        } else {
            QCOMPARE(env.MsgTexts(), QStringList{kImportHead + errors});
            QCOMPARE(env.fake->msgCaptions(), QStringList{QStringLiteral("导入生词本")});
            QCOMPARE(env.fake->clipboard, errors);
        }
        // the same file again adds nothing
        QTest::mouseClick(form.btnImport, Qt::LeftButton);
        QCOMPARE(form.RowCount(), rows.size());
    }

    void longErrorListIsCutInTheMessageOnly()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        QString text;
        for (int i = 0; i < 60; ++i)
            text += QStringLiteral("nosuchword%1\r\n").arg(i);
        const QString path = env.dir.file(QStringLiteral("bad.txt"));
        QVERIFY(env.dir.writeText(QStringLiteral("bad.txt"), text));
        FormNewWord form;
        env.fake->openAnswers << path;
        form.btnImport_Click();
        QCOMPARE(env.fake->clipboard, text);
        QCOMPARE(env.MsgTexts(), QStringList{kImportHead + text.left(300)});
    }

    void exporting_data()
    {
        QTest::addColumn<QString>("answer"); // from the save dialog
        QTest::addColumn<bool>("chinese");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("English only") << "mine.txt" << false << "mine.txt" << QByteArray("\r\napple\r\ndog\r\n");
        QTest::addRow("with Chinese, .txt added") << "mine" << true << "mine.txt"
                                                  << QString("\r\napple\t\tn. 苹果\r\ndog\t\tn. 狗\r\n").toUtf8();
    }
    void exporting()
    {
        QFETCH(QString, answer);
        QFETCH(bool, chinese);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        QVERIFY(QDir().mkpath(env.docs));
        RecordsEnv::Mark(1, {QStringLiteral("dog"), QStringLiteral("apple")});
        FormNewWord form;
        QCOMPARE(Rows(form), (QStringList{QStringLiteral("apple"), QStringLiteral("dog")}));
        env.fake->saveAnswers << env.DocFile(answer);
        env.fake->msgAnswers << (chinese ? MsgResult::Yes : MsgResult::No);
        QTest::mouseClick(form.btnPrint, Qt::LeftButton);
        QCOMPARE(env.fake->saveDialogs.size(), 1);
        QCOMPARE(env.fake->saveDialogs[0].title, QStringLiteral("导出生词本"));
        QCOMPARE(env.fake->saveDialogs[0].startDir, env.docs);
        QCOMPARE(coursefix::FileBytes(env.DocFile(file)), bytes);
        QCOMPARE(env.MsgTexts(), (QStringList{QStringLiteral("是否在导出的文件中添加单词的中文解释？"),
                                              QStringLiteral("生词本已导出，保存在：\r\n\r\n")
                                                  + QDir::toNativeSeparators(env.DocFile(file))}));
        QCOMPARE(env.fake->msgCaptions(), (QStringList{QStringLiteral("导出生词本"), QStringLiteral("导出生词本")}));
    }

    void aFailedExportIsNotReportedAsDone_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("boxes"); // a folder is refused by the dialog already
        QTest::addRow("unwritable folder") << "/proc/tallivo-export.txt" << 2;
        QTest::addRow("a folder of that name") << "taken.txt" << 1;
    }
    void aFailedExportIsNotReportedAsDone()
    {
        QFETCH(QString, path);
        QFETCH(int, boxes);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        RecordsEnv::Mark(1, {QStringLiteral("dog")});
        QVERIFY(QDir().mkpath(env.DocFile(QStringLiteral("taken.txt"))));
        FormNewWord form;
        env.fake->saveAnswers << (path.startsWith(QLatin1Char('/')) ? path : env.DocFile(path));
        env.fake->msgAnswers << MsgResult::No;
        form.btnPrint_Click();
        QCOMPARE(env.MsgTexts().size(), boxes);
        QCOMPARE(env.MsgTexts().last(), kFailure);
        QVERIFY(!QFileInfo::exists(path) || QFileInfo(path).isDir() || !path.startsWith(QLatin1Char('/')));
    }

    void cancelledExportAsksNothingMore()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        RecordsEnv::Mark(1, {QStringLiteral("dog")});
        FormNewWord form;
        form.btnPrint_Click();
        QCOMPARE(env.fake->saveDialogs.size(), 1);
        QVERIFY(env.fake->msgBoxes.isEmpty());
    }

    void practising_data()
    {
        QTest::addColumn<int>("words");
        QTest::addRow("three") << 3;
        QTest::addRow("four") << 4;
    }
    void practising()
    {
        QFETCH(int, words);
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 2, 3));
        ClassUnit *course = gCurrUnit;
        const QStringList four{QStringLiteral("pig"), QStringLiteral("cow"), QStringLiteral("duck"), QStringLiteral("fish")};
        RecordsEnv::Mark(4, four.mid(0, words));
        gUser->nNewWordBookID = 4;
        FormNewWord form;
        QTest::mouseClick(form.btnStart, Qt::LeftButton);
        if (words < 4) {
            QCOMPARE(form.iRet, 0);
            QCOMPARE(env.MsgTexts(), QStringList{QStringLiteral("用于练习的单词不能少于4个！")});
            QCOMPARE(env.fake->msgBoxes[0].caption, QStringLiteral("生词本"));
            QCOMPARE(env.fake->msgBoxes[0].icon, MsgIcon::Critical);
            QCOMPARE(gCurrUnit, course);
            return;
        }
        QCOMPARE(form.iRet, 1);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(gCurrUnit, form.ShownUnit());
        QCOMPARE(gCurrUnit->UnitCaption, QStringLiteral("生词本4【共有单词 4 个】"));
        QCOMPARE(gUser->nLastSeries, 0);
        QCOMPARE(gUser->nLastBook, 0);
        QCOMPARE((QList<int>{gUser->nOldSeries, gUser->nOldBook, gUser->nOldStartUnit, gUser->nOldEndUnit}),
                 (QList<int>{1, 1, 2, 3}));
    }

    void practisingTwiceKeepsTheCourse()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 2, 3));
        RecordsEnv::Mark(1, {QStringLiteral("pig"), QStringLiteral("cow"), QStringLiteral("duck"), QStringLiteral("fish")});
        for (int round = 0; round < 2; ++round) {
            FormNewWord form;
            form.btnStart_Click();
            QCOMPARE(form.iRet, 1);
        }
        QCOMPARE((QList<int>{gUser->nOldSeries, gUser->nOldBook, gUser->nOldStartUnit, gUser->nOldEndUnit}),
                 (QList<int>{1, 1, 2, 3}));
        // the record still works on that course
        FormRecord record;
        QCOMPARE(record.RowCount(), 4 + 12);
    }

    void aWordUnmarkedElsewhereIsNoLongerPractised()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        const QStringList five{QStringLiteral("pig"), QStringLiteral("cow"), QStringLiteral("duck"),
                               QStringLiteral("fish"), QStringLiteral("horse")};
        RecordsEnv::Mark(1, five);
        {
            FormNewWord form;
            QCOMPARE(form.RowCount(), 5);
        }
        env.Word(QStringLiteral("cow"))->SetNewWord(1, false);
        FormNewWord form;
        QCOMPARE(form.RowCount(), 4);
        form.btnStart_Click();
        QCOMPARE(form.iRet, 1);
        QVERIFY(!RecordsEnv::Spellings(gCurrUnit).contains(QStringLiteral("cow")));
    }

    // Without a window manager's title bar, both list windows still have a way out.
    void closeButtonLeaves()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        FormNewWord book;
        FormRecord record;
        for (WordListDialog *form : {static_cast<WordListDialog *>(&book), static_cast<WordListDialog *>(&record)}) {
            ModalDriver steps;
            bool visible = false;
            steps.Then([&visible](QWidget *w) {
                auto *dialog = qobject_cast<WordListDialog *>(w);
                visible = dialog->btnClose->isVisible()
                          && !dialog->btnClose->geometry().intersects(dialog->btnHelp->geometry());
                dialog->btnClose->click();
            });
            QCOMPARE(form->exec(), int(QDialog::Rejected));
            QCOMPARE(steps.seen.size(), 1);
            QVERIFY(!steps.seen[0].startsWith(QStringLiteral("stuck")));
            QVERIFY(visible);
        }
        QCOMPARE(book.iRet, 0);
        QCOMPARE(record.iRet, 0);
    }

    void helpOpensTheHelpFile()
    {
        RecordsEnv env;
        QVERIFY(env.LoadCourse(1, 1, 1));
        FormNewWord form;
        QTest::mouseClick(form.btnHelp, Qt::LeftButton);
        QCOMPARE(env.fake->shellOpened, QStringList{AppPath(QStringLiteral("dat/help.html"))});
    }
};

TALLIVO_TEST(FormNewWordTest)
#include "tst_formnewword.moc"
