// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classdbdictionary.h"
#include "classunit.h"
#include "wbtext.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include <QStringList>
#include <QStringTokenizer>

int ClassDBdictionary::GetSubArrIndex(QStringView key)
{
    if (key.size() < 2)
        return 0;
    auto letter = [](QChar c) {
        if (c.unicode() > 127)
            return 1;
        const int v = int(c.toUpper().unicode()) - 64;
        return (v < 0 || v > 26) ? 1 : v;
    };
    return 10 * letter(key.front()) + letter(key.back());
}

ClassDBsubArrWords &ClassDBdictionary::MakeBucket(int index)
{
    auto &b = m_buckets[size_t(index)];
    if (!b)
        b = std::make_unique<ClassDBsubArrWords>();
    return *b;
}

CWord *ClassDBdictionary::FindKey(const QString &key) const
{
    const ClassDBsubArrWords *b = Bucket(GetSubArrIndex(key));
    return b ? b->Find(key) : nullptr;
}

void ClassDBdictionary::ReserveBuckets(const QStringList &lines)
{
    // the key is the second field; counting first spares the buckets from
    // regrowing their index over and over on a large dictionary
    std::array<int, kBucketCount> counts{};
    for (qsizetype i = 5; i < lines.size(); ++i) {
        const QStringView line(lines.at(i));
        const qsizetype t1 = line.indexOf(u'\t');
        if (t1 < 0)
            continue;
        const qsizetype t2 = line.indexOf(u'\t', t1 + 1);
        if (t2 < 0)
            continue;
        const QStringView key = TrimSpaces(line.mid(t1 + 1, t2 - t1 - 1));
        ++counts[size_t(GetSubArrIndex(key))];
    }
    for (int b = 0; b < kBucketCount; ++b) {
        if (counts[size_t(b)] > 16)
            MakeBucket(b).Reserve(counts[size_t(b)]);
    }
}

bool ClassDBdictionary::InitDict()
{
    gUKWords.clear();
    gUSWords.clear();
    QStringList lines;
    if (ReadTextFileLines(AppPath(QStringLiteral("dat/UK2USA.txt")), lines)) {
        gUKWords.reserve(lines.size() + 1);
        gUSWords.reserve(lines.size() + 1);
        gUKWords << QString();
        gUSWords << QString();
        for (const QString &line : lines) {
            const QStringList f = line.split(QLatin1Char('\t'));
            // a malformed line still takes its (blank) place in the list
            gUKWords << (f.size() == 2 ? f.at(0) : QString());
            gUSWords << (f.size() == 2 ? f.at(1) : QString());
        }
    }
    return LoadSysDic();
}

bool ClassDBdictionary::LoadSysDic()
{
    m_badLine = 0;
    QStringList lines;
    if (!ReadEncodedFileLines(gDictFile, lines) || lines.size() < 6
        || StripTabsTrim(lines.at(0)) != QLatin1String(kHeader))
        return false;
    DicVersion = TrimSpaces(lines.at(1));
    for (int i = 0; i < 3; ++i)
        Reserved[i] = TrimSpaces(lines.at(2 + i));

    ReserveBuckets(lines);
    CWord scratch;
    for (qsizetype i = 5; i < lines.size(); ++i) {
        const QString line = TrimSpaces(lines.at(i));
        if (line.isEmpty())
            continue;
        scratch.InitMe();
        if (!scratch.ParseTextFromDictFile(line)) {
            m_badLine = int(i + 1);
            plat().MsgBox(QStringLiteral("词典第 ") + QString::number(i + 1) + QStringLiteral(" 行导入错误：") + line,
                          MsgButtons::OK, MsgIcon::None, QStringLiteral("Tallivo"));
            return false;
        }
        MakeBucket(GetSubArrIndex(scratch.English)).AddWord(scratch);
    }
    return true;
}

bool ClassDBdictionary::SetWord(CWord *&iWord, const QString &English) const
{
    const QString key = NormalizeWordKey(English);
    iWord = FindKey(key);
    if (iWord)
        return true;
    const QString us = UKToUSSpelling(key);
    if (!us.isEmpty())
        iWord = FindKey(us);
    return iWord != nullptr;
}

