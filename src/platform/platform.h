// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one service object through which the program reaches everything the
// operating system gives it: dialogs, shell, cursor, fonts, randomness, time
// and sound. Tests replace it with the fake in tests/support.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class AudioCapture;

enum class MsgIcon {
    None,
    Critical,
    Question,
    Warning,
    Information
};
enum class MsgButtons {
    OK,
    OKCancel,
    YesNo,
    YesNoCancel
};
enum class MsgResult {
    OK,
    Cancel,
    Yes,
    No
};

class Platform {
public:
    virtual ~Platform() = default;

    // Message box with the program's fixed Chinese button texts.
    virtual MsgResult MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                             const QString &caption) = 0;
    // Returns "" on Cancel.
    virtual QString InputBox(const QString &prompt, const QString &title,
                             const QString &defaultText = QString()) = 0;
    // Return "" when the user cancels.
    virtual QString OpenFileDialog(const QString &title, const QString &filter,
                                   const QString &startDir = QString()) = 0;
    virtual QString SaveFileDialog(const QString &title, const QString &filter,
                                   const QString &startDir = QString(),
                                   const QString &defaultName = QString()) = 0;
    virtual void SetClipboardText(const QString &text) = 0;
    virtual QString ClipboardText() = 0;
    // Files and folders open as local URLs, web addresses as URLs. False when
    // nothing on this machine could open it (no browser, no file manager).
    virtual bool ShellOpen(const QString &target) = 0;
    virtual void SetHandCursor() = 0;
    virtual QStringList FontFamilies() = 0;
    // Registers a font file for this run; returns the families it brought, empty on failure.
    virtual QStringList RegisterFont(const QString &path) = 0;

    // One generator for the run: [0, 1).
    virtual double Rnd() = 0;
    // "Reseed from the clock": deliberately does not restart the generator.
    virtual void Randomize() = 0;

    virtual void Sleep(int ms) = 0;
    virtual void DoEvents() = 0;
    virtual qint64 TickMs() = 0;

    // Plays WAV bytes (the output keeps its own copy). wait=true returns to
    // the caller once the sound has been heard, like a synchronous PlaySound,
    // but the window lives on meanwhile (WaitWhileSounding). A new play stops
    // the one still sounding; StopSound also ends its wait.
    // Returns false when nothing could be played (empty or undecodable data).
    virtual bool PlayWav(const QByteArray &wav, bool wait) = 0;
    virtual void StopSound() = 0;

    // Replaces path with bytes through a temporary file and an atomic rename:
    // afterwards the file holds the old bytes or the new ones, never a part.
    // False when nothing was replaced (full disk, read-only folder, a folder
    // in the way).
    virtual bool WriteFileAtomic(const QString &path, const QByteArray &bytes);
    // The pause between two plays of a sound; ends early at StopSound.
    virtual void SoundGap(int ms) { Sleep(ms); }
    // The microphone (see audiocapture.h); owned by the platform.
    virtual AudioCapture &Capture() = 0;
    // Makes a rename inside dir survive a power cut (fsync of the folder).
    // False when the folder cannot be opened or synced.
    virtual bool SyncDirectory(const QString &dir);
};

// The current platform; a real one is installed by main(), a fake by tests.
// Calling it with none installed is a programming error: the program stops.
Platform &plat();
// Installs p (not owned) and returns the previous one.
Platform *SetPlatform(Platform *p);

// Waits ms milliseconds while letting events through, through the platform's
// Sleep/DoEvents so a test pacer makes it instant. Stops early when
// keepWaiting (if given) returns false.
void WaitLettingEventsThrough(int ms, const std::function<bool()> &keepWaiting = {});

// The wait of a blocking sound: returns once sounding() is false. Meanwhile
// the window paints, its timers run and the desktop's pings are answered;
// user input waits until after the sound, where the guards drop it, unless a
// SoundInputOpen is alive. False when the program is quitting: the caller
// then stops the sound and returns.
bool WaitWhileSounding(const std::function<bool()> &sounding);

// While alive, user input reaches the windows during a sound's wait, so the
// window that speaks can let the learner cut the voice short.
class SoundInputOpen {
public:
    SoundInputOpen();
    ~SoundInputOpen();
    SoundInputOpen(const SoundInputOpen &) = delete;
    SoundInputOpen &operator=(const SoundInputOpen &) = delete;
};
bool SoundInputIsOpen();

// Length of a PCM WAV's data chunk in milliseconds; -1 when the bytes are not
// a WAV with a format and a data chunk.
qint64 WavDurationMs(const QByteArray &wav);
