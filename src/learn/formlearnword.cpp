// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "learn/formlearnword.h"
#include "helpers/apppaths.h"
#include "helpers/texthelpers.h"
#include "learn/learnwordctl.h"
#include "learn/saypanel.h"
#include "records/formrecord.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "widgets/bookunittitlectl.h"
#include "widgets/look.h"
#include "widgets/screenfit.h"
#include "widgets/uc_maintool.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

const QString FormLearnWord::kCaption = QStringLiteral("Tallivo 9.8---单词初识");

namespace {

constexpr int kClientW = 1016;
constexpr int kClientH = 734;
constexpr int kTitleTop = 6;
constexpr int kReaderTop = 70;
constexpr int kToolbarGap = 42;
constexpr int kSayPanelW = 176;
constexpr int kSayPanelH = 236;
constexpr int kSayPanelTop = 150;

enum ToolButton {
    kBack = 0,
    kRecord = 1,
    kWordList = 2,
    kPrev = 3,
    kAutoBrowse = 4,
    kStopAutoBrowse = 5,
    kNext = 6,
    kGames = 7,
    kAddUserBook = 8,
    kHelp = 9,
};

QCheckBox *MakeCheck(const QString &text, QWidget *parent)
{
    auto *c = new QCheckBox(text, parent);
    c->setFont(ChineseFont(16));
    c->setCursor(Qt::PointingHandCursor);
    return c;
}

QRadioButton *MakeOption(const QString &text, QWidget *parent)
{
    auto *r = new QRadioButton(text, parent);
    r->setFont(ChineseFont(16));
    r->setCursor(Qt::PointingHandCursor);
    return r;
}

QFrame *Separator(QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(QFrame::VLine);
    f->setStyleSheet(Look::ColourStyle(Look::kPanelEdge));
    return f;
}

} // namespace

FormLearnWord::FormLearnWord(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kCaption);
    Look::StyleWindow(this);
    setFixedSize(kClientW, kClientH);
    setMouseTracking(true);

    BookUnitTitleCtl1 = new BookUnitTitleCtl(this);
    BookUnitTitleCtl1->setObjectName(QStringLiteral("BookUnitTitleCtl1"));
    connect(BookUnitTitleCtl1, &BookUnitTitleCtl::Click, this, &FormLearnWord::BookUnitTitleCtl1_Click);

    LearnWordCtl1 = new LearnWordCtl(this);
    LearnWordCtl1->setObjectName(QStringLiteral("LearnWordCtl1"));
    connect(LearnWordCtl1, &LearnWordCtl::MouseMove, this, [this](int, int) { UnhighlightToolbar(); });
    connect(LearnWordCtl1, &LearnWordCtl::ModalAhead, this, &FormLearnWord::StopAutoBrowse);
    connect(LearnWordCtl1, &LearnWordCtl::BusyEnded, this, &FormLearnWord::AfterBusy);

    BuildSettings();

    SayPanel1 = new SayPanel(this);
    SayPanel1->resize(kSayPanelW, kSayPanelH);
    SayPanel1->busy = [this] { return Busy(); };
    SayPanel1->word = [this] { return LearnWordCtl1->myWord; };

    PicBottom = new UC_MainTool(this);
    PicBottom->setObjectName(QStringLiteral("PicBottom"));
    connect(PicBottom, &UC_MainTool::Click, this, &FormLearnWord::PicBottom_Click);

    TimerAutoRead = new QTimer(this);
    TimerAutoRead->setObjectName(QStringLiteral("TimerAutoRead"));
    TimerAutoRead->setInterval(kAutoReadMs);
    connect(TimerAutoRead, &QTimer::timeout, this, &FormLearnWord::TimerAutoRead_Timer);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &FormLearnWord::Timer1_Timer);

    bLoading = true;
    LoadDispFeature();
    bLoading = false;
    // every opening reads twice and shows the brief Chinese
    if (gUser) {
        gUser->nReadTimes = 2;
        gUser->iCHType = 0;
    }
    OpReadNum[1]->setChecked(true);
    OpChinese[0]->setChecked(true);

    // the window sees every key first, whichever control has the focus
    qApp->installEventFilter(this);
    Layout();
}

