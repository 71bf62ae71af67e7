// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "games/arrangeboard.h"
#include "games/dictationjudge.h"
#include "games/fillinround.h"
#include "support/testmain.h"
#include <QFont>
#include <QFontMetrics>
#include <QQueue>
#include <random>

Q_DECLARE_METATYPE(QList<int>)

namespace {

// A random source that hands out the given values, then 0.99.
struct Script {
    QQueue<double> values;
    int drawn = 0;
    explicit Script(const QList<double> &v = {})
    {
        for (double x : v)
            values.enqueue(x);
    }
    FillInRound::Rnd fn()
    {
        return [this] {
            ++drawn;
            return values.isEmpty() ? 0.99 : values.dequeue();
        };
    }
};

// Letters standing at the given lefts on one top line.
QList<QRect> Row(const QList<int> &lefts, const QList<int> &widths, int height = 60, QList<int> tops = {})
{
    QList<QRect> r;
    for (int i = 0; i < lefts.size(); ++i)
        r << QRect(lefts[i], i < tops.size() ? tops[i] : 100, widths[i], height);
    return r;
}

// Letter widths of a word as the arranging board draws them.
QList<int> WidthsAt48(const QString &word)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(48);
    const QFontMetrics fm(f);
    QList<int> w;
    for (QChar c : word)
        w << fm.horizontalAdvance(c);
    return w;
}

// Lefts of letters laid edge to edge from x.
QList<int> Packed(const QList<int> &widths, int x = 80)
{
    QList<int> lefts;
    for (int w : widths) {
        lefts << x;
        x += w;
    }
    return lefts;
}

} // namespace

