#include "clicklabel.h"
#include <QMouseEvent>

int MouseButtonCode(Qt::MouseButtons b)
{
    int code = 0;
    if (b & Qt::LeftButton)
        code |= 1;
    if (b & Qt::RightButton)
        code |= 2;
    if (b & Qt::MiddleButton)
        code |= 4;
    return code;
}

int ShiftCode(Qt::KeyboardModifiers m)
{
    int code = 0;
    if (m & Qt::ShiftModifier)
        code |= 1;
    if (m & Qt::ControlModifier)
        code |= 2;
    if (m & Qt::AltModifier)
        code |= 4;
    return code;
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setMouseTracking(true);
}

void ClickLabel::SetForeColor(const QColor &c)
{
    if (ForeColor() == c)
        return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
}

QColor ClickLabel::ForeColor() const
{
    return palette().color(QPalette::WindowText);
}

void ClickLabel::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton)
        m_leftDown = true;
    const QPoint p = e->position().toPoint();
    emit MouseDown(MouseButtonCode(e->button()), ShiftCode(e->modifiers()), p.x(), p.y());
    e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = m_leftDown && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        m_leftDown = false;
    e->accept();
    if (click)
        emit Click();
}

void ClickLabel::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    emit MouseMove(MouseButtonCode(e->buttons()), ShiftCode(e->modifiers()), p.x(), p.y());
    e->accept();
}
