// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cword.h"
#include "classdbsubarrwords.h"
#include "classuser.h"
#include "globals.h"
#include "scoring.h"
#include "wbtext.h"
#include "sound/classplaysound.h"
#include <QStringList>
#include <QStringTokenizer>
#include <algorithm>
#include <charconv>
#include <climits>

namespace {
constexpr int kMarkLength = 5;
constexpr int kStatusOffset = 100;

QString NormalizedMark(const QString &mark)
{
    if (mark.size() == kMarkLength)
        return mark;
    if (mark.size() > kMarkLength)
        return mark.left(kMarkLength);
    return mark + QString(kMarkLength - mark.size(), QLatin1Char('0'));
}
} // namespace

void CWord::InitMe()
{
    UserEN.clear();
    English.clear();
    DetailCH.clear();
    Chinese.clear();
    Sound.clear();
    SentenceEN.clear();
    SentenceCH.clear();
    iTestResult = 0;
    NewWordMark = QStringLiteral("00000");
}

bool CWord::IsNewWord(int nNewBookID) const
{
    if (nNewBookID < 1 || nNewBookID > kMarkLength || nNewBookID > NewWordMark.size())
        return false;
    return NewWordMark.at(nNewBookID - 1) == QLatin1Char('1');
}

void CWord::SetNewWord(int nNewBookID, bool bNewWord)
{
    if (nNewBookID < 1 || nNewBookID > kMarkLength)
        return;
    QString mark = NormalizedMark(NewWordMark);
    mark[nNewBookID - 1] = bNewWord ? QLatin1Char('1') : QLatin1Char('0');
    NewWordMark = mark;
}

QString CWord::GetStatus() const
{
    return CategoryLabel(Category());
}

void CWord::SetStatus(int tResult)
{
    SetStatus(tResult, gTestMode);
}

void CWord::SetStatus(int tResult, int testMode)
{
    if (tResult != 1) {
        // the score is a 16-bit value in the profile's world
        iTestResult = std::max(iTestResult - 2, int(SHRT_MIN));
        myTestedStatus = tResult;
    } else if (myTestedStatus == 0) {
        iTestResult = std::min(iTestResult + 1, int(SHRT_MAX));
        myTestedStatus = 1;
        if (gUser)
            gUser->myScore = scoring::AddClamped(gUser->myScore, scoring::PointsForRight(testMode, scoring::SpelledLetters(UserEN, English)));
    }
}

bool CWord::ParseTextFromDictFile(const QString &aLineText)
{
    // views, not a list of copies: the dictionary has many thousand lines
    QStringView f[6];
    int n = 0;
    for (QStringView field : QStringTokenizer(aLineText, u'\t')) {
        if (n == 6)
            return false; // a seventh field
        f[n++] = field;
    }
    // five fields, a sixth is tolerated
    if (n < 5)
        return false;
    InitMe();
    UserEN = TrimSpaces(f[0]).toString();
    English = TrimSpaces(f[1]).toString();
    DetailCH = TrimSpaces(f[2]).toString();
    Chinese = TrimSpaces(f[3]).toString();
    const QStringView sound = TrimSpaces(f[4]);
    if (sound != QLatin1String("0")) {
        Sound.reserve(sound.size() + 4);
        Sound += QLatin1String("/ ");
        Sound += sound;
        Sound += QLatin1String(" /");
    }
    return true;
}

QString CWord::DicWordToStr() const
{
    const QChar tab = QLatin1Char('\t');
    return UserEN + tab + English + tab + DetailCH + tab + Chinese + tab + Sound + tab;
}

void CWord::CopyWord(const CWord &srcWord)
{
    UserEN = srcWord.UserEN;
    English = srcWord.English;
    DetailCH = srcWord.DetailCH;
    Chinese = srcWord.Chinese;
    Sound = srcWord.Sound;
    SentenceEN = srcWord.SentenceEN;
    SentenceCH = srcWord.SentenceCH;
}

bool CWord::StatusFromStr(QStringView strStatus)
{
    const qsizetype hash = strStatus.indexOf(QLatin1Char('#'));
    if (strStatus.size() <= 2 || hash < 0)
        return false;
    iTestResult = int(std::clamp<qint64>(qint64(ValInt(strStatus.left(hash))) - kStatusOffset, SHRT_MIN, SHRT_MAX));
    // exactly two pieces: the second is the mark
    const QStringView mark = strStatus.mid(hash + 1);
    if (mark.indexOf(QLatin1Char('#')) < 0) {
        // a whole mark that is already the word's costs no copy
        if (mark.size() != kMarkLength || QStringView(NewWordMark.Text()) != mark)
            NewWordMark = NormalizedMark(mark.toString());
    }
    return true;
}

QString CWord::StatusToStr() const
{
    QString out;
    AppendStatus(out);
    return out;
}

void CWord::AppendStatus(QString &out) const
{
    if (!HasProgress())
        return;
    // below -99 the offset number would carry a "-", the item separator of
    // the word-status text
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::max(int(iTestResult), -99) + kStatusOffset).ptr;
    out += QLatin1StringView(digits, end - digits);
    out += QLatin1Char('#');
    out += NewWordMark;
}

void WordSlot::Changed() const
{
    if (bucket)
        bucket->NoteProgress(index);
}

void CWord::ReadMe(int nReadtime, bool bAsync) const
{
    GetPlaySound()->ReadEnglishWord(English, nReadtime, bAsync);
}

void CWord::ReadSentence(bool bAsync) const
{
    GetPlaySound()->ReadSentence(English, bAsync);
}