QString ClassDBdictionary::Chinese(const QString &English) const
{
    const CWord *w = FindKey(NormalizeWordKey(English));
    return w ? w->Chinese : QString();
}

QString ClassDBdictionary::Sound(const QString &English) const
{
    const CWord *w = FindKey(NormalizeWordKey(English));
    return w ? w->Sound : QString();
}

void ClassDBdictionary::AddWord(const CWord &theWord)
{
    MakeBucket(GetSubArrIndex(theWord.English)).AddWord(theWord);
}

QString ClassDBdictionary::SaveWordStatus() const
{
    QString text;
    // a profile's status runs to hundreds of kilobytes: grown once, not by doubling
    text.reserve(m_statusChars + m_statusChars / 8 + 256);
    // only the words listed as changed, not the whole dictionary
    m_listed.clear();
    for (const auto &b : m_buckets) {
        if (b)
            b->CollectListed(m_listed);
    }
    ClassDBsubArrWords::AppendStatusOf(m_listed, text);
    m_statusChars = text.size();
    return text;
}

void ClassDBdictionary::LoadWordStatus(const QString &iStr)
{
    if (iStr.isEmpty() || iStr == QLatin1String("0"))
        return;
    // A profile holds tens of thousands of items, each for a word somewhere
    // in a large dictionary. The items are read first; then each word's
    // place, the word and its key are asked of memory some items ahead, so
    // the look-ups do not wait on it one after another.
    struct Item {
        QStringView key, status;
        const ClassDBsubArrWords *bucket;
        size_t hash;
        const CWord *guess = nullptr;
    };
    std::vector<Item> items;
    items.reserve(size_t(iStr.size() / 16));
    for (QStringView item : QStringTokenizer(iStr, u'-')) {
        item = TrimSpaces(item);
        const qsizetype bar = item.indexOf(u'|');
        if (bar < 0 || item.indexOf(u'|', bar + 1) >= 0)
            continue; // not exactly two pieces
        const QStringView key = TrimSpaces(item.left(bar));
        if (const ClassDBsubArrWords *b = Bucket(GetSubArrIndex(key)))
            items.push_back(Item{key, TrimSpaces(item.mid(bar + 1)), b, ClassDBsubArrWords::SpelledHash(key)});
    }
    constexpr size_t kPlace = 12, kWord = 8, kKey = 4;
    const size_t n = items.size();
    for (size_t i = 0; i < n; ++i) {
        if (i + kPlace < n)
            items[i + kPlace].bucket->PrefetchSpelled(items[i + kPlace].hash);
        if (i + kWord < n) {
            Item &ahead = items[i + kWord];
            ahead.guess = ahead.bucket->SpelledGuess(ahead.hash);
            if (ahead.guess)
                __builtin_prefetch(ahead.guess);
        }
        if (i + kKey < n && items[i + kKey].guess) {
            __builtin_prefetch(items[i + kKey].guess->English.constData());
            __builtin_prefetch(items[i + kKey].guess->NewWordMark.constData());
        }
        const Item &it = items[i];
        CWord *w = it.bucket->FindSpelled(it.key, it.hash);
        if (!w)
            w = it.bucket->Find(it.key.toString()); // another letter case
        if (w)
            w->StatusFromStr(it.status);
    }
}

QString ClassDBdictionary::GetWordStatusStr(const QString &English) const
{
    const CWord *w = FindKey(English);
    return w ? w->StatusToStr() : QString();
}

void ClassDBdictionary::GenNewWord(int Index, ClassUnit *outUnit) const
{
    if (!outUnit)
        return;
    for (const auto &b : m_buckets) {
        if (b)
            b->GenNewWord(Index, outUnit);
    }
}

int ClassDBdictionary::WordCount() const
{
    int n = 0;
    for (const auto &b : m_buckets) {
        if (b)
            n += b->WordNum();
    }
    return n;
}

void ClassDBdictionary::ForEachWord(const std::function<void(CWord &)> &fn) const
{
    for (const auto &b : m_buckets) {
        if (!b)
            continue;
        for (int i = 1; i <= b->WordNum(); ++i)
            fn(*b->WordAt(i));
    }
}
