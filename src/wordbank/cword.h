// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "wordcategory.h"
#include <QString>

// One dictionary word and the learner's progress with it. Every CWord is
// owned by the dictionary; units only point at it, so progress is shared.
class CWord {
public:
    QString UserEN;   // as shown to the learner
    QString English;  // dictionary key
    QString DetailCH;
    QString Chinese;
    QString Sound;    // "/ ... /" or ""
    // The example sentence shown and spoken with the word, and its Chinese;
    // empty when the word has none.
    QString SentenceEN;
    QString SentenceCH;
    int myTestedStatus = 0; // this round: 0 unasked, 1 right, -1 wrong, 2 shown
    int iTestResult = 0;    // long-term score
    QString NewWordMark = QStringLiteral("00000");
    bool bRandRead = false;

    CWord() { InitMe(); }

    void InitMe();
    bool IsNewWord(int nNewBookID) const;
    void SetNewWord(int nNewBookID, bool bNewWord);
    WordCategory Category() const { return CategoryOfScore(iTestResult); }
    // the category's label
    QString GetStatus() const;
    // tResult: 1 right, -1 wrong, 2 shown; the points follow game testMode
    // (the one played, gTestMode, when not given).
    void SetStatus(int tResult);
    void SetStatus(int tResult, int testMode);
    bool ParseTextFromDictFile(const QString &aLineText);
    QString DicWordToStr() const;
    void CopyWord(const CWord &srcWord);
    bool StatusFromStr(const QString &strStatus);
    QString StatusToStr() const;
    // Score or marks worth keeping in the profile.
    bool HasProgress() const { return iTestResult != 0 || QStringView(NewWordMark) != QStringView(u"00000"); }
    void ReadMe(int nReadtime, bool bAsync) const;
    void ReadSentence(bool bAsync) const;
    void InitStatus() { myTestedStatus = 0; }
};

