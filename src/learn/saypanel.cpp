// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "saypanel.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "speech/sayrecorder.h"
#include "speech/speechservice.h"
#include "widgets/look.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

const QString SayPanel::kRight = QStringLiteral("说对了！");
const QString SayPanel::kTryAgain = QStringLiteral("再试一次");
const QString SayPanel::kNotHeard = QStringLiteral("没听到声音，大声再说一次吧");

namespace {

// The level meter: a rounded bar that fills green as the child speaks.
class LevelBar : public QWidget {
public:
    using QWidget::QWidget;
    double level = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        Look::PaintRoundPanel(p, r, height() / 2.0, Look::kSky, Look::kPanelEdge);
        if (level > 0) {
            QRect fill = r.adjusted(2, 2, -2, -2);
            fill.setWidth(qMax(fill.height(), int(fill.width() * level)));
            Look::PaintRoundPanel(p, fill, fill.height() / 2.0, Look::kGreen);
        }
    }
};

QList<SayWord> OtherWordsOfUnit(const CWord *target)
{
    QList<SayWord> others;
    CWord *w = nullptr;
    for (int i = 1; gCurrUnit && gCurrUnit->GetWord(i, w); ++i)
        if (w && w != target)
            others << SayWord{w->English, w->Sound};
    return others;
}

} // namespace

SayPanel::SayPanel(QWidget *parent) : RoundPanel(parent)
{
    setObjectName(QStringLiteral("SayPanel"));
    m_recorder = new SayRecorder(this);
    auto *col = new QVBoxLayout(this);
    col->setContentsMargins(14, 12, 14, 12);
    col->setSpacing(8);
    btnSay = Look::MakeButton(QString(), this, Look::ButtonKind::Main);
    btnSay->setObjectName(QStringLiteral("btnSay"));
    btnMine = Look::MakeButton(QStringLiteral("👂 听我的 (M)"), this);
    btnMine->setObjectName(QStringLiteral("btnMine"));
    for (QPushButton *b : {btnSay, btnMine}) {
        b->setFocusPolicy(Qt::NoFocus); // the window's keys stay the window's
        b->setMinimumHeight(40);
    }
    auto *bar = new LevelBar(this);
    bar->setFixedHeight(14);
    picLevel = bar;
    lblResult = Look::MakeLabel(QString(), this, 18, true);
    lblResult->setAlignment(Qt::AlignCenter);
    lblResult->setWordWrap(true);
    lblStars = new QLabel(this);
    lblStars->setAlignment(Qt::AlignCenter);
    lblStars->setFont(QFont(QStringList{QStringLiteral("Noto Color Emoji"), QStringLiteral("DejaVu Sans")}, 22));
    lblStars->setMinimumHeight(30);
    col->addWidget(btnSay);
    col->addWidget(btnMine);
    col->addWidget(picLevel);
    col->addWidget(lblResult);
    col->addWidget(lblStars);
    col->addStretch();
    SayButtonIdle();
    picLevel->hide();

    connect(btnSay, &QPushButton::clicked, this, &SayPanel::btnSay_Click);
    connect(btnMine, &QPushButton::clicked, this, &SayPanel::btnMine_Click);
    connect(m_recorder, &SayRecorder::LevelChanged, this, [this, bar](double level) {
        // a word picked any other way ends the recording too
        if (WordKey(Word()) != m_recorder->wordKey()) {
            CancelRecording();
            return;
        }
        bar->level = level;
        bar->update();
    });
    connect(m_recorder, &SayRecorder::Finished, this, &SayPanel::Recorded);
}

SayPanel::~SayPanel()
{
    m_recorder->Cancel();
}

QString SayPanel::WordKey(const CWord *w)
{
    return w ? NormalizeWordKey(StripTabsTrim(w->English)) : QString();
}

CWord *SayPanel::Word() const
{
    return word ? word() : gCurrWord;
}

bool SayPanel::Recording() const
{
    return m_recorder->IsRecording();
}

void SayPanel::SayButtonIdle()
{
    btnSay->setText(QStringLiteral("🎤 跟读 (R)"));
}

void SayPanel::ShowText(const QString &text, const QColor &colour, int stars)
{
    lblResult->setText(text);
    lblResult->setStyleSheet(Look::ColourStyle(colour));
    lblStars->setText(stars > 0 ? QString(QStringLiteral("⭐")).repeated(stars) : QString());
}

void SayPanel::btnSay_Click()
{
    if (Recording()) {
        m_recorder->Stop();
        return;
    }
    if (!Word() || (busy && busy()))
        return;
    ++m_generation;
    ShowText(QString(), Look::kText);
    plat().StopSound();
    if (!m_recorder->Start(WordKey(Word())))
        return;
    btnSay->setText(QStringLiteral("⏹ 说完了"));
    ShowText(QStringLiteral("请说：") + Word()->UserEN, Look::kText);
    picLevel->show();
}

void SayPanel::btnMine_Click()
{
    if (Recording() || !Word() || (busy && busy()))
        return;
    const QString key = WordKey(Word());
    // The model first, then the child: only when there is something to compare.
    if (QFileInfo::exists(SayRecorder::RecordingPath(key)))
        Word()->ReadMe(1, false);
    GetPlaySound()->PlayMyRecord(key);
}

void SayPanel::CancelRecording()
{
    ++m_generation;
    m_recorder->Cancel();
    SayButtonIdle();
    picLevel->hide();
    ShowText(QString(), Look::kText);
}

void SayPanel::Recorded(bool saved, bool heardSpeech, const QVector<qint16> &pcm)
{
    SayButtonIdle();
    picLevel->hide();
    if (!heardSpeech) {
        ShowText(kNotHeard, Look::kOrange);
        return;
    }
    if (!saved)
        qWarning("recording: could not save %s", qPrintable(SayRecorder::RecordingPath(m_recorder->wordKey())));
    if (!SpeechService::Available() || !Word()) {
        ShowText(QStringLiteral("录好了！点“听我的”听一听"), Look::kGreen);
        return;
    }
    ShowText(QStringLiteral("听一听……"), Look::kText);
    const QString key = m_recorder->wordKey();
    const int generation = m_generation;
    QPointer<SayPanel> self(this);
    GetSpeechService()->Check(pcm, SayWord{Word()->English, Word()->Sound}, OtherWordsOfUnit(Word()), this,
                              [self, key, generation](const SayResult &r) {
                                  if (self && self->m_generation == generation && WordKey(self->Word()) == key)
                                      self->Answer(r);
                              });
}

void SayPanel::Answer(const SayResult &r)
{
    if (!r.checked) {
        ShowText(QStringLiteral("录好了！点“听我的”听一听"), Look::kGreen);
        return;
    }
    if (r.stars > 0) {
        ShowText(kRight, Look::kGreen, r.stars);
        return;
    }
    ShowText(kTryAgain, Look::kOrange);
    if (Word() && !(busy && busy()))
        Word()->ReadMe(1, true);
}
