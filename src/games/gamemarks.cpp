// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamemarks.h"
#include "gamepics.h"
#include "widgets/ctranspicturebox.h"

namespace gamemarks {
namespace {
cTransPictureBox *MakeMark(QWidget *parent, const StdPicture &face, const char *name)
{
    auto *m = new cTransPictureBox(parent);
    m->setObjectName(QLatin1String(name));
    m->SetBorderStyle(0);
    m->SetStyle(cTransPictureBox::StyleStretch);
    m->resize(kMarkSize, kMarkSize);
    m->SetPictureFile(face);
    // a mark shows the answer; it must not swallow the next click
    m->setAttribute(Qt::WA_TransparentForMouseEvents);
    m->hide();
    return m;
}
} // namespace

cTransPictureBox *MakeRightMark(QWidget *parent)
{
    return MakeMark(parent, gamepics::RightMark(), "iconRightAnswer");
}

cTransPictureBox *MakeWrongMark(QWidget *parent)
{
    return MakeMark(parent, gamepics::WrongMark(), "iconWrongAnswer");
}

cTransPictureBox *MakeFrame(QWidget *parent, const QColor &colour)
{
    auto *f = new cTransPictureBox(parent);
    f->SetBorderStyle(0);
    f->SetStyle(cTransPictureBox::StyleStretch);
    f->SetPictureFile(gamepics::Frame(colour));
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    f->hide();
    return f;
}

void ShowMarkOn(cTransPictureBox *mark, const QRect &r)
{
    mark->move(r.center().x() - mark->width() / 2, r.center().y() - mark->height() / 2);
    mark->show();
    mark->raise();
}

void ShowFrameRound(cTransPictureBox *frame, QWidget *rimmed, int rim)
{
    frame->setGeometry(rimmed->geometry().adjusted(-rim, -rim, rim, rim));
    frame->show();
    frame->stackUnder(rimmed);
}

void HideIfVisible(QWidget *w)
{
    if (w && !w->isHidden())
        w->hide();
}
} // namespace gamemarks
