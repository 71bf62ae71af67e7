// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formgames.h"
#include "formgametip.h"
#include "gamecontrol.h"
#include "gamemodectl.h"
#include "gamerules.h"
#include "reviewgrading.h"
#include "uc_ffk.h"
#include "uc_jjk.h"
#include "uc_moxie.h"
#include "uc_ppk2.h"
#include "uc_rrk.h"
#include "uc_xxk.h"
#include "platform/platform.h"
#include "widgets/look.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaObject>
#include <QPainter>
#include <QPointer>

FormGames::FormGames(QWidget *parent)
    : QDialog(parent), m_scoreRefresh([this](const answers::Event &) {
          // every answer grades the word's memory, then the panel shows the new score
          reviewgrading::AfterAnswer();
          RefreshScores();
      })
{
    setObjectName(QStringLiteral("FormGames"));
    setWindowTitle(QStringLiteral("单词闯关"));
    Look::StyleWindow(this);
    setFixedSize(kWidth, kHeight);

    GameModeCtl1 = new GameModeCtl(this);
    GameModeCtl1->move((kWidth - GameModeCtl1->width()) / 2, 2);

    UC_RRK1 = new UC_RRK(this);
    UC_XXK1 = new UC_XXK(this);
    UC_FFK1 = new UC_FFK(this);
    PlaceGame(UC_RRK1);
    PlaceGame(UC_XXK1);
    PlaceGame(UC_FFK1, 647);
    UC_JJK1 = new UC_JJK(this);
    UC_PPK21 = new UC_PPK2(this);
    UC_MOXIE1 = new UC_MOXIE(this);
    PlaceGame(UC_JJK1);
    PlaceGame(UC_PPK21);
    PlaceGame(UC_MOXIE1);

    for (int k = 0; k < gamerules::kGameCount; ++k)
        GameModeCtl1->SetPlayable(k, ControlFor(k) != nullptr);

    connect(GameModeCtl1, &GameModeCtl::SelectTestMode, this, &FormGames::StartTestMode);
    connect(GameModeCtl1, &GameModeCtl::UnitChange, this, &FormGames::OnUnitChange);
    connect(GameModeCtl1, &GameModeCtl::EndGame, this, &FormGames::CloseGames);

    reviewgrading::Reset();
    gTestMode = gamerules::kNoGame;
    GameModeCtl1->UpdateMyShow();
}

FormGames::~FormGames()
{
    EndAllGames();
    if (qApp)
        qApp->removeEventFilter(this);
}

void FormGames::RefreshScores()
{
    if (GameModeCtl1)
        GameModeCtl1->UpdateMyShow();
}

void FormGames::PlaceGame(GameControl *c, int height)
{
    c->setGeometry((kWidth - 1000) / 2, kGameTop, 1000, height);
    c->hide();
    connect(c, &GameControl::GameOver, this, &FormGames::OnGameOver);
}

GameControl *FormGames::ControlFor(int k) const
{
    switch (k) {
    case 0:
    case 3:
        return UC_RRK1;
    case 1:
        return UC_XXK1;
    case 2:
        return UC_FFK1;
    case 4:
        return UC_JJK1;
    case 5:
        return UC_PPK21;
    case 6:
        return UC_MOXIE1;
    default:
        return nullptr;
    }
}

GameControl *FormGames::VisibleGame() const
{
    for (GameControl *c : {UC_PPK21, static_cast<GameControl *>(UC_FFK1), UC_JJK1,
                           static_cast<GameControl *>(UC_XXK1), static_cast<GameControl *>(UC_RRK1), UC_MOXIE1}) {
        if (c && !c->isHidden())
            return c;
    }
    return nullptr;
}

void FormGames::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_started)
        return;
    m_started = true;
    qApp->installEventFilter(this);
    // after the first paint, once: a resize never restarts a game
    QPointer<FormGames> self(this);
    QMetaObject::invokeMethod(
        this, [self] {
            if (self && !self->m_closing)
                self->BeginGames();
        },
        Qt::QueuedConnection);
}

void FormGames::BeginGames()
{
    gTestMode = gamerules::kNoGame;
    GameModeCtl1->SetTestMode(m_script.afterGame ? m_script.firstGame : 0);
    GameModeCtl1->setFocus();
}

void FormGames::EndAllGames()
{
    for (GameControl *c : {UC_PPK21, static_cast<GameControl *>(UC_FFK1), UC_JJK1,
                           static_cast<GameControl *>(UC_XXK1), static_cast<GameControl *>(UC_RRK1), UC_MOXIE1}) {
        if (c) {
            c->hide();
            c->EndGame();
        }
    }
}

