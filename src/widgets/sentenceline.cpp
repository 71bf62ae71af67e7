// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sentenceline.h"
#include "look.h"
#include <QEvent>
#include <QPainter>
#include <QTextCharFormat>
#include <cmath>

SentenceLine::SentenceLine(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void SentenceLine::SetSentence(const QString &text, int start, int length)
{
    start = std::clamp(start, 0, int(text.size()));
    length = std::clamp(length, 0, int(text.size()) - start);
    if (text == m_text && start == m_start && length == m_length && !m_natural.isEmpty())
        return;
    m_text = text;
    m_start = start;
    m_length = length;
    LayOut();
}

void SentenceLine::LayOut()
{
    m_layout.clearLayout();
    m_layout.setText(m_text);
    m_layout.setFont(font());
    QTextOption opt;
    opt.setWrapMode(QTextOption::NoWrap);
    m_layout.setTextOption(opt);
    QList<QTextLayout::FormatRange> ranges;
    if (m_length > 0) {
        QTextCharFormat picked;
        picked.setForeground(Look::kPickedWord);
        picked.setFontWeight(QFont::Bold);
        ranges.append({m_start, m_length, picked});
    }
    m_layout.setFormats(ranges);
    m_layout.beginLayout();
    QTextLine line = m_layout.createLine();
    if (line.isValid()) {
        line.setPosition(QPointF(0, 0));
        line.setLineWidth(1e6); // one line, never wrapped
    }
    m_layout.endLayout();
    // the same extent a rich-text label of this line asks for
    const qreal w = line.isValid() ? line.naturalTextWidth() : 0;
    const qreal h = line.isValid() ? line.height() : QFontMetricsF(font()).height();
    m_natural = QSize(int(std::ceil(w)), int(std::ceil(h)));
    updateGeometry();
    update();
}

QSize SentenceLine::sizeHint() const
{
    return m_natural;
}

void SentenceLine::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        LayOut();
}

void SentenceLine::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    // vertically centred like a label's text
    m_layout.draw(&p, QPointF(0, (height() - m_natural.height()) / 2));
}
