// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>

class FormResult;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The import window of a custom word bank: a book name and a text of units
// and words, typed or loaded, checked against the dictionary and the format,
// then added to the user's books.
class FormAddUserBookUnit : public QDialog {
    Q_OBJECT
public:
    explicit FormAddUserBookUnit(QWidget *parent = nullptr);

    QLineEdit *txtBookName = nullptr;
    QPlainTextEdit *txtWords = nullptr;
    QPushButton *cmdLoad = nullptr;
    QPushButton *btnCheck = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *btnSampleTXT = nullptr;
    QPushButton *cmdHelp = nullptr;
    // A visible way out where no window manager draws a title bar.
    QPushButton *btnClose = nullptr;
    QLabel *lblHelp = nullptr;
    // The review window, one instance for the life of this window.
    FormResult *frmResult = nullptr;

    // Unknown words of the last dictionary check, each once.
    QStringList errWordArr;
    // A book was added (or extended) and saved.
    bool bAdded = false;

    // The word-bank text with CR LF line ends, as the data model takes it.
    QString WordsText() const;

    void cmdLoad_Click();
    void btnSampleTXT_Click();
    void btnCheck_Click();
    void cmdSave_Click();
    void cmdHelp_Click();
    bool LoadBookText(const QString &path, const QString &name);
    // Why a chosen file cannot be a word list (empty, not text, unreadable); "" when it can.
    static QString BookFileProblem(const QString &path);
    bool CheckDicWords();
    bool CheckBookFormat();

    static const QString kSampleBookName;
};
