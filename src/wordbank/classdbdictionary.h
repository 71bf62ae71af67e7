// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "classdbsubarrwords.h"
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class ClassUnit;

// The system dictionary: every word the program knows, in 287 buckets chosen
// by the first and last letter of the key. Owns every CWord.
class ClassDBdictionary {
public:
    static constexpr int kBucketCount = 287;
    static constexpr const char *kHeader = "$KELVAN DIC98";

    QString DicVersion;
    QString Reserved[3];

    // Loads the UK-US spelling list, then the dictionary file.
    bool InitDict();
    bool LoadSysDic();
    bool SetWord(CWord *&iWord, const QString &English) const;
    QString Chinese(const QString &English) const;
    QString Sound(const QString &English) const;
    void AddWord(const CWord &theWord);
    QString SaveWordStatus() const;
    void LoadWordStatus(const QString &iStr);
    QString GetWordStatusStr(const QString &English) const;
    // Appends to outUnit every word marked for new-word book Index.
    void GenNewWord(int Index, ClassUnit *outUnit) const;

    static int GetSubArrIndex(QStringView key);

    // Number of entries, and every entry in bucket order.
    int WordCount() const;
    void ForEachWord(const std::function<void(CWord &)> &fn) const;
    // The line of the entry that failed to load, 0 when none did.
    int BadLineNumber() const { return m_badLine; }

private:
    ClassDBsubArrWords *Bucket(int index) const { return m_buckets[size_t(index)].get(); }
    ClassDBsubArrWords &MakeBucket(int index);
    CWord *FindKey(const QString &key) const;
    void ReserveBuckets(const QStringList &lines);

    std::array<std::unique_ptr<ClassDBsubArrWords>, kBucketCount> m_buckets;
    mutable qsizetype m_statusChars = 0;         // length of the last status text saved
    mutable std::vector<const CWord *> m_listed; // kept between saves: no regrowing
    int m_badLine = 0;
};
