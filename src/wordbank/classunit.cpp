// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "classunit.h"
#include "classdbdictionary.h"
#include "classuser.h"
#include "globals.h"
#include "scoring.h"
#include "wbtext.h"
#include "helpers/texthelpers.h"
#include "platform/platform.h"
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <climits>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
// a degenerate random source must not hang the answer picker
constexpr int kMaxDraws = 1000;

QStringList Meanings(const CWord &w)
{
    static const QRegularExpression sep(QStringLiteral("[;；,，、/\\s]+"));
    return w.Chinese.split(sep, Qt::SkipEmptyParts);
}

// "bye" and "goodbye" are both 再见: side by side as choices, a child could
// not tell which one is meant.
bool SameMeaning(const CWord *asked, const QStringList &askedMeanings, const CWord *other)
{
    if (!asked || !other)
        return false;
    if (asked->UserEN == other->UserEN)
        return true;
    for (const QString &m : Meanings(*other))
        if (askedMeanings.contains(m))
            return true;
    return false;
}
}

void ClassUnit::Clear()
{
    m_words.clear();
    m_sentences.clear();
}

void ClassUnit::CopyUnit(const ClassUnit &inUnit)
{
    if (inUnit.WordNum() > 0)
        m_words = inUnit.m_words;
}

void ClassUnit::InitRandReadStatus()
{
    for (CWord *w : m_words)
        w->bRandRead = false;
}

void ClassUnit::SetWord(int Index, CWord *inWord)
{
    if (Index >= 1 && Index <= WordNum() && inWord)
        m_words[size_t(Index - 1)] = inWord;
}

bool ClassUnit::GetWord(int Index, CWord *&outWord) const
{
    if (Index < 1 || Index > WordNum())
        return false;
    outWord = At(Index);
    return true;
}

QString ClassUnit::English(int Index) const
{
    return (Index >= 1 && Index <= WordNum()) ? At(Index)->UserEN : QString();
}

QString ClassUnit::Chinese(int Index) const
{
    return (Index >= 1 && Index <= WordNum()) ? At(Index)->Chinese : QString();
}

bool ClassUnit::GetSentence(int Index, CSentence *&outSentence) const
{
    if (Index < 1 || Index > SentenceNum())
        return false;
    outSentence = m_sentences[size_t(Index - 1)].get();
    return true;
}

bool ClassUnit::GetSentenceByID(const QString &sID, CSentence *&outSentence) const
{
    outSentence = nullptr;
    const QStringList pieces = sID.split(QLatin1Char('-'));
    if (pieces.size() != 5)
        return false;
    bool ok = false;
    const int k = pieces.at(4).trimmed().toInt(&ok);
    return ok && GetSentence(k, outSentence);
}

int ClassUnit::SetUnitStatus(int tmode, int inScore)
{
    if (!scoring::GameOf(tmode))
        return 0;
    // three digits per game in the saved text
    inScore = std::clamp(inScore, 0, 100);
    m_scores[size_t(tmode)] = std::max(m_scores[size_t(tmode)], inScore);
    if (!gUser)
        return 0;
    const int coins = scoring::CoinsForResult(tmode, inScore);
    gUser->myCoin = scoring::AddClamped(gUser->myCoin, coins);
    return coins;
}

void ClassUnit::LoadUnitStatus(const QString &sUnitStatus)
{
    if (sUnitStatus.size() != kScoreSlots * 3)
        return;
    for (int g = 0; g < kScoreSlots; ++g)
        m_scores[size_t(g)] = std::clamp(ValInt(sUnitStatus.mid(g * 3, 3)), 0, 100);
}

int ClassUnit::IsAllCompleted() const
{
    for (int g = 0; g < scoring::kGameCount; ++g) {
        if (m_scores[size_t(g)] != scoring::kFullRatio)
            return g;
    }
    return scoring::kAllGamesDone;
}

QString ClassUnit::GetUnitStatus() const
{
    if (std::all_of(m_scores.begin(), m_scores.end(), [](int s) { return s == 0; }))
        return QString();
    QString s;
    for (int v : m_scores)
        s += QStringLiteral("%1").arg(v, 3, 10, QLatin1Char('0'));
    return s;
}

void ClassUnit::ResetUnitStatus()
{
    m_scores.fill(0);
}

int ClassUnit::GameScore(int tmode) const
{
    return (tmode >= 0 && tmode < kScoreSlots) ? m_scores[size_t(tmode)] : 0;
}

QString ClassUnit::UnitString() const
{
    QString s = QLatin1Char('#') + UnitName + kCrLf;
    for (const CWord *w : m_words)
        s += w->English + kCrLf;
    return s;
}

void ClassUnit::InitTestStatus()
{
    for (CWord *w : m_words)
        w->InitStatus();
}

int ClassUnit::GetTestWord(CWord *&outWord, const std::function<double()> &rnd) const
{
    const int n = WordNum();
    for (int attempt = 0; attempt < 5 && n > 0; ++attempt) {
        int i = 0;
        if (rnd) {
            i = std::clamp(int(rnd() * n), 0, n - 1) + 1;
        } else {
            plat().Randomize();
            i = RandomIndex(n) + 1;
        }
        if (At(i)->myTestedStatus == 0) {
            outWord = At(i);
            return i;
        }
    }
    for (int i = 1; i <= n; ++i) {
        if (At(i)->myTestedStatus == 0) {
            outWord = At(i);
            return i;
        }
    }
    return -1;
}

