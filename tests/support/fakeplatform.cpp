// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakeplatform.h"
#include <QElapsedTimer>
#include <QCoreApplication>
#include <QSaveFile>

FakePlatform::FakePlatform(quint64 seed) : m_rng(seed) {}

MsgResult FakePlatform::MsgBox(const QString &text, MsgButtons buttons, MsgIcon icon,
                               const QString &caption)
{
    const MsgBoxCall call{text, caption, icon, buttons};
    msgBoxes.append(call);
    events << QStringLiteral("msg ") + caption;
    if (onMsgBox)
        onMsgBox(call);
    if (!msgAnswers.isEmpty())
        return msgAnswers.takeFirst();
    switch (buttons) {
    case MsgButtons::OK: return MsgResult::OK;
    case MsgButtons::OKCancel: return okCancelDefault;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return yesNoDefault;
    }
    return MsgResult::OK;
}

QString FakePlatform::InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    inputBoxes.append({prompt, title, defaultText});
    events << QStringLiteral("input ") + title;
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

QString FakePlatform::OpenFileDialog(const QString &title, const QString &filter, const QString &startDir)
{
    openDialogs.append({title, filter, startDir, QString()});
    events << QStringLiteral("open ") + title;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString FakePlatform::SaveFileDialog(const QString &title, const QString &filter, const QString &startDir,
                                     const QString &defaultName)
{
    saveDialogs.append({title, filter, startDir, defaultName});
    events << QStringLiteral("save ") + title;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

void FakePlatform::SetClipboardText(const QString &text)
{
    clipboard = text;
}

QString FakePlatform::ClipboardText()
{
    return clipboard;
}

bool FakePlatform::ShellOpen(const QString &target)
{
    shellOpened << target;
    events << QStringLiteral("shell ") + target;
    return shellOpens;
}

void FakePlatform::SetHandCursor()
{
    ++handCursorCount;
}

QStringList FakePlatform::FontFamilies()
{
    return fontFamilies;
}

QStringList FakePlatform::RegisterFont(const QString &path)
{
    registeredFonts << path;
    for (const QString &f : registerFontFamilies)
        if (!fontFamilies.contains(f))
            fontFamilies << f;
    return registerFontFamilies;
}

double FakePlatform::Rnd()
{
    if (!rndScript.isEmpty())
        return rndScript.takeFirst();
    return double(m_rng() >> 11) * 0x1.0p-53;
}

void FakePlatform::Randomize()
{
    ++randomizeCount;
}

void FakePlatform::Sleep(int ms)
{
    sleeps << ms;
    events << QStringLiteral("sleep %1").arg(ms);
    if (ms > 0)
        clockMs += ms;
    if (doEventsOnSleep)
        DoEvents();
}

void FakePlatform::DoEvents()
{
    ++doEventsCount;
    if (onDoEvents)
        onDoEvents();
    if (processEvents && QCoreApplication::instance())
        QCoreApplication::processEvents();
}

qint64 FakePlatform::TickMs()
{
    return clockMs;
}

bool FakePlatform::PlayWav(const QByteArray &wav, bool wait)
{
    const qint64 duration = WavDurationMs(wav);
    if (wav.isEmpty() || duration < 0) {
        ++rejectedPlays; // like the real output: nothing decodable, nothing played
        return false;
    }
    plays.append({wav.size(), wait, duration, clockMs, wav});
    events << QStringLiteral("play %1 %2").arg(wav.size()).arg(wait ? QStringLiteral("wait") : QStringLiteral("async"));
    if (onPlay)
        onPlay(plays.constLast());
    if (wait) {
        clockMs += duration;
        if (liveSoundMs > 0) {
            const int stops = stopCount;
            QElapsedTimer t;
            t.start();
            WaitWhileSounding([&] { return stopCount == stops && t.elapsed() < liveSoundMs; });
        }
    }
    return true;
}

void FakePlatform::StopSound()
{
    ++stopCount;
    events << QStringLiteral("stop");
}

bool FakePlatform::WriteFileAtomic(const QString &path, const QByteArray &bytes)
{
    fileWrites << path;
    if (onFileWrite)
        onFileWrite(path);
    if (diskFreeBytes < 0 || bytes.size() <= diskFreeBytes)
        return Platform::WriteFileAtomic(path, bytes);
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(bytes.left(diskFreeBytes));
        f.cancelWriting();
    }
    return false;
}

int FakePlatform::totalSleepMs() const
{
    int total = 0;
    for (int s : sleeps)
        total += s;
    return total;
}

QStringList FakePlatform::msgCaptions() const
{
    QStringList out;
    for (const MsgBoxCall &m : msgBoxes)
        out << m.caption;
    return out;
}

bool FakeCapture::Start(QString *why)
{
    ++starts;
    if (!available) {
        if (why)
            *why = QStringLiteral("no microphone (fake)");
        return false;
    }
    m_on = true;
    taken = 0;
    return true;
}

QVector<qint16> FakeCapture::Take()
{
    if (!m_on)
        return {};
    QVector<qint16> out = source.mid(taken, chunk);
    taken += out.size();
    out.resize(chunk); // then the quiet of a room
    return out;
}

void FakeCapture::Stop()
{
    if (m_on)
        ++stops;
    m_on = false;
}

bool FakePlatform::SyncDirectory(const QString &dir)
{
    syncedDirs << dir;
    return true;
}
