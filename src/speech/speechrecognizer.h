// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "wavpcm.h"
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>

struct SayWord {
    QString english;
    QString ipa; // the dictionary's transcription, used when the model lacks the word
};

struct SayResult {
    bool checked = false; // false: no model, or the target cannot be pronounced
    QString heard;        // the English of the word heard, "" for none of them
    int stars = 0;        // 1 to 3 when the target was heard
    // How much better the best word fits than free phones, per 10 ms frame
    // of the word, in the decoder's log units (about a tenth of a nat): 0 fits
    // as well as any run of phones would, the shipped voices mostly 10 to 20.
    double score = 0;
};

Q_DECLARE_METATYPE(SayResult)

// Stars for a score of the target word.
int StarsForScore(double score);

// One pocketsphinx decoder with the English model. Not thread-safe: one
// check at a time per object (the program keeps one on a worker thread).
class SpeechRecognizer {
public:
    SpeechRecognizer();
    ~SpeechRecognizer();
    SpeechRecognizer(const SpeechRecognizer &) = delete;
    SpeechRecognizer &operator=(const SpeechRecognizer &) = delete;

    // $TALLIVO_SPEECH_MODEL, else Debian's pocketsphinx-en-us folder.
    static QString DefaultModelDir();
    // The acoustic model and the pronouncing dictionary are both there.
    static bool ModelInstalled(const QString &dir = DefaultModelDir());

    bool Load(const QString &dir = DefaultModelDir());
    bool loaded() const { return m_ps != nullptr; }

    // The phones of a word: the model's dictionary, word by word, else the
    // dictionary's IPA mapped; "" when neither gives any.
    QString Pronunciation(const SayWord &w);

    // Which of the target and the others the recording is, or none: the
    // best of the words is heard when it fits at least as well as the
    // filler, a free run of phones.
    SayResult Check(const Pcm16 &pcm, const SayWord &target, const QList<SayWord> &others);

    // Tuned on the shipped voices: a word is heard when it fits at least as
    // well as free phones; a quarter of the voices get three stars, nine in
    // ten two or more.
    static constexpr double kHeardFrom = 0.0;
    static constexpr double kTwoStarsFrom = 5.0;
    static constexpr double kThreeStarsFrom = 10.0;

private:
    QString EnsureToken(const SayWord &w);
    struct Decoded {
        QString hyp;
        int wordFrames = 0;
        int frames = 0;
        int best = 0; // the path's whole score
    };
    Decoded Decode(const char *search, const Pcm16 &pcm);

    struct ps_decoder_s *m_ps = nullptr;
    QHash<QString, QString> m_added; // token -> phones added to the decoder's dictionary
    QString m_lastGrammar;
};
