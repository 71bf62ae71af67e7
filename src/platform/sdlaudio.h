#pragma once
#include <QByteArray>

// The SDL2 sound output behind the real platform. SDL starts on the first
// play and is shut down when the application object goes (or at exit).

// Decodes WAV bytes and plays them, stopping any sound still playing. With
// wait, returns once the sound has been heard, handling no events meanwhile.
// False, with nothing played, for empty or undecodable bytes or no output at all.
bool SdlAudioPlay(const QByteArray &wav, bool wait);
void SdlAudioStop();
// Closes the device and SDL's audio; safe to call more than once.
void SdlAudioShutdown();
// The driver in use ("pulseaudio", "dummy", ...), "" before the first play.
const char *SdlAudioDriverName();
