// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numctl.h"
#include "widgets/look.h"
#include "helpers/texthelpers.h"
#include "wordbank/scoring.h"
#include "wordbank/classunit.h"
#include "widgets/widgetutil.h"
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>

namespace {
// The design size of a tile in the course window.
constexpr int kTileSize = 36;

// At least two digits: 5 -> "05", 100 -> "100".
QString TwoDigits(int v)
{
    return v < 0 ? QLatin1Char('-') + TwoDigits(-v) : QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

StdPicture StockPicture(const char *name)
{
    return SharedPicture(QStringLiteral(":/widgets/tiles/%1.svg").arg(QLatin1String(name)));
}
}

NumCtl::NumCtl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    img_Gray[0] = StockPicture("unit_grey");
    img_Gray[1] = StockPicture("unit_grey_sel");
    img_Red[0] = StockPicture("unit_red");
    img_Red[1] = StockPicture("unit_red_sel");
    img_Green[0] = StockPicture("unit_green");
    img_Green[1] = StockPicture("unit_green_sel");

    myImage = new ImageCtl(this);
    myImage->hide();
    lblNum = new QLabel(this);
    lblNum->setTextFormat(Qt::PlainText);
    // Picture and number both report through the tile itself.
    lblNum->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblNum->setAlignment(Qt::AlignCenter);
    lblNum->hide();
    resize(kTileSize, kTileSize);
}

void NumCtl::SetUnit(ClassUnit *inUnit, bool bSelected)
{
    if (!inUnit)
        return;
    myImage->hide();
    lblNum->hide();
    Selected = bSelected;
    const int k = Selected ? 1 : 0;
    myUnit = inUnit;
    const QString status = inUnit->GetUnitStatus();
    if (status.isEmpty())
        Show(img_Gray[k], Look::ToBgr(Look::OnBlank), TwoDigits(inUnit->UnitID));
    else if (inUnit->IsAllCompleted() == scoring::kAllGamesDone)
        Show(img_Green[k], Look::ToBgr(Look::OnColour), TwoDigits(inUnit->UnitID));
    else
        Show(img_Red[k], Look::ToBgr(Look::OnColour), TwoDigits(inUnit->UnitID));
}

void NumCtl::SetSelected(bool bSelected)
{
    SetUnit(myUnit, bSelected);
}

void NumCtl::SetUnitStatus(ClassUnit *inUnit, int testMode)
{
    if (!inUnit)
        return;
    myImage->hide();
    lblNum->hide();
    const QString status = inUnit->GetUnitStatus();
    int v = 0;
    if (testMode >= 0 && 3 * testMode + 3 <= status.size())
        v = status.mid(3 * testMode, 3).toInt();
    if (v == 0)
        Show(img_Gray[0], Look::ToBgr(Look::OnBlank), TwoDigits(v));
    else if (v == scoring::kFullRatio)
        Show(img_Green[0], Look::ToBgr(Look::OnColour), TwoDigits(v));
    else
        Show(img_Red[0], Look::ToBgr(Look::OnColour), TwoDigits(v));
}

void NumCtl::Show(const StdPicture &pic, int numberBgr, const QString &number)
{
    myImage->SetPicture(pic);
    myImage->setGeometry(rect());
    myImage->show();
    QPalette pal = lblNum->palette();
    pal.setColor(QPalette::WindowText, ColorFromBGR(numberBgr));
    lblNum->setPalette(pal);
    lblNum->setText(number);
    PlaceNumber();
    lblNum->show();
}

void NumCtl::PlaceNumber()
{
    // As large as the tile's inner face allows (the selected ring takes its
    // edge), never below 12 px.
    const int room = std::max(1, width() * 72 / 100);
    int px = std::max(12, int(height() * 0.42));
    QFont f = EnglishFont(px, true);
    while (px > 12 && QFontMetrics(f).horizontalAdvance(lblNum->text()) > room) {
        --px;
        f.setPixelSize(px);
    }
    lblNum->setFont(f);
    lblNum->adjustSize();
    lblNum->move((width() - lblNum->width()) / 2, (height() - lblNum->height()) / 2);
}

void NumCtl::resizeEvent(QResizeEvent *)
{
    myImage->setGeometry(rect());
    if (!lblNum->text().isEmpty())
        PlaceNumber();
}

void NumCtl::mousePressEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        m_clickArmed = true;
    emit MouseDown(VbButton(e->button()), VbShift(e->modifiers()), pos.x(), pos.y());
}

void NumCtl::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    const bool click = e->button() == Qt::LeftButton && m_clickArmed && rect().contains(pos);
    if (e->button() == Qt::LeftButton)
        m_clickArmed = false;
    QPointer<NumCtl> self(this);
    emit MouseUp(pos.x(), pos.y());
    if (click && self)
        emit Click();
}

void NumCtl::mouseDoubleClickEvent(QMouseEvent *e)
{
    // Only the left button doubles; a quick second right press is a press.
    if (e->button() != Qt::LeftButton) {
        mousePressEvent(e);
        return;
    }
    m_clickArmed = false;
    emit DblClick();
}

void NumCtl::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    SetHandCursor();
    emit MouseMove(pos.x(), pos.y());
}
