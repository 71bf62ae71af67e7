// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgetutil.h"
#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

// A picture button with one colour see-through: the picture is drawn at its
// own size, tiled or stretched, and the pixels of the transparent colour are
// neither drawn nor hit by the mouse (a press there reaches whatever lies
// below). Hosts configure it from code: SetBorderStyle(0), SetStyle(2),
// SetPictureFile(picture), then listen to Click and MouseMove.
class cTransPictureBox : public QWidget {
    Q_OBJECT
public:
    enum {
        StyleNormal = 0,
        StyleTile = 1,
        StyleStretch = 2
    };

    explicit cTransPictureBox(QWidget *parent = nullptr);

    // "Sets/returns the picture used for this control". A none picture clears
    // the face and the shape and sets the transparent colour back to black.
    const StdPicture &PictureFile() const { return m_picture; }
    void SetPictureFile(const StdPicture &pic);

    // "Sets/returns the painting format": 0 own size (the control takes the
    // picture's size), 1 tiled, 2 stretched; anything else counts as 1.
    int Style() const { return m_style; }
    void SetStyle(int style);

    // "Sets/returns the color that is hidden from view" (BGR number). Black
    // until set. Any change of style or picture while there is no picture sets
    // it back to black, so set it after the picture.
    int TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(int bgr);

    // "Sets/returns the background color for the control": kept, not drawn.
    int BackColor() const { return m_backColor; }
    void SetBackColor(int bgr) { m_backColor = bgr; }

    // "If true, forces the TransparentColor property to be the color of the
    // picture at point 0,0" (taken at every render).
    bool SyncTransparentColor() const { return m_sync; }
    void SetSyncTransparentColor(bool sync) { m_sync = sync; }

    // 0 none, 1 a thin frame drawn round the face.
    int BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(int style);

    // 0 default arrow, 99 the custom MouseIcon; the common stock pointers by
    // their classic numbers.
    int MousePointer() const { return m_mousePointer; }
    void SetMousePointer(int pointer);
    const StdPicture &MouseIcon() const { return m_mouseIcon; }
    void SetMouseIcon(const StdPicture &icon);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }
    int Width() const { return width(); }
    void SetWidth(int w) { resize(w, height()); }

    // What the control shows: the rendered picture with the transparent
    // colour cleared to see-through (null when there is nothing to show).
    const QImage &FaceImage() const { return m_face; }
    // The pixels that take the mouse, in the control's coordinates.
    const QRegion &ShapeRegion() const { return m_shape; }

    // Top-left corners of the copies when tiling a picture of size pic over
    // area: rows outer, columns inner. Empty for a picture without size.
    static QList<QPoint> TileOrigins(QSize pic, QSize area);

signals:
    void Click();
    void DblClick();
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void KeyDown(int KeyCode, int Shift);
    void MouseMove(int Button, int Shift, int X, int Y);
    void MouseDown(int Button, int Shift, int X, int Y);
    void MouseUp(int Button, int Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;

private:
    void ApplyPicture(const StdPicture &pic, bool resizeToPicture);
    void RenderPicture();
    // Face and shape from the rendered picture and the transparent colour.
    void UpdateFace();

    StdPicture m_picture; // the picture last given
    StdPicture m_imgSrc;  // the picture being rendered
    QImage m_picDest;     // the rendered picture, before transparency
    QImage m_face;
    QRegion m_shape;
    int m_transparentColor = 0;
    int m_backColor = 0;
    int m_style = StyleTile;
    bool m_sync = false;
    int m_borderStyle = 0;
    int m_mousePointer = 0;
    StdPicture m_mouseIcon;
    bool m_applying = false;
    QSize m_renderedFor;       // the control size the face was rendered for
    bool m_clickArmed = false; // a left press began on the control
};
