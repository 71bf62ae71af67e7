// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A fresh, empty application folder per test, and small file builders.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TempAppDir {
public:
    // Makes the folder tree of an installation and points the path variables
    // at it; the spelling lists start empty.
    TempAppDir();
    // Puts the previous path variables and spelling lists back.
    ~TempAppDir();
    TempAppDir(const TempAppDir &) = delete;
    TempAppDir &operator=(const TempAppDir &) = delete;

    bool isValid() const { return m_ok; }
    QString path() const { return m_dir.path(); }
    // path() + "/" + relative
    QString file(const QString &relative) const;
    // Names of the files in a sub-folder (e.g. "tmp"), sorted.
    QStringList filesIn(const QString &relative) const;

    // Each writes below path(), making folders as needed; false on failure.
    bool writeBytes(const QString &relative, const QByteArray &bytes) const;
    bool writeText(const QString &relative, const QString &text) const;          // UTF-8, text as given
    bool writeEnvelopedText(const QString &relative, const QString &text) const; // UTF-8, as given
    bool writeEnvelopedBytes(const QString &relative, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_saved[10];
    QStringList m_savedUK, m_savedUS;
};

// Free forms of the writers above, for any absolute path.
bool WriteFileBytes(const QString &path, const QByteArray &bytes);
bool WriteEnvelopedFile(const QString &path, const QByteArray &clear);

// A 16-bit PCM WAV of a sine tone.
QByteArray MakeSineWav(int durationMs, int sampleRate = 22050, int channels = 1, double toneHz = 440.0);

// A recorded sound from tests/support/sounds ("apple.wav" is flite saying
// "apple", "apple.opus" the same encoded as the data build encodes voices).
QByteArray SoundFixture(const QString &name);
