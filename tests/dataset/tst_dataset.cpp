// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shipped installation folder, checked as a whole through the program's
// own classes: what a child meets must load, sound and show.
#include "support/testmain.h"
#include "support/fakeplatform.h"

#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "helpers/textfile.h"
#include "helpers/wordforms.h"
#include "sound/sounddecode.h"
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
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>

#include <algorithm>
#include <cmath>
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

struct StandardUnit {
    int series = 0;
    ClassBook *book = nullptr;
    int unitNo = 0;
    ClassUnit *unit = nullptr;
};

// Every unit of the standard series in teaching order; empty when one
// does not load.
QList<StandardUnit> standardUnits()
{
    QList<StandardUnit> out;
    for (int s = 1; s <= gWordBank->SeriesNum(); ++s) {
        CSeries *series = nullptr;
        if (!gWordBank->GetSeriesByID(s, series) || !series->LoadStandardSeries())
            return {};
        for (int b = 1; b <= series->BookNum(); ++b) {
            ClassBook *book = nullptr;
            if (!series->GetBookByID(b, book))
                return {};
            for (int u = 1; u <= book->UnitNum(); ++u) {
                ClassUnit *unit = nullptr;
                if (!book->GetUnitbyID(u, unit))
                    return {};
                out << StandardUnit{s, book, u, unit};
            }
        }
    }
    return out;
}

// The speech of a 16-bit mono WAV in 20 ms frames of mean power; empty
// when it is not one.
struct Speech {
    QList<double> framePower;
    int frameMs = 20;
    double loudest() const { return *std::max_element(framePower.begin(), framePower.end()); }
    // dB of the frames within 30 dB of the loudest: the voice, not its pauses
    double levelDb() const
    {
        double sum = 0;
        int n = 0;
        for (double p : framePower)
            if (p >= loudest() / 1000.0) {
                sum += p;
                ++n;
            }
        return 10.0 * std::log10(sum / n / (32768.0 * 32768.0));
    }
    // from the first to the last frame within 40 dB of the loudest
    double spokenSeconds() const
    {
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < framePower.size(); ++i)
            if (framePower[i] >= loudest() / 10000.0) {
                first = first < 0 ? i : first;
                last = i;
            }
        return first < 0 ? 0.0 : double(last - first + 1) * frameMs / 1000.0;
    }
};

Speech speechOf(const QByteArray &wav)
{
    Speech out;
    if (wav.size() < 44 || !wav.startsWith("RIFF"))
        return out;
    qsizetype at = 12;
    int rate = 0, channels = 0, bits = 0;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (id == "fmt ") {
            channels = qFromLittleEndian<quint16>(wav.constData() + at + 10);
            rate = int(qFromLittleEndian<quint32>(wav.constData() + at + 12));
            bits = qFromLittleEndian<quint16>(wav.constData() + at + 22);
        } else if (id == "data" && channels == 1 && bits == 16 && rate > 0) {
            const qsizetype count = qMin<qsizetype>(size, wav.size() - at - 8) / 2;
            const qsizetype frame = rate * out.frameMs / 1000;
            for (qsizetype f = 0; f + frame <= count; f += frame) {
                double sum = 0;
                for (qsizetype i = f; i < f + frame; ++i) {
                    const double v = qFromLittleEndian<qint16>(wav.constData() + at + 8 + 2 * i);
                    sum += v * v;
                }
                out.framePower << sum / frame;
            }
            return out;
        }
        at += 8 + size + (size & 1);
    }
    return out;
}

