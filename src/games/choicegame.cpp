// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "choicegame.h"
#include "gamemarks.h"
#include "sound/classplaysound.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "wordbank/cword.h"
#include <QLabel>
#include <QTimer>

ChoiceGameControl::ChoiceGameControl(QWidget *parent, int markMs) : GameControl(parent)
{
    setMouseTracking(true);
    resize(1000, 640);
    picBorder = gamemarks::MakeFrame(this, Look::kOrange);
    picBorder->setObjectName(QStringLiteral("picBorder"));
    iconRightAnswer = gamemarks::MakeRightMark(this);
    iconWrongAnswer = gamemarks::MakeWrongMark(this);

    lblNum = new QLabel(this);
    lblNum->setTextFormat(Qt::PlainText);
    lblNum->setObjectName(QStringLiteral("lblNum"));
    lblNum->setFont(EnglishFont(24, true));
    lblNum->setStyleSheet(Look::ColourStyle(Look::kText));

    timHideIcon = new QTimer(this);
    timHideIcon->setObjectName(QStringLiteral("timHideIcon"));
    timHideIcon->setInterval(markMs);
    connect(timHideIcon, &QTimer::timeout, this, &ChoiceGameControl::timHideIcon_Timer);
    timMoveEnText = new QTimer(this);
    timMoveEnText->setObjectName(QStringLiteral("timMoveEnText"));
    timMoveEnText->setTimerType(Qt::PreciseTimer);
    timMoveEnText->setInterval(gamerules::SlideSteps::kStepMs);
    connect(timMoveEnText, &QTimer::timeout, this, &ChoiceGameControl::timMoveEnText_Timer);
}

void ChoiceGameControl::RaiseMarks()
{
    iconRightAnswer->raise();
    iconWrongAnswer->raise();
}

void ChoiceGameControl::ShowWrongOn(const QRect &choice)
{
    timHideIcon->stop();
    gamemarks::ShowMarkOn(iconWrongAnswer, choice);
    gamemarks::HideIfVisible(iconRightAnswer);
    timHideIcon->start();
    GetPlaySound()->FailedSound();
}

void ChoiceGameControl::StartSlide(QWidget *strip, QPoint target)
{
    m_sliding = strip;
    m_slide = gamerules::SlideSteps(strip->pos(), target);
    strip->raise();
    RaiseMarks();
    timMoveEnText->start();
}

void ChoiceGameControl::timHideIcon_Timer()
{
    timHideIcon->stop();
    HideMarks();
    m_round.Resume();
}

void ChoiceGameControl::timMoveEnText_Timer()
{
    if (!m_sliding) {
        timMoveEnText->stop();
        return;
    }
    m_slide.Tick();
    m_sliding->move(m_slide.Pos());
    if (!m_slide.Done())
        return;
    timMoveEnText->stop();
    m_sliding = nullptr;
    AfterRightAnswer();
}

void ChoiceGameControl::AfterRightAnswer()
{
    CWord *w = m_round.TestWord();
    if (!PlayBlocking([w] { w->ReadMe(1, false); }))
        return;
    if (!PlayBlocking([] { GetPlaySound()->SuceessSound(); }))
        return;
    if (!GetNextWord() && Guard().Alive())
        FinishGame(m_round.Perfect());
}

void ChoiceGameControl::HideMarks()
{
    gamemarks::HideIfVisible(iconRightAnswer);
    gamemarks::HideIfVisible(iconWrongAnswer);
}
