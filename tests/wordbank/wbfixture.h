// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A tiny installation for the word-bank tests: an enveloped dictionary and
// word bank, the spelling list and a user word-book file, written into a
// TempAppDir. Header-only so the app tests can build the same folder.
#include "support/fixture.h"
#include <QString>
#include <QStringList>

namespace wbfix {

inline const QString kCrLf = QStringLiteral("\r\n");
inline const QString kSeries1 = QStringLiteral("Tallivo 小学英语");
inline const QString kSeries2 = QStringLiteral("Second Series");

// display TAB key TAB detail TAB short TAB transcription
inline QStringList DictEntries()
{
    return {
        QStringLiteral("apple\tapple\tn. 苹果\t苹果\tˈæpl"),
        QStringLiteral("banana\tbanana\tn. 香蕉\t香蕉\tbəˈnɑːnə"),
        QStringLiteral("cat\tcat\tn. 猫\t猫\tkæt"),
        QStringLiteral("dog\tdog\tn. 狗\t狗\tdɒɡ"),
        QStringLiteral("egg\tegg\tn. 蛋\t蛋\teɡ"),
        QStringLiteral("ice-cream\ticecream\tn. 冰淇淋\t冰淇淋\tˌaɪs ˈkriːm"),
        QStringLiteral("color\tcolor\tn. 颜色\t颜色\tˈkʌlə"),
        QStringLiteral("Mr.\tMr\t先生\t先生\tˈmɪstə"),
        QStringLiteral("o'clock\toclock\t……点钟\t点钟\t0"),
        QStringLiteral("the Great Wall\tGreatWall\t长城\t长城\tðə ˌɡreɪt ˈwɔːl"),
        QStringLiteral("red\tred\tadj. 红色的\t红色\tred"),
        QStringLiteral("blue\tblue\tadj. 蓝色的\t蓝色\tbluː"),
        QStringLiteral("green\tgreen\tadj. 绿色的\t绿色\tɡriːn"),
        QStringLiteral("pen\tpen\tn. 钢笔\t钢笔\tpen"),
        QStringLiteral("book\tbook\tn. 书\t书\tbʊk"),
        QStringLiteral("ruler\truler\tn. 尺子\t尺子\tˈruːlə"),
        QStringLiteral("bag\tbag\tn. 书包\t书包\tbæɡ"),
        QStringLiteral("desk\tdesk\tn. 书桌\t书桌\tdesk"),
        QStringLiteral("chair\tchair\tn. 椅子\t椅子\ttʃeə"),
        QStringLiteral("door\tdoor\tn. 门\t门\tdɔː"),
        QStringLiteral("window\twindow\tn. 窗户\t窗户\tˈwɪndəʊ"),
        QStringLiteral("bird\tbird\tn. 鸟\t鸟\tbɜːd"),
        QStringLiteral("fish\tfish\tn. 鱼\t鱼\tfɪʃ"),
        QStringLiteral("duck\tduck\tn. 鸭子\t鸭子\tdʌk"),
        QStringLiteral("horse\thorse\tn. 马\t马\thɔːs"),
        QStringLiteral("cow\tcow\tn. 奶牛\t奶牛\tkaʊ"),
        QStringLiteral("pig\tpig\tn. 猪\t猪\tpɪɡ"),
    };
}

inline QString DictText(const QStringList &entries)
{
    return QStringLiteral("$KELVAN DIC98\r\ntest 1.0\r\nr1\r\nr2\r\nr3\r\n") + entries.join(kCrLf) + kCrLf;
}

// Book One: units 1..4 (unit 3 has 12 words); Book Two: a unit named with
// a hyphen; a second series with one book.
inline QStringList WordBankBody()
{
    return {
        QStringLiteral("@") + kSeries1,
        QStringLiteral("!小学三至六年级"),
        QStringLiteral("%Book One"),
        QStringLiteral("#Unit 1"),
        QStringLiteral("apple"),
        QStringLiteral("banana"),
        QStringLiteral("cat"),
        QStringLiteral("*\tI like apples.\t我喜欢苹果。"),
        QStringLiteral("*\tThe cat is small.\t猫很小。"),
        QStringLiteral("#Unit 2"),
        QStringLiteral("dog"),
        QStringLiteral("egg"),
        QStringLiteral("ice-cream"),
        QStringLiteral("Colour"),
        QStringLiteral("#Unit 3"),
        QStringLiteral("red"),
        QStringLiteral("blue"),
        QStringLiteral("green"),
        QStringLiteral("pen"),
        QStringLiteral("book"),
        QStringLiteral("ruler"),
        QStringLiteral("bag"),
        QStringLiteral("desk"),
        QStringLiteral("chair"),
        QStringLiteral("door"),
        QStringLiteral("window"),
        QStringLiteral("bird"),
        QStringLiteral("#Unit 4"),
        QStringLiteral("fish"),
        QStringLiteral("duck"),
        QStringLiteral("horse"),
        QStringLiteral("cow"),
        QStringLiteral("pig"),
        QStringLiteral("apple"),
        QStringLiteral("%Book Two"),
        QStringLiteral("#Lesson 1-2"),
        QStringLiteral("Mr."),
        QStringLiteral("o'clock"),
        QStringLiteral("@") + kSeries2,
        QStringLiteral("!second"),
        QStringLiteral("%Book A"),
        QStringLiteral("#Unit 1"),
        QStringLiteral("the Great Wall"),
        QStringLiteral("pig"),
    };
}

inline QString WordBankText(const QStringList &body)
{
    return QStringLiteral("$ KELVAN VOCATRIX98 WORDBANK\r\nwb 1.0\r\n") + body.join(kCrLf) + kCrLf;
}

inline QString SpellingText()
{
    return QStringLiteral("Colour\tColor\r\nnot a pair\r\nFavourite\tFavorite\r\n");
}

// A user word-book file as the program writes it: keys, blank lines around books.
inline QString UserBookText()
{
    return QStringLiteral("@我的词库\r\n@2024/5/1\r\n\r\n%My Book\r\n\r\n#Unit 1\r\napple\r\nicecream\r\n\r\n\r\n");
}

struct Install {
    QStringList dict = DictEntries();
    QStringList bank = WordBankBody();
    bool spellings = true;
    bool userBook = false;
};

inline bool Write(const TempAppDir &dir, const Install &what = Install())
{
    bool ok = dir.writeEnvelopedText(QStringLiteral("dat/sysdic.dic"), DictText(what.dict))
              && dir.writeEnvelopedText(QStringLiteral("dat/twb.ck"), WordBankText(what.bank));
    if (what.spellings)
        ok = dir.writeText(QStringLiteral("dat/UK2USA.txt"), SpellingText()) && ok;
    if (what.userBook)
        ok = dir.writeText(QStringLiteral("usrdat/uDRW90.UCK"), UserBookText()) && ok;
    return ok;
}

} // namespace wbfix
