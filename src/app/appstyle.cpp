#include "appstyle.h"
#include <QPainter>
#include <QPainterPath>

namespace appstyle {

void PaintRoundPanel(QPainter &p, const QRect &r, qreal radius, const QColor &fill, const QColor &edge)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    const QRectF rf = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    path.addRoundedRect(rf, radius, radius);
    p.fillPath(path, fill);
    if (edge.isValid()) {
        p.setPen(QPen(edge, 1.0));
        p.drawPath(path);
    }
    p.restore();
}

QString MainButtonStyle()
{
    return QStringLiteral(
        "QPushButton { background: #FF9F1C; color: white; border: none; border-radius: 14px;"
        " padding: 6px 18px; font-family: 'WenQuanYi Micro Hei'; font-size: 16px; font-weight: bold; }"
        "QPushButton:hover { background: #FFB347; }"
        "QPushButton:pressed { background: #E88A0C; }");
}

QString PlainButtonStyle()
{
    return QStringLiteral(
        "QPushButton { background: white; color: #2B2D42; border: 2px solid #C9E2F8; border-radius: 14px;"
        " padding: 6px 18px; font-family: 'WenQuanYi Micro Hei'; font-size: 16px; }"
        "QPushButton:hover { border-color: #FF9F1C; }"
        "QPushButton:pressed { background: #E6F3FF; }");
}

} // namespace appstyle
