// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "platform.h"
#include "sdlcapture.h"
#include <QColor>
#include <QElapsedTimer>
#include <QUrl>
#include <random>

// How the platform's own dialogs look. The program hands its look over at
// start-up: the platform sits below the widgets and cannot ask for it. Until
// then the dialogs wear the desktop's style and its highlight colour.
struct DialogLook {
    QString styleSheet; // for every dialog box
    QColor notice;      // badge of information and questions
    QColor warning;     // badge of warnings and errors
};

// The real platform: Qt dialogs and desktop services, SDL2 for sound.
class QtPlatform : public Platform {
public:
    QtPlatform();

    MsgResult MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                     const QString &caption) override;
    QString InputBox(const QString &prompt, const QString &title,
                     const QString &defaultText = QString()) override;
    QString OpenFileDialog(const QString &title, const QString &filter,
                           const QString &startDir = QString()) override;
    QString SaveFileDialog(const QString &title, const QString &filter,
                           const QString &startDir = QString(),
                           const QString &defaultName = QString()) override;
    void SetClipboardText(const QString &text) override;
    QString ClipboardText() override;
    bool ShellOpen(const QString &target) override;
    void SetHandCursor() override;
    QStringList FontFamilies() override;
    QStringList RegisterFont(const QString &path) override;

    double Rnd() override;
    void Randomize() override;

    void Sleep(int ms) override;
    void DoEvents() override;
    qint64 TickMs() override;

    bool PlayWav(const QByteArray &wav, bool wait) override;
    void StopSound() override;
    void SoundGap(int ms) override;
    AudioCapture &Capture() override { return m_capture; }

    void SetDialogLook(const DialogLook &look) { m_look = look; }

private:
    DialogLook m_look;
    quint64 m_stops = 0;
    SdlCapture m_capture;
    std::mt19937_64 m_rng;
    QElapsedTimer m_clock;
};

// "Desc|*.a|Desc|*.b" pairs become "Desc (*.a);;Desc (*.b)"; a Qt filter passes through.
QString ToQtFileFilter(const QString &filter);
// The first extension a filter names ("txt" for "文本文件 (*.txt)|*.txt"), "" for none.
QString DefaultSuffixOf(const QString &filter);
// What ShellOpen hands to the desktop: a local file URL for paths (backslashes
// accepted), the URL itself for anything with a scheme.
QUrl ShellTargetUrl(const QString &target);
