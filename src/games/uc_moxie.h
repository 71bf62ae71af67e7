// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "games/gamecontrol.h"
#include "games/wordround.h"
#include "wordbank/cword.h"

class NewWordPicCtl;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class cTransPictureBox;

// Dictation: the word's picture and detailed meaning; the learner types the
// English and confirms it with "确定" or Enter.
class UC_MOXIE : public GameControl {
    Q_OBJECT
public:
    explicit UC_MOXIE(QWidget *parent = nullptr);

    static constexpr int kMarkMs = 800;

    void StartGame() override;
    void EndGame() override;
    bool GetNextWord();

    CWord *TestWord() const { return m_words.Word(); }
    const WordRound &Words() const { return m_words; }
    // The word as the card shows it: its meaning without the English in it.
    const CWord &CardWord() const { return m_cardWord; }

    NewWordPicCtl *NewWordPicCtl1 = nullptr;
    QLineEdit *txtWord = nullptr;
    QPushButton *btnOK = nullptr;
    cTransPictureBox *btnAnswer = nullptr;
    QLabel *lblAnswer = nullptr;
    cTransPictureBox *iconRightAnswer = nullptr;
    cTransPictureBox *iconWrongAnswer = nullptr;
    QLabel *lblNum = nullptr;
    QTimer *timHideIcon = nullptr;

public slots:
    void btnOK_Click();
    void btnAnswer_Click();
    void timHideIcon_Timer();

protected:
    bool eventFilter(QObject *watched, QEvent *e) override;
    void HideMarks() override;

private:
    enum class Next {
        Shown,
        NoneLeft,
        Interrupted
    };
    Next ShowNextWord();
    void ShowMark(cTransPictureBox *mark, cTransPictureBox *other);
    void Finish();

    // Asking while the box is open for the word on the card
    WordRound m_words;
    CWord m_cardWord;
};
