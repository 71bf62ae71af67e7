// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "choicegame.h"
#include <vector>

class EnTextCtl;
class NewWordPicCtl;

// 单词认认看 (test mode 0) and 单词听听看 (test mode 3): the word is spoken and
// shown (in game 3 only heard) above four pictures; the right picture is
// ticked and the English slides down onto it.
class UC_RRK : public ChoiceGameControl {
    Q_OBJECT
public:
    explicit UC_RRK(QWidget *parent = nullptr);

    // 0 or 3, before StartGame.
    void SetTestMode(int iMode) { m_testMode = iMode; }
    int TestMode() const { return m_testMode; }
    void StartGame() override;
    bool GetNextWord() override;

    EnTextCtl *EnText = nullptr;
    std::vector<NewWordPicCtl *> img2Word; // 0..3

    static constexpr int kMarkMs = 1500;

public slots:
    void img2Word_Click(int Index);
    void img2Word_MouseMove(int Index);

protected:
    void mouseMoveEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void PlaceStrip();

    int m_testMode = 0;
};
