#pragma once
// The look the course windows share with the rest of the program: sky-blue
// window, white rounded panels, rounded buttons with one orange main action.
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace CourseStyle {

enum class ButtonKind { Normal, Main };

// Sky-blue background and the program's text colour and font.
void StyleWindow(QWidget *w);
QPushButton *MakeButton(const QString &text, QWidget *parent, ButtonKind kind = ButtonKind::Normal,
                        const QString &iconPath = QString());
QLabel *MakeLabel(const QString &text, QWidget *parent, int pixelSize = 16, bool bold = false);
void StyleList(QListWidget *list);

} // namespace CourseStyle

// A white rounded panel; children are placed on it in pixels.
class RoundPanel : public QWidget {
    Q_OBJECT
public:
    explicit RoundPanel(QWidget *parent = nullptr, QRgb fill = 0xFFFFFFFF);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QRgb m_fill;
};
