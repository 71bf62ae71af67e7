// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sdlcapture.h"
#include <SDL.h>

SdlCapture::~SdlCapture()
{
    Stop();
    if (m_sdlStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlCapture::Start(QString *why)
{
    Stop();
    if (!m_sdlStarted) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            if (why)
                *why = QString::fromUtf8(SDL_GetError());
            return false;
        }
        m_sdlStarted = true;
    }
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;      // 32 ms: the level meter moves smoothly
    want.callback = nullptr; // queued: Take() pulls what has arrived
    SDL_AudioSpec have{};
    // SDL converts whatever the device gives into the format asked for.
    const SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (dev == 0) {
        if (why)
            *why = QString::fromUtf8(SDL_GetError());
        return false;
    }
    m_device = dev;
    SDL_PauseAudioDevice(dev, 0);
    return true;
}

QVector<qint16> SdlCapture::Take()
{
    QVector<qint16> out;
    if (!m_device)
        return out;
    const Uint32 bytes = SDL_GetQueuedAudioSize(m_device);
    if (bytes < 2)
        return out;
    out.resize(qsizetype(bytes / 2));
    const Uint32 got = SDL_DequeueAudio(m_device, out.data(), Uint32(out.size()) * 2);
    out.resize(qsizetype(got / 2));
    return out;
}

void SdlCapture::Stop()
{
    if (!m_device)
        return;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
}
