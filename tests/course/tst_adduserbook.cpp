// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The import window of a custom word bank and its review window.
#include "courseenv.h"
#include "support/testmain.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "course/formadduserbookunit.h"
#include "course/formresult.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/cseries.h"
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringEncoder>
#include <unistd.h>

namespace {

const QString kMaker = QStringLiteral("Kelvan教育软件");
const QString kConflict = QStringLiteral("用户自定义词库添加失败！最可能的原因是新添加的单元名称与已有的单元名称冲突！");
const QString kExists = QStringLiteral("教材名称已存在，您确定要将下面的各单元添加到该教材中？");
const QString kFourWords = QStringLiteral("#Home\ncat\ndog\nfish\nbird\n");

using coursefix::FileBytes;
using coursefix::Items;

CSeries *UserSeries()
{
    return WordBankEnv::Series(0);
}

QStringList BookNames()
{
    QStringList out;
    for (int k = 1; k <= UserSeries()->BookNum(); ++k)
        out << UserSeries()->BookName(k);
    return out;
}

QStringList UnitNames(int book)
{
    QStringList out;
    ClassBook *b = WordBankEnv::Book(0, book);
    for (int i = 1; b && i <= b->UnitNum(); ++i)
        out << b->UnitName(i);
    return out;
}

} // namespace

