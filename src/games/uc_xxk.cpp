#include "uc_xxk.h"
#include "gamemarks.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/entextctl.h"
#include "widgets/look.h"
#include "widgets/newwordpicctl.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

namespace {
constexpr int kStripTops[ChoiceRound::kSlots] = {96, 208, 328, 448};
constexpr int kStripLeft = 584;
} // namespace

UC_XXK::UC_XXK(QWidget *parent) : GameControl(parent)
{
    setObjectName(QStringLiteral("UC_XXK"));
    setMouseTracking(true);
    resize(1000, 640);

    myPicWord = new NewWordPicCtl(this);
    myPicWord->setObjectName(QStringLiteral("myPicWord"));
    myPicWord->setGeometry(32, 208, 320, 200);

    picBorder = gamemarks::MakeFrame(this, Look::kOrange);
    picBorder->setObjectName(QStringLiteral("picBorder"));
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
    iconRightAnswer = gamemarks::MakeRightMark(this);
    iconWrongAnswer = gamemarks::MakeWrongMark(this);

    lblNum = new QLabel(this);
    lblNum->setObjectName(QStringLiteral("lblNum"));
    lblNum->setFont(EnglishFont(24, true));
    lblNum->setStyleSheet(QStringLiteral("color: #2B2D42;"));
    lblNum->setGeometry(32, 560, 320, 40);
    lblNum->setAlignment(Qt::AlignCenter);

    timHideIcon = new QTimer(this);
    timHideIcon->setObjectName(QStringLiteral("timHideIcon"));
    timHideIcon->setInterval(kMarkMs);
    connect(timHideIcon, &QTimer::timeout, this, &UC_XXK::timHideIcon_Timer);
    timMoveEnText = new QTimer(this);
    timMoveEnText->setObjectName(QStringLiteral("timMoveEnText"));
    timMoveEnText->setTimerType(Qt::PreciseTimer);
    timMoveEnText->setInterval(gamerules::SlideSteps::kStepMs);
    connect(timMoveEnText, &QTimer::timeout, this, &UC_XXK::timMoveEnText_Timer);
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
    gamemarks::HideIfVisible(iconWrongAnswer);
    gamemarks::HideIfVisible(iconRightAnswer);
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
    PlayBlocking([] { GetPlaySound()->PlaySelectionSound(6); });
}

void UC_XXK::mouseMoveEvent(QMouseEvent *e)
{
    GameControl::mouseMoveEvent(e);
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
        timHideIcon->stop();
        gamemarks::ShowMarkOn(iconWrongAnswer, strip->geometry());
        gamemarks::HideIfVisible(iconRightAnswer);
        timHideIcon->start();
        GetPlaySound()->FailedSound();
        return;
    case ChoiceRound::Outcome::Right:
        picBorder->hide();
        m_borderTag = -2;
        m_moving = Index;
        m_slide = gamerules::SlideSteps(strip->pos(), QPoint(myPicWord->x(), myPicWord->y() - strip->height()));
        strip->raise();
        timMoveEnText->start();
        return;
    }
}

void UC_XXK::timHideIcon_Timer()
{
    timHideIcon->stop();
    HideMarks();
    m_round.Resume();
}

void UC_XXK::timMoveEnText_Timer()
{
    if (m_moving < 0 || m_moving >= ChoiceRound::kSlots) {
        timMoveEnText->stop();
        return;
    }
    m_slide.Tick();
    EnText[size_t(m_moving)]->move(m_slide.Pos());
    if (!m_slide.Done())
        return;
    timMoveEnText->stop();
    m_moving = -1;
    AfterRightAnswer();
}

void UC_XXK::AfterRightAnswer()
{
    CWord *w = m_round.TestWord();
    if (!PlayBlocking([w] { w->ReadMe(1, false); }))
        return;
    if (!PlayBlocking([] { GetPlaySound()->SuceessSound(); }))
        return;
    if (!GetNextWord())
        FinishGame(m_round.Perfect());
}

void UC_XXK::HideMarks()
{
    gamemarks::HideIfVisible(iconRightAnswer);
    gamemarks::HideIfVisible(iconWrongAnswer);
}
