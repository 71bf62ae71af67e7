// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ctranspicturebox.h"
#include "widgets/look.h"
#include "widgets/widgetutil.h"
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

namespace {
int BgrOf(QRgb px)
{
    return (qBlue(px) << 16) | (qGreen(px) << 8) | qRed(px);
}
}

cTransPictureBox::cTransPictureBox(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    // A click must not pull the keyboard away from a text box of the host.
    setFocusPolicy(Qt::TabFocus);
    // Nothing is shown, or hit, until a picture arrives.
    setMask(NothingRegion());
}

QList<QPoint> cTransPictureBox::TileOrigins(QSize pic, QSize area)
{
    QList<QPoint> out;
    // A picture without width or height would never step forward.
    if (pic.width() <= 0 || pic.height() <= 0)
        return out;
    for (int y = 0; y <= area.height(); y += pic.height())
        for (int x = 0; x <= area.width(); x += pic.width())
            out.append(QPoint(x, y));
    return out;
}

void cTransPictureBox::SetPictureFile(const StdPicture &pic)
{
    ApplyPicture(pic, true);
}

void cTransPictureBox::SetStyle(int style)
{
    m_style = (style >= StyleNormal && style <= StyleStretch) ? style : StyleTile;
    ApplyPicture(m_picture, true);
}

void cTransPictureBox::SetTransparentColor(int bgr)
{
    m_transparentColor = bgr;
    UpdateFace();
}

void cTransPictureBox::SetBorderStyle(int style)
{
    m_borderStyle = style == 1 ? 1 : 0;
    update();
}

void cTransPictureBox::SetMousePointer(int pointer)
{
    m_mousePointer = pointer;
    switch (pointer) {
    case 1: setCursor(Qt::ArrowCursor); break;
    case 2: setCursor(Qt::CrossCursor); break;
    case 3: setCursor(Qt::IBeamCursor); break;
    case 5:
    case 15: setCursor(Qt::SizeAllCursor); break;
    case 6: setCursor(Qt::SizeBDiagCursor); break;
    case 7: setCursor(Qt::SizeVerCursor); break;
    case 8: setCursor(Qt::SizeFDiagCursor); break;
    case 9: setCursor(Qt::SizeHorCursor); break;
    case 10: setCursor(Qt::UpArrowCursor); break;
    case 11: setCursor(Qt::WaitCursor); break;
    case 12: setCursor(Qt::ForbiddenCursor); break;
    case 13: setCursor(Qt::BusyCursor); break;
    case 14: setCursor(Qt::WhatsThisCursor); break;
    case 99:
        if (m_mouseIcon.HasHandle()) {
            const qreal dpr = devicePixelRatioF();
            QPixmap pm = QPixmap::fromImage(m_mouseIcon.Render(m_mouseIcon.Size(), dpr));
            setCursor(QCursor(pm));
        } else {
            unsetCursor();
        }
        break;
    default: unsetCursor(); break;
    }
}

void cTransPictureBox::SetMouseIcon(const StdPicture &icon)
{
    m_mouseIcon = icon;
    if (m_mousePointer == 99)
        SetMousePointer(99);
}

void cTransPictureBox::RenderPicture()
{
    const qreal dpr = devicePixelRatioF();
    const QSize pic = m_imgSrc.Size();
    const bool drawable = m_imgSrc.HasHandle();
    if (m_style == StyleNormal) {
        m_picDest = drawable ? m_imgSrc.Render(pic, dpr, false) : QImage();
        return;
    }
    const QSize area = size();
    if (area.width() <= 0 || area.height() <= 0) {
        m_picDest = QImage();
        return;
    }
    m_picDest = QImage(area * dpr, QImage::Format_ARGB32);
    m_picDest.setDevicePixelRatio(dpr);
    m_picDest.fill(Qt::transparent);
    if (!drawable)
        return;
    QPainter p(&m_picDest);
    if (m_style == StyleTile) {
        // One rendering of the picture, copied to every place.
        const QImage one = m_imgSrc.Render(pic, dpr, false);
        for (const QPoint &at : TileOrigins(pic, area))
            p.drawImage(at, one);
    } else {
        m_imgSrc.Paint(p, QRectF(QPointF(0, 0), QSizeF(area)), false);
    }
}