FormLearnWord::~FormLearnWord()
{
    qApp->removeEventFilter(this);
    TimerAutoRead->stop();
    Timer1->stop();
}

void FormLearnWord::BuildSettings()
{
    picDispSetting = new RoundPanel(this);
    picDispSetting->setObjectName(QStringLiteral("picDispSetting"));
    auto *rows = new QVBoxLayout(picDispSetting);
    rows->setContentsMargins(18, 6, 18, 6);
    rows->setSpacing(2);
    auto *row1 = new QHBoxLayout;
    auto *row2 = new QHBoxLayout;
    rows->addLayout(row1);
    rows->addLayout(row2);
    for (QHBoxLayout *r : {row1, row2})
        r->setSpacing(14);

    const char *const captions[] = {"", "英文", "音标", "图片", "中文", "例句"};
    for (int i = 1; i <= 5; ++i) {
        chkDispSetting[size_t(i)] = MakeCheck(QString::fromUtf8(captions[i]), picDispSetting);
        chkDispSetting[size_t(i)]->setObjectName(QStringLiteral("chkDispSetting%1").arg(i));
        row1->addWidget(chkDispSetting[size_t(i)]);
        connect(chkDispSetting[size_t(i)], &QCheckBox::clicked, this, [this, i] { chkDispSetting_Click(i); });
    }
    row1->addWidget(Separator(picDispSetting));
    auto *chineseGroup = new QButtonGroup(this);
    const char *const chinese[] = {"简明中文", "详细中文"};
    for (int i = 0; i < 2; ++i) {
        OpChinese[size_t(i)] = MakeOption(QString::fromUtf8(chinese[i]), picDispSetting);
        OpChinese[size_t(i)]->setObjectName(QStringLiteral("OpChinese%1").arg(i));
        chineseGroup->addButton(OpChinese[size_t(i)], i);
        row1->addWidget(OpChinese[size_t(i)]);
        connect(OpChinese[size_t(i)], &QRadioButton::clicked, this, [this, i] { OpChinese_Click(i); });
    }
    row1->addStretch();

    chkSpeakWord = MakeCheck(QStringLiteral("自动朗读"), picDispSetting);
    chkSpeakWord->setObjectName(QStringLiteral("chkSpeakWord"));
    connect(chkSpeakWord, &QCheckBox::clicked, this, &FormLearnWord::chkSpeakWord_Click);
    chkReadSentence = MakeCheck(QStringLiteral("自动朗读例句"), picDispSetting);
    chkReadSentence->setObjectName(QStringLiteral("chkReadSentence"));
    connect(chkReadSentence, &QCheckBox::clicked, this, &FormLearnWord::chkReadSentence_Click);
    row2->addWidget(chkSpeakWord);
    row2->addWidget(chkReadSentence);
    row2->addWidget(Separator(picDispSetting));
    auto *readGroup = new QButtonGroup(this);
    const char *const times[] = {"一遍", "两遍", "三遍"};
    for (int i = 0; i < 3; ++i) {
        OpReadNum[size_t(i)] = MakeOption(QString::fromUtf8(times[i]), picDispSetting);
        OpReadNum[size_t(i)]->setObjectName(QStringLiteral("OpReadNum%1").arg(i));
        readGroup->addButton(OpReadNum[size_t(i)], i);
        row2->addWidget(OpReadNum[size_t(i)]);
        connect(OpReadNum[size_t(i)], &QRadioButton::clicked, this, [this, i] { OpReadNum_Click(i); });
    }
    row2->addWidget(Separator(picDispSetting));
    chkRand = MakeCheck(QStringLiteral("打乱单词显示顺序"), picDispSetting);
    chkRand->setObjectName(QStringLiteral("chkRand"));
    connect(chkRand, &QCheckBox::clicked, this, &FormLearnWord::chkRand_Click);
    row2->addWidget(chkRand);
    row2->addStretch();
    picDispSetting->resize(picDispSetting->sizeHint().expandedTo(QSize(760, 0)));
}

