// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A platform for tests: records what the program asks of the system and
// answers from scripts, with a virtual clock so waits take no time.
#include "platform/audiocapture.h"
#include "platform/platform.h"
#include <QList>
#include <QQueue>

#include <functional>
#include <random>

struct MsgBoxCall {
    QString text;
    QString caption;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
};

struct InputBoxCall {
    QString prompt;
    QString title;
    QString defaultText;
};

struct FileDialogCall {
    QString title;
    QString filter;
    QString startDir;
    QString defaultName;
};

struct PlayCall {
    qsizetype bytes = 0;
    bool wait = false;
    qint64 durationMs = -1; // from the WAV header; -1 when not a WAV
    qint64 atMs = 0;        // virtual clock when the play started
    QByteArray wav;
};

// A microphone that "hears" the samples it is given, a piece per Take(),
// then silence: tests feed it recordings and WAV files.
class FakeCapture : public AudioCapture {
public:
    bool available = true;  // false: Start fails as with no microphone
    QVector<qint16> source; // what the microphone hears, from the start
    int chunk = 800;        // samples per Take (50 ms)
    int starts = 0;
    int stops = 0;
    qsizetype taken = 0; // samples handed out since the last start

    bool Start(QString *why = nullptr) override;
    QVector<qint16> Take() override;
    void Stop() override;
    bool IsRecording() const override { return m_on; }

private:
    bool m_on = false;
};

class FakePlatform : public Platform {
public:
    explicit FakePlatform(quint64 seed = 20240601);

    // --- message boxes: answered from msgAnswers, else the defaults below
    QList<MsgBoxCall> msgBoxes;
    QQueue<MsgResult> msgAnswers;
    MsgResult yesNoDefault = MsgResult::Yes;   // YesNo and YesNoCancel boxes
    MsgResult okCancelDefault = MsgResult::OK; // OKCancel boxes
    // Called for each box before it is answered (e.g. to act while it is "open").
    std::function<void(const MsgBoxCall &)> onMsgBox;

    // --- input box and file dialogs: answered from queues, "" (Cancel) when empty
    QList<InputBoxCall> inputBoxes;
    QQueue<QString> inputAnswers;
    QList<FileDialogCall> openDialogs;
    QQueue<QString> openAnswers;
    QList<FileDialogCall> saveDialogs;
    QQueue<QString> saveAnswers;

    // --- desktop
    QString clipboard;
    QStringList shellOpened;
    // What ShellOpen answers: false plays a machine with no browser.
    bool shellOpens = true;
    int handCursorCount = 0;
    QStringList fontFamilies{QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Micro Hei")};
    QStringList registeredFonts;
    // Families a registered font brings; they are added to fontFamilies. Empty
    // means the registration fails.
    QStringList registerFontFamilies;

    // --- randomness: scripted values first, then a seeded generator
    QQueue<double> rndScript;
    int randomizeCount = 0;
    void SetSeed(quint64 seed) { m_rng.seed(seed); }

    // --- pacer: a virtual clock in milliseconds
    qint64 clockMs = 0;
    QList<int> sleeps;
    int doEventsCount = 0;
    bool processEvents = true;    // DoEvents runs Qt's pending events
    bool doEventsOnSleep = false; // each Sleep also lets events through
    std::function<void()> onDoEvents;

    // --- audio
    QList<PlayCall> plays; // every sound that was played
    int rejectedPlays = 0; // empty or undecodable data handed to PlayWav
    int stopCount = 0;
    // Called for each sound as it starts (e.g. to act while a waiting play "sounds").
    std::function<void(const PlayCall &)> onPlay;

    // --- files: every atomic write goes to the real disk unless a fault is set
    QStringList fileWrites; // paths, in order
    // A write larger than this fails the way a full disk does: the temporary
    // file takes what fits, then the write is abandoned. < 0: no limit.
    qint64 diskFreeBytes = -1;
    // Called with each path before it is written (e.g. to signal mid-save).
    std::function<void(const QString &)> onFileWrite;
    // A waiting play lasts this long in real time, inside the program's real
    // sound wait (painting, timers), or until StopSound; 0: at once.
    int liveSoundMs = 0;
    FakeCapture capture;

    // A compact trace of everything above in order: "msg <caption>",
    // "input <title>", "open <title>", "save <title>", "shell <target>",
    // "play <bytes> wait|async", "sleep <ms>", "stop".
    QStringList events;

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
    bool WriteFileAtomic(const QString &path, const QByteArray &bytes) override;
    AudioCapture &Capture() override { return capture; }
    // Records the folder; tests need no power-cut safety.
    bool SyncDirectory(const QString &dir) override;
    QStringList syncedDirs;

    // Virtual time spent in Sleep calls.
    int totalSleepMs() const;
    // Captions of the message boxes shown, in order.
    QStringList msgCaptions() const;

private:
    std::mt19937_64 m_rng;
};

// Installs a platform for the lifetime of the guard and then puts the
// previous one back.
class PlatformGuard {
public:
    explicit PlatformGuard(Platform &p) : m_prev(SetPlatform(&p)) {}
    ~PlatformGuard() { SetPlatform(m_prev); }
    PlatformGuard(const PlatformGuard &) = delete;
    PlatformGuard &operator=(const PlatformGuard &) = delete;

private:
    Platform *m_prev;
};

// The usual case: a fresh fake, installed.
struct ScopedFakePlatform {
    FakePlatform fake;
    PlatformGuard guard{fake};
    FakePlatform *operator->() { return &fake; }
};
