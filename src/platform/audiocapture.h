// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>
#include <QVector>

// Sound input from the microphone: 16 kHz, mono, 16-bit. The caller polls
// Take() from the user-interface thread, so nothing ever blocks it.
class AudioCapture {
public:
    static constexpr int kRate = 16000;

    virtual ~AudioCapture() = default;
    // Opens the device and starts recording. False, with a reason for the
    // log in *why, when there is no microphone or it cannot be opened.
    virtual bool Start(QString *why = nullptr) = 0;
    // The samples recorded since the last call; empty when none or stopped.
    virtual QVector<qint16> Take() = 0;
    // Stops and closes the device; safe to call when not recording.
    virtual void Stop() = 0;
    virtual bool IsRecording() const = 0;
};

// No microphone at all: every start fails.
class NoAudioCapture : public AudioCapture {
public:
    bool Start(QString *why = nullptr) override
    {
        if (why)
            *why = QStringLiteral("no sound input here");
        return false;
    }
    QVector<qint16> Take() override { return {}; }
    void Stop() override {}
    bool IsRecording() const override { return false; }
};
