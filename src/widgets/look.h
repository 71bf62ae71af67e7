// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's one look: colours with meaning, fonts, buttons, labels,
// panels and the window background. Every window takes its style from here,
// so a child recognises the program everywhere.
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QPainter;
class QPushButton;
class QRect;

namespace Look {
constexpr QRgb SkyBlue = 0xFFE6F3FF;   // window background
constexpr QRgb Panel = 0xFFFFFFFF;     // rounded panels
constexpr QRgb Done = 0xFF3CB371;      // green: done, right
constexpr QRgb Progress = 0xFFE5484D;  // red: in progress, wrong
constexpr QRgb NotYet = 0xFFB8C0CC;    // grey: not yet practised
constexpr QRgb Action = 0xFFFF9F1C;    // orange: the one main action
constexpr QRgb Text = 0xFF2B2D42;      // dark text
constexpr QRgb PanelEdge = 0xFFC9E2F8; // thin edge of panels and windows

inline const QColor kSky = QColor::fromRgb(SkyBlue);
inline const QColor kPanel = QColor::fromRgb(Panel);
inline const QColor kGreen = QColor::fromRgb(Done);
inline const QColor kRed = QColor::fromRgb(Progress);
inline const QColor kGrey = QColor::fromRgb(NotYet);
inline const QColor kOrange = QColor::fromRgb(Action);
inline const QColor kText = QColor::fromRgb(Text);
inline const QColor kPanelEdge = QColor::fromRgb(PanelEdge);

enum class ButtonKind {
    Normal,
    Main
};

// Sky-blue background, the program's text colour and the Chinese font.
void StyleWindow(QWidget *w);
// A rounded push button: the one main action in orange, others in white.
QPushButton *MakeButton(const QString &text, QWidget *parent, ButtonKind kind = ButtonKind::Normal,
                        const QString &iconPath = QString());
// A caption in the Chinese font and the dark text colour.
QLabel *MakeLabel(const QString &text, QWidget *parent, int pixelSize = 16, bool bold = false);
void StyleList(QListWidget *list);

// A filled rounded rectangle with an optional thin edge, antialiased.
void PaintRoundPanel(QPainter &p, const QRect &r, qreal radius, const QColor &fill,
                     const QColor &edge = QColor());

// Style sheets of the two button kinds, for buttons made elsewhere.
QString MainButtonStyle();
QString PlainButtonStyle();
} // namespace Look

// Fonts by pixel size (never below 12 px where a child reads). English first
// falls back to the Chinese face for CJK, and the other way round.
QFont EnglishFont(int pixelSize, bool bold = false);
QFont ChineseFont(int pixelSize, bool bold = false);

// A white rounded panel; children are placed on it in pixels.
class RoundPanel : public QWidget {
    Q_OBJECT
public:
    explicit RoundPanel(QWidget *parent = nullptr, QRgb fill = Look::Panel);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QRgb m_fill;
};
