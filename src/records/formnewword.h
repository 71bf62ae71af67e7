// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "wordlistdialog.h"

class ClassUnit;

// "生词本": one of the five new-word books as a word list; choosing the
// default book, emptying it, importing words from a text file, exporting
// it, and practising it (iRet = 1: the caller opens the learning window on
// the book, which is then current).
class FormNewWord : public WordListDialog {
    Q_OBJECT
public:
    explicit FormNewWord(QWidget *parent = nullptr);
    ~FormNewWord() override;

    std::vector<QRadioButton *> &opUnitNo = m_options; // index k: book k + 1
    QPushButton *btnClear = nullptr;
    QPushButton *btnImport = nullptr;
    QPushButton *btnPrint = nullptr;
    QPushButton *btnStart = nullptr;

    // Lists book n (1..5) afresh from the words' marks.
    void ShowNewWordList(int n);
    // The unit of the book shown (null when there is none).
    ClassUnit *ShownUnit() const { return m_unit; }

    void btnClear_Click();
    void btnImport_Click();
    void btnPrint_Click();
    void btnStart_Click();

protected:
    void OptionClicked(int k) override;

private:
    void Form_Load();

    ClassUnit *m_unit = nullptr;
};
