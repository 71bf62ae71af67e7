// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlistdialog.h"
#include "wordrowlist.h"
#include "course/filedialogs.h"
#include "helpers/apppaths.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/look.h"
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {
constexpr int kWinW = 1024;
constexpr int kWinH = 768;
constexpr int kMargin = 20;
constexpr int kListW = 744;
constexpr int kColumnX = kMargin + kListW + 20;
constexpr int kColumnW = kWinW - kColumnX - kMargin;
constexpr int kOptionPitch = 40;
constexpr int kButtonH = 48;
constexpr int kButtonGap = 14;
}

WordListDialog::WordListDialog(const QString &caption, const QString &optionsTitle, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(caption);
    setFixedSize(kWinW, kWinH);
    Look::StyleWindow(this);

    BookUnitTitleCtl1 = new BookUnitTitleCtl(this);
    BookUnitTitleCtl1->setGeometry(kMargin, 16, kListW, 60);
    PicBase = new WordRowList(this);
    PicBase->setGeometry(kMargin, 90, kListW, kWinH - 90 - kMargin);

    Frame1 = new RoundPanel(this);
    Frame1->setGeometry(kColumnX, 16, kColumnW, 44 + 5 * kOptionPitch);
    lblFrame1 = Look::MakeLabel(optionsTitle, Frame1, 15, true);
    lblFrame1->setGeometry(14, 10, kColumnW - 28, 24);
    m_group = new QButtonGroup(this);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int k) { OptionClicked(k); });

    m_column = new QWidget(this);
    m_column->setGeometry(kColumnX, Frame1->geometry().bottom() + 24, kColumnW,
                          kWinH - Frame1->geometry().bottom() - 24 - kMargin - kButtonH - kButtonGap);
    btnHelp = Look::MakeButton(QStringLiteral("帮助"), this);
    const int half = (kColumnW - kButtonGap) / 2;
    btnHelp->setGeometry(kColumnX, kWinH - kMargin - kButtonH, half, kButtonH);
    connect(btnHelp, &QPushButton::clicked, this, &WordListDialog::OpenHelp);
    btnClose = Look::MakeButton(QStringLiteral("关闭"), this);
    btnClose->setGeometry(kColumnX + kColumnW - half, kWinH - kMargin - kButtonH, half, kButtonH);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(PicBase, &WordRowList::Scrolled, btnHelp, [this] { btnHelp->setFocus(); });
}

int WordListDialog::RowCount() const
{
    return PicBase->RowCount();
}

QRadioButton *WordListDialog::AddOption(const QString &text)
{
    const int k = int(m_options.size());
    auto *op = new QRadioButton(text, Frame1);
    op->setFont(ChineseFont(16));
    op->setCursor(Qt::PointingHandCursor);
    op->setGeometry(24, 42 + k * kOptionPitch, kColumnW - 40, 32);
    m_group->addButton(op, k);
    m_options.push_back(op);
    return op;
}

QPushButton *WordListDialog::AddButton(const QString &text, bool mainAction)
{
    auto *b = Look::MakeButton(text, m_column, mainAction ? Look::ButtonKind::Main : Look::ButtonKind::Normal);
    b->setGeometry(0, m_nextButtonTop, kColumnW, kButtonH);
    m_nextButtonTop += kButtonH + kButtonGap;
    return b;
}

void WordListDialog::SelectOption(int k)
{
    if (k < 0 || k >= int(m_options.size()))
        return;
    m_options[size_t(k)]->setChecked(true);
    OptionClicked(k);
}

int WordListDialog::SelectedOption() const
{
    return m_group->checkedId();
}

bool WordListDialog::EnoughToPractise()
{
    if (RowCount() >= 4)
        return true;
    plat().MsgBox(QStringLiteral("用于练习的单词不能少于4个！"), MsgButtons::OK, MsgIcon::Critical, QStringLiteral("生词本"));
    return false;
}

void WordListDialog::ExportRows(const ExportTexts &t)
{
    const QString path = ShowSaveDialog(t.dialogTitle);
    if (path.trimmed().isEmpty())
        return;
    const bool withChinese = plat().MsgBox(QStringLiteral("是否在导出的文件中添加单词的中文解释？"), MsgButtons::YesNo,
                                           MsgIcon::Question, t.askCaption)
                             == MsgResult::Yes;
    const QString text = PicBase->ExportText(withChinese);
    if (text.isEmpty() && !t.emptyText.isEmpty()) {
        plat().MsgBox(t.emptyText, MsgButtons::OK, MsgIcon::Information, t.doneCaption);
        return;
    }
    if (!SaveExport(path, text + QStringLiteral("\r\n")))
        return;
    plat().MsgBox(t.doneText + QStringLiteral("\r\n\r\n") + QDir::toNativeSeparators(path), MsgButtons::OK,
                  MsgIcon::Information, t.doneCaption);
}

void WordListDialog::OpenHelp()
{
    ShellOpen(AppPath(QStringLiteral("dat/help.html")));
}
