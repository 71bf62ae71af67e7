// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The games' own pictures: answer marks, frames, the frame's round game
// buttons and the result window's buttons, drawn as vectors so they stay
// sharp at any scale.
#include "widgets/widgetutil.h"
#include <QColor>

namespace gamepics {
StdPicture RightMark();
StdPicture WrongMark();
// A filled rounded rectangle: shows as a rim round what lies on top of it.
StdPicture Frame(const QColor &colour);
// Round game button faces: not played, done (100), in progress. Each face
// is one shared picture, so a button shows which one it has.
StdPicture ButtonEmpty();
StdPicture ButtonGreen();
StdPicture ButtonRed();
StdPicture ExitButton();
StdPicture NextGame();
StdPicture ReGame();
StdPicture ReturnHome();
StdPicture InfoStar();
} // namespace gamepics
