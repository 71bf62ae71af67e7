#include "coursestyle.h"
#include "widgets/widgetutil.h"
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace CourseStyle {

void StyleWindow(QWidget *w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, QColor(Look::SkyBlue));
    pal.setColor(QPalette::WindowText, QColor(Look::Text));
    w->setPalette(pal);
    w->setAutoFillBackground(true);
    w->setFont(ChineseFont(16));
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
    if (kind == ButtonKind::Main) {
        b->setStyleSheet(QStringLiteral(
            "QPushButton { background: #FF9F1C; color: white; border: none; border-radius: 12px; padding: 4px 14px; }"
            "QPushButton:hover { background: #FFB347; }"
            "QPushButton:pressed { background: #E88A0C; }"
            "QPushButton:disabled { background: #B8C0CC; color: #F4F6F9; }"));
    } else {
        b->setStyleSheet(QStringLiteral(
            "QPushButton { background: white; color: #2B2D42; border: 2px solid #9CC9F0; border-radius: 12px; padding: 4px 12px; }"
            "QPushButton:hover { background: #F3F9FF; border-color: #4A90E2; }"
            "QPushButton:pressed { background: #DCEEFF; }"
            "QPushButton:disabled { color: #9AA3B2; border-color: #D5DCE6; }"));
    }
    return b;
}

QLabel *MakeLabel(const QString &text, QWidget *parent, int pixelSize, bool bold)
{
    auto *l = new QLabel(text, parent);
    l->setFont(ChineseFont(pixelSize, bold));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, QColor(Look::Text));
    l->setPalette(pal);
    return l;
}

void StyleList(QListWidget *list)
{
    list->setFont(ChineseFont(16));
    list->setCursor(Qt::PointingHandCursor);
    list->setStyleSheet(QStringLiteral(
        "QListWidget { background: white; color: #2B2D42; border: 2px solid #CFE3F7; border-radius: 10px; padding: 4px; }"
        "QListWidget::item { padding: 5px 6px; border-radius: 6px; }"
        "QListWidget::item:hover { background: #EAF4FF; }"
        "QListWidget::item:selected { background: #4A90E2; color: white; }"));
}

} // namespace CourseStyle

RoundPanel::RoundPanel(QWidget *parent, QRgb fill) : QWidget(parent), m_fill(fill) {}

void RoundPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 16, 16);
    p.fillPath(path, QColor(m_fill));
    p.setPen(QPen(QColor(0xCF, 0xE3, 0xF7), 1.5));
    p.drawPath(path);
}
