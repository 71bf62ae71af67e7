// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns the authored content in data/ into the folder the program runs in.
// Usage: tallivo_databuild DATA_DIR APP_DIR CACHE_DIR
// Every output is made only when its inputs changed, so a second run is quick.
#include "helpers/envelope.h"
#include "helpers/texthelpers.h"
#include "helpers/textfile.h"
#include "helpers/wordforms.h"
#include "wordbank/wordsentences.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <QtEndian>
#include <QProcess>
#include <QSaveFile>
#include <QSet>
#include <QSvgRenderer>
#include <QBuffer>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <QThreadPool>

#include <atomic>
#include <cmath>
#include <functional>
#include <cstdio>

namespace {

// Bump when the look of pictures or covers changes, so they are drawn again.
const char *const kPictureStyle = "pic-v3";
const char *const kCoverStyle = "cover-v2";
const char *const kVoiceStyle = "flite-rms-v2-level-rate";
// Bump with the voice encoding below, so every voice is encoded again.
const char *const kVoiceCodec = "opus-24k-v1";

int gErrors = 0;

void fail(const QString &msg)
{
    std::fprintf(stderr, "error: %s\n", qPrintable(msg));
    ++gErrors;
}

void warn(const QString &msg) { std::fprintf(stderr, "warning: %s\n", qPrintable(msg)); }

QStringList readLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        fail(path + ": cannot be read");
        return {};
    }
    return SplitLines(DecodeText(f.readAll()));
}

QStringList filesIn(const QString &dir, const QString &pattern)
{
    QStringList out;
    for (const QFileInfo &fi : QDir(dir).entryInfoList({pattern}, QDir::Files, QDir::Name))
        out << fi.absoluteFilePath();
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Calls fn(where, fields) for each line of dir/*.tsv that is not blank or a
// comment; where is "file:line" for the messages.
void forEachTsvLine(const QString &dir, const std::function<void(const QString &, const QStringList &)> &fn)
{
    for (const QString &path : filesIn(dir, "*.tsv")) {
        const QStringList lines = readLines(path);
        for (int i = 0; i < lines.size(); ++i) {
            const QString &line = lines[i];
            if (line.trimmed().isEmpty() || line.startsWith('#'))
                continue;
            fn(QFileInfo(path).fileName() + ":" + QString::number(i + 1), line.split('\t'));
        }
    }
}

// Writes only when the bytes differ, so unchanged outputs keep their dates.
bool writeIfChanged(const QString &path, const QByteArray &bytes)
{
    if (QFileInfo::exists(path) && fileBytes(path) == bytes)
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        fail(path + ": cannot be written");
    return true;
}

QByteArray crlfUtf8(const QStringList &lines)
{
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

QString hashOf(const QByteArray &b)
{
    return QString::fromLatin1(QCryptographicHash::hash(b, QCryptographicHash::Sha1).toHex());
}

// A cache stamp beside each generated medium: the output is remade when the
// recipe (text, emoji, style) behind it changes.
struct Stamps {
    QString dir;
    bool upToDate(const QString &name, const QString &recipe, const QString &output) const
    {
        return QFileInfo::exists(output) && fileBytes(dir + "/" + name) == hashOf(recipe.toUtf8()).toLatin1();
    }
    void mark(const QString &name, const QString &recipe) const
    {
        writeIfChanged(dir + "/" + name, hashOf(recipe.toUtf8()).toLatin1());
    }
};

struct Entry {
    QString userEN, key, ipa, chinese, detail, where;
    QString speakAs;           // what the voice is given instead of the spelling
    bool speakAsAlone = false; // only when the word is said by itself (close the door / close to)
};

struct Sentence {
    QString id, english;
};

struct Unit {
    QString name, where;
    QStringList words;
};

struct Book {
    QString series, name;
    int seriesId = 0, bookId = 0;
    QStringList words;
    QList<Unit> units;
};

// ---------------------------------------------------------------- dictionary

void loadSpellingList(const QString &path)
{
    gUKWords = QStringList{QString()};
    gUSWords = QStringList{QString()};
    for (const QString &line : readLines(path)) {
        const QStringList f = line.split('\t');
        gUKWords << (f.size() == 2 ? f[0] : QString());
        gUSWords << (f.size() == 2 ? f[1] : QString());
    }
    while (gUKWords.size() > 1 && gUKWords.last().isEmpty() && gUSWords.last().isEmpty()) {
        gUKWords.removeLast();
        gUSWords.removeLast();
    }
}

QList<Entry> loadDictionary(const QString &dataDir)
{
    QList<Entry> entries;
    QHash<QString, QString> seen; // upper-cased key -> where
    forEachTsvLine(dataDir + "/dictionary", [&](const QString &where, const QStringList &f) {
        if (f.size() != 4 && f.size() != 5) {
            fail(where + ": expected 4 tab-separated fields and an optional \"speak as\"");
            return;
        }
        Entry e{f[0].trimmed(), {}, f[1].trimmed(), f[2].trimmed(), f[3].trimmed(), where, {}, false};
        if (f.size() == 5) {
            e.speakAs = f[4].trimmed();
            if (e.speakAs.startsWith(QLatin1String("alone:"))) {
                e.speakAsAlone = true;
                e.speakAs = e.speakAs.mid(6).trimmed();
            }
            if (e.speakAs.isEmpty()) {
                fail(where + ": empty \"speak as\"");
                return;
            }
        }
        if (e.userEN.isEmpty() || e.ipa.isEmpty() || e.chinese.isEmpty() || e.detail.isEmpty()) {
            fail(where + ": empty field");
            return;
        }
        QString w = e.userEN;
        if (!IsValidEnglishWord(w) || w != e.userEN) {
            fail(where + ": \"" + e.userEN + "\" is not a word the program accepts");
            return;
        }
        if (e.ipa.contains('/')) {
            fail(where + ": transcription must not carry slashes");
            return;
        }
        e.key = NormalizeWordKey(e.userEN);
        if (e.key.isEmpty() || e.key.contains('|')) {
            fail(where + ": empty key");
            return;
        }
        const QString up = e.key.toUpper();
        if (seen.contains(up)) {
            fail(where + ": key \"" + e.key + "\" already defined at " + seen[up]);
            return;
        }
        seen.insert(up, where);
        entries << e;
    });
    return entries;
}

QByteArray dictionaryText(const QList<Entry> &entries)
{
    QStringList lines{"$KELVAN DIC98", "Tallivo 9.8 dictionary", "", "", ""};
    for (const Entry &e : entries)
        lines << (QStringList{e.userEN, e.key, e.detail, e.chinese, e.ipa}.join('\t'));
    return crlfUtf8(lines);
}

// ---------------------------------------------------------------- word bank

bool validName(const QString &name)
{
    static const QString banned = "@%#|*/\t-";
    for (QChar c : banned)
        if (name.contains(c))
            return false;
    return !name.trimmed().isEmpty();
}

