// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDialog>
#include <QString>
#include <vector>

class BookUnitTitleCtl;
class CSeries;
class ClassBook;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class RoundPanel;
class WordRowList;

// What the new-word book and the record windows have in common: the title
// strip over the scrolling word list, a panel of option buttons and a column
// of buttons on the right, and the way a list is exported and practised.
class WordListDialog : public QDialog {
    Q_OBJECT
public:
    // 0 from opening; 1 after "开始练习 -->" made a selection current.
    int iRet = 0;
    int sUnitID = 0;
    int eUnitID = 0;

    BookUnitTitleCtl *BookUnitTitleCtl1 = nullptr;
    WordRowList *PicBase = nullptr;
    RoundPanel *Frame1 = nullptr; // holds the option buttons
    QLabel *lblFrame1 = nullptr;
    QPushButton *btnHelp = nullptr;
    // A visible way out where no window manager draws a title bar.
    QPushButton *btnClose = nullptr;

    int RowCount() const;

protected:
    explicit WordListDialog(const QString &caption, const QString &optionsTitle, QWidget *parent);

    // Appends an option button to the panel; its index is the number of
    // options before it.
    QRadioButton *AddOption(const QString &text);
    // Appends a button to the right-hand column.
    QPushButton *AddButton(const QString &text, bool mainAction = false);
    // Checks option k and runs its handler, also when it was checked already.
    void SelectOption(int k);
    int SelectedOption() const;
    virtual void OptionClicked(int k) = 0;

    // The list holds fewer than four words: says so and returns false.
    bool EnoughToPractise();

    struct ExportTexts {
        QString dialogTitle; // save dialog
        QString askCaption;  // the question about the Chinese
        QString doneText;    // followed by CR LF CR LF and the path
        QString doneCaption;
        QString emptyText; // "" : an empty list is written anyway
    };
    // Asks for a file and whether to add the Chinese, then writes the rows.
    void ExportRows(const ExportTexts &t);
    void OpenHelp();

    std::vector<QRadioButton *> m_options;
    // The series and book whose words are listed.
    CSeries *m_series = nullptr;
    ClassBook *m_book = nullptr;

private:
    QButtonGroup *m_group = nullptr;
    QWidget *m_column = nullptr;
    int m_nextButtonTop = 0;
};
