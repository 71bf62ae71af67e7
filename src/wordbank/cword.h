// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "wordcategory.h"
#include <QString>

class ClassDBsubArrWords;

// Where a dictionary word sits: its bucket and 0-based position there. A
// word outside the dictionary has none.
struct WordSlot {
    ClassDBsubArrWords *bucket = nullptr;
    int index = 0;
    // tells the bucket the word's progress changed
    void Changed() const;
};

// One dictionary word and the learner's progress with it. Every CWord is
// owned by the dictionary; units only point at it, so progress is shared.
// Aligned so that what a save reads is one cache line.
class alignas(64) CWord {
public:
    // The two progress fields read and assign like an int and a QString. Every
    // assignment tells the word's bucket, which keeps the list a save walks
    // instead of the whole dictionary. A copy is in no bucket.
    class Score {
    public:
        Score() = default;
        Score(const Score &other) : m_value(other.m_value) {}
        Score &operator=(const Score &other) { return *this = other.m_value; }
        Score &operator=(int value)
        {
            m_value = value;
            m_slot.Changed();
            return *this;
        }
        operator int() const { return m_value; }

    private:
        friend class ClassDBsubArrWords;
        WordSlot m_slot;
        int m_value = 0;
    };
    class Mark {
    public:
        Mark() = default;
        Mark(const Mark &other) : m_text(other.m_text) {}
        Mark &operator=(const Mark &other) { return *this = other.m_text; }
        Mark &operator=(const QString &text)
        {
            m_text = text;
            m_slot.Changed();
            return *this;
        }
        operator const QString &() const { return m_text; }
        const QString &Text() const { return m_text; }
        qsizetype size() const { return m_text.size(); }
        QChar at(qsizetype i) const { return m_text.at(i); }
        const QChar *constData() const { return m_text.constData(); }

    private:
        friend class ClassDBsubArrWords;
        QString m_text; // first: a save reads it beside the key
        WordSlot m_slot;
    };

    // First, together: a save reads these of every word with progress.
    Score iTestResult; // long-term score
    QString English;   // dictionary key
    Mark NewWordMark;
    QString UserEN; // as shown to the learner
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
        // asked of every listed word on each save: no call into the string compare
        if (iTestResult != 0 || NewWordMark.size() != 5)
            return true;
        const QChar *m = NewWordMark.constData();
        return m[0] != u'0' || m[1] != u'0' || m[2] != u'0' || m[3] != u'0' || m[4] != u'0';
    }
    void ReadMe(int nReadtime, bool bAsync) const;
    void ReadSentence(bool bAsync) const;
    void InitStatus() { myTestedStatus = 0; }
};
