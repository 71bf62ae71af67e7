// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>
#include <QString>
#include <QVector>

// Speech is handled as 16 kHz mono 16-bit PCM throughout: what the capture
// device records, what is saved to myvoice/ and what the recogniser reads.
constexpr int kSpeechRate = 16000;
using Pcm16 = QVector<qint16>;

// A canonical 44-byte-header PCM WAV of the samples (mono, 16-bit).
QByteArray WavFromPcm16(const Pcm16 &samples, int rate = kSpeechRate);

// Reads a PCM 8- or 16-bit WAV of any channel count and rate into 16 kHz mono
// samples (channels averaged, rate converted linearly). False for anything
// else, with out left empty.
bool Pcm16FromWav(const QByteArray &wav, Pcm16 &out);

// Writes the samples as a WAV through a temporary file and an atomic rename:
// the old file stays whole until the new one is complete. Makes the folder
// when missing.
bool SaveWavAtomically(const QString &path, const Pcm16 &samples);
