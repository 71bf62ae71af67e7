// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formrecord.h"
#include "wordrowlist.h"
#include "course/filedialogs.h"
#include "platform/platform.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/look.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include <QPushButton>
#include <QRadioButton>

namespace {
// The meanings of the colours stay (blue new, red often wrong, green well
// known, dark practising) in shades that read well on white.
constexpr int kUntestedColour = Look::ToBgr(Look::RowNew);
constexpr int kOftenWrongColour = Look::ToBgr(Look::RowOftenWrong);
constexpr int kWellKnownColour = Look::ToBgr(Look::RowWellKnown);
constexpr int kPractisingColour = Look::ToBgr(Look::Text);
}

FormRecord::FormRecord(QWidget *parent)
    : WordListDialog(QStringLiteral("单元学习记录"), QStringLiteral("选择要查看的单词"), parent),
      m_listed(std::make_unique<ClassUnit>())
{
    setObjectName(QStringLiteral("FormRecord"));
    for (WordCategory c : kWordCategories)
        AddOption(CategoryLabel(c));
    btnStart = AddButton(QStringLiteral("开始练习 -->"), true);
    btnPrint = AddButton(QStringLiteral("<--  导出练习结果"));
    connect(btnStart, &QPushButton::clicked, this, &FormRecord::btnStart_Click);
    connect(btnPrint, &QPushButton::clicked, this, &FormRecord::btnPrint_Click);
    Form_Load();
}

FormRecord::~FormRecord() = default;

int FormRecord::RowColour(WordCategory category)
{
    switch (category) {
    case WordCategory::OftenWrong:
        return kOftenWrongColour;
    case WordCategory::WellKnown:
        return kWellKnownColour;
    case WordCategory::Untested:
        return kUntestedColour;
    case WordCategory::Practising:
    case WordCategory::All:
        break;
    }
    return kPractisingColour;
}

void FormRecord::Form_Load()
{
    iRet = 0;
    if (gUser && gCurrSeries && gCurrBook) {
        const bool newWordBook = gCurrSeries->SeriesID == 0 && gCurrBook->BookID == 0;
        newwordSeriesID = newWordBook ? gUser->nOldSeries : gUser->nLastSeries;
        newwordBookID = newWordBook ? gUser->nOldBook : gUser->nLastBook;
        sUnitID = newWordBook ? gUser->nOldStartUnit : gUser->nLastStartUnit;
        eUnitID = newWordBook ? gUser->nOldEndUnit : gUser->nLastEndUnit;
        if (gWordBank && gWordBank->GetSeriesByID(newwordSeriesID, m_series)) {
            // a course taken before the new-word book may not be loaded yet
            if (m_series->SeriesID > 0 && m_series->BookNum() == 0)
                m_series->LoadStandardSeries();
            if (!m_series->GetBookByID(newwordBookID, m_book))
                m_book = nullptr;
        }
    }
    SelectOption(0);
}

void FormRecord::OptionClicked(int k)
{
    ShowRecordList(kWordCategories[size_t(k)]);
}

void FormRecord::ShowRecordList(WordCategory category)
{
    PicBase->RemoveRows();
    m_listed->Clear();
    m_listed->UnitCaption.clear();
    const bool listed = m_book && m_book->CollectUnits(sUnitID, eUnitID, category, *m_listed);
    PicBase->ShowWords(listed ? m_listed.get() : nullptr, [](const CWord &w) { return RowColour(w.Category()); });
    BookUnitTitleCtl1->SetCaption(m_series, m_book, listed ? m_listed.get() : nullptr);
    btnPrint->setEnabled(RowCount() > 0);
}

void FormRecord::btnStart_Click()
{
    if (!EnoughToPractise() || !gWordBank)
        return;
    const int k = SelectedOption();
    const WordCategory category = k >= 0 ? kWordCategories[size_t(k)] : WordCategory::All;
    if (!gWordBank->SelectCourse(newwordSeriesID, newwordBookID, sUnitID, eUnitID, category)) {
        ShowUnknownFailure();
        return;
    }
    iRet = 1;
    accept();
}

void FormRecord::btnPrint_Click()
{
    ExportRows({QStringLiteral("导出学习记录"), QStringLiteral("单词学习记录"), QStringLiteral("学习记录已保存在："),
                QStringLiteral("导出用户学习记录"), QString()});
}
