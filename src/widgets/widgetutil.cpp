// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgetutil.h"
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <QHash>

int RoundHalfEven(double v)
{
    const double fl = std::floor(v);
    const double diff = v - fl;
    if (diff > 0.5)
        return int(fl) + 1;
    if (diff < 0.5)
        return int(fl);
    return (std::fmod(fl, 2.0) == 0.0) ? int(fl) : int(fl) + 1;
}

// ---------------------------------------------------------------- StdPicture

StdPicture::StdPicture(const QImage &image) : m_image(image)
{
    if (!m_image.isNull())
        m_size = m_image.deviceIndependentSize().toSize();
}

StdPicture::StdPicture(const QPixmap &pixmap) : StdPicture(pixmap.toImage()) {}

StdPicture StdPicture::FromSvg(const QByteArray &svg)
{
    auto r = std::make_shared<QSvgRenderer>(svg);
    if (!r->isValid())
        return StdPicture();
    r->setAspectRatioMode(Qt::IgnoreAspectRatio);
    StdPicture p;
    p.m_svg = std::move(r);
    p.m_size = p.m_svg->defaultSize();
    return p;
}

StdPicture StdPicture::Load(const QString &path)
{
    if (path.isEmpty())
        return StdPicture();
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return StdPicture();
        return FromSvg(f.readAll());
    }
    QImage img(path);
    return img.isNull() ? StdPicture() : StdPicture(img);
}

StdPicture SharedPicture(const QString &path)
{
    // Deliberately never destroyed: nothing runs in a static destructor at exit.
    static auto *cache = new QHash<QString, StdPicture>;
    auto it = cache->find(path);
    if (it == cache->end())
        it = cache->insert(path, StdPicture::Load(path));
    return *it;
}

void StdPicture::Paint(QPainter &p, const QRectF &target, bool smooth) const
{
    if (!HasHandle() || target.isEmpty())
        return;
    p.save();
    if (m_svg) {
        m_svg->render(&p, target);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        DrawImageInBands(p, target, m_image);
    }
    p.restore();
}

void DrawImageInBands(QPainter &p, const QRectF &target, const QImage &image)
{
    // Qt splits a draw of more than about 96 spans, and a row of the region
    // being painted may hold several: 32 rows keep clear of it for three
    constexpr int kBandRows = 32;
    const QTransform t = p.deviceTransform();
    const qreal sy = t.m22();
    const qreal top = target.top() * sy + t.dy();
    const qreal bottom = target.bottom() * sy + t.dy();
    if (t.type() > QTransform::TxScale || sy <= 0 || bottom - top <= kBandRows || image.isNull()) {
        p.drawImage(target, image);
        return;
    }
    // Band edges sit on whole device rows, so the bands meet without a gap or
    // a row drawn twice whatever the scale; they are wider than the target so
    // no column is cut.
    const QRectF wide = target.adjusted(-1, 0, 1, 0);
    const int last = int(std::ceil(bottom));
    for (int row = int(std::floor(top)); row < last; row += kBandRows) {
        const qreal y0 = (row - t.dy()) / sy;
        const qreal y1 = (std::min(row + kBandRows, last) - t.dy()) / sy;
        p.save();
        p.setClipRect(QRectF(QPointF(wide.left(), y0), QPointF(wide.right(), y1)), Qt::IntersectClip);
        p.drawImage(target, image);
        p.restore();
    }
}

QImage StdPicture::Render(QSize size, qreal dpr, bool smooth) const
{
    if (size.width() <= 0 || size.height() <= 0)
        return QImage();
    if (dpr <= 0)
        dpr = 1.0;
    QImage out(QSize(int(std::ceil(size.width() * dpr)), int(std::ceil(size.height() * dpr))),
               QImage::Format_ARGB32);
    out.setDevicePixelRatio(dpr);
    out.fill(Qt::transparent);
    QPainter p(&out);
    Paint(p, QRectF(QPointF(0, 0), QSizeF(size)), smooth);
    p.end();
    return out;
}

bool StdPicture::operator==(const StdPicture &o) const
{
    if (isNone() || o.isNone())
        return isNone() && o.isNone();
    if (m_svg || o.m_svg)
        return m_svg == o.m_svg;
    return m_image.cacheKey() == o.m_image.cacheKey();
}

// ---------------------------------------------------------------- ImageCtl

ImageCtl::ImageCtl(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageCtl::SetPicture(const StdPicture &pic)
{
    m_pic = pic;
    update();
}

void ImageCtl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_pic.Paint(p, QRectF(rect()));
}

// ---------------------------------------------------------------- events

