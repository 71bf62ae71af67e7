// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "learn/learnwordctl.h"
#include "platform/navigator.h"
#include "helpers/apppaths.h"
#include "helpers/wordforms.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "widgets/clicklabel.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "widgets/newwordpicctl.h"
#include "widgets/phoneticfont.h"
#include "widgets/sentenceline.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QFileInfo>
#include <QInputEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <utility>

namespace {

constexpr int kEnglishTop = 4;
constexpr int kCardTop = 66;
constexpr int kSentenceTop = 322;
constexpr int kSentenceCHTop = 354;
constexpr int kSoundGap = 10;
const char *const kTagProperty = "wordTag";

qint64 MonotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// A rounded tip in the program's orange with two lines of white text.
StdPicture TipPicture(const QString &title, const QString &hint)
{
    const QSize size(300, 84);
    QImage img(size * 2, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Look::PaintRoundPanel(p, QRect(QPoint(0, 0), size), 18, Look::kOrange, QColor(255, 255, 255));
    p.setPen(Look::kOnColour);
    p.setFont(ChineseFont(24, true));
    p.drawText(QRect(0, 8, size.width(), 40), Qt::AlignCenter, title);
    p.setFont(ChineseFont(16));
    p.drawText(QRect(0, 46, size.width(), 28), Qt::AlignCenter, hint);
    p.end();
    return StdPicture(img);
}

// The frame round the current thumbnail: an orange ring, see-through inside.
StdPicture BorderPicture(QSize size)
{
    QImage img(size * 2, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Look::kOrange, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, size.width() - 3, size.height() - 3), 6, 6);
    p.end();
    return StdPicture(img);
}

// The previous- and next-word pointers: a white arrow on an orange disc.
QCursor ArrowCursor(bool next)
{
    QPixmap pm(QSize(36, 36) * 2);
    pm.setDevicePixelRatio(2);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Look::kOnColour, 2));
    p.setBrush(Look::kOrange);
    p.drawEllipse(QRectF(1, 1, 34, 34));
    QPainterPath arrow;
    if (next) {
        arrow.moveTo(13, 9);
        arrow.lineTo(27, 18);
        arrow.lineTo(13, 27);
    } else {
        arrow.moveTo(23, 9);
        arrow.lineTo(9, 18);
        arrow.lineTo(23, 27);
    }
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Look::kOnColour);
    p.drawPath(arrow);
    p.end();
    return QCursor(pm, 18, 18);
}

bool VoiceExists(const CWord &w)
{
    return QFileInfo::exists(
        AppPath(QStringLiteral("voice/") + NormalizeWordKey(StripTabsTrim(w.English)) + QStringLiteral(".enw")));
}

} // namespace

