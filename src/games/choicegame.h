// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "choiceround.h"
#include "gamecontrol.h"
#include "gamerules.h"

class QLabel;
class QTimer;
class cTransPictureBox;

// What the choice games share: the round, the answer marks and their timer,
// the hover frame, the progress label, and the slide of the English onto the
// right choice that ends in the word's voice, the fanfare and the next word.
class ChoiceGameControl : public GameControl {
    Q_OBJECT
public:
    explicit ChoiceGameControl(QWidget *parent, int markMs);

    const ChoiceRound &Round() const { return m_round; }
    // Shows the next untested word; false when none is left.
    virtual bool GetNextWord() = 0;

    cTransPictureBox *picBorder = nullptr;
    cTransPictureBox *iconRightAnswer = nullptr;
    cTransPictureBox *iconWrongAnswer = nullptr;
    QLabel *lblNum = nullptr;
    QTimer *timHideIcon = nullptr;
    QTimer *timMoveEnText = nullptr;

public slots:
    void timHideIcon_Timer();
    void timMoveEnText_Timer();

protected:
    // Puts the marks above the choices; call once the choices exist.
    void RaiseMarks();
    void ShowWrongOn(const QRect &choice);
    // Slides strip in counted steps so that it lands on target.
    void StartSlide(QWidget *strip, QPoint target);
    void HideMarks() override;

    ChoiceRound m_round;

private:
    void AfterRightAnswer();

    QWidget *m_sliding = nullptr;
    gamerules::SlideSteps m_slide;
};