QByteArray wordBankText(const QString &dataDir, const QHash<QString, Entry> &byKey,
                        QList<Sentence> &sentences, QList<Book> &books)
{
    QStringList out{"$ KELVAN VOCATRIX98 WORDBANK", "Tallivo 9.8 word bank"};
    int seriesId = 0, bookId = 0, unitId = 0, sentenceNo = 0;
    QString seriesName;
    QSet<QString> seriesNames, bookNames, unitNames;
    int missing = 0;
    for (const QString &path : filesIn(dataDir + "/wordbank", "*.txt")) {
        const QStringList lines = readLines(path);
        bool expectDesc = false;
        for (int i = 0; i < lines.size(); ++i) {
            const QString where = QFileInfo(path).fileName() + ":" + QString::number(i + 1);
            QString line = lines[i].trimmed();
            if (line.isEmpty())
                continue;
            out << line;
            if (expectDesc) {
                expectDesc = false;
                continue;
            }
            const QChar c = line[0];
            const QString rest = line.mid(1).trimmed();
            if (c == '@') {
                if (!validName(rest) || seriesNames.contains(rest))
                    fail(where + ": bad or repeated series name");
                seriesNames.insert(rest);
                seriesName = rest;
                ++seriesId;
                bookId = unitId = 0;
                bookNames.clear();
                expectDesc = true;
            } else if (c == '%') {
                if (!validName(rest) || bookNames.contains(rest))
                    fail(where + ": bad or repeated book name");
                if (i + 1 >= lines.size() || !lines[i + 1].trimmed().startsWith('#'))
                    fail(where + ": a book line must be followed by a unit line");
                bookNames.insert(rest);
                ++bookId;
                unitId = 0;
                unitNames.clear();
                books << Book{seriesName, rest, seriesId, bookId, {}, {}};
            } else if (c == '#') {
                if (!validName(rest) || unitNames.contains(rest))
                    fail(where + ": bad or repeated unit name");
                unitNames.insert(rest);
                ++unitId;
                sentenceNo = 0;
                if (!books.isEmpty())
                    books.last().units << Unit{rest, where, {}};
            } else if (c == '*') {
                const QStringList f = line.split('\t');
                if (f.size() != 3 || f[0] != "*" || f[1].trimmed().isEmpty() || f[2].trimmed().isEmpty()) {
                    fail(where + ": a sentence line is \"*\", tab, English, tab, Chinese");
                    continue;
                }
                ++sentenceNo;
                sentences << Sentence{QString("SID-%1-%2-%3-%4").arg(seriesId).arg(bookId).arg(unitId).arg(sentenceNo),
                                      f[1].trimmed()};
            } else {
                QString w = line;
                if (!IsValidEnglishWord(w)) {
                    fail(where + ": \"" + line + "\" is not a word the program accepts");
                    continue;
                }
                if (!byKey.contains(NormalizeWordKey(w).toUpper())) {
                    fail(where + ": \"" + w + "\" is not in the dictionary");
                    ++missing;
                }
                if (!books.isEmpty())
                    books.last().words << w;
                if (!books.isEmpty() && !books.last().units.isEmpty())
                    books.last().units.last().words << w;
            }
        }
    }
    if (seriesId == 0)
        fail("the word bank has no series");
    if (missing)
        fail(QString::number(missing) + " word-bank words are not in the dictionary");
    return crlfUtf8(out);
}

// ---------------------------------------------------------------- word sentences

struct WordSentence {
    QString key, english, chinese, where;
};