LearnWordCtl::LearnWordCtl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    resize(kWidth, kHeight);
    m_prevCursor = ArrowCursor(false);
    m_nextCursor = ArrowCursor(true);

    picBorder = new cTransPictureBox(this);
    picBorder->setObjectName(QStringLiteral("picBorder"));
    picBorder->SetBorderStyle(0);
    picBorder->SetStyle(cTransPictureBox::StyleStretch);
    picBorder->resize(kThumbW + 2 * 2, kThumbH + 2 * 2);
    picBorder->SetPictureFile(BorderPicture(picBorder->size()));
    picBorder->setAttribute(Qt::WA_TransparentForMouseEvents);
    picBorder->hide();

    WordPicCtl1 = new NewWordPicCtl(this);
    WordPicCtl1->setObjectName(QStringLiteral("WordPicCtl1"));
    WordPicCtl1->resize(400, 250);
    WordPicCtl1->move((kWidth - WordPicCtl1->width()) / 2, kCardTop);
    WordPicCtl1->setCursor(Qt::PointingHandCursor);
    WordPicCtl1->hide();
    connect(WordPicCtl1, &NewWordPicCtl::Click, this, &LearnWordCtl::CardClick);
    connect(WordPicCtl1, &NewWordPicCtl::MouseMove, this,
            [this](int, int, int x, int y) { emit MouseMove(x + WordPicCtl1->x(), y + WordPicCtl1->y()); });

    lblEnglish = new ClickLabel(QString(), this);
    lblEnglish->setObjectName(QStringLiteral("lblEnglish"));
    lblEnglish->setFont(EnglishFont(46, true));
    lblEnglish->SetForeColor(Look::kText);
    lblEnglish->setCursor(Qt::PointingHandCursor);
    lblEnglish->hide();
    connect(lblEnglish, &ClickLabel::Click, this, &LearnWordCtl::EnglishClick);
    connect(lblEnglish, &ClickLabel::MouseMove, this,
            [this](int, int, int x, int y) { emit MouseMove(x + lblEnglish->x(), y + lblEnglish->y()); });

    lblSound = new ClickLabel(QString(), this);
    lblSound->setObjectName(QStringLiteral("lblSound"));
    QFont phonetic(kPhoneticFontFamily);
    phonetic.setPixelSize(26);
    lblSound->setFont(phonetic);
    lblSound->SetForeColor(QColor(0x44, 0x55, 0x77));
    lblSound->setCursor(Qt::PointingHandCursor);
    lblSound->hide();
    connect(lblSound, &ClickLabel::Click, this, [this] {
        if (m_enabled && !bChanging && myWord && SpeakWord(1))
            MarkBusyEnded();
    });
    connect(lblSound, &ClickLabel::MouseMove, this, [this](int, int, int x, int y) {
        SetHandCursor();
        emit MouseMove(x + lblSound->x(), y + lblSound->y());
    });

    lblWordIndex = new QLabel(this);
    lblWordIndex->setTextFormat(Qt::PlainText);
    lblWordIndex->setObjectName(QStringLiteral("lblWordIndex"));
    lblWordIndex->setFont(EnglishFont(20, true));
    lblWordIndex->move(12, 8);
    lblWordIndex->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblWordNum = new QLabel(this);
    lblWordNum->setTextFormat(Qt::PlainText);
    lblWordNum->setObjectName(QStringLiteral("lblWordNum"));
    lblWordNum->setFont(EnglishFont(20, true));
    lblWordNum->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QLabel *l : {lblWordIndex, lblWordNum}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, QColor(0x5A, 0x6B, 0x85));
        l->setPalette(pal);
    }

    lblSentenceEN = new SentenceLine(this);
    lblSentenceEN->setObjectName(QStringLiteral("lblSentenceEN"));
    lblSentenceEN->setFont(EnglishFont(22));
    lblSentenceEN->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblSentenceEN->hide();
    lblSentenceCH = new QLabel(this);
    lblSentenceCH->setTextFormat(Qt::PlainText);
    lblSentenceCH->setObjectName(QStringLiteral("lblSentenceCH"));
    lblSentenceCH->setFont(ChineseFont(17));
    lblSentenceCH->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblSentenceCH->hide();
    btnReadSentence = new QToolButton(this);
    btnReadSentence->setObjectName(QStringLiteral("btnReadSentence"));
    btnReadSentence->setIcon(QIcon(QStringLiteral(":/widgets/card/speaker.png")));
    btnReadSentence->setIconSize(QSize(24, 24));
    btnReadSentence->setAutoRaise(true);
    btnReadSentence->setCursor(Qt::PointingHandCursor);
    btnReadSentence->setFocusPolicy(Qt::NoFocus);
    btnReadSentence->setToolTip(QStringLiteral("朗读例句"));
    btnReadSentence->hide();
    connect(btnReadSentence, &QToolButton::clicked, this, &LearnWordCtl::ReadSentenceClick);

    // The template of the strip, never shown.
    auto *tmpl = new NewWordPicCtl(this);
    tmpl->setObjectName(QStringLiteral("ArrWords0"));
    tmpl->resize(kThumbW, kThumbH);
    tmpl->move(0, kStripTop);
    tmpl->hide();
    ArrWords.push_back(tmpl);

    picFirstWordTIP = new cTransPictureBox(this);
    picFirstWordTIP->setObjectName(QStringLiteral("picFirstWordTIP"));
    picLastWordTIP = new cTransPictureBox(this);
    picLastWordTIP->setObjectName(QStringLiteral("picLastWordTIP"));
    for (cTransPictureBox *tip : {picFirstWordTIP, picLastWordTIP}) {
        tip->SetBorderStyle(0);
        tip->SetStyle(cTransPictureBox::StyleNormal);
        tip->setAttribute(Qt::WA_TransparentForMouseEvents);
        tip->hide();
    }
    picFirstWordTIP->SetPictureFile(TipPicture(QStringLiteral("这是第一个单词"), QStringLiteral("再往前就到最后一个单词")));
    picLastWordTIP->SetPictureFile(TipPicture(QStringLiteral("这是最后一个单词"), QStringLiteral("再往后就从第一个单词开始")));
}

