// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// tallivo --check: run the built program on small installation folders.
#include "support/testmain.h"
#include "support/fixture.h"
#include "speech/wavpcm.h"
#include "wordbank/wbfixture.h"
#include <QDirIterator>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

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

enum class Setup {
    Full,
    NoDictionary,
    BadDictionaryLine,
    NoWordBank,
    UnreadableProfile,
    NoSentences,
    DamagedReviews
};

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
    if (setup == Setup::DamagedReviews) {
        QVERIFY(dir.writeBytes("usrdat/ureview-1.dat", "TallivoReview\t1\r\napple\tr\t30000\t5\t2026-12-01\t2\t0\r\n\x01\xff#\r\n"));
        QVERIFY(dir.writeBytes("usrdat/ureview-1.dat.Ab3xYz", "TallivoReview\t1\r\napple\tr\t3."));
    }
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
                           "new words in Tallivo 小学英语/Book One: 24",
                           "new words in Tallivo 小学英语/Book Two: 2", // the rest taught in book one
                           "new words in Second Series/Book A: 1",
                           "unit words with a picture: 2 of 27",
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
        QTest::addRow("damaged review file")
            << int(Setup::DamagedReviews) << 0
            << QStringList{"profile 1 reviews: 1 words with a memory, 0 due today, 1 lines skipped",
                           "problem: usrdat/ureview-1.dat: damaged; a start keeps what it can read and copies it to "
                           "usrdat/ureview-1.dat.damaged-*",
                           "problem: usrdat/ureview-1.dat.Ab3xYz: a save cut off before its rename (the next start "
                           "removes it)"};
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
        // a trailing * stands for a date and time
        for (const QString &e : expected)
            QVERIFY2(e.endsWith('*') ? !lines.filter(QRegularExpression('^' + QRegularExpression::escape(e.chopped(1))
                                                                        + "[0-9]{8}-[0-9]{4}$"))
                                            .isEmpty()
                                     : lines.contains(e),
                     qPrintable(e + QStringLiteral("\n--- got:\n") + out));
        QCOMPARE(p.exitCode(), exitCode);
        QCOMPARE(Snapshot(dir.path()), before);
    }

    void checkNamesTheSpeechModel()
    {
        TempAppDir dir;
        Build(dir, Setup::Full);
        TempAppDir noModel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TALLIVO_SPEECH_MODEL"), noModel.path());
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(TallivoPath(), {QStringLiteral("--check"), dir.path()});
        QVERIFY(p.waitForFinished(30000));
        const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
        QVERIFY(lines.contains(QStringLiteral("speech model: missing (%1): recordings are kept and played, not checked")
                                   .arg(noModel.path())));
        QCOMPARE(p.exitCode(), 0); // the rest of the program is unaffected
    }

    void sayCheckAnswersFromATerminal_data()
    {
        QTest::addColumn<QByteArray>("wav");
        QTest::addColumn<bool>("withModel");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        const QByteArray silence = WavFromPcm16(Pcm16(kSpeechRate, 0));
        QTest::addRow("a second of silence is no word") << silence << true << 0 << "heard: none\nstars: 0\n";
        QTest::addRow("not a WAV") << QByteArray("hello") << true << 2 << "";
        QTest::addRow("no model") << silence << false << 3 << "";
    }
    void sayCheckAnswersFromATerminal()
    {
        QFETCH(QByteArray, wav);
        QFETCH(bool, withModel);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        TempAppDir dir;
        QVERIFY(dir.writeBytes("try.wav", wav));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TALLIVO_HOME"), dir.path());
        if (!withModel)
            env.insert(QStringLiteral("TALLIVO_SPEECH_MODEL"), dir.path());
        else if (!QFileInfo::exists(QStringLiteral("/usr/share/pocketsphinx/model/en-us/en-us/mdef")))
            QSKIP("the speech model is not installed");
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(TallivoPath(), {QStringLiteral("--say-check"), dir.file("try.wav"), QStringLiteral("apple"),
                                QStringLiteral("banana"), QStringLiteral("good morning")});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), exitCode);
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        // a failure says so on the error stream only
        QVERIFY2(expected.isEmpty() ? out.isEmpty() : out.startsWith(expected), qPrintable(out));
    }

    // Installed: the executable in bin/, the data set in share/tallivo, the
    // profiles in the account's own folder. --check without a folder finds
    // them all, says where it looked, and changes nothing in either.
    void installedLayout_data()
    {
        QTest::addColumn<bool>("withData");
        QTest::addColumn<int>("exitCode");
        QTest::addRow("installed") << true << 0;
        QTest::addRow("data set missing") << false << 1;
    }
    void installedLayout()
    {
        QFETCH(bool, withData);
        QFETCH(int, exitCode);
        QTemporaryDir root;
        const QString prefix = root.path() + QStringLiteral("/usr");
        const QString home = root.path() + QStringLiteral("/home");
        const QString user = home + QStringLiteral("/.local/share/tallivo");
        QVERIFY(QDir().mkpath(prefix + QStringLiteral("/bin")));
        QVERIFY(QFile::copy(TallivoPath(), prefix + QStringLiteral("/bin/tallivo")));
        if (withData) {
            TempAppDir data;
            Build(data, Setup::Full);
            QVERIFY(QDir().rename(data.file(QStringLiteral("usrdat/ustatus-1.dat")), root.path() + QStringLiteral("/s1")));
            QVERIFY(QDir().mkpath(user + QStringLiteral("/usrdat")));
            QVERIFY(QDir().rename(root.path() + QStringLiteral("/s1"), user + QStringLiteral("/usrdat/ustatus-1.dat")));
            QVERIFY(QDir().mkpath(prefix + QStringLiteral("/share")));
            QVERIFY(QDir().rename(data.path(), prefix + QStringLiteral("/share/tallivo")));
            QVERIFY(QDir().mkpath(data.path())); // for its own clean-up
        }
        const QStringList before = Snapshot(root.path());

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("TALLIVO_HOME"));
        env.remove(QStringLiteral("XDG_DATA_HOME"));
        env.insert(QStringLiteral("HOME"), home);
        p.setProcessEnvironment(env);
        p.start(prefix + QStringLiteral("/bin/tallivo"), {QStringLiteral("--check")});
        QVERIFY(p.waitForFinished(30000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput());
        const QStringList lines = out.split('\n');
        QStringList expected{"data folder: " + prefix + "/share/tallivo", "user folder: " + user,
                             "looked for the data set in: " + prefix + "/bin; " + prefix + "/share/tallivo"};
        if (withData)
            expected << "profile 1: series 1, book 1, units 3..3, score 250, coins 4"
                     << "profiles found: 1 of 3";
        else
            expected << "problem: dat/sysdic.dic: missing";
        // a trailing * stands for a date and time
        for (const QString &e : expected)
            QVERIFY2(e.endsWith('*') ? !lines.filter(QRegularExpression('^' + QRegularExpression::escape(e.chopped(1))
                                                                        + "[0-9]{8}-[0-9]{4}$"))
                                            .isEmpty()
                                     : lines.contains(e),
                     qPrintable(e + QStringLiteral("\n--- got:\n") + out));
        QCOMPARE(p.exitCode(), exitCode);
        QCOMPARE(Snapshot(root.path()), before);
    }

    // A running copy holds its user folder: the check neither waits for nor
    // touches that lock, and writes nothing.
    void besideARunningCopy()
    {
        TempAppDir dir;
        Build(dir, Setup::Full);
        QLockFile running(dir.file(QStringLiteral("usrdat/tallivo.lock")));
        QVERIFY(running.tryLock(0));
        const QStringList before = Snapshot(dir.path());
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TALLIVO_HOME"), dir.path());
        p.setProcessEnvironment(env);
        p.start(TallivoPath(), {QStringLiteral("--check")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
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