void cTransPictureBox::ApplyPicture(const StdPicture &pic, bool resizeToPicture)
{
    m_imgSrc = pic;
    if (pic.isNone()) {
        m_transparentColor = 0;
        m_picDest = QImage();
        m_picture = StdPicture();
        UpdateFace();
        return;
    }
    m_applying = true;
    RenderPicture();
    if (m_sync && !m_picDest.isNull())
        m_transparentColor = BgrOf(m_picDest.pixel(0, 0));
    if (resizeToPicture && !m_picDest.isNull()) {
        const QSize s = (QSizeF(m_picDest.size()) / m_picDest.devicePixelRatio()).toSize();
        if (s != size())
            resize(s);
    } else if (resizeToPicture && m_style == StyleNormal) {
        resize(m_imgSrc.Size().expandedTo(QSize(0, 0)));
    }
    m_applying = false;
    m_renderedFor = size();
    m_picture = pic;
    UpdateFace();
}

void cTransPictureBox::UpdateFace()
{
    if (m_picDest.isNull()) {
        m_face = QImage();
        m_shape = QRegion();
    } else {
        m_face = m_picDest.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = ColorFromBGR(m_transparentColor).rgb() & 0x00FFFFFF;
        for (int y = 0; y < m_face.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(m_face.scanLine(y));
            for (int x = 0; x < m_face.width(); ++x) {
                if (qAlpha(row[x]) != 0 && (row[x] & 0x00FFFFFF) == key)
                    row[x] = 0;
            }
        }
        m_shape = OpaqueRegion(m_face);
    }
    setMask(m_shape.isEmpty() ? NothingRegion() : m_shape);
    update();
}

void cTransPictureBox::paintEvent(QPaintEvent *)
{
    if (m_face.isNull())
        return;
    QPainter p(this);
    DrawImageInBands(p, QRectF(QPointF(0, 0), m_face.deviceIndependentSize()), m_face);
    if (m_borderStyle == 1) {
        p.setPen(QColor(Look::Text));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void cTransPictureBox::resizeEvent(QResizeEvent *)
{
    // Tiling and stretching follow the new size; a resize made while applying
    // a picture is that same rendering.
    if (m_applying || size() == m_renderedFor)
        return;
    if (!m_picture.isNone())
        ApplyPicture(m_picture, false);
}

void cTransPictureBox::mousePressEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::LeftButton)
        m_clickArmed = m_shape.contains(pos);
    emit MouseDown(VbButton(e->button()), VbShift(e->modifiers()), pos.x(), pos.y());
}

void cTransPictureBox::mouseReleaseEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    const bool click = e->button() == Qt::LeftButton && m_clickArmed && m_shape.contains(pos);
    if (e->button() == Qt::LeftButton)
        m_clickArmed = false;
    QPointer<cTransPictureBox> self(this);
    emit MouseUp(VbButton(e->button()), VbShift(e->modifiers()), pos.x(), pos.y());
    if (click && self)
        emit Click();
}

void cTransPictureBox::mouseDoubleClickEvent(QMouseEvent *e)
{
    // The second left press of a double click is the double click only; its
    // release brings no second Click. Other buttons do not double.
    if (e->button() != Qt::LeftButton) {
        mousePressEvent(e);
        return;
    }
    m_clickArmed = false;
    emit DblClick();
}

void cTransPictureBox::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    emit MouseMove(VbButton(e->buttons()), VbShift(e->modifiers()), pos.x(), pos.y());
}

void cTransPictureBox::keyPressEvent(QKeyEvent *e)
{
    QPointer<cTransPictureBox> self(this);
    emit KeyDown(VbKeyCode(e), VbShift(e->modifiers()));
    const int ascii = VbKeyAscii(e);
    if (ascii && self)
        emit KeyPress(ascii);
    // Esc belongs to the window: a focused picture button must not swallow
    // the window's way out
    if (e->key() == Qt::Key_Escape)
        e->ignore();
}

void cTransPictureBox::keyReleaseEvent(QKeyEvent *e)
{
    if (e->isAutoRepeat())
        return;
    emit KeyUp(VbKeyCode(e), VbShift(e->modifiers()));
}
