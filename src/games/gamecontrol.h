// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every game control of the games window follows: StartGame begins a
// game on gCurrUnit, EndGame stops it, and GameOver(bOK) is raised once per
// game, queued. A game is a generation: anything that returns into a game
// that has ended or been restarted meanwhile (a timer tick, a blocking
// sound, a wait that let events through) finds a new generation and stops.
#include <QPointer>
#include <QWidget>
#include <functional>

class GameControl : public QWidget {
    Q_OBJECT
public:
    explicit GameControl(QWidget *parent = nullptr);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool on) { setEnabled(on); }

    // Begins a game on every word of gCurrUnit. Overrides call BeginGame()
    // first. A selection without words starts nothing.
    virtual void StartGame() = 0;
    // Stops every timer and animation of the control and hides its marks;
    // a pending GameOver of the game is dropped. Safe to call twice.
    virtual void EndGame();

    // The games window hands typed characters to a visible control that
    // takes them (the letter fill-in game).
    virtual bool TakesTypedKeys() const { return false; }
    virtual void UserControlKeyPress(int KeyAscii) { Q_UNUSED(KeyAscii) }

    quint64 Generation() const { return m_generation; }
    // Between StartGame and the end of that game.
    bool Playing() const { return m_playing; }
    // A blocking sound of this control is playing.
    bool InputBlocked() const { return m_blocked; }

    // The rounded outline's corner ellipse: one sixtieth of the width.
    static int CornerSize(int width) { return width / 60; }

    // The view a timer tick, a sound or a wait keeps of the game it began in.
    class GameGuard {
    public:
        GameGuard() = default;
        GameGuard(GameControl *ctl, quint64 generation) : m_ctl(ctl), m_generation(generation) {}
        // The control still exists and still plays that game.
        bool Alive() const { return m_ctl && m_ctl->m_generation == m_generation && m_ctl->m_playing; }

    private:
        QPointer<GameControl> m_ctl;
        quint64 m_generation = 0;
    };
    GameGuard Guard() { return GameGuard(this, m_generation); }

signals:
    void GotNewWord();
    void OneWordOK();
    void GameOver(bool bOK);

protected:
    // Starts a new generation: what was still pending of the old game is void.
    void BeginGame();
    // Ends the game (EndGame) and raises GameOver(bOK) once, queued, so no
    // handler of a widget that the next game destroys is still running.
    void FinishGame(bool bOK);
    // Plays a blocking sound; the clicks and keys that queued up meanwhile are
    // let through while InputBlocked() is true, so they answer nothing.
    // False when the game ended or the control went meanwhile.
    bool PlayBlocking(const std::function<void()> &play);
    // Every child QTimer of the control stops. EndGame calls it.
    void StopAllTimers();
    // Overrides hide their marks and frames here; EndGame calls it.
    virtual void HideMarks() {}

    void resizeEvent(QResizeEvent *e) override;
    // the white panel the game is played on
    void paintEvent(QPaintEvent *e) override;

private:
    quint64 m_generation = 0;
    bool m_playing = false;
    bool m_blocked = false;
};
