// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "platform/audiocapture.h"
#include "platform/platform.h"
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>
#include <random>

// A platform with no screen: message boxes become lines on the error
// stream and every question is answered "no".
class ConsolePlatform : public Platform {
public:
    explicit ConsolePlatform(QTextStream &err) : m_err(err) { m_clock.start(); }

    MsgResult MsgBox(const QString &text, MsgButtons buttons, MsgIcon, const QString &caption) override
    {
        m_err << "message: [" << caption << "] " << text << Qt::endl;
        switch (buttons) {
        case MsgButtons::OK: return MsgResult::OK;
        case MsgButtons::OKCancel: return MsgResult::Cancel;
        default: return MsgResult::No;
        }
    }
    QString InputBox(const QString &, const QString &, const QString &) override { return {}; }
    QString OpenFileDialog(const QString &, const QString &, const QString &) override { return {}; }
    QString SaveFileDialog(const QString &, const QString &, const QString &, const QString &) override { return {}; }
    void SetClipboardText(const QString &text) override { m_clip = text; }
    QString ClipboardText() override { return m_clip; }
    bool ShellOpen(const QString &) override { return false; }
    void SetHandCursor() override {}
    QStringList FontFamilies() override { return {}; }
    QStringList RegisterFont(const QString &) override { return {}; }
    double Rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_rng); }
    void Randomize() override {}
    void Sleep(int ms) override { QThread::msleep(ulong(qMax(ms, 0))); }
    void DoEvents() override {}
    qint64 TickMs() override { return m_clock.elapsed(); }
    bool PlayWav(const QByteArray &, bool) override { return false; }
    void StopSound() override {}
    AudioCapture &Capture() override { return m_noCapture; }

private:
    QTextStream &m_err;
    QString m_clip;
    QElapsedTimer m_clock;
    NoAudioCapture m_noCapture;
    std::mt19937_64 m_rng{std::random_device{}()};
};
