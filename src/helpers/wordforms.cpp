// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordforms.h"
#include "texthelpers.h"
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <QStringView>

namespace {

struct Token {
    qsizetype start = 0;
    qsizetype length = 0;
    QString lower;
};

bool IsLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

// Runs of ASCII letters; everything else (spaces, hyphens, apostrophes,
// dots, digits) separates them, so "T-shirt" and "T shirt", "Mr." and "Mr",
// "I'm" and "I" meet.
QList<Token> Tokens(const QString &text)
{
    QList<Token> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        while (i < n && !IsLetter(text.at(i)))
            ++i;
        const qsizetype b = i;
        while (i < n && IsLetter(text.at(i)))
            ++i;
        if (i > b)
            out << Token{b, i - b, text.mid(b, i - b).toLower()};
    }
    return out;
}

// Forms the regular rules cannot make.
const QHash<QString, QStringList> &IrregularForms()
{
    static const QHash<QString, QStringList> *forms = [] {
        auto *h = new QHash<QString, QStringList>;
        // clang-format off
        const char *const table[] = {
            // verbs
            "be am is are was were been being", "have has had having", "do does did done doing",
            "go goes went gone going", "come came", "become became", "eat ate eaten", "drink drank drunk",
            "see saw seen", "take took taken", "make made", "get got gotten", "give gave given",
            "forgive forgave forgiven", "know knew known", "think thought", "buy bought", "bring brought",
            "catch caught", "teach taught", "fight fought", "find found", "feel felt", "keep kept",
            "sleep slept", "sweep swept", "leave left", "meet met", "write wrote written", "ride rode ridden",
            "drive drove driven", "run ran", "swim swam swum", "sing sang sung", "ring rang rung",
            "begin began begun", "sit sat", "stand stood", "understand understood", "tell told",
            "sell sold", "say said", "pay paid", "lay laid", "hear heard", "wear wore worn", "tear tore torn",
            "speak spoke spoken", "break broke broken", "choose chose chosen", "wake woke woken",
            "steal stole stolen", "forget forgot forgotten", "fly flew flown", "draw drew drawn",
            "grow grew grown", "throw threw thrown", "blow blew blown", "show shown", "fall fell fallen",
            "hold held", "win won", "lose lost", "spend spent", "send sent", "build built", "lend lent",
            "bend bent", "mean meant", "learn learnt", "dream dreamt", "smell smelt", "spell spelt",
            "burn burnt", "beat beaten", "bite bit bitten", "hide hid hidden", "shake shook shaken",
            "lie lay lain lying", "die dying", "tie tying", "light lit", "feed fed", "lead led", "shoot shot",
            "dig dug", "stick stuck", "hang hung", "swing swung", "rise rose risen", "freeze froze frozen",
            "shine shone", "deal dealt", "can could", "will would", "shall should", "may might",
            "wind wound", "strike struck", "sink sank sunk", "spin spun", "slide slid", "bleed bled",
            "flee fled", "hurt", "cut", "put", "let", "set", "shut", "hit", "cost", "quit", "read",
            "upset", "spread", "fit",
            // nouns
            "man men", "woman women", "child children", "person people", "foot feet", "tooth teeth",
            "goose geese", "mouse mice", "ox oxen", "potato potatoes", "tomato tomatoes", "hero heroes",
            // adjectives and adverbs
            "good better best", "well better best", "bad worse worst", "ill worse worst",
            "many more most", "much more most", "little less least", "far farther further farthest furthest",
            "old elder eldest",
            // pronouns and articles
            "i me my mine myself", "you your yours yourself yourselves", "he him his himself",
            "she her hers herself", "it its itself", "we us our ours ourselves",
            "they them their theirs themselves", "a an", "this these", "that those",
        };
        // clang-format on
        for (const char *row : table) {
            QStringList parts = QString::fromLatin1(row).split(QLatin1Char(' '));
            const QString base = parts.takeFirst();
            (*h)[base] << parts;
        }
        return h;
    }();
    return *forms;
}

