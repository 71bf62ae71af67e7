// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formnewword.h"
#include "formrecord.h"
#include "wordrowlist.h"
#include "course/filedialogs.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "widgets/bookunittitlectl.h"
#include "wordbank/classbook.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {
constexpr int kErrorPreviewChars = 300;
const QString kExportCaption = QStringLiteral("导出生词本");
}

FormNewWord::FormNewWord(QWidget *parent)
    : WordListDialog(QStringLiteral("生词本"), QStringLiteral("选择一个默认的生词本"), parent)
{
    setObjectName(QStringLiteral("FormNewWord"));
    for (int k = 1; k <= 5; ++k)
        AddOption(QStringLiteral("生词本") + QString::number(k));
    btnClear = AddButton(QStringLiteral("清空生词本"));
    btnImport = AddButton(QStringLiteral("<-- 导入外部生词"));
    btnPrint = AddButton(QStringLiteral("导出生词本 -->"));
    btnStart = AddButton(QStringLiteral("开始练习 -->"), true);
    connect(btnClear, &QPushButton::clicked, this, &FormNewWord::btnClear_Click);
    connect(btnImport, &QPushButton::clicked, this, &FormNewWord::btnImport_Click);
    connect(btnPrint, &QPushButton::clicked, this, &FormNewWord::btnPrint_Click);
    connect(btnStart, &QPushButton::clicked, this, &FormNewWord::btnStart_Click);
    Form_Load();
}

FormNewWord::~FormNewWord()
{
    m_unit = nullptr;
}

void FormNewWord::Form_Load()
{
    iRet = 0;
    btnPrint->setText(QStringLiteral("导出生词本 -->"));
    btnImport->setEnabled(true);
    btnClear->setVisible(true);
    if (gWordBank && gWordBank->GetSeriesByID(0, m_series))
        m_series->GetBookByID(0, m_book);
    const int n = gUser ? std::clamp(gUser->nNewWordBookID, 1, 5) : 1;
    SelectOption(n - 1);
}

void FormNewWord::OptionClicked(int k)
{
    if (gUser)
        gUser->nNewWordBookID = k + 1;
    ShowNewWordList(k + 1);
}

void FormNewWord::ShowNewWordList(int n)
{
    PicBase->RemoveRows();
    sUnitID = eUnitID = n;
    m_unit = nullptr;
    if (m_book && m_book->GetUnitbyID(n, m_unit) && gDictionary) {
        // words unmarked since the last showing must go
        m_unit->Clear();
        gDictionary->GenNewWord(n, m_unit);
        m_unit->UnitCaption = m_unit->UnitName + QStringLiteral("【共") + QString::number(m_unit->WordNum())
                              + QStringLiteral("个单词】");
    }
    // a state has one colour in every window
    PicBase->ShowWords(m_unit, [](const CWord &w) { return FormRecord::RowColour(w.Category()); });
    BookUnitTitleCtl1->SetCaption(m_series, m_book, m_unit);
    btnPrint->setEnabled(RowCount() > 0);
    btnClear->setEnabled(m_unit != nullptr);
    btnImport->setEnabled(m_unit != nullptr);
}

void FormNewWord::btnClear_Click()
{
    if (!m_unit || !gUser)
        return;
    const int n = sUnitID;
    if (plat().MsgBox(QStringLiteral("您确定要清空生词本 ") + QString::number(n) + QStringLiteral(" 吗？"),
                      MsgButtons::OKCancel, MsgIcon::Information, QStringLiteral("清空生词本"))
        != MsgResult::OK)
        return;
    CWord *w = nullptr;
    for (int i = 1; m_unit->GetWord(i, w); ++i)
        w->SetNewWord(n, false);
    m_unit->Clear();
    gUser->SaveUserFeature();
    ShowNewWordList(n);
}

void FormNewWord::btnImport_Click()
{
    if (!m_unit || !gDictionary)
        return;
    const int n = sUnitID;
    QString title = QStringLiteral("导入自定义生词本");
    const QString path = ShowOpenDialog(title, ExportStartFolder());
    if (path.isEmpty())
        return;
    QStringList lines;
    if (!ReadTextFileLines(path, lines)) {
        ShowUnknownFailure();
        return;
    }
    QString errors;
    for (const QString &line : std::as_const(lines)) {
        const QString text = StripTabsTrim(line);
        if (text.isEmpty())
            continue;
        CWord *w = nullptr;
        if (gDictionary->SetWord(w, text)) {
            w->SetNewWord(n, true);
            m_unit->AddNewWord(w);
        } else if (!text.startsWith(QLatin1Char('#')) && !text.startsWith(QLatin1Char('%'))
                   && !text.startsWith(QLatin1Char('@'))) {
            errors += text + QStringLiteral("\r\n");
        }
    }
    if (gUser)
        gUser->SaveUserFeature();
    ShowNewWordList(n);
    if (errors.isEmpty())
        return;
    // the whole list, to be mended in an editor; the message only starts it
    plat().SetClipboardText(errors);
    plat().MsgBox(QStringLiteral("下面的单词不能导入，请仔细检查和修改后导入：\r\n") + errors.left(kErrorPreviewChars),
                  MsgButtons::OK, MsgIcon::Information, QStringLiteral("导入生词本"));
}

void FormNewWord::btnPrint_Click()
{
    ExportRows({kExportCaption, kExportCaption, QStringLiteral("生词本已导出，保存在："), kExportCaption,
                QStringLiteral("没有需要保存的生词！")});
}

void FormNewWord::btnStart_Click()
{
    if (!EnoughToPractise() || !gUser || !gWordBank)
        return;
    const int n = SelectedOption() + 1;
    // the course to come back to; the new-word book itself is none
    if (!(gUser->nLastSeries == 0 && gUser->nLastBook == 0)) {
        gUser->nOldStartUnit = gUser->nLastStartUnit;
        gUser->nOldEndUnit = gUser->nLastEndUnit;
        gUser->nOldBook = gUser->nLastBook;
        gUser->nOldSeries = gUser->nLastSeries;
    }
    if (!gWordBank->SelectCourse(0, 0, n, n, WordCategory::All)) {
        ShowUnknownFailure();
        return;
    }
    iRet = 1;
    accept();
}
