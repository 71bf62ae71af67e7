// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classdbsubarrwords.h"
#include "classunit.h"
#include <QStringList>
#include <algorithm>

CWord *ClassDBsubArrWords::Find(const QString &English) const
{
    // most look-ups come with the spelling the word is stored under: they
    // need no upper-cased copy of the key
    auto it = m_spelled.constFind(English);
    if (it == m_spelled.constEnd()) {
        it = m_index.constFind(English.toUpper());
        if (it == m_index.constEnd())
            return nullptr;
    }
    return m_words[size_t(*it)].get();
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
    m_index.reserve(m_index.size() + n);
    m_spelled.reserve(m_spelled.size() + n);
}

void ClassDBsubArrWords::AddWord(const CWord &theWord)
{
    const QString upper = theWord.English.toUpper();
    if (m_index.contains(upper))
        return;
    auto w = std::make_unique<CWord>();
    w->CopyWord(theWord);
    m_index.insert(upper, int(m_words.size()));
    m_spelled.insert(w->English, int(m_words.size()));
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
    // the words lie all over the heap and most have no progress: asking for
    // the next ones early keeps the walk from waiting on memory at each word
    constexpr size_t kAhead = 8;
    for (size_t i = 0; i < m_words.size(); ++i) {
        if (i + kAhead < m_words.size())
            __builtin_prefetch(m_words[i + kAhead].get());
        const CWord *w = m_words[i].get();
        if (!w->HasProgress())
            continue;
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