int VbButton(Qt::MouseButtons buttons)
{
    int b = 0;
    if (buttons & Qt::LeftButton)
        b |= 1;
    if (buttons & Qt::RightButton)
        b |= 2;
    if (buttons & Qt::MiddleButton)
        b |= 4;
    return b;
}

int VbShift(Qt::KeyboardModifiers mods)
{
    int s = 0;
    if (mods & Qt::ShiftModifier)
        s |= 1;
    if (mods & Qt::ControlModifier)
        s |= 2;
    if (mods & Qt::AltModifier)
        s |= 4;
    return s;
}

int VbKeyCode(const QKeyEvent *e)
{
    const int k = e->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (e->modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less: return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater: return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question: return 191;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

int VbKeyAscii(const QKeyEvent *e)
{
    const QString t = e->text();
    if (t.isEmpty())
        return 0;
    return t.at(0).unicode();
}

// ---------------------------------------------------------------- regions

QRegion OpaqueRegion(const QImage &image)
{
    if (image.isNull())
        return QRegion();
    const QImage img = image.format() == QImage::Format_ARGB32 ? image
                                                               : image.convertToFormat(QImage::Format_ARGB32);
    const qreal dpr = img.devicePixelRatio() > 0 ? img.devicePixelRatio() : 1.0;
    const int lw = int(std::ceil(img.width() / dpr));
    const int lh = int(std::ceil(img.height() / dpr));
    QList<QRect> rects;
    std::vector<bool> solid(size_t(std::max(lw, 0)));
    for (int y = 0; y < lh; ++y) {
        std::fill(solid.begin(), solid.end(), false);
        const int dy0 = int(std::floor(y * dpr));
        const int dy1 = std::min(img.height(), std::max(dy0 + 1, int(std::floor((y + 1) * dpr))));
        for (int dy = dy0; dy < dy1; ++dy) {
            const auto *row = reinterpret_cast<const QRgb *>(img.constScanLine(dy));
            for (int dx = 0; dx < img.width(); ++dx) {
                if (qAlpha(row[dx]) != 0) {
                    const int lx = std::min(lw - 1, int(dx / dpr));
                    solid[size_t(lx)] = true;
                }
            }
        }
        int x = 0;
        while (x < lw) {
            while (x < lw && !solid[size_t(x)])
                ++x;
            const int start = x;
            while (x < lw && solid[size_t(x)])
                ++x;
            if (x > start)
                rects.append(QRect(start, y, x - start, 1));
        }
    }
    QRegion r;
    if (!rects.isEmpty())
        r.setRects(rects.constData(), int(rects.size()));
    return r;
}

QRegion NothingRegion()
{
    return QRegion(-2, -2, 1, 1);
}

QRegion RoundRectRegion(int w, int h, int ew, int eh)
{
    if (w <= 0 || h <= 0)
        return QRegion();
    const double rx = std::min(std::max(ew, 0), w) / 2.0;
    const double ry = std::min(std::max(eh, 0), h) / 2.0;
    if (rx <= 0 || ry <= 0)
        return QRegion(0, 0, w, h);
    // One rectangle per pixel row, cut by the corner ellipse at the row's centre.
    QList<QRect> rows;
    rows.reserve(h);
    for (int y = 0; y < h; ++y) {
        const double yc = y + 0.5;
        double dy = 0;
        if (yc < ry)
            dy = ry - yc;
        else if (yc > h - ry)
            dy = yc - (h - ry);
        int inset = 0;
        if (dy > 0) {
            const double t = std::min(dy / ry, 1.0);
            inset = int(std::lround(rx - rx * std::sqrt(1.0 - t * t)));
        }
        if (w - 2 * inset > 0)
            rows.append(QRect(inset, y, w - 2 * inset, 1));
    }
    QRegion region;
    region.setRects(rows.constData(), int(rows.size()));
    return region;
}

QColor ColorFromBGR(int bgr)
{
    if (bgr < 0) {
        // System colours (&H800000nn): the classic defaults, so a form looks the
        // same on every desktop theme.
        switch (bgr & 0xFF) {
        case 0x05: return QColor(0xFF, 0xFF, 0xFF); // window
        case 0x08: return QColor(0x00, 0x00, 0x00); // window text
        case 0x0D: return QColor(0x00, 0x78, 0xD7); // highlight
        case 0x0E: return QColor(0xFF, 0xFF, 0xFF); // highlight text
        case 0x11: return QColor(0x6D, 0x6D, 0x6D); // grey text
        case 0x12: return QColor(0x00, 0x00, 0x00); // button text
        case 0x0F:                                  // button face
        default: return QColor(0xF0, 0xF0, 0xF0);
        }
    }
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
