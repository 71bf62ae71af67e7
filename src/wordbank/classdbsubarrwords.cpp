// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classdbsubarrwords.h"
#include "classunit.h"
#include <QStringList>
#include <algorithm>
#include <bit>

CWord *ClassDBsubArrWords::Find(const QString &English) const
{
    // most look-ups come with the spelling the word is stored under: they
    // need no upper-cased copy of the key
    if (CWord *w = FindSpelled(English, SpelledHash(English)))
        return w;
    const auto it = m_index.constFind(English.toUpper());
    return it == m_index.constEnd() ? nullptr : m_words[size_t(*it)].get();
}

const CWord *ClassDBsubArrWords::SpelledGuess(size_t hash) const
{
    if (m_spelled.empty())
        return nullptr;
    const size_t mask = m_spelled.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Spelled &e = m_spelled[i];
        if (!e.word || e.hash == hash)
            return e.word;
    }
}

CWord *ClassDBsubArrWords::FindSpelled(QStringView key, size_t hash) const
{
    if (m_spelled.empty())
        return nullptr;
    const size_t mask = m_spelled.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Spelled &e = m_spelled[i];
        if (!e.word)
            return nullptr;
        if (e.hash == hash && QStringView(e.word->English) == key)
            return e.word;
    }
}

void ClassDBsubArrWords::GrowSpelled(size_t size)
{
    // room for size keys at most half full
    size_t cap = 16;
    while (cap < 2 * size)
        cap *= 2;
    if (cap <= m_spelled.size())
        return;
    std::vector<Spelled> old(cap);
    old.swap(m_spelled);
    for (const Spelled &e : old) {
        if (!e.word)
            continue;
        size_t i = e.hash & (cap - 1);
        while (m_spelled[i].word)
            i = (i + 1) & (cap - 1);
        m_spelled[i] = e;
    }
}

CWord *ClassDBsubArrWords::WordAt(int Index) const
{
    if (Index < 1 || Index > WordNum())
        return nullptr;
    return m_words[size_t(Index - 1)].get();
}

void ClassDBsubArrWords::Reserve(int n)
{
    m_words.reserve(m_words.size() + size_t(n));
    m_progress.reserve((m_words.capacity() + 63) / 64);
    m_index.reserve(m_index.size() + n);
    GrowSpelled(m_words.size() + size_t(n));
}

void ClassDBsubArrWords::AddWord(const CWord &theWord)
{
    const QString upper = theWord.English.toUpper();
    if (m_index.contains(upper))
        return;
    // progress is not copied: a new word starts without any, unlisted
    auto w = std::make_unique<CWord>();
    w->CopyWord(theWord);
    const int slot = int(m_words.size());
    w->iTestResult.m_slot = w->NewWordMark.m_slot = WordSlot{this, slot};
    if (size_t(slot) / 64 >= m_progress.size())
        m_progress.push_back(0);
    m_index.insert(upper, slot);
    // the upper-cased keys differ, so the stored ones do too
    GrowSpelled(m_words.size() + 1);
    const size_t hash = SpelledHash(w->English);
    size_t i = hash & (m_spelled.size() - 1);
    while (m_spelled[i].word)
        i = (i + 1) & (m_spelled.size() - 1);
    m_spelled[i] = Spelled{hash, w.get()};
    m_words.push_back(std::move(w));
}

bool ClassDBsubArrWords::SetWord(CWord *&iWord, const QString &English) const
{
    iWord = Find(English);
    return iWord != nullptr;
}

QString ClassDBsubArrWords::Chinese(const QString &English) const
{
    const CWord *w = Find(English);
    return w ? w->Chinese : QString();
}

QString ClassDBsubArrWords::Sound(const QString &English) const
{
    const CWord *w = Find(English);
    return w ? w->Sound : QString();
}

QString ClassDBsubArrWords::ListAllWordStatus() const
{
    QString out;
    AppendWordStatus(out);
    return out;
}

void ClassDBsubArrWords::AppendWordStatus(QString &out) const
{
    std::vector<const CWord *> words;
    CollectListed(words);
    AppendStatusOf(words, out);
}

void ClassDBsubArrWords::CollectListed(std::vector<const CWord *> &out) const
{
    for (size_t chunk = 0; chunk < m_progress.size(); ++chunk) {
        for (quint64 bits = m_progress[chunk]; bits; bits &= bits - 1)
            out.push_back(m_words[chunk * 64 + size_t(std::countr_zero(bits))].get());
    }
}

void ClassDBsubArrWords::AppendStatusOf(const std::vector<const CWord *> &words, QString &out)
{
    // the words lie all over the heap: each is asked for well ahead, and its
    // key and mark a little later, so the walk seldom waits on memory
    constexpr size_t kWord = 16, kText = 8;
    const size_t n = words.size();
    for (size_t i = 0; i < n; ++i) {
        if (i + kWord < n)
            __builtin_prefetch(words[i + kWord]);
        if (i + kText < n) {
            __builtin_prefetch(words[i + kText]->English.constData());
            __builtin_prefetch(words[i + kText]->NewWordMark.constData());
        }
        const CWord *w = words[i];
        if (!w->HasProgress()) {
            // back to none: listed again by its next change
            const WordSlot &slot = w->iTestResult.m_slot;
            if (slot.bucket)
                slot.bucket->Unlist(slot.index);
            continue;
        }
        // a key with "-" or "|" would split into the wrong items when read back
        // and hand its progress to another word; such a key is never found by
        // a spelling either
        const QString &key = w->English;
        if (std::any_of(key.cbegin(), key.cend(), [](QChar c) { return c == u'-' || c == u'|'; }))
            continue;
        if (!out.isEmpty())
            out += QLatin1Char('-');
        out += key;
        out += QLatin1Char('|');
        w->AppendStatus(out);
    }
}

QString ClassDBsubArrWords::StatusToStr(const QString &English) const
{
    const CWord *w = Find(English);
    return w ? w->StatusToStr() : QString();
}

bool ClassDBsubArrWords::StatusFromStr(const QString &English, const QString &statusStr)
{
    CWord *w = Find(English);
    return w && w->StatusFromStr(statusStr);
}

void ClassDBsubArrWords::GenNewWord(int Index, ClassUnit *outUnit) const
{
    if (!outUnit)
        return;
    for (const auto &w : m_words) {
        if (w->IsNewWord(Index))
            outUnit->AddNewWord(w.get());
    }
}
