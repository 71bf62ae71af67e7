// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formgametip.h"
#include "formgames.h"
#include "gamepics.h"
#include "gamerules.h"
#include "platform/platform.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/globals.h"
#include "widgets/widgetutil.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor kCardBlue(0x2F, 0x6F, 0xD0);
const QColor kLit(0x00, 0xFF, 0x00);

QLabel *Line(QWidget *parent, const char *name, int x, int y, int px, bool bold = true)
{
    auto *l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setObjectName(QLatin1String(name));
    l->setFont(ChineseFont(px, bold));
    l->setStyleSheet(Look::ColourStyle(Look::kOnColour));
    l->move(x, y);
    l->setMouseTracking(true);
    return l;
}
} // namespace

FormGameTip::FormGameTip(QWidget *parent, std::optional<qint64> pointsAdded)
    : QDialog(parent), m_pointsAdded(pointsAdded)
{
    setObjectName(QStringLiteral("FormGameTip"));
    setWindowTitle(QStringLiteral("Correct Ratio"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, false);
    setMouseTracking(true);
    setFixedSize(kWidth, kHeight);

    imgInfo = new cTransPictureBox(this);
    imgInfo->setObjectName(QStringLiteral("imgInfo"));
    imgInfo->SetBorderStyle(0);
    imgInfo->SetStyle(cTransPictureBox::StyleStretch);
    imgInfo->setGeometry(36, 36, 96, 96);
    imgInfo->SetPictureFile(gamepics::InfoStar());

    auto *caption = Line(this, "lblCaption", 156, 28, 26);
    caption->setText(QStringLiteral("本关结束啦！"));
    Line(this, "lblCorrectCaption", 156, 76, 18, false)->setText(QStringLiteral("答对："));
    lblCorrectNum = Line(this, "lblCorrectNum", 216, 76, 18);
    Line(this, "lblWrongCaption", 276, 76, 18, false)->setText(QStringLiteral("答错："));
    lblWrongNum = Line(this, "lblWrongNum", 336, 76, 18);
    Line(this, "lblUntestedCaption", 396, 76, 18, false)->setText(QStringLiteral("未答："));
    lblUntestedNum = Line(this, "lblUntestedNum", 456, 76, 18);
    Line(this, "lblRatioCaption", 156, 110, 18, false)->setText(QStringLiteral("正确率："));
    lblCorrectRatio = Line(this, "lblCorrectRatio", 236, 100, 34);
    lblScore = Line(this, "lblScore", 36, 160, 20);
    lblScore->setFixedWidth(kWidth - 72);
    lblScore->setAlignment(Qt::AlignCenter);
    lblScore->setStyleSheet(Look::ColourStyle(Look::kGold));

    AddChoice(btnNextGame, lblNextGame, "NextGame", QStringLiteral("下一关"), 70, 2);
    AddChoice(btnReGame, lblReGame, "ReGame", QStringLiteral("重做"), 216, 1);
    AddChoice(btnReturn, lblReturn, "Return", QStringLiteral("返回主屏幕"), 362, 0);
    btnNextGame->SetPictureFile(gamepics::NextGame());
    btnReGame->SetPictureFile(gamepics::ReGame());
    btnReturn->SetPictureFile(gamepics::ReturnHome());

    userSelect = 0;
    ShowGameResult();
}

void FormGameTip::AddChoice(cTransPictureBox *&btn, ClickLabel *&lbl, const char *name, const QString &text,
                            int x, int select)
{
    btn = new cTransPictureBox(this);
    btn->setObjectName(QStringLiteral("btn") + QLatin1String(name));
    btn->SetBorderStyle(0);
    btn->SetStyle(cTransPictureBox::StyleStretch);
    btn->setGeometry(x, 220, 88, 88);
    btn->setMouseTracking(true);
    lbl = new ClickLabel(text, this);
    lbl->setObjectName(QStringLiteral("lbl") + QLatin1String(name));
    lbl->setFont(ChineseFont(18, true));
    lbl->SetForeColor(Look::kOnColour);
    lbl->adjustSize();
    lbl->move(x + (88 - lbl->width()) / 2, 314);
    ClickLabel *l = lbl;
    connect(btn, &cTransPictureBox::Click, this, [this, select] { Choose(select); });
    connect(lbl, &ClickLabel::Click, this, [this, select] { Choose(select); });
    connect(btn, &cTransPictureBox::MouseMove, this, [this, l] { LightLabel(l); });
    connect(lbl, &ClickLabel::MouseMove, this, [this, l] { LightLabel(l); });
}

void FormGameTip::LightLabel(ClickLabel *lbl)
{
    plat().SetHandCursor();
    for (ClickLabel *l : {lblNextGame, lblReGame, lblReturn})
        l->SetForeColor(l == lbl ? kLit : Look::kOnColour);
}

void FormGameTip::mouseMoveEvent(QMouseEvent *e)
{
    QDialog::mouseMoveEvent(e);
    LightLabel(nullptr);
}

void FormGameTip::Choose(int select)
{
    userSelect = select;
    accept();
}

void FormGameTip::ShowGameResult()
{
    if (!gCurrUnit)
        return;
    const int right = gCurrUnit->CorrectNum();
    const int words = gCurrUnit->WordNum();
    lblCorrectNum->setText(QString::number(right));
    lblWrongNum->setText(QString::number(gCurrUnit->WrongNum()));
    lblUntestedNum->setText(QString::number(gCurrUnit->UnTestedNum()));
    const int ratio = gamerules::CorrectRatio(right, words);
    lblCorrectRatio->setText(QString::number(ratio) + QStringLiteral("%"));
    // the text names the coins the unit actually credited
    const int coins = gCurrUnit->SetUnitStatus(gTestMode, ratio);
    lblScore->setText(gamerules::EarnedText(coins, m_pointsAdded.value_or(scoring::ResultPoints(right))));
    for (QLabel *l : {lblCorrectNum, lblWrongNum, lblUntestedNum, lblCorrectRatio})
        l->adjustSize();
    gCurrUnit->InitTestStatus();
    // the games window behind shows the new coins at once
    if (auto *games = qobject_cast<FormGames *>(parentWidget()))
        games->RefreshScores();
    // the result is kept at once: a power cut now loses nothing of this game
    if (gUser)
        gUser->SaveUserFeature();
}

void FormGameTip::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int c = width() / 30;
    setMask(RoundRectRegion(width(), height(), c, c));
}

void FormGameTip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kCardBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF, 40));
    p.drawRoundedRect(QRect(20, 206, width() - 40, 150), 16, 16);
}
