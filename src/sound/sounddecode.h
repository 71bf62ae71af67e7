// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>

// Shipped voices are Ogg Opus; a voice put there by hand may still be a WAV.
// Both end up as the PCM WAV that the sound output and the speech check read.

// WAV bytes ("RIFF") come back unchanged; Ogg Opus ("OggS") comes back as a
// 16-bit PCM WAV at 48 kHz, mono or stereo. Empty for anything else and for a
// damaged, cut or overlong Ogg file: such a file plays nothing.
QByteArray DecodeToWav(const QByteArray &bytes);

// True when the bytes start like an Ogg stream.
bool IsOggBytes(const QByteArray &bytes);
