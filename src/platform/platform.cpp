#include "platform.h"
#include "qtplatform.h"
#include <QFile>
#include <QtEndian>
#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <cmath>

namespace {
Platform *gInstalled = nullptr;
// Made on first use and deliberately never destroyed: nothing runs in a
// static destructor at exit.
Platform *gReal = nullptr;
}

Platform &plat()
{
    if (gInstalled)
        return *gInstalled;
    if (!gReal)
        gReal = new QtPlatform;
    return *gReal;
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

QRegion RoundRectRegion(int w, int h, int ew, int eh)
{
    if (w <= 0 || h <= 0)
        return QRegion();
    const double rx = std::min(std::max(ew, 0), w) / 2.0;
    const double ry = std::min(std::max(eh, 0), h) / 2.0;
    if (rx <= 0 || ry <= 0)
        return QRegion(0, 0, w, h);
    // One rectangle per pixel row, cut by the corner ellipse at the row's centre.
    QList<QRect> rows;
    rows.reserve(h);
    for (int y = 0; y < h; ++y) {
        const double yc = y + 0.5;
        double dy = 0;
        if (yc < ry)
            dy = ry - yc;
        else if (yc > h - ry)
            dy = yc - (h - ry);
        int inset = 0;
        if (dy > 0) {
            const double t = std::min(dy / ry, 1.0);
            inset = int(std::lround(rx - rx * std::sqrt(1.0 - t * t)));
        }
        if (w - 2 * inset > 0)
            rows.append(QRect(inset, y, w - 2 * inset, 1));
    }
    QRegion region;
    region.setRects(rows.constData(), int(rows.size()));
    return region;
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
