// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "cword.h"
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

class ClassUnit;

// One bucket of the dictionary: words in insertion order, positions from 1.
// Keys compare without regard to letter case and the first entry wins; a
// hash of the upper-cased keys keeps look-ups short in crowded buckets.
// Words whose progress was set since are marked in a bit list, so a save
// reads those few and not every word of the dictionary.
class ClassDBsubArrWords {
public:
    // Stores a copy of theWord unless its key is already here (ignoring case).
    void AddWord(const CWord &theWord);
    bool SetWord(CWord *&iWord, const QString &English) const;
    QString Chinese(const QString &English) const;
    QString Sound(const QString &English) const;
    QString ListAllWordStatus() const;
    // Appends the bucket's items to out, "-" first when out is not empty.
    void AppendWordStatus(QString &out) const;
    // Appends the words that may have progress, in bucket order.
    void CollectListed(std::vector<const CWord *> &out) const;
    // The status items of words (from CollectListed) appended to out, "-"
    // first when out is not empty.
    static void AppendStatusOf(const std::vector<const CWord *> &words, QString &out);
    QString StatusToStr(const QString &English) const;
    bool StatusFromStr(const QString &English, const QString &statusStr);
    void GenNewWord(int Index, ClassUnit *outUnit) const;

    int WordNum() const { return int(m_words.size()); }
    // Room for n more words, so a large load does not keep regrowing.
    void Reserve(int n);
    // Position 1..WordNum, or nullptr.
    CWord *WordAt(int Index) const;
    CWord *Find(const QString &English) const;

    // Look-up by the key as stored, in two steps so that a caller with many
    // keys can ask memory for the next ones while it handles this one.
    static size_t SpelledHash(QStringView key) { return qHash(key, 0); }
    void PrefetchSpelled(size_t hash) const
    {
        if (!m_spelled.empty())
            __builtin_prefetch(&m_spelled[hash & (m_spelled.size() - 1)]);
    }
    // The first word stored under hash, not yet compared with the key.
    const CWord *SpelledGuess(size_t hash) const;
    CWord *FindSpelled(QStringView key, size_t hash) const;

private:
    friend struct WordSlot;
    void NoteProgress(int slot) { m_progress[size_t(slot) / 64] |= quint64(1) << (slot % 64); }
    void Unlist(int slot) const { m_progress[size_t(slot) / 64] &= ~(quint64(1) << (slot % 64)); }

    std::vector<std::unique_ptr<CWord>> m_words;
    // bit n: word n may have progress; every word with progress has its bit
    mutable std::vector<quint64> m_progress;
    void GrowSpelled(size_t size);

    QHash<QString, int> m_index; // upper-cased key -> 0-based position
    // key as stored -> word: open addressing in a power-of-two table kept at
    // most half full, the hash kept beside the word so a probe reads one place
    struct Spelled {
        size_t hash = 0;
        CWord *word = nullptr;
    };
    std::vector<Spelled> m_spelled;
};
