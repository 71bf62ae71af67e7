// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uc_xxk.h"
#include "gamemarks.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/entextctl.h"
#include "widgets/newwordpicctl.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr int kStripTops[ChoiceRound::kSlots] = {96, 208, 328, 448};
constexpr int kStripLeft = 584;
} // namespace

UC_XXK::UC_XXK(QWidget *parent) : ChoiceGameControl(parent, kMarkMs)
{
    setObjectName(QStringLiteral("UC_XXK"));
    myPicWord = new NewWordPicCtl(this);
    myPicWord->setObjectName(QStringLiteral("myPicWord"));
    myPicWord->setGeometry(32, 208, 320, 200);
    for (int i = 0; i < ChoiceRound::kSlots; ++i) {
        auto *strip = new EnTextCtl(this);
        strip->setObjectName(QStringLiteral("EnText%1").arg(i));
        strip->setGeometry(kStripLeft, kStripTops[i], 320, 70);
        strip->hide();
        connect(strip, &EnTextCtl::Click, this, [this, i] { EnText_Click(i); });
        connect(strip, &EnTextCtl::MouseMove, this, [this, i] { EnText_MouseMove(i); });
        EnText.push_back(strip);
        m_home.push_back(strip->pos());
    }
    lblNum->setGeometry(32, 560, 320, 40);
    lblNum->setAlignment(Qt::AlignCenter);
    RaiseMarks();
}

void UC_XXK::StartGame()
{
    BeginGame();
    gTestMode = 1;
    m_round.Start(gCurrUnit);
    if (m_round.WordNum() == 0)
        return;
    GetNextWord();
}

bool UC_XXK::GetNextWord()
{
    HideMarks();
    if (!m_round.NextWord())
        return false;
    myPicWord->SetPicWord(m_round.TestWord(), false, true, 0);
    for (int i = 0; i < ChoiceRound::kSlots; ++i) {
        EnTextCtl *strip = EnText[size_t(i)];
        strip->hide();
        strip->move(m_home[size_t(i)]);
        // a slot without a word offers no choice
        if (CWord *w = m_round.Choice(i)) {
            strip->SetMyWord(w);
            strip->setProperty("Tag", w->UserEN);
            strip->show();
        }
    }
    picBorder->hide();
    m_borderTag = -2;
    lblNum->setText(m_round.Progress());
    return true;
}

void UC_XXK::EnText_MouseMove(int Index)
{
    plat().SetHandCursor();
    if (InputBlocked() || m_round.state() != ChoiceRound::State::Asking || m_borderTag == Index)
        return;
    picBorder->hide();
    m_borderTag = Index;
    gamemarks::ShowFrameRound(picBorder, EnText[size_t(Index)]);
    // the click that follows at once still counts: nothing changed meanwhile
    GetPlaySound()->PlaySelectionSound(6);
}

void UC_XXK::mouseMoveEvent(QMouseEvent *e)
{
    ChoiceGameControl::mouseMoveEvent(e);
    if (m_borderTag != -2) {
        picBorder->hide();
        m_borderTag = -2;
    }
}

void UC_XXK::EnText_Click(int Index)
{
    if (InputBlocked() || Index < 0 || Index >= ChoiceRound::kSlots)
        return;
    EnTextCtl *strip = EnText[size_t(Index)];
    switch (m_round.Answer(Index)) {
    case ChoiceRound::Outcome::Ignored:
        return;
    case ChoiceRound::Outcome::Wrong:
        ShowWrongOn(strip->geometry());
        return;
    case ChoiceRound::Outcome::Right:
        picBorder->hide();
        m_borderTag = -2;
        StartSlide(strip, QPoint(myPicWord->x(), myPicWord->y() - strip->height()));
        return;
    }
}
