// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The memory model against the reference table written by ts-fsrs
// (tests/wordbank/fsrs-oracle), and the edges the table does not reach.
#include "support/testmain.h"
#include "helpers/textfile.h"
#include "wordbank/fsrsmodel.h"
#include <QFile>
#include <cmath>

namespace {
struct Step {
    int elapsed = 0;
    int grade = 0;
    double r = 0;
    double s = 0;
    double d = 0;
    int interval = 0;
};
using Sequence = QList<Step>;

QList<Sequence> ReadCases()
{
    // named from the source tree: a cached object may carry a relative file name
    QFile f(QStringLiteral(QT_TESTCASE_SOURCEDIR "/wordbank/fsrs-oracle/fsrs_cases.tsv"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<Sequence> seqs;
    int last = -1;
    for (const QString &line : SplitLines(QString::fromUtf8(f.readAll()))) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList c = line.split(QLatin1Char('\t'));
        if (c.size() != 8)
            return {};
        const int seq = c[0].toInt();
        if (seq != last)
            seqs.append(Sequence());
        last = seq;
        seqs.last().append({c[2].toInt(), c[3].toInt(), c[4].toDouble(), c[5].toDouble(), c[6].toDouble(), c[7].toInt()});
    }
    return seqs;
}

bool Near(double got, double want)
{
    return std::abs(got - want) <= 1e-3 * std::abs(want);
}
} // namespace

Q_DECLARE_METATYPE(Sequence)

class TestFsrsModel : public QObject {
    Q_OBJECT
private slots:
    void reference_data()
    {
        QTest::addColumn<Sequence>("steps");
        const QList<Sequence> seqs = ReadCases();
        QVERIFY2(seqs.size() >= 200, "the reference table is missing or short");
        for (int i = 0; i < seqs.size(); ++i)
            QTest::addRow("seq %d", i) << seqs.at(i);
    }
    void reference()
    {
        QFETCH(Sequence, steps);
        fsrs::MemoryState m;
        for (int i = 0; i < steps.size(); ++i) {
            const Step &st = steps.at(i);
            const QByteArray where = QByteArray("step ") + QByteArray::number(i);
            if (!m.IsNew())
                QVERIFY2(Near(fsrs::Retrievability(st.elapsed, m.stability), st.r), where);
            m = fsrs::NextState(m, st.elapsed, fsrs::Grade(st.grade));
            QVERIFY2(Near(m.stability, st.s), where + " stability " + QByteArray::number(m.stability, 'g', 10));
            QVERIFY2(Near(m.difficulty, st.d), where + " difficulty " + QByteArray::number(m.difficulty, 'g', 10));
            QCOMPARE(fsrs::NextInterval(m.stability), st.interval);
        }
    }

    // Stability is the time to 90 % recall, whatever its size.
    void retrievability_data()
    {
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("r");
        QTest::addRow("at once") << 0.0 << 3.0 << 1.0;
        QTest::addRow("at S, short") << 2.5 << 2.5 << 0.9;
        QTest::addRow("at S, long") << 400.0 << 400.0 << 0.9;
        QTest::addRow("clock set back") << -5.0 << 3.0 << 1.0;
        QTest::addRow("no memory") << 3.0 << 0.0 << 0.0;
    }
    void retrievability()
    {
        QFETCH(double, elapsed);
        QFETCH(double, stability);
        QFETCH(double, r);
        QVERIFY(qAbs(fsrs::Retrievability(elapsed, stability) - r) < 1e-9);
    }

    void interval_data()
    {
        QTest::addColumn<double>("stability");
        QTest::addColumn<double>("retention");
        QTest::addColumn<int>("days");
        QTest::addRow("rounds down") << 2.4 << 0.9 << 2;
        QTest::addRow("rounds up") << 2.6 << 0.9 << 3;
        QTest::addRow("never below a day") << 0.01 << 0.9 << 1;
        QTest::addRow("never beyond the cap") << 1e9 << 0.9 << fsrs::kMaxInterval;
        QTest::addRow("higher retention, sooner") << 10.0 << 0.95 << 4;
        QTest::addRow("bad retention") << 10.0 << 1.5 << 1;
        QTest::addRow("no memory") << 0.0 << 0.9 << 1;
    }
    void interval()
    {
        QFETCH(double, stability);
        QFETCH(double, retention);
        QFETCH(int, days);
        QCOMPARE(fsrs::NextInterval(stability, retention), days);
    }

    // A clock set back behaves as a second review the same day.
    void negativeElapsedIsSameDay()
    {
        const fsrs::MemoryState m{5.0, 5.0};
        for (int g = 1; g <= 4; ++g) {
            const fsrs::MemoryState back = fsrs::NextState(m, -3, fsrs::Grade(g));
            const fsrs::MemoryState same = fsrs::NextState(m, 0, fsrs::Grade(g));
            QCOMPARE(back.stability, same.stability);
            QCOMPARE(back.difficulty, same.difficulty);
            QVERIFY(std::isfinite(back.stability) && back.stability > 0);
        }
    }
};

TALLIVO_TEST(TestFsrsModel)
#include "tst_fsrsmodel.moc"