LearnWordCtl::~LearnWordCtl()
{
    // the cards must not redraw or flip while they are taken down
    for (NewWordPicCtl *c : ArrWords)
        c->bUnloading = true;
    WordPicCtl1->bUnloading = true;
}

int LearnWordCtl::StripLeft(int n)
{
    return RoundHalfEven((kStripSpan - kPitch * n) / 2.0);
}

int LearnWordCtl::Tag(const QWidget *thumb)
{
    return thumb ? thumb->property(kTagProperty).toInt() : 0;
}

NewWordPicCtl *LearnWordCtl::Thumbnail(int j) const
{
    return j >= 1 && j < int(ArrWords.size()) ? ArrWords[size_t(j)] : nullptr;
}

int LearnWordCtl::StripFirst() const
{
    return StripCount() > 0 ? Tag(ArrWords[1]) : 0;
}

void LearnWordCtl::ClearArrWordPics()
{
    for (size_t j = 1; j < ArrWords.size(); ++j) {
        NewWordPicCtl *c = ArrWords[j];
        c->bUnloading = true;
        c->hide();
        c->deleteLater();
    }
    ArrWords.resize(1);
    if (picBorder)
        picBorder->hide();
}

void LearnWordCtl::LoadWordArr(int iWordIndex, bool bPrevGroup)
{
    if (!gCurrUnit)
        return;
    for (size_t j = 1; j < ArrWords.size(); ++j) {
        if (Tag(ArrWords[j]) == iWordIndex)
            return;
    }
    const int n = gCurrUnit->WordNum();
    int first = 1;
    int count = n;
    if (n > kMaxThumbs) {
        count = kMaxThumbs;
        first = bPrevGroup ? std::max(1, iWordIndex - (kMaxThumbs - 1)) : std::min(iWordIndex, n - (kMaxThumbs - 1));
        first = std::clamp(first, 1, n - (kMaxThumbs - 1));
    }
    ClearArrWordPics();
    const int left = StripLeft(count);
    const int top = ArrWords[0]->y();
    QPointer<LearnWordCtl> self(this);
    for (int j = 1; j <= count; ++j) {
        const int tag = first + j - 1;
        auto *thumb = new NewWordPicCtl(this);
        thumb->setObjectName(QStringLiteral("ArrWords%1").arg(j));
        thumb->resize(kThumbW, kThumbH);
        thumb->setCursor(Qt::PointingHandCursor);
        thumb->setProperty(kTagProperty, tag);
        ArrWords.push_back(thumb);
        CWord *w = nullptr;
        if (gCurrUnit->GetWordByID(tag, w))
            thumb->SetPicWord(w, false, false, 0);
        thumb->move(left + kPitch * (j - 1), top);
        connect(thumb, &NewWordPicCtl::MouseMove, this, [this, thumb](int, int, int, int) { ThumbHover(thumb); });
        connect(thumb, &NewWordPicCtl::Click, this, [this, thumb] { ThumbClick(thumb); });
        thumb->setVisible(w != nullptr);
    }
    picBorder->lower();
}

void LearnWordCtl::PlaceBorder(int iWordIndex)
{
    for (size_t j = 1; j < ArrWords.size(); ++j) {
        NewWordPicCtl *t = ArrWords[j];
        if (Tag(t) != iWordIndex)
            continue;
        picBorder->move(t->x() - 2, t->y() - 2);
        picBorder->setProperty(kTagProperty, iWordIndex);
        picBorder->show();
        picBorder->lower();
        return;
    }
    picBorder->hide();
}

void LearnWordCtl::ChangeWord(int iWordIndex, bool bPrev)
{
    ShowWordAt(iWordIndex, bPrev, false);
}

