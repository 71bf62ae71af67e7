// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/arrangeboard.h"
#include <algorithm>
#include <cmath>
#include <numeric>

ArrangeBoard::ArrangeBoard(QSize control, QSize cell) : m_control(control), m_cell(cell)
{
    if (cell.width() > 0 && cell.height() > 0) {
        m_columns = std::max(0, control.width() / cell.width() - 1);
        m_rows = std::max(0, control.height() / cell.height() - 1);
    }
}

QPoint ArrangeBoard::CellPos(int cell) const
{
    if (m_columns <= 0)
        return {};
    return {(cell % m_columns + 1) * m_cell.width(), (cell / m_columns + 1) * m_cell.height()};
}

QList<int> ArrangeBoard::Deal(int n, const Rnd &rnd) const
{
    QList<int> cells;
    if (n <= 0 || !Fits(n))
        return cells;
    const int free = FreeCells();
    for (int i = 0; i < n; ++i) {
        int c = 0;
        bool placed = false;
        // a stuck random source must not keep the dealing going
        for (int attempt = 0; attempt < 100 && !placed; ++attempt) {
            c = 1 + std::min(int(free * rnd()), free - 1);
            placed = !cells.contains(c);
        }
        for (int f = 1; !placed && f <= free; ++f) {
            if (!cells.contains(f)) {
                c = f;
                placed = true;
            }
        }
        if (!placed)
            return {};
        cells << c;
    }
    return cells;
}

QPoint ArrangeBoard::Clamp(QPoint topLeft, QSize letter) const
{
    int x = topLeft.x();
    int y = topLeft.y();
    if (x < 0)
        x = kMargin;
    if (y < 0)
        y = kMargin;
    if (x + letter.width() > m_control.width())
        x = m_control.width() - letter.width() - kMargin;
    if (y + letter.height() > m_control.height())
        y = m_control.height() - letter.height() - kMargin;
    for (const QRect &area : m_keepOut) {
        if (QRect(QPoint(x, y), letter).intersects(area))
            y = area.bottom() + 1 + kMargin;
    }
    // a letter larger than the control still starts on it
    return {std::max(0, x), std::max(0, y)};
}

int ArrangeBoard::SnapTarget(const QList<QRect> &letters, int k)
{
    if (k < 0 || k >= letters.size())
        return -1;
    const QRect &me = letters.at(k);
    const int h = int(std::lround(me.height() / 2.0));
    for (int i = 0; i < letters.size(); ++i) {
        if (i == k)
            continue;
        const QRect &o = letters.at(i);
        const int dx = me.left() - o.left();
        if (dx > 0 && dx < 1.5 * o.width() && std::abs(me.top() - o.top()) < h)
            return i;
    }
    return -1;
}

bool ArrangeBoard::IsComplete(const QList<QRect> &letters)
{
    const int n = int(letters.size());
    if (n < 2)
        return n == 1;
    int minLeft = letters.first().left(), maxLeft = minLeft;
    int minTop = letters.first().top(), maxTop = minTop;
    int rightmost = 0;
    int sum = 0;
    for (int i = 0; i < n; ++i) {
        const QRect &r = letters.at(i);
        sum += r.width();
        minLeft = std::min(minLeft, r.left());
        minTop = std::min(minTop, r.top());
        maxTop = std::max(maxTop, r.top());
        if (r.left() > maxLeft) {
            maxLeft = r.left();
            rightmost = i;
        }
    }
    // the spread runs from the first letter's left to the last letter's left,
    // so the last letter's own width is not part of it
    const int widths = sum - letters.at(rightmost).width();
    const int spread = maxLeft - minLeft;
    if (spread < 0.5 * widths || spread > 1.3 * widths)
        return false;
    if (maxTop - minTop > letters.first().height() / 2.0)
        return false;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (i != j && std::abs(letters.at(i).left() - letters.at(j).left()) < letters.at(i).width() / 4.0)
                return false;
    return true;
}

QString ArrangeBoard::ReadRow(const QList<QRect> &letters, const QStringList &captions)
{
    QList<int> order(letters.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return letters.at(a).left() < letters.at(b).left(); });
    QString row;
    for (int i : order) {
        const QString c = i < captions.size() ? captions.at(i).trimmed() : QString();
        row += c == QLatin1String("_") ? QStringLiteral(" ") : c;
    }
    return row;
}
