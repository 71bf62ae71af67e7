// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the three letter games share: their buttons, timers and the progress
// label.
#include "widgets/widgetutil.h"
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;
class cTransPictureBox;

namespace lettergame {

// A picture of the letter games (":/letters/<name>.svg").
StdPicture Picture(const char *name);
// A borderless see-through picture button with the given face, hidden.
cTransPictureBox *MakeButton(QWidget *parent, const char *picture, const char *objectName, QSize size);
// The "3 / 12" label at the top left.
QLabel *MakeProgressLabel(QWidget *parent);
// A named timer whose tick runs onTick.
template <class Owner>
QTimer *MakeTimer(Owner *owner, const char *objectName, void (Owner::*onTick)());
// English letters in the game's large type.
QFont LetterFont(int pixelSize, bool bold = true);

} // namespace lettergame

#include <QTimer>
template <class Owner>
QTimer *lettergame::MakeTimer(Owner *owner, const char *objectName, void (Owner::*onTick)())
{
    auto *t = new QTimer(owner);
    t->setObjectName(QLatin1String(objectName));
    QObject::connect(t, &QTimer::timeout, owner, onTick);
    return t;
}
