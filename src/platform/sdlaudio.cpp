// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sdlaudio.h"
#include "platform.h"
#include "quitsignals.h"
#include <QCoreApplication>
#include <QTimer>
#include <SDL.h>
#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

// Plain data only: nothing here has a destructor that could run at exit.
// The clip fields are shared with SDL's audio thread: they change only under
// SDL_LockAudioDevice.
struct AudioState {
    bool inited = false; // SDL's audio subsystem is up
    bool failed = false; // not even the dummy driver opened: stay silent
    bool cleanupHooked = false;
    bool restPending = false;
    SDL_AudioDeviceID dev = 0;
    SDL_AudioSpec have{};
    Uint8 *pcm = nullptr; // the clip, as SDL_LoadWAV_RW gave it
    Uint32 len = 0;
    Uint32 pos = 0;
    bool sounding = false; // until the device asks for more after the last sample
    quint64 playId = 0;
    Uint64 deadline = 0;
    Uint64 silentSince = 0;
};
AudioState g;

void CleanupAtExit()
{
    SdlAudioShutdown();
}

void HookCleanup()
{
    if (g.cleanupHooked)
        return;
    g.cleanupHooked = true;
    if (QCoreApplication::instance())
        qAddPostRoutine(CleanupAtExit); // runs while the application object goes away
    else
        std::atexit(CleanupAtExit);
}

void SDLCALL Feed(void *, Uint8 *out, int n)
{
    const Uint32 want = Uint32(n);
    const Uint32 left = g.pcm && g.pos < g.len ? g.len - g.pos : 0;
    const Uint32 take = left < want ? left : want;
    if (take) {
        std::memcpy(out, g.pcm + g.pos, take);
        g.pos += take;
    }
    if (take < want)
        std::memset(out + take, g.have.silence, want - take);
    // asked again after the last sample was handed over: that buffer has sounded
    if (take == 0 && g.sounding) {
        g.sounding = false;
        g.silentSince = SDL_GetTicks64();
    }
}

bool Init()
{
    if (g.inited)
        return true;
    if (g.failed)
        return false;
    HookCleanup();
    // termination signals are the program's own (they save the profile)
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    g.inited = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return g.inited;
}

void FreeClip()
{
    if (g.pcm)
        SDL_FreeWAV(g.pcm);
    g.pcm = nullptr;
    g.len = g.pos = 0;
    g.sounding = false;
}

void CloseDevice()
{
    if (g.dev)
        SDL_CloseAudioDevice(g.dev);
    g.dev = 0;
    g.have = SDL_AudioSpec{};
    FreeClip();
}

bool OpenAt(const SDL_AudioSpec &clip)
{
    SDL_AudioSpec want{};
    want.freq = clip.freq;
    want.format = clip.format;
    want.channels = clip.channels;
    // about 30 ms: a waiting play ends one buffer after its last sample
    want.samples = clip.freq <= 24000 ? 512 : 1024;
    want.callback = Feed;
    g.dev = SDL_OpenAudioDevice(nullptr, 0, &want, &g.have, 0);
    return g.dev != 0;
}

// A device at the clip's own format; the one open is reused when it matches.
bool DeviceFor(const SDL_AudioSpec &clip)
{
    if (g.dev && g.have.freq == clip.freq && g.have.format == clip.format && g.have.channels == clip.channels)
        return true;
    CloseDevice();
    if (Init() && OpenAt(clip))
        return true;
    // No sound device (a headless machine): SDL's dummy driver keeps the
    // timing of waiting plays.
    const char *driver = g.inited ? SDL_GetCurrentAudioDriver() : nullptr;
    if (driver && std::strcmp(driver, "dummy") == 0)
        return false;
    if (g.inited)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g.inited = false;
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    if (Init() && OpenAt(clip))
        return true;
    if (g.inited)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g.inited = false;
    g.failed = true;
    return false;
}

