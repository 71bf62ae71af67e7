// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speechrecognizer.h"
#include "ipaphones.h"
#include "saygrammar.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <pocketsphinx.h>
#include <sphinxbase/ckd_alloc.h>
#include <sphinxbase/err.h>
#include <sphinxbase/fsg_model.h>
#include <mutex>

namespace {
// Reads a grammar in pocketsphinx's FSG text form and installs it as a search.
bool SetGrammar(ps_decoder_t *ps, const char *search, const QString &fsgText)
{
    QByteArray text = fsgText.toUtf8();
    FILE *f = fmemopen(text.data(), size_t(text.size()), "r");
    if (!f)
        return false;
    fsg_model_t *fsg = fsg_model_read(f, ps_get_logmath(ps), float32(cmd_ln_float32_r(ps_get_config(ps), "-lw")));
    fclose(f);
    if (!fsg)
        return false;
    const bool ok = ps_set_fsg(ps, search, fsg) >= 0;
    fsg_model_free(fsg);
    return ok;
}

const char *const kSaySearch = "say";
const char *const kLoopSearch = "loop";

QString LookupWord(ps_decoder_t *ps, const QString &word)
{
    char *phones = ps_lookup_word(ps, word.toUtf8().constData());
    if (!phones)
        return QString();
    const QString s = QString::fromUtf8(phones);
    ckd_free(phones);
    return s;
}
}

int StarsForScore(double score)
{
    if (score >= SpeechRecognizer::kThreeStarsFrom)
        return 3;
    if (score >= SpeechRecognizer::kTwoStarsFrom)
        return 2;
    return 1;
}

namespace {
// The decoder's log file is one for the whole process: setting it up (and
// closing the last one) from two threads at once closes one file twice.
std::mutex &DecoderSetUp()
{
    static std::mutex m;
    return m;
}

} // namespace

SpeechRecognizer::SpeechRecognizer() = default;

SpeechRecognizer::~SpeechRecognizer()
{
    if (m_ps) {
        const std::lock_guard<std::mutex> one(DecoderSetUp());
        ps_free(m_ps);
    }
}

QString SpeechRecognizer::DefaultModelDir()
{
    const QString env = qEnvironmentVariable("TALLIVO_SPEECH_MODEL");
    return env.isEmpty() ? QStringLiteral("/usr/share/pocketsphinx/model/en-us") : env;
}

bool SpeechRecognizer::ModelInstalled(const QString &dir)
{
    return QFileInfo::exists(dir + QStringLiteral("/en-us/mdef"))
           && QFileInfo::exists(dir + QStringLiteral("/cmudict-en-us.dict"));
}

bool SpeechRecognizer::Load(const QString &dir)
{
    if (m_ps)
        return true;
    if (!ModelInstalled(dir))
        return false;
    const std::lock_guard<std::mutex> one(DecoderSetUp());
    err_set_logfp(nullptr);
    const QByteArray hmm = (dir + QStringLiteral("/en-us")).toUtf8();
    const QByteArray dict = (dir + QStringLiteral("/cmudict-en-us.dict")).toUtf8();
    cmd_ln_t *config = cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", hmm.constData(), "-dict", dict.constData(),
                                   "-samprate", "16000", "-logfn", "/dev/null", nullptr);
    if (!config)
        return false;
    m_ps = ps_init(config);
    cmd_ln_free_r(config);
    if (!m_ps)
        return false;
    for (const QString &p : FillerPhones())
        ps_add_word(m_ps, FillerToken(p).toUtf8().constData(), p.toUtf8().constData(), FALSE);
    if (!SetGrammar(m_ps, kLoopSearch, PhoneLoopGrammar())) {
        ps_free(m_ps);
        m_ps = nullptr;
        return false;
    }
    return true;
}

