// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "userfiles.h"
#include "textfile.h"
#include "platform/platform.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QHash>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QList<UserFileNotice> s_notices;
QHash<QString, bool> s_noted; // path -> its original bytes are kept
bool s_copiesMade = true;

QByteArray Native(const QString &path)
{
    return QFile::encodeName(path);
}

bool LStat(const QString &path, struct stat &st)
{
    return ::lstat(Native(path).constData(), &st) == 0;
}

QString NoteKey(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Copies of one kind beside path, oldest first (the dated names sort so).
QStringList CopiesOf(const QString &path, const QString &kind)
{
    const QFileInfo fi(path);
    QDir dir(fi.absolutePath());
    const QStringList names = dir.entryList({fi.fileName() + QLatin1Char('.') + kind + QStringLiteral("-*")},
                                            QDir::Files | QDir::Hidden, QDir::Name);
    QStringList out;
    for (const QString &n : names)
        out << dir.filePath(n);
    return out;
}

void PruneCopies(const QString &path, const QString &kind, const QString &keep)
{
    QStringList copies = CopiesOf(path, kind);
    copies.removeAll(keep);
    while (copies.size() >= kUserFileCopiesKept) {
        if (UserFileStateOf(copies.first()) == UserFileState::Regular)
            QFile::remove(copies.first());
        copies.removeFirst();
    }
}

} // namespace

UserFileState UserFileStateOf(const QString &path)
{
    struct stat st;
    if (!LStat(path, st))
        return errno == ENOENT || errno == ENOTDIR ? UserFileState::Missing : UserFileState::NotRegular;
    return S_ISREG(st.st_mode) ? UserFileState::Regular : UserFileState::NotRegular;
}

bool WriteUserFile(const QString &path, const QByteArray &bytes)
{
    // one writer for every user file, so a test's full disk reaches them all
    return plat().WriteFileAtomic(path, bytes);
}

bool WriteUserTextFile(const QString &path, const QString &text)
{
    return WriteUserFile(path, ToCrLf(text).toUtf8());
}

bool ReadUserFile(const QString &path, QByteArray &bytes)
{
    bytes.clear();
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    QFile f;
    ok = ok && f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    if (!ok) {
        ::close(fd);
        return false;
    }
    bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        bytes.clear();
        return false;
    }
    return true;
}

QString UserFileCopyName(const QString &path, const QString &kind, const QDateTime &when)
{
    return path + QLatin1Char('.') + kind + QLatin1Char('-') + when.toString(QStringLiteral("yyyyMMdd-HHmm"));
}

QString CopyUserFileAside(const QString &path, const QString &kind)
{
    QByteArray bytes;
    if (!ReadUserFile(path, bytes))
        return QString();
    for (const QString &copy : CopiesOf(path, kind)) {
        QByteArray old;
        if (ReadUserFile(copy, old) && old == bytes)
            return copy;
    }
    const QString base = UserFileCopyName(path, kind, QDateTime::currentDateTime());
    QString name = base;
    for (int n = 2; UserFileStateOf(name) != UserFileState::Missing; ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    if (!WriteUserFile(name, bytes))
        return QString();
    PruneCopies(path, kind, name);
    return name;
}

bool NoteDamagedUserFile(const QString &path)
{
    const QString key = NoteKey(path);
    if (s_noted.contains(key))
        return s_noted.value(key);
    UserFileNotice n;
    n.path = path;
    n.copy = s_copiesMade ? CopyUserFileAside(path, QStringLiteral("damaged"))
                          : UserFileCopyName(path, QStringLiteral("damaged"), QDateTime::currentDateTime());
    const bool kept = s_copiesMade && !n.copy.isEmpty();
    s_noted.insert(key, kept);
    s_notices << n;
    return kept;
}

void NoteRefusedUserFile(const QString &path)
{
    const QString key = NoteKey(path);
    if (s_noted.contains(key))
        return;
    s_noted.insert(key, false);
    UserFileNotice n;
    n.path = path;
    n.refused = true;
    s_notices << n;
}

QList<UserFileNotice> TakeUserFileNotices()
{
    QList<UserFileNotice> out;
    out.swap(s_notices);
    s_noted.clear();
    return out;
}

void SetUserFileCopiesMade(bool on)
{
    s_copiesMade = on;
}

QStringList StraySavesOf(const QString &path)
{
    const QFileInfo fi(path);
    const QDir dir(fi.absolutePath());
    static const QRegularExpression six(QStringLiteral("^[A-Za-z0-9]{6}$"));
    QStringList out;
    const QString prefix = fi.fileName() + QLatin1Char('.');
    for (const QString &n : dir.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QString p = dir.filePath(n);
        if (six.match(n.mid(prefix.size())).hasMatch() && UserFileStateOf(p) == UserFileState::Regular)
            out << p;
    }
    return out;
}

bool RecoverStraySave(const QString &path, const UserFileCheck &check, bool write)
{
    const QStringList strays = StraySavesOf(path);
    if (strays.isEmpty())
        return false;
    const UserFileState state = UserFileStateOf(path);
    if (state == UserFileState::NotRegular)
        return false; // not ours to replace
    const QDateTime current = state == UserFileState::Regular ? QFileInfo(path).lastModified() : QDateTime();
    QString best;
    QDateTime bestTime;
    for (const QString &s : strays) {
        QByteArray bytes;
        const QDateTime t = QFileInfo(s).lastModified();
        if (!ReadUserFile(s, bytes) || !check(bytes))
            continue;
        if (current.isValid() && t < current)
            continue;
        if (best.isEmpty() || t > bestTime) {
            best = s;
            bestTime = t;
        }
    }
    if (!write)
        return !best.isEmpty();
    bool replaced = false;
    if (!best.isEmpty()) {
        const bool kept = state == UserFileState::Missing || !CopyUserFileAside(path, QStringLiteral("older")).isEmpty();
        replaced = kept && ::rename(Native(best).constData(), Native(path).constData()) == 0;
        if (replaced)
            plat().SyncDirectory(QFileInfo(path).absolutePath());
    }
    // a newer save that could not be put in place yet waits for the next start
    for (const QString &s : strays) {
        if (s != best)
            QFile::remove(s);
    }
    return replaced;
}
