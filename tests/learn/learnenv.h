// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One learning-mode test's world: the word-bank test world (fake platform,
// fresh application folder, new profile) with the fixture installation
// loaded, a voice for every word whose length tells the words apart, and a
// unit made current.
#include "support/fixture.h"
#include "wordbank/wbenv.h"
#include "helpers/texthelpers.h"
#include "sound/classplaysound.h"
#include "widgets/phoneticfont.h"
#include "wordbank/classunit.h"
#include "wordbank/cword.h"
#include "wordbank/cseries.h"
#include <QApplication>
#include <QWidget>
#include <QKeyEvent>
#include <memory>

struct LearnEnv : WordBankEnv {
    // A unit the test puts together itself (sizes the word bank lacks).
    std::unique_ptr<ClassUnit> ownUnit;
    QStringList voiced;

    LearnEnv()
    {
        fake->fontFamilies << kPhoneticFontFamily;
        gUser->userName = QStringLiteral("小明");
    }

    // The word voices last 100 + 20 * i ms for the i-th dictionary entry, the
    // sentence voices 1000 + 20 * i ms.
    static qint64 WordVoiceMs(int i) { return 100 + 20 * i; }
    static qint64 SentenceVoiceMs(int i) { return 1000 + 20 * i; }

    // Installs, loads series 1 and makes book 1, units first..last current.
    bool Start(int first = 3, int last = 3)
    {
        if (!Load() || !Loaded(1))
            return false;
        const QStringList entries = wbfix::DictEntries();
        for (int i = 0; i < entries.size(); ++i) {
            const QString key = NormalizeWordKey(entries.at(i).section(QLatin1Char('\t'), 1, 1));
            if (!dir.writeEnvelopedBytes(QStringLiteral("voice/") + key + QStringLiteral(".enw"),
                                         MakeSineWav(int(WordVoiceMs(i)))))
                return false;
            voiced << key;
        }
        return gWordBank->SelectCourse(1, 1, first, last, WordCategory::All);
    }

    // A unit of the first n words of unit 3 (12 words), made current.
    ClassUnit *UnitOf(int n)
    {
        ClassUnit *source = Unit(1, 1, 3);
        ownUnit = std::make_unique<ClassUnit>();
        ownUnit->UnitCaption = QStringLiteral("Own unit");
        CWord *w = nullptr;
        for (int i = 1; i <= n && source && source->GetWord(i, w); ++i)
            ownUnit->AddNewWord(w);
        gCurrUnit = ownUnit.get();
        return gCurrUnit;
    }

    // Gives a word an example sentence with a voice.
    bool GiveSentence(const QString &spelling, const QString &en, const QString &ch)
    {
        CWord *w = Word(spelling);
        if (!w)
            return false;
        w->SentenceEN = en;
        w->SentenceCH = ch;
        const int i = DictIndex(w->English);
        return dir.writeEnvelopedBytes(QStringLiteral("sentence-voice/") + NormalizeWordKey(w->English)
                                           + QStringLiteral(".wav"),
                                       MakeSineWav(int(SentenceVoiceMs(i))));
    }

    bool RemoveVoice(const QString &spelling)
    {
        CWord *w = Word(spelling);
        return w && QFile::remove(dir.file(QStringLiteral("voice/") + NormalizeWordKey(w->English) + QStringLiteral(".enw")));
    }

    static int DictIndex(const QString &key)
    {
        const QStringList entries = wbfix::DictEntries();
        for (int i = 0; i < entries.size(); ++i) {
            if (entries.at(i).section(QLatin1Char('\t'), 1, 1) == key)
                return i;
        }
        return -1;
    }

    // What was spoken, in order: "w:<key>" for a word voice, "s:<key>" for a
    // sentence voice.
    QStringList Spoken() const
    {
        QStringList out;
        const QStringList entries = wbfix::DictEntries();
        for (const PlayCall &p : fake.fake.plays) {
            for (int i = 0; i < entries.size(); ++i) {
                const QString key = entries.at(i).section(QLatin1Char('\t'), 1, 1);
                if (p.durationMs == WordVoiceMs(i))
                    out << QStringLiteral("w:") + key;
                else if (p.durationMs == SentenceVoiceMs(i))
                    out << QStringLiteral("s:") + key;
            }
        }
        return out;
    }

    QStringList MsgTexts() const
    {
        QStringList out;
        for (const MsgBoxCall &c : fake.fake.msgBoxes)
            out << c.text;
        return out;
    }
};

// A key press and its release as the window system would deliver them to w.
inline void SendKey(QWidget *w, int key, bool autoRepeat = false)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(w, &release);
}

// The same, queued: delivered when the event loop next runs.
inline void PostKey(QWidget *w, int key)
{
    QApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    QApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}