// data/sentences/*.tsv: word TAB English TAB Chinese, the word spelt as a unit
// line spells it. The installed file names the word by its dictionary key.
QList<WordSentence> loadWordSentences(const QString &dataDir, const QHash<QString, Entry> &byKey,
                                      const QSet<QString> &unitKeys)
{
    QList<WordSentence> out;
    QHash<QString, QString> seen; // key -> where
    int unmatched = 0;
    forEachTsvLine(dataDir + "/sentences", [&](const QString &where, const QStringList &f) {
        if (f.size() != 3 || f[1].trimmed().isEmpty() || f[2].trimmed().isEmpty()) {
            fail(where + ": a sentence line is word, tab, English, tab, Chinese");
            return;
        }
        const QString word = f[0].trimmed();
        const auto it = byKey.constFind(NormalizeWordKey(word).toUpper());
        if (word.isEmpty() || it == byKey.constEnd()) {
            fail(where + ": \"" + word + "\" is not a dictionary word");
            return;
        }
        const QString key = it->key;
        if (seen.contains(key)) {
            fail(where + ": \"" + word + "\" has a sentence already at " + seen[key]);
            return;
        }
        seen.insert(key, where);
        if (!unitKeys.contains(key))
            warn(where + ": \"" + word + "\" is in no unit of the word bank");
        const QString english = f[1].trimmed();
        if (!SentenceHasWord(english, word) && !SentenceHasWord(english, it->userEN)) {
            warn(where + ": the sentence does not contain \"" + word + "\"");
            ++unmatched;
        }
        out << WordSentence{key, english, f[2].trimmed(), where};
    });
    if (unmatched)
        warn(QString::number(unmatched) + " sentences do not contain their word");
    return out;
}

QByteArray wordSentenceText(const QList<WordSentence> &sentences)
{
    QStringList lines{kWordSentenceHeader};
    for (const WordSentence &s : sentences)
        lines << QStringList{s.key, s.english, s.chinese}.join('\t');
    return crlfUtf8(lines);
}

// ---------------------------------------------------------------- voices

// One flite run, written to every file that says the same text. Each file
// keeps its own stamp, so a file that moves from one text to another is
// remade even when it moves back.
struct VoiceOutput {
    QString path, stamp;
};

struct VoiceJob {
    QString text;
    QList<VoiceOutput> outputs; // enveloped copies of the same sound
    bool sentence = false;      // spoken more slowly than a single word
};

// ---- speak as: words the synthesiser reads wrong from their spelling

struct SpeakAs {
    QRegularExpression pattern;
    QString spoken;
};

QList<SpeakAs> speakAsRules(const QList<Entry> &entries)
{
    QList<SpeakAs> rules;
    for (const Entry &e : entries) {
        if (e.speakAs.isEmpty() || e.speakAsAlone)
            continue;
        // the word or its plural, not inside a longer word
        rules << SpeakAs{QRegularExpression("(?<![A-Za-z])" + QRegularExpression::escape(e.userEN) + "(s?)(?![A-Za-z])",
                                            QRegularExpression::CaseInsensitiveOption),
                         e.speakAs};
    }
    return rules;
}

QString spokenWord(const Entry &e)
{
    return e.speakAs.isEmpty() ? e.userEN : e.speakAs;
}

QString spokenSentence(QString text, const QList<SpeakAs> &rules)
{
    for (const SpeakAs &r : rules) {
        QRegularExpressionMatch m;
        qsizetype from = 0;
        while ((m = r.pattern.match(text, from)).hasMatch()) {
            QString say = r.spoken + m.captured(1);
            if (m.captured(0).at(0).isUpper())
                say[0] = say[0].toUpper();
            text.replace(m.capturedStart(), m.capturedLength(), say);
            from = m.capturedStart() + say.size();
        }
    }
    return text;
}

// ---- speaking rate: flite reads at about 180 words a minute; a child
// following a sentence needs about 140.

const char *const kSentenceStretch = "1.27";

QStringList fliteArguments(const VoiceJob &job, const QString &wav)
{
    QStringList args{"-voice", "rms"};
    if (job.sentence)
        args << "--setf" << QString("duration_stretch=") + kSentenceStretch;
    return args << "-t" << job.text << "-o" << wav;
}

// ---- loudness: every voice at one speech level, so no word is a whisper
// and none a shout next to another.

const double kSpeechLevelDb = -22.0; // level of the spoken parts, dBFS
const double kPeakLimit = 0.97;      // of full scale

// Level in dBFS of the spoken parts of 16-bit mono PCM: 20 ms frames
// within 30 dB of the loudest one, so pauses do not count.
double speechLevelDb(const qint16 *samples, qsizetype count, int rate)
{
    const qsizetype frame = qMax(1, rate / 50);
    QList<double> power;
    for (qsizetype at = 0; at + frame <= count; at += frame) {
        double sum = 0;
        for (qsizetype i = at; i < at + frame; ++i)
            sum += double(samples[i]) * samples[i];
        power << sum / frame;
    }
    double loudest = 0;
    for (double p : power)
        loudest = qMax(loudest, p);
    if (loudest <= 0)
        return -120;
    double sum = 0;
    int n = 0;
    for (double p : power)
        if (p >= loudest / 1000.0) {
            sum += p;
            ++n;
        }
    return 10.0 * std::log10(sum / n / (32768.0 * 32768.0));
}

