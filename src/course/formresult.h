// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QShowEvent;

// The review window of an import: lists the words the dictionary does not
// know and lets the user correct or delete each one in the word-bank text.
class FormResult : public QDialog {
    Q_OBJECT
public:
    explicit FormResult(QWidget *parent = nullptr);

    // The whole word-bank text (CR LF); read back by the import window.
    QString myStr;
    // The unknown words, separated by CR LF; empty entries are ignored.
    QString errWords;

    // At most this many unknown words are listed; all of them go to the clipboard.
    static constexpr int kListedWords = 500;

    QListWidget *List1 = nullptr; // unknown words
    QLabel *lblCount = nullptr;   // how many there are, when not all are listed
    QListWidget *List2 = nullptr; // the text, one line per entry
    QLabel *lblResult = nullptr;
    QGroupBox *Frame1 = nullptr; // "操作面板"
    QLabel *lblErrWordCVaption = nullptr;
    QLabel *lblErrWord = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *txtWord = nullptr;
    QPushButton *btnModify = nullptr;
    QPushButton *btnDel = nullptr;
    QPushButton *btnSaveFile = nullptr;
    QPushButton *cmdExit = nullptr;

    // Fills the lists from myStr and errWords; runs on every show.
    void Form_Load();
    void List1_Click();
    void btnModify_Click();
    // Enter in txtWord: the correction.
    void txtWord_Enter();
    void btnDel_Click();
    void btnSaveFile_Click();
    void cmdExit_Click();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void ShowWords();
    void ShowErrWord(int row);
    void AfterChange();
    bool m_listOnClipboard = false;
};
