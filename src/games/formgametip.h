// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QDialog>
#include <optional>

class ClickLabel;
class QLabel;
class cTransPictureBox;

// The result window after a game: the counts and the ratio, the coins won;
// it records the result in the unit status. userSelect: 0 return, 1 the
// same game again, 2 the next game.
class FormGameTip : public QDialog {
    Q_OBJECT
public:
    // pointsAdded: what the game just played added to the profile's score;
    // without it, ten per right word (the pay of the recognition games).
    explicit FormGameTip(QWidget *parent = nullptr, std::optional<qint64> pointsAdded = std::nullopt);

    int userSelect = 0;

    QLabel *lblCorrectNum = nullptr;
    QLabel *lblWrongNum = nullptr;
    QLabel *lblUntestedNum = nullptr;
    QLabel *lblCorrectRatio = nullptr;
    QLabel *lblScore = nullptr;
    cTransPictureBox *btnNextGame = nullptr;
    cTransPictureBox *btnReGame = nullptr;
    cTransPictureBox *btnReturn = nullptr;
    cTransPictureBox *imgInfo = nullptr;
    ClickLabel *lblNextGame = nullptr;
    ClickLabel *lblReGame = nullptr;
    ClickLabel *lblReturn = nullptr;

    static constexpr int kWidth = 520;
    static constexpr int kHeight = 380;

    // Records the game's result: run once, when the window is made.
    void ShowGameResult();
    void Choose(int select);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;

private:
    std::optional<qint64> m_pointsAdded;
    void AddChoice(cTransPictureBox *&btn, ClickLabel *&lbl, const char *name, const QString &text,
                   int x, int select);
    void LightLabel(ClickLabel *lbl);
};
