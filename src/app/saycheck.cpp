// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "saycheck.h"
#include "app/consoleplatform.h"
#include "helpers/apppaths.h"
#include "speech/speechrecognizer.h"
#include "wordbank/classdbdictionary.h"
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <memory>

namespace {

// The installation's dictionary, for transcriptions; null when there is none.
std::unique_ptr<ClassDBdictionary> LoadDictionary()
{
    InitAppPaths();
    if (!QFileInfo::exists(gDictFile))
        return nullptr;
    auto dict = std::make_unique<ClassDBdictionary>();
    if (!dict->InitDict())
        return nullptr;
    return dict;
}

SayWord WordOf(const QString &english, const ClassDBdictionary *dict)
{
    return SayWord{english, dict ? dict->Sound(english) : QString()};
}

} // namespace

int RunSayCheck(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() < 2) {
        err << "usage: tallivo --say-check FILE.wav WORD [OTHER_WORD...]" << Qt::endl;
        return 2;
    }
    QFile f(args.at(0));
    Pcm16 pcm;
    if (!f.open(QIODevice::ReadOnly) || !Pcm16FromWav(f.readAll(), pcm)) {
        err << "not a readable PCM WAV file: " << args.at(0) << Qt::endl;
        return 2;
    }
    SpeechRecognizer rec;
    if (!rec.Load()) {
        err << "speech model not installed (" << SpeechRecognizer::DefaultModelDir() << ")" << Qt::endl;
        return 3;
    }
    ConsolePlatform console(err);
    Platform *previous = SetPlatform(&console);
    const auto dict = LoadDictionary();
    SetPlatform(previous);
    QList<SayWord> others;
    for (qsizetype i = 2; i < args.size(); ++i)
        others += WordOf(args.at(i), dict.get());
    const SayResult r = rec.Check(pcm, WordOf(args.at(1), dict.get()), others);
    if (!r.checked) {
        err << "no pronunciation for: " << args.at(1) << Qt::endl;
        return 2;
    }
    out << "heard: " << (r.heard.isEmpty() ? QStringLiteral("none") : r.heard) << Qt::endl;
    out << "stars: " << r.stars << Qt::endl;
    out << "score: " << QString::number(r.score, 'f', 3) << Qt::endl;
    return 0;
}
