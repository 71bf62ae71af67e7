// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "choicegame.h"
#include <vector>

class EnTextCtl;
class NewWordPicCtl;

// 单词选选看: the word's picture with its Chinese and up to four English
// strips beside it; the right strip slides onto the picture.
class UC_XXK : public ChoiceGameControl {
    Q_OBJECT
public:
    explicit UC_XXK(QWidget *parent = nullptr);

    void StartGame() override;
    bool GetNextWord() override;

    NewWordPicCtl *myPicWord = nullptr;
    std::vector<EnTextCtl *> EnText; // 0..3

    static constexpr int kMarkMs = 1000;

public slots:
    void EnText_Click(int Index);
    void EnText_MouseMove(int Index);

protected:
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    std::vector<QPoint> m_home;
    int m_borderTag = -2;
};
