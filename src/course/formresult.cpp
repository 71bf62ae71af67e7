// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formresult.h"
#include "booktext.h"
#include "widgets/look.h"
#include "helpers/textfile.h"
#include "platform/platform.h"
#include "widgets/widgetutil.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/globals.h"
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>

FormResult::FormResult(QWidget *parent) : QDialog(parent)
{
    using namespace Look;
    setWindowTitle(QStringLiteral("词库添加结果"));
    setFixedSize(960, 684);
    StyleWindow(this);

    auto *top = new RoundPanel(this);
    top->setGeometry(16, 16, 928, 188);
    auto *warn = new QLabel(top);
    warn->setTextFormat(Qt::PlainText);
    warn->setGeometry(20, 20, 64, 64);
    warn->setPixmap(QIcon(QStringLiteral(":/course/warning.png")).pixmap(QSize(64, 64)));
    lblResult = MakeLabel(QStringList{QStringLiteral("词库文件中出现了词典中不存在的单词!"),
                                      QStringLiteral("有下面几种可能的原因造成这种错误:"),
                                      QStringLiteral("1. 单词拼写错误；"),
                                      QStringLiteral("2. 输入了比较生僻的单词，或者是短语；"),
                                      QStringLiteral("解决方法:"),
                                      QStringLiteral("1. 删除或更改拼写错误或生僻的单词"),
                                      QStringLiteral("下面是不能导入词库的单词，请修改或删除这些单词!")}
                              .join(QLatin1Char('\n')),
                          top, 16);
    lblResult->setGeometry(100, 8, 810, 174);
    lblResult->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    List1 = new QListWidget(this);
    List1->setGeometry(16, 216, 220, 392);
    lblCount = MakeLabel(QString(), this, 14);
    lblCount->setGeometry(16, 614, 552, 62);
    lblCount->setWordWrap(true);
    lblCount->hide();
    StyleList(List1);
    List1->setFont(EnglishFont(16));

    Frame1 = new QGroupBox(QStringLiteral("操作面板"), this);
    Frame1->setGeometry(248, 216, 360, 392);
    Frame1->setFont(ChineseFont(16, true));
    Frame1->setStyleSheet(QStringLiteral("QGroupBox { background: %3; border: 2px solid %1; border-radius: 12px;"
                                         " margin-top: 14px; padding-top: 10px; }"
                                         "QGroupBox::title { subcontrol-origin: margin; left: 16px; padding: 0 6px; color: %2; }")
                              .arg(Look::kBoxEdge.name(), Look::kText.name(), Look::kPanel.name()));
    lblErrWordCVaption = MakeLabel(QStringLiteral("不能导入的单词："), Frame1, 16);
    lblErrWordCVaption->setGeometry(18, 36, 320, 26);
    lblErrWord = new QLabel(Frame1);
    lblErrWord->setTextFormat(Qt::PlainText);
    lblErrWord->setGeometry(18, 66, 320, 40);
    lblErrWord->setFont(EnglishFont(22, true));
    {
        QPalette pal = lblErrWord->palette();
        pal.setColor(QPalette::WindowText, QColor(Look::Progress));
        lblErrWord->setPalette(pal);
    }
    Label1 = MakeLabel(QStringLiteral("请选择处理方法："), Frame1, 16);
    Label1->setGeometry(18, 120, 320, 26);
    btnModify = MakeButton(QStringLiteral("修改为-->"), Frame1, ButtonKind::Normal, QStringLiteral(":/course/edit.png"));
    btnModify->setGeometry(18, 156, 136, 44);
    txtWord = new QLineEdit(Frame1);
    txtWord->setGeometry(164, 156, 176, 44);
    txtWord->setFont(EnglishFont(18));
    txtWord->setStyleSheet(QStringLiteral("QLineEdit { %1 }"
                                          "QLineEdit:disabled { background: #F1F4F8; color: #7A8394; border-color: %2; }")
                               .arg(Look::TextBoxRules(QStringLiteral("2px 8px")), Look::kDisabledEdge.name()));
    // words are typed in English
    txtWord->setAttribute(Qt::WA_InputMethodEnabled, false);
    btnDel = MakeButton(QStringLiteral("删除"), Frame1, ButtonKind::Normal, QStringLiteral(":/course/delete.png"));
    btnDel->setGeometry(18, 216, 136, 44);

    List2 = new QListWidget(this);
    List2->setGeometry(620, 216, 324, 392);
    StyleList(List2);
    List2->setFont(EnglishFont(16));
    List2->setSelectionMode(QAbstractItemView::NoSelection);

    btnSaveFile = MakeButton(QStringLiteral("使用修改后的词库"), this, ButtonKind::Main, QStringLiteral(":/course/save.png"));
    btnSaveFile->setGeometry(576, 622, 248, 48);
    cmdExit = MakeButton(QStringLiteral("取消"), this, ButtonKind::Normal, QStringLiteral(":/course/cancel.png"));
    cmdExit->setGeometry(836, 622, 108, 48);

    connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    connect(List1, &QListWidget::currentRowChanged, this, [this](int) { List1_Click(); });
    connect(btnModify, &QPushButton::clicked, this, &FormResult::btnModify_Click);
    connect(txtWord, &QLineEdit::returnPressed, this, &FormResult::txtWord_Enter);
    connect(btnDel, &QPushButton::clicked, this, &FormResult::btnDel_Click);
    connect(btnSaveFile, &QPushButton::clicked, this, &FormResult::btnSaveFile_Click);
    connect(cmdExit, &QPushButton::clicked, this, &FormResult::cmdExit_Click);
}