void LearnWordCtl::ShowWordAt(int iWordIndex, bool bPrev, bool bQuiet)
{
    if (!gCurrUnit || !gUser || bChanging)
        return;
    const int n = gCurrUnit->WordNum();
    if (n == 0) {
        ShowNothing();
        return;
    }
    // a position left over from a bigger selection shows a word of this one
    iWordIndex = std::clamp(iWordIndex, 1, n);
    bChanging = true;
    QPointer<LearnWordCtl> self(this);
    gUser->nLastWord = iWordIndex;
    CWord *w = nullptr;
    gCurrUnit->GetWordByID(iWordIndex, w);
    myWord = w;
    lblWordIndex->setText(QString::number(iWordIndex));
    lblWordIndex->adjustSize();
    lblWordNum->setText(QString::number(n));
    lblWordNum->adjustSize();
    lblWordNum->move(width() - lblWordNum->width() - 12, 8);
    LoadWordArr(iWordIndex, bPrev);
    PlaceBorder(iWordIndex);
    UpdateWord(bQuiet || !(gUser->bAutoSpeakWord && gUser->bEnglish));
    if (!self)
        return;
    bChanging = false;
    MarkBusyEnded();
}

void LearnWordCtl::Reload(bool speakAlways)
{
    if (bChanging)
        return;
    CWord *before = myWord;
    ClearArrWordPics();
    if (!gCurrUnit || !gUser || gCurrUnit->WordNum() == 0) {
        ShowNothing();
        return;
    }
    const int n = gCurrUnit->WordNum();
    gUser->nLastWord = std::clamp(gUser->nLastWord, 1, n);
    CWord *next = nullptr;
    gCurrUnit->GetWordByID(gUser->nLastWord, next);
    // the same word again is shown afresh but not spoken again
    ShowWordAt(gUser->nLastWord, false, !speakAlways && next == before);
}

void LearnWordCtl::ShowNothing()
{
    myWord = nullptr;
    ClearArrWordPics();
    HideTips();
    for (QWidget *w : std::initializer_list<QWidget *>{WordPicCtl1, lblEnglish, lblSound, lblSentenceEN,
                                                       lblSentenceCH, btnReadSentence})
        w->hide();
    lblWordIndex->clear();
    lblWordNum->clear();
}

void LearnWordCtl::UpdateWord(bool bMute)
{
    if (!myWord || !gUser)
        return;
    QPointer<LearnWordCtl> self(this);
    CWord *word = myWord;
    lblEnglish->hide();
    lblSound->hide();
    ShowWordInfo();
    if (!self || myWord != word)
        return;
    WordPicCtl1->setVisible(CardShown());
    ShowSentence();
    // the card shows the new picture already; it only turns over
    if (bEffect) {
        WordPicCtl1->TurnOver();
        if (!self || myWord != word || !gUser)
            return;
    }
    if (!bMute) {
        if (!SpeakWord(gUser->nReadTimes) || myWord != word || !gUser)
            return;
        // a word cut short by a move is not followed by its sentence
        if (m_afterVoice)
            return;
        if (gUser->bAutoReadSentence && SentenceShown())
            SpeakSentence();
    }
}

void LearnWordCtl::ShowWordInfo()
{
    lblEnglish->setText(myWord->UserEN);
    lblEnglish->adjustSize();
    lblSound->setText(myWord->Sound);
    lblSound->adjustSize();
    WordPicCtl1->SetPictureShown(gUser->bPicture);
    WordPicCtl1->SetPicWord(myWord, false, gUser->bChinese, gUser->iCHType);
    WordPicCtl1->move((width() - WordPicCtl1->width()) / 2, kCardTop);
    // the English and its transcription centred together on one line
    const int soundW = myWord->Sound.isEmpty() ? 0 : kSoundGap + lblSound->width();
    const int left = std::max(0, (width() - lblEnglish->width() - soundW) / 2);
    lblEnglish->move(left, kEnglishTop);
    lblSound->move(left + lblEnglish->width() + kSoundGap,
                   kEnglishTop + (lblEnglish->height() - lblSound->height()) / 2);
    lblEnglish->setVisible(gUser->bEnglish);
    lblSound->setVisible(gUser->bSound);
    if (lblSound->isVisible() && !myWord->Sound.isEmpty())
        CheckPhoneticFont();
}

