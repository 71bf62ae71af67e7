// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>
#include <array>
#include <vector>

class ClickLabel;
class QLabel;
class cTransPictureBox;

// The frame across the top of the games window: the seven game buttons, the
// user, the course, score, coins and rank, and the exit button. It decides
// which game runs and asks before a started game is left.
class GameModeCtl : public QWidget {
    Q_OBJECT
public:
    explicit GameModeCtl(QWidget *parent = nullptr);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }

    void UpdateMyShow();
    void UpdateScoreShow();
    void UpdateAllTestStatus();
    void SetUnitTestStatus(int testMode);
    void ShowTestMode(int testMode);
    void SetTestMode(int testMode);
    void ShowModeTip(int testMode);
    // A game whose control is missing shows its colour and tip and starts nothing.
    void SetPlayable(int testMode, bool playable);
    bool Playable(int testMode) const;
    // Leaving early asks nothing and costs nothing (today's review may be left any time).
    void SetLeaveFree(bool on) { m_leaveFree = on; }

    // The handlers, as clicks run them.
    void btnTestMode_Click(int Index);
    void btnExit_Click();
    void lblUnit_Click();
    // The question before a started game is left; false when the learner
    // cancels (the game goes on). OK costs a coin, never the last one.
    bool EarlyExitCheck();

    std::vector<cTransPictureBox *> btnTestMode; // game 0..6
    std::vector<ClickLabel *> lblTestMode;       // game 0..6
    QLabel *lblSelected = nullptr;
    QLabel *lblTip = nullptr;
    QLabel *lblUserName = nullptr;
    ClickLabel *lblUnit = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *lblCoin = nullptr;
    QLabel *lblLevel = nullptr;
    cTransPictureBox *btnExit = nullptr;

    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 110;

signals:
    void SelectTestMode(int testMode);
    void MouseMoveTestMode();
    void MouseMoveReturn();
    void UnitChange();
    void EndGame();

protected:
    void resizeEvent(QResizeEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void CentreUnder(QLabel *label, const QWidget *over);
    void ShowTipUnder(const QString &text, const QWidget *over);
    void HideTip();

    std::array<bool, 7> m_playable{true, true, true, true, true, true, true};
    bool m_leaveFree = false;
};
