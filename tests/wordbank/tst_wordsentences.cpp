// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The example sentences of the words: read from their own file into the
// dictionary's words, so every unit that lists a word shows its sentence.
#include "support/testmain.h"
#include "wbenv.h"
#include "wordbank/classunit.h"
#include "wordbank/wordsentences.h"

namespace {

QString SentenceFile(const QStringList &lines)
{
    return QString::fromLatin1(kWordSentenceHeader) + wbfix::kCrLf + lines.join(wbfix::kCrLf) + wbfix::kCrLf;
}

struct Given {
    QString english, chinese;
};

Given SentenceOf(const QString &spelling)
{
    CWord *w = WordBankEnv::Word(spelling);
    return w ? Given{w->SentenceEN, w->SentenceCH} : Given{QStringLiteral("<no word>"), QString()};
}

} // namespace

class TestWordSentences : public QObject {
    Q_OBJECT
private slots:
    void wordsGetTheirSentences()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.dir.writeEnvelopedText(
            QStringLiteral("dat/sentences.dat"),
            SentenceFile({QStringLiteral("apple\tI like apples. \t 我喜欢苹果。"),
                          QStringLiteral("icecream\tAn ice-cream, please.\t请给我一个冰淇淋。"),
                          QStringLiteral("color\tWhat colour is it?\t它是什么颜色的？"),
                          QStringLiteral("GreatWall\tWe visit the Great Wall.\t我们参观长城。")})));
        QCOMPARE(LoadWordSentences(*gDictionary), 4);
        QCOMPARE(SentenceOf(QStringLiteral("apple")).english, QStringLiteral("I like apples."));
        QCOMPARE(SentenceOf(QStringLiteral("apple")).chinese, QStringLiteral("我喜欢苹果。"));
        QCOMPARE(SentenceOf(QStringLiteral("ice-cream")).english, QStringLiteral("An ice-cream, please."));
        QCOMPARE(SentenceOf(QStringLiteral("Colour")).chinese, QStringLiteral("它是什么颜色的？"));
        QCOMPARE(SentenceOf(QStringLiteral("the Great Wall")).english, QStringLiteral("We visit the Great Wall."));
        QCOMPARE(SentenceOf(QStringLiteral("cat")).english, QString()); // not named: none

        // the unit holds the dictionary's own word, sentence and all
        CSeries *series = WordBankEnv::Loaded(1);
        QVERIFY(series);
        ClassUnit *unit = WordBankEnv::Unit(1, 1, 1);
        QVERIFY(unit);
        CWord *first = nullptr;
        QVERIFY(unit->GetWord(1, first));
        QCOMPARE(first->SentenceEN, QStringLiteral("I like apples."));
    }

    void badLinesAreSkipped_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addRow("no Chinese field") << "cat\tThe cat is small.";
        QTest::addRow("a fourth field") << "cat\tThe cat is small.\t猫很小。\textra";
        QTest::addRow("empty English") << "cat\t \t猫很小。";
        QTest::addRow("empty Chinese") << "cat\tThe cat is small.\t  ";
        QTest::addRow("empty key") << "\tThe cat is small.\t猫很小。";
        QTest::addRow("unknown word") << "kitten\tThe kitten is small.\t小猫很小。";
    }
    void badLinesAreSkipped()
    {
        QFETCH(QString, line);
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.dir.writeEnvelopedText(QStringLiteral("dat/sentences.dat"),
                                           SentenceFile({line, QStringLiteral("dog\tThe dog runs.\t狗在跑。")})));
        QCOMPARE(LoadWordSentences(*gDictionary), 1); // the good line after it still counts
        QCOMPARE(SentenceOf(QStringLiteral("cat")).english, QString());
        QCOMPARE(SentenceOf(QStringLiteral("dog")).english, QStringLiteral("The dog runs."));
    }

    void firstLineForAWordWins()
    {
        WordBankEnv env;
        QVERIFY(env.Load());
        QVERIFY(env.dir.writeEnvelopedText(QStringLiteral("dat/sentences.dat"),
                                           SentenceFile({QStringLiteral("cat\tThe cat is small.\t猫很小。"),
                                                         QStringLiteral("CAT\tA big cat.\t一只大猫。")})));
        QCOMPARE(LoadWordSentences(*gDictionary), 1);
        QCOMPARE(SentenceOf(QStringLiteral("cat")).english, QStringLiteral("The cat is small."));
        // loading again gives the same, not a second sentence
        QCOMPARE(LoadWordSentences(*gDictionary), 1);
        QCOMPARE(SentenceOf(QStringLiteral("cat")).english, QStringLiteral("The cat is small."));
    }

    void fileThatCannotBeUsedGivesNone_data()
    {
        QTest::addColumn<QString>("clear"); // "" = no file
        QTest::addRow("missing") << "";
        QTest::addRow("no header") << "cat\tThe cat is small.\t猫很小。\r\n";
        QTest::addRow("the dictionary's header") << "$KELVAN DIC98\r\ncat\tThe cat is small.\t猫很小。\r\n";
    }
    void fileThatCannotBeUsedGivesNone()
    {
        QFETCH(QString, clear);
        WordBankEnv env;
        QVERIFY(env.Load());
        if (!clear.isEmpty())
            QVERIFY(env.dir.writeEnvelopedText(QStringLiteral("dat/sentences.dat"), clear));
        QCOMPARE(LoadWordSentences(*gDictionary), -1);
        QCOMPARE(SentenceOf(QStringLiteral("cat")).english, QString());
        QVERIFY(env.fake->msgBoxes.isEmpty()); // the program goes on without sentences, silently
    }
};
TALLIVO_TEST(TestWordSentences)
#include "tst_wordsentences.moc"