// Finds the samples of a 16-bit mono WAV in place; false for anything else.
bool pcmOf(QByteArray &wav, qint16 *&samples, qsizetype &count, int &rate)
{
    if (wav.size() < 44 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return false;
    qsizetype at = 12;
    int channels = 0, bits = 0;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(wav.constData() + at + 4);
        if (id == "fmt " && at + 24 <= wav.size()) {
            channels = qFromLittleEndian<quint16>(wav.constData() + at + 10);
            rate = int(qFromLittleEndian<quint32>(wav.constData() + at + 12));
            bits = qFromLittleEndian<quint16>(wav.constData() + at + 22);
        } else if (id == "data") {
            if (channels != 1 || bits != 16 || rate <= 0)
                return false;
            count = qMin<qsizetype>(size, wav.size() - at - 8) / 2;
            samples = reinterpret_cast<qint16 *>(wav.data() + at + 8);
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

// Brings the speech to kSpeechLevelDb, never past the peak limit.
QByteArray normaliseLoudness(QByteArray wav)
{
    qint16 *samples = nullptr;
    qsizetype count = 0;
    int rate = 0;
    if (!pcmOf(wav, samples, count, rate))
        return wav;
    QList<qint16> host(count);
    int peak = 1;
    for (qsizetype i = 0; i < count; ++i) {
        host[i] = qFromLittleEndian<qint16>(samples[i]);
        peak = qMax(peak, std::abs(int(host[i])));
    }
    const double level = speechLevelDb(host.constData(), count, rate);
    const double gain = qMin(std::pow(10.0, (kSpeechLevelDb - level) / 20.0), kPeakLimit * 32767.0 / peak);
    for (qsizetype i = 0; i < count; ++i)
        samples[i] = qToLittleEndian<qint16>(qint16(qBound(-32768.0, std::round(host[i] * gain), 32767.0)));
    return wav;
}

// The last step of every voice: the finished WAV becomes Ogg Opus. 24 kbit/s
// (variable) keeps flite's 16 kHz speech without audible loss at a tenth of
// the size; no padding, and a fixed serial number so a rebuild gives the same
// bytes.
QByteArray encodeVoice(const QByteArray &wav)
{
    QProcess p;
    p.start("opusenc", {"--quiet", "--bitrate", "24", "--padding", "0", "--serial", "1", "-", "-"});
    if (!p.waitForStarted(60000))
        return {};
    p.write(wav);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    const QByteArray ogg = p.readAllStandardOutput();
    return ogg.startsWith("OggS") ? ogg : QByteArray();
}

bool makeVoice(const VoiceJob &job, const QString &tmpDir)
{
    // named by the stamp: a word's voice and its sentence share a base name
    const QString wav = tmpDir + "/" + job.outputs.first().stamp + ".wav";
    QProcess p;
    p.start("flite", fliteArguments(job, wav));
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        fail("flite could not speak \"" + job.text + "\"");
        return false;
    }
    const QByteArray clear = normaliseLoudness(fileBytes(wav));
    QFile::remove(wav);
    if (clear.size() <= 44) {
        fail("flite gave no sound for \"" + job.text + "\"");
        return false;
    }
    const QByteArray stored = encodeVoice(clear);
    if (stored.isEmpty()) {
        fail("opusenc could not encode \"" + job.text + "\"");
        return false;
    }
    for (const VoiceOutput &out : job.outputs)
        writeIfChanged(out.path, EnvelopeBytes(stored));
    return true;
}

QString voiceRecipe(const VoiceJob &j)
{
    return j.text + kVoiceStyle + kVoiceCodec + (j.sentence ? kSentenceStretch : "");
}

void buildVoices(const QList<VoiceJob> &all, const Stamps &stamps, const QString &tmpDir)
{
    QList<VoiceJob> todo;
    for (const VoiceJob &j : all) {
        bool fresh = true;
        for (const VoiceOutput &o : j.outputs)
            fresh = fresh && stamps.upToDate(o.stamp, voiceRecipe(j), o.path);
        if (!fresh)
            todo << j;
    }
    std::printf("voices: %lld to make, %lld up to date\n", (long long)todo.size(),
                (long long)(all.size() - todo.size()));
    std::fflush(stdout);
    QDir().mkpath(tmpDir);
    std::atomic<int> done{0};
    QtConcurrent::blockingMap(todo, [&](const VoiceJob &j) {
        if (makeVoice(j, tmpDir))
            for (const VoiceOutput &o : j.outputs)
                stamps.mark(o.stamp, voiceRecipe(j));
        ++done;
    });
}

// ---------------------------------------------------------------- units

// What a unit must be for the games to work and for a child to learn from
// it: a handful of words, mostly new, each with its example sentence, and no
// two words behind the same picture (a picture game could not tell them
// apart). Prints the figures of each book.
void checkUnits(const QList<Book> &books, const QHash<QString, Entry> &byKey, const QSet<QString> &sentenceKeys,
                const QHash<QString, QString> &emojiOfKey)
{
    QSet<QString> taught; // keys of words of earlier units
    QSet<QString> pictured;
    for (const Book &b : books) {
        int fresh = 0;
        for (const Unit &u : b.units) {
            const QString where = u.where + " (" + b.name + " " + u.name + ")";
            if (u.words.size() < 9 || u.words.size() > 16)
                warn(where + QString(": %1 words, a unit has 9 to 16").arg(u.words.size()));
            int repeats = 0;
            QHash<QString, QString> wordOfPicture;
            QSet<QString> keys;
            for (const QString &w : u.words) {
                const auto it = byKey.constFind(NormalizeWordKey(w).toUpper());
                if (it == byKey.constEnd())
                    continue; // reported with the word bank
                const QString key = it->key;
                if (keys.contains(key))
                    fail(where + ": \"" + w + "\" twice");
                keys << key;
                if (taught.contains(key))
                    ++repeats;
                if (!sentenceKeys.contains(key))
                    fail(where + ": \"" + w + "\" has no example sentence");
                const QString emoji = emojiOfKey.value(key);
                if (emoji.isEmpty())
                    continue;
                pictured << key;
                if (wordOfPicture.contains(emoji))
                    fail(where + ": \"" + wordOfPicture[emoji] + "\" and \"" + w + "\" have the same picture");
                wordOfPicture.insert(emoji, w);
            }
            if (repeats * 2 > u.words.size())
                fail(where + QString(": %1 of %2 words were taught in earlier units").arg(repeats).arg(u.words.size()));
            for (const QString &k : std::as_const(keys))
                if (!taught.contains(k))
                    ++fresh;
            taught.unite(keys);
        }
        std::printf("%s %s: %d new words, %lld taught so far\n", qPrintable(b.series), qPrintable(b.name), fresh,
                    (long long)taught.size());
    }
    std::printf("unit words: %lld distinct, %lld with a picture\n", (long long)taught.size(),
                (long long)pictured.size());
}

// ---------------------------------------------------------------- pictures

const QList<QColor> &palette()
{
    static const QList<QColor> colours{QColor("#FFF4D6"), QColor("#E3F4FF"), QColor("#E8F8E4"),
                                       QColor("#FDE7F0"), QColor("#EFE9FF"), QColor("#FFEBDD")};
    return colours;
}

QColor colourFor(const QString &key)
{
    return palette()[qHash(key, 7) % palette().size()];
}

QFont emojiFont(int px)
{
    QFont f;
    f.setFamilies({"Noto Color Emoji"});
    f.setPixelSize(px);
    return f;
}

// Graphemes (whole emoji, flags and family sequences) in a string.
int graphemeCount(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int n = 0;
    while (finder.toNextBoundary() != -1)
        ++n;
    return n;
}

// A white card with a number or a short label: numbers, ordinals, dates.
// "calendar:" adds the red band of a calendar page.
void drawCard(QPainter &p, const QString &text, bool calendar)
{
    const QRectF card(95, 30, 130, 140);
    QPainterPath path;
    path.addRoundedRect(card, 16, 16);
    p.setPen(QPen(QColor(0, 0, 0, 40), 3));
    p.setBrush(Qt::white);
    p.drawPath(path);
    QRectF textRect = card;
    if (calendar) {
        p.save();
        p.setClipPath(path);
        p.fillRect(QRectF(card.left(), card.top(), card.width(), 34), QColor("#E5484D"));
        p.restore();
        textRect.setTop(card.top() + 34);
    }
    QFont f;
    f.setFamilies({"DejaVu Sans", "WenQuanYi Micro Hei"});
    f.setBold(true);
    int px = 72;
    f.setPixelSize(px);
    while (px > 20 && QFontMetrics(f).horizontalAdvance(text) > card.width() - 16)
        f.setPixelSize(px -= 4);
    p.setFont(f);
    p.setPen(QColor("#2F6FD0"));
    p.drawText(textRect, Qt::AlignCenter, text);
}

// How a picture is drawn from its recipe in data/pictures:
//   emoji          one emoji, or two or three side by side as a scene
//   front:A|B      A large in front of B (a family member before the family)
//   card:TEXT      a number card; calendar:TEXT a calendar page
//   clipart:NAME   data/pictures/clipart/NAME.svg, for what no emoji shows
//   mark:E@X,Y[,R] emoji E with a red ring at (X, Y), fractions of its box: a body part
QImage renderPicture(const QString &key, const QString &recipe, const QString &clipartDir)
{
    QImage img(320, 200, QImage::Format_RGB32);
    const QColor bg = colourFor(key);
    img.fill(bg);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    // Soft circles in the corners make a friendly, not flat, background.
    p.setPen(Qt::NoPen);
    p.setBrush(bg.darker(106));
    p.drawEllipse(QPointF(20, 180), 70, 70);
    p.drawEllipse(QPointF(305, 15), 50, 50);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(160, 100), 92, 92);
    p.setPen(Qt::black);
    if (recipe.startsWith(QLatin1String("card:")) || recipe.startsWith(QLatin1String("calendar:"))) {
        const bool calendar = recipe.startsWith(QLatin1String("calendar:"));
        drawCard(p, recipe.mid(calendar ? 9 : 5), calendar);
    } else if (recipe.startsWith(QLatin1String("clipart:"))) {
        // drawn into the same white disc an emoji sits on
        QSvgRenderer svg(clipartDir + "/" + recipe.mid(8) + ".svg");
        QSizeF size = svg.defaultSize();
        size.scale(150, 150, Qt::KeepAspectRatio);
        svg.render(&p, QRectF(160 - size.width() / 2, 100 - size.height() / 2, size.width(), size.height()));
    } else if (recipe.startsWith(QLatin1String("mark:"))) {
        const qsizetype at = recipe.lastIndexOf('@');
        const QStringList xy = recipe.mid(at + 1).split(',');
        p.setFont(emojiFont(140));
        const QRect box(90, 30, 140, 140);
        p.drawText(QRect(0, 0, 320, 200), Qt::AlignCenter, recipe.mid(5, at - 5));
        const double r = xy.size() > 2 ? xy[2].toDouble() : 9.0;
        p.setPen(QPen(QColor("#E5484D"), 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(box.left() + xy.value(0).toDouble() * box.width(),
                              box.top() + xy.value(1).toDouble() * box.height()),
                      r, r);
    } else if (recipe.startsWith(QLatin1String("front:"))) {
        const QStringList parts = recipe.mid(6).split('|');
        const int behind = graphemeCount(parts.value(1));
        p.setFont(emojiFont(behind >= 3 ? 50 : behind == 2 ? 62
                                                           : 84));
        p.setOpacity(0.8);
        p.drawText(QRect(118, 6, 198, 110), Qt::AlignCenter, parts.value(1));
        p.setOpacity(1.0);
        p.setFont(emojiFont(120));
        p.drawText(QRect(30, 40, 180, 160), Qt::AlignCenter, parts.value(0));
    } else {
        const int n = graphemeCount(recipe);
        p.setFont(emojiFont(n >= 4 ? 62 : n == 3 ? 76
                                      : n == 2   ? 100
                                                 : 140));
        p.drawText(QRect(0, 0, 320, 200), Qt::AlignCenter, recipe);
    }
    p.end();
    return img;
}

QByteArray jpegBytes(const QImage &img)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "JPG", 90);
    return bytes;
}