void FormLearnWord::LoadDispFeature()
{
    if (!gUser)
        return;
    const bool values[] = {false, gUser->bEnglish, gUser->bSound, gUser->bPicture, gUser->bChinese, gUser->bSentenceEN};
    for (int i = 1; i <= 5; ++i)
        chkDispSetting[size_t(i)]->setChecked(values[i]);
    chkReadSentence->setChecked(gUser->bAutoReadSentence);
    chkSpeakWord->setChecked(gUser->bAutoSpeakWord);
    if (gUser->bRand)
        chkRand->setChecked(true);
}

void FormLearnWord::UpdateDispMODE()
{
    if (LearnWordCtl1->myWord)
        LearnWordCtl1->UpdateDisp();
}

bool FormLearnWord::AutoBrowsing() const
{
    return TimerAutoRead->isActive();
}

bool FormLearnWord::Busy() const
{
    return LearnWordCtl1->Changing() || (gPlaySound && gPlaySound->bReading);
}

void FormLearnWord::Layout()
{
    LearnWordCtl1->move((width() - LearnWordCtl1->width()) / 2, kReaderTop);
    LearnWordCtl1->show();
    picDispSetting->move((width() - picDispSetting->width()) / 2,
                         LearnWordCtl1->geometry().bottom() + 1 + int(0.3 * picDispSetting->height()));
    picDispSetting->show();
    PicBottom->move((width() - PicBottom->width()) / 2, picDispSetting->geometry().bottom() + 1 + kToolbarGap);
    PicBottom->GrayedAll();
    BookUnitTitleCtl1->move((width() - BookUnitTitleCtl1->width()) / 2, kTitleTop);
    SayPanel1->move(width() - kSayPanelW - 24, kSayPanelTop);
    SayPanel1->show();
    SayPanel1->raise();
    BookUnitTitleCtl1->SetCaption(gCurrSeries, gCurrBook, gCurrUnit);
}

void FormLearnWord::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_loaded)
        return;
    m_loaded = true;
    // painted first, then the first word (and its voice)
    QPointer<FormLearnWord> self(this);
    QMetaObject::invokeMethod(
        this, [self] {
            if (self)
                self->FirstLoad();
        },
        Qt::QueuedConnection);
}

void FormLearnWord::FirstLoad()
{
    PicBottom->SetEnabled(false);
    QPointer<FormLearnWord> self(this);
    LearnWordCtl1->Reload(true);
    if (!self)
        return;
    PicBottom->SetEnabled(true);
    PicBottom->GrayedAll();
}

void FormLearnWord::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    Layout();
}

void FormLearnWord::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Look::kSky);
}

void FormLearnWord::UnhighlightToolbar()
{
    if (PicBottom->currShowButton != -1)
        PicBottom->GrayedAll();
}

void FormLearnWord::mouseMoveEvent(QMouseEvent *e)
{
    UnhighlightToolbar();
    QDialog::mouseMoveEvent(e);
}

void FormLearnWord::StopAutoBrowse()
{
    if (!TimerAutoRead->isActive())
        return;
    TimerAutoRead->stop();
    PicBottom->StopAutoread();
    LearnWordCtl1->SetEnabled(true);
}

void FormLearnWord::CloseIfIdle()
{
    // closing while a word is spoken or changing is refused; press again after it
    if (Busy())
        return;
    QDialog::reject();
}

void FormLearnWord::reject()
{
    CloseIfIdle();
}

void FormLearnWord::done(int r)
{
    SayPanel1->CancelRecording();
    TimerAutoRead->stop();
    Timer1->stop();
    QDialog::done(r);
}

void FormLearnWord::NextWord()
{
    StopAutoBrowse();
    SayPanel1->CancelRecording();
    LearnWordCtl1->MoveNext();
}

