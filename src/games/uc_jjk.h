// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "games/fillinround.h"
#include "games/gamecontrol.h"
#include "games/wordround.h"
#include <vector>

class ClickLabel;
class CWord;
class NewWordPicCtl;
class QLabel;
class QTimer;
class cTransPictureBox;

// Letter fill-in: the word's picture and Chinese, the English with one to
// three letters left out, and four letters to fill the blinking gap with, by
// a click or a key.
class UC_JJK : public GameControl {
    Q_OBJECT
public:
    explicit UC_JJK(QWidget *parent = nullptr);

    static constexpr int kFlashMs = 500;
    static constexpr int kCrossMs = 1000;
    static constexpr int kFilledPauseMs = 100;
    static constexpr int kLetterPx = 64; // 48 pt
    static constexpr int kChoicePx = 64;
    static constexpr int kChoiceHoverPx = 69; // 52 pt

    void StartGame() override;
    void EndGame() override;
    bool TakesTypedKeys() const override { return true; }
    bool GetNextWord();
    bool SetTestChar();
    // A character typed while the games window shows this game.
    void UserControlKeyPress(int KeyAscii) override;

    const FillInRound &Round() const { return m_round; }
    CWord *TestWord() const { return m_words.Word(); }
    const WordRound &Words() const { return m_words; }

    NewWordPicCtl *NewWordPicCtl1 = nullptr;
    std::vector<QLabel *> lblWordChar;    // 0: the hidden template
    std::vector<ClickLabel *> lblSelChar; // 0: the hidden template, 1..4 the choices
    cTransPictureBox *iconWrongAnswer = nullptr;
    QLabel *lblNum = nullptr;
    QTimer *timFlash = nullptr;
    QTimer *timHideIcon = nullptr;

public slots:
    void timFlash_Timer();
    void timHideIcon_Timer();
    void lblSelChar_Click(int k);

protected:
    void mouseMoveEvent(QMouseEvent *) override;
    void HideMarks() override;

private:
    enum class Next {
        Shown,
        NoneLeft,
        Interrupted
    };
    Next ShowNextWord();
    void LayOutWord(const QString &word);
    void DestroyLetters();
    void CloseChoices();
    void HoverChoice(int k);
    void Finish();

    FillInRound m_round;
    WordRound m_words;
};
