// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shapectl.h"
#include "widgets/widgetutil.h"
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

ShapeCtl::ShapeCtl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    ApplyShape();
}

int ShapeCtl::CornerSize(int width)
{
    return RoundHalfEven(width / 20.0);
}

void ShapeCtl::SetNewPic(const StdPicture &new_pic)
{
    m_image = new_pic.Render(size(), devicePixelRatioF());
    m_pending = m_image.isNull() ? new_pic : StdPicture();
    update();
}

void ShapeCtl::ApplyShape()
{
    const int r = CornerSize(width());
    const QRegion shape = RoundRectRegion(width(), height(), r, r);
    setMask(shape.isEmpty() ? NothingRegion() : shape);
}

void ShapeCtl::resizeEvent(QResizeEvent *)
{
    if (width() > 0 && height() > 0) {
        const qreal dpr = devicePixelRatioF();
        if (!m_image.isNull()) {
            // The painting itself is stretched: the source picture is not read again.
            QImage img = m_image.scaled(size() * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            img.setDevicePixelRatio(dpr);
            m_image = img;
        } else if (!m_pending.isNone()) {
            m_image = m_pending.Render(size(), dpr);
            m_pending = StdPicture();
        }
    }
    ApplyShape();
    update();
}

void ShapeCtl::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter p(this);
    DrawImageInBands(p, QRectF(QPointF(0, 0), m_image.deviceIndependentSize()), m_image);
}

void ShapeCtl::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_clickArmed = true;
}

void ShapeCtl::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const bool click = m_clickArmed && mask().contains(e->position().toPoint());
    m_clickArmed = false;
    if (click)
        emit Click();
}

void ShapeCtl::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second press of a double click opens nothing twice.
    if (e->button() == Qt::LeftButton)
        m_clickArmed = false;
}

void ShapeCtl::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    emit MouseMove(VbButton(e->buttons()), VbShift(e->modifiers()), pos.x(), pos.y());
}
