// tallivo --check: run the built program on small installation folders.
#include "support/testmain.h"
#include "support/fixture.h"
#include "wordbank/wbfixture.h"
#include <QDirIterator>
#include <QProcess>

namespace {

QString TallivoPath()
{
    QString build = qEnvironmentVariable("TALLIVO_BUILD_DIR");
    if (build.isEmpty())
        build = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    return build + QStringLiteral("/tallivo-app/tallivo");
}

// Every file below dir with its size and time: the check must change none.
QStringList Snapshot(const QString &dir)
{
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo fi = it.fileInfo();
        out << fi.filePath() + ' ' + QString::number(fi.size()) + ' '
                   + QString::number(fi.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

enum class Setup { Full, NoDictionary, BadDictionaryLine, NoWordBank, UnreadableProfile, NoSentences };

void Build(const TempAppDir &dir, Setup setup)
{
    wbfix::Install install;
    if (setup == Setup::BadDictionaryLine)
        install.dict.insert(1, QStringLiteral("kiwi\tkiwi\t猕猴桃"));
    install.bank << QStringLiteral("pear");
    QVERIFY(wbfix::Write(dir, install));
    if (setup == Setup::NoDictionary)
        QVERIFY(QFile::remove(dir.file("dat/sysdic.dic")));
    if (setup == Setup::NoWordBank)
        QVERIFY(QFile::remove(dir.file("dat/twb.ck")));
    if (setup != Setup::NoSentences)
        QVERIFY(dir.writeEnvelopedText("dat/sentences.dat", "$TALLIVO SENTENCES\r\napple\tI like apples.\t我喜欢苹果。\r\n"
                                                            "cat\tThe cat is small.\t猫很小。\r\n"));
    for (const char *f : {"voice/apple.enw", "voice/cat.enw", "pics/apple.enjpg", "pics/dog.enbmp",
                          "sentence-in-unit/SID-1-1-1-1.wav", "sentence-voice/apple.wav", "sentence-voice/SID1112.wav"})
        QVERIFY(dir.writeBytes(QString::fromLatin1(f), "x"));
    QVERIFY(dir.writeEnvelopedText("usrdat/ustatus-1.dat", "1\r\n1\r\n3\r\n3\r\n250\r\n0\r\n4\r\n2\r\napple|101#00000\r\n\r\n"));
    if (setup == Setup::UnreadableProfile)
        QVERIFY(QDir().mkpath(dir.file("usrdat/ustatus-2.dat")));
}

} // namespace

class TestCheckInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(TallivoPath()))
            QSKIP("the tallivo executable is not built");
    }

    void check_data()
    {
        QTest::addColumn<int>("setup");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected"); // lines of the report
        QTest::addRow("complete folder")
            << int(Setup::Full) << 0
            << QStringList{"dictionary entries: 27",
                           "UK-US spelling pairs: 2",
                           "series: 2",
                           "books: 3",
                           "units: 6",
                           "words in units: 29 (distinct: 27)",
                           "sentences: 2",
                           "word voices present: 2 of 27",
                           "words with an example sentence: 2 of 27 (in units: 2 of 27)",
                           "word sentence voices present: 1 of 2",
                           "unit sentence voices present: 1 of 2",
                           "sentence voices by key present: 1 of 2",
                           "pictures present: 2 of 27",
                           "profile 1: series 1, book 1, units 3..3, score 250, coins 4",
                           "profiles found: 1 of 3",
                           "problems: 1",
                           "problem: dat/twb.ck: series \"Second Series\": word line dropped: pear"};
        QTest::addRow("no sentence file")
            << int(Setup::NoSentences) << 0
            << QStringList{"words with an example sentence: 0 of 27 (in units: 0 of 27)",
                           "problem: dat/sentences.dat: missing (no word shows an example sentence)"};
        QTest::addRow("no dictionary") << int(Setup::NoDictionary) << 1
                                       << QStringList{"problem: dat/sysdic.dic: missing", "dictionary entries: 0"};
        QTest::addRow("bad dictionary line")
            << int(Setup::BadDictionaryLine) << 1 << QStringList{"problem: dat/sysdic.dic: bad entry on line 7"};
        QTest::addRow("no word bank") << int(Setup::NoWordBank) << 1
                                      << QStringList{"problem: dat/twb.ck: missing", "series: 0"};
        QTest::addRow("unreadable profile")
            << int(Setup::UnreadableProfile) << 0
            << QStringList{"profiles found: 2 of 3", "problem: usrdat/ustatus-2.dat: unreadable"};
    }
    void check()
    {
        QFETCH(int, setup);
        QFETCH(int, exitCode);
        QFETCH(QStringList, expected);
        TempAppDir dir;
        Build(dir, Setup(setup));
        const QStringList before = Snapshot(dir.path());

        QProcess p;
        p.start(TallivoPath(), {QStringLiteral("--check"), dir.path()});
        // a message box on screen would never close: the check must not show one
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QStringList lines = out.split('\n');
        for (const QString &e : expected)
            QVERIFY2(lines.contains(e), qPrintable(e + QStringLiteral("\n--- got:\n") + out));
        QCOMPARE(p.exitCode(), exitCode);
        QCOMPARE(Snapshot(dir.path()), before);
    }

    void badLineIsReportedOnStderr()
    {
        TempAppDir dir;
        Build(dir, Setup::BadDictionaryLine);
        QProcess p;
        p.start(TallivoPath(), {QStringLiteral("--check"), dir.path()});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("词典第 7 行导入错误：kiwi\tkiwi\t猕猴桃")));
    }
};
TALLIVO_TEST(TestCheckInstall)
#include "tst_checkinstall.moc"