void FormGames::StartTestMode(int k)
{
    EndAllGames();
    GameModeCtl1->SetEnabled(false);
    GameControl *c = ControlFor(k);
    if (!c) {
        GameModeCtl1->SetEnabled(true);
        return;
    }
    if (!gCurrUnit || gCurrUnit->WordNum() == 0) {
        plat().MsgBox(QStringLiteral("当前单元没有单词，请选择其他单元。"), MsgButtons::OK, MsgIcon::Information,
                      QStringLiteral("Kelvan教育软件"));
        gTestMode = gamerules::kNoGame;
        GameModeCtl1->lblSelected->hide();
        GameModeCtl1->SetEnabled(true);
        return;
    }
    gTestMode = k;
    m_scoreAtStart = gUser ? gUser->myScore : 0;
    if (c == UC_RRK1)
        UC_RRK1->SetTestMode(k);
    c->show();
    c->StartGame();
    GameModeCtl1->SetEnabled(true);
}

void FormGames::OnGameOver(bool bOK)
{
    if (m_closing)
        return;
    EndAllGames();
    GameModeCtl1->SetEnabled(false);
    if (m_script.afterGame) {
        if (gUser)
            gUser->SaveUserFeature();
        m_script.afterGame(*this, bOK);
        return;
    }
    int select = 0;
    {
        // the points this game added, as the letter games pay by the letter
        const qint64 added = gUser ? qint64(gUser->myScore) - m_scoreAtStart : 0;
        FormGameTip tip(this, added);
        tip.exec();
        select = tip.userSelect;
    }
    if (gUser)
        gUser->SaveUserFeature();
    if (m_closing)
        return;
    const int firstUnfinished = gCurrUnit ? gCurrUnit->IsAllCompleted() : 0;
    const gamerules::ResultChoice choice = gamerules::ChooseAfterResult(select, gTestMode, firstUnfinished, bOK);
    switch (choice.what) {
    case gamerules::AfterResult::Return:
        CloseGames();
        return;
    case gamerules::AfterResult::Congratulate:
        plat().MsgBox(QStringLiteral("恭喜你闯关成功！"), MsgButtons::OK, MsgIcon::Information,
                      QStringLiteral("闯关成功"));
        CloseGames();
        return;
    case gamerules::AfterResult::Start:
        StartTestMode(choice.game);
        break;
    case gamerules::AfterResult::Choose:
        // every button may be picked, also the one just played
        gTestMode = gamerules::kNoGame;
        break;
    }
    GameModeCtl1->ShowTestMode(gTestMode);
    GameModeCtl1->show();
    GameModeCtl1->SetEnabled(true);
    TakeKeysBack();
}

void FormGames::TakeKeysBack()
{
    // typed letters come here again, also where no window manager hands the focus back
    activateWindow();
    if (GameControl *c = VisibleGame())
        c->setFocus();
    else
        GameModeCtl1->setFocus();
}

void FormGames::OnUnitChange()
{
    if (gWordBank && gUser)
        gWordBank->RestoreLastCourse();
    if (gUser)
        gUser->nLastWord = 1;
    gTestMode = gamerules::kNoGame;
    GameModeCtl1->SetTestMode(0);
    TakeKeysBack();
}

void FormGames::CloseGames()
{
    done(QDialog::Accepted);
}

void FormGames::reject()
{
    if (m_closing) {
        QDialog::reject();
        return;
    }
    GameModeCtl1->btnExit_Click();
}

void FormGames::done(int r)
{
    m_closing = true;
    EndAllGames();
    qApp->removeEventFilter(this);
    if (gUser)
        gUser->SaveUserFeature();
    QDialog::done(r);
}

void FormGames::closeEvent(QCloseEvent *e)
{
    if (m_closing) {
        QDialog::closeEvent(e);
        return;
    }
    e->ignore();
    GameModeCtl1->btnExit_Click();
}

bool FormGames::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isActiveWindow()) {
        auto *ke = static_cast<QKeyEvent *>(event);
        GameControl *c = VisibleGame();
        if (c && c->TakesTypedKeys() && !ke->isAutoRepeat() && !ke->text().isEmpty()
            && ke->key() != Qt::Key_Escape) {
            c->UserControlKeyPress(ke->text().at(0).unicode());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormGames::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Look::kSky);
}
