// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uc_rrk.h"
#include "gamemarks.h"
#include "platform/platform.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/entextctl.h"
#include "widgets/newwordpicctl.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr QPoint kCardPos[ChoiceRound::kSlots] = {{112, 144}, {600, 144}, {112, 424}, {600, 424}};
} // namespace

UC_RRK::UC_RRK(QWidget *parent) : ChoiceGameControl(parent, kMarkMs)
{
    setObjectName(QStringLiteral("UC_RRK"));
    for (int j = 0; j < ChoiceRound::kSlots; ++j) {
        auto *card = new NewWordPicCtl(this);
        card->setObjectName(QStringLiteral("img2Word%1").arg(j));
        card->setGeometry(QRect(kCardPos[j], QSize(320, 200)));
        card->hide();
        connect(card, &NewWordPicCtl::Click, this, [this, j] { img2Word_Click(j); });
        connect(card, &NewWordPicCtl::MouseMove, this, [this, j] { img2Word_MouseMove(j); });
        img2Word.push_back(card);
    }
    EnText = new EnTextCtl(this);
    EnText->setObjectName(QStringLiteral("EnText"));
    EnText->resize(320, 70);
    EnText->hide();
    PlaceStrip();
    lblNum->setGeometry(24, 30, 160, 40);
    RaiseMarks();
}

void UC_RRK::PlaceStrip()
{
    EnText->move((width() - EnText->width()) / 2, EnText->height() / 3);
}

void UC_RRK::resizeEvent(QResizeEvent *e)
{
    ChoiceGameControl::resizeEvent(e);
    if (EnText && !timMoveEnText->isActive())
        PlaceStrip();
}

void UC_RRK::StartGame()
{
    BeginGame();
    m_round.Start(gCurrUnit);
    if (m_round.WordNum() == 0)
        return;
    GetNextWord();
}

bool UC_RRK::GetNextWord()
{
    for (NewWordPicCtl *card : img2Word)
        card->hide();
    picBorder->hide();
    HideMarks();
    if (!m_round.NextWord())
        return false;
    const bool bChinese = gUser ? gUser->bChinese : true;
    const int iCHType = gUser ? gUser->iCHType : 0;
    for (int j = 0; j < ChoiceRound::kSlots; ++j) {
        if (CWord *w = m_round.Choice(j)) {
            img2Word[size_t(j)]->SetPicWord(w, false, bChinese, iCHType);
            img2Word[size_t(j)]->setProperty("Tag", w->UserEN);
        }
    }
    EnText->hide();
    PlaceStrip();
    // the listening game shows the English only once the picture is found
    EnText->SetMyWord(m_round.TestWord(), gTestMode != 3);
    lblNum->setText(m_round.Progress());
    EnText->show();
    CWord *w = m_round.TestWord();
    if (!PlayBlocking([w] { w->ReadMe(1, false); }))
        return true;
    // a card without a word offers no choice
    for (int j = 0; j < ChoiceRound::kSlots; ++j)
        img2Word[size_t(j)]->setVisible(m_round.Choice(j) != nullptr);
    emit GotNewWord();
    return true;
}

void UC_RRK::img2Word_MouseMove(int Index)
{
    plat().SetHandCursor();
    if (InputBlocked() || m_round.state() != ChoiceRound::State::Asking)
        return;
    gamemarks::ShowFrameRound(picBorder, img2Word[size_t(Index)]);
}

void UC_RRK::mouseMoveEvent(QMouseEvent *e)
{
    ChoiceGameControl::mouseMoveEvent(e);
    picBorder->hide();
}

void UC_RRK::img2Word_Click(int Index)
{
    if (InputBlocked() || Index < 0 || Index >= ChoiceRound::kSlots)
        return;
    NewWordPicCtl *card = img2Word[size_t(Index)];
    const ChoiceRound::Outcome outcome = m_round.Answer(Index);
    if (outcome == ChoiceRound::Outcome::Ignored)
        return;
    picBorder->hide();
    if (outcome == ChoiceRound::Outcome::Wrong) {
        ShowWrongOn(card->geometry());
        return;
    }
    timHideIcon->stop();
    gamemarks::ShowMarkOn(iconRightAnswer, card->geometry());
    gamemarks::HideIfVisible(iconWrongAnswer);
    EnText->ShowEnglish();
    StartSlide(EnText, QPoint(card->x(), card->y() - EnText->height()));
}
