// The shipped installation folder, checked as a whole through the program's
// own classes: what a child meets must load, sound and show.
#include "support/testmain.h"
#include "support/fakeplatform.h"

#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "helpers/textfile.h"
#include "helpers/wordforms.h"
#include "course/booktext.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/cseries.h"
#include "wordbank/cword.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "wordbank/wordsentences.h"
#include "speech/speechrecognizer.h"
#include "wordbank/classbook.h"
#include "wordbank/classunit.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSet>
#include <atomic>
#include <thread>

namespace {

QString builtAppDir()
{
    return qEnvironmentVariable("TALLIVO_BUILD_DIR") + "/tallivo-app";
}

bool isPlayableWav(const QByteArray &wav)
{
    return wav.startsWith("RIFF") && wav.mid(8, 4) == "WAVE" && WavDurationMs(wav) > 100;
}

QByteArray unscrambled(const QString &path)
{
    QByteArray clear;
    return ReadEncodedFileBytes(path, clear) ? clear : QByteArray();
}

struct Case {
    QString voiceOf;        // whose voice is spoken
    QList<SayWord> grammar; // first = the target
    bool inGrammar = true;
    SayResult result;
};

SayWord SayWordOf(const CWord *w)
{
    return SayWord{w->English, w->Sound};
}

} // namespace

class DataSetTest : public QObject {
    Q_OBJECT

