// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uc_ffk.h"
#include "gamemarks.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "widgets/newwordpicctl.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QMouseEvent>
#include <QTimer>

UC_FFK::UC_FFK(QWidget *parent) : GameControl(parent)
{
    setObjectName(QStringLiteral("UC_FFK"));
    setMouseTracking(true);
    resize(1000, 647);

    auto *tmpl = new NewWordPicCtl(this);
    tmpl->setObjectName(QStringLiteral("picWord0"));
    tmpl->resize(FlipDeck::kCardWidth, FlipDeck::kCardHeight);
    tmpl->hide();
    picWord.push_back(tmpl);

    picBorder = gamemarks::MakeFrame(this, Look::kOrange);
    picBorder->setObjectName(QStringLiteral("picBorder"));
    borderSel = gamemarks::MakeFrame(this, Look::kGreen);
    borderSel->setObjectName(QStringLiteral("borderSel"));
    iconWrongAnswer = gamemarks::MakeWrongMark(this);
    iconRightAnswer = gamemarks::MakeRightMark(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kDealMs);
    connect(Timer1, &QTimer::timeout, this, &UC_FFK::Timer1_Timer);
    TimerIcon = new QTimer(this);
    TimerIcon->setObjectName(QStringLiteral("TimerIcon"));
    TimerIcon->setInterval(kMarkMs);
    connect(TimerIcon, &QTimer::timeout, this, &UC_FFK::TimerIcon_Timer);
}

void UC_FFK::RemoveCards()
{
    // a card's own click may be what started this game: never delete it here
    for (size_t k = 1; k < picWord.size(); ++k) {
        picWord[k]->bUnloading = true;
        picWord[k]->hide();
        picWord[k]->deleteLater();
    }
    picWord.resize(1);
}

void UC_FFK::MakeCards()
{
    const bool bChinese = gUser ? gUser->bChinese : true;
    const int iCHType = gUser ? gUser->iCHType : 0;
    for (int k = 1; k <= m_deck.CardCount(); ++k) {
        const FlipDeck::Card &c = m_deck.CardAt(k);
        auto *card = new NewWordPicCtl(this);
        card->setObjectName(QStringLiteral("picWord%1").arg(k));
        card->hide();
        card->setGeometry(m_grid.CardRect(m_deck.SlotOf(k)));
        if (c.face == FlipDeck::Face::English)
            card->LoadEnglish(c.word);
        else
            card->SetPicWord(c.word, false, bChinese, iCHType);
        card->setProperty("Tag", QString::number(c.wordId));
        connect(card, &NewWordPicCtl::Click, this, [this, k] { picWord_Click(k); });
        connect(card, &NewWordPicCtl::MouseMove, this, [this, k] { picWord_MouseMove(k); });
        picWord.push_back(card);
    }
}

void UC_FFK::StartGame()
{
    BeginGame();
    picBorder->hide();
    borderSel->hide();
    RemoveCards();
    m_hovered = -1;
    m_deck.Start(gCurrUnit);
    if (m_deck.CardCount() == 0)
        return;
    m_grid = FlipDeck::GridFor(m_deck.CardCount());
    MakeCards();
    Timer1->start();
}

void UC_FFK::Timer1_Timer()
{
    const int k = m_deck.DealNext();
    if (k < 0) {
        Timer1->stop();
        return;
    }
    PlaceCard(k);
    if (m_deck.AllDealt())
        Timer1->stop();
}

void UC_FFK::picWord_MouseMove(int Index)
{
    plat().SetHandCursor();
    if (Index == m_hovered || !m_deck.ValidCard(Index))
        return;
    m_hovered = Index;
    if (Index == m_deck.Selected()) {
        picBorder->hide();
        return;
    }
    gamemarks::ShowFrameRound(picBorder, picWord[size_t(Index)]);
}

void UC_FFK::mouseMoveEvent(QMouseEvent *e)
{
    GameControl::mouseMoveEvent(e);
    m_hovered = -1;
    picBorder->hide();
}

void UC_FFK::picWord_Click(int Index)
{
    // nothing answers while a wrong pair's cross is shown or a sound plays
    if (InputBlocked() || TimerIcon->isActive() || !Playing())
        return;
    switch (m_deck.Click(Index)) {
    case FlipDeck::Outcome::Ignored:
        return;
    case FlipDeck::Outcome::Deselected:
        borderSel->hide();
        picBorder->hide();
        return;
    case FlipDeck::Outcome::Selected:
        gamemarks::ShowFrameRound(borderSel, picWord[size_t(Index)], kSelectedRim);
        picBorder->hide();
        // the second card may be clicked while this sounds
        GetPlaySound()->PlaySelectionSound(1);
        return;
    case FlipDeck::Outcome::WrongPair:
        picBorder->hide();
        borderSel->hide();
        gamemarks::ShowMarkOn(iconWrongAnswer, picWord[size_t(Index)]->geometry());
        TimerIcon->start();
        GetPlaySound()->FailedSound();
        return;
    case FlipDeck::Outcome::Match:
        picBorder->hide();
        borderSel->hide();
        Matched();
        return;
    }
}

void UC_FFK::Matched()
{
    NewWordPicCtl *a = picWord[size_t(m_deck.MatchedA())];
    NewWordPicCtl *b = picWord[size_t(m_deck.MatchedB())];
    if (!PlayBlocking([a] { a->ReadMe(1); }))
        return;
    a->hide();
    b->hide();
    Repack();
    if (!m_deck.AllMatched())
        return;
    if (!PlayBlocking([] { GetPlaySound()->SuceessSound(); }))
        return;
    FinishGame(m_deck.Perfect());
}

void UC_FFK::Repack()
{
    gamemarks::HideIfVisible(iconWrongAnswer);
    for (int k = 1; k <= m_deck.CardCount(); ++k) {
        if (m_deck.CardAt(k).state != FlipDeck::CardState::Removed)
            PlaceCard(k);
    }
    m_hovered = -1;
}

void UC_FFK::PlaceCard(int k)
{
    NewWordPicCtl *card = picWord[size_t(k)];
    const int slot = m_deck.SlotOf(k);
    card->move(m_grid.Pos(slot));
    // a card is never cut off by the edge: it waits out of view instead
    card->setVisible(m_deck.CardAt(k).state == FlipDeck::CardState::Shown && m_grid.InView(slot));
}

void UC_FFK::TimerIcon_Timer()
{
    TimerIcon->stop();
    HideMarks();
}

void UC_FFK::HideMarks()
{
    gamemarks::HideIfVisible(iconWrongAnswer);
    gamemarks::HideIfVisible(iconRightAnswer);
}
