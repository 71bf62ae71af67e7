// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speechend.h"
#include <cmath>

namespace {
// Anything this quiet is never speech, whatever the room.
constexpr double kAbsoluteFloorDb = -50.0;
// Speech stands this far above the quietest frames.
constexpr double kAboveFloorDb = 12.0;
constexpr int kFramesPerSecond = kSpeechRate / SpeechEndDetector::kFrameSamples;
}

SpeechEndDetector::State SpeechEndDetector::Feed(const qint16 *samples, qsizetype count)
{
    const qint64 cap = qint64(kMaxMs) * kSpeechRate / 1000;
    for (qsizetype i = 0; i < count && m_state != State::Done; ++i) {
        const double s = samples[i] / 32768.0;
        m_sumSquares += s * s;
        ++m_samples;
        if (++m_inFrame == kFrameSamples) {
            const double rms = std::sqrt(m_sumSquares / kFrameSamples);
            m_sumSquares = 0;
            m_inFrame = 0;
            FrameDone(rms > 0 ? 20.0 * std::log10(rms) : -120.0);
        }
        if (m_state != State::Done && m_samples >= cap) {
            m_reachedCap = true;
            m_state = State::Done;
        }
    }
    return m_state;
}

void SpeechEndDetector::FrameDone(double dbfs)
{
    m_level = qBound(0.0, (dbfs + 60.0) / 60.0, 1.0);
    // The floor follows the quietest frames at once and creeps up slowly, so
    // a room that grows noisier is learnt but speech never becomes the floor.
    if (m_frames == 0 || dbfs < m_floorDb)
        m_floorDb = dbfs;
    else
        m_floorDb += 0.01 * (dbfs - m_floorDb);
    ++m_frames;

    const bool loud = dbfs > kAbsoluteFloorDb && dbfs > m_floorDb + kAboveFloorDb;
    m_loudRun = loud ? m_loudRun + 1 : 0;
    m_quietRun = loud ? 0 : m_quietRun + 1;
    if (m_state == State::Waiting && m_loudRun >= kMinSpeechFrames) {
        m_state = State::Speaking;
        m_heardSpeech = true;
    } else if (m_state == State::Speaking
               && m_quietRun * 1000 >= kSilenceAfterSpeechMs * kFramesPerSecond) {
        m_state = State::Done;
    }
}
