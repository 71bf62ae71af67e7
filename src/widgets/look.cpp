// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/look.h"
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace Look {

void StyleWindow(QWidget *w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kSky);
    pal.setColor(QPalette::WindowText, kText);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->setFont(ChineseFont(16));
}

QString MainButtonStyle()
{
    return QStringLiteral(
               "QPushButton { background: %1; color: %2; border: none; border-radius: 12px; padding: 4px 14px;"
               " font-family: 'WenQuanYi Micro Hei'; font-size: 16px; font-weight: bold; }"
               "QPushButton:hover { background: #FFB347; }"
               "QPushButton:pressed { background: #E88A0C; }"
               "QPushButton:disabled { background: #B8C0CC; color: #F4F6F9; }")
        .arg(kOrange.name(), kOnColour.name());
}

QString PlainButtonStyle()
{
    return QStringLiteral(
               "QPushButton { background: white; color: %1; border: 2px solid %2; border-radius: 12px; padding: 4px 12px;"
               " font-family: 'WenQuanYi Micro Hei'; font-size: 16px; }"
               "QPushButton:hover { background: #F3F9FF; border-color: #4A90E2; }"
               "QPushButton:pressed { background: #DCEEFF; }"
               "QPushButton:disabled { color: #9AA3B2; border-color: %3; }")
        .arg(kText.name(), kFieldEdge.name(), kDisabledEdge.name());
}

QString ColourStyle(const QColor &c)
{
    return QStringLiteral("color: %1;").arg(c.name());
}

QString TextBoxRules(const QString &padding)
{
    return QStringLiteral("background: white; color: %1; border: 2px solid %2; border-radius: 10px; padding: %3;")
        .arg(kText.name(), kFieldEdge.name(), padding);
}

QString TipStyle(const QColor &edge, int radius, int sidePadding)
{
    return QStringLiteral("QLabel { color: %1; background: %2; border: 1px solid %3; border-radius: %4px;"
                          " padding: 1px %5px; }")
        .arg(kText.name(), kTipFill.name(), edge.name())
        .arg(radius)
        .arg(sidePadding);
}

QString BareButtonStyle(const QString &buttonClass)
{
    return buttonClass + QStringLiteral(" { border: none; background: transparent; padding: 0; }");
}

QString BadgeStyle(const QColor &fill, int radius)
{
    return QStringLiteral("color: %1; border-radius: %2px; background: %3;")
        .arg(kOnColour.name())
        .arg(radius)
        .arg(fill.name());
}

QPushButton *MakeButton(const QString &text, QWidget *parent, ButtonKind kind, const QString &iconPath)
{
    auto *b = new QPushButton(text, parent);
    b->setCursor(Qt::PointingHandCursor);
    b->setFont(ChineseFont(16, kind == ButtonKind::Main));
    if (!iconPath.isEmpty()) {
        b->setIcon(QIcon(iconPath));
        b->setIconSize(QSize(24, 24));
    }
    b->setStyleSheet(kind == ButtonKind::Main ? MainButtonStyle() : PlainButtonStyle());
    return b;
}

QLabel *MakeLabel(const QString &text, QWidget *parent, int pixelSize, bool bold)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(ChineseFont(pixelSize, bold));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, kText);
    l->setPalette(pal);
    return l;
}

void StyleList(QListWidget *list)
{
    list->setFont(ChineseFont(16));
    list->setCursor(Qt::PointingHandCursor);
    list->setStyleSheet(
        QStringLiteral(
            "QListWidget { background: white; color: %1; border: 2px solid %2; border-radius: 10px; padding: 4px; }"
            "QListWidget::item { padding: 5px 6px; border-radius: 6px; }"
            "QListWidget::item:hover { background: #EAF4FF; }"
            "QListWidget::item:selected { background: #4A90E2; color: %3; }")
            .arg(kText.name(), kBoxEdge.name(), kOnColour.name()));
}

void PaintRoundPanel(QPainter &p, const QRect &r, qreal radius, const QColor &fill, const QColor &edge)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    path.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.fillPath(path, fill);
    if (edge.isValid()) {
        p.setPen(QPen(edge, 1.0));
        p.drawPath(path);
    }
    p.restore();
}

} // namespace Look

QFont EnglishFont(int pixelSize, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont ChineseFont(int pixelSize, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

RoundPanel::RoundPanel(QWidget *parent, QRgb fill) : QWidget(parent), m_fill(fill) {}

void RoundPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 16, 16);
    p.fillPath(path, QColor(m_fill));
    p.setPen(QPen(Look::kBoxEdge, 1.5));
    p.drawPath(path);
}