bool Sounding(quint64 id)
{
    if (!g.dev)
        return false;
    SDL_LockAudioDevice(g.dev);
    bool on = g.playId == id && g.sounding;
    SDL_UnlockAudioDevice(g.dev);
    // a device that stops pulling must not hold the program
    if (on && SDL_GetTicks64() > g.deadline) {
        SdlAudioStop();
        on = false;
    }
    return on;
}

void RestWhenSilent();

void ScheduleRest()
{
    if (g.restPending || !QCoreApplication::instance())
        return;
    g.restPending = true;
    QTimer::singleShot(kSdlAudioRestMs, QCoreApplication::instance(), RestWhenSilent);
}

void RestWhenSilent()
{
    g.restPending = false;
    if (!g.dev)
        return;
    SDL_LockAudioDevice(g.dev);
    const bool sounding = g.sounding;
    const Uint64 since = g.silentSince;
    SDL_UnlockAudioDevice(g.dev);
    if (sounding || SDL_GetTicks64() < since + kSdlAudioRestMs) {
        ScheduleRest();
        return;
    }
    // SDL's audio thread runs as long as a device is open, even paused
    CloseDevice();
}

} // namespace

bool SdlAudioPlay(const QByteArray &wav, bool wait)
{
    // a new play stops the one still sounding, also when it brings nothing to play
    SdlAudioStop();
    if (wav.isEmpty() || wav.size() > 0x7fffffff || g.failed)
        return false;
    SDL_RWops *rw = SDL_RWFromConstMem(wav.constData(), int(wav.size()));
    if (!rw)
        return false;
    SDL_AudioSpec spec{};
    Uint8 *buf = nullptr;
    Uint32 len = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &spec, &buf, &len))
        return false;
    // whole frames only
    const Uint32 frame = Uint32(SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels);
    if (frame)
        len -= len % frame;
    if (len == 0 || !DeviceFor(spec)) {
        SDL_FreeWAV(buf);
        return false;
    }
    const Uint32 bps = Uint32(spec.freq) * frame;
    const Uint64 soundMs = bps ? Uint64(len) * 1000 / bps : 0;
    const Uint64 bufferMs = Uint64(g.have.samples) * 1000 / Uint64(g.have.freq);

    SDL_LockAudioDevice(g.dev);
    FreeClip();
    g.pcm = buf;
    g.len = len;
    g.sounding = true;
    const quint64 id = ++g.playId;
    g.deadline = SDL_GetTicks64() + soundMs + 2 * bufferMs + 2000;
    SDL_UnlockAudioDevice(g.dev);
    SDL_PauseAudioDevice(g.dev, 0);
    ScheduleRest();
    // a termination signal cuts the wait short: the program must end soon
    if (wait && !WaitWhileSounding([id] { return Sounding(id) && !QuitSignals::Pending(); }))
        SdlAudioStop(); // the program is quitting
    return true;
}

void SdlAudioStop()
{
    if (!g.dev)
        return;
    SDL_LockAudioDevice(g.dev);
    if (g.sounding)
        g.silentSince = SDL_GetTicks64();
    g.pos = g.len;
    g.sounding = false;
    SDL_UnlockAudioDevice(g.dev);
}

void SdlAudioShutdown()
{
    CloseDevice();
    if (g.inited) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            SDL_Quit();
    }
    g.inited = false;
    g.failed = false;
    g.cleanupHooked = false;
}

const char *SdlAudioDriverName()
{
    if (!g.inited)
        return "";
    const char *name = SDL_GetCurrentAudioDriver();
    return name ? name : "";
}

bool SdlAudioDeviceOpen()
{
    return g.dev != 0;
}

SdlAudioFormat SdlAudioDeviceFormat()
{
    if (!g.dev)
        return {};
    return {g.have.freq, g.have.channels, int(SDL_AUDIO_BITSIZE(g.have.format))};
}