int buildPictures(const QString &dataDir, const QString &appDir, const QHash<QString, Entry> &byUserEN,
                  const Stamps &stamps, QHash<QString, QString> &emojiOfKey)
{
    int made = 0, kept = 0;
    forEachTsvLine(dataDir + "/pictures", [&](const QString &where, const QStringList &f) {
        if (f.size() != 2 || f[1].trimmed().isEmpty()) {
            fail(where + ": expected word, tab, emoji");
            return;
        }
        const QString word = f[0].trimmed();
        const QString emoji = f[1].trimmed();
        auto it = byUserEN.find(word.toUpper());
        if (it == byUserEN.end()) {
            fail(where + ": \"" + word + "\" is not a dictionary word");
            return;
        }
        const QString key = it->key;
        if (emojiOfKey.contains(key)) {
            fail(where + ": \"" + word + "\" has a picture already");
            return;
        }
        emojiOfKey.insert(key, emoji);
        const QString out = appDir + "/pics/" + key + ".enjpg";
        const QString clipartDir = dataDir + "/pictures/clipart";
        QString recipe = emoji + kPictureStyle;
        if (emoji.startsWith(QLatin1String("clipart:"))) {
            const QByteArray svg = fileBytes(clipartDir + "/" + emoji.mid(8) + ".svg");
            if (!QSvgRenderer(svg).isValid()) {
                fail(where + ": no clip art " + emoji.mid(8) + ".svg");
                return;
            }
            recipe += hashOf(svg);
        }
        if (stamps.upToDate("pic-" + key, recipe, out)) {
            ++kept;
            return;
        }
        writeIfChanged(out, EnvelopeBytes(jpegBytes(renderPicture(key, emoji, clipartDir))));
        stamps.mark("pic-" + key, recipe);
        ++made;
    });
    std::printf("pictures: %d made, %d up to date\n", made, kept);
    return made + kept;
}