// Shipped voices are stored compressed and play as a WAV once decoded.
bool isShippedVoice(const QString &path)
{
    const QByteArray stored = unscrambled(path);
    return IsOggBytes(stored) && isPlayableWav(DecodeToWav(stored));
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
            if (!isShippedVoice(AppPath("voice/" + NormalizeWordKey(w->English) + ".enw")))
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
                        if (!isShippedVoice(AppPath("sentence-in-unit/" + id + ".wav"))
                            || !isShippedVoice(AppPath("sentence-voice/" + NormalizeWordKey(id) + ".wav")))
                            problems << id + ": no voice";
                    }
                }
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 20).join("\n")));
        QVERIFY(books >= 10);
        QVERIFY(units >= 80);
        // the start-up falls back to series 1, book 1, unit 1
        QVERIFY(gWordBank->SelectCourse(1, 1, 1, 1, WordCategory::All));
    }

    void unitWordsHaveSentencesWithTheWordAndAVoice()
    {
        const int given = LoadWordSentences(*gDictionary);
        QVERIFY2(given > 0, "dat/sentences.dat is missing or unreadable");
        // every word of the standard units once, with the spellings its units use
        QHash<CWord *, QStringList> spellings;
        QList<CWord *> order;
        const QList<StandardUnit> units = standardUnits();
        QVERIFY(!units.isEmpty());
        for (const StandardUnit &su : units) {
            CWord *w = nullptr;
            for (int i = 1; su.unit->GetWord(i, w); ++i) {
                if (!spellings.contains(w))
                    order << w;
                spellings[w] << su.unit->English(i);
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
        QVERIFY(order.size() >= 1500);
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 of %2 words have no sentence: %3")
                                                   .arg(missing.size())
                                                   .arg(order.size())
                                                   .arg(missing.mid(0, 30).join(", "))));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 20).join("\n")));
    }

    // The words a child meets grade by grade: enough of them, mostly new in
    // every unit, and each picture in a unit showing one word only.
    void standardSeriesTeachesEnoughNewWords()
    {
        // the picture each word was drawn from, as authored
        QHash<QString, QString> pictureOfKey;
        const QString pictureDir = qEnvironmentVariable("TALLIVO_SOURCE_DIR") + "/data/pictures";
        for (const QFileInfo &fi : QDir(pictureDir).entryInfoList({"*.tsv"}, QDir::Files)) {
            QStringList lines;
            QVERIFY(ReadTextFileLines(fi.absoluteFilePath(), lines));
            for (const QString &line : std::as_const(lines)) {
                const QStringList f = line.split('\t');
                CWord *w = nullptr;
                if (f.size() == 2 && !line.startsWith('#') && gDictionary->SetWord(w, f[0]))
                    pictureOfKey.insert(w->English, f[1].trimmed());
            }
        }
        QVERIFY(!pictureOfKey.isEmpty());

        QSet<CWord *> taught;
        QList<int> newPerBook, seriesOfBook;
        QStringList problems;
        const QList<StandardUnit> units = standardUnits();
        QVERIFY(!units.isEmpty());
        for (qsizetype k = 0; k < units.size(); ++k) {
            const StandardUnit &su = units[k];
            if (k == 0 || units[k - 1].book != su.book) {
                if (k > 0 && units[k - 1].series == 1 && su.series == 2) // primary school ends with the first series
                    QVERIFY2(taught.size() >= 750, qPrintable(QString::number(taught.size())));
                newPerBook << 0;
                seriesOfBook << su.series;
            }
            const QString where = su.book->BookName + "/" + su.book->UnitName(su.unitNo);
            QSet<CWord *> words;
            QHash<QString, QString> wordOfPicture;
            int repeats = 0;
            CWord *w = nullptr;
            for (int i = 1; su.unit->GetWord(i, w); ++i) {
                words << w;
                repeats += taught.contains(w) ? 1 : 0;
                const QString pic = pictureOfKey.value(w->English);
                if (pic.isEmpty())
                    continue;
                if (!QFileInfo::exists(AppPath("pics/" + w->English + ".enjpg")))
                    problems << where + ": " + w->UserEN + " has no picture file";
                if (wordOfPicture.contains(pic))
                    problems << where + ": " + wordOfPicture[pic] + " and " + w->UserEN + " look the same";
                wordOfPicture.insert(pic, w->UserEN);
            }
            const int size = su.unit->WordNum();
            if (size < 9 || size > 16)
                problems << where + QStringLiteral(": %1 words").arg(size);
            if (repeats * 2 > size)
                problems << where + QStringLiteral(": %1 of %2 words taught before").arg(repeats).arg(size);
            for (CWord *n : std::as_const(words))
                newPerBook.last() += taught.contains(n) ? 0 : 1;
            taught.unite(words);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.mid(0, 20).join("\n")));
        QVERIFY2(taught.size() >= 1500, qPrintable(QString::number(taught.size())));
        for (int i = 0; i < newPerBook.size(); ++i)
            if (seriesOfBook[i] == 2)
                QVERIFY2(newPerBook[i] >= 150, qPrintable(QStringLiteral("book %1: %2").arg(i + 1).arg(newPerBook[i])));
    }

    // Words and sentences side by side sound equally loud, and sentences
    // come at a pace a young learner can follow.
    void voicesShareOneLoudnessAndSentencesAChildsPace()
    {
        QList<QPair<QString, double>> levels; // file, dB
        for (const char *dir : {"voice", "sentence-in-unit"}) {
            const QFileInfoList files = QDir(AppPath(dir)).entryInfoList(QDir::Files, QDir::Name);
            for (const QFileInfo &fi : files) {
                const Speech sp = speechOf(DecodeToWav(unscrambled(fi.absoluteFilePath())));
                QVERIFY2(!sp.framePower.isEmpty() && sp.loudest() > 0, qPrintable(fi.fileName()));
                levels << qMakePair(QString(dir) + "/" + fi.fileName(), sp.levelDb());
            }
        }
        QVERIFY(levels.size() >= 2000);
        std::sort(levels.begin(), levels.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
        QVERIFY2(levels.last().second - levels.first().second <= 3.0,
                 qPrintable(QStringLiteral("%1 at %2 dB, %3 at %4 dB")
                                .arg(levels.first().first)
                                .arg(levels.first().second, 0, 'f', 1)
                                .arg(levels.last().first)
                                .arg(levels.last().second, 0, 'f', 1)));

        int words = 0;
        double seconds = 0;
        for (const StandardUnit &su : standardUnits()) {
            CSentence *sentence = nullptr;
            for (int k = 1; su.unit->GetSentence(k, sentence); ++k) {
                words += int(sentence->SentenceEN.split(' ', Qt::SkipEmptyParts).size());
                seconds += speechOf(DecodeToWav(unscrambled(AppPath("sentence-in-unit/" + sentence->SentenceID + ".wav"))))
                               .spokenSeconds();
            }
        }
        QVERIFY(seconds > 0);
        const double perMinute = words * 60.0 / seconds;
        qInfo("voice levels %.1f to %.1f dB, sentences at %.0f words a minute", levels.first().second,
              levels.last().second, perMinute);
        QVERIFY2(perMinute >= 130 && perMinute <= 150, qPrintable(QString::number(perMinute)));
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

    // The help opens with a quick start a child can follow by its pictures,
    // and every picture it shows is installed beside it.
    void helpStartsWithAnIllustratedQuickStart()
    {
        QFile f(AppPath("dat/help.html"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        const qsizetype start = html.indexOf(QLatin1String("id=\"start\""));
        QVERIFY(start > 0);
        QVERIFY(start < html.indexOf(QLatin1String("<nav>")));
        QVERIFY(html.indexOf(QLatin1String("id=\"parents\"")) > start);
        int shown = 0;
        static const QRegularExpression src(QStringLiteral("src=\"([^\"]+)\""));
        for (auto it = src.globalMatch(html); it.hasNext();) {
            const QString rel = it.next().captured(1);
            QVERIFY2(!QImage(AppPath("dat/" + rel)).isNull(), qPrintable(rel));
            ++shown;
        }
        QVERIFY(shown >= 4);
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
