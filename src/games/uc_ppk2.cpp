// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uc_ppk2.h"
#include "games/formtip.h"
#include "games/gamemarks.h"
#include "games/lettergame.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

namespace {
const QString kLetterStyle = QStringLiteral("QLabel { color: %1; background: #FFF3C4; border: 2px solid #F2C94C;"
                                            " border-radius: 10px; }");
constexpr int kLetterPad = 6; // each side of a letter's own width

ArrangeBoard::Rnd PlatformRnd()
{
    return [] { return plat().Rnd(); };
}
} // namespace

UC_PPK2::UC_PPK2(QWidget *parent) : GameControl(parent)
{
    setMouseTracking(true);
    resize(1000, 640);

    auto *tpl = new QLabel(QStringLiteral("W"), this);
    tpl->setTextFormat(Qt::PlainText);
    tpl->setObjectName(QStringLiteral("picChar0"));
    tpl->setFont(lettergame::LetterFont(kLetterPx));
    tpl->hide();
    picChar.push_back(tpl);

    cmdTip = new ClickLabel(QString(), this);
    cmdTip->setObjectName(QStringLiteral("cmdTip"));
    cmdTip->setPixmap(QPixmap(QStringLiteral(":/widgets/card/speaker.png"))
                          .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    cmdTip->setGeometry(806, 14, 48, 48);
    cmdTip->setToolTip(QStringLiteral("听一听"));
    connect(cmdTip, &ClickLabel::Click, this, &UC_PPK2::cmdTip_Click);
    connect(cmdTip, &ClickLabel::MouseMove, this, [] { SetHandCursor(); });

    btnNext = lettergame::MakeButton(this, "hint", "btnNext", QSize(48, 48));
    btnNext->move(872, 14);
    btnNext->show();
    connect(btnNext, &cTransPictureBox::Click, this, &UC_PPK2::btnNext_Click);
    connect(btnNext, &cTransPictureBox::MouseMove, this, [] { SetHandCursor(); });
    lblNext = new ClickLabel(QStringLiteral("提示"), this);
    lblNext->setObjectName(QStringLiteral("lblNext"));
    lblNext->setFont(ChineseFont(20, true));
    lblNext->SetForeColor(Look::kText);
    lblNext->setGeometry(926, 22, 60, 32);
    connect(lblNext, &ClickLabel::Click, this, &UC_PPK2::btnNext_Click);
    connect(lblNext, &ClickLabel::MouseMove, this, [] { SetHandCursor(); });

    lblNum = lettergame::MakeProgressLabel(this);

    iconWrongAnswer = gamemarks::MakeWrongMark(this);
    timHideIcon = lettergame::MakeTimer(this, "timHideIcon", &UC_PPK2::timHideIcon_Timer);
}

void UC_PPK2::HideMarks()
{
    iconWrongAnswer->hide();
}

void UC_PPK2::timHideIcon_Timer()
{
    timHideIcon->stop();
    iconWrongAnswer->hide();
}

void UC_PPK2::InitGameStatus()
{
    ResetDrag();
    FitBoard(1);
    if (gCurrUnit)
        gCurrUnit->InitTestStatus();
}

void UC_PPK2::FitBoard(int n)
{
    m_letterPx = kLetterPx;
    for (;;) {
        const QFontMetrics fm(lettergame::LetterFont(m_letterPx));
        const QSize cell(fm.horizontalAdvance(QLatin1Char('W')) + 2 * kLetterPad + 4, fm.height() + 8);
        m_board = ArrangeBoard(size(), cell);
        // a little round the buttons, so a letter never hides one
        // clang-format off
        m_board.SetKeepOut({cmdTip->geometry().united(btnNext->geometry()).united(lblNext->geometry()).adjusted(
            -ArrangeBoard::kMargin, -ArrangeBoard::kMargin, ArrangeBoard::kMargin, ArrangeBoard::kMargin)});
        // clang-format on
        if (m_board.Fits(n) || m_letterPx <= kMinLetterPx)
            return;
        m_letterPx = std::max(kMinLetterPx, m_letterPx - 4);
    }
}

void UC_PPK2::StartGame()
{
    BeginGame();
    m_words.Start(gCurrUnit, scoring::Game::Arrange);
    InitGameStatus();
    if (m_words.WordNum() == 0)
        return;
    if (ShowNextWord() == Next::NoneLeft)
        Finish();
}

void UC_PPK2::EndGame()
{
    GameControl::EndGame();
    m_words.End();
    m_dealing = false;
    ResetDrag();
    DestroyLetters();
}

bool UC_PPK2::GetNextWord()
{
    return ShowNextWord() == Next::Shown;
}

UC_PPK2::Next UC_PPK2::ShowNextWord()
{
    // one-letter words count right without play: a loop, so a unit of
    // many of them cannot run the stack deep
    for (;;) {
        if (!m_words.NextWord()) {
            DestroyLetters();
            return Next::NoneLeft;
        }
        CWord *word = m_words.Word();
        cmdTip->setEnabled(true);
        lblNum->setText(m_words.Progress());
        m_target = StripTabsTrim(word->UserEN);
        if (word->English.size() > 1 && m_target.size() > 1)
            break;
        m_words.Answer(answers::Answer::Right);
    }
    DestroyLetters();
    const GameGuard guard = Guard();
    if (!Deal() || !guard.Alive())
        return Next::Interrupted;
    // the child hears the word it is to arrange; the speaker says it again
    CWord *word = m_words.Word();
    if (!PlayBlocking([word] { word->ReadMe(1, false); }))
        return Next::Interrupted;
    emit GotNewWord();
    return Next::Shown;
}

bool UC_PPK2::Deal()
{
    const int n = int(m_target.size());
    ResetDrag();
    m_markedRow.clear();
    iconWrongAnswer->hide();
    FitBoard(n);
    QList<int> cells = m_board.Deal(n, PlatformRnd());
    // a word longer than the smallest board still puts every letter down
    for (int i = int(cells.size()); i < n; ++i)
        cells << 1 + i % std::max(1, m_board.FreeCells());
    m_dealing = true;
    const GameGuard guard = Guard();
    const QFont letterFont = lettergame::LetterFont(m_letterPx);
    const QFont blankFont = lettergame::LetterFont(std::max(kMinLetterPx, m_letterPx * kBlankPx / kLetterPx));
    const QFontMetrics fm(letterFont);
    for (int i = 1; i <= n; ++i) {
        const QChar ch = m_target.at(n - i); // dealt from the end of the word
        auto *l = new QLabel(this);
        l->setTextFormat(Qt::PlainText);
        l->setObjectName(QStringLiteral("picChar%1").arg(i));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(kLetterStyle.arg(Look::kText.name()));
        const bool blank = ch == QLatin1Char(' ');
        l->setFont(blank ? blankFont : letterFont);
        l->setText(blank ? QStringLiteral("_") : QString(ch));
        l->resize(fm.horizontalAdvance(blank ? QChar(u'_') : ch) + 2 * kLetterPad, fm.height());
        l->setProperty("cell", cells.at(i - 1));
        l->move(0, 0);
        l->show();
        picChar.push_back(l);
        const QPoint target = m_board.Clamp(m_board.CellPos(cells.at(i - 1)), l->size());
        for (int step = 1; step <= kDealSteps; ++step) {
            l->move(target * step / kDealSteps);
            repaint();
            plat().Sleep(kDealStepMs);
            if (!guard.Alive())
                return false;
        }
        l->move(target);
    }
    m_dealing = false;
    return true;
}

void UC_PPK2::DestroyLetters()
{
    for (size_t i = 1; i < picChar.size(); ++i) {
        picChar[i]->hide();
        picChar[i]->deleteLater();
    }
    picChar.resize(1);
}

void UC_PPK2::ResetDrag()
{
    m_dragging = false;
    m_dragged = -1;
}

QList<QRect> UC_PPK2::LetterRects() const
{
    QList<QRect> r;
    for (size_t i = 1; i < picChar.size(); ++i)
        r << picChar[i]->geometry();
    return r;
}

QStringList UC_PPK2::Captions() const
{
    QStringList c;
    for (size_t i = 1; i < picChar.size(); ++i)
        c << picChar[i]->text();
    return c;
}

int UC_PPK2::LetterAt(QPoint p) const
{
    // the letter drawn on top wins
    QWidget *w = childAt(p);
    for (size_t i = 1; i < picChar.size(); ++i)
        if (picChar[i] == w)
            return int(i);
    for (size_t i = picChar.size() - 1; i >= 1; --i)
        if (picChar[i]->geometry().contains(p))
            return int(i);
    return -1;
}

bool UC_PPK2::IsComplete() const
{
    return picChar.size() > 1 && ArrangeBoard::IsComplete(LetterRects());
}

bool UC_PPK2::IsCorrectWord() const
{
    return picChar.size() > 1 && ArrangeBoard::ReadRow(LetterRects(), Captions()) == m_target;
}

void UC_PPK2::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || m_dealing || !m_words.Asking() || InputBlocked()) {
        GameControl::mousePressEvent(e);
        return;
    }
    const QPoint p = e->position().toPoint();
    const int k = LetterAt(p);
    if (k < 1)
        return;
    m_dragging = true;
    m_dragged = k;
    m_grab = p - picChar[size_t(k)]->pos();
    picChar[size_t(k)]->raise();
}

