// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>

class CSeries;
class ClassBook;
class ClassUnit;
class QLabel;

// The rounded title strip: "[series]book" on the top line, the caption of the
// selected units below, and the signed-in user on the right. A click on the
// strip or its caption lines (not the user name) raises Click.
class BookUnitTitleCtl : public QWidget {
    Q_OBJECT
public:
    explicit BookUnitTitleCtl(QWidget *parent = nullptr);

    // Shows a selection; the strip stays blank when any of the three is null.
    void SetCaption(CSeries *new_Series, ClassBook *new_Book, ClassUnit *new_Unit);
    // The current course (gCurrSeries, gCurrBook, gCurrUnit).
    void SetCurrCaption();

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }

    QLabel *lblSeriesBook = nullptr;
    QLabel *lblUnits = nullptr;
    QLabel *lblUser = nullptr;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    void PlaceLabels();
    bool OverUser(const QPoint &pos) const;

    bool m_clickArmed = false;
};