bool IsVowel(QChar c)
{
    return QStringView(u"aeiou").contains(c);
}

// The regular inflections of a lower-case word, the word itself first.
// Words of one or two letters get only -s and -ing: "be" is not in "best".
QSet<QString> RegularForms(const QString &b)
{
    const qsizetype n = b.size();
    QSet<QString> f{b};
    if (n == 0)
        return f;
    if (n > 1)
        f << b + "s" << b + "ing";
    if (n <= 2)
        return f;
    const QChar last = b.at(n - 1);
    f << b + "es" << b + "ed" << b + "er" << b + "est";
    if (last == QLatin1Char('e'))
        f << b + "d" << b + "r" << b + "st" << b.left(n - 1) + "ing";
    if (last == QLatin1Char('y') && !IsVowel(b.at(n - 2))) {
        const QString stem = b.left(n - 1);
        for (const char *s : {"ies", "ied", "ier", "iest"})
            f << stem + QLatin1String(s);
    }
    if (b.endsWith(QLatin1String("ie")))
        f << b.left(n - 2) + "ying";
    if (last == QLatin1Char('f'))
        f << b.left(n - 1) + "ves";
    if (b.endsWith(QLatin1String("fe")))
        f << b.left(n - 2) + "ves";
    if (b.endsWith(QLatin1String("man")))
        f << b.left(n - 3) + "men";
    // stop -> stopped, run -> running, big -> bigger
    if (!IsVowel(last) && !QStringView(u"wxy").contains(last))
        for (const char *s : {"ed", "ing", "er", "est"})
            f << b + last + QLatin1String(s);
    // picnic -> picnicked
    if (last == QLatin1Char('c'))
        f << b + "ked" << b + "king";
    return f;
}

// A token and its other spelling from the UK-US list, lower case.
QStringList Spellings(const QString &lower)
{
    QStringList out{lower};
    for (qsizetype i = 1; i < gUKWords.size() && i < gUSWords.size(); ++i) {
        const QString uk = TrimSpaces(gUKWords.at(i)).toLower();
        const QString us = TrimSpaces(gUSWords.at(i)).toLower();
        if (uk.isEmpty() || us.isEmpty())
            continue;
        if (uk == lower && !out.contains(us))
            out << us;
        else if (us == lower && !out.contains(uk))
            out << uk;
    }
    return out;
}

QSet<QString> FormsOf(const QString &lower)
{
    QSet<QString> forms;
    for (const QString &spelling : Spellings(lower)) {
        forms.unite(RegularForms(spelling));
        const auto it = IrregularForms().constFind(spelling);
        if (it != IrregularForms().constEnd())
            for (const QString &form : *it)
                forms << form;
    }
    return forms;
}

} // namespace

WordSpan FindWordInSentence(const QString &sentence, const QString &word)
{
    const QList<Token> parts = Tokens(word);
    if (parts.isEmpty())
        return {};
    const QList<Token> said = Tokens(sentence);
    QList<QSet<QString>> forms;
    for (const Token &p : parts)
        forms << FormsOf(p.lower);
    // a closed compound in the sentence ("icecream") for a word of parts
    QSet<QString> joined;
    if (parts.size() > 1) {
        QString all;
        for (const Token &p : parts)
            all += p.lower;
        joined = FormsOf(all);
    }
    for (qsizetype i = 0; i < said.size(); ++i) {
        if (!joined.isEmpty() && joined.contains(said.at(i).lower))
            return {said.at(i).start, said.at(i).length};
        if (i + parts.size() > said.size())
            continue;
        bool all = true;
        for (qsizetype k = 0; k < parts.size() && all; ++k)
            all = forms.at(k).contains(said.at(i + k).lower);
        if (all) {
            const Token &end = said.at(i + parts.size() - 1);
            return {said.at(i).start, end.start + end.length - said.at(i).start};
        }
    }
    return {};
}
