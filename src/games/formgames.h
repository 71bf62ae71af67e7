// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "wordbank/answers.h"
#include <QDialog>
#include <array>
#include <functional>

class GameControl;
class GameModeCtl;
class UC_FFK;
class UC_RRK;
class UC_XXK;

// The games window: the frame across the top and the six game controls
// below it, of which at most one is shown. Shown modally on an object the
// caller owns: FormGames dlg(parent); dlg.exec();
class FormGames : public QDialog {
    Q_OBJECT
public:
    explicit FormGames(QWidget *parent = nullptr);
    ~FormGames() override;

    // The score panel shows the profile's points, coins and rank again.
    void RefreshScores();

    GameModeCtl *GameModeCtl1 = nullptr;
    UC_RRK *UC_RRK1 = nullptr;
    UC_XXK *UC_XXK1 = nullptr;
    UC_FFK *UC_FFK1 = nullptr;
    // The letter games; a game whose control is missing starts nothing.
    GameControl *UC_JJK1 = nullptr;
    GameControl *UC_PPK21 = nullptr;
    GameControl *UC_MOXIE1 = nullptr;

    static constexpr int kWidth = 1016;
    static constexpr int kHeight = 770;
    static constexpr int kGameTop = 115;

    void StartTestMode(int k);
    void EndAllGames();
    void OnGameOver(bool bOK);
    // The control that plays game k, null when there is none.
    GameControl *ControlFor(int k) const;
    // The one game control shown, null when none is.
    GameControl *VisibleGame() const;
    // After any window this one opened: the keyboard belongs to the game again.
    void TakeKeysBack();

    // A guided run (the daily review): the game it starts with, and what
    // follows each game over in place of the result window's choices.
    struct Script {
        int firstGame = 0;
        std::function<void(FormGames &, bool ok)> afterGame;
    };
    void SetScript(Script script) { m_script = std::move(script); }

    // Esc and the close box go the exit button's way.
    void reject() override;
    void done(int r) override;

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PlaceGame(GameControl *c, int height = 640);
    void BeginGames();
    void OnUnitChange();
    void CloseGames();

    Script m_script;
    // the profile's score when the game being played began
    qint64 m_scoreAtStart = 0;
    bool m_started = false;
    bool m_closing = false;
    // every answer refreshes the score panel while the window lives
    answers::ScopedObserver m_scoreRefresh;
};
