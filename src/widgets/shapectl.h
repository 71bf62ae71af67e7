// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "widgetutil.h"
#include <QImage>
#include <QWidget>

// A picture tile with rounded corners: one picture stretched over the whole
// tile, the corners cut away for drawing and for the mouse.
class ShapeCtl : public QWidget {
    Q_OBJECT
public:
    explicit ShapeCtl(QWidget *parent = nullptr);

    // Paints new_pic stretched over the whole tile; that painting is what the
    // tile shows from now on, also after it is resized.
    void SetNewPic(const StdPicture &new_pic);
    // What the tile shows (null before the first picture).
    const QImage &Image() const { return m_image; }

    // Corner ellipse size for a tile of this width: width / 20, ties to even.
    static int CornerSize(int width);

signals:
    void Click();
    void MouseMove(int Button, int Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void ApplyShape();

    QImage m_image;
    // Kept only for a tile that had no area when it got its picture: there is
    // no painting yet to stretch.
    StdPicture m_pending;
    bool m_clickArmed = false;
};
