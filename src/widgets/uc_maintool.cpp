// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uc_maintool.h"
#include "widgets/look.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "widgetutil.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <cmath>

namespace {

constexpr int kMarginX = 18;
constexpr int kButtonTop = 8;
constexpr int kTipGap = 4;
constexpr int kBarWidth = 2 * kMarginX + 8 * UC_MainTool::kPitch + UC_MainTool::kButtonWidth;
constexpr int kBarHeight = 88;

struct ButtonInfo {
    const char *picture; // file name stem below :/widgets/toolbar/
    const char *tip;
    int place;
};

const ButtonInfo kInfo[UC_MainTool::kButtons] = {
    {"back", "返回", 1},
    {"record", "查看学习记录", 3},
    {"list", "列表显示单词", 7},
    {"prev", "前一个单词", 4},
    {"autoplay", "自动浏览", 5},
    {"stop", "停止自动浏览", 5},
    {"next", "下一个单词", 6},
    {"games", "单词闯关", 8},
    {"addbook", "添加自定义词库", 2},
    {"help", "查看帮助", 9},
};

// The stored pictures are drawn at three times the button's pixels; scaling
// them once to the screen keeps them smooth at any pixel ratio.
QPixmap LoadButtonPicture(const QString &path, qreal dpr)
{
    QImage img(path);
    if (img.isNull())
        return QPixmap();
    const QSize target(int(std::ceil(UC_MainTool::kButtonWidth * dpr)),
                       int(std::ceil(UC_MainTool::kButtonHeight * dpr)));
    QPixmap pm = QPixmap::fromImage(img.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pm.setDevicePixelRatio(dpr);
    return pm;
}

} // namespace

QString UC_MainTool::TipText(int index)
{
    if (index < 0 || index >= kButtons)
        return QString();
    return QString::fromUtf8(kInfo[index].tip);
}

int UC_MainTool::Place(int index)
{
    if (index < 0 || index >= kButtons)
        return 0;
    return kInfo[index].place;
}

UC_MainTool::UC_MainTool(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    resize(kBarWidth, kBarHeight);
    const qreal dpr = devicePixelRatioF();
    imgFocusBtn.resize(2 * kButtons);
    for (int i = 0; i < kButtons; ++i) {
        const QString stem = QStringLiteral(":/widgets/toolbar/") + QLatin1String(kInfo[i].picture);
        imgFocusBtn[size_t(i)] = LoadButtonPicture(stem + QStringLiteral("_hi.png"), dpr);
        imgFocusBtn[size_t(i + kButtons)] = LoadButtonPicture(stem + QStringLiteral(".png"), dpr);
    }
    picTools.resize(kButtons);
    for (int i = 0; i < kButtons; ++i) {
        auto *b = new QLabel(this);
        b->setTextFormat(Qt::PlainText);
        b->setObjectName(QStringLiteral("picTools%1").arg(i));
        b->setGeometry(kMarginX + (kInfo[i].place - 1) * kPitch, kButtonTop, kButtonWidth, kButtonHeight);
        b->setPixmap(imgFocusBtn[size_t(i + kButtons)]);
        b->setMouseTracking(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setAccessibleName(TipText(i));
        b->installEventFilter(this);
        picTools[size_t(i)] = b;
    }
    picTools[5]->hide();

    lblTip = new QLabel(QStringLiteral("Tips"), this);
    lblTip->setTextFormat(Qt::PlainText);
    lblTip->setObjectName(QStringLiteral("lblTip"));
    lblTip->setFont(ChineseFont(14));
    lblTip->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblTip->setStyleSheet(Look::TipStyle(QColor(0xFF, 0xC8, 0x57), 9, 8));
    lblTip->adjustSize();
    lblTip->hide();
    ApplyShape();
}

QLabel *UC_MainTool::Button(int index) const
{
    if (index < 0 || index >= kButtons)
        return nullptr;
    return picTools[size_t(index)];
}

const QPixmap &UC_MainTool::ButtonPicture(int index, bool highlighted) const
{
    static const QPixmap none;
    if (index < 0 || index >= kButtons)
        return none;
    return imgFocusBtn[size_t(highlighted ? index : index + kButtons)];
}

void UC_MainTool::StopAutoread()
{
    picTools[5]->hide();
    picTools[4]->show();
}

void UC_MainTool::GrayedAll()
{
    for (int i = 0; i < kButtons; ++i)
        picTools[size_t(i)]->setPixmap(imgFocusBtn[size_t(i + kButtons)]);
    currShowButton = -1;
}

void UC_MainTool::ShowButton(int index)
{
    if (index == currShowButton || index < 0 || index >= kButtons)
        return;
    if (currShowButton >= 0 && currShowButton < kButtons)
        picTools[size_t(currShowButton)]->setPixmap(imgFocusBtn[size_t(currShowButton + kButtons)]);
    picTools[size_t(index)]->setPixmap(imgFocusBtn[size_t(index)]);
    currShowButton = index;
}

int UC_MainTool::IndexOf(QObject *button) const
{
    for (int i = 0; i < kButtons; ++i)
        if (picTools[size_t(i)] == button)
            return i;
    return -1;
}

void UC_MainTool::HoverButton(int index)
{
    SetHandCursor();
    ShowButton(index);
    const QString tip = TipText(index);
    if (lblTip->text() != tip) {
        lblTip->setText(tip);
        lblTip->adjustSize();
    }
    const QLabel *b = picTools[size_t(index)];
    lblTip->move(b->x() - lblTip->width() / 2 + b->width() / 2, b->y() + b->height() + kTipGap);
    lblTip->show();
}

void UC_MainTool::ClickButton(int index)
{
    // The owner hears the click with the auto-browse pair already swapped.
    if (index == 4) {
        picTools[4]->hide();
        picTools[5]->show();
    } else if (index == 5) {
        picTools[5]->hide();
        picTools[4]->show();
    }
    emit Click(index);
}

bool UC_MainTool::eventFilter(QObject *watched, QEvent *event)
{
    const int index = IndexOf(watched);
    if (index < 0)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        HoverButton(index);
        return true;
    case QEvent::MouseButtonPress:
        m_pressed = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton ? index : -1;
        return true;
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(event);
        const bool click = m_pressed == index && me->button() == Qt::LeftButton
                           && picTools[size_t(index)]->rect().contains(me->position().toPoint());
        m_pressed = -1;
        if (click)
            ClickButton(index);
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void UC_MainTool::mouseMoveEvent(QMouseEvent *)
{
    lblTip->hide();
}

void UC_MainTool::leaveEvent(QEvent *)
{
    // A tip left behind would name a button the mouse is no longer on.
    lblTip->hide();
}

void UC_MainTool::resizeEvent(QResizeEvent *)
{
    ApplyShape();
}

void UC_MainTool::ApplyShape()
{
    const int corner = RoundHalfEven(width() / 30.0);
    setMask(RoundRectRegion(width(), height(), corner, corner));
}

void UC_MainTool::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = RoundHalfEven(width() / 30.0) / 2.0;
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    g.setColorAt(1, QColor(0xF2, 0xF8, 0xFF));
    p.setPen(QPen(QColor(0xBF, 0xDD, 0xF7), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), r, r);
}
