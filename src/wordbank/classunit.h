// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "csentence.h"
#include "cword.h"
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

// One lesson: words 1..WordNum (pointers to the dictionary's words),
// sentences 1..SentenceNum (owned), and the best score of each game.
class ClassUnit {
public:
    static constexpr int kScoreSlots = 9; // games 0..6 and two spare slots

    int BookID = 0;
    QString UnitName;
    QString UnitCaption;
    int UnitID = 0;
    // The merge unit: the range and category collected into it.
    QString MergedSelection;

    void Clear();
    void CopyUnit(const ClassUnit &inUnit);
    void InitRandReadStatus();
    void SetWord(int Index, CWord *inWord);
    bool GetWord(int Index, CWord *&outWord) const;
    QString English(int Index) const;
    QString Chinese(int Index) const;
    bool GetSentence(int Index, CSentence *&outSentence) const;
    bool GetSentenceByID(const QString &sID, CSentence *&outSentence) const;
    // Keeps the better score of game tmode and credits the coins of a perfect
    // game; returns the coins credited.
    int SetUnitStatus(int tmode, int inScore);
    void LoadUnitStatus(const QString &sUnitStatus);
    // Every game's result back to 0.
    void ResetUnitStatus();
    // The first game not yet at the full ratio, scoring::kAllGamesDone when none.
    int IsAllCompleted() const;
    QString GetUnitStatus() const;
    QString UnitString() const;
    void InitTestStatus();
    // An untested word at random (rnd gives [0, 1); empty: the platform's
    // generator); its position, or -1 when every word was asked.
    int GetTestWord(CWord *&outWord, const std::function<double()> &rnd = {}) const;
    // Fills ansArr[1..count] (resized to at least 5) with distinct positions,
    // one of them currTestWord at a random slot; returns count.
    int GetAnsArr(int currTestWord, std::vector<int> &ansArr) const;
    int AddNewUnit(const ClassUnit &inUnit, WordCategory category);
    int AddWord(const QString &English);
    QString AddSentence(const QString &aLine, const QString &sID);
    bool GetWordByEnglish(const QString &English, CWord *&outWord) const;
    bool GetWordByID(int wordID, CWord *&outWord) const;
    // Index is clamped into 1..WordNum and handed back.
    bool SetCurrWord(int &Index);
    bool SetCurrWord(int &&Index) { return SetCurrWord(Index); }
    bool GetRandWord();
    bool GetNextWord(int step);
    int WordNum() const { return int(m_words.size()); }
    int SentenceNum() const { return int(m_sentences.size()); }
    int WrongNum() const;
    int CorrectNum() const;
    int UnTestedNum() const;
    void AddNewWord(CWord *iWord);
    void DelNewWord() { m_words.clear(); }

    // Score of game 0..8, 0 outside.
    int GameScore(int tmode) const;

private:
    CWord *At(int Index) const { return m_words[size_t(Index - 1)]; }
    int FindEnglish(const QString &English) const; // position or 0

    std::vector<CWord *> m_words;
    std::vector<std::unique_ptr<CSentence>> m_sentences;
    std::array<int, kScoreSlots> m_scores{};
};
