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
constexpr QRgb BoxEdge = 0xFFCFE3F7;   // border of lists, group boxes and white panels
constexpr QRgb FieldEdge = 0xFF9CC9F0; // border of text boxes and plain buttons
constexpr QRgb DisabledEdge = 0xFFD5DCE6;
constexpr QRgb InfoText = 0xFF1F6FB2;   // quieter captions: the units line, tips
constexpr QRgb TipFill = 0xFFFFF3C4;    // soft yellow behind a tip
constexpr QRgb PickedWord = 0xFFE0700A; // the word picked out in a sentence
constexpr QRgb Gold = 0xFFFFD23F;       // coins, score, stars
constexpr QRgb OnColour = 0xFFFFFFFF;   // text, numbers and marks on a coloured ground
constexpr QRgb OnBlank = 0xFF000000;    // a number on an empty disc or tile
// Word rows of the record windows by category; practising words are Text.
constexpr QRgb RowNew = 0xFF1F5FBF;
constexpr QRgb RowOftenWrong = 0xFFC62828;
constexpr QRgb RowWellKnown = 0xFF1E7B45;

// Controls that take colours as BGR numbers (&HFF0000 is blue).
constexpr int ToBgr(QRgb c)
{
    return qBlue(c) << 16 | qGreen(c) << 8 | qRed(c);
}

inline const QColor kSky = QColor::fromRgb(SkyBlue);
inline const QColor kPanel = QColor::fromRgb(Panel);
inline const QColor kGreen = QColor::fromRgb(Done);
inline const QColor kRed = QColor::fromRgb(Progress);
inline const QColor kGrey = QColor::fromRgb(NotYet);
inline const QColor kOrange = QColor::fromRgb(Action);
inline const QColor kText = QColor::fromRgb(Text);
inline const QColor kPanelEdge = QColor::fromRgb(PanelEdge);
inline const QColor kBoxEdge = QColor::fromRgb(BoxEdge);
inline const QColor kFieldEdge = QColor::fromRgb(FieldEdge);
inline const QColor kDisabledEdge = QColor::fromRgb(DisabledEdge);
inline const QColor kInfoText = QColor::fromRgb(InfoText);
inline const QColor kTipFill = QColor::fromRgb(TipFill);
inline const QColor kPickedWord = QColor::fromRgb(PickedWord);
inline const QColor kGold = QColor::fromRgb(Gold);
inline const QColor kOnColour = QColor::fromRgb(OnColour);
inline const QColor kOnBlank = QColor::fromRgb(OnBlank);

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
// "color: #rrggbb;": a label's text colour as a style sheet.
QString ColourStyle(const QColor &c);
// The rules (no selector) of a white text box with the field edge.
QString TextBoxRules(const QString &padding);
// A tip bubble: dark text on soft yellow with a thin edge.
QString TipStyle(const QColor &edge, int radius, int sidePadding);
// A rounded badge with text in the on-colour.
QString BadgeStyle(const QColor &fill, int radius);
// An icon button without frame or background, for buttons of the given class.
QString BareButtonStyle(const QString &buttonClass);
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
