// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

// Help for a missing phonetic font: the steps, the font folder, the help file.
class FormFontInstall : public QDialog {
    Q_OBJECT
public:
    explicit FormFontInstall(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *btnFile = nullptr;
    QPushButton *btnHelp = nullptr;
    QPushButton *btnExit = nullptr;

    // The steps text of Label3.
    static QString StepsText();

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    void btnFile_Click();
    void btnHelp_Click();
};

// Opens the help window modally (the word reader calls this while the font is missing).
void ShowPhoneticFontHelp(QWidget *parent = nullptr);
