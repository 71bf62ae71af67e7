// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "csentence.h"
#include "wbtext.h"
#include "helpers/apppaths.h"
#include "sound/classplaysound.h"
#include <QFileInfo>
#include <QStringList>

void CSentence::InitMe()
{
    SentenceEN.clear();
    SentenceCH.clear();
    SentenceID.clear();
}

bool CSentence::ParseSentence(const QString &aLineText, const QString &sID)
{
    const QStringList f = aLineText.split(QLatin1Char('\t'));
    if (f.size() != 3 || f.at(0) != QLatin1String("*"))
        return false;
    InitMe();
    SentenceID = sID;
    SentenceEN = TrimSpaces(f.at(1));
    SentenceCH = TrimSpaces(f.at(2));
    return true;
}

void CSentence::ReadMe(bool bAsync) const
{
    ClassPlaySound *player = GetPlaySound();
    // A unit sentence has its own voice under its id; fall back to the
    // sentence-voice folder for installations that keep it there.
    if (!SentenceID.isEmpty()
        && QFileInfo::exists(AppPath(QStringLiteral("sentence-in-unit/") + SentenceID + QStringLiteral(".wav")))) {
        if (player->bReading)
            return;
        player->bReading = true;
        player->ReadSentenceByID(SentenceID, bAsync);
        player->bReading = false;
        return;
    }
    player->ReadSentence(SentenceID, bAsync);
}
