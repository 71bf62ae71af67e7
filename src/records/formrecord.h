// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "wordlistdialog.h"
#include "wordbank/wordcategory.h"
#include <memory>

class ClassUnit;

// "单元学习记录": the words of the selected units with their learning state,
// filtered by category, exported, and practised (iRet = 1: the caller opens
// the learning window on the category, which is then current). Looking
// changes nothing: the list is collected into a unit of the window's own.
class FormRecord : public WordListDialog {
    Q_OBJECT
public:
    explicit FormRecord(QWidget *parent = nullptr);
    ~FormRecord() override;

    int newwordSeriesID = 0;
    int newwordBookID = 0;

    std::vector<QRadioButton *> &opSel = m_options;
    QPushButton *btnStart = nullptr;
    QPushButton *btnPrint = nullptr;

    // Lists the range's words of a category (All for all of them).
    void ShowRecordList(WordCategory category);
    const ClassUnit *ListedUnit() const { return m_listed.get(); }

    // Text colour of a row (BGR number) for a word's category.
    static int RowColour(WordCategory category);

    void btnStart_Click();
    void btnPrint_Click();

protected:
    void OptionClicked(int k) override;

private:
    void Form_Load();

    std::unique_ptr<ClassUnit> m_listed;
};
