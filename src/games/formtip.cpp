// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formtip.h"
#include "platform/platform.h"
#include "widgets/look.h"
#include "widgets/newwordpicctl.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include "widgets/widgetutil.h"
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

FormTip::FormTip(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("提示信息"));
    // rounded, so without a frame; Esc and closing still come through reject()
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, false);
    Look::StyleWindow(this);
    setFixedSize(460, 420);

    NewWordPicCtl1 = new NewWordPicCtl(this);
    NewWordPicCtl1->setObjectName(QStringLiteral("NewWordPicCtl1"));
    NewWordPicCtl1->setGeometry(30, 24, 400, 250);

    lblEnglish = new QLabel(this);
    lblEnglish->setTextFormat(Qt::PlainText);
    lblEnglish->setObjectName(QStringLiteral("lblEnglish"));
    lblEnglish->setFont(EnglishFont(44, true));
    lblEnglish->setStyleSheet(Look::ColourStyle(Look::kText));
    lblEnglish->setAlignment(Qt::AlignCenter);
    lblEnglish->setGeometry(20, 284, 420, 64);

    cmdOK = Look::MakeButton(QStringLiteral("OK"), this, Look::ButtonKind::Main);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(170, 356, 120, 44);
    cmdOK->setEnabled(false);
    connect(cmdOK, &QPushButton::clicked, this, &FormTip::cmdOK_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &FormTip::Timer1_Timer);
}

void FormTip::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_started)
        return;
    m_started = true;
    m_locked = true;
    cmdOK->setEnabled(false);
    if (m_word) {
        const bool chinese = gUser ? gUser->bChinese : true;
        const int chType = gUser ? gUser->iCHType : 0;
        NewWordPicCtl1->SetPicWord(m_word, false, chinese, chType);
        lblEnglish->setText(m_word->UserEN);
    }
}

void FormTip::Present()
{
    if (!isVisible())
        return;
    QPointer<FormTip> self(this);
    if (m_word)
        m_word->ReadMe(1, false);
    if (!self || !isVisible())
        return;
    Timer1->start(kLockMs);
}

void FormTip::Timer1_Timer()
{
    Timer1->stop();
    m_locked = false;
    cmdOK->setEnabled(true);
    cmdOK->setFocus();
}

void FormTip::cmdOK_Click()
{
    if (m_locked)
        return;
    accept();
}

void FormTip::reject()
{
    if (m_locked)
        return;
    QDialog::reject();
}

void FormTip::closeEvent(QCloseEvent *e)
{
    if (m_locked) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

void FormTip::paintEvent(QPaintEvent *)
{
    {
        QPainter p(this);
        Look::PaintRoundPanel(p, rect(), width() / 40.0, Look::kPanel, Look::kPanelEdge);
    }
    // the word is heard once the window has been seen
    if (m_started && !m_presented) {
        m_presented = true;
        QMetaObject::invokeMethod(this, &FormTip::Present, Qt::QueuedConnection);
    }
}

void FormTip::resizeEvent(QResizeEvent *e)
{
    QDialog::resizeEvent(e);
    const int r = width() / 20;
    setMask(RoundRectRegion(width(), height(), r, r));
}
