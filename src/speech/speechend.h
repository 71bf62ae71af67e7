// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "wavpcm.h"

// Decides when a recording is over: after about 0.8 s of quiet that follows
// speech, or at the cap. Fed in pieces of any size as the device delivers
// them. Loudness is judged per 20 ms frame against the quietest frames seen
// so far, so a steady hum or hiss does not count as speech.
class SpeechEndDetector {
public:
    static constexpr int kFrameSamples = kSpeechRate / 50;
    static constexpr int kSilenceAfterSpeechMs = 800;
    static constexpr int kMaxMs = 4000;
    // Speech needs this many loud frames in a row, so a click does not count.
    static constexpr int kMinSpeechFrames = 4;

    enum class State {
        Waiting,
        Speaking,
        Done
    };

    // Returns the state after these samples.
    State Feed(const qint16 *samples, qsizetype count);
    State Feed(const Pcm16 &samples) { return Feed(samples.constData(), samples.size()); }

    State state() const { return m_state; }
    bool heardSpeech() const { return m_heardSpeech; }
    bool reachedCap() const { return m_reachedCap; }
    qint64 samplesSeen() const { return m_samples; }
    // Loudness of the last full frame, 0 (silence) to 1 (full scale), for a level meter.
    double level() const { return m_level; }

private:
    void FrameDone(double dbfs);

    State m_state = State::Waiting;
    bool m_heardSpeech = false;
    bool m_reachedCap = false;
    qint64 m_samples = 0;
    double m_sumSquares = 0;
    int m_inFrame = 0;
    int m_frames = 0;
    double m_floorDb = 0;
    int m_loudRun = 0;
    int m_quietRun = 0;
    double m_level = 0;
};