class AddUserBookTest : public QObject {
    Q_OBJECT

private slots:
    void checkButton_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<MsgIcon>("icon");
        QTest::addRow("correct") << "Pets" << kFourWords << "词库的格式正确！" << MsgIcon::Information;
        QTest::addRow("no name") << "  " << kFourWords << "教材名称不能为空" << MsgIcon::Critical;
        QTest::addRow("three words") << "Pets" << "#Home\ncat\ndog\nfish\n" << "单元:#Home包含的单词少于4个!"
                                     << MsgIcon::Critical;
        // clang-format on
    }
    void checkButton()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(MsgIcon, icon);
        CourseEnv env;
        QVERIFY(env.Load());
        FormAddUserBookUnit form;
        QCOMPARE(form.windowTitle(), QStringLiteral("添加自定义词库"));
        form.txtBookName->setText(name);
        form.txtWords->setPlainText(text);
        form.btnCheck->click();
        QCOMPARE(env.MsgTexts(), QStringList{message});
        QCOMPARE(env.fake->msgBoxes[0].caption, kMaker);
        QCOMPARE(env.fake->msgBoxes[0].icon, icon);
        QCOMPARE(UserSeries()->BookNum(), 0);
    }

    void saveAddsANewBook()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        FormAddUserBookUnit form;
        form.txtBookName->setText(QStringLiteral("\tPets "));
        form.txtWords->setPlainText(QStringLiteral("#Home\ncat\ndog\n\n\tfish\nbird\n#Farm\nduck\nhorse\ncow\npig\n"));
        form.cmdSave->click();
        QCOMPARE(env.MsgTexts(), QStringList{QStringLiteral("用户自定义词库添加成功！")});
        QCOMPARE(env.fake->msgBoxes[0].caption, kMaker);
        QVERIFY(form.bAdded);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(BookNames(), QStringList{QStringLiteral("Pets")});
        QCOMPARE(UnitNames(1), (QStringList{QStringLiteral("Home"), QStringLiteral("Farm")}));
        QCOMPARE(WordBankEnv::Spellings(WordBankEnv::Unit(0, 1, 1)),
                 (QStringList{QStringLiteral("cat"), QStringLiteral("dog"), QStringLiteral("fish"), QStringLiteral("bird")}));
        const QString saved = QString::fromUtf8(FileBytes(gUserBookFile));
        QVERIFY(saved.contains(QStringLiteral("\r\n%Pets\r\n\r\n#Home\r\ncat\r\n")));
    }

    void saveRefused_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::addRow("format error, then the general one")
            << "Pets" << "#Home\ncat\ndog\n"
            << QStringList{QStringLiteral("单元:#Home包含的单词少于4个!"),
                           QStringLiteral("词库数据不完整或有错，请仔细参考帮助文档确保词库的格式正确！")};
        QTest::addRow("the new-word book's name") << "系统生词本" << kFourWords
                                                  << QStringList{QStringLiteral("非法的教材名称，请先更换教材名称！")};
        QTest::addRow("the series' name") << "我的词库" << kFourWords
                                          << QStringList{QStringLiteral("非法的教材名称，请先更换教材名称！")};
        QTest::addRow("one unit name twice") << "Pets" << kFourWords + "#Home\nduck\nhorse\ncow\npig\n"
                                             << QStringList{kConflict};
        // clang-format on
    }
    void saveRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        CourseEnv env;
        QVERIFY(env.Load());
        FormAddUserBookUnit form;
        form.txtBookName->setText(name);
        form.txtWords->setPlainText(text);
        form.cmdSave->click();
        QCOMPARE(env.MsgTexts(), messages);
        QVERIFY(!form.bAdded);
        QCOMPARE(UserSeries()->BookNum(), 0);
        QVERIFY(!QFile::exists(gUserBookFile));
    }

    void addingToAnExistingBook_data()
    {
        QTest::addColumn<MsgResult>("answer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("units");
        QTest::addRow("OK adds the units") << MsgResult::OK << "#Unit 2\ndog\negg\nred\nblue\n"
                                           << QStringList{kExists, QStringLiteral("用户自定义词库添加成功！")}
                                           << QStringList{QStringLiteral("Unit 1"), QStringLiteral("Unit 2")};
        QTest::addRow("Cancel changes nothing") << MsgResult::Cancel << "#Unit 2\ndog\negg\nred\nblue\n"
                                                << QStringList{kExists} << QStringList{QStringLiteral("Unit 1")};
        QTest::addRow("a unit name it has already") << MsgResult::OK << "#Unit 2\ndog\negg\nred\nblue\n#Unit 1\nfish\nduck\ncow\npig\n"
                                                    << QStringList{kExists, kConflict} << QStringList{QStringLiteral("Unit 1")};
    }
    void addingToAnExistingBook()
    {
        QFETCH(MsgResult, answer);
        QFETCH(QString, text);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, units);
        CourseEnv env;
        QVERIFY(env.LoadWith({{QStringLiteral("First"), {QStringLiteral("apple"), QStringLiteral("cat")}}}));
        const QByteArray before = FileBytes(gUserBookFile);
        FormAddUserBookUnit form;
        form.txtBookName->setText(QStringLiteral("First"));
        form.txtWords->setPlainText(text);
        env.fake->msgAnswers << answer;
        form.cmdSave->click();
        QCOMPARE(env.MsgTexts(), messages);
        QCOMPARE(env.fake->msgBoxes[0].caption, QStringLiteral("添加自定义词库"));
        QCOMPARE(env.fake->msgBoxes[0].buttons, MsgButtons::OKCancel);
        QCOMPARE(BookNames(), QStringList{QStringLiteral("First")});
        QCOMPARE(UnitNames(1), units);
        QCOMPARE(WordBankEnv::Spellings(WordBankEnv::Unit(0, 1, 1)), (QStringList{QStringLiteral("apple"), QStringLiteral("cat")}));
        if (units.size() == 1)
            QCOMPARE(FileBytes(gUserBookFile), before);
    }

    void loadFile_data()
    {
        // clang-format off
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addRow("txt file") << "My Words.txt" << QByteArray("#Unit 1\r\n\tapple \r\n\r\nbanana\r\n") << "My Words"
                                  << "#Unit 1\napple\n\nbanana\n\n";
        QStringEncoder gbk("GB18030");
        QTest::addRow("GBK file from Windows") << "第一册.txt" << QByteArray(gbk(QStringLiteral("#第一单元\r\napple")))
                                               << "第一册" << "#第一单元\napple\n";
        QTest::addRow("no extension") << "Animals" << QByteArray("#Zoo\ncat\n") << "Animals" << "#Zoo\ncat\n\n";
        // clang-format on
    }
    void loadFile()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, text);
        CourseEnv env;
        QVERIFY(env.Load());
        QTemporaryDir tmp;
        const QString path = tmp.filePath(fileName);
        QVERIFY(WriteFileBytes(path, bytes));
        FormAddUserBookUnit form;
        env.fake->openAnswers << path;
        form.cmdLoad->click();
        QCOMPARE(env.fake->openDialogs.size(), 1);
        QCOMPARE(env.fake->openDialogs[0].title, QStringLiteral("打开自定义词库"));
        QCOMPARE(env.fake->openDialogs[0].startDir, AppPath(QStringLiteral("sample")) + QLatin1Char('/'));
        QCOMPARE(form.txtBookName->text(), name);
        QCOMPARE(form.txtWords->toPlainText(), text);
        QCOMPARE(form.WordsText(), QString(text).replace(QLatin1String("\n"), QLatin1String("\r\n")));
    }

    void loadCancelledOrFailedKeepsTheText_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("messages");
        QTest::addRow("cancel") << "" << 0;
        QTest::addRow("file gone") << "/nonexistent/x.txt" << 1;
    }
    void loadCancelledOrFailedKeepsTheText()
    {
        QFETCH(QString, answer);
        QFETCH(int, messages);
        CourseEnv env;
        QVERIFY(env.Load());
        FormAddUserBookUnit form;
        form.txtBookName->setText(QStringLiteral("Mine"));
        form.txtWords->setPlainText(kFourWords);
        env.fake->openAnswers << answer;
        form.cmdLoad->click();
        QCOMPARE(form.txtBookName->text(), QStringLiteral("Mine"));
        QCOMPARE(form.txtWords->toPlainText(), kFourWords);
        QCOMPARE(env.fake->msgBoxes.size(), messages);
    }

    // A file that cannot be a word list clears the form, so the previous
    // file's words are not saved under its name by mistake.
    void loadNotAWordList_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QString>("message");
        QTest::addRow("empty") << QByteArray() << true << QStringLiteral("这个文件是空的");
        QTest::addRow("only blank lines") << QByteArray("\r\n \r\n") << true << QStringLiteral("这个文件是空的");
        QTest::addRow("png picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << true
                                     << QStringLiteral("这不是文本文件");
        QByteArray noise;
        for (int i = 0; i < 400; ++i)
            noise += char((i * 37 + 1) % 32 == 10 ? 1 : (i * 37 + 1) % 32);
        QTest::addRow("control bytes without NUL") << noise << true << QStringLiteral("这不是文本文件");
        QTest::addRow("unreadable") << QByteArray("#Unit\ncat\n") << false << QStringLiteral("无法读取这个文件");
    }
    void loadNotAWordList()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, readable);
        QFETCH(QString, message);
        if (!readable && geteuid() == 0)
            QSKIP("root reads every file");
        CourseEnv env;
        QVERIFY(env.Load());
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("list.txt"));
        QVERIFY(WriteFileBytes(path, bytes));
        if (!readable)
            QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        FormAddUserBookUnit form;
        form.txtBookName->setText(QStringLiteral("Mine"));
        form.txtWords->setPlainText(kFourWords);
        env.fake->openAnswers << path;
        form.cmdLoad->click();
        QCOMPARE(env.fake->msgBoxes.size(), 1);
        QVERIFY2(env.fake->msgBoxes[0].text.startsWith(message), qPrintable(env.fake->msgBoxes[0].text));
        QVERIFY(env.fake->msgBoxes[0].text.endsWith(path));
        QCOMPARE(form.txtBookName->text(), QString());
        QCOMPARE(form.txtWords->toPlainText(), QString());
    }

    // UTF-16 text from Notepad is text, although it is full of NUL bytes.
    void loadUtf16File()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        QTemporaryDir tmp;
        const QString path = tmp.filePath(QStringLiteral("u16.txt"));
        QStringEncoder u16(QStringConverter::Utf16LE);
        QVERIFY(WriteFileBytes(path, QByteArray("\xFF\xFE") + QByteArray(u16(QStringLiteral("#Zoo\r\ncat\r\n")))));
        FormAddUserBookUnit form;
        env.fake->openAnswers << path;
        form.cmdLoad->click();
        QVERIFY(env.fake->msgBoxes.isEmpty());
        QCOMPARE(form.txtWords->toPlainText(), QStringLiteral("#Zoo\ncat\n\n"));
    }

    void closeButtonLeavesWithoutSaving()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        FormAddUserBookUnit form;
        form.txtBookName->setText(QStringLiteral("Pets"));
        form.txtWords->setPlainText(kFourWords);
        ModalDriver steps;
        steps.Then([](QWidget *w) { qobject_cast<FormAddUserBookUnit *>(w)->btnClose->click(); });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
        QCOMPARE(steps.seen, QStringList{QStringLiteral("FormAddUserBookUnit")});
        QVERIFY(!form.bAdded);
        QCOMPARE(UserSeries()->BookNum(), 0);
    }

    void sampleButton()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        FormAddUserBookUnit form;
        form.btnSampleTXT->click();
        QCOMPARE(form.txtBookName->text(), QString());
        QVERIFY(env.dir.writeText(QStringLiteral("sample/示例词库 第一册.txt"), QStringLiteral("#Unit 1\r\ncat\r\n")));
        form.btnSampleTXT->click();
        QCOMPARE(form.txtBookName->text(), QStringLiteral("示例词库 第一册"));
        QCOMPARE(form.txtWords->toPlainText(), QStringLiteral("#Unit 1\ncat\n\n"));
        form.cmdHelp->click();
        QCOMPARE(env.fake->shellOpened, QStringList{AppPath(QStringLiteral("dat/help.html"))});
    }

    // Unknown words go through the review window; whatever it leaves comes back.
    void reviewCorrectsOnlyWholeLines()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        env.fake->clipboard = QStringLiteral("old");
        FormAddUserBookUnit form;
        form.txtBookName->setText(QStringLiteral("Pets"));
        form.txtWords->setPlainText(QStringLiteral("#Unit ca\ncat\nca\ndgo\nfish\n ca\nbird\n"));
        ModalDriver steps;
        QStringList firstList;
        QStringList firstText;
        steps.Then([&](QWidget *w) {
            auto *review = qobject_cast<FormResult *>(w);
            QVERIFY(review);
            firstList = Items(review->List1);
            firstText = Items(review->List2);
            review->List1->setCurrentRow(0);
            review->btnDel->click();
            review->btnModify->click();
            review->txtWord->setText(QStringLiteral("dog"));
            QTest::keyClick(review->txtWord, Qt::Key_Return);
            QVERIFY(review->Frame1->isHidden());
            QVERIFY(review->btnSaveFile->isEnabled());
            review->btnSaveFile->click();
        });
        form.btnCheck->click();
        QCOMPARE(steps.seen, QStringList{QStringLiteral("FormResult")});
        QCOMPARE(firstList, (QStringList{QStringLiteral("ca"), QStringLiteral("dgo")}));
        QCOMPARE(firstText, (QStringList{QString(), QStringLiteral("#Unit ca"), QStringLiteral("cat"), QStringLiteral("ca"),
                                         QStringLiteral("dgo"), QStringLiteral("fish"), QStringLiteral("ca"),
                                         QStringLiteral("bird")}));
        QCOMPARE(form.txtWords->toPlainText(), QStringLiteral("#Unit ca\ncat\ndog\nfish\nbird\n"));
        QCOMPARE(env.fake->clipboard, QStringLiteral("#Unit ca\r\ncat\r\ndog\r\nfish\r\nbird\r\n"));
        // the check stops at the review: no verdict on the format yet
        QVERIFY(env.fake->msgBoxes.isEmpty());
        // now every word is known
        form.btnCheck->click();
        QCOMPARE(env.MsgTexts(), QStringList{QStringLiteral("词库的格式正确！")});
    }

    // Thousands of unknown words: the review lists the first ones, tells how
    // many there are, and leaves the whole list on the clipboard.
    void reviewOfManyUnknownWords()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        QStringList unknown;
        for (int i = 0; i < 3000; ++i)
            unknown << QStringLiteral("zq%1x").arg(i);
        FormAddUserBookUnit form;
        form.txtBookName->setText(QStringLiteral("Many"));
        form.txtWords->setPlainText(QStringLiteral("#Unit 1\ncat\n") + unknown.join(QLatin1Char('\n')));
        ModalDriver steps;
        int listed = 0;
        QString told;
        QString clipboard;
        steps.Then([&](QWidget *w) {
            auto *review = qobject_cast<FormResult *>(w);
            QVERIFY(review);
            listed = review->List1->count();
            told = review->lblCount->isVisible() ? review->lblCount->text() : QString();
            clipboard = env.fake->clipboard;
            review->cmdExit->click();
        });
        form.btnCheck->click();
        QCOMPARE(steps.seen, QStringList{QStringLiteral("FormResult")});
        QCOMPARE(listed, 500);
        QVERIFY(told.contains(QStringLiteral("3000")));
        QVERIFY(told.contains(QStringLiteral("剪贴板")));
        QCOMPARE(clipboard, unknown.join(QStringLiteral("\r\n")));
        QCOMPARE(env.fake->clipboard, clipboard); // still there after closing
    }

    void reviewCancelKeepsCorrections()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        env.fake->clipboard = QStringLiteral("old");
        FormAddUserBookUnit form;
        form.txtBookName->setText(QStringLiteral("Pets"));
        form.txtWords->setPlainText(QStringLiteral("#Home\ncat\nca\ndgo\nfish\nbird\n"));
        ModalDriver steps;
        steps.Then([&](QWidget *w) {
            auto *review = qobject_cast<FormResult *>(w);
            review->List1->setCurrentRow(1);
            review->btnModify->click();
            review->txtWord->setText(QStringLiteral("dog"));
            QTest::keyClick(review->txtWord, Qt::Key_Return);
            review->cmdExit->click();
        });
        form.cmdSave->click();
        QCOMPARE(steps.seen, QStringList{QStringLiteral("FormResult")});
        QCOMPARE(form.txtWords->toPlainText(), QStringLiteral("#Home\ncat\nca\ndog\nfish\nbird\n"));
        // what the parent had copied is still there
        QCOMPARE(env.fake->clipboard, QStringLiteral("old"));
        QVERIFY(!form.bAdded);
        QCOMPARE(UserSeries()->BookNum(), 0);
    }
};

