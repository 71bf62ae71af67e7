// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listitem.h"
#include "widgets/look.h"
#include "helpers/texthelpers.h"
#include "widgetutil.h"
#include <QFontMetrics>
#include <QLabel>

namespace {
QLabel *MakeColumn(QWidget *parent, const QFont &font)
{
    auto *l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    l->setTextFormat(Qt::PlainText);
    return l;
}

constexpr int kPad = 10;
constexpr QRgb kLineColour = 0xFFD5DEE8;
}

listItem::listItem(QWidget *parent) : QWidget(parent)
{
    lblEN = MakeColumn(this, EnglishFont(16, true));
    lblCH = MakeColumn(this, ChineseFont(15));
    lblLevel = MakeColumn(this, ChineseFont(14));
    Line1 = new QWidget(this);
    Line1->setAutoFillBackground(true);
    QPalette pal = Line1->palette();
    pal.setColor(QPalette::Window, QColor(kLineColour));
    Line1->setPalette(pal);
    SetForColor(0);
    resize(720, 34);
    Layout();
}

void listItem::SetWordLevel(const QString &EN, const QString &CH, const QString &Level)
{
    m_en = EN;
    m_ch = CH;
    m_level = Level;
    Layout();
}

void listItem::SetForColor(int color)
{
    for (QLabel *l : {lblEN, lblCH, lblLevel}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, ColorFromBGR(color));
        l->setPalette(pal);
    }
}

void listItem::Layout()
{
    const int w = width(), h = height();
    const int inner = std::max(0, w - 4 * kPad);
    const int enW = inner * 30 / 100;
    const int levelW = inner * 17 / 100;
    const int chW = inner - enW - levelW;
    const int textH = std::max(0, h - 1);
    lblEN->setGeometry(kPad, 0, enW, textH);
    lblCH->setGeometry(2 * kPad + enW, 0, chW, textH);
    lblLevel->setGeometry(3 * kPad + enW + chW, 0, levelW, textH);
    Line1->setGeometry(0, h - 1, w, 1);
    // Long explanations are shortened on screen only; the texts stay whole.
    const std::pair<QLabel *, const QString *> cols[] = {{lblEN, &m_en}, {lblCH, &m_ch}, {lblLevel, &m_level}};
    for (const auto &[label, text] : cols) {
        const QString shown = QFontMetrics(label->font()).elidedText(*text, Qt::ElideRight, label->width());
        label->setText(shown);
        label->setToolTip(shown == *text ? QString() : *text);
    }
}

void listItem::resizeEvent(QResizeEvent *)
{
    Layout();
}
