// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fixture.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cmath>

namespace {

QString *PathVars[] = {&gAppDir, &gDataDir, &gUserDir, &gDictFile, &gWordBankFile, &gUserNameFile, &gUserBookFile,
                       &gUserStatusFile[0], &gUserStatusFile[1], &gUserStatusFile[2]};

void Put16(QByteArray &b, quint16 v)
{
    uchar d[2];
    qToLittleEndian(v, d);
    b.append(reinterpret_cast<const char *>(d), 2);
}

void Put32(QByteArray &b, quint32 v)
{
    uchar d[4];
    qToLittleEndian(v, d);
    b.append(reinterpret_cast<const char *>(d), 4);
}

} // namespace

TempAppDir::TempAppDir()
{
    static_assert(sizeof(PathVars) / sizeof(PathVars[0]) <= sizeof(m_saved) / sizeof(m_saved[0]));
    for (size_t i = 0; i < sizeof(PathVars) / sizeof(PathVars[0]); ++i)
        m_saved[i] = *PathVars[i];
    m_savedUK = gUKWords;
    m_savedUS = gUSWords;
    gUKWords.clear();
    gUSWords.clear();

    m_ok = m_dir.isValid();
    QDir root(m_dir.path());
    for (const char *sub : {"dat", "usrdat", "tmp", "voice", "sentence-voice", "sentence-in-unit",
                            "appvoice", "pics", "myvoice", "font", "BookCover"})
        m_ok = root.mkpath(QString::fromLatin1(sub)) && m_ok;
    InitAppPathsFor(m_dir.path());
}

TempAppDir::~TempAppDir()
{
    for (size_t i = 0; i < sizeof(PathVars) / sizeof(PathVars[0]); ++i)
        *PathVars[i] = m_saved[i];
    gUKWords = m_savedUK;
    gUSWords = m_savedUS;
}

QString TempAppDir::file(const QString &relative) const
{
    return m_dir.path() + QLatin1Char('/') + relative;
}

QStringList TempAppDir::filesIn(const QString &relative) const
{
    return QDir(file(relative)).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool TempAppDir::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    return WriteFileBytes(file(relative), bytes);
}

bool TempAppDir::writeText(const QString &relative, const QString &text) const
{
    return WriteFileBytes(file(relative), text.toUtf8());
}

bool TempAppDir::writeEnvelopedText(const QString &relative, const QString &text) const
{
    return WriteEnvelopedFile(file(relative), text.toUtf8());
}

bool TempAppDir::writeEnvelopedBytes(const QString &relative, const QByteArray &bytes) const
{
    return WriteEnvelopedFile(file(relative), bytes);
}

bool WriteFileBytes(const QString &path, const QByteArray &bytes)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

bool WriteEnvelopedFile(const QString &path, const QByteArray &clear)
{
    return WriteFileBytes(path, EnvelopeBytes(clear));
}

QByteArray MakeSineWav(int durationMs, int sampleRate, int channels, double toneHz)
{
    const quint32 frames = quint32(qint64(sampleRate) * durationMs / 1000);
    const quint16 blockAlign = quint16(channels * 2);
    const quint32 dataSize = frames * blockAlign;
    QByteArray b;
    b.reserve(int(44 + dataSize));
    b.append("RIFF");
    Put32(b, 36 + dataSize);
    b.append("WAVE");
    b.append("fmt ");
    Put32(b, 16);
    Put16(b, 1); // PCM
    Put16(b, quint16(channels));
    Put32(b, quint32(sampleRate));
    Put32(b, quint32(sampleRate) * blockAlign);
    Put16(b, blockAlign);
    Put16(b, 16);
    b.append("data");
    Put32(b, dataSize);
    for (quint32 i = 0; i < frames; ++i) {
        const auto v = qint16(std::lround(8000.0 * std::sin(2 * M_PI * toneHz * i / sampleRate)));
        for (int c = 0; c < channels; ++c)
            Put16(b, quint16(v));
    }
    return b;
}

QByteArray SoundFixture(const QString &name)
{
    QFile f(qEnvironmentVariable("TALLIVO_SOURCE_DIR") + QStringLiteral("/tests/support/sounds/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
