// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamemodectl.h"
#include "gamepics.h"
#include "gamerules.h"
#include "course/formselunit.h"
#include "wordbank/wbtext.h"
#include "platform/platform.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/globals.h"
#include "widgets/widgetutil.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kButtonSize = 56;
constexpr int kButtonTop = 8;
constexpr int kButtonLeft = 20;
constexpr int kButtonPitch = 72;

QLabel *MakeInfoLabel(QWidget *parent, const char *name, int px, bool bold)
{
    QLabel *l = Look::MakeLabel(QString(), parent, px, bold);
    l->setObjectName(QLatin1String(name));
    l->setMouseTracking(true);
    return l;
}
} // namespace

GameModeCtl::GameModeCtl(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GameModeCtl1"));
    setMouseTracking(true);
    for (int i = 0; i < gamerules::kGameCount; ++i) {
        auto *b = new cTransPictureBox(this);
        b->setObjectName(QStringLiteral("btnTestMode%1").arg(i));
        b->SetBorderStyle(0);
        b->SetStyle(cTransPictureBox::StyleStretch);
        b->setGeometry(kButtonLeft + i * kButtonPitch, kButtonTop, kButtonSize, kButtonSize);
        b->SetPictureFile(gamepics::ButtonEmpty());
        b->setMouseTracking(true);
        connect(b, &cTransPictureBox::Click, this, [this, i] { btnTestMode_Click(i); });
        connect(b, &cTransPictureBox::MouseMove, this, [this, i] {
            plat().SetHandCursor();
            ShowModeTip(i);
        });
        btnTestMode.push_back(b);

        auto *n = new ClickLabel(QString::number(i + 1), this);
        n->setObjectName(QStringLiteral("lblTestMode%1").arg(i));
        n->setFont(EnglishFont(26, true));
        n->setAlignment(Qt::AlignCenter);
        n->adjustSize();
        connect(n, &ClickLabel::Click, this, [this, i] { btnTestMode_Click(i); });
        connect(n, &ClickLabel::MouseMove, this, [this, i] {
            plat().SetHandCursor();
            ShowModeTip(i);
        });
        lblTestMode.push_back(n);
    }
    lblSelected = MakeInfoLabel(this, "lblSelected", 16, true);
    lblSelected->hide();
    lblTip = MakeInfoLabel(this, "lblTip", 14, false);
    lblTip->setStyleSheet(Look::TipStyle(Look::kOrange, 6, 6));
    lblTip->hide();
    lblUserName = MakeInfoLabel(this, "lblUserName", 16, true);
    lblUserName->move(560, 8);
    lblScore = MakeInfoLabel(this, "lblScore", 16, false);
    lblScore->move(560, 38);
    lblCoin = MakeInfoLabel(this, "lblCoin", 16, false);
    lblCoin->move(690, 38);
    lblLevel = MakeInfoLabel(this, "lblLevel", 16, true);
    lblLevel->move(790, 38);
    lblUnit = new ClickLabel(QString(), this);
    lblUnit->setObjectName(QStringLiteral("lblUnit"));
    lblUnit->setFont(ChineseFont(15, true));
    lblUnit->SetForeColor(QColor(0x1F, 0x6F, 0xC5));
    lblUnit->setToolTip(QStringLiteral("选择新的学习单元"));
    lblUnit->move(0, 86);
    connect(lblUnit, &ClickLabel::Click, this, &GameModeCtl::lblUnit_Click);
    connect(lblUnit, &ClickLabel::MouseMove, this, [] { plat().SetHandCursor(); });

    btnExit = new cTransPictureBox(this);
    btnExit->setObjectName(QStringLiteral("btnExit"));
    btnExit->SetBorderStyle(0);
    btnExit->SetStyle(cTransPictureBox::StyleStretch);
    btnExit->setGeometry(kWidth - 72, 10, 52, 52);
    btnExit->SetPictureFile(gamepics::ExitButton());
    btnExit->setMouseTracking(true);
    connect(btnExit, &cTransPictureBox::Click, this, &GameModeCtl::btnExit_Click);
    connect(btnExit, &cTransPictureBox::MouseMove, this, [this] {
        plat().SetHandCursor();
        ShowTipUnder(QStringLiteral("返回主界面"), btnExit);
    });
    resize(kWidth, kHeight);
}

void GameModeCtl::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    const int c = width() / 160;
    setMask(RoundRectRegion(width(), height(), c, c));
    for (int i = 0; i < gamerules::kGameCount; ++i) {
        const QRect b = btnTestMode[size_t(i)]->geometry();
        ClickLabel *n = lblTestMode[size_t(i)];
        n->move(b.left() + (b.width() - n->width()) / 2, b.top() + (b.height() - n->height()) / 2);
        n->raise();
    }
    ShowModeTip(0);
    UpdateMyShow();
}

void GameModeCtl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Look::kPanel);
}

void GameModeCtl::mouseMoveEvent(QMouseEvent *e)
{
    QWidget::mouseMoveEvent(e);
    HideTip();
}

void GameModeCtl::HideTip()
{
    lblTip->clear();
    lblTip->hide();
    // the tip stands where the chosen game's title stands
    if (!lblSelected->text().isEmpty() && gTestMode >= 0 && gTestMode < gamerules::kGameCount)
        lblSelected->show();
}

