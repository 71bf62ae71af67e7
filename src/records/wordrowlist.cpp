// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordrowlist.h"
#include "wordbank/classuser.h"
#include "wordbank/globals.h"
#include "wordbank/reviewday.h"
#include "wordbank/reviewplan.h"
#include "widgets/listitem.h"
#include "widgets/look.h"
#include "widgets/widgetutil.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace {
constexpr int kEdge = 6; // keeps the rows off the rounded outline
constexpr int kScrollW = 18;
}

WordRowList::WordRowList(QWidget *parent) : QWidget(parent)
{
    m_view = new QWidget(this);
    PicInner = new QWidget(m_view);
    PicInner->setObjectName(QStringLiteral("PicInner"));
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->hide();
    auto *tmpl = new listItem(PicInner);
    tmpl->hide();
    listItemArr.push_back(tmpl);
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int v) {
        PicInner->move(0, -v);
        emit Scrolled();
    });
    connect(VScroll1, &QScrollBar::sliderMoved, this, [this](int) { emit Scrolled(); });
    resize(744, 600);
}

int WordRowList::VisibleHeight() const
{
    return m_view->height();
}

void WordRowList::RemoveRows()
{
    for (size_t i = 1; i < listItemArr.size(); ++i) {
        listItemArr[i]->hide();
        listItemArr[i]->deleteLater();
    }
    listItemArr.resize(1);
    UpdateScrollRange();
}

void WordRowList::ShowWords(const ClassUnit *unit, const std::function<int(const CWord &)> &colourOf)
{
    RemoveRows();
    const int w = PicInner->width();
    CWord *word = nullptr;
    for (int i = 1; unit && unit->GetWord(i, word); ++i) {
        auto *row = new listItem(PicInner);
        row->setGeometry(0, (i - 1) * kRowHeight, w, kRowHeight);
        row->SetWordLevel(word->UserEN, word->DetailCH, word->GetStatus());
        row->SetForColor(colourOf(*word));
        if (gUser)
            row->setToolTip(ReviewTooltip(gUser->Reviews(), word->English, reviewday::Today()));
        row->show();
        listItemArr.push_back(row);
    }
    UpdateScrollRange();
}

QString WordRowList::ExportText(bool withChinese) const
{
    QString text;
    for (size_t i = 1; i < listItemArr.size(); ++i) {
        text += QStringLiteral("\r\n") + listItemArr[i]->EN();
        if (withChinese)
            text += QStringLiteral("\t\t") + listItemArr[i]->CH();
    }
    return text;
}

void WordRowList::UpdateScrollRange()
{
    const int content = RowCount() * kRowHeight;
    PicInner->resize(PicInner->width(), std::max(content, VisibleHeight()));
    const int max = std::max(0, RoundHalfEven(double(content - VisibleHeight())));
    VScroll1->blockSignals(true);
    VScroll1->setRange(0, max);
    VScroll1->setValue(0);
    VScroll1->setPageStep(5 * kRowHeight);
    VScroll1->setSingleStep(kRowHeight);
    VScroll1->blockSignals(false);
    PicInner->move(0, 0);
    VScroll1->setVisible(max > 0);
}

void WordRowList::PlaceParts()
{
    const int innerW = std::max(0, width() - 2 * kEdge - kScrollW);
    m_view->setGeometry(kEdge, kEdge, innerW, std::max(0, height() - 2 * kEdge));
    PicInner->setGeometry(0, -VScroll1->value(), innerW, PicInner->height());
    VScroll1->setGeometry(width() - kEdge / 2 - kScrollW, kEdge, kScrollW, VisibleHeight());
    for (size_t i = 0; i < listItemArr.size(); ++i)
        listItemArr[i]->resize(innerW, kRowHeight);
}

void WordRowList::resizeEvent(QResizeEvent *)
{
    PlaceParts();
    UpdateScrollRange();
}

void WordRowList::wheelEvent(QWheelEvent *e)
{
    if (VScroll1->isVisible())
        QApplication::sendEvent(VScroll1, e);
}

void WordRowList::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Look::PaintRoundPanel(p, rect(), 10, Look::kPanel, Look::kPanelEdge);
}