QString SpeechRecognizer::Pronunciation(const SayWord &w)
{
    if (!m_ps)
        return QString();
    static const QRegularExpression parts(QStringLiteral("[\\s\\-]+"));
    QStringList phones;
    for (const QString &part : w.english.toLower().split(parts, Qt::SkipEmptyParts)) {
        QString p = LookupWord(m_ps, part);
        if (p.isEmpty()) {
            QString bare = part;
            bare.remove(QRegularExpression(QStringLiteral("[^a-z0-9']")));
            p = bare.isEmpty() ? QString() : LookupWord(m_ps, bare);
        }
        if (p.isEmpty()) {
            phones.clear();
            break;
        }
        phones += p;
    }
    if (!phones.isEmpty())
        return phones.join(u' ');
    return IpaToArpabet(w.ipa);
}

QString SpeechRecognizer::EnsureToken(const SayWord &w)
{
    const QString base = SayToken(w.english);
    if (base.isEmpty())
        return QString();
    const QString phones = Pronunciation(w);
    if (phones.isEmpty())
        return QString();
    // The same spelling with another transcription gets a name of its own.
    QString token = base;
    for (int n = 2; m_added.contains(token) && m_added.value(token) != phones; ++n)
        token = base + QStringLiteral("_") + QString::number(n);
    if (!m_added.contains(token)) {
        if (ps_add_word(m_ps, token.toUtf8().constData(), phones.toUtf8().constData(), FALSE) < 0)
            return QString();
        m_added.insert(token, phones);
    }
    return token;
}

SpeechRecognizer::Decoded SpeechRecognizer::Decode(const char *search, const Pcm16 &pcm)
{
    Decoded d;
    ps_set_search(m_ps, search);
    ps_start_utt(m_ps);
    ps_process_raw(m_ps, reinterpret_cast<const int16 *>(pcm.constData()), size_t(pcm.size()), FALSE, TRUE);
    ps_end_utt(m_ps);
    d.frames = ps_get_n_frames(m_ps);
    int32 best = 0;
    const char *hyp = ps_get_hyp(m_ps, &best);
    d.hyp = hyp ? QString::fromUtf8(hyp) : QString();
    d.best = best;
    for (ps_seg_t *seg = ps_seg_iter(m_ps); seg; seg = ps_seg_next(seg)) {
        const QString w = QString::fromUtf8(ps_seg_word(seg));
        if (w.startsWith(QStringLiteral("x_"))) {
            int sf = 0, ef = 0;
            ps_seg_frames(seg, &sf, &ef);
            d.wordFrames += ef - sf + 1;
        }
    }
    return d;
}

SayResult SpeechRecognizer::Check(const Pcm16 &pcm, const SayWord &target, const QList<SayWord> &others)
{
    SayResult r;
    if (!m_ps)
        return r;
    const QString targetToken = EnsureToken(target);
    if (targetToken.isEmpty())
        return r;
    QStringList tokens{targetToken};
    QHash<QString, QString> englishOf{{targetToken, target.english}};
    for (const SayWord &w : others) {
        const QString t = EnsureToken(w);
        if (!t.isEmpty() && !englishOf.contains(t)) {
            tokens += t;
            englishOf.insert(t, w.english);
        }
    }
    const QString grammar = SayGrammar(tokens);
    if (grammar != m_lastGrammar) {
        if (!SetGrammar(m_ps, kSaySearch, grammar))
            return r;
        m_lastGrammar = grammar;
    }
    r.checked = true;
    if (pcm.isEmpty())
        return r;
    const Decoded say = Decode(kSaySearch, pcm);
    const QStringList words = say.hyp.split(u' ', Qt::SkipEmptyParts);
    if (words.size() != 1 || !englishOf.contains(words.first()))
        return r; // silence or nothing that reached the end of the grammar
    const Decoded filler = Decode(kLoopSearch, pcm);
    r.score = double(say.best - filler.best) / qMax(say.wordFrames, 1);
    if (r.score < kHeardFrom)
        return r;
    r.heard = englishOf.value(words.first());
    if (words.first() == targetToken)
        r.stars = StarsForScore(r.score);
    return r;
}
