// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bookunittitlectl.h"
#include "widgets/look.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "widgetutil.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/globals.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
QLabel *MakeLabel(QWidget *parent, const QFont &font, QRgb colour)
{
    auto *l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(colour));
    l->setPalette(pal);
    // The strip decides what a click on a label means.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    l->hide();
    return l;
}

constexpr QRgb kUserColour = 0xFF5C6378;
}

BookUnitTitleCtl::BookUnitTitleCtl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    lblSeriesBook = MakeLabel(this, ChineseFont(18, true), Look::Text);
    lblUnits = MakeLabel(this, ChineseFont(15), Look::InfoText);
    lblUser = MakeLabel(this, EnglishFont(14), kUserColour);
    resize(600, 60);
}

void BookUnitTitleCtl::SetCaption(CSeries *new_Series, ClassBook *new_Book, ClassUnit *new_Unit)
{
    lblSeriesBook->clear();
    lblUnits->clear();
    lblSeriesBook->hide();
    lblUnits->hide();
    lblUser->hide();
    if (!new_Series || !new_Book || !new_Unit)
        return;
    lblSeriesBook->setText((QLatin1Char('[') + new_Series->SeriesName + QLatin1Char(']') + new_Book->BookName).trimmed());
    lblUnits->setText(new_Unit->UnitCaption.trimmed());
    // Without a signed-in profile there is no one to name.
    lblUser->setText(gUser ? QStringLiteral("User: ") + gUser->userName : QString());
    PlaceLabels();
    lblSeriesBook->show();
    lblUnits->show();
    lblUser->setVisible(gUser != nullptr);
}

void BookUnitTitleCtl::SetCurrCaption()
{
    SetCaption(gCurrSeries, gCurrBook, gCurrUnit);
}

void BookUnitTitleCtl::PlaceLabels()
{
    const int w = width(), h = height();
    lblSeriesBook->adjustSize();
    lblUnits->adjustSize();
    // The two caption lines sit together in the middle of the strip.
    const int block = lblSeriesBook->height() + lblUnits->height();
    const int top = std::max(0, (h - block) / 2);
    lblSeriesBook->move((w - lblSeriesBook->width()) / 2, top);
    lblUnits->move((w - lblUnits->width()) / 2, top + lblSeriesBook->height());
    lblUser->adjustSize();
    // Right-aligned with a gap of a fifth of its own width.
    lblUser->move(w - RoundHalfEven(1.2 * lblUser->width()), (h - lblUser->height()) / 2);
}

void BookUnitTitleCtl::resizeEvent(QResizeEvent *)
{
    const int e = RoundHalfEven(width() / 60.0);
    const QRegion shape = RoundRectRegion(width(), height(), e, e);
    setMask(shape.isEmpty() ? NothingRegion() : shape);
    if (!lblSeriesBook->text().isEmpty() || !lblUnits->text().isEmpty())
        PlaceLabels();
}

void BookUnitTitleCtl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(Look::Panel));
    // A thin band in the "done" colour ties the strip to the tiles below it.
    p.fillRect(QRect(0, height() - 4, width(), 4), QColor(Look::Done));
}

bool BookUnitTitleCtl::OverUser(const QPoint &pos) const
{
    return lblUser->isVisible() && lblUser->geometry().contains(pos);
}

void BookUnitTitleCtl::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_clickArmed = !OverUser(e->position().toPoint());
}

void BookUnitTitleCtl::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint pos = e->position().toPoint();
    const bool click = m_clickArmed && rect().contains(pos) && !OverUser(pos);
    m_clickArmed = false;
    if (click)
        emit Click();
}

void BookUnitTitleCtl::mouseMoveEvent(QMouseEvent *e)
{
    if (OverUser(e->position().toPoint())) {
        unsetCursor();
        return;
    }
    SetHandCursor();
}