void FormResult::showEvent(QShowEvent *e)
{
    Form_Load();
    QDialog::showEvent(e);
}

void FormResult::Form_Load()
{
    QStringList words;
    for (const QString &w : SplitLines(errWords)) {
        const QString word = w.trimmed();
        if (!word.isEmpty())
            words << word;
    }
    // a list of thousands helps nobody on screen: the count, and the whole list to paste elsewhere
    m_listOnClipboard = words.size() > kListedWords;
    if (m_listOnClipboard) {
        plat().SetClipboardText(words.join(QStringLiteral("\r\n")));
        lblCount->setText(QStringLiteral("共有 %1 个词典中没有的单词，下面只列出前 %2 个。完整的列表已复制到剪贴板。")
                              .arg(words.size())
                              .arg(kListedWords));
    }
    lblCount->setVisible(m_listOnClipboard);
    {
        const QSignalBlocker block(List1);
        List1->clear();
        List1->addItems(words.mid(0, kListedWords));
    }
    txtWord->setEnabled(false);
    btnSaveFile->setEnabled(false);
    if (List1->count() == 0) {
        Frame1->hide();
        lblErrWord->clear();
        txtWord->clear();
    } else {
        Frame1->show();
        ShowErrWord(0);
    }
    ShowWords();
}

void FormResult::ShowWords()
{
    QStringList lines{QString()};
    for (const QString &line : SplitLines(myStr)) {
        const QString l = line.trimmed();
        if (!l.isEmpty())
            lines << l;
    }
    List2->clear();
    List2->addItems(lines);
}

void FormResult::ShowErrWord(int row)
{
    if (row < 0 || row >= List1->count())
        return;
    {
        const QSignalBlocker block(List1);
        List1->setCurrentRow(row);
    }
    // the box follows the word, so Enter never applies a correction made for another one
    lblErrWord->setText(List1->item(row)->text());
    txtWord->setText(List1->item(row)->text());
}

void FormResult::List1_Click()
{
    ShowErrWord(List1->currentRow());
}

void FormResult::btnModify_Click()
{
    // a second press applies what was typed, as Enter does
    if (txtWord->isEnabled() && txtWord->text() != lblErrWord->text()) {
        txtWord_Enter();
        return;
    }
    txtWord->setEnabled(true);
    txtWord->setFocus();
    txtWord->selectAll();
}

void FormResult::txtWord_Enter()
{
    const int row = List1->currentRow();
    if (row < 0 || !txtWord->isEnabled())
        return;
    const QString typed = txtWord->text();
    const QString noBlanks = QString(typed).remove(QRegularExpression(QStringLiteral("\\s")));
    const bool known = gDictionary
                       && (!gDictionary->Chinese(noBlanks).isEmpty() || !gDictionary->Chinese(typed.trimmed()).isEmpty());
    if (!known) {
        plat().MsgBox(QStringLiteral("词典中找不到单词[") + typed + QStringLiteral("]，请重新修改或删除！"), MsgButtons::OK,
                      MsgIcon::None, QStringLiteral("Tallivo"));
        return;
    }
    myStr = ReplaceWordLines(myStr, lblErrWord->text(), typed.trimmed());
    {
        const QSignalBlocker block(List1);
        delete List1->takeItem(row);
    }
    AfterChange();
}

void FormResult::btnDel_Click()
{
    const int row = List1->currentRow();
    if (row < 0)
        return;
    myStr = ReplaceWordLines(myStr, List1->item(row)->text().trimmed(), QString());
    {
        const QSignalBlocker block(List1);
        delete List1->takeItem(row);
    }
    AfterChange();
}

void FormResult::AfterChange()
{
    ShowWords();
    if (List1->count() == 0 && lblCount->isVisible()) {
        // the next words of a list too long to show at once
        const QStringList rest = UnknownWords(myStr);
        const QSignalBlocker block(List1);
        List1->addItems(rest.mid(0, kListedWords));
        lblCount->setText(QStringLiteral("还有 %1 个词典中没有的单词。").arg(rest.size()));
    }
    if (List1->count() == 0) {
        Frame1->hide();
        btnSaveFile->setEnabled(true);
        btnSaveFile->setFocus();
    } else {
        ShowErrWord(0);
    }
}

void FormResult::btnSaveFile_Click()
{
    // The clipboard is the parent's: it changes only when there is text to put there.
    if (!myStr.isEmpty())
        plat().SetClipboardText(myStr);
    accept();
}

void FormResult::cmdExit_Click()
{
    reject();
}
