#pragma once
#include "widgets/widgetutil.h"
#include <QColor>
#include <QString>

class QPainter;
class QRect;

// The windows of the start-up and the menu in the program's one look.
namespace appstyle {
inline const QColor kSky = QColor::fromRgb(Look::SkyBlue);
inline const QColor kPanel = QColor::fromRgb(Look::Panel);
inline const QColor kRed = QColor::fromRgb(Look::Progress);
inline const QColor kOrange = QColor::fromRgb(Look::Action);
inline const QColor kText = QColor::fromRgb(Look::Text);
inline const QColor kPanelEdge(0xC9, 0xE2, 0xF8);

// A filled rounded rectangle with an optional thin edge, antialiased.
void PaintRoundPanel(QPainter &p, const QRect &r, qreal radius, const QColor &fill,
                     const QColor &edge = QColor());

// Flat rounded push buttons: the main action in orange, others in white.
QString MainButtonStyle();
QString PlainButtonStyle();
}
