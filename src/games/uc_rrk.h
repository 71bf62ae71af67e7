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

// 单词认认看 (test mode 0) and 单词听听看 (test mode 3): the word is spoken and
// shown (in game 3 only heard) above four pictures; the right picture is
// ticked and the English slides down onto it.
class UC_RRK : public GameControl {
    Q_OBJECT
public:
    explicit UC_RRK(QWidget *parent = nullptr);

    // 0 or 3, before StartGame.
    void SetTestMode(int iMode) { m_testMode = iMode; }
    int TestMode() const { return m_testMode; }
    void StartGame() override;
    bool GetNextWord();
    const ChoiceRound &Round() const { return m_round; }

    EnTextCtl *EnText = nullptr;
    std::vector<NewWordPicCtl *> img2Word; // 0..3
    cTransPictureBox *picBorder = nullptr;
    cTransPictureBox *iconRightAnswer = nullptr;
    cTransPictureBox *iconWrongAnswer = nullptr;
    QLabel *lblNum = nullptr;
    QTimer *timHideIcon = nullptr;
    QTimer *timMoveEnText = nullptr;

    static constexpr int kMarkMs = 1500;

public slots:
    void img2Word_Click(int Index);
    void img2Word_MouseMove(int Index);
    void timHideIcon_Timer();
    void timMoveEnText_Timer();

protected:
    void HideMarks() override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void PlaceStrip();
    void AfterRightAnswer();

    ChoiceRound m_round;
    int m_testMode = 0;
    int m_target = -1;
    gamerules::SlideSteps m_slide;
};
