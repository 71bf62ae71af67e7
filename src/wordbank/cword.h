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
    // First, together: a save walks every word of the dictionary for these.
    int iTestResult = 0; // long-term score
    QString NewWordMark = QStringLiteral("00000");
    QString English; // dictionary key
    QString UserEN;  // as shown to the learner
    QString DetailCH;
    QString Chinese;
    QString Sound; // "/ ... /" or ""
    // The example sentence shown and spoken with the word, and its Chinese;
    // empty when the word has none.
    QString SentenceEN;
    QString SentenceCH;
    int myTestedStatus = 0; // this round: 0 unasked, 1 right, -1 wrong, 2 shown
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
    bool StatusFromStr(QStringView strStatus);
    QString StatusToStr() const;
    // Score or marks worth keeping in the profile.
    // StatusToStr appended to out (nothing without progress).
    void AppendStatus(QString &out) const;
    bool HasProgress() const
    {
        // asked of every word of the dictionary on each save: no call into the string compare
        if (iTestResult != 0 || NewWordMark.size() != 5)
            return true;
        const QChar *m = NewWordMark.constData();
        return m[0] != u'0' || m[1] != u'0' || m[2] != u'0' || m[3] != u'0' || m[4] != u'0';
    }
    void ReadMe(int nReadtime, bool bAsync) const;
    void ReadSentence(bool bAsync) const;
    void InitStatus() { myTestedStatus = 0; }
};
