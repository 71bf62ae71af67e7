// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The parts every choice game places the same way: the answer marks and the
// hover frame, and the white panel the game is played on.
#include <QRect>

class cTransPictureBox;
class QColor;
class QWidget;

namespace gamemarks {
constexpr int kMarkSize = 80;
// A borderless see-through 80 x 80 mark, hidden.
cTransPictureBox *MakeRightMark(QWidget *parent);
cTransPictureBox *MakeWrongMark(QWidget *parent);
// A hover or selection frame 4 pixels wider and higher than what it rims.
cTransPictureBox *MakeFrame(QWidget *parent, const QColor &colour);
// Shows mark with its centre on the centre of r, above everything.
void ShowMarkOn(cTransPictureBox *mark, const QRect &r);
// Puts frame rim pixels round the widget it rims, shown behind it.
void ShowFrameRound(cTransPictureBox *frame, QWidget *rimmed, int rim = 2);
void HideIfVisible(QWidget *w);
} // namespace gamemarks
