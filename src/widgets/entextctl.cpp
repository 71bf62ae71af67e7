// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entextctl.h"
#include "widgets/look.h"
#include "helpers/texthelpers.h"
#include "wordbank/cword.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kSpeakerSize = 44;

// The pixels of image (one per logical pixel) whose colour differs from key.
QRegion RegionWithout(const QImage &image, QRgb key)
{
    QList<QRect> rects;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && row[x] == key)
                ++x;
            const int start = x;
            while (x < image.width() && row[x] != key)
                ++x;
            if (x > start)
                rects.append(QRect(start, y, x - start, 1));
        }
    }
    QRegion r;
    if (!rects.isEmpty())
        r.setRects(rects.constData(), int(rects.size()));
    return r;
}

} // namespace

EnTextCtl::EnTextCtl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    srcImage = SharedPicture(QStringLiteral(":/widgets/card/strip_background.svg"));

    lblSound = new QLabel(this);
    lblSound->setTextFormat(Qt::PlainText);
    lblSound->setObjectName(QStringLiteral("lblSound"));
    lblSound->setMouseTracking(true);
    lblSound->installEventFilter(this);

    btnReadMe = new QToolButton(this);
    btnReadMe->setObjectName(QStringLiteral("btnReadMe"));
    btnReadMe->setIcon(QIcon(QStringLiteral(":/widgets/card/speaker.png")));
    btnReadMe->setIconSize(QSize(kSpeakerSize, kSpeakerSize));
    btnReadMe->setAutoRaise(true);
    btnReadMe->setFocusPolicy(Qt::NoFocus);
    btnReadMe->setToolTip(QStringLiteral("朗读"));
    btnReadMe->setStyleSheet(Look::BareButtonStyle(QStringLiteral("QToolButton")));
    btnReadMe->setMouseTracking(true);
    btnReadMe->installEventFilter(this);
    connect(btnReadMe, &QToolButton::clicked, this, &EnTextCtl::Speak);

    lblEnglish = new QLabel(this);
    lblEnglish->setTextFormat(Qt::PlainText);
    lblEnglish->setObjectName(QStringLiteral("lblEnglish"));
    QFont f = EnglishFont(16);
    f.setPointSizeF(42);
    lblEnglish->setFont(f);
    QPalette pal = lblEnglish->palette();
    pal.setColor(QPalette::WindowText, QColor(Look::Text));
    lblEnglish->setPalette(pal);
    lblEnglish->setMouseTracking(true);
    lblEnglish->installEventFilter(this);

    resize(320, 70);
    ApplyBackground();
    PlaceSpeaker();
}

void EnTextCtl::SetImage(const StdPicture &new_pic, int grayLevel)
{
    Q_UNUSED(grayLevel);
    srcImage = new_pic;
    ApplyBackground();
}

void EnTextCtl::SetMyWord(CWord *new_word, bool bShow)
{
    if (!new_word)
        return;
    m_word = new_word;
    if (lblEnglish->text() != new_word->UserEN) {
        lblEnglish->setText(new_word->UserEN);
        FitEnglish(kFitStartSize);
    }
    lblEnglish->setVisible(bShow);
}

void EnTextCtl::ShowEnglish()
{
    if (lblEnglish->isHidden())
        lblEnglish->show();
}

void EnTextCtl::SetLine1Length(int length)
{
    m_line1 = std::max(1, length);
    PlaceSpeaker();
}

void EnTextCtl::FitEnglish(double s)
{
    lblEnglish->hide();
    QFont f = lblEnglish->font();
    f.setPointSizeF(s);
    lblEnglish->setFont(f);
    lblEnglish->adjustSize();
    const double W = m_line1;
    const double H = height();
    // a child reads nothing smaller than 12 pixels
    const double floor = 12.0 * 72.0 / std::max(1, logicalDpiY());
    auto tooLarge = [&] { return lblEnglish->width() > 0.8 * W || lblEnglish->height() > 0.9 * H; };
    while (tooLarge() && s - 2 >= floor) {
        s -= 2;
        f.setPointSizeF(s);
        lblEnglish->setFont(f);
        lblEnglish->adjustSize();
    }
    if (tooLarge() && s > floor) {
        f.setPointSizeF(floor);
        lblEnglish->setFont(f);
        lblEnglish->adjustSize();
    }
    lblEnglish->move((m_line1 - lblEnglish->width()) / 2, (height() - lblEnglish->height()) / 2);
    lblEnglish->show();
}

void EnTextCtl::ApplyBackground()
{
    // The shape comes from a picture at the strip's own pixels; the face is
    // painted at the screen's resolution so it stays sharp.
    maskPic = srcImage.Render(size(), 1.0, false);
    m_face = srcImage.Render(size(), devicePixelRatioF());
    if (maskPic.isNull()) {
        clearMask();
    } else {
        const QRgb key = maskPic.pixel(0, 0);
        const QRegion shape = RegionWithout(maskPic, key);
        setMask(shape.isEmpty() ? NothingRegion() : shape);
    }
    update();
}

void EnTextCtl::PlaceSpeaker()
{
    lblSound->setGeometry(m_line1, 0, std::max(0, width() - m_line1), height());
    const int side = std::max(0, std::min({kSpeakerSize, width() - m_line1, height()}));
    btnReadMe->setIconSize(QSize(side, side));
    btnReadMe->setGeometry(m_line1 + (width() - m_line1 - side) / 2, (height() - side) / 2, side, side);
}

void EnTextCtl::Speak()
{
    if (m_word)
        m_word->ReadMe(1, false);
}

void EnTextCtl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!m_face.isNull())
        p.drawImage(QPointF(0, 0), m_face);
}

void EnTextCtl::resizeEvent(QResizeEvent *)
{
    ApplyBackground();
    PlaceSpeaker();
}

void EnTextCtl::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    SetHandCursor();
    emit MouseMove(VbButton(e->buttons()), VbShift(e->modifiers()), pos.x(), pos.y());
}

void EnTextCtl::mousePressEvent(QMouseEvent *e)
{
    m_pressedOn = e->button() == Qt::LeftButton ? this : nullptr;
}

void EnTextCtl::mouseReleaseEvent(QMouseEvent *e)
{
    const bool click = m_pressedOn == this && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_pressedOn = nullptr;
    if (click)
        emit Click();
}

bool EnTextCtl::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || (w != lblEnglish && w != lblSound && w != btnReadMe))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        SetHandCursor();
        break;
    case QEvent::MouseButtonPress:
        if (w == btnReadMe)
            break;
        m_pressedOn = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton ? w : nullptr;
        return true; // the strip itself must not take the press over

    case QEvent::MouseButtonRelease: {
        if (w == btnReadMe)
            break;
        auto *me = static_cast<QMouseEvent *>(event);
        const bool click = m_pressedOn == w && me->button() == Qt::LeftButton
                           && w->rect().contains(me->position().toPoint());
        m_pressedOn = nullptr;
        if (!click)
            return true;
        if (w == lblSound)
            Speak();
        else
            emit Click();
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
