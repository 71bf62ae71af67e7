// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamepics.h"
#include "widgets/look.h"

namespace gamepics {
// Each face is made once and kept for the run (never destroyed at exit).
namespace {
QByteArray Hex(const QColor &c)
{
    return c.name(QColor::HexRgb).toLatin1();
}

QByteArray OnColour()
{
    return Hex(Look::kOnColour);
}

StdPicture Svg(const QByteArray &body, int size = 100)
{
    const QByteArray n = QByteArray::number(size);
    return StdPicture::FromSvg("<svg xmlns='http://www.w3.org/2000/svg' width='" + n + "' height='" + n
                               + "' viewBox='0 0 " + n + " " + n + "'>" + body + "</svg>");
}

StdPicture Disc(const QColor &fill, const QColor &ring)
{
    return Svg("<circle cx='50' cy='50' r='46' fill='" + Hex(fill) + "' stroke='" + Hex(ring)
               + "' stroke-width='6'/><ellipse cx='50' cy='30' rx='28' ry='12' fill='#FFFFFF' opacity='0.25'/>");
}
} // namespace

// clang-format off
StdPicture RightMark()
{
    static const StdPicture *pic = new StdPicture(Svg("<circle cx='50' cy='50' r='46' fill='" + Hex(Look::kGreen)
               + "' stroke='" + OnColour() + "' stroke-width='5'/>"
                 "<path d='M27 52 L44 68 L74 34' fill='none' stroke='" + OnColour() + "' stroke-width='11'"
                 " stroke-linecap='round' stroke-linejoin='round'/>"));
    return *pic;
}

StdPicture WrongMark()
{
    static const StdPicture *pic = new StdPicture(Svg("<circle cx='50' cy='50' r='46' fill='" + Hex(Look::kRed)
               + "' stroke='" + OnColour() + "' stroke-width='5'/>"
                 "<path d='M32 32 L68 68 M68 32 L32 68' fill='none' stroke='" + OnColour() + "' stroke-width='11'"
                 " stroke-linecap='round'/>"));
    return *pic;
}

StdPicture Frame(const QColor &colour)
{
    return Svg("<rect x='0' y='0' width='100' height='100' rx='6' ry='6' fill='" + Hex(colour) + "'/>");
}

StdPicture ButtonEmpty()
{
    static const StdPicture *pic = new StdPicture(Disc(QColor(0xFF, 0xFF, 0xFF), Look::kGrey));
    return *pic;
}

StdPicture ButtonGreen()
{
    static const StdPicture *pic = new StdPicture(Disc(Look::kGreen, QColor(0x2E, 0x8B, 0x57)));
    return *pic;
}

StdPicture ButtonRed()
{
    static const StdPicture *pic = new StdPicture(Disc(Look::kRed, QColor(0xB8, 0x32, 0x37)));
    return *pic;
}

StdPicture ExitButton()
{
    static const StdPicture *pic = new StdPicture(Svg("<rect x='4' y='4' width='92' height='92' rx='22' fill='" + Hex(Look::kOrange)
               + "'/><path d='M50 22 L80 48 L71 48 L71 76 L57 76 L57 58 L43 58 L43 76 L29 76 L29 48 L20 48 Z'"
                 " fill='" + OnColour() + "' stroke='" + OnColour() + "' stroke-width='3' stroke-linejoin='round'/>"));
    return *pic;
}

StdPicture NextGame()
{
    static const StdPicture *pic = new StdPicture(Svg("<circle cx='50' cy='50' r='46' fill='" + Hex(Look::kOrange)
               + "'/><path d='M28 42 L54 42 L54 26 L78 50 L54 74 L54 58 L28 58 Z' fill='" + OnColour() + "'"
                 " stroke='" + OnColour() + "' stroke-width='4' stroke-linejoin='round'/>"));
    return *pic;
}

StdPicture ReGame()
{
    static const StdPicture *pic = new StdPicture(Svg("<circle cx='50' cy='50' r='46' fill='#4A90E2'/>"
               "<path d='M72 50 A22 22 0 1 1 62 31' fill='none' stroke='" + OnColour() + "' stroke-width='10'"
               " stroke-linecap='round'/><path d='M56 18 L76 28 L60 42 Z' fill='" + OnColour() + "' stroke='" + OnColour() + "'"
               " stroke-width='4' stroke-linejoin='round'/>"));
    return *pic;
}

StdPicture ReturnHome()
{
    static const StdPicture *pic = new StdPicture(Svg("<circle cx='50' cy='50' r='46' fill='" + Hex(Look::kGreen)
               + "'/><path d='M50 22 L80 48 L71 48 L71 76 L57 76 L57 58 L43 58 L43 76 L29 76 L29 48 L20 48 Z'"
                 " fill='" + OnColour() + "' stroke='" + OnColour() + "' stroke-width='3' stroke-linejoin='round'/>"));
    return *pic;
}

StdPicture InfoStar()
{
    static const StdPicture *pic = new StdPicture(Svg("<path d='M50 6 L62 36 L95 38 L69 58 L78 91 L50 73 L22 91 L31 58 L5 38 L38 36 Z'"
               " fill='" + Hex(Look::kGold) + "' stroke='#F4A100' stroke-width='4' stroke-linejoin='round'/>"));
    return *pic;
}
// clang-format on

} // namespace gamepics
