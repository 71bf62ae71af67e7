// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "wordbank/reviewplan.h"
#include <QString>
#include <QStringList>

class QWidget;

// Today's review (今日复习) for the signed-in profile, played in the games
// window: the recognise words in a recognition game, then the spell words in
// a letter game.
namespace reviewsession {

inline constexpr int kRecogniseGame = 0; // 单词认认看
inline constexpr int kSpellGame = 4;     // 字母填填看
inline constexpr int kPlanCoins = 5;

// The words of the current selection's units, in order.
QStringList SelectionKeys();
ReviewPlan TodayPlan();
// "今日复习 12"
QString BadgeText(int count);
// Plays today's plan; the coins it paid (once, when the plan is done).
int PlayTodayPlan(QWidget *parent);
// Items of plan not yet reviewed today.
int Remaining(const ReviewPlan &plan);

} // namespace reviewsession
