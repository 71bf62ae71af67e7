// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the games window in each game and the result window to PNG files
// for a look by eye: $TALLIVO_SHOTS_DIR (default: shots/ in the build tree).
#include "gamesenv.h"
#include "support/shots.h"
#include "support/testmain.h"
#include "games/formgames.h"
#include "games/formgametip.h"
#include "games/gamemodectl.h"
#include "games/uc_ffk.h"
#include "games/uc_rrk.h"
#include "games/uc_xxk.h"

class GameShots : public QObject {
    Q_OBJECT
private slots:
    void eachGameInPlay()
    {
        GamesEnv env;
        QVERIFY(env.LoadAt(1, 1, 3, 3));
        gUser->myCoin = 23;
        gUser->myScore = 480;
        gCurrUnit->SetUnitStatus(0, 100);
        gCurrUnit->SetUnitStatus(1, 75);
        FormGames dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QCoreApplication::processEvents();

        UC_RRK *r = dlg.UC_RRK1;
        r->img2Word_Click(ChoiceSlot(r->Round(), false));
        QVERIFY(shots::Save(dlg, QStringLiteral("games_0_wrong.png")));
        Tick(r, "timHideIcon");
        r->img2Word_Click(ChoiceSlot(r->Round(), true));
        Tick(r, "timMoveEnText", 6);
        QVERIFY(shots::Save(dlg, QStringLiteral("games_0_slide.png")));

        dlg.GameModeCtl1->btnTestMode_Click(1);
        UC_XXK *x = dlg.UC_XXK1;
        x->EnText_MouseMove(ChoiceSlot(x->Round(), true));
        x->EnText_Click(ChoiceSlot(x->Round(), false));
        QVERIFY(shots::Save(dlg, QStringLiteral("games_1_wrong.png")));

        dlg.GameModeCtl1->btnTestMode_Click(2);
        UC_FFK *f = dlg.UC_FFK1;
        RunTimers(f);
        f->picWord_Click(1);
        f->picWord_MouseMove(6);
        QVERIFY(shots::Save(dlg, QStringLiteral("games_2_selected.png")));

        dlg.GameModeCtl1->btnTestMode_Click(3);
        QVERIFY(shots::Save(dlg, QStringLiteral("games_3_listen.png")));
        dlg.EndAllGames();
    }

    void resultWindow()
    {
        GamesEnv env;
        QVERIFY(env.Load());
        env.UnitOf(9);
        gTestMode = 1;
        CWord *w = nullptr;
        for (int i = 1; gCurrUnit->GetWord(i, w); ++i)
            w->myTestedStatus = i <= 7 ? 1 : -1;
        FormGameTip tip;
        tip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QVERIFY(shots::Save(tip, QStringLiteral("games_result_77.png")));
    }
};

TALLIVO_SHOTS(GameShots)
#include "shots_games.moc"