// ---------------------------------------------------------------- covers

QImage renderCover(const Book &book, const QStringList &emojis)
{
    static const QList<QColor> covers{QColor("#FF9F1C"), QColor("#3CB371"), QColor("#4A90E2"),
                                      QColor("#E5484D"), QColor("#8E6FE0"), QColor("#17A2B8"),
                                      QColor("#F06595"), QColor("#F4B400")};
    const QColor main = covers[(book.seriesId * 3 + book.bookId) % covers.size()];
    QImage img(240, 320, QImage::Format_RGB32);
    img.fill(QColor("#E6F3FF"));
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath card;
    card.addRoundedRect(QRectF(6, 6, 228, 308), 18, 18);
    p.fillPath(card, main);
    // a white panel for the pictures
    QPainterPath panel;
    panel.addRoundedRect(QRectF(20, 120, 200, 150), 16, 16);
    p.fillPath(panel, QColor(255, 255, 255, 235));

    QFont title;
    title.setFamilies({"WenQuanYi Micro Hei", "DejaVu Sans"});
    title.setPixelSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(10, 30, 220, 44), Qt::AlignCenter, book.name);
    QFont sub = title;
    sub.setPixelSize(15);
    sub.setBold(false);
    p.setFont(sub);
    p.drawText(QRect(10, 76, 220, 30), Qt::AlignCenter, book.series);

    const int n = qMin(4, int(emojis.size()));
    p.setFont(emojiFont(60));
    p.setPen(Qt::black);
    for (int i = 0; i < n; ++i) {
        const QRect cell(20 + (i % 2) * 100, 120 + (i / 2) * 75, 100, 75);
        p.drawText(n == 1 ? QRect(20, 120, 200, 150) : cell, Qt::AlignCenter, emojis[i]);
    }
    QFont brand = sub;
    brand.setFamilies({"DejaVu Sans"});
    brand.setPixelSize(13);
    brand.setBold(true);
    p.setFont(brand);
    p.setPen(Qt::white);
    p.drawText(QRect(10, 282, 220, 24), Qt::AlignCenter, "Tallivo");
    p.end();
    return img;
}

void buildCovers(const QString &appDir, const QList<Book> &books, const QHash<QString, QString> &emojiOfKey,
                 const Stamps &stamps)
{
    int made = 0;
    for (const Book &b : books) {
        QStringList emojis;
        for (const QString &w : b.words) {
            const QString e = emojiOfKey.value(NormalizeWordKey(w));
            if (!e.isEmpty() && !emojis.contains(e) && e.size() <= 4)
                emojis << e;
            if (emojis.size() == 4)
                break;
        }
        const QString out = appDir + "/BookCover/" + b.series + "/" + QString::number(b.bookId) + ".jpg";
        const QString recipe = b.series + b.name + emojis.join(',') + kCoverStyle;
        const QString stamp = "cover-" + hashOf((b.series + "/" + QString::number(b.bookId)).toUtf8());
        if (stamps.upToDate(stamp, recipe, out))
            continue;
        writeIfChanged(out, jpegBytes(renderCover(b, emojis)));
        stamps.mark(stamp, recipe);
        ++made;
    }
    std::printf("covers: %d made, %lld in all\n", made, (long long)books.size());
}

