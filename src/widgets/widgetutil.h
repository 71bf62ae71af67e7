// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Small pieces shared by the program's controls: the picture object hosts hand
// to controls and the mapping of Qt's mouse and key events onto the numbers
// the controls report. The look itself is in look.h.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>

class QKeyEvent;
class QPainter;
class QPixmap;
class QSvgRenderer;

// Nearest whole number, ties to the even neighbour (9.5 -> 10, 10.5 -> 10).
int RoundHalfEven(double v);

// A picture as hosts give it to a control: none, a raster image, or an SVG
// kept as vector so it is drawn sharp at whatever size it is stretched to.
// Copies share the same picture.
class StdPicture {
public:
    StdPicture() = default;
    explicit StdPicture(const QImage &image);
    explicit StdPicture(const QPixmap &pixmap);
    // ".svg" (any case) loads as vector, anything else as a raster image.
    // Resource paths (":/...") work. None when missing or unreadable.
    static StdPicture Load(const QString &path);
    static StdPicture FromSvg(const QByteArray &svg);

    // No picture at all.
    bool isNone() const { return !m_svg && m_image.isNull(); }
    // Something that can be drawn: a picture with a non-zero size.
    bool HasHandle() const { return !isNone() && m_size.width() > 0 && m_size.height() > 0; }
    // A raster picture without see-through pixels.
    bool IsOpaque() const { return !m_svg && !m_image.isNull() && !m_image.hasAlphaChannel(); }
    // Natural size in device-independent pixels.
    QSize Size() const { return m_size; }
    int Width() const { return m_size.width(); }
    int Height() const { return m_size.height(); }

    // Draws the picture stretched into target. Raster pictures are scaled
    // without smoothing when smooth is false, so a key colour stays exact.
    void Paint(QPainter &p, const QRectF &target, bool smooth = true) const;
    // The picture stretched to size (logical pixels) at the given pixel ratio,
    // on a transparent ARGB32 image; a null image for an empty size.
    QImage Render(QSize size, qreal dpr = 1.0, bool smooth = true) const;

    // Same picture object (copies of one load compare equal).
    bool operator==(const StdPicture &o) const;
    bool operator!=(const StdPicture &o) const { return !(*this == o); }

private:
    QImage m_image;
    std::shared_ptr<QSvgRenderer> m_svg;
    QSize m_size;
};

// image stretched into target, as QPainter::drawImage draws it, but in bands
// of fewer device rows than Qt hands to its pool threads: for a picture the
// size of a card, waking the pool costs more CPU than the draw itself. Same
// pixels as one drawImage call.
void DrawImageInBands(QPainter &p, const QRectF &target, const QImage &image);

// The program's own art (resource paths, ":/..."), loaded once per process and
// shared by every control that shows it. Not for files that may change on disk.
StdPicture SharedPicture(const QString &path);

// A hidden-or-shown image part that stretches its picture over its whole
// area. It never takes the mouse: events go to the control that holds it.
class ImageCtl : public QWidget {
    Q_OBJECT
public:
    explicit ImageCtl(QWidget *parent = nullptr);
    void SetPicture(const StdPicture &pic);
    const StdPicture &Picture() const { return m_pic; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    StdPicture m_pic;
};

// Mouse buttons as reported by the controls' events: 1 left, 2 right, 4 middle.
int VbButton(Qt::MouseButtons buttons);
// Shift state: 1 Shift, 2 Ctrl, 4 Alt.
int VbShift(Qt::KeyboardModifiers mods);
// Key code of a key event as the classic virtual-key numbers (A = 65,
// Enter = 13, Left = 37, F1 = 112...); 0 for keys without one.
int VbKeyCode(const QKeyEvent *e);
// The character a key press types, 0 when it types none.
int VbKeyAscii(const QKeyEvent *e);

// Logical pixels of image (drawn at its device pixel ratio) that are not fully
// transparent, as a region; a logical pixel counts when any of its device
// pixels does.
QRegion OpaqueRegion(const QImage &image);
// A mask that leaves nothing of a widget visible or clickable (an empty
// QRegion would instead remove the mask).
QRegion NothingRegion();

// CreateRoundRectRgn(0, 0, w, h, ew, eh): ew and eh are ellipse sizes, so the
// corner radius is half of each.
QRegion RoundRectRegion(int w, int h, int ew, int eh);

// Colours in the data are BGR numbers (&HFF0000 is blue).
QColor ColorFromBGR(int bgr);
