#include "sdlaudio.h"
#include "quitsignals.h"
#include <QCoreApplication>
#include <SDL.h>
#include <cstdlib>
#include <cstring>

namespace {

// Plain data only: nothing here has a destructor that could run at exit.
struct AudioState {
    bool started = false;  // SDL audio initialised and a device opened
    bool failed = false;   // not even the dummy driver opened: stay silent
    bool cleanupHooked = false;
    SDL_AudioDeviceID dev = 0;
    SDL_AudioSpec have{};
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

bool OpenDevice()
{
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    // small: a waiting play ends one buffer after its last sample
    want.samples = 1024;
    want.callback = nullptr; // queued audio
    g.dev = SDL_OpenAudioDevice(nullptr, 0, &want, &g.have,
                                SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
    return g.dev != 0;
}

bool Start()
{
    if (g.started)
        return true;
    if (g.failed)
        return false;
    HookCleanup();
    // termination signals are the program's own (they save the profile)
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && OpenDevice()) {
        g.started = true;
        return true;
    }
    // No sound device (a headless machine): SDL's dummy driver keeps the
    // timing of waiting plays.
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && OpenDevice()) {
        g.started = true;
        return true;
    }
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g.failed = true;
    return false;
}

// Decodes into the device format. False for anything SDL cannot read as a WAV.
bool Decode(const QByteArray &wav, Uint8 *&out, Uint32 &outLen)
{
    out = nullptr;
    outLen = 0;
    SDL_RWops *rw = SDL_RWFromConstMem(wav.constData(), int(wav.size()));
    if (!rw)
        return false;
    SDL_AudioSpec spec{};
    Uint8 *buf = nullptr;
    Uint32 len = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &spec, &buf, &len))
        return false;
    SDL_AudioCVT cvt;
    const int built = SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq,
                                        g.have.format, g.have.channels, g.have.freq);
    if (built < 0) {
        SDL_FreeWAV(buf);
        return false;
    }
    // keep whole frames only: a ragged end would upset the conversion
    const Uint32 frame = Uint32(SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels);
    if (frame)
        len -= len % frame;
    if (len == 0) {
        SDL_FreeWAV(buf);
        return false;
    }
    cvt.len = int(len);
    cvt.buf = static_cast<Uint8 *>(SDL_malloc(size_t(len) * size_t(cvt.len_mult)));
    if (!cvt.buf) {
        SDL_FreeWAV(buf);
        return false;
    }
    std::memcpy(cvt.buf, buf, len);
    SDL_FreeWAV(buf);
    if (built > 0 && SDL_ConvertAudio(&cvt) != 0) {
        SDL_free(cvt.buf);
        return false;
    }
    out = cvt.buf;
    outLen = built > 0 ? Uint32(cvt.len_cvt) : len;
    return outLen > 0;
}

Uint32 BytesPerSecond()
{
    return Uint32(g.have.freq) * g.have.channels * (SDL_AUDIO_BITSIZE(g.have.format) / 8);
}

} // namespace

bool SdlAudioPlay(const QByteArray &wav, bool wait)
{
    // a new play stops the one still sounding, also when it brings nothing to play
    SdlAudioStop();
    if (wav.isEmpty() || wav.size() > 0x7fffffff)
        return false;
    if (!Start())
        return false;
    Uint8 *pcm = nullptr;
    Uint32 len = 0;
    if (!Decode(wav, pcm, len))
        return false;
    const int queued = SDL_QueueAudio(g.dev, pcm, len);
    SDL_free(pcm);
    if (queued != 0)
        return false;
    SDL_PauseAudioDevice(g.dev, 0);
    if (!wait)
        return true;

    const Uint32 bps = BytesPerSecond();
    const Uint32 soundMs = bps ? Uint32(quint64(len) * 1000 / bps) : 0;
    const Uint32 bufferMs = g.have.freq ? Uint32(quint64(g.have.samples) * 1000 / Uint32(g.have.freq)) : 0;
    // a device that stops pulling must not freeze the program
    const Uint64 deadline = SDL_GetTicks64() + soundMs + bufferMs + 2000;
    // a termination signal cuts the wait short: the program must end soon
    while (SDL_GetQueuedAudioSize(g.dev) > 0 && SDL_GetTicks64() < deadline && !QuitSignals::Pending())
        SDL_Delay(2);
    // the last buffer handed to the device still has to sound
    SDL_Delay(bufferMs);
    return true;
}

void SdlAudioStop()
{
    if (g.started)
        SDL_ClearQueuedAudio(g.dev);
}

void SdlAudioShutdown()
{
    if (g.started) {
        SDL_CloseAudioDevice(g.dev);
        g.dev = 0;
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
            SDL_Quit();
    }
    g.started = false;
    g.failed = false;
    g.cleanupHooked = false;
}

const char *SdlAudioDriverName()
{
    if (!g.started)
        return "";
    const char *name = SDL_GetCurrentAudioDriver();
    return name ? name : "";
}
