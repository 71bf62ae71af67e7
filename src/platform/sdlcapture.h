// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "audiocapture.h"

// The microphone through SDL2's capture device. SDL's audio is started on
// the first Start and left running (the playback shares it).
class SdlCapture : public AudioCapture {
public:
    ~SdlCapture() override;
    bool Start(QString *why = nullptr) override;
    QVector<qint16> Take() override;
    void Stop() override;
    bool IsRecording() const override { return m_device != 0; }

private:
    unsigned m_device = 0;
    bool m_sdlStarted = false;
};
