// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

// One example sentence of a unit; owned by its unit.
class CSentence {
public:
    QString SentenceEN;
    QString SentenceCH;
    QString SentenceID; // also the name of its voice file

    void InitMe();
    // "*" TAB English TAB Chinese; anything else leaves the sentence unchanged.
    bool ParseSentence(const QString &aLineText, const QString &sID);
    void ReadMe(bool bAsync) const;
};
