// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "flipdeck.h"
#include "gamecontrol.h"
#include <vector>

class NewWordPicCtl;
class QTimer;
class cTransPictureBox;

// 单词翻翻看: every word as a picture card and an English card, dealt face up
// one by one; two cards of one word are spoken and removed, the others close
// up from the top left.
class UC_FFK : public GameControl {
    Q_OBJECT
public:
    explicit UC_FFK(QWidget *parent = nullptr);

    void StartGame() override;
    const FlipDeck &Deck() const { return m_deck; }

    std::vector<NewWordPicCtl *> picWord; // [0] hidden template, [k] card k
    QTimer *Timer1 = nullptr;
    QTimer *TimerIcon = nullptr;
    cTransPictureBox *picBorder = nullptr;
    cTransPictureBox *borderSel = nullptr;
    cTransPictureBox *iconWrongAnswer = nullptr;
    cTransPictureBox *iconRightAnswer = nullptr;

    static constexpr int kDealMs = 100;
    static constexpr int kMarkMs = 800;
    // The selection's rim, wide enough to see at once yet inside the gap
    // between two cards.
    static constexpr int kSelectedRim = 5;

    const FlipDeck::Grid &Grid() const { return m_grid; }

public slots:
    void picWord_Click(int Index);
    void picWord_MouseMove(int Index);
    void Timer1_Timer();
    void TimerIcon_Timer();

protected:
    void HideMarks() override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void RemoveCards();
    void MakeCards();
    void Repack();
    void Matched();

    // Puts card k in its slot, shown when dealt and in view.
    void PlaceCard(int k);

    FlipDeck m_deck;
    FlipDeck::Grid m_grid;
    int m_hovered = -1;
};
