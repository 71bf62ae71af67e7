// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The data build run on a tiny data/ folder: a second run after an edit
// keeps what did not change and leaves nothing behind that left data/; data
// that the program would read wrongly stops the build.
#include "support/testmain.h"
#include "helpers/envelope.h"
#include "platform/platform.h"
#include "sound/sounddecode.h"

#include <QDir>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString DataBuildPath()
{
    return qEnvironmentVariable("TALLIVO_BUILD_DIR") + QStringLiteral("/tools/tallivo_databuild");
}

bool WriteUtf8(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

struct Source {
    QString spellings = QStringLiteral("colour\tcolor\n");
    QStringList dictionary{QStringLiteral("apple\tˈæpl\t苹果\tn. 苹果"), QStringLiteral("cat\tkæt\t猫\tn. 猫"),
                           QStringLiteral("colour\tˈkʌlə\t颜色\tn. 颜色")};
    QStringList bank{QStringLiteral("@Test Series"), QStringLiteral("!a series for the test"),
                     QStringLiteral("%Book 1"), QStringLiteral("#Unit 1"),
                     QStringLiteral("apple"), QStringLiteral("cat"),
                     QStringLiteral("colour"), QStringLiteral("*\tI see a cat.\t我看见一只猫。")};
    QStringList pictures{QStringLiteral("apple\t🍎"), QStringLiteral("cat\t🐱")};
    QStringList sentences{QStringLiteral("# the words' own sentences"), QStringLiteral("apple\tI like apples.\t我喜欢苹果。"),
                          QStringLiteral("cat\tI see a cat.\t我看见一只猫。"), // the unit's own sentence
                          QStringLiteral("colour\tWhat colour is it?\t它是什么颜色的？")};

    bool write(const QString &dir) const
    {
        return WriteUtf8(dir + "/UK2USA.txt", spellings)
               && WriteUtf8(dir + "/dictionary/d.tsv", dictionary.join('\n') + '\n')
               && WriteUtf8(dir + "/wordbank/1.txt", bank.join('\n') + '\n')
               && WriteUtf8(dir + "/pictures/p.tsv", pictures.join('\n') + '\n')
               && WriteUtf8(dir + "/sentences/s.tsv", sentences.join('\n') + '\n')
               && WriteUtf8(dir + "/help.html", QStringLiteral("<html><body>帮助</body></html>\n"))
               && WriteUtf8(dir + "/sample/s.txt", QStringLiteral("#Unit 1\napple\ncat\n"));
    }
};

struct Run {
    int exitCode = -1;
    QString err;
};

Run RunDataBuild(const QTemporaryDir &root)
{
    QProcess p;
    p.start(DataBuildPath(), {root.filePath("data"), root.filePath("app"), root.filePath("cache")});
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray Unscrambled(const QString &path)
{
    QByteArray clear;
    return ReadEncodedFileBytes(path, clear) ? clear : QByteArray();
}

// Generated media below the app folder, as relative paths.
QStringList Media(const QTemporaryDir &root)
{
    QStringList out;
    const QString app = root.filePath("app");
    for (const char *dir : {"pics", "voice", "sentence-in-unit", "sentence-voice", "BookCover"}) {
        QDirIterator it(app + '/' + dir, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            out << QDir(app).relativeFilePath(it.next());
    }
    out.sort();
    return out;
}

} // namespace

class TestDataBuild : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(DataBuildPath()))
            QSKIP("the data build tool is not built in this configuration");
        if (QStandardPaths::findExecutable("flite").isEmpty() || QStandardPaths::findExecutable("sox").isEmpty()
            || !QFileInfo::exists("/usr/share/fonts/truetype/charis/CharisSIL-Regular.ttf"))
            QSKIP("flite, sox or Charis SIL is not installed");
    }

    void secondRunAfterAnEdit()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        Source src;
        QVERIFY(src.write(root.filePath("data")));
        Run first = RunDataBuild(root);
        QVERIFY2(first.exitCode == 0, qPrintable(first.err));
        QCOMPARE(Media(root), (QStringList{"BookCover/Test Series/1.jpg", "pics/apple.enjpg", "pics/cat.enjpg",
                                           "sentence-in-unit/SID-1-1-1-1.wav", "sentence-voice/SID1111.wav",
                                           "sentence-voice/apple.wav", "sentence-voice/cat.wav",
                                           "sentence-voice/color.wav",
                                           "voice/apple.enw", "voice/cat.enw", "voice/color.enw"}));
        // the words' sentences by key, spoken like the unit sentences
        QCOMPARE(Unscrambled(root.filePath("app/dat/sentences.dat")),
                 QStringLiteral("$TALLIVO SENTENCES\r\napple\tI like apples.\t我喜欢苹果。\r\n"
                                "cat\tI see a cat.\t我看见一只猫。\r\n"
                                "color\tWhat colour is it?\t它是什么颜色的？\r\n")
                     .toUtf8());
        for (const char *voice : {"sentence-voice/apple.wav", "voice/apple.enw"}) {
            // stored small, played as a WAV of the whole text
            const QByteArray said = Unscrambled(root.filePath(QStringLiteral("app/") + voice));
            QVERIFY2(IsOggBytes(said), voice);
            QVERIFY2(WavDurationMs(DecodeToWav(said)) > 300, voice);
        }
        const QString catSaid = root.filePath("app/sentence-voice/cat.wav");
        QCOMPARE(Unscrambled(catSaid), Unscrambled(root.filePath("app/sentence-in-unit/SID-1-1-1-1.wav")));
        const QString apple = root.filePath("app/pics/apple.enjpg");
        const QString appleSaid = root.filePath("app/sentence-voice/apple.wav");
        const QDateTime appleMade = QFileInfo(apple).lastModified();
        const QDateTime appleSaidMade = QFileInfo(appleSaid).lastModified();
        const QDateTime catSaidMade = QFileInfo(catSaid).lastModified();

        // cat loses its picture, colour leaves the dictionary, the unit and
        // the sentences, the unit sentence goes
        src.pictures.removeLast();
        src.dictionary.removeLast();
        src.bank = src.bank.mid(0, 6);
        src.sentences.removeLast();
        QVERIFY(src.write(root.filePath("data")));
        Run second = RunDataBuild(root);
        QVERIFY2(second.exitCode == 0, qPrintable(second.err));
        QCOMPARE(Media(root), (QStringList{"BookCover/Test Series/1.jpg", "pics/apple.enjpg",
                                           "sentence-voice/apple.wav", "sentence-voice/cat.wav", "voice/apple.enw",
                                           "voice/cat.enw"}));
        // unchanged input, not made again, also where the unit's sentence went
        QCOMPARE(QFileInfo(apple).lastModified(), appleMade);
        QCOMPARE(QFileInfo(appleSaid).lastModified(), appleSaidMade);
        QCOMPARE(QFileInfo(catSaid).lastModified(), catSaidMade);

        // a changed sentence is spoken again, the others are kept
        src.sentences.last() = QStringLiteral("cat\tThe cat is asleep.\t猫睡着了。");
        QVERIFY(src.write(root.filePath("data")));
        const QByteArray oldVoice = Unscrambled(catSaid);
        Run third = RunDataBuild(root);
        QVERIFY2(third.exitCode == 0, qPrintable(third.err));
        QVERIFY(WavDurationMs(DecodeToWav(Unscrambled(catSaid))) > 300);
        QVERIFY(Unscrambled(catSaid) != oldVoice);
        QCOMPARE(QFileInfo(appleSaid).lastModified(), appleSaidMade);
    }

    void sentenceWithoutItsWordIsReported()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        Source src;
        src.sentences = QStringList{QStringLiteral("cat\tThe dog is big.\t狗很大。"),
                                    QStringLiteral("apple\tTwo apples.\t两个苹果。"),
                                    QStringLiteral("colour\tRed is a colour.\t红色是一种颜色。")};
        QVERIFY(src.write(root.filePath("data")));
        const Run r = RunDataBuild(root);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err)); // the authors are told, the build goes on
        QVERIFY2(r.err.contains(QStringLiteral("s.tsv:1: the sentence does not contain \"cat\"")), qPrintable(r.err));
        QVERIFY2(!r.err.contains(QStringLiteral("\"apple\"")), qPrintable(r.err));
    }

    // A word the voice reads wrong from its spelling is spoken as written in
    // its "speak as" column, alone and in sentences; "alone:" keeps the
    // sentences as they are (close the door / close to).
    void speakAsGivesTheVoiceItsWords()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        Source src;
        src.dictionary[0] += QStringLiteral("\tcat");        // apple, said "cat"
        src.dictionary[2] += QStringLiteral("\talone: cat"); // colour, said "cat" alone only
        src.sentences = QStringList{QStringLiteral("apple\tTwo apples.\t两个苹果。"),
                                    QStringLiteral("cat\tTwo cats.\t两只猫。"),
                                    QStringLiteral("colour\tTwo colours.\t两种颜色。")};
        QVERIFY(src.write(root.filePath("data")));
        const Run r = RunDataBuild(root);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QByteArray cat = Unscrambled(root.filePath("app/voice/cat.enw"));
        QVERIFY(cat.startsWith("OggS"));
        QCOMPARE(Unscrambled(root.filePath("app/voice/apple.enw")), cat);
        QCOMPARE(Unscrambled(root.filePath("app/voice/color.enw")), cat);
        const QByteArray cats = Unscrambled(root.filePath("app/sentence-voice/cat.wav"));
        QCOMPARE(Unscrambled(root.filePath("app/sentence-voice/apple.wav")), cats);
        QVERIFY(Unscrambled(root.filePath("app/sentence-voice/color.wav")) != cats);
    }

    void dataTheProgramWouldMisreadStopsTheBuild_data()
    {
        // clang-format off
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("message");
        QTest::addRow("two entries with one key") << "ice cream" << "already defined";
        QTest::addRow("a spelling mapped to itself") << "grey" << "maps to itself";
        QTest::addRow("two sentences with one voice file") << "sentences" << "would share the voice file";
        QTest::addRow("a sentence for a word not in the dictionary") << "kiwi\tA kiwi.\t一个猕猴桃。"
                                                                  << "s.tsv:5: \"kiwi\" is not a dictionary word";
        QTest::addRow("a sentence without its Chinese") << "cat\tA cat." << "s.tsv:5: a sentence line is word";
        QTest::addRow("a sentence with an empty English") << "cat\t \t猫。" << "s.tsv:5: a sentence line is word";
        QTest::addRow("a sentence with a fourth field") << "cat\tA cat.\t猫。\tx" << "s.tsv:5: a sentence line is word";
        QTest::addRow("two sentences for one word, two spellings")
            << "color\tA red color.\t红色。" << "s.tsv:5: \"color\" has a sentence already at s.tsv:4";
        // clang-format on
    }
    void dataTheProgramWouldMisreadStopsTheBuild()
    {
        QFETCH(QString, what);
        QFETCH(QString, message);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        Source src;
        if (what == QLatin1String("ice cream")) {
            src.dictionary << QStringLiteral("ice-cream\tˌaɪs ˈkriːm\t冰淇淋\tn. 冰淇淋")
                           << QStringLiteral("ice cream\tˌaɪs ˈkriːm\t冰淇淋\tn. 冰淇淋");
        } else if (what == QLatin1String("grey")) {
            src.spellings += QStringLiteral("grey\tgrey\n");
        } else if (what.contains('\t')) {
            src.sentences << what;
        } else {
            // book 1 unit 11 sentence 1 and book 11 unit 1 sentence 1 share "SID11111"
            QStringList bank{QStringLiteral("@Test Series"), QStringLiteral("!desc")};
            for (int b = 1; b <= 11; ++b) {
                bank << QStringLiteral("%Book %1").arg(b);
                for (int u = 1; u <= (b == 1 ? 11 : 1); ++u)
                    bank << QStringLiteral("#Unit %1").arg(u) << QStringLiteral("apple")
                         << QStringLiteral("*\tAn apple.\t一个苹果。");
            }
            src.bank = bank;
        }
        QVERIFY(src.write(root.filePath("data")));
        const Run r = RunDataBuild(root);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void unitAChildCannotLearnFromStopsTheBuild_data()
    {
        QTest::addColumn<QStringList>("units"); // word lines after "#Unit 1"; "#" starts another unit
        QTest::addColumn<QStringList>("pictures");
        QTest::addColumn<QString>("message");
        const QStringList pics = Source{}.pictures;
        QTest::addRow("a word not in the dictionary")
            << QStringList{"apple", "cat", "kiwi"} << pics << "\"kiwi\" is not in the dictionary";
        QTest::addRow("a word without its sentence")
            << QStringList{"apple", "cat", "colour", "dog"} << pics << "\"dog\" has no example sentence";
        QTest::addRow("two words behind one picture")
            << QStringList{"apple", "cat", "colour"} << QStringList{"apple\t🍎", "cat\t🐱", "colour\t🍎"}
            << "\"apple\" and \"colour\" have the same picture";
        QTest::addRow("a unit mostly of taught words")
            << QStringList{"apple", "cat", "#Unit 2", "apple", "cat", "colour"} << pics
            << "2 of 3 words were taught in earlier units";
    }
    void unitAChildCannotLearnFromStopsTheBuild()
    {
        QFETCH(QStringList, units);
        QFETCH(QStringList, pictures);
        QFETCH(QString, message);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        Source src;
        src.dictionary << QStringLiteral("dog\tdɒɡ\t狗\tn. 狗");
        src.bank = QStringList{"@Test Series", "!a series for the test", "%Book 1", "#Unit 1"} + units;
        src.bank << QStringLiteral("*\tI see a cat.\t我看见一只猫。");
        src.pictures = pictures;
        QVERIFY(src.write(root.filePath("data")));
        const Run r = RunDataBuild(root);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));

        // the unit as it should be builds
        QVERIFY(Source{}.write(root.filePath("data")));
        const Run mended = RunDataBuild(root);
        QVERIFY2(mended.exitCode == 0, qPrintable(mended.err));
    }
};
TALLIVO_TEST(TestDataBuild)
#include "tst_databuild.moc"
