// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "texthelpers.h"
#include "platform/platform.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <utility>

QStringList gUKWords;
QStringList gUSWords;

namespace {

// Start and length of s without its leading and trailing spaces.
std::pair<qsizetype, qsizetype> SpaceTrimmedSpan(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return {b, e - b};
}

// Every dictionary look-up asks for the US spelling, so the list is indexed
// once. The index keeps a shared copy of the lists: any change to them
// detaches, and the cheap identity check below notices it.
struct SpellingIndex {
    QStringList uk, us;
    QHash<QString, QString> map;
    bool built = false;
};

SpellingIndex &Index()
{
    static SpellingIndex *idx = new SpellingIndex; // never destroyed: no exit-order issues
    return *idx;
}

const QHash<QString, QString> &SpellingMap()
{
    SpellingIndex &idx = Index();
    if (idx.built && idx.uk.size() == gUKWords.size() && idx.us.size() == gUSWords.size()
        && idx.uk.constData() == gUKWords.constData() && idx.us.constData() == gUSWords.constData())
        return idx.map;
    idx.uk = gUKWords;
    idx.us = gUSWords;
    idx.map.clear();
    for (qsizetype i = 1; i < gUKWords.size(); ++i) {
        const QString key = TrimSpaces(gUKWords.at(i));
        if (!idx.map.contains(key)) // the first pair listed wins
            idx.map.insert(key, i < gUSWords.size() ? gUSWords.at(i) : QString());
    }
    idx.built = true;
    return idx.map;
}

bool IsAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

} // namespace

QString TrimSpaces(const QString &s)
{
    const auto [start, length] = SpaceTrimmedSpan(s);
    return s.mid(start, length);
}

QStringView TrimSpaces(QStringView s)
{
    const auto [start, length] = SpaceTrimmedSpan(s);
    return s.mid(start, length);
}

QString StripTabsTrim(const QString &s)
{
    QString t = s;
    t.remove(QLatin1Char('\t'));
    return TrimSpaces(t);
}

QString NormalizeWordKey(const QString &word)
{
    QString s = TrimSpaces(word);
    const QString us = UKToUSSpelling(s);
    if (!us.isEmpty())
        s = us;
    if (s.startsWith(QLatin1String("the ")))
        s.remove(QLatin1String("the "));
    s.remove(QLatin1Char('-'));
    s.remove(QLatin1Char(' '));
    s.remove(QLatin1Char('\''));
    s.remove(QLatin1Char('.'));
    return s;
}

QString UKToUSSpelling(const QString &word)
{
    const QHash<QString, QString> &map = SpellingMap();
    auto it = map.constFind(TrimSpaces(word));
    return it == map.constEnd() ? QString() : *it;
}

bool IsValidEnglishWord(QString &word)
{
    word = StripTabsTrim(word);
    if (word.size() > 24)
        return false;
    for (QChar c : std::as_const(word)) { // reading only: a shared word stays shared
        // ASCII only: some non-ASCII letters upper-case to A..Z (dotless i, long s)
        if (!IsAsciiLetter(c) && c != QLatin1Char('.') && c != QLatin1Char(' ')
            && c != QLatin1Char('\'') && c != QLatin1Char('-'))
            return false;
    }
    return true;
}

void ShuffleIndexArray(std::vector<int> &arr)
{
    const int count = int(arr.size());
    if (count == 0)
        return;
    std::vector<char> used(arr.size(), 0);
    for (int i = 0; i < count; ++i) {
        int j = RandomIndex(count);
        while (used[j])
            j = (j + 1) % count;
        used[j] = 1;
        arr[i] = j;
    }
}

void DeleteFileIfExists(const QString &path)
{
    if (path.isEmpty())
        return;
    const QFileInfo fi(path);
    if (fi.isFile() || fi.isSymLink())
        QFile::remove(path);
}

bool ShellOpen(const QString &target)
{
    const bool web = target.startsWith(QLatin1String("http://")) || target.startsWith(QLatin1String("https://"))
                     || target.startsWith(QLatin1String("www."));
    if (plat().ShellOpen(target))
        return true;
    // a machine without a browser or file manager must not fail in silence
    const QString what = web                                       ? QStringLiteral("无法打开网页：")
                         : target.endsWith(QLatin1String(".html")) ? QStringLiteral("无法打开帮助：")
                                                                   : QStringLiteral("无法打开：");
    plat().MsgBox(what + QDir::toNativeSeparators(target), MsgButtons::OK, MsgIcon::Information,
                  QStringLiteral("Tallivo"));
    return false;
}

void SetHandCursor()
{
    plat().SetHandCursor();
}

int RandomIndex(int n)
{
    if (n <= 0)
        return 0;
    const int i = int(plat().Rnd() * n);
    return i < 0 ? 0 : (i >= n ? n - 1 : i);
}
