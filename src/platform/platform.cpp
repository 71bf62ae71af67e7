// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform.h"
#include <unistd.h>
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <QtEndian>
#include <fcntl.h>
#include <algorithm>

namespace {
Platform *gInstalled = nullptr;
int gSoundInputOpen = 0;
constexpr int kSoundPollMs = 4;
}

Platform &plat()
{
    // A caller before main() installed the real one, or a test that forgot
    // its fake, would otherwise touch the real screen, sound and clock.
    if (!gInstalled)
        qFatal("plat(): no platform installed");
    return *gInstalled;
}

bool Platform::SyncDirectory(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

Platform *SetPlatform(Platform *p)
{
    Platform *prev = gInstalled;
    gInstalled = p;
    return prev;
}

namespace {
bool WriteAllTo(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}
} // namespace

bool Platform::WriteFileAtomic(const QString &path, const QByteArray &bytes)
{
    if (path.trimmed().isEmpty())
        return false;
    const QByteArray target = QFile::encodeName(path);
    // a link, a folder or a device in the user folder is never written through
    struct stat st;
    const bool exists = ::lstat(target.constData(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode))
        return false;
    const QString dir = QFileInfo(path).absolutePath();
    struct stat dst;
    if (::lstat(QFile::encodeName(dir).constData(), &dst) != 0 || !S_ISDIR(dst.st_mode))
        return false;
    // mkostemp opens with O_CREAT | O_EXCL: a name someone placed first is never used
    QByteArray name = target + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    // synced before the rename: a full disk must fail here, not leave an empty file
    bool ok = ::fchmod(fd, exists ? (st.st_mode & 07777) : 0644) == 0;
    ok = ok && WriteAllTo(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    // rename replaces the name itself: whatever stood there is not written through
    ok = ok && ::rename(name.constData(), target.constData()) == 0;
    if (!ok) {
        ::unlink(name.constData());
        return false;
    }
    SyncDirectory(dir);
    return true;
}

void WaitLettingEventsThrough(int ms, const std::function<bool()> &keepWaiting)
{
    Platform &p = plat();
    const qint64 start = p.TickMs();
    for (;;) {
        if (keepWaiting && !keepWaiting())
            return;
        p.DoEvents();
        if (keepWaiting && !keepWaiting())
            return;
        const qint64 left = ms - (p.TickMs() - start);
        if (left <= 0)
            return;
        p.Sleep(int(std::min<qint64>(left, 10)));
    }
}

bool WaitWhileSounding(const std::function<bool()> &sounding)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) {
        while (sounding())
            QThread::msleep(kSoundPollMs);
        return true;
    }
    if (QCoreApplication::closingDown())
        return false;
    if (!sounding())
        return true;
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(kSoundPollMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!sounding())
            loop.exit(1);
    });
    poll.start();
    const QEventLoop::ProcessEventsFlags flags =
        gSoundInputOpen > 0 ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
    // any other way out (QCoreApplication::exit ends every running loop) means quitting
    return loop.exec(flags) == 1;
}

SoundInputOpen::SoundInputOpen()
{
    ++gSoundInputOpen;
}

SoundInputOpen::~SoundInputOpen()
{
    --gSoundInputOpen;
}

bool SoundInputIsOpen()
{
    return gSoundInputOpen > 0;
}

qint64 WavDurationMs(const QByteArray &wav)
{
    const auto *d = reinterpret_cast<const uchar *>(wav.constData());
    const qsizetype n = wav.size();
    if (n < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    qint64 dataSize = -1;
    qsizetype pos = 12;
    while (pos + 8 <= n) {
        const QByteArray id = wav.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(d + pos + 4);
        const qsizetype body = pos + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= n)
            byteRate = qFromLittleEndian<quint32>(d + body + 8);
        else if (id == "data")
            dataSize = std::min<qint64>(size, n - body); // a truncated file plays what it has
        pos = body + qsizetype(size) + (size & 1);
        if (dataSize >= 0 && byteRate)
            break;
    }
    if (byteRate == 0 || dataSize < 0)
        return -1;
    return dataSize * 1000 / byteRate;
}