// ---------------------------------------------------------------- feedback sounds

void buildFeedbackSounds(const QString &appDir)
{
    struct Sound {
        QString name;
        QStringList soxArgs;
    };
    // Made with sox's synthesiser: a rising major arpeggio, a soft low buzz, two clicks.
    // clang-format off
    const QList<Sound> sounds{
        {"tada.wav", {"-n", "-r", "22050", "-b", "16", "-c", "1", "OUT", "synth", "0.16", "pluck", "C5", "pluck", "E5",
                      ":", "synth", "0.16", "pluck", "E5", ":", "synth", "0.16", "pluck", "G5", ":", "synth", "0.55",
                      "pluck", "C6", "fade", "0", "0", "0.3", "vol", "0.8"}},
        {"failed.wav", {"-n", "-r", "22050", "-b", "16", "-c", "1", "OUT", "synth", "0.5", "sawtooth", "110",
                        "lowpass", "600", "fade", "0.03", "0.5", "0.2", "vol", "0.5"}},
        {"ting1.wav", {"-n", "-r", "22050", "-b", "16", "-c", "1", "OUT", "synth", "0.12", "sine", "1320", "fade",
                       "0", "0.12", "0.1", "vol", "0.7"}},
        {"ting6.wav", {"-n", "-r", "22050", "-b", "16", "-c", "1", "OUT", "synth", "0.15", "sine", "880", "sine",
                       "1760", "fade", "0", "0.15", "0.12", "vol", "0.6"}},
        // clang-format on
    };
    QDir().mkpath(appDir + "/appvoice");
    for (const Sound &s : sounds) {
        const QString out = appDir + "/appvoice/" + s.name;
        if (QFileInfo(out).size() > 44)
            continue;
        QStringList args = s.soxArgs;
        args.replace(args.indexOf("OUT"), out);
        if (QProcess::execute("sox", args) != 0 || QFileInfo(out).size() <= 44)
            fail("sox could not make " + s.name);
    }
}

// ---------------------------------------------------------------- stale outputs

// Removes the files matching pattern in dir that this build did not make: a
// picture, voice or cover whose entry left data/ must not stay and be shown.
void pruneStale(const QString &dir, const QString &pattern, const QSet<QString> &keep)
{
    int removed = 0;
    for (const QString &path : filesIn(dir, pattern)) {
        if (keep.contains(QFileInfo(path).fileName()))
            continue;
        if (QFile::remove(path))
            ++removed;
        else
            fail(path + ": stale file cannot be removed");
    }
    if (removed)
        std::printf("%s: %d stale files removed\n", qPrintable(QFileInfo(dir).fileName()), removed);
}

// ---------------------------------------------------------------- plain copies

void copyPlain(const QString &src, const QString &dst, bool crlf)
{
    if (!QFileInfo::exists(src)) {
        fail(src + ": missing");
        return;
    }
    writeIfChanged(dst, crlf ? crlfUtf8(readLines(src)) : fileBytes(src));
}

