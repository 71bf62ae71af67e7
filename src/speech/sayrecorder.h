// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "speechend.h"
#include "wavpcm.h"
#include <QObject>
#include <QString>
#include <QTimer>

// One child's recording of one word: from the microphone until the child
// stops it, falls quiet after speaking, or the cap; then saved whole to
// myvoice/<word key>.wav. The device is polled on the user-interface
// thread by a timer, so the window never waits for it.
class SayRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 50;
    static const QString kCaption;
    static const QString kNoMicrophone;

    explicit SayRecorder(QObject *parent = nullptr);
    ~SayRecorder() override;

    // The file of a word's recording.
    static QString RecordingPath(const QString &wordKey);

    // Starts recording for the word; false (after telling the child once)
    // when there is no microphone. A recording already running is cancelled.
    bool Start(const QString &wordKey);
    // The child's own stop: keeps what was said.
    void Stop();
    // The window closes or the word changes: nothing is saved.
    void Cancel();
    bool IsRecording() const { return m_on; }
    QString wordKey() const { return m_key; }
    double level() const { return m_detector.level(); }

    QTimer *PollTimer() { return &m_timer; }

public slots:
    // The timer's tick; tests call it directly.
    void Poll();

signals:
    void LevelChanged(double level);
    // The recording is over. saved: it replaced the word's file (only when
    // speech was heard: a silent try keeps the last good recording).
    void Finished(bool saved, bool heardSpeech, const QVector<qint16> &pcm);

private:
    void Finish();

    QTimer m_timer;
    SpeechEndDetector m_detector;
    Pcm16 m_pcm;
    QString m_key;
    bool m_on = false;
};