void LearnWordCtl::CheckPhoneticFont()
{
    // a font once there stays for the run; asking the font list is slow
    if (m_fontReady)
        return;
    if (!IsPhoneticFontInstalled()) {
        // the shipped font is registered first; help is only for when that fails
        InstallPhoneticFont();
        if (!IsPhoneticFontInstalled()) {
            if (m_fontOffered)
                return;
            m_fontOffered = true;
            emit ModalAhead();
            // the help window lives above this folder
            nav().Open(Window::PhoneticFontHelp, window());
            return;
        }
    }
    m_fontReady = true;
    if (lblSound->font().family() != kPhoneticFontFamily) {
        QFont f = lblSound->font();
        f.setFamily(kPhoneticFontFamily);
        lblSound->setFont(f);
        lblSound->adjustSize();
    }
}

// The card carries the picture and the meaning: it stays while either is wanted.
bool LearnWordCtl::CardShown() const
{
    return gUser && (gUser->bPicture || gUser->bChinese);
}

bool LearnWordCtl::SentenceShown() const
{
    return gUser && gUser->bSentenceEN && myWord && !myWord->SentenceEN.isEmpty();
}

QString LearnWordCtl::SentenceHtml() const
{
    const QString s = lblSentenceEN->Text();
    const QString picked = lblSentenceEN->Picked();
    if (picked.isEmpty())
        return s.toHtmlEscaped();
    const int at = lblSentenceEN->PickedStart();
    return s.left(at).toHtmlEscaped() + QStringLiteral("<span style=\"color:%1; font-weight:bold\">").arg(Look::kPickedWord.name())
           + picked.toHtmlEscaped() + QStringLiteral("</span>") + s.mid(at + picked.size()).toHtmlEscaped();
}

void LearnWordCtl::ShowSentence()
{
    if (!SentenceShown()) {
        lblSentenceEN->hide();
        lblSentenceCH->hide();
        btnReadSentence->hide();
        return;
    }
    const QString &s = myWord->SentenceEN;
    const WordSpan at = FindWordInSentence(s, myWord->UserEN);
    if (at.found() && !gUser->bEnglish) {
        // with the English hidden the sentence must not give the word away
        const QString gap = QStringLiteral("___");
        lblSentenceEN->SetSentence(s.left(at.start) + gap + s.mid(at.start + at.length), int(at.start), int(gap.size()));
    } else {
        lblSentenceEN->SetSentence(s, at.found() ? int(at.start) : 0, at.found() ? int(at.length) : 0);
    }
    lblSentenceEN->adjustSize();
    lblSentenceCH->setText(myWord->SentenceCH);
    lblSentenceCH->adjustSize();
    const int btnW = btnReadSentence->sizeHint().width();
    // a long sentence is narrowed to the control rather than cut off
    if (lblSentenceEN->width() + btnW + 8 > width() - 20)
        lblSentenceEN->resize(width() - 28 - btnW, lblSentenceEN->height());
    const int left = (width() - lblSentenceEN->width() - btnW - 8) / 2;
    lblSentenceEN->move(left, kSentenceTop);
    btnReadSentence->move(left + lblSentenceEN->width() + 8,
                          kSentenceTop + (lblSentenceEN->height() - btnReadSentence->sizeHint().height()) / 2);
    btnReadSentence->resize(btnReadSentence->sizeHint());
    lblSentenceCH->move((width() - lblSentenceCH->width()) / 2, kSentenceCHTop);
    lblSentenceEN->show();
    lblSentenceCH->show();
    btnReadSentence->show();
}

void LearnWordCtl::UpdateDisp()
{
    if (!myWord || !gUser)
        return;
    WordPicCtl1->move((width() - WordPicCtl1->width()) / 2, kCardTop);
    WordPicCtl1->setVisible(CardShown());
    if (WordPicCtl1->PictureShown() != gUser->bPicture) {
        // the card is laid out again with or without its picture
        WordPicCtl1->SetPictureShown(gUser->bPicture);
        WordPicCtl1->SetPicWord(myWord, false, gUser->bChinese, gUser->iCHType);
    }
    WordPicCtl1->ShowChinese(gUser->bChinese, gUser->iCHType);
    lblEnglish->setVisible(gUser->bEnglish);
    lblSound->setVisible(gUser->bSound);
    ShowSentence();
}

