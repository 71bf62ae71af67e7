// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "games/arrangeboard.h"
#include "games/gamecontrol.h"
#include "games/wordround.h"
#include <QPoint>
#include <vector>

class CWord;
class ClickLabel;
class QLabel;
class QTimer;
class cTransPictureBox;

// Letter arranging: the letters of the word fly to random cells of the board
// and are dragged into one row that spells the word; a hint shows the word in
// the tip window at the price of the word's result.
class UC_PPK2 : public GameControl {
    Q_OBJECT
public:
    explicit UC_PPK2(QWidget *parent = nullptr);

    static constexpr int kLetterPx = 64; // 48 pt
    static constexpr int kBlankPx = 53;  // 40 pt, for the "_" of a blank
    static constexpr int kMinLetterPx = 12;
    static constexpr int kDealSteps = 10;
    static constexpr int kDealStepMs = 15;
    static constexpr int kMarkMs = 800;

    void StartGame() override;
    void EndGame() override;
    bool GetNextWord();
    void InitGameStatus();
    bool IsComplete() const;
    bool IsCorrectWord() const;

    CWord *TestWord() const { return m_words.Word(); }
    const WordRound &Words() const { return m_words; }
    const QString &TargetText() const { return m_target; }
    const ArrangeBoard &Board() const { return m_board; }
    // Letters 1..n of the word on the board (element 0 is the template).
    std::vector<QLabel *> picChar;
    int DraggedLetter() const { return m_dragged; }
    bool Dragging() const { return m_dragging; }

    ClickLabel *cmdTip = nullptr;
    cTransPictureBox *btnNext = nullptr;
    ClickLabel *lblNext = nullptr;
    QLabel *lblNum = nullptr;
    cTransPictureBox *iconWrongAnswer = nullptr;
    QTimer *timHideIcon = nullptr;

public slots:
    void cmdTip_Click();
    void btnNext_Click();
    void timHideIcon_Timer();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
    void HideMarks() override;

private:
    enum class Next {
        Shown,
        NoneLeft,
        Interrupted
    };
    Next ShowNextWord();
    // The board and letter size for a word of n characters: smaller letters
    // until every letter has a free cell.
    void FitBoard(int n);
    bool Deal();
    void DestroyLetters();
    void ResetDrag();
    int LetterAt(QPoint p) const;
    QList<QRect> LetterRects() const;
    QStringList Captions() const;
    void DropDragged();
    void WordArranged();
    void RowWrong();
    void ShowTip();
    void Finish();

    ArrangeBoard m_board;
    int m_letterPx = kLetterPx;
    // Busy while a completed word is being cheered
    WordRound m_words;
    QString m_target;
    // the complete wrong row on the board, marked once: moving a letter inside
    // it is no new try, taking it apart and laying it again is
    QString m_markedRow;
    bool m_dealing = false;
    bool m_dragging = false;
    int m_dragged = -1;
    QPoint m_grab;
};
