#pragma once
// The one service object through which the program reaches everything the
// operating system gives it: dialogs, shell, cursor, fonts, randomness, time
// and sound. Tests replace it with the fake in tests/support.
#include <QByteArray>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class AudioCapture;
class QWidget;

enum class MsgIcon { None, Critical, Question, Warning, Information };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgResult { OK, Cancel, Yes, No };

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

    // Plays WAV bytes (the output keeps its own copy). wait=true blocks the
    // caller until the sound has played, handling no events, like a
    // synchronous PlaySound. A new play stops the one still sounding.
    // Returns false when nothing could be played (empty or undecodable data).
    virtual bool PlayWav(const QByteArray &wav, bool wait) = 0;
    virtual void StopSound() = 0;

    // The microphone (see audiocapture.h); owned by the platform.
    virtual AudioCapture &Capture() = 0;
};

// The current platform; a real one is installed by main(), a fake by tests.
Platform &plat();
// Installs p (not owned) and returns the previous one.
Platform *SetPlatform(Platform *p);

// CreateRoundRectRgn(0, 0, w, h, ew, eh): ew and eh are ellipse sizes, so the
// corner radius is half of each.
QRegion RoundRectRegion(int w, int h, int ew, int eh);

// Waits ms milliseconds while letting events through, through the platform's
// Sleep/DoEvents so a test pacer makes it instant. Stops early when
// keepWaiting (if given) returns false.
void WaitLettingEventsThrough(int ms, const std::function<bool()> &keepWaiting = {});

// Length of a PCM WAV's data chunk in milliseconds; -1 when the bytes are not
// a WAV with a format and a data chunk.
qint64 WavDurationMs(const QByteArray &wav);
