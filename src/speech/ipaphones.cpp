// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ipaphones.h"
#include <QStringList>
#include <array>

namespace {

struct IpaPhone {
    const char16_t *ipa;
    const char *phones;
};

// Longest symbols first: a diphthong or an affricate wins over its parts.
// clang-format off
// British centring diphthongs keep their r, as an American voice says them.
constexpr std::array kTable{
    IpaPhone{u"aɪə", "AY ER"}, IpaPhone{u"aʊə", "AW ER"},
    IpaPhone{u"ɜːr", "ER"},    IpaPhone{u"ɑːr", "AA R"},  IpaPhone{u"ɔːr", "AO R"},
    IpaPhone{u"eɪ", "EY"},     IpaPhone{u"aɪ", "AY"},     IpaPhone{u"ɔɪ", "OY"},
    IpaPhone{u"aʊ", "AW"},     IpaPhone{u"əʊ", "OW"},     IpaPhone{u"oʊ", "OW"},
    IpaPhone{u"ɪə", "IH R"},   IpaPhone{u"eə", "EH R"},   IpaPhone{u"ɛə", "EH R"},
    IpaPhone{u"ʊə", "UH R"},   IpaPhone{u"tʃ", "CH"},     IpaPhone{u"dʒ", "JH"},
    IpaPhone{u"iː", "IY"},     IpaPhone{u"uː", "UW"},     IpaPhone{u"ɑː", "AA"},
    IpaPhone{u"ɔː", "AO"},     IpaPhone{u"ɜː", "ER"},     IpaPhone{u"ər", "ER"},
    IpaPhone{u"ʧ", "CH"},      IpaPhone{u"ʤ", "JH"},      IpaPhone{u"ɚ", "ER"},
    IpaPhone{u"ɝ", "ER"},      IpaPhone{u"æ", "AE"},      IpaPhone{u"ʌ", "AH"},
    IpaPhone{u"ə", "AH"},      IpaPhone{u"ɪ", "IH"},      IpaPhone{u"i", "IY"},
    IpaPhone{u"ʊ", "UH"},      IpaPhone{u"u", "UW"},      IpaPhone{u"e", "EH"},
    IpaPhone{u"ɛ", "EH"},      IpaPhone{u"ɒ", "AA"},      IpaPhone{u"ɔ", "AO"},
    IpaPhone{u"ɑ", "AA"},      IpaPhone{u"ɜ", "ER"},      IpaPhone{u"a", "AE"},
    IpaPhone{u"o", "OW"},      IpaPhone{u"p", "P"},       IpaPhone{u"b", "B"},
    IpaPhone{u"t", "T"},       IpaPhone{u"d", "D"},       IpaPhone{u"k", "K"},
    IpaPhone{u"ɡ", "G"},       IpaPhone{u"g", "G"},       IpaPhone{u"f", "F"},
    IpaPhone{u"v", "V"},       IpaPhone{u"θ", "TH"},      IpaPhone{u"ð", "DH"},
    IpaPhone{u"s", "S"},       IpaPhone{u"z", "Z"},       IpaPhone{u"ʃ", "SH"},
    IpaPhone{u"ʒ", "ZH"},      IpaPhone{u"h", "HH"},      IpaPhone{u"x", "HH"},
    IpaPhone{u"m", "M"},       IpaPhone{u"n", "N"},       IpaPhone{u"ŋ", "NG"},
    IpaPhone{u"l", "L"},       IpaPhone{u"ɫ", "L"},       IpaPhone{u"r", "R"},
    IpaPhone{u"ɹ", "R"},       IpaPhone{u"j", "Y"},       IpaPhone{u"w", "W"},
};
// clang-format on

bool IsVowelPhone(const QString &p)
{
    static const QStringList vowels{"AA", "AE", "AH", "AO", "AW", "AY", "EH", "ER",
                                    "EY", "IH", "IY", "OW", "OY", "UH", "UW"};
    return vowels.contains(p);
}

} // namespace

QString IpaToArpabet(const QString &ipa)
{
    // Only the sounds themselves: stress, syllable and length-free marks go.
    QString s;
    for (const QChar c : ipa) {
        if (c == u'ˈ' || c == u'ˌ' || c == u'/' || c == u'.' || c == u'(' || c == u')' || c == u'['
            || c == u']' || c == u'\'' || c.isSpace())
            continue;
        s += c;
    }
    QStringList phones;
    for (qsizetype i = 0; i < s.size();) {
        bool matched = false;
        for (const IpaPhone &e : kTable) {
            const QStringView sym(e.ipa);
            if (QStringView(s).mid(i).startsWith(sym)) {
                const QStringList ps = QString::fromLatin1(e.phones).split(u' ');
                phones += ps;
                i += sym.size();
                matched = true;
                break;
            }
        }
        if (!matched) {
            // A syllabic mark (U+0329) says the same as the rule below; the
            // length mark after an unpaired vowel and anything unknown add nothing.
            ++i;
        }
    }
    // A syllabic l or n ("ˈæpl", "ˈlɪsn") sounds with a short vowel before it:
    // after a consonant and before another consonant or the end.
    QStringList out;
    for (qsizetype k = 0; k < phones.size(); ++k) {
        const QString &p = phones[k];
        if ((p == u"L" || p == u"N") && k > 0 && !IsVowelPhone(phones[k - 1]) && phones[k - 1] != u"R"
            && phones[k - 1] != u"L" && phones[k - 1] != u"Y" && phones[k - 1] != u"W"
            && (k + 1 == phones.size() || !IsVowelPhone(phones[k + 1]))) {
            out += QStringLiteral("AH");
        }
        out += p;
    }
    return out.join(u' ');
}
