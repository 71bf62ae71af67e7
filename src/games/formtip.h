// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDialog>

class CWord;
class NewWordPicCtl;
class QLabel;
class QPushButton;
class QTimer;

// A word as a picture card with its English: the word is heard once, and the
// window can be closed only one second after that.
class FormTip : public QDialog {
    Q_OBJECT
public:
    explicit FormTip(QWidget *parent = nullptr);

    static constexpr int kLockMs = 1000;

    void SetMyWord(CWord *inWord) { m_word = inWord; }
    CWord *MyWord() const { return m_word; }

    NewWordPicCtl *NewWordPicCtl1 = nullptr;
    QLabel *lblEnglish = nullptr;
    QPushButton *cmdOK = nullptr;
    QTimer *Timer1 = nullptr;

    // Closing is refused until the tick after the word was heard.
    bool Locked() const { return m_locked; }

public slots:
    void Timer1_Timer();
    void cmdOK_Click();
    void reject() override;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;

private:
    void Present();

    CWord *m_word = nullptr;
    bool m_locked = true;
    bool m_started = false;
    bool m_presented = false;
};