class TestLetterRules : public QObject {
    Q_OBJECT
private slots:
    void gaps_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QList<double>>("rnd");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("draws");
        QTest::addRow("cat, first letter") << "cat" << QList<double>{0.2, 0.7} << "_at" << 2;
        QTest::addRow("cat, both before the last") << "cat" << QList<double>{0.0, 0.4} << "__t" << 2;
        QTest::addRow("cat, none: the last letter") << "cat" << QList<double>{0.5, 0.9} << "ca_" << 2;
        QTest::addRow("Mr., none: the r, not the dot") << "Mr." << QList<double>{0.9, 0.9} << "M_." << 2;
        QTest::addRow("p.m., dots never drawn for") << "p.m." << QList<double>{0.9, 0.1} << "p._." << 2;
        QTest::addRow("p.m., none: the m") << "p.m." << QList<double>{0.9, 0.9} << "p._." << 2;
        QTest::addRow("ice-cream, hyphen skipped") << "ice-cream" << QList<double>{0.9, 0.9, 0.9, 0.1, 0.9, 0.9, 0.9, 0.9}
                                                   << "ice-_ream" << 7;
        QTest::addRow("T-shirt, none: the t") << "T-shirt" << QList<double>{0.9, 0.9, 0.9, 0.9, 0.9} << "T-shir_" << 5;
        QTest::addRow("o'clock, apostrophe skipped") << "o'clock" << QList<double>{0.9, 0.0, 0.9, 0.9, 0.9}
                                                     << "o'_lock" << 5;
        QTest::addRow("the Great Wall, blanks skipped")
            << "the Great Wall" << QList<double>{0.9, 0.9, 0.9, 0.1, 0.9, 0.9, 0.9, 0.9, 0.1, 0.9, 0.9} << "the _reat _all"
            << 11;
        QTest::addRow("I: the one letter") << "I" << QList<double>{} << "_" << 0;
        QTest::addRow("ten letters: three at most, draws go on")
            << "basketball" << QList<double>{0.1, 0.1, 0.9, 0.1, 0.1, 0.1, 0.1, 0.1, 0.1} << "__s_etball" << 9;
    }
    void gaps()
    {
        QFETCH(QString, word);
        QFETCH(QList<double>, rnd);
        QFETCH(QString, shown);
        QFETCH(int, draws);
        Script s(rnd);
        FillInRound round;
        round.SetWord(word, FillInRound::PickGaps(word, s.fn()));
        QCOMPARE(round.Shown(), shown);
        QCOMPARE(s.drawn, draws);
    }

    void earlyLettersMoreLikely()
    {
        // over many words, gaps fall on the first letters more often
        std::mt19937 gen(7);
        std::uniform_real_distribution<double> d(0, 1);
        FillInRound::Rnd rnd = [&] { return d(gen); };
        int first = 0, ninth = 0;
        for (int i = 0; i < 2000; ++i) {
            const QList<int> gaps = FillInRound::PickGaps(QStringLiteral("basketball"), rnd);
            QVERIFY(gaps.size() >= 1 && gaps.size() <= 3);
            first += gaps.contains(0);
            ninth += gaps.contains(8);
        }
        QVERIFY2(first > 2 * ninth, qPrintable(QStringLiteral("%1 vs %2").arg(first).arg(ninth)));
    }

    void choices_data()
    {
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QList<double>>("rnd");
        QTest::addColumn<QString>("choices");
        QTest::addRow("A: capitals") << "A" << QList<double>{0.1, 0.2, 0.3, 0.4, 0.5} << "CFAK";
        QTest::addRow("a: small letters") << "a" << QList<double>{0.1, 0.2, 0.3, 0.4, 0.0} << "afhk";
        // repeats and the right letter are drawn again; the right one goes last
        QTest::addRow("redraws") << "a" << QList<double>{0.0, 0.1, 0.1, 0.01, 0.2, 0.3, 0.99, 0.99} << "cfha";
    }
    void choices()
    {
        QFETCH(QString, correct);
        QFETCH(QList<double>, rnd);
        QFETCH(QString, choices);
        Script s(rnd);
        const QString got = FillInRound::PickChoices(correct.at(0), s.fn());
        QCOMPARE(got, choices);
    }

    void choicesAlwaysFourDistinct_data()
    {
        QTest::addColumn<QString>("correct");
        QTest::addRow("A") << "A";
        QTest::addRow("a") << "a";
        QTest::addRow("Z") << "Z";
    }
    void choicesAlwaysFourDistinct()
    {
        QFETCH(QString, correct);
        const QChar c = correct.at(0);
        std::mt19937 gen(11);
        std::uniform_real_distribution<double> d(0, 1);
        for (int i = 0; i < 300; ++i) {
            const QString ch = FillInRound::PickChoices(c, [&] { return d(gen); });
            QCOMPARE(ch.size(), 4);
            QCOMPARE(ch.count(c), 1);
            for (QChar x : ch) {
                QCOMPARE(x.isUpper(), c.isUpper());
                QCOMPARE(ch.count(x), 1);
            }
        }
        // a stuck source still gives an answer
        const QString stuck = FillInRound::PickChoices(c, [] { return 0.0; });
        QCOMPARE(stuck.size(), 4);
        QCOMPARE(stuck.count(c), 1);
    }

    void clicksAndKeys()
    {
        FillInRound r;
        QCOMPARE(r.Key('c'), FillInRound::Outcome::Ignored);
        r.SetWord(QStringLiteral("cat"), {0, 1});
        QCOMPARE(r.Shown(), QStringLiteral("__t"));
        QCOMPARE(r.Choose(1), FillInRound::Outcome::Ignored); // not open yet
        // choices "b d e f" with the right one in slot 2
        Script s({0.04, 0.12, 0.16, 0.2, 0.3});
        QVERIFY(r.Prepare(s.fn()));
        QCOMPARE(r.Choices(), QStringLiteral("bcef"));
        QCOMPARE(r.Correct(), QChar(u'c'));
        QCOMPARE(r.Key('C'), FillInRound::Outcome::Ignored); // case matters
        QCOMPARE(r.Key('x'), FillInRound::Outcome::Ignored); // not offered
        QCOMPARE(r.Key('e'), FillInRound::Outcome::Wrong);
        QVERIFY(r.IsOpen());
        QCOMPARE(r.Choose(2), FillInRound::Outcome::Filled);
        QVERIFY(!r.IsOpen());
        QCOMPARE(r.Key('a'), FillInRound::Outcome::Ignored); // closed until the next gap
        QCOMPARE(r.Shown(), QStringLiteral("c_t"));
        Script s2({0.5, 0.6, 0.7, 0.8, 0.0});
        QVERIFY(r.Prepare(s2.fn()));
        QCOMPARE(r.GapPosition(), 1);
        QCOMPARE(r.Key('a'), FillInRound::Outcome::WordComplete);
        QCOMPARE(r.Shown(), QStringLiteral("cat"));
        QVERIFY(!r.Prepare(s2.fn()));
        QCOMPARE(r.Key('a'), FillInRound::Outcome::Ignored);
    }

    void board()
    {
        const ArrangeBoard b(QSize(1000, 640), QSize(70, 80));
        QCOMPARE(b.Columns(), 13);
        QCOMPARE(b.Rows(), 7);
        QCOMPARE(b.FreeCells(), 90);
        QCOMPARE(b.CellPos(0), QPoint(70, 80));
        QCOMPARE(b.CellPos(14), QPoint(140, 160));
        QVERIFY(b.Fits(90));
        QVERIFY(!b.Fits(91));
        QVERIFY(b.Deal(91, [] { return 0.0; }).isEmpty());
        QCOMPARE(ArrangeBoard(QSize(100, 100), QSize(0, 0)).FreeCells(), 0);
    }

    void deal_data()
    {
        QTest::addColumn<QList<double>>("rnd");
        QTest::addColumn<QList<int>>("cells");
        QTest::addRow("distinct draws") << QList<double>{0.0, 0.5, 0.999, 0.1, 0.2} << QList<int>{1, 46, 90, 10, 19};
        QTest::addRow("a taken cell is drawn again") << QList<double>{0.3, 0.3, 0.3, 0.6} << QList<int>{28, 55};
    }
    void deal()
    {
        QFETCH(QList<double>, rnd);
        QFETCH(QList<int>, cells);
        Script s(rnd);
        const ArrangeBoard b(QSize(1000, 640), QSize(70, 80));
        QCOMPARE(b.Deal(int(cells.size()), s.fn()), cells);
    }

    void dealEndsOnStuckSource()
    {
        const ArrangeBoard b(QSize(400, 300), QSize(70, 80)); // 4 x 2 cells, 7 free
        const QList<int> cells = b.Deal(7, [] { return 0.0; });
        QCOMPARE(cells, (QList<int>{1, 2, 3, 4, 5, 6, 7}));
    }

    void clamp_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("at");
        QTest::addRow("inside") << QPoint(100, 100) << QPoint(100, 100);
        QTest::addRow("past the left") << QPoint(-3, 100) << QPoint(5, 100);
        QTest::addRow("past the top") << QPoint(100, -40) << QPoint(100, 5);
        QTest::addRow("past the right") << QPoint(990, 100) << QPoint(1000 - 40 - 5, 100);
        QTest::addRow("past the bottom") << QPoint(100, 600) << QPoint(100, 640 - 60 - 5);
        QTest::addRow("past a corner") << QPoint(2000, 2000) << QPoint(955, 575);
        // the buttons at the top right (800, 10, 190 x 56) keep their clicks
        QTest::addRow("onto a button") << QPoint(850, 20) << QPoint(850, 10 + 56 + 5);
        QTest::addRow("a corner over a button") << QPoint(770, 60) << QPoint(770, 71);
        QTest::addRow("past the top onto a button") << QPoint(900, -30) << QPoint(900, 71);
        QTest::addRow("beside the buttons") << QPoint(750, 20) << QPoint(750, 20);
    }
    void clamp()
    {
        QFETCH(QPoint, to);
        QFETCH(QPoint, at);
        ArrangeBoard b(QSize(1000, 640), QSize(70, 80));
        b.SetKeepOut({QRect(800, 10, 190, 56)});
        QCOMPARE(b.Clamp(to, QSize(40, 60)), at);
    }

    void snap_data()
    {
        QTest::addColumn<QList<QRect>>("letters");
        QTest::addColumn<int>("dragged");
        QTest::addColumn<int>("target");
        const QRect a(100, 100, 40, 60);
        QTest::addRow("just right of a letter") << QList<QRect>{a, QRect(150, 110, 40, 60)} << 1 << 0;
        QTest::addRow("too far right") << QList<QRect>{a, QRect(160, 100, 40, 60)} << 1 << -1;
        QTest::addRow("to the left of it") << QList<QRect>{a, QRect(90, 100, 40, 60)} << 1 << -1;
        QTest::addRow("too high") << QList<QRect>{a, QRect(130, 70, 40, 60)} << 1 << -1;
        QTest::addRow("first in index order wins")
            << QList<QRect>{QRect(120, 100, 40, 60), a, QRect(140, 100, 40, 60)} << 2 << 0;
    }
    void snap()
    {
        QFETCH(QList<QRect>, letters);
        QFETCH(int, dragged);
        QFETCH(int, target);
        QCOMPARE(ArrangeBoard::SnapTarget(letters, dragged), target);
    }

    void completeRows_data()
    {
        QTest::addColumn<QString>("word");
        for (const char *w : {"in", "on", "TV", "PE", "film", "cat", "the Great Wall"})
            QTest::addRow("%s", w) << QString::fromLatin1(w);
    }
    void completeRows()
    {
        // every shipped word must be completable, whatever its letters' widths
        QFETCH(QString, word);
        const QList<int> widths = WidthsAt48(word);
        QList<int> lefts = Packed(widths);
        QVERIFY(ArrangeBoard::IsComplete(Row(lefts, widths)));
        // the same row in shuffled order of letters
        std::reverse(lefts.begin(), lefts.end());
        QList<int> rw = widths;
        std::reverse(rw.begin(), rw.end());
        QVERIFY(ArrangeBoard::IsComplete(Row(lefts, rw)));
    }

    void rowsThatDoNotCount_data()
    {
        QTest::addColumn<QList<QRect>>("letters");
        QTest::addColumn<bool>("complete");
        const QList<int> w{40, 40, 40};
        QTest::addRow("packed") << Row({100, 140, 180}, w) << true;
        QTest::addRow("spread 1.3 times") << Row({100, 152, 204}, w) << true;
        QTest::addRow("spread over 1.3 times") << Row({100, 153, 206}, w) << false;
        QTest::addRow("spread half") << Row({100, 120, 140}, w) << true;
        QTest::addRow("overlap just under three quarters") << Row({100, 110, 140}, w) << true;
        QTest::addRow("overlap over three quarters") << Row({100, 109, 150}, w) << false;
        QTest::addRow("vertical offset half a letter") << Row({100, 140, 180}, w, 60, {100, 130, 100}) << true;
        QTest::addRow("vertical offset over half a letter") << Row({100, 140, 180}, w, 60, {100, 131, 100}) << false;
        // the last letter may be stacked under the first one in a short row
        QTest::addRow("last on top of first") << Row({100, 140, 105}, w) << false;
    }
    void rowsThatDoNotCount()
    {
        QFETCH(QList<QRect>, letters);
        QFETCH(bool, complete);
        QCOMPARE(ArrangeBoard::IsComplete(letters), complete);
    }

    void readRow_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<int>>("lefts");
        QTest::addColumn<QString>("read");
        // dealt from the end: letter 1 holds the last character
        QTest::addRow("in order") << QStringList{"t", "a", "c"} << QList<int>{180, 140, 100} << "cat";
        QTest::addRow("reversed") << QStringList{"t", "a", "c"} << QList<int>{100, 140, 180} << "tac";
        QTest::addRow("apple, p's swapped") << QStringList{"e", "l", "p", "p", "a"}
                                          << QList<int>{260, 220, 140, 180, 100} << "apple";
        QTest::addRow("blank read back") << QStringList{"b", "_", "a"} << QList<int>{180, 140, 100} << "a b";
        QTest::addRow("far right still read") << QStringList{"b", "a"} << QList<int>{5000, 100} << "ab";
        // clang-format on
    }
    void readRow()
    {
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, lefts);
        QFETCH(QString, read);
        QList<int> widths(lefts.size(), 40);
        QCOMPARE(ArrangeBoard::ReadRow(Row(lefts, widths), captions), read);
    }

    void dictation_data()
    {
        // clang-format off
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("verdict");
        const int E = int(DictationJudge::Verdict::Empty), R = int(DictationJudge::Verdict::Right),
                  W = int(DictationJudge::Verdict::Wrong);
        QTest::addRow("outer blanks") << " apple " << "apple" << R;
        QTest::addRow("capital differs") << "Apple" << "apple" << W;
        QTest::addRow("empty") << "" << "apple" << E;
        QTest::addRow("only blanks") << "   " << "apple" << E;
        QTest::addRow("full-width blank only") << QString(QChar(0x3000)) << "apple" << E;
        QTest::addRow("curly apostrophe") << "o\u2019clock" << "o'clock" << R;
        QTest::addRow("full-width letters") << "\uFF41\uFF50\uFF50\uFF4C\uFF45" << "apple" << R;
        QTest::addRow("full-width capital still a capital") << "\uFF21pple" << "apple" << W;
        QTest::addRow("inner blank kept") << "icecream" << "ice cream" << W;
        QTest::addRow("two words") << "the Great Wall" << "the Great Wall" << R;
        QTest::addRow("dot matters") << "Mr" << "Mr." << W;
        // clang-format on
    }
    void dictation()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(int, verdict);
        QCOMPARE(int(DictationJudge::Judge(typed, answer)), verdict);
    }

    void hiddenAnswer_data()
    {
        // clang-format off
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("shown");
        QTest::addRow("phrase") << "adj. 能够的 phr. be able to 能够" << "able" << "adj. 能够的 phr. be ___ to 能够";
        QTest::addRow("any case") << "phr. Merry Christmas! 圣诞快乐！" << "christmas" << "phr. Merry ___! 圣诞快乐！";
        QTest::addRow("inside a longer word") << "n. 疼痛（如 headache）" << "ache" << "n. 疼痛（如 head___）";
        QTest::addRow("short word only alone") << "art. 一（如 a book）" << "a" << "art. 一（如 ___ book）";
        QTest::addRow("short word in a.m. stays") << "abbr. a.m. 上午; I am" << "am" << "abbr. a.m. 上午; I ___";
        QTest::addRow("not there") << "n. 苹果" << "apple" << "n. 苹果";
        // clang-format on
    }
    void hiddenAnswer()
    {
        QFETCH(QString, meaning);
        QFETCH(QString, word);
        QFETCH(QString, shown);
        QCOMPARE(DictationJudge::HideWord(meaning, word), shown);
    }
};
TALLIVO_TEST(TestLetterRules)
#include "tst_letterrules.moc"
