#pragma once
#include "choiceround.h"
#include "gamecontrol.h"
#include "gamerules.h"
#include <vector>

class EnTextCtl;
class NewWordPicCtl;
class QLabel;
class QTimer;
class cTransPictureBox;

// 单词选选看: the word's picture with its Chinese and up to four English
// strips beside it; the right strip slides onto the picture.
class UC_XXK : public GameControl {
    Q_OBJECT
public:
    explicit UC_XXK(QWidget *parent = nullptr);

    void StartGame() override;
    // Shows the next untested word; false when none is left.
    bool GetNextWord();
    const ChoiceRound &Round() const { return m_round; }

    NewWordPicCtl *myPicWord = nullptr;
    std::vector<EnTextCtl *> EnText; // 0..3
    cTransPictureBox *picBorder = nullptr;
    cTransPictureBox *iconRightAnswer = nullptr;
    cTransPictureBox *iconWrongAnswer = nullptr;
    QLabel *lblNum = nullptr;
    QTimer *timHideIcon = nullptr;
    QTimer *timMoveEnText = nullptr;

    static constexpr int kMarkMs = 1000;

public slots:
    void EnText_Click(int Index);
    void EnText_MouseMove(int Index);
    void timHideIcon_Timer();
    void timMoveEnText_Timer();

protected:
    void HideMarks() override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void AfterRightAnswer();

    ChoiceRound m_round;
    std::vector<QPoint> m_home;
    int m_borderTag = -2;
    int m_moving = -1;
    gamerules::SlideSteps m_slide;
};
