// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uc_jjk.h"
#include "games/gamemarks.h"
#include "games/lettergame.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "widgets/newwordpicctl.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include "helpers/texthelpers.h"
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {
const QColor kChoiceColor(0x40, 0x40, 0x40);
constexpr int kLetterTop = 304;
constexpr int kLetterGap = 5;
constexpr int kChoiceLefts[5] = {0, 272, 429, 560, 704};
constexpr int kChoiceTops[5] = {0, 445, 446, 447, 448};

FillInRound::Rnd PlatformRnd()
{
    return [] { return plat().Rnd(); };
}
} // namespace

UC_JJK::UC_JJK(QWidget *parent) : GameControl(parent)
{
    setMouseTracking(true);
    resize(1000, 640);

    NewWordPicCtl1 = new NewWordPicCtl(this);
    NewWordPicCtl1->setObjectName(QStringLiteral("NewWordPicCtl1"));
    NewWordPicCtl1->setGeometry(312, 32, 400, 250);

    auto *tpl = new QLabel(this);
    tpl->setTextFormat(Qt::PlainText);
    tpl->setObjectName(QStringLiteral("lblWordChar0"));
    tpl->setFont(lettergame::LetterFont(kLetterPx));
    tpl->setStyleSheet(Look::ColourStyle(Look::kGreen));
    tpl->move(0, kLetterTop);
    tpl->hide();
    lblWordChar.push_back(tpl);

    for (int k = 0; k <= FillInRound::kChoiceCount; ++k) {
        auto *c = new ClickLabel(QString(), this);
        c->setObjectName(QStringLiteral("lblSelChar%1").arg(k));
        c->setFont(lettergame::LetterFont(kChoicePx));
        c->SetForeColor(kChoiceColor);
        c->setAlignment(Qt::AlignCenter);
        c->setGeometry(kChoiceLefts[k], kChoiceTops[k], 90, 90);
        c->hide();
        if (k > 0) {
            connect(c, &ClickLabel::Click, this, [this, k] { lblSelChar_Click(k); });
            connect(c, &ClickLabel::MouseMove, this, [this, k] { HoverChoice(k); });
        }
        lblSelChar.push_back(c);
    }

    iconWrongAnswer = gamemarks::MakeWrongMark(this);

    lblNum = lettergame::MakeProgressLabel(this);

    timFlash = lettergame::MakeTimer(this, "timFlash", &UC_JJK::timFlash_Timer);
    timHideIcon = lettergame::MakeTimer(this, "timHideIcon", &UC_JJK::timHideIcon_Timer);
}

void UC_JJK::StartGame()
{
    BeginGame();
    m_words.Start(gCurrUnit, scoring::Game::FillIn);
    if (m_words.WordNum() == 0)
        return;
    if (ShowNextWord() == Next::NoneLeft)
        Finish();
}

void UC_JJK::EndGame()
{
    GameControl::EndGame();
    m_words.End();
    CloseChoices();
    DestroyLetters();
}

void UC_JJK::HideMarks()
{
    iconWrongAnswer->hide();
}

bool UC_JJK::GetNextWord()
{
    return ShowNextWord() == Next::Shown;
}

UC_JJK::Next UC_JJK::ShowNextWord()
{
    iconWrongAnswer->hide();
    timHideIcon->stop();
    CloseChoices();
    DestroyLetters();
    if (!m_words.NextWord())
        return Next::NoneLeft;
    CWord *word = m_words.Word();
    const QString english = StripTabsTrim(word->UserEN);
    m_round.SetWord(english, FillInRound::PickGaps(english, PlatformRnd()));
    LayOutWord(english);
    lblNum->setText(m_words.Progress());
    const GameGuard guard = Guard();
    // the flip lets events run: a key typed now finds the choices closed
    NewWordPicCtl1->SetPicWord(word, true, true, 0);
    if (!guard.Alive())
        return Next::Interrupted;
    SetTestChar();
    return Next::Shown;
}

void UC_JJK::LayOutWord(const QString &word)
{
    DestroyLetters();
    const int n = int(word.size());
    QLabel *tpl = lblWordChar[0];
    // a long phrase gets smaller letters until its row fits the control
    int px = kLetterPx;
    auto rowWidth = [&](int size) {
        const QFontMetrics fm(lettergame::LetterFont(size));
        int w = 0;
        for (QChar c : word)
            w += fm.horizontalAdvance(c);
        return w + kLetterGap * (n - 1);
    };
    while (px > 16 && rowWidth(px) > width() - 40)
        px -= 4;
    const QFont font = lettergame::LetterFont(px);
    const QFontMetrics fm(font);
    int left = (width() - rowWidth(px)) / 2;
    for (int j = 0; j < n; ++j) {
        auto *l = new QLabel(this);
        l->setTextFormat(Qt::PlainText);
        l->setObjectName(QStringLiteral("lblWordChar%1").arg(j + 1));
        l->setFont(font);
        l->setStyleSheet(tpl->styleSheet());
        l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        const int w = fm.horizontalAdvance(word.at(j));
        l->setGeometry(left, kLetterTop + (kLetterPx - px), std::max(w, 1), fm.height());
        l->setText(m_round.IsGap(j) ? QStringLiteral("_") : QString(word.at(j)));
        l->show();
        left += w + kLetterGap;
        lblWordChar.push_back(l);
    }
}

