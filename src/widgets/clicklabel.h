// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QLabel>

// A caption that reports to its window like a control of its own: a left
// click, a press of any button, and mouse moves (also with no button held).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text = QString(), QWidget *parent = nullptr);

    // The text colour, set through the palette so it survives style changes.
    void SetForeColor(const QColor &c);
    QColor ForeColor() const;

signals:
    void Click();
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    bool m_leftDown = false;
};