void UC_PPK2::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    if (m_dragging && m_dragged >= 1 && size_t(m_dragged) < picChar.size()) {
        if (!(e->buttons() & Qt::LeftButton)) {
            // the release went somewhere else: put the letter down where it is
            DropDragged();
            return;
        }
        QLabel *l = picChar[size_t(m_dragged)];
        l->move(m_board.Clamp(p - m_grab, l->size()));
        SetHandCursor();
        return;
    }
    if (LetterAt(p) >= 1) {
        SetHandCursor();
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void UC_PPK2::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !m_dragging) {
        GameControl::mouseReleaseEvent(e);
        return;
    }
    QLabel *l = size_t(m_dragged) < picChar.size() && m_dragged >= 1 ? picChar[size_t(m_dragged)] : nullptr;
    if (l)
        l->move(m_board.Clamp(e->position().toPoint() - m_grab, l->size()));
    DropDragged();
}

void UC_PPK2::DropDragged()
{
    const int k = m_dragged;
    ResetDrag();
    if (k < 1 || size_t(k) >= picChar.size())
        return;
    QLabel *l = picChar[size_t(k)];
    const QList<QRect> rects = LetterRects();
    const int target = ArrangeBoard::SnapTarget(rects, k - 1);
    if (target >= 0) {
        const QRect &o = rects.at(target);
        l->move(m_board.Clamp(QPoint(o.left() + o.width(), o.top()), l->size()));
    }
    if (!IsComplete()) {
        m_markedRow.clear();
        return;
    }
    if (IsCorrectWord())
        WordArranged();
    else
        RowWrong();
}