bool LearnWordCtl::SpeakWord(int times)
{
    if (!myWord)
        return true;
    QPointer<LearnWordCtl> self(this);
    // the missing-voice message is a modal box: auto-browse must not stack them
    if (!VoiceExists(*myWord))
        emit ModalAhead();
    if (!self || !myWord)
        return false;
    CWord *w = myWord;
    return Speak([w, times] { w->ReadMe(times, false); });
}

bool LearnWordCtl::SpeakSentence()
{
    if (!myWord)
        return true;
    CWord *w = myWord;
    return Speak([w] { w->ReadSentence(false); });
}

bool LearnWordCtl::Speak(const std::function<void()> &say)
{
    QPointer<LearnWordCtl> self(this);
    const bool was = m_speaking;
    m_speaking = true;
    {
        SoundInputOpen input;
        say();
    }
    if (!self)
        return false;
    m_speaking = was;
    return true;
}

bool LearnWordCtl::CutVoiceFor(std::function<void()> move)
{
    if (!m_speaking || !gPlaySound || !gPlaySound->bReading)
        return false;
    // the latest move wins
    m_afterVoice = move ? std::move(move) : [] {};
    gPlaySound->StopReading();
    return true;
}

void LearnWordCtl::MoveNext()
{
    if (!CutVoiceFor([this] { SetNextWord(); }))
        SetNextWord();
}

void LearnWordCtl::MovePrev()
{
    if (!CutVoiceFor([this] { SetPrevWord(); }))
        SetPrevWord();
}

void LearnWordCtl::MarkBusyEnded()
{
    m_busyEndMs = MonotonicMs();
    // events posted while the reader blocked come before this call in the queue
    m_staleBarrier = true;
    QMetaObject::invokeMethod(
        this, [this] { m_staleBarrier = false; }, Qt::QueuedConnection);
    if (m_afterVoice) {
        QMetaObject::invokeMethod(
            this, [this] {
                const std::function<void()> move = std::exchange(m_afterVoice, nullptr);
                if (move && !bChanging)
                    move();
            },
            Qt::QueuedConnection);
    }
    QMetaObject::invokeMethod(this, &LearnWordCtl::BusyEnded, Qt::QueuedConnection);
}

bool LearnWordCtl::IsStaleInput(const QInputEvent *e) const
{
    if (bChanging)
        return false; // handled as input during a change (moves are dropped)
    if (m_staleBarrier)
        return true;
    const quint64 ts = e->timestamp();
    if (ts == 0 || m_busyEndMs < 0)
        return false;
    // window-system time is the monotonic clock in milliseconds (32 bits)
    const qint32 diff = qint32(quint32(ts) - quint32(quint64(m_busyEndMs)));
    return diff < 0 && diff > -60000;
}

void LearnWordCtl::ShowTip(cTransPictureBox *tip)
{
    tip->move(WordPicCtl1->x() + (WordPicCtl1->width() - tip->width()) / 2,
              WordPicCtl1->y() + (WordPicCtl1->height() - tip->height()) / 2);
    tip->show();
    tip->raise();
}

void LearnWordCtl::HideTips()
{
    picFirstWordTIP->hide();
    picLastWordTIP->hide();
}

void LearnWordCtl::SetNextWord()
{
    // a move dropped by a running change must not move the position either
    if (!gCurrUnit || !gUser || bChanging)
        return;
    const int n = gCurrUnit->WordNum();
    if (n == 0)
        return;
    if (picLastWordTIP->isHidden() && gUser->nLastWord == n && !gUser->bRand) {
        ShowTip(picLastWordTIP);
        return;
    }
    HideTips();
    if (gCurrUnit->GetNextWord(1)) {
        ChangeWord(gUser->nLastWord, false);
    } else {
        gCurrUnit->InitRandReadStatus();
        gUser->nLastWord = 1;
        ChangeWord(1, false);
    }
}

void LearnWordCtl::SetPrevWord()
{
    if (!gCurrUnit || !gUser || bChanging)
        return;
    const int n = gCurrUnit->WordNum();
    if (n == 0)
        return;
    if (picFirstWordTIP->isHidden() && gUser->nLastWord == 1 && !gUser->bRand) {
        ShowTip(picFirstWordTIP);
        return;
    }
    HideTips();
    if (gCurrUnit->GetNextWord(-1)) {
        ChangeWord(gUser->nLastWord, true);
    } else {
        gCurrUnit->InitRandReadStatus();
        gUser->nLastWord = n;
        ChangeWord(n, true);
    }
}

