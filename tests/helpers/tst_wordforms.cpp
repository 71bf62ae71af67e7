// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "helpers/texthelpers.h"
#include "helpers/wordforms.h"
#include "support/testmain.h"

// The example sentence of a word must show the word, also where the sentence
// uses another form of it; the learning window highlights what is found.
class WordFormsTest : public QObject {
    Q_OBJECT
    QStringList m_savedUK, m_savedUS;

private slots:
    void init()
    {
        m_savedUK = gUKWords;
        m_savedUS = gUSWords;
        gUKWords = QStringList{QString(), QStringLiteral("colour"), QStringLiteral("favourite")};
        gUSWords = QStringList{QString(), QStringLiteral("color"), QStringLiteral("favorite")};
    }
    void cleanup()
    {
        gUKWords = m_savedUK;
        gUSWords = m_savedUS;
    }

    void findsTheWordOrAForm_data()
    {
        // clang-format off
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("shown"); // the part of the sentence found, "" for none
        QTest::addRow("as it is") << "I have an apple." << "apple" << "apple";
        QTest::addRow("capital at the start") << "Apples are red." << "apple" << "Apples";
        QTest::addRow("plural -ies") << "We are two families." << "family" << "families";
        QTest::addRow("plural -es") << "Put the boxes here." << "box" << "boxes";
        QTest::addRow("plural -ves") << "The leaves are green." << "leaf" << "leaves";
        QTest::addRow("plural -men") << "Two firemen came." << "fireman" << "firemen";
        QTest::addRow("past -d") << "She liked it." << "like" << "liked";
        QTest::addRow("past -ied") << "He studied hard." << "study" << "studied";
        QTest::addRow("past, consonant doubled") << "The bus stopped." << "stop" << "stopped";
        QTest::addRow("-ing, e dropped") << "I am making a cake." << "make" << "making";
        QTest::addRow("-ing, ie to y") << "The cat is lying there." << "lie" << "lying";
        QTest::addRow("-ing, consonant doubled") << "He is running." << "run" << "running";
        QTest::addRow("comparative") << "My dog is bigger." << "big" << "bigger";
        QTest::addRow("superlative -iest") << "The happiest day." << "happy" << "happiest";
        QTest::addRow("irregular past") << "We went home." << "go" << "went";
        QTest::addRow("irregular plural") << "The children sing." << "child" << "children";
        QTest::addRow("irregular comparative") << "This one is better." << "good" << "better";
        QTest::addRow("British word, American sentence") << "What color is it?" << "colour" << "color";
        QTest::addRow("American word, British plural") << "I like colours." << "color" << "colours";
        QTest::addRow("two parts") << "I get up at seven." << "get up" << "get up";
        QTest::addRow("two parts, first inflected") << "He got up early." << "get up" << "got up";
        QTest::addRow("hyphen against space") << "I like ice-cream." << "ice cream" << "ice-cream";
        QTest::addRow("closed compound") << "An icecream, please." << "ice cream" << "icecream";
        QTest::addRow("hyphenated plural") << "Two T-shirts." << "T-shirt" << "T-shirts";
        QTest::addRow("dot optional") << "Hello, Mr Brown." << "Mr." << "Mr";
        QTest::addRow("dotted word") << "It is 7 a.m. now." << "a.m." << "a.m";
        QTest::addRow("contraction") << "Hi, I'm Ben." << "I" << "I";
        QTest::addRow("possessive") << "It is Tom's cat." << "cat" << "cat";
        QTest::addRow("first of two places") << "A cat and a cat." << "cat" << "cat";
        QTest::addRow("inside another word") << "It is a category." << "cat" << "";
        QTest::addRow("short word, no stray ending") << "The best day." << "be" << "";
        QTest::addRow("one letter, no stray ending") << "This is it." << "I" << "";
        QTest::addRow("parts apart") << "Get the ball up." << "get up" << "";
        QTest::addRow("empty word") << "Anything." << "" << "";
        QTest::addRow("no letters") << "Anything." << "..." << "";
        // clang-format on
    }
    void findsTheWordOrAForm()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, word);
        QFETCH(QString, shown);
        const WordSpan span = FindWordInSentence(sentence, word);
        QCOMPARE(span.found() ? sentence.mid(span.start, span.length) : QString(), shown);
        QCOMPARE(SentenceHasWord(sentence, word), !shown.isEmpty());
    }

    void spanPointsIntoTheSentence()
    {
        const QString s = QStringLiteral("Two cats, three dogs.");
        const WordSpan span = FindWordInSentence(s, QStringLiteral("dog"));
        QCOMPARE(span.start, qsizetype(16));
        QCOMPARE(span.length, qsizetype(4));
    }
};
TALLIVO_TEST(WordFormsTest)
#include "tst_wordforms.moc"
