// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QByteArray>

// The SDL2 sound output behind the real platform. SDL starts on the first
// play and is shut down when the application object goes (or at exit).

// Decodes WAV bytes and plays them, stopping any sound still playing. With
// wait, returns once the last sample has been heard; meanwhile the window
// lives on (see WaitWhileSounding). False, with nothing played, for empty or
// undecodable bytes or no output at all.
bool SdlAudioPlay(const QByteArray &wav, bool wait);
void SdlAudioStop();
// Closes the device and SDL's audio; safe to call more than once.
void SdlAudioShutdown();
// The driver in use ("pulseaudio", "dummy", ...), "" before the first play.
const char *SdlAudioDriverName();

// The device is opened at the format of the sound it plays, so nothing is
// resampled, and closed again after a moment of silence, so nothing wakes
// while the program is idle.
struct SdlAudioFormat {
    int freq = 0;
    int channels = 0;
    int bits = 0;
};
bool SdlAudioDeviceOpen();
// The format of the open device; zeros when it is closed.
SdlAudioFormat SdlAudioDeviceFormat();
// Silence after which the device is closed.
constexpr int kSdlAudioRestMs = 1000;