void UC_PPK2::RowWrong()
{
    const QString row = ArrangeBoard::ReadRow(LetterRects(), Captions());
    if (!m_words.Asking() || row == m_markedRow)
        return;
    m_markedRow = row;
    QRect across;
    for (const QRect &r : LetterRects())
        across = across.united(r);
    gamemarks::ShowMarkOn(iconWrongAnswer, across);
    timHideIcon->start(kMarkMs);
    m_words.Answer(answers::Answer::Wrong);
    GetPlaySound()->FailedSound();
}

void UC_PPK2::WordArranged()
{
    if (!m_words.Asking())
        return;
    const GameGuard guard = Guard();
    iconWrongAnswer->hide();
    m_words.Answer(answers::Answer::Right);
    emit OneWordOK();
    if (!PlayBlocking([] { GetPlaySound()->SuceessSound(); }))
        return;
    ShowTip();
    if (!guard.Alive())
        return;
    if (ShowNextWord() == Next::NoneLeft)
        Finish();
}

void UC_PPK2::ShowTip()
{
    if (!m_words.Word())
        return;
    FormTip tip(window());
    tip.SetMyWord(m_words.Word());
    tip.exec();
}

void UC_PPK2::cmdTip_Click()
{
    CWord *word = m_words.Word();
    if (word && !m_dealing && m_words.Asking() && !InputBlocked())
        PlayBlocking([word] { word->ReadMe(1, false); });
}

void UC_PPK2::btnNext_Click()
{
    if (m_dealing || !m_words.Asking() || InputBlocked())
        return;
    ResetDrag();
    m_words.Answer(answers::Answer::Helped);
    ShowTip();
}

void UC_PPK2::Finish()
{
    FinishGame(m_words.Perfect());
}

void UC_PPK2::hideEvent(QHideEvent *e)
{
    ResetDrag();
    GameControl::hideEvent(e);
}

void UC_PPK2::changeEvent(QEvent *e)
{
    if (e->type() == QEvent::ActivationChange && !isActiveWindow())
        ResetDrag();
    GameControl::changeEvent(e);
}
