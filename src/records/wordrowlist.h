// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QWidget>
#include <functional>
#include <vector>

class CWord;
class ClassUnit;
class QScrollBar;
class listItem;

// The scrolling word list of the new-word book and the record windows: a
// framed panel (the windows' PicBase) with the rows on an inner panel that a
// scroll bar moves up and down.
class WordRowList : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 34;

    explicit WordRowList(QWidget *parent = nullptr);

    QWidget *PicInner = nullptr;
    QScrollBar *VScroll1 = nullptr;
    std::vector<listItem *> listItemArr; // [0] hidden template, [i] row i

    // Replaces the rows by one per word of unit (none for no unit), each in
    // the text colour (BGR number) colourOf gives it, and scrolls to the top.
    void ShowWords(const ClassUnit *unit, const std::function<int(const CWord &)> &colourOf);
    void RemoveRows();
    int RowCount() const { return int(listItemArr.size()) - 1; }
    // What an export holds: CR LF + English (+ TAB TAB + Chinese) per row,
    // in row order; "" without rows.
    QString ExportText(bool withChinese) const;
    // Height of the part of PicInner that shows at a time.
    int VisibleHeight() const;

signals:
    // The learner moved the scroll bar (the window takes the focus back).
    void Scrolled();

protected:
    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void wheelEvent(QWheelEvent *e) override;

private:
    void PlaceParts();
    void UpdateScrollRange();

    QWidget *m_view = nullptr; // clips PicInner to the inside of the frame
};