// The pictures help.html shows (src="help/NAME") are the README's
// screenshots, copied beside it so the help works without the source tree.
void copyHelpPictures(const QString &dataDir, const QString &appDir)
{
    const QString html = QString::fromUtf8(fileBytes(dataDir + "/help.html"));
    static const QRegularExpression src(QStringLiteral("src=\"help/([^\"/]+)\""));
    QSet<QString> keep;
    for (auto it = src.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        const QString from = dataDir + "/../docs/screenshots/" + name;
        if (!QFileInfo::exists(from)) {
            fail("help.html: picture " + name + " is not in docs/screenshots");
            continue;
        }
        copyPlain(from, appDir + "/dat/help/" + name, false);
        keep << name;
    }
    if (QFileInfo::exists(appDir + "/dat/help"))
        pruneStale(appDir + "/dat/help", "*", keep);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: tallivo_databuild DATA_DIR APP_DIR CACHE_DIR\n");
        return 2;
    }
    const QString dataDir = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QString appDir = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    const QString cacheDir = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath();
    for (const char *d : {"dat", "usrdat", "tmp", "myvoice", "voice", "sentence-voice", "sentence-in-unit", "pics",
                          "BookCover", "sample", "font", "appvoice"})
        QDir().mkpath(appDir + "/" + d);
    QDir().mkpath(cacheDir + "/stamps");
    const Stamps stamps{cacheDir + "/stamps"};

    loadSpellingList(dataDir + "/UK2USA.txt");
    copyPlain(dataDir + "/UK2USA.txt", appDir + "/dat/UK2USA.txt", true);
    for (int i = 1; i < gUKWords.size(); ++i)
        if (!gUKWords[i].isEmpty() && gUKWords[i].trimmed() == gUSWords[i].trimmed())
            fail("UK2USA.txt: \"" + gUKWords[i] + "\" maps to itself");

    const QList<Entry> entries = loadDictionary(dataDir);
    QHash<QString, Entry> byKey, byUserEN;
    for (const Entry &e : entries) {
        byKey.insert(e.key.toUpper(), e);
        byUserEN.insert(e.userEN.toUpper(), e);
    }
    writeIfChanged(appDir + "/dat/sysdic.dic", EnvelopeBytes(dictionaryText(entries)));

    QList<Sentence> sentences;
    QList<Book> books;
    writeIfChanged(appDir + "/dat/twb.ck", EnvelopeBytes(wordBankText(dataDir, byKey, sentences, books)));
    // A sentence is also spoken by the key of its id, and a word's own
    // sentence by the word's key, all in one folder; two ids with one key
    // (SID-1-1-11-1, SID-1-11-1-1) would share a voice file and one of them
    // would speak the other's sentence.
    QSet<QString> unitKeys;
    for (const Book &b : books)
        for (const QString &w : b.words)
            if (const auto it = byKey.constFind(NormalizeWordKey(w).toUpper()); it != byKey.constEnd())
                unitKeys << it->key;
    const QList<WordSentence> wordSentences = loadWordSentences(dataDir, byKey, unitKeys);
    writeIfChanged(appDir + "/dat/sentences.dat", EnvelopeBytes(wordSentenceText(wordSentences)));
    QHash<QString, QString> sentenceOfVoice;
    for (const WordSentence &s : wordSentences)
        sentenceOfVoice.insert(s.key, s.where);
    for (const Sentence &s : sentences) {
        const QString voiceKey = NormalizeWordKey(s.id);
        if (sentenceOfVoice.contains(voiceKey))
            fail("sentences " + sentenceOfVoice[voiceKey] + " and " + s.id + " would share the voice file "
                 + voiceKey + ".wav");
        sentenceOfVoice.insert(voiceKey, s.id);
    }

    copyPlain(dataDir + "/help.html", appDir + "/dat/help.html", false);
    copyHelpPictures(dataDir, appDir);
    for (const QString &s : filesIn(dataDir + "/sample", "*.txt"))
        copyPlain(s, appDir + "/sample/" + QFileInfo(s).fileName(), true);
    copyPlain("/usr/share/fonts/truetype/charis/CharisSIL-Regular.ttf", appDir + "/font/Ksphonet.ttf", false);
    buildFeedbackSounds(appDir);
    if (gErrors) {
        std::fprintf(stderr, "%d errors in data/\n", gErrors);
        return 1;
    }

    QHash<QString, QString> emojiOfKey;
    const int pictures = buildPictures(dataDir, appDir, byUserEN, stamps, emojiOfKey);
    QSet<QString> sentenceKeys;
    for (const WordSentence &s : wordSentences)
        sentenceKeys << s.key;
    checkUnits(books, byKey, sentenceKeys, emojiOfKey);
    if (gErrors) {
        std::fprintf(stderr, "%d errors in data/\n", gErrors);
        return 1;
    }
    buildCovers(appDir, books, emojiOfKey, stamps);

    QList<VoiceJob> jobs;
    for (const Entry &e : entries)
        jobs << VoiceJob{spokenWord(e), {{appDir + "/voice/" + e.key + ".enw", "voice-" + e.key}}};
    const QList<SpeakAs> rules = speakAsRules(entries);
    // Many words reuse a unit sentence or share one: each text is spoken once.
    QHash<QString, qsizetype> jobOfSentence;
    for (const Sentence &s : sentences) {
        const QString stamp = "sentence-" + s.id;
        jobOfSentence.insert(s.english, jobs.size());
        jobs << VoiceJob{spokenSentence(s.english, rules),
                         {{appDir + "/sentence-in-unit/" + s.id + ".wav", stamp},
                          {appDir + "/sentence-voice/" + NormalizeWordKey(s.id) + ".wav", stamp}},
                         true};
    }
    for (const WordSentence &s : wordSentences) {
        const VoiceOutput out{appDir + "/sentence-voice/" + s.key + ".wav", "wordsentence-" + s.key};
        const auto it = jobOfSentence.constFind(s.english);
        if (it != jobOfSentence.constEnd()) {
            jobs[*it].outputs << out;
        } else {
            jobOfSentence.insert(s.english, jobs.size());
            jobs << VoiceJob{spokenSentence(s.english, rules), {out}, true};
        }
    }
    QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
    buildVoices(jobs, stamps, cacheDir + "/tmp");

    std::printf("data set: %lld dictionary entries, %lld books, %lld sentences, %lld word sentences, %d pictures\n",
                (long long)entries.size(), (long long)books.size(), (long long)sentences.size(),
                (long long)wordSentences.size(), pictures);
    if (gErrors) {
        std::fprintf(stderr, "%d errors in data/\n", gErrors);
        return 1;
    }

    // Only after a build without errors: a failed step must not cost a good file.
    QSet<QString> keepPictures, keepVoices, keepUnitSentences, keepKeySentences;
    for (auto it = emojiOfKey.cbegin(); it != emojiOfKey.cend(); ++it)
        keepPictures << it.key() + ".enjpg";
    for (const Entry &e : entries)
        keepVoices << e.key + ".enw";
    for (const Sentence &s : sentences) {
        keepUnitSentences << s.id + ".wav";
        keepKeySentences << NormalizeWordKey(s.id) + ".wav";
    }
    for (const WordSentence &s : wordSentences)
        keepKeySentences << s.key + ".wav";
    pruneStale(appDir + "/pics", "*.enjpg", keepPictures);
    pruneStale(appDir + "/voice", "*.enw", keepVoices);
    pruneStale(appDir + "/sentence-in-unit", "*.wav", keepUnitSentences);
    pruneStale(appDir + "/sentence-voice", "*.wav", keepKeySentences);
    QHash<QString, QSet<QString>> keepCovers; // series folder -> file names
    for (const Book &b : books)
        keepCovers[b.series] << QString::number(b.bookId) + ".jpg";
    for (const QFileInfo &fi : QDir(appDir + "/BookCover").entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        pruneStale(fi.absoluteFilePath(), "*.jpg", keepCovers.value(fi.fileName()));
    if (gErrors) {
        std::fprintf(stderr, "%d errors in data/\n", gErrors);
        return 1;
    }
    return 0;
}