void UC_JJK::DestroyLetters()
{
    // a letter may be the one whose click is running: let Qt delete it later
    for (size_t i = 1; i < lblWordChar.size(); ++i) {
        lblWordChar[i]->hide();
        lblWordChar[i]->deleteLater();
    }
    lblWordChar.resize(1);
}

void UC_JJK::CloseChoices()
{
    m_round.Close();
    timFlash->stop();
    for (int k = 1; k <= FillInRound::kChoiceCount; ++k)
        lblSelChar[size_t(k)]->hide();
}

bool UC_JJK::SetTestChar()
{
    CloseChoices();
    if (!m_round.Prepare(PlatformRnd()))
        return false;
    const QString choices = m_round.Choices();
    for (int k = 1; k <= FillInRound::kChoiceCount; ++k) {
        ClickLabel *c = lblSelChar[size_t(k)];
        c->setText(QString(choices.at(k - 1)));
        c->setFont(lettergame::LetterFont(kChoicePx));
        c->SetForeColor(kChoiceColor);
        c->show();
    }
    const size_t gap = size_t(m_round.GapPosition()) + 1;
    if (gap < lblWordChar.size())
        lblWordChar[gap]->show();
    timFlash->start(kFlashMs);
    return true;
}

void UC_JJK::timFlash_Timer()
{
    const int pos = m_round.GapPosition();
    if (!m_round.IsOpen() || pos < 0 || size_t(pos) + 1 >= lblWordChar.size()) {
        timFlash->stop();
        return;
    }
    QLabel *l = lblWordChar[size_t(pos) + 1];
    l->setVisible(!l->isVisible());
}

void UC_JJK::timHideIcon_Timer()
{
    timHideIcon->stop();
    iconWrongAnswer->hide();
}

void UC_JJK::UserControlKeyPress(int KeyAscii)
{
    if (!isVisible() || InputBlocked())
        return;
    const int k = m_round.ChoiceForKey(KeyAscii);
    if (k > 0)
        lblSelChar_Click(k);
}

void UC_JJK::lblSelChar_Click(int k)
{
    if (!m_words.Word() || InputBlocked())
        return;
    const int pos = m_round.GapPosition();
    const QChar correct = m_round.Correct();
    const FillInRound::Outcome outcome = m_round.Choose(k);
    switch (outcome) {
    case FillInRound::Outcome::Ignored:
        return;
    case FillInRound::Outcome::Wrong: {
        timHideIcon->stop();
        const QRect choice = lblSelChar[size_t(k)]->geometry();
        gamemarks::ShowMarkOn(iconWrongAnswer, choice);
        timHideIcon->start(kCrossMs);
        m_words.Answer(answers::Answer::Wrong);
        GetPlaySound()->FailedSound();
        return;
    }
    case FillInRound::Outcome::Filled:
    case FillInRound::Outcome::WordComplete:
        break;
    }
    CloseChoices();
    if (size_t(pos) + 1 < lblWordChar.size()) {
        QLabel *l = lblWordChar[size_t(pos) + 1];
        l->setText(QString(correct));
        l->show();
        l->repaint();
    }
    const GameGuard guard = Guard();
    plat().Sleep(kFilledPauseMs);
    if (!guard.Alive())
        return;
    if (outcome == FillInRound::Outcome::Filled) {
        SetTestChar();
        return;
    }
    CWord *word = m_words.Word();
    m_words.Answer(answers::Answer::Right);
    if (!PlayBlocking([word] { word->ReadMe(1, false); }))
        return;
    if (!PlayBlocking([] { GetPlaySound()->SuceessSound(); }))
        return;
    if (ShowNextWord() == Next::NoneLeft)
        Finish();
}

void UC_JJK::Finish()
{
    FinishGame(m_words.Perfect());
}

void UC_JJK::HoverChoice(int k)
{
    SetHandCursor();
    ClickLabel *c = lblSelChar[size_t(k)];
    c->setFont(lettergame::LetterFont(kChoiceHoverPx));
    c->SetForeColor(Look::kGreen);
}

void UC_JJK::mouseMoveEvent(QMouseEvent *e)
{
    for (int k = 1; k <= FillInRound::kChoiceCount; ++k) {
        ClickLabel *c = lblSelChar[size_t(k)];
        if (c->font().pixelSize() != kChoicePx)
            c->setFont(lettergame::LetterFont(kChoicePx));
        if (c->ForeColor() != kChoiceColor)
            c->SetForeColor(kChoiceColor);
    }
    QWidget::mouseMoveEvent(e);
}
