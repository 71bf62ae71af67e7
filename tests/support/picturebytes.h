// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A picture file's bytes, one colour all over, as the data set stores pictures.
#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>

inline QByteArray PictureBytes(QColor colour, const char *format = "PNG", QSize size = {64, 40})
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return bytes;
}