TALLIVO_TEST(AddUserBookTest)

class FormResultTest : public QObject {
    Q_OBJECT

private slots:
    void opening()
    {
        CourseEnv env;
        QVERIFY(env.Load());
        FormResult review;
        review.myStr = QStringLiteral("#Home\r\n\r\n  ca\t\r\ndgo\r\n");
        review.errWords = QStringLiteral("\r\n ca \r\n\r\ndgo");
        review.Form_Load();
        QCOMPARE(review.windowTitle(), QStringLiteral("词库添加结果"));
        QCOMPARE(Items(review.List1), (QStringList{QStringLiteral("ca"), QStringLiteral("dgo")}));
        QCOMPARE(Items(review.List2), (QStringList{QString(), QStringLiteral("#Home"), QStringLiteral("ca"), QStringLiteral("dgo")}));
        QCOMPARE(review.lblErrWord->text(), QStringLiteral("ca"));
        QVERIFY(!review.txtWord->isEnabled());
        QVERIFY(!review.btnSaveFile->isEnabled());
        QVERIFY(!review.Frame1->isHidden());

        review.errWords.clear();
        review.Form_Load();
        QVERIFY(review.Frame1->isHidden());
    }

    void correction_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byButton"); // a second press of the button instead of Enter
        QTest::addColumn<QString>("result");
        QTest::addRow("known word") << "cat" << false << "#Home\r\ncat\r\ncat\r\ndgo\r\n";
        QTest::addRow("second button press") << "cat" << true << "#Home\r\ncat\r\ncat\r\ndgo\r\n";
        QTest::addRow("trimmed") << "  cow " << false << "#Home\r\ncat\r\ncow\r\ndgo\r\n";
        QTest::addRow("known once the blanks go") << "Great Wall" << false << "#Home\r\ncat\r\nGreat Wall\r\ndgo\r\n";
        QTest::addRow("unknown") << "cta" << false << "";
        QTest::addRow("nothing typed") << "" << false << "";
    }
    void correction()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byButton);
        QFETCH(QString, result);
        CourseEnv env;
        QVERIFY(env.Load());
        FormResult review;
        const QString text = QStringLiteral("#Home\r\ncat\r\nca\r\ndgo\r\n");
        review.myStr = text;
        review.errWords = QStringLiteral("ca\r\ndgo");
        review.Form_Load();
        review.btnModify->click();
        QVERIFY(review.txtWord->isEnabled());
        review.txtWord->setText(typed);
        if (byButton)
            review.btnModify->click();
        else
            QTest::keyClick(review.txtWord, Qt::Key_Return);
        if (result.isEmpty()) {
            QCOMPARE(env.MsgTexts(), QStringList{QStringLiteral("词典中找不到单词[") + typed + QStringLiteral("]，请重新修改或删除！")});
            QCOMPARE(env.fake->msgBoxes[0].buttons, MsgButtons::OK);
            QCOMPARE(review.myStr, text);
            QCOMPARE(review.List1->count(), 2);
            return;
        }
        QVERIFY(env.fake->msgBoxes.isEmpty());
        QCOMPARE(review.myStr, result);
        QCOMPARE(Items(review.List1), QStringList{QStringLiteral("dgo")});
        // the next word is shown in the box too, so Enter cannot apply the old correction to it
        QCOMPARE(review.lblErrWord->text(), QStringLiteral("dgo"));
        QCOMPARE(review.txtWord->text(), QStringLiteral("dgo"));
        QTest::keyClick(review.txtWord, Qt::Key_Return);
        QCOMPARE(review.myStr, result);
        QVERIFY(!review.btnSaveFile->isEnabled());
    }
};

TALLIVO_TEST(FormResultTest)
#include "tst_adduserbook.moc"