void FormLearnWord::PrevWord()
{
    StopAutoBrowse();
    SayPanel1->CancelRecording();
    LearnWordCtl1->MovePrev();
}

void FormLearnWord::TimerAutoRead_Timer()
{
    // a tick during a change or a voice comes once as soon as it ends, as
    // when the voice held the thread
    if (Busy()) {
        m_autoTickMissed = true;
        return;
    }
    m_autoTickMissed = false;
    SayPanel1->CancelRecording();
    LearnWordCtl1->SetNextWord();
}

void FormLearnWord::AfterBusy()
{
    if (m_autoTickMissed && AutoBrowsing())
        TimerAutoRead_Timer();
}

void FormLearnWord::AfterWindow(bool fromFirstWord)
{
    // keys come here again, also where no window manager hands the focus back
    activateWindow();
    BookUnitTitleCtl1->SetCurrCaption();
    if (fromFirstWord && gUser)
        gUser->nLastWord = 1;
    PicBottom->SetEnabled(false);
    QPointer<FormLearnWord> self(this);
    LearnWordCtl1->Reload(fromFirstWord);
    if (!self)
        return;
    PicBottom->SetEnabled(true);
    PicBottom->GrayedAll();
}

void FormLearnWord::RunWindow(Window w, bool fromFirstWord)
{
    if (Busy() || m_inWindow)
        return;
    SayPanel1->CancelRecording();
    m_inWindow = true;
    QPointer<FormLearnWord> self(this);
    nav().Open(w, this);
    if (!self)
        return;
    m_inWindow = false;
    AfterWindow(fromFirstWord);
}

void FormLearnWord::PicBottom_Click(int index)
{
    if (index != kAutoBrowse && index != kStopAutoBrowse)
        StopAutoBrowse();
    switch (index) {
    case kBack:
        CloseIfIdle();
        break;
    case kRecord:
        // after the record the learner starts again at word 1
        RunWindow(Window::Record, true);
        break;
    case kWordList:
        RunWindow(Window::WordPicList, false);
        break;
    case kPrev:
        PrevWord();
        break;
    case kAutoBrowse:
        LearnWordCtl1->CutVoiceFor(nullptr);
        LearnWordCtl1->SetEnabled(false);
        TimerAutoRead->start();
        break;
    case kStopAutoBrowse:
        TimerAutoRead->stop();
        LearnWordCtl1->SetEnabled(true);
        break;
    case kNext:
        NextWord();
        break;
    case kGames:
        RunWindow(Window::Games, false);
        break;
    case kAddUserBook:
        RunWindow(Window::AddUserBook, false);
        break;
    case kHelp:
        ShellOpen(AppPath(QStringLiteral("dat/help.html")));
        break;
    default:
        break;
    }
}

void FormLearnWord::BookUnitTitleCtl1_Click()
{
    if (Busy() || m_inWindow)
        return;
    StopAutoBrowse();
    const std::array<QWidget *, 4> parts{LearnWordCtl1, BookUnitTitleCtl1, picDispSetting, PicBottom};
    for (QWidget *p : parts)
        p->hide();
    m_inWindow = true;
    QPointer<FormLearnWord> self(this);
    const bool confirmed = nav().Open(Window::SelectUnit, this) == 1;
    if (!self)
        return;
    m_inWindow = false;
    for (QWidget *p : parts)
        p->show();
    if (confirmed) {
        activateWindow();
        BookUnitTitleCtl1->SetCaption(gCurrSeries, gCurrBook, gCurrUnit);
        ReselectUnit();
    } else {
        // Cancel keeps the category and the place
        AfterWindow(false);
    }
}

void FormLearnWord::ReselectUnit()
{
    if (!gUser || !gWordBank)
        return;
    gWordBank->RestoreLastCourse();
    gUser->nLastWord = 1;
    BookUnitTitleCtl1->SetCurrCaption();
    Timer1->start();
}

