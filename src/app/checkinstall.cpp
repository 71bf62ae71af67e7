// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "checkinstall.h"
#include "app/consoleplatform.h"
#include "helpers/apppaths.h"
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "helpers/userfiles.h"
#include "platform/platform.h"
#include "speech/speechrecognizer.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classuser.h"
#include "wordbank/reviewday.h"
#include "wordbank/reviewstore.h"
#include "wordbank/reviewplan.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "wordbank/profilefiles.h"
#include "wordbank/wordsentences.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>
#include <QThread>
#include <random>

namespace {

struct Problems {
    QStringList lines;
    void add(const QString &s) { lines << s; }
};

// Why the dictionary file did not load, in one phrase.
QString DictionaryFault(const ClassDBdictionary &dict)
{
    const QFileInfo fi(gDictFile);
    if (!fi.exists())
        return QStringLiteral("missing");
    QStringList lines;
    if (!ReadEncodedFileLines(gDictFile, lines))
        return QStringLiteral("unreadable");
    if (lines.size() < 6)
        return QStringLiteral("too short (%1 lines, at least 6 needed)").arg(lines.size());
    if (StripTabsTrim(lines.at(0)) != QLatin1String(ClassDBdictionary::kHeader))
        return QStringLiteral("wrong header");
    if (dict.BadLineNumber() > 0)
        return QStringLiteral("bad entry on line %1").arg(dict.BadLineNumber());
    return QStringLiteral("not loaded");
}

QString WordBankFault()
{
    if (!QFileInfo::exists(gWordBankFile))
        return QStringLiteral("missing");
    QStringList lines;
    if (!ReadEncodedFileLines(gWordBankFile, lines))
        return QStringLiteral("unreadable");
    if (lines.size() < 6)
        return QStringLiteral("too short (%1 lines, at least 6 needed)").arg(lines.size());
    return QStringLiteral("wrong header");
}

// File names in a folder, for cheap presence tests.
QSet<QString> FilesIn(const QString &relative)
{
    const QStringList names = QDir(AppPath(relative)).entryList(QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

struct Counts {
    int books = 0, units = 0, words = 0, sentences = 0, sentenceVoices = 0, sentenceKeyVoices = 0;
    QSet<const CWord *> distinct;
    QStringList newWordsPerBook; // "series/book: n", in teaching order
};

void CountSeries(const CSeries &series, const QSet<QString> &unitVoices, const QSet<QString> &keyVoices, Counts &c)
{
    c.books += series.BookNum();
    for (int b = 1; b <= series.BookNum(); ++b) {
        ClassBook *book = nullptr;
        if (!series.GetBookByID(b, book))
            continue;
        c.units += book->UnitNum();
        const qsizetype before = c.distinct.size();
        for (int u = 1; u <= book->UnitNum(); ++u) {
            ClassUnit *unit = nullptr;
            if (!book->GetUnitbyID(u, unit))
                continue;
            c.words += unit->WordNum();
            CWord *w = nullptr;
            for (int i = 1; unit->GetWord(i, w); ++i)
                c.distinct.insert(w);
            c.sentences += unit->SentenceNum();
            CSentence *s = nullptr;
            for (int i = 1; unit->GetSentence(i, s); ++i) {
                if (unitVoices.contains(s->SentenceID + QStringLiteral(".wav")))
                    ++c.sentenceVoices;
                // the other way a sentence is spoken: by the key of its id
                if (keyVoices.contains(NormalizeWordKey(s->SentenceID) + QStringLiteral(".wav")))
                    ++c.sentenceKeyVoices;
            }
        }
        c.newWordsPerBook << QStringLiteral("%1/%2: %3").arg(series.SeriesName, book->BookName).arg(c.distinct.size() - before);
    }
}

QString UserRel(const QString &path)
{
    const QString rel = QDir(gUserDir).relativeFilePath(path);
    return rel.startsWith(QLatin1String("..")) ? QDir::toNativeSeparators(path) : rel;
}

// Stray saves beside the user files, and what a start would do with them.
void CheckStraySaves(Problems &problems)
{
    QList<QPair<QString, UserFileCheck>> files;
    for (const QString &status : gUserStatusFile)
        files.append({status, StatusFileIsWhole});
    for (int id = 0; id < 3; ++id)
        if (const QString review = ReviewFilePath(id); !review.isEmpty())
            files.append({review, ReviewFileIsWhole});
    files.append({gUserNameFile, NameFileIsWhole});
    files.append({gUserBookFile, UserBookFileIsWhole});
    for (const auto &[path, check] : files) {
        const QStringList strays = StraySavesOf(path);
        if (strays.isEmpty())
            continue;
        const bool replaces = RecoverStraySave(path, check, false);
        for (const QString &s : strays)
            problems.add(UserRel(s) + QStringLiteral(": a save cut off before its rename (the next start ")
                         + (replaces ? QStringLiteral("puts the newest whole one in place of ") + UserRel(path)
                                     : QStringLiteral("removes it"))
                         + QStringLiteral(")"));
    }
}

void CheckNameFile()
{
    if (UserFileStateOf(gUserNameFile) == UserFileState::NotRegular) {
        NoteRefusedUserFile(gUserNameFile);
        return;
    }
    QByteArray bytes;
    if (ReadUserFile(gUserNameFile, bytes) && ReadNameFileText(bytes).damaged)
        NoteDamagedUserFile(gUserNameFile);
}

} // namespace

int RunCheckInstall(const QString &appDir, QTextStream &out, QTextStream &err)
{
    InitAppPathsFor(appDir);
    return RunCheckFolders(out, err);
}

int RunCheckFolders(QTextStream &out, QTextStream &err)
{
    ConsolePlatform console(err);
    Platform *previous = SetPlatform(&console);
    ReleaseSharedObjects();
    // a check only tells: no copy of a damaged file is made
    SetUserFileCopiesMade(false);
    TakeUserFileNotices();

    Problems problems;
    const AppFolders &folders = CurrentAppFolders();
    QStringList looked;
    for (const QString &dir : folders.lookedIn)
        looked << QDir::toNativeSeparators(dir);
    out << "Tallivo installation: " << QDir::toNativeSeparators(gDataDir) << Qt::endl;
    out << "data folder: " << QDir::toNativeSeparators(gDataDir) << Qt::endl;
    out << "user folder: " << QDir::toNativeSeparators(gUserDir) << Qt::endl;
    out << "looked for the data set in: " << looked.join(QStringLiteral("; ")) << Qt::endl;

    if (!QFileInfo::exists(AppPath(QStringLiteral("dat/UK2USA.txt"))))
        problems.add(QStringLiteral("dat/UK2USA.txt: missing (no British spellings are converted)"));

    gDictionary = new ClassDBdictionary;
    const bool dictOk = gDictionary->InitDict();
    if (!dictOk)
        problems.add(QStringLiteral("dat/sysdic.dic: ") + DictionaryFault(*gDictionary));

    if (dictOk && LoadWordSentences(*gDictionary) < 0)
        problems.add(QStringLiteral("dat/sentences.dat: ")
                     + (QFileInfo::exists(WordSentenceFile()) ? QStringLiteral("unreadable or not a sentence file")
                                                              : QStringLiteral("missing"))
                     + QStringLiteral(" (no word shows an example sentence)"));

    int pairs = 0;
    for (qsizetype i = 1; i < gUKWords.size(); ++i) {
        if (!gUKWords.at(i).trimmed().isEmpty())
            ++pairs;
    }

    // Keys the status text cannot carry, and media per key.
    const QSet<QString> voices = FilesIn(QStringLiteral("voice"));
    const QSet<QString> sentenceVoiceFiles = FilesIn(QStringLiteral("sentence-voice"));
    const QSet<QString> pics = FilesIn(QStringLiteral("pics"));
    int wordVoices = 0, wordSentences = 0, wordSentenceVoices = 0, pictures = 0;
    QStringList badKeys;
    gDictionary->ForEachWord([&](CWord &w) {
        if (voices.contains(w.English + QStringLiteral(".enw")))
            ++wordVoices;
        if (!w.SentenceEN.isEmpty()) {
            ++wordSentences;
            if (sentenceVoiceFiles.contains(w.English + QStringLiteral(".wav")))
                ++wordSentenceVoices;
        }
        if (pics.contains(w.English + QStringLiteral(".enjpg")) || pics.contains(w.English + QStringLiteral(".enbmp")))
            ++pictures;
        if (w.English.contains(QLatin1Char('-')) || w.English.contains(QLatin1Char('|')))
            badKeys << w.English;
    });
    for (const QString &k : badKeys)
        problems.add(QStringLiteral("dat/sysdic.dic: key \"%1\" contains \"-\" or \"|\" (its progress cannot be saved)").arg(k));

    gWordBank = new CWordBank;
    const bool bankOk = gWordBank->SeriesListLoaded();
    if (!bankOk)
        problems.add(QStringLiteral("dat/twb.ck: ") + WordBankFault());

    const QSet<QString> unitVoices = FilesIn(QStringLiteral("sentence-in-unit"));
    Counts counts;
    for (int s = 1; s <= gWordBank->SeriesNum(); ++s) {
        CSeries *series = nullptr;
        if (!gWordBank->GetSeriesByID(s, series))
            continue;
        series->LoadStandardSeries();
        if (series->BookNum() == 0)
            problems.add(QStringLiteral("dat/twb.ck: series \"%1\" has no books").arg(series->SeriesName));
        for (const QString &line : series->DroppedWordLines())
            problems.add(QStringLiteral("dat/twb.ck: series \"%1\": word line dropped: %2").arg(series->SeriesName, line));
        CountSeries(*series, unitVoices, sentenceVoiceFiles, counts);
    }

    CSeries *userSeries = nullptr;
    int userBooks = 0;
    if (gWordBank->GetSeriesByID(0, userSeries))
        userBooks = userSeries->BookNum();
    CheckNameFile();
    CheckStraySaves(problems);

    int profiles = 0;
    for (int id = 0; id < 3; ++id) {
        const QString rel = QStringLiteral("usrdat/ustatus-%1.dat").arg(id);
        if (UserFileStateOf(gUserStatusFile[id]) == UserFileState::Missing)
            continue;
        ++profiles;
        ClassUser user;
        user.userID = id;
        if (!user.LoadUserFeature() && !user.StatusFileDamaged())
            problems.add(rel + QStringLiteral(": unreadable"));
        else
            out << "profile " << id << ": series " << user.nLastSeries << ", book " << user.nLastBook << ", units "
                << user.nLastStartUnit << ".." << user.nLastEndUnit << ", score " << user.myScore << ", coins "
                << user.myCoin << Qt::endl;
        const ReviewStore &reviews = user.Reviews();
        out << "profile " << id << " reviews: " << reviews.Entries().size() << " words with a memory, "
            << ComputePlan(reviews, reviewday::Today(), {}).dueTotal << " due today, " << reviews.SkippedLines()
            << " lines skipped" << Qt::endl;
        if (reviews.KeepsFile())
            problems.add(QStringLiteral("usrdat/ureview-%1.dat: unreadable or from a newer version").arg(id));
    }

    for (const UserFileNotice &n : TakeUserFileNotices())
        problems.add(UserRel(n.path)
                     + (n.refused ? QStringLiteral(": a link or not a regular file (neither read nor written)")
                                  : QStringLiteral(": damaged; a start keeps what it can read and copies it to ")
                                        + UserRel(n.copy)));
    SetUserFileCopiesMade(true);

    const int entries = gDictionary->WordCount();
    out << "dictionary entries: " << entries << Qt::endl;
    out << "UK-US spelling pairs: " << pairs << Qt::endl;
    out << "series: " << gWordBank->SeriesNum() << Qt::endl;
    out << "books: " << counts.books << Qt::endl;
    out << "units: " << counts.units << Qt::endl;
    out << "words in units: " << counts.words << " (distinct: " << counts.distinct.size() << ")" << Qt::endl;
    for (const QString &b : std::as_const(counts.newWordsPerBook))
        out << "new words in " << b << Qt::endl;
    int unitWordsWithPicture = 0;
    for (const CWord *w : std::as_const(counts.distinct))
        if (pics.contains(w->English + QStringLiteral(".enjpg")) || pics.contains(w->English + QStringLiteral(".enbmp")))
            ++unitWordsWithPicture;
    out << "unit words with a picture: " << unitWordsWithPicture << " of " << counts.distinct.size() << Qt::endl;
    out << "sentences: " << counts.sentences << Qt::endl;
    out << "word voices present: " << wordVoices << " of " << entries << Qt::endl;
    int unitWordsWithSentence = 0;
    for (const CWord *w : std::as_const(counts.distinct))
        if (!w->SentenceEN.isEmpty())
            ++unitWordsWithSentence;
    out << "words with an example sentence: " << wordSentences << " of " << entries << " (in units: "
        << unitWordsWithSentence << " of " << counts.distinct.size() << ")" << Qt::endl;
    out << "word sentence voices present: " << wordSentenceVoices << " of " << wordSentences << Qt::endl;
    out << "unit sentence voices present: " << counts.sentenceVoices << " of " << counts.sentences << Qt::endl;
    out << "sentence voices by key present: " << counts.sentenceKeyVoices << " of " << counts.sentences << Qt::endl;
    out << "pictures present: " << pictures << " of " << entries << Qt::endl;
    // Not a problem of the installation: without the model 跟读 still records and plays.
    const QString model = QDir::toNativeSeparators(SpeechRecognizer::DefaultModelDir());
    out << (SpeechRecognizer::ModelInstalled() ? "speech model: installed (" + model + ")"
                                               : "speech model: missing (" + model
                                                     + "): recordings are kept and played, not checked")
        << Qt::endl;
    out << "user books: " << userBooks << Qt::endl;
    out << "profiles found: " << profiles << " of 3" << Qt::endl;
    out << "problems: " << problems.lines.size() << Qt::endl;
    for (const QString &p : problems.lines)
        out << "problem: " << p << Qt::endl;

    ReleaseSharedObjects();
    SetPlatform(previous);
    return dictOk && bankOk ? 0 : 1;
}
