// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "uc_moxie.h"
#include "games/dictationjudge.h"
#include "games/gamemarks.h"
#include "games/lettergame.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include "sound/classplaysound.h"
#include "widgets/ctranspicturebox.h"
#include "widgets/look.h"
#include "widgets/newwordpicctl.h"
#include "wordbank/classunit.h"
#include "wordbank/globals.h"
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

UC_MOXIE::UC_MOXIE(QWidget *parent) : GameControl(parent)
{
    resize(1000, 640);

    NewWordPicCtl1 = new NewWordPicCtl(this);
    NewWordPicCtl1->setObjectName(QStringLiteral("NewWordPicCtl1"));
    NewWordPicCtl1->setGeometry(296, 32, 400, 250);

    txtWord = new QLineEdit(this);
    txtWord->setObjectName(QStringLiteral("txtWord"));
    txtWord->setGeometry(192, 395, 609, 67);
    txtWord->setFont(EnglishFont(40));
    txtWord->setMaxLength(DictationJudge::kMaxLength);
    // plain English keys: no input method composing Chinese into the box
    txtWord->setAttribute(Qt::WA_InputMethodEnabled, false);
    txtWord->setInputMethodHints(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
    txtWord->setStyleSheet(QStringLiteral("QLineEdit { border: 2px solid %1; border-radius: 12px; padding: 0 12px;"
                                          " background: %3; color: %2; }")
                               .arg(Look::kPanelEdge.darker(130).name(), Look::kText.name(), Look::kPanel.name()));
    txtWord->installEventFilter(this);

    btnOK = Look::MakeButton(QStringLiteral("确定"), this, Look::ButtonKind::Main);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(815, 401, 120, 55);
    // Enter belongs to the text box alone: the button is never the dialog's default
    btnOK->setAutoDefault(false);
    btnOK->setDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &UC_MOXIE::btnOK_Click);

    btnAnswer = lettergame::MakeButton(this, "answer", "btnAnswer", QSize(48, 48));
    btnAnswer->move(753, 336);
    btnAnswer->setToolTip(QStringLiteral("看答案"));
    btnAnswer->show();
    connect(btnAnswer, &cTransPictureBox::Click, this, &UC_MOXIE::btnAnswer_Click);
    connect(btnAnswer, &cTransPictureBox::MouseMove, this, [] { SetHandCursor(); });

    lblAnswer = new QLabel(this);
    lblAnswer->setTextFormat(Qt::PlainText);
    lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
    lblAnswer->setFont(EnglishFont(32, true));
    lblAnswer->setStyleSheet(Look::ColourStyle(Look::kRed));
    lblAnswer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblAnswer->setGeometry(192, 336, 550, 48);
    lblAnswer->hide();

    iconRightAnswer = gamemarks::MakeRightMark(this);
    iconWrongAnswer = gamemarks::MakeWrongMark(this);

    lblNum = lettergame::MakeProgressLabel(this);

    timHideIcon = lettergame::MakeTimer(this, "timHideIcon", &UC_MOXIE::timHideIcon_Timer);
}

void UC_MOXIE::StartGame()
{
    BeginGame();
    m_words.Start(gCurrUnit, scoring::Game::Dictation);
    if (m_words.WordNum() == 0)
        return;
    if (ShowNextWord() == Next::NoneLeft)
        Finish();
}

void UC_MOXIE::EndGame()
{
    GameControl::EndGame();
    m_words.End();
    txtWord->setEnabled(false);
}

void UC_MOXIE::HideMarks()
{
    iconRightAnswer->hide();
    iconWrongAnswer->hide();
}

bool UC_MOXIE::GetNextWord()
{
    return ShowNextWord() == Next::Shown;
}

UC_MOXIE::Next UC_MOXIE::ShowNextWord()
{
    iconWrongAnswer->hide();
    if (!m_words.NextWord())
        return Next::NoneLeft;
    // the card flips first: no answer until the box opens
    m_words.SetBusy();
    CWord *word = m_words.Word();
    txtWord->clear();
    txtWord->setProperty("Tag", word->UserEN);
    txtWord->setEnabled(false);
    lblAnswer->hide();
    lblNum->setText(m_words.Progress());
    // the card shows a copy whose meaning does not give the word away
    m_cardWord.CopyWord(*word);
    m_cardWord.DetailCH = DictationJudge::HideWord(word->DetailCH, StripTabsTrim(word->UserEN));
    m_cardWord.Chinese = DictationJudge::HideWord(word->Chinese, StripTabsTrim(word->UserEN));
    const GameGuard guard = Guard();
    NewWordPicCtl1->SetPicWord(&m_cardWord, true, true, 1);
    if (!guard.Alive())
        return Next::Interrupted;
    txtWord->setEnabled(true);
    txtWord->setFocus();
    m_words.Resume();
    emit GotNewWord();
    return Next::Shown;
}

bool UC_MOXIE::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == txtWord && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            // taken here, so neither the box nor the window acts on it again
            if (!k->isAutoRepeat() && DictationJudge::Judge(txtWord->text(), QString()) != DictationJudge::Verdict::Empty)
                btnOK_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void UC_MOXIE::ShowMark(cTransPictureBox *mark, cTransPictureBox *other)
{
    const QRect box = txtWord->geometry();
    mark->move(box.right() + 1 - mark->width(), box.center().y() - mark->height() / 2);
    other->hide();
    mark->show();
    mark->raise();
    repaint();
    timHideIcon->start(kMarkMs);
}

void UC_MOXIE::btnOK_Click()
{
    if (!m_words.Asking() || InputBlocked())
        return;
    CWord *word = m_words.Word();
    const DictationJudge::Verdict v = DictationJudge::Judge(txtWord->text(), word->UserEN);
    if (v == DictationJudge::Verdict::Empty) {
        if (txtWord->isEnabled())
            txtWord->setFocus();
        return;
    }
    if (v == DictationJudge::Verdict::Wrong) {
        ShowMark(iconWrongAnswer, iconRightAnswer);
        m_words.Answer(answers::Answer::Wrong);
        GetPlaySound()->FailedSound();
        txtWord->setFocus();
        return;
    }
    // right: the round is busy until the next word
    m_words.Answer(answers::Answer::Right);
    txtWord->setEnabled(false);
    ShowMark(iconRightAnswer, iconWrongAnswer);
    emit OneWordOK();
    if (!PlayBlocking([word] { word->ReadMe(1, false); }))
        return;
    if (!PlayBlocking([] { GetPlaySound()->SuceessSound(); }))
        return;
    if (ShowNextWord() == Next::NoneLeft)
        Finish();
}

void UC_MOXIE::btnAnswer_Click()
{
    if (!m_words.Asking() || InputBlocked())
        return;
    lblAnswer->setText(m_words.Word()->UserEN);
    lblAnswer->show();
    m_words.Answer(answers::Answer::Helped);
    txtWord->clear();
    txtWord->setFocus();
}

void UC_MOXIE::timHideIcon_Timer()
{
    timHideIcon->stop();
    iconRightAnswer->hide();
    iconWrongAnswer->hide();
}

void UC_MOXIE::Finish()
{
    FinishGame(m_words.Perfect());
}