void FormLearnWord::Timer1_Timer()
{
    Timer1->stop();
    if (LearnWordCtl1->Changing())
        return;
    PicBottom->SetEnabled(false);
    QPointer<FormLearnWord> self(this);
    LearnWordCtl1->ClearArrWordPics();
    LearnWordCtl1->Reload(true);
    if (!self)
        return;
    PicBottom->SetEnabled(true);
    PicBottom->GrayedAll();
}

void FormLearnWord::chkDispSetting_Click(int index)
{
    if (bLoading || !gUser || index < 1 || index > 5)
        return;
    StopAutoBrowse();
    const bool on = chkDispSetting[size_t(index)]->isChecked();
    switch (index) {
    case 1:
        gUser->bEnglish = on;
        // the transcription follows the English
        chkDispSetting[2]->setChecked(on);
        chkDispSetting_Click(2);
        break;
    case 2:
        gUser->bSound = on;
        break;
    case 3:
        gUser->bPicture = on;
        break;
    case 4:
        gUser->bChinese = on;
        break;
    case 5:
        gUser->bSentenceEN = on;
        break;
    }
    UpdateDispMODE();
}

void FormLearnWord::OpChinese_Click(int index)
{
    if (!gUser)
        return;
    StopAutoBrowse();
    gUser->iCHType = index;
    UpdateDispMODE();
}

void FormLearnWord::OpReadNum_Click(int index)
{
    if (!gUser)
        return;
    StopAutoBrowse();
    gUser->nReadTimes = index + 1;
}

void FormLearnWord::chkSpeakWord_Click()
{
    if (!gUser)
        return;
    StopAutoBrowse();
    gUser->bAutoSpeakWord = chkSpeakWord->isChecked();
    chkReadSentence->setChecked(chkSpeakWord->isChecked());
    chkReadSentence_Click();
}

void FormLearnWord::chkReadSentence_Click()
{
    if (gUser)
        gUser->bAutoReadSentence = chkReadSentence->isChecked();
}

void FormLearnWord::chkRand_Click()
{
    if (!gUser)
        return;
    StopAutoBrowse();
    gUser->bRand = chkRand->isChecked();
}

bool FormLearnWord::HandleKey(QKeyEvent *e)
{
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
    case Qt::Key_Space:
        if (e->type() == QEvent::KeyPress)
            PrevWord();
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (e->type() == QEvent::KeyPress)
            NextWord();
        return true;
    case Qt::Key_Escape:
        if (e->type() == QEvent::KeyPress)
            CloseIfIdle();
        return true;
    case Qt::Key_R:
        if (e->type() == QEvent::KeyPress) {
            StopAutoBrowse();
            SayPanel1->btnSay_Click();
        }
        return true;
    case Qt::Key_M:
        if (e->type() == QEvent::KeyPress) {
            StopAutoBrowse();
            SayPanel1->btnMine_Click();
        }
        return true;
    default:
        return false;
    }
}

bool FormLearnWord::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type t = event->type();
    const bool key = t == QEvent::KeyPress || t == QEvent::KeyRelease;
    const bool press = t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease
                       || t == QEvent::MouseButtonDblClick;
    if ((!key && !press) || !watched->isWidgetType() || !isVisible())
        return false;
    // only what is meant for this window, not for a window it opened
    auto *target = static_cast<QWidget *>(watched);
    if (target->window() != this)
        return false;
    if (QWidget *modal = ShownWindow(QApplication::activeModalWidget()); modal && modal != this)
        return false;
    auto *input = static_cast<QInputEvent *>(event);
    // pressed while a word was spoken: meant for no word the learner can see now
    if (LearnWordCtl1->IsStaleInput(input))
        return true;
    if (!key)
        return false;
    auto *k = static_cast<QKeyEvent *>(event);
    if (k->isAutoRepeat()) {
        // a held key moves once, and never toggles a focused box either
        switch (k->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return true;
        default:
            return false;
        }
    }
    return HandleKey(k);
}
