// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/clicklabel.h"
#include "widgets/widgetutil.h"
#include <QMouseEvent>

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setMouseTracking(true);
    // nicknames and book names are the user's text, never markup
    setTextFormat(Qt::PlainText);
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
    emit MouseDown(VbButton(e->button()), VbShift(e->modifiers()), p.x(), p.y());
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
    emit MouseMove(VbButton(e->buttons()), VbShift(e->modifiers()), p.x(), p.y());
    e->accept();
}