void LearnWordCtl::LowerThumbs(NewWordPicCtl *except)
{
    const int top = ArrWords[0]->y();
    for (size_t j = 1; j < ArrWords.size(); ++j) {
        NewWordPicCtl *t = ArrWords[j];
        if (t != except && t->y() != top)
            t->move(t->x(), top);
    }
}

void LearnWordCtl::ThumbHover(NewWordPicCtl *thumb)
{
    const int top = ArrWords[0]->y();
    if (thumb->y() == top - kLift)
        return;
    LowerThumbs(thumb);
    thumb->move(thumb->x(), top - kLift);
    const bool current = Tag(thumb) == Tag(picBorder);
    picBorder->move(picBorder->x(), (current ? thumb->y() : top) - 2);
    picBorder->lower();
}

void LearnWordCtl::ThumbClick(NewWordPicCtl *thumb)
{
    if (!m_enabled || !gUser)
        return;
    const int tag = Tag(thumb);
    if (!CutVoiceFor([this, tag] { GoToThumb(tag); }))
        GoToThumb(tag);
}

void LearnWordCtl::GoToThumb(int tag)
{
    if (bChanging || !gUser)
        return;
    HideTips();
    gUser->nLastWord = tag;
    ChangeWord(tag, false);
    if (picBorder)
        picBorder->lower();
}

void LearnWordCtl::CardClick()
{
    if (!m_enabled || bChanging || !myWord)
        return;
    lblEnglish->show();
    lblSound->show();
    if (!myWord->Sound.isEmpty())
        CheckPhoneticFont();
    QPointer<LearnWordCtl> self(this);
    if (!VoiceExists(*myWord))
        emit ModalAhead();
    if (!self)
        return;
    if (Speak([this] { WordPicCtl1->ReadMe(1); }))
        MarkBusyEnded();
}

void LearnWordCtl::EnglishClick()
{
    if (!m_enabled || bChanging || !myWord)
        return;
    if (WordPicCtl1->isHidden())
        WordPicCtl1->show();
    if (SpeakWord(1))
        MarkBusyEnded();
}

void LearnWordCtl::ReadSentenceClick()
{
    if (!m_enabled || bChanging || !myWord)
        return;
    if (SpeakSentence())
        MarkBusyEnded();
}

void LearnWordCtl::SetPointer(Pointer p)
{
    if (p == m_pointer)
        return;
    m_pointer = p;
    switch (p) {
    case Pointer::Prev:
        setCursor(m_prevCursor);
        break;
    case Pointer::Next:
        setCursor(m_nextCursor);
        break;
    case Pointer::Normal:
        unsetCursor();
        break;
    }
}

void LearnWordCtl::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint pos = e->position().toPoint();
    QPointer<LearnWordCtl> self(this);
    emit MouseMove(pos.x(), pos.y());
    if (!self)
        return;
    const QRect en = lblEnglish->geometry();
    const QRect card = WordPicCtl1->geometry();
    const bool inEnglishRows = pos.y() >= en.top() && pos.y() <= en.bottom();
    const bool belowCardTop = pos.y() >= card.top() && pos.y() < ArrWords[0]->y() - kLift;
    if ((inEnglishRows && pos.x() < en.left()) || (belowCardTop && pos.x() < card.left()))
        SetPointer(Pointer::Prev);
    else if ((inEnglishRows && pos.x() > en.right()) || (belowCardTop && pos.x() > card.right()))
        SetPointer(Pointer::Next);
    else
        SetPointer(Pointer::Normal);
    LowerThumbs(nullptr);
    if (picBorder->isVisible())
        picBorder->move(picBorder->x(), ArrWords[0]->y() - 2);
}

void LearnWordCtl::mousePressEvent(QMouseEvent *e)
{
    if (!m_enabled || e->button() != Qt::LeftButton)
        return;
    // the pointer decides, not the position
    if (m_pointer == Pointer::Prev)
        MovePrev();
    else if (m_pointer == Pointer::Next)
        MoveNext();
}

void LearnWordCtl::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    WordPicCtl1->move((width() - WordPicCtl1->width()) / 2, kCardTop);
    lblWordNum->move(width() - lblWordNum->width() - 12, 8);
    picBorder->lower();
}
