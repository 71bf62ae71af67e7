// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rules of the letter arranging game apart from pixels: the board of
// cells the letters are dealt to, where a dragged letter may go, where it
// snaps, and when the letters spell the word.
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

class ArrangeBoard {
public:
    using Rnd = std::function<double()>; // uniform on [0, 1)

    static constexpr int kMargin = 5; // a clamped letter keeps this far from the edge

    ArrangeBoard() = default;
    // One free cell stays at the top and at the left.
    ArrangeBoard(QSize control, QSize cell);

    QSize Control() const { return m_control; }
    QSize Cell() const { return m_cell; }
    int Columns() const { return m_columns; }
    int Rows() const { return m_rows; }
    int CellCount() const { return m_columns * m_rows; }
    // Cell 0 is never dealt to.
    int FreeCells() const { return std::max(0, CellCount() - 1); }
    bool Fits(int letters) const { return letters <= FreeCells(); }
    QPoint CellPos(int cell) const;

    // Distinct cells 1..N-1 for n letters; empty when they do not fit.
    QList<int> Deal(int n, const Rnd &rnd) const;

    // Areas no letter may cover (the buttons): a letter put there would take
    // the next click meant for the button.
    void SetKeepOut(const QList<QRect> &areas) { m_keepOut = areas; }

    // Where a letter of the given size may stand when asked to go to topLeft:
    // inside the control, kMargin from any edge it would cross, and just
    // below any keep-out area it would cover.
    QPoint Clamp(QPoint topLeft, QSize letter) const;

    // The letter that letters[k] snaps behind (first in index order), -1 for none.
    static int SnapTarget(const QList<QRect> &letters, int k);
    // The letters stand in one row: spread, height and no two stacked.
    static bool IsComplete(const QList<QRect> &letters);
    // The captions read from left to right ("_" read as a blank).
    static QString ReadRow(const QList<QRect> &letters, const QStringList &captions);

private:
    QSize m_control;
    QSize m_cell;
    int m_columns = 0;
    int m_rows = 0;
    QList<QRect> m_keepOut;
};
