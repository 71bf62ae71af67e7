// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sayrecorder.h"
#include "helpers/apppaths.h"
#include "platform/audiocapture.h"
#include "platform/platform.h"

const QString SayRecorder::kCaption = QStringLiteral("跟读录音");
const QString SayRecorder::kNoMicrophone =
    QStringLiteral("没有找到可以用的麦克风，现在还不能录音。\r\n请接好麦克风后再试一次。");

SayRecorder::SayRecorder(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(kPollMs);
    connect(&m_timer, &QTimer::timeout, this, &SayRecorder::Poll);
}

SayRecorder::~SayRecorder()
{
    Cancel();
}

QString SayRecorder::RecordingPath(const QString &wordKey)
{
    return UserPath(QStringLiteral("myvoice/") + wordKey + QStringLiteral(".wav"));
}

bool SayRecorder::Start(const QString &wordKey)
{
    Cancel();
    if (wordKey.isEmpty())
        return false;
    QString why;
    if (!plat().Capture().Start(&why)) {
        qWarning("recording: %s", qPrintable(why));
        plat().MsgBox(kNoMicrophone, MsgButtons::OK, MsgIcon::Information, kCaption);
        return false;
    }
    m_key = wordKey;
    m_detector = SpeechEndDetector();
    m_pcm.clear();
    m_on = true;
    m_timer.start();
    return true;
}

void SayRecorder::Poll()
{
    if (!m_on)
        return;
    const QVector<qint16> got = plat().Capture().Take();
    // Only what the detector took: the cap holds to the sample.
    const qint64 before = m_detector.samplesSeen();
    m_detector.Feed(got.constData(), got.size());
    m_pcm += got.mid(0, qsizetype(m_detector.samplesSeen() - before));
    emit LevelChanged(m_detector.level());
    if (m_detector.state() == SpeechEndDetector::State::Done)
        Finish();
}

void SayRecorder::Stop()
{
    if (!m_on)
        return;
    Poll(); // what arrived since the last tick
    if (m_on)
        Finish();
}

void SayRecorder::Cancel()
{
    if (!m_on)
        return;
    m_on = false;
    m_timer.stop();
    plat().Capture().Stop();
    m_pcm.clear();
}

void SayRecorder::Finish()
{
    m_on = false;
    m_timer.stop();
    plat().Capture().Stop();
    const bool heard = m_detector.heardSpeech();
    const bool saved = heard && SaveWavAtomically(RecordingPath(m_key), m_pcm);
    const Pcm16 pcm = std::exchange(m_pcm, Pcm16());
    emit Finished(saved, heard, pcm);
}