void GameModeCtl::CentreUnder(QLabel *label, const QWidget *over)
{
    label->adjustSize();
    label->move(over->x() + (over->width() - label->width()) / 2, over->geometry().bottom() + 4);
}

void GameModeCtl::ShowTipUnder(const QString &text, const QWidget *over)
{
    lblTip->setText(text);
    CentreUnder(lblTip, over);
    // keep the tip inside the frame
    if (lblTip->geometry().right() > width() - 4)
        lblTip->move(width() - 4 - lblTip->width(), lblTip->y());
    lblTip->show();
    lblTip->raise();
    lblSelected->hide();
}

void GameModeCtl::UpdateScoreShow()
{
    if (!gUser)
        return;
    lblScore->setText(QStringLiteral("积分：") + QString::number(gUser->myScore));
    lblScore->adjustSize();
    lblCoin->setText(QStringLiteral("金币：") + QString::number(gUser->myCoin));
    lblCoin->adjustSize();
    lblLevel->setText(gamerules::RankCaption(gUser->myCoin));
    lblLevel->adjustSize();
}

void GameModeCtl::UpdateAllTestStatus()
{
    for (int k = 0; k < gamerules::kGameCount; ++k)
        SetUnitTestStatus(k);
}

void GameModeCtl::UpdateMyShow()
{
    UpdateScoreShow();
    UpdateAllTestStatus();
    if (!gUser)
        return;
    lblUserName->setText(QStringLiteral("当前用户：") + gUser->userName);
    lblUserName->adjustSize();
    QString course;
    if (gCurrSeries)
        course += gCurrSeries->SeriesName;
    if (gCurrBook)
        course += QStringLiteral("《") + gCurrBook->BookName + QStringLiteral("》");
    if (gCurrUnit)
        course += QStringLiteral(" --> ") + gCurrUnit->UnitCaption;
    lblUnit->setText(course);
    lblUnit->adjustSize();
    lblUnit->move((width() - lblUnit->width()) / 2, lblUnit->y());
}

void GameModeCtl::SetUnitTestStatus(int testMode)
{
    if (!gCurrUnit || testMode < 0 || testMode >= gamerules::kGameCount)
        return;
    const QString status = gCurrUnit->GetUnitStatus();
    const int ratio = ValInt(status.mid(testMode * 3, 3));
    cTransPictureBox *b = btnTestMode[size_t(testMode)];
    ClickLabel *n = lblTestMode[size_t(testMode)];
    if (ratio == 0) {
        b->SetPictureFile(gamepics::ButtonEmpty());
        n->SetForeColor(Look::kOnBlank);
    } else {
        b->SetPictureFile(ratio == 100 ? gamepics::ButtonGreen() : gamepics::ButtonRed());
        n->SetForeColor(Look::kOnColour);
    }
    b->setProperty("ratio", ratio);
}

void GameModeCtl::ShowTestMode(int testMode)
{
    if (testMode < 0 || testMode >= gamerules::kGameCount)
        return;
    lblSelected->setText(gamerules::GameTitle(testMode));
    CentreUnder(lblSelected, btnTestMode[size_t(testMode)]);
    HideTip();
    lblSelected->show();
    UpdateMyShow();
}

void GameModeCtl::ShowModeTip(int testMode)
{
    if (testMode < 0 || testMode >= gamerules::kGameCount)
        return;
    ShowTipUnder(gamerules::GameTitle(testMode), btnTestMode[size_t(testMode)]);
}

void GameModeCtl::SetPlayable(int testMode, bool playable)
{
    if (testMode >= 0 && testMode < gamerules::kGameCount)
        m_playable[size_t(testMode)] = playable;
}

bool GameModeCtl::Playable(int testMode) const
{
    return testMode >= 0 && testMode < gamerules::kGameCount && m_playable[size_t(testMode)];
}

void GameModeCtl::SetTestMode(int testMode)
{
    if (testMode == gTestMode)
        return;
    gTestMode = testMode;
    ShowTestMode(testMode);
    emit SelectTestMode(testMode);
}

void GameModeCtl::btnTestMode_Click(int Index)
{
    if (!isEnabled() || Index == gTestMode || !Playable(Index))
        return;
    if (!EarlyExitCheck())
        return;
    SetTestMode(Index);
}

bool GameModeCtl::EarlyExitCheck()
{
    if (!gCurrUnit || m_leaveFree)
        return true;
    const int untested = gCurrUnit->UnTestedNum();
    const int words = gCurrUnit->WordNum();
    const QString question = gamerules::EarlyExitQuestion(untested, words);
    if (question.isEmpty())
        return true;
    const bool ok = plat().MsgBox(question, MsgButtons::OKCancel, MsgIcon::Critical, QStringLiteral("Kelvan教育软件"))
                    == MsgResult::OK;
    const int coins = gUser ? gUser->myCoin : 0;
    const gamerules::ExitDecision d = gamerules::DecideEarlyExit(untested, words, coins, ok);
    if (gUser)
        gUser->myCoin = d.coinsLeft;
    return d.leave;
}

void GameModeCtl::btnExit_Click()
{
    if (!isEnabled() || !EarlyExitCheck())
        return;
    emit EndGame();
}

void GameModeCtl::lblUnit_Click()
{
    if (!isEnabled())
        return;
    FormSelUnit dlg(window());
    dlg.exec();
    if (!dlg.ret)
        return;
    ShowModeTip(0);
    UpdateMyShow();
    emit UnitChange();
}
