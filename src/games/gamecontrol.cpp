// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamecontrol.h"
#include "platform/platform.h"
#include "widgets/look.h"
#include "widgets/widgetutil.h"
#include <QPainter>
#include <QMetaObject>
#include <QResizeEvent>
#include <QTimer>

GameControl::GameControl(QWidget *parent) : QWidget(parent)
{
}

void GameControl::BeginGame()
{
    StopAllTimers();
    HideMarks();
    ++m_generation;
    m_playing = true;
    m_blocked = false;
}

void GameControl::EndGame()
{
    StopAllTimers();
    HideMarks();
    ++m_generation;
    m_playing = false;
}

void GameControl::FinishGame(bool bOK)
{
    if (!m_playing)
        return;
    EndGame();
    const quint64 ended = m_generation;
    QPointer<GameControl> self(this);
    QMetaObject::invokeMethod(
        this,
        [self, ended, bOK] {
            // a later StartGame or EndGame voids the old game's result
            if (self && self->m_generation == ended && !self->m_playing)
                emit self->GameOver(bOK);
        },
        Qt::QueuedConnection);
}

bool GameControl::PlayBlocking(const std::function<void()> &play)
{
    const GameGuard guard = Guard();
    const bool wasBlocked = m_blocked;
    m_blocked = true;
    play();
    if (!guard.Alive())
        return false;
    // the input that arrived while the sound held the thread answers nothing
    plat().DoEvents();
    if (!guard.Alive())
        return false;
    m_blocked = wasBlocked;
    return true;
}

void GameControl::StopAllTimers()
{
    for (QTimer *t : findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        t->stop();
}

void GameControl::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    const int c = CornerSize(width());
    setMask(RoundRectRegion(width(), height(), c, c));
}

void GameControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Look::kPanel);
}
