// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "saygrammar.h"

QString SayToken(const QString &english)
{
    QString t;
    for (const QChar c : english.toLower())
        if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
            t += c;
    return t.isEmpty() ? QString() : QStringLiteral("x_") + t;
}

const QStringList &FillerPhones()
{
    static const QStringList phones{"AA", "AE", "AH", "AO", "AW", "AY", "B", "CH", "D", "DH",
                                    "EH", "ER", "EY", "F", "G", "HH", "IH", "IY", "JH", "K",
                                    "L", "M", "N", "NG", "OW", "OY", "P", "R", "S", "SH",
                                    "T", "TH", "UH", "UW", "V", "W", "Y", "Z", "ZH"};
    return phones;
}

QString FillerToken(const QString &phone)
{
    return QStringLiteral("ph_") + phone.toLower();
}

namespace {

QString Transition(int from, int to, double prob, const QString &word = QString())
{
    QString t = QStringLiteral("TRANSITION %1 %2 %3").arg(from).arg(to).arg(prob, 0, 'g', 6);
    if (!word.isEmpty())
        t += u' ' + word;
    return t + u'\n';
}

QString Phones(int from, int to, double prob)
{
    QString s;
    for (const QString &p : FillerPhones())
        s += Transition(from, to, prob, FillerToken(p));
    return s;
}

QString Fsg(const QString &name, int states, int final, const QString &body)
{
    return QStringLiteral("FSG_BEGIN %1\nNUM_STATES %2\nSTART_STATE 0\nFINAL_STATE %3\n").arg(name).arg(states).arg(final)
           + body + QStringLiteral("FSG_END\n");
}

} // namespace

QString SayGrammar(const QStringList &wordTokens)
{
    QString body;
    QStringList seen;
    for (const QString &t : wordTokens) {
        if (t.isEmpty() || seen.contains(t))
            continue;
        seen += t;
        body += Transition(0, 1, 1.0, t);
    }
    return Fsg(QStringLiteral("say"), 2, 1, body);
}

QString PhoneLoopGrammar()
{
    return Fsg(QStringLiteral("loop"), 2, 1, Phones(0, 1, 1.0) + Phones(1, 1, 1.0));
}
