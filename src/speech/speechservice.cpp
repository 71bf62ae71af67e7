// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speechservice.h"

namespace {
SpeechService *gSpeech = nullptr;
}

SpeechService::SpeechService() : m_rec(std::make_unique<SpeechRecognizer>())
{
    qRegisterMetaType<SayResult>("SayResult");
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(this, &SpeechService::Checked, this, &SpeechService::Deliver, Qt::QueuedConnection);
    m_thread.setObjectName(QStringLiteral("speech"));
}

SpeechService::~SpeechService()
{
    m_thread.quit();
    m_thread.wait();
}

bool SpeechService::Available()
{
    return SpeechRecognizer::ModelInstalled();
}

void SpeechService::Check(const Pcm16 &pcm, const SayWord &target, const QList<SayWord> &others,
                          QObject *context, Done done)
{
    if (!m_thread.isRunning())
        m_thread.start();
    const int id = ++m_nextId;
    m_waiting.insert(id, Waiting{context, std::move(done)});
    SpeechRecognizer *rec = m_rec.get();
    QMetaObject::invokeMethod(
        m_worker, [this, rec, id, pcm, target, others] {
            if (!rec->loaded())
                rec->Load();
            emit Checked(id, rec->Check(pcm, target, others));
        },
        Qt::QueuedConnection);
}

void SpeechService::Deliver(int id, const SayResult &result)
{
    const Waiting w = m_waiting.take(id);
    if (w.context && w.done)
        w.done(result);
}

SpeechService *GetSpeechService()
{
    if (!gSpeech)
        gSpeech = new SpeechService;
    return gSpeech;
}

void ReleaseSpeechService()
{
    delete gSpeech;
    gSpeech = nullptr;
}