int ClassUnit::GetAnsArr(int currTestWord, std::vector<int> &ansArr) const
{
    const int n = WordNum();
    const int count = std::min(n, 4);
    if (ansArr.size() < 5)
        ansArr.resize(5, -1);
    // all four: a smaller unit must not leave the last unit's choices behind
    for (int i = 1; i <= 4; ++i)
        ansArr[size_t(i)] = -1;
    if (count == 0)
        return 0;
    plat().Randomize();
    ansArr[size_t(RandomIndex(count) + 1)] = currTestWord;

    auto taken = [&](int c, int upTo) {
        for (int k = 1; k <= upTo; ++k) {
            if (ansArr[size_t(k)] == c)
                return true;
        }
        return false;
    };
    const CWord *asked = At(currTestWord);
    const QStringList askedMeanings = asked ? Meanings(*asked) : QStringList();
    auto confusable = [&](int c) { return SameMeaning(asked, askedMeanings, At(c)); };
    for (int i = 1; i <= count; ++i) {
        if (ansArr[size_t(i)] == currTestWord)
            continue;
        int c = 0;
        int draws = 0;
        do {
            if (++draws > kMaxDraws) {
                // take the first free position instead of drawing forever,
                // one of another meaning if there is one
                c = 0;
                for (int pass = 0; pass < 2 && !c; ++pass) {
                    for (int k = 1; k <= n && !c; ++k) {
                        if (k != currTestWord && !taken(k, count) && (pass || !confusable(k)))
                            c = k;
                    }
                }
                break;
            }
            c = RandomIndex(n) + 1;
        } while (c == currTestWord || taken(c, i) || confusable(c));
        ansArr[size_t(i)] = c;
    }
    return count;
}

int ClassUnit::FindEnglish(const QString &English) const
{
    for (int i = 1; i <= WordNum(); ++i) {
        if (At(i)->English == English)
            return i;
    }
    return 0;
}

int ClassUnit::AddNewUnit(const ClassUnit &inUnit, WordCategory category)
{
    int result = 0;
    for (CWord *w : inUnit.m_words) {
        if (FindEnglish(w->English))
            continue;
        if (category != WordCategory::All && category != w->Category())
            continue;
        m_words.push_back(w);
        result = WordNum();
    }
    return result;
}

int ClassUnit::AddWord(const QString &English)
{
    const QString w = StripTabsTrim(English);
    if (w.isEmpty())
        return 0;
    if (const int pos = FindEnglish(w))
        return pos;
    CWord *obj = nullptr;
    if (!gDictionary || !gDictionary->SetWord(obj, w))
        return 0;
    m_words.push_back(obj);
    // mostly already so: the word's old text is then not let go
    if (obj->UserEN != w)
        obj->UserEN = w;
    return WordNum();
}

QString ClassUnit::AddSentence(const QString &aLine, const QString &sID)
{
    const QString s = TrimSpaces(aLine);
    if (s.isEmpty() || !s.startsWith(QLatin1Char('*')))
        return QString();
    const QString id = sID + QLatin1Char('-') + QString::number(SentenceNum() + 1);
    auto sentence = std::make_unique<CSentence>();
    sentence->ParseSentence(s, id);
    m_sentences.push_back(std::move(sentence));
    return id;
}

bool ClassUnit::GetWordByEnglish(const QString &English, CWord *&outWord) const
{
    const int pos = FindEnglish(English);
    if (!pos)
        return false;
    outWord = At(pos);
    return true;
}

bool ClassUnit::GetWordByID(int wordID, CWord *&outWord) const
{
    outWord = nullptr;
    return GetWord(wordID, outWord);
}

bool ClassUnit::SetCurrWord(int &Index)
{
    if (Index < 1)
        Index = 1;
    if (Index > WordNum())
        Index = WordNum();
    if (gUser)
        gUser->nLastWord = Index;
    gCurrWord = Index >= 1 ? At(Index) : nullptr;
    return true;
}

bool ClassUnit::GetRandWord()
{
    if (WordNum() == 0)
        return false;
    std::vector<int> unread;
    for (int i = 1; i <= WordNum(); ++i) {
        if (!At(i)->bRandRead)
            unread.push_back(i);
    }
    if (unread.empty())
        return false;
    plat().Randomize();
    const int pos = unread[size_t(RandomIndex(int(unread.size())))];
    if (gUser)
        gUser->nLastWord = pos;
    gCurrWord = At(pos);
    gCurrWord->bRandRead = true;
    return true;
}

bool ClassUnit::GetNextWord(int step)
{
    const int n = WordNum();
    if (n == 0 || !gUser)
        return false;
    if (gUser->bRand)
        return GetRandWord();
    // a position left over from another selection
    const int p = std::clamp(gUser->nLastWord, 1, n);
    gUser->nLastWord = p;
    const int next = p + step;
    if (next < 1 || next > n)
        return false;
    gUser->nLastWord = next;
    gCurrWord = At(next);
    gCurrWord->bRandRead = true;
    return true;
}

int ClassUnit::WrongNum() const
{
    return int(std::count_if(m_words.begin(), m_words.end(), [](const CWord *w) { return w->myTestedStatus == -1; }));
}

int ClassUnit::CorrectNum() const
{
    return int(std::count_if(m_words.begin(), m_words.end(), [](const CWord *w) { return w->myTestedStatus == 1; }));
}

int ClassUnit::UnTestedNum() const
{
    return int(std::count_if(m_words.begin(), m_words.end(),
                             [](const CWord *w) { return w->myTestedStatus == 0 || w->myTestedStatus == 2; }));
}

void ClassUnit::AddNewWord(CWord *iWord)
{
    if (iWord && !FindEnglish(iWord->English))
        m_words.push_back(iWord);
}
