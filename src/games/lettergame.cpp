// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lettergame.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include <QLabel>

namespace lettergame {

StdPicture Picture(const char *name)
{
    return StdPicture::Load(QStringLiteral(":/letters/") + QLatin1String(name) + QStringLiteral(".svg"));
}

cTransPictureBox *MakeButton(QWidget *parent, const char *picture, const char *objectName, QSize size)
{
    auto *b = new cTransPictureBox(parent);
    b->setObjectName(QLatin1String(objectName));
    b->resize(size);
    b->SetBorderStyle(0);
    b->SetStyle(cTransPictureBox::StyleStretch);
    b->SetPictureFile(Picture(picture));
    b->hide();
    return b;
}

QLabel *MakeProgressLabel(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(QStringLiteral("lblNum"));
    l->setFont(EnglishFont(22, true));
    l->setStyleSheet(Look::ColourStyle(Look::kText));
    l->setGeometry(24, 20, 160, 32);
    return l;
}

QFont LetterFont(int pixelSize, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace lettergame
