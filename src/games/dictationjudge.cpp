// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/dictationjudge.h"
#include "helpers/texthelpers.h"
#include <QRegularExpression>

namespace DictationJudge {

QString Plain(const QString &typed)
{
    QString s = typed;
    for (QChar &c : s) {
        const char16_t u = c.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            c = QChar(char16_t(u - 0xFEE0));
        else if (u == 0x3000)
            c = u' ';
        else if (u == 0x2018 || u == 0x2019 || u == 0x201B || u == 0x02BC || u == 0x2032)
            c = u'\'';
    }
    return s.trimmed();
}

Verdict Judge(const QString &typed, const QString &answer)
{
    const QString t = Plain(typed);
    if (t.isEmpty())
        return Verdict::Empty;
    return t == Plain(StripTabsTrim(answer)) ? Verdict::Right : Verdict::Wrong;
}

QString HideWord(const QString &meaning, const QString &word)
{
    const QString w = Plain(word);
    if (w.isEmpty())
        return meaning;
    QString pattern = QRegularExpression::escape(w);
    // "a" or "an" inside other words is no give-away
    if (w.size() < 3)
        pattern = QStringLiteral("(?<![A-Za-z])") + pattern + QStringLiteral("(?![A-Za-z])");
    QString out = meaning;
    out.replace(QRegularExpression(pattern, QRegularExpression::CaseInsensitiveOption), kHidden);
    return out;
}

} // namespace DictationJudge
