// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reviewsession.h"
#include "wordbank/scoring.h"
#include "wordbank/answers.h"
#include "formgames.h"
#include "gamemodectl.h"
#include "platform/platform.h"
#include "widgets/clicklabel.h"
#include "widgets/look.h"
#include "wordbank/classbook.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include "wordbank/reviewday.h"
#include <QLabel>
#include <QPointer>
#include <climits>
#include <memory>

namespace reviewsession {
namespace {
const QString kTitle = QStringLiteral("今日复习");

bool KnownWord(const QString &key)
{
    CWord *w = nullptr;
    return gDictionary && gDictionary->SetWord(w, key);
}

// The plan's words of one track as a unit the games can play.
std::unique_ptr<ClassUnit> PlanUnit(const ReviewPlan &plan, ReviewTrack t)
{
    auto unit = std::make_unique<ClassUnit>();
    for (const PlanItem &it : plan.items) {
        CWord *w = nullptr;
        if (it.track == t && gDictionary && gDictionary->SetWord(w, it.key))
            unit->AddNewWord(w);
    }
    unit->UnitName = kTitle;
    unit->UnitCaption = kTitle + QStringLiteral("【共有单词 ") + QString::number(unit->WordNum()) + QStringLiteral(" 个】");
    return unit;
}

QString RemainingText(int n)
{
    return QStringLiteral("还剩 ") + QString::number(n) + QStringLiteral(" 个");
}

// Only the plan's own kind of game may be picked while it runs.
void AllowGamesOf(FormGames &g, int game)
{
    const bool spell = TrackOfGame(game) == ReviewTrack::Spell;
    for (int k = 0; k < scoring::kGameCount; ++k)
        g.GameModeCtl1->SetPlayable(k, g.ControlFor(k) && (TrackOfGame(k) == ReviewTrack::Spell) == spell);
}
} // namespace

QStringList SelectionKeys()
{
    QStringList keys;
    if (!gCurrBook || !gUser)
        return keys;
    ClassUnit selection;
    if (!gCurrBook->CollectUnits(gUser->nLastStartUnit, gUser->nLastEndUnit, WordCategory::All, selection))
        return keys;
    for (int i = 1; i <= selection.WordNum(); ++i) {
        CWord *w = nullptr;
        if (selection.GetWord(i, w) && w)
            keys << w->English;
    }
    return keys;
}

ReviewPlan TodayPlan()
{
    if (!gUser)
        return {};
    return ComputePlan(gUser->Reviews(), reviewday::Today(), SelectionKeys(), {}, KnownWord);
}

QString BadgeText(int count)
{
    return kTitle + QLatin1Char(' ') + QString::number(count);
}

int Remaining(const ReviewPlan &plan)
{
    if (!gUser)
        return 0;
    const int today = reviewday::Today();
    int n = 0;
    for (const PlanItem &it : plan.items) {
        const TrackMemory *m = gUser->Reviews().Find(it.key, it.track);
        n += !(m && m->lastDay == today);
    }
    return n;
}

int PlayTodayPlan(QWidget *parent)
{
    if (!gUser)
        return 0;
    const ReviewPlan plan = TodayPlan();
    if (plan.Count() == 0) {
        plat().MsgBox(QStringLiteral("今天的复习都完成啦，明天再来吧！"), MsgButtons::OK, MsgIcon::Information, kTitle);
        return 0;
    }
    if (plan.NewCount() == plan.Count()
        && plat().MsgBox(QStringLiteral("今天没有要复习的单词，真棒！\n来认识 ") + QString::number(plan.Count())
                             + QStringLiteral(" 个新单词吧？"),
                         MsgButtons::YesNo, MsgIcon::Question, kTitle)
               != MsgResult::Yes)
        return 0;

    const std::unique_ptr<ClassUnit> recognise = PlanUnit(plan, ReviewTrack::Recognise);
    const std::unique_ptr<ClassUnit> spell = PlanUnit(plan, ReviewTrack::Spell);
    ClassUnit *const before = gCurrUnit;
    const bool startWithSpelling = recognise->WordNum() == 0;
    gCurrUnit = startWithSpelling ? spell.get() : recognise.get();
    {
        FormGames games(parent);
        games.setWindowTitle(kTitle);
        auto *progress = new QLabel(&games);
        progress->setObjectName(QStringLiteral("lblReviewLeft"));
        progress->setFont(ChineseFont(18, true));
        progress->setStyleSheet(Look::BadgeStyle(Look::kOrange, 14) + QStringLiteral(" padding: 0 12px;"));
        progress->setAlignment(Qt::AlignCenter);
        progress->setGeometry(FormGames::kWidth - 170, FormGames::kGameTop - 34, 150, 30);
        progress->setText(RemainingText(Remaining(plan)));
        const QPointer<QLabel> label(progress);
        // after the games window has graded the answer, "还剩 N 个" follows
        const answers::ScopedObserver progressShown([label, &plan](const answers::Event &) {
            if (label)
                label->setText(RemainingText(Remaining(plan)));
        });
        games.GameModeCtl1->lblUnit->setEnabled(false);
        // a child may leave the plan at any moment: what was answered is kept, nothing is taken
        games.GameModeCtl1->SetLeaveFree(true);
        const int first = startWithSpelling ? kSpellGame : kRecogniseGame;
        AllowGamesOf(games, first);
        FormGames::Script script;
        script.firstGame = first;
        script.afterGame = [&, label](FormGames &g, bool) {
            if (label)
                label->setText(RemainingText(Remaining(plan)));
            if (gCurrUnit == recognise.get() && spell->WordNum() > 0) {
                gCurrUnit = spell.get();
                AllowGamesOf(g, kSpellGame);
                g.GameModeCtl1->show();
                g.GameModeCtl1->SetTestMode(kSpellGame);
                return;
            }
            g.done(QDialog::Accepted);
        };
        games.SetScript(std::move(script));
        games.exec();
    }
    gCurrUnit = before;

    // leaving half way keeps what was done; the coins come once, at the end
    if (Remaining(plan) > 0 || TodayPlan().Count() > 0)
        return 0;
    gUser->myCoin = int(std::min<qint64>(qint64(gUser->myCoin) + kPlanCoins, INT_MAX));
    gUser->SaveUserFeature();
    plat().MsgBox(QStringLiteral("🎉 太棒了！今天的复习全部完成！\n奖励 ") + QString::number(kPlanCoins)
                      + QStringLiteral(" 个金币！"),
                  MsgButtons::OK, MsgIcon::Information, kTitle);
    return kPlanCoins;
}

} // namespace reviewsession