    FakePlatform m_fake;
    Platform *m_oldPlatform = nullptr;
    QString m_oldAppDir;
    QStringList m_entryLines; // dictionary entries as shipped

private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(builtAppDir() + "/dat/sysdic.dic"))
            QSKIP("the installation data set is not built in this configuration");
        m_oldPlatform = SetPlatform(&m_fake);
        m_oldAppDir = gAppDir;
        InitAppPathsFor(builtAppDir());
        gDictionary = new ClassDBdictionary;
        QVERIFY(gDictionary->InitDict());
        QVERIFY2(m_fake.msgBoxes.isEmpty(), "the dictionary load reported a line");
        QStringList lines;
        QVERIFY(ReadEncodedFileLines(gDictFile, lines));
        for (int i = 5; i < lines.size(); ++i)
            if (!lines[i].trimmed().isEmpty())
                m_entryLines << lines[i];
        gWordBank = new CWordBank;
    }

    void cleanupTestCase()
    {
        ReleaseSharedObjects();
        if (m_oldPlatform) {
            SetPlatform(m_oldPlatform);
            InitAppPathsFor(m_oldAppDir);
        }
        gUKWords.clear();
        gUSWords.clear();
    }

    void dictionaryLoadsEveryEntryWithItsTextsAndVoice()
    {
        QVERIFY2(m_entryLines.size() >= 2000, qPrintable(QString::number(m_entryLines.size())));
        QCOMPARE(gDictionary->WordCount(), int(m_entryLines.size()));
        QStringList problems;
        for (const QString &line : std::as_const(m_entryLines)) {
            const QStringList f = line.split('\t');
            CWord *w = nullptr;
            // the display spelling must lead the program to this very entry
            if (!gDictionary->SetWord(w, f[0]) || w->English != f[1]) {
                problems << "look-up: " + f[0];
                continue;
            }
            if (w->Chinese.isEmpty() || w->DetailCH.isEmpty() || w->Sound.isEmpty())
                problems << "texts: " + f[0];
            if (!isPlayableWav(unscrambled(AppPath("voice/" + NormalizeWordKey(w->English) + ".enw"))))
                problems << "voice: " + f[0];
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 20).join("; ")));
    }

    void spellingListMapsNoWordToItself()
    {
        int pairs = 0;
        for (int i = 1; i < gUKWords.size(); ++i) {
            if (gUKWords[i].isEmpty())
                continue;
            ++pairs;
            QVERIFY2(gUKWords[i].trimmed() != gUSWords[i].trimmed(), qPrintable(gUKWords[i]));
        }
        QVERIFY(pairs >= 150);
    }

    void everyUnitLoadsWholeWithSentenceVoices()
    {
        const int seriesCount = gWordBank->SeriesNum();
        QVERIFY(seriesCount >= 2);
        int books = 0, units = 0;
        QStringList problems;
        for (int s = 1; s <= seriesCount; ++s) {
            CSeries *series = nullptr;
            QVERIFY(gWordBank->GetSeriesByID(s, series));
            QVERIFY(series->LoadStandardSeries());
            if (!series->DroppedWordLines().isEmpty())
                problems << series->SeriesName + " dropped: " + series->DroppedWordLines().join(", ");
            QVERIFY(QFileInfo::exists(AppPath("BookCover/" + series->SeriesName + "/1.jpg")));
            for (int b = 1; b <= series->BookNum(); ++b) {
                ++books;
                ClassBook *book = nullptr;
                QVERIFY(series->GetBookByID(b, book));
                const QString cover = AppPath("BookCover/" + series->SeriesName + "/" + QString::number(b) + ".jpg");
                if (QImage(cover).isNull())
                    problems << series->SeriesName + "/" + book->BookName + ": no cover";
                for (int u = 1; u <= book->UnitNum(); ++u) {
                    ++units;
                    ClassUnit *unit = nullptr;
                    QVERIFY(book->GetUnitbyID(u, unit));
                    const QString where = series->SeriesName + "/" + book->BookName + "/" + book->UnitName(u);
                    if (unit->WordNum() < 6)
                        problems << where + ": fewer than 6 words";
                    if (unit->SentenceNum() < 2)
                        problems << where + ": fewer than 2 sentences";
                    for (int k = 1; k <= unit->SentenceNum(); ++k) {
                        CSentence *sentence = nullptr;
                        QVERIFY(unit->GetSentence(k, sentence));
                        if (sentence->SentenceEN.isEmpty() || sentence->SentenceCH.isEmpty())
                            problems << sentence->SentenceID + ": empty text";
                        const QString id = sentence->SentenceID;
                        if (!isPlayableWav(unscrambled(AppPath("sentence-in-unit/" + id + ".wav")))
                            || !isPlayableWav(unscrambled(AppPath("sentence-voice/" + NormalizeWordKey(id) + ".wav"))))
                            problems << id + ": no voice";
                    }
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 20).join("\n")));
        QVERIFY(books >= 10);
        QVERIFY(units >= 80);
        // the start-up falls back to series 1, book 1, unit 1
        QVERIFY(gWordBank->SetCurrUnit(1, 1, 1, 1, QStringLiteral("全部")));
    }

    void unitWordsHaveSentencesWithTheWordAndAVoice()
    {
        const int given = LoadWordSentences(*gDictionary);
        QVERIFY2(given > 0, "dat/sentences.dat is missing or unreadable");
        // every word of the standard units once, with the spellings its units use
        QHash<CWord *, QStringList> spellings;
        QList<CWord *> order;
        for (int s = 1; s <= gWordBank->SeriesNum(); ++s) {
            CSeries *series = nullptr;
            QVERIFY(gWordBank->GetSeriesByID(s, series));
            QVERIFY(series->LoadStandardSeries());
            for (int b = 1; b <= series->BookNum(); ++b) {
                ClassBook *book = nullptr;
                QVERIFY(series->GetBookByID(b, book));
                for (int u = 1; u <= book->UnitNum(); ++u) {
                    ClassUnit *unit = nullptr;
                    QVERIFY(book->GetUnitbyID(u, unit));
                    CWord *w = nullptr;
                    for (int i = 1; unit->GetWord(i, w); ++i) {
                        if (!spellings.contains(w))
                            order << w;
                        spellings[w] << unit->English(i);
                    }
                }
            }
        }
        QStringList missing, problems;
        for (CWord *w : std::as_const(order)) {
            if (w->SentenceEN.isEmpty()) {
                missing << w->UserEN;
                continue;
            }
            bool shown = SentenceHasWord(w->SentenceEN, w->English);
            for (const QString &spelling : spellings.value(w))
                shown = shown || SentenceHasWord(w->SentenceEN, spelling);
            if (!shown)
                problems << w->UserEN + ": not in \"" + w->SentenceEN + "\"";
            if (w->SentenceCH.isEmpty())
                problems << w->UserEN + ": no Chinese";
            // spoken the way the learning window asks for it
            m_fake.plays.clear();
            w->ReadSentence(true);
            if (m_fake.plays.size() != 1 || !isPlayableWav(m_fake.plays.first().wav))
                problems << w->UserEN + ": no voice";
        }
        QVERIFY(order.size() >= 700);
        const double share = 1.0 - double(missing.size()) / double(order.size());
        QVERIFY2(share >= 0.95, qPrintable(QStringLiteral("%1 of %2 words have no sentence: %3")
                                                .arg(missing.size())
                                                .arg(order.size())
                                                .arg(missing.mid(0, 30).join(", "))));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 20).join("\n")));
    }

    void picturesDecode()
    {
        int decoded = 0;
        const QFileInfoList pics = QDir(AppPath("pics")).entryInfoList({"*.enjpg", "*.enbmp"}, QDir::Files);
        for (const QFileInfo &fi : pics) {
            QImage img;
            QVERIFY2(img.loadFromData(unscrambled(fi.absoluteFilePath())), qPrintable(fi.fileName()));
            CWord *w = nullptr;
            QVERIFY2(gDictionary->SetWord(w, fi.completeBaseName()), qPrintable(fi.fileName()));
            ++decoded;
        }
        QVERIFY2(decoded >= 400, qPrintable(QString::number(decoded)));
    }

    void sampleImportsIntoTheUserSeries()
    {
        const QFileInfoList samples = QDir(AppPath("sample")).entryInfoList({"*.txt"}, QDir::Files);
        QCOMPARE(samples.size(), 1);
        QCOMPARE(samples[0].fileName(), QStringLiteral("示例词库 第一册.txt"));
        QStringList lines;
        QVERIFY(ReadTextFileLines(samples[0].absoluteFilePath(), lines));
        const QString text = lines.join("\r\n");
        // the import window's own checks: shape, and every word known to the dictionary
        QCOMPARE(CheckBookFormatText(samples[0].completeBaseName(), text), QString());
        QCOMPARE(UnknownWords(text), QStringList());
        CSeries user; // never saved: nothing is written to the installation
        user.SeriesID = 0;
        QVERIFY(user.AddUserWordBook(samples[0].completeBaseName(), text));
        ClassBook *book = nullptr;
        QVERIFY(user.GetBookByName(samples[0].completeBaseName(), book));
        QVERIFY(book->UnitNum() >= 3);
        for (int u = 1; u <= book->UnitNum(); ++u) {
            ClassUnit *unit = nullptr;
            QVERIFY(book->GetUnitbyID(u, unit));
            QVERIFY(unit->WordNum() >= 4);
        }
    }

    void feedbackSoundsFontAndHelpAreThere()
    {
        for (const char *name : {"tada.wav", "failed.wav", "ting1.wav", "ting6.wav"}) {
            QFile f(AppPath(QString("appvoice/") + name));
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY2(isPlayableWav(f.readAll()), name);
        }
        QVERIFY(QFileInfo(AppPath("font/Ksphonet.ttf")).size() > 100000);
        QVERIFY(QFileInfo(AppPath("dat/help.html")).size() > 2000);
        for (const char *dir : {"usrdat", "tmp", "myvoice"})
            QVERIFY(QFileInfo(AppPath(dir)).isDir());
    }

    // Every standard unit's words, spoken by the shipped voices, checked
    // against the grammar of their unit as the learning window checks a child.
    void shippedVoicesAreHeardAsThemselves()
    {
        if (!SpeechRecognizer::ModelInstalled())
            QSKIP("the speech model is not installed");
        // The units, and each word's voice through the program's own reading.
        QList<QList<CWord *>> units;
        QHash<CWord *, Pcm16> voice;
        QList<CWord *> all;
        for (int s = 1; s <= gWordBank->SeriesNum(); ++s) {
            CSeries *series = nullptr;
            QVERIFY(gWordBank->GetSeriesByID(s, series));
            QVERIFY(series->LoadStandardSeries());
            for (int b = 1; b <= series->BookNum(); ++b) {
                ClassBook *book = nullptr;
                QVERIFY(series->GetBookByID(b, book));
                for (int u = 1; u <= book->UnitNum(); ++u) {
                    ClassUnit *unit = nullptr;
                    QVERIFY(book->GetUnitbyID(u, unit));
                    QList<CWord *> words;
                    CWord *w = nullptr;
                    for (int i = 1; unit->GetWord(i, w); ++i) {
                        words << w;
                        if (voice.contains(w))
                            continue;
                        m_fake.plays.clear();
                        w->ReadMe(1, true);
                        Pcm16 pcm;
                        if (m_fake.plays.size() == 1 && Pcm16FromWav(m_fake.plays.first().wav, pcm)) {
                            voice.insert(w, pcm);
                            all << w;
                        }
                    }
                    units << words;
                }
            }
        }
        QVERIFY(all.size() >= 700);

        QList<Case> cases;
        int next = 0;
        for (const QList<CWord *> &unit : std::as_const(units)) {
            QList<SayWord> grammar;
            for (CWord *w : unit)
                grammar << SayWordOf(w);
            for (qsizetype i = 0; i < unit.size(); ++i) {
                if (!voice.contains(unit[i]))
                    continue;
                Case c;
                c.voiceOf = unit[i]->English;
                c.grammar = grammar;
                c.grammar.move(i, 0);
                cases << c;
                // a word of another unit, spoken to this unit's grammar
                CWord *stranger = nullptr;
                for (int tries = 0; tries < all.size() && !stranger; ++tries) {
                    CWord *cand = all[(next++ * 7919) % all.size()];
                    if (!unit.contains(cand) && !cand->English.contains(u' '))
                        stranger = cand;
                }
                if (stranger) {
                    Case o = c;
                    o.voiceOf = stranger->English;
                    o.inGrammar = false;
                    cases << o;
                }
            }
        }
        QHash<QString, CWord *> byKey;
        for (CWord *w : std::as_const(all))
            byKey.insert(w->English, w);

        std::atomic<int> at{0};
        auto work = [&] {
            SpeechRecognizer rec;
            if (!rec.Load())
                return;
            for (int i = at++; i < cases.size(); i = at++) {
                Case &c = cases[i];
                const Pcm16 &pcm = voice.value(byKey.value(c.voiceOf));
                c.result = rec.Check(pcm, c.grammar.first(), c.grammar.mid(1));
            }
        };
        // one decoder per core: the check is the slow part of the data-set tests
        std::thread t1(work), t2(work);
        t1.join();
        t2.join();

        int in = 0, inHeard = 0, out = 0, outNone = 0;
        int stars[4] = {0, 0, 0, 0};
        QStringList misheard, falseAlarms;
        for (const Case &c : std::as_const(cases)) {
            QVERIFY2(c.result.checked, qPrintable(c.voiceOf + ": not checked"));
            if (c.inGrammar) {
                ++in;
                if (c.result.heard == c.voiceOf) {
                    ++inHeard;
                    ++stars[c.result.stars];
                } else {
                    misheard << c.voiceOf + " -> " + (c.result.heard.isEmpty() ? "none" : c.result.heard);
                }
            } else {
                ++out;
                if (c.result.heard.isEmpty())
                    ++outNone;
                else
                    falseAlarms << c.voiceOf + " -> " + c.result.heard;
            }
        }
        const double heardShare = double(inHeard) / in;
        const double noneShare = double(outNone) / out;
        qInfo("heard as itself: %d of %d (%.1f%%); stars 1/2/3: %d/%d/%d", inHeard, in, 100 * heardShare,
              stars[1], stars[2], stars[3]);
        qInfo("a word outside the grammar heard as none: %d of %d (%.1f%%)", outNone, out, 100 * noneShare);
        QVERIFY2(stars[0] == 0, "a word heard as itself got no star");
        QVERIFY2(heardShare >= 0.95, qPrintable(misheard.mid(0, 40).join(", ")));
        QVERIFY2(noneShare >= 0.90, qPrintable(falseAlarms.mid(0, 40).join(", ")));
    }
};

TALLIVO_TEST(DataSetTest)
#include "tst_dataset.moc"
