// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One game-rules test's world: a fake platform whose blocking plays can act
// while they "sound", a fresh application folder with the word-bank fixture,
// a voice for every word and the feedback sounds, and a new profile.
#include "games/choiceround.h"
#include "games/flipdeck.h"
#include "helpers/texthelpers.h"
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "wordbank/classbook.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cword.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "wordbank/wbfixture.h"
#include <functional>
#include <memory>

// The fake platform with one more hook: called at every blocking play, as if
// the learner acted while the sound held the program.
class GamesPlatform : public FakePlatform {
public:
    std::function<void()> onBlockingPlay;
    bool PlayWav(const QByteArray &wav, bool wait) override
    {
        const bool ok = FakePlatform::PlayWav(wav, wait);
        if (wait && onBlockingPlay) {
            auto hook = onBlockingPlay;
            hook();
        }
        return ok;
    }
};

// The first slot whose choice is (or is not) the word asked; -1 for none.
inline int ChoiceSlot(const ChoiceRound &r, bool right)
{
    for (int s = 0; s < r.ChoiceCount(); ++s) {
        if (r.IsRight(s) == right)
            return s;
    }
    return -1;
}

// The picture card and the English card of word id (its number in the unit).
inline QPair<int, int> CardsOfWord(const FlipDeck &d, int wordId)
{
    QPair<int, int> out{0, 0};
    for (int k = 1; k <= d.CardCount(); ++k) {
        if (d.CardAt(k).wordId == wordId)
            (d.CardAt(k).face == FlipDeck::Face::Picture ? out.first : out.second) = k;
    }
    return out;
}

// Two words of one spelling under two keys, in a unit of their own.
struct TwinWords {
    CWord a, b;
    ClassUnit unit;
    TwinWords()
    {
        a.English = QStringLiteral("bank1");
        b.English = QStringLiteral("bank2");
        a.UserEN = b.UserEN = QStringLiteral("bank");
        unit.AddNewWord(&a);
        unit.AddNewWord(&b);
    }
};

struct GamesEnv {
    GamesPlatform fake;
    PlatformGuard guard{fake};
    TempAppDir dir;
    // units made by a test from dictionary words
    std::vector<std::unique_ptr<ClassUnit>> ownUnits;

    GamesEnv()
    {
        ReleaseSharedObjects();
        gUser = new ClassUser;
        gUser->userName = QStringLiteral("小明");
    }
    ~GamesEnv()
    {
        gCurrUnit = nullptr;
        ReleaseSharedObjects();
    }

    bool Load(const wbfix::Install &what = wbfix::Install())
    {
        if (!wbfix::Write(dir, what))
            return false;
        const QByteArray voice = MakeSineWav(40);
        for (const QString &line : what.dict) {
            const QString key = NormalizeWordKey(line.section(QLatin1Char('\t'), 1, 1));
            if (!dir.writeEnvelopedBytes(QStringLiteral("voice/") + key + QStringLiteral(".enw"), voice))
                return false;
        }
        for (const char *name : {"ting1", "ting6", "tada", "failed"}) {
            if (!dir.writeBytes(QStringLiteral("appvoice/") + QLatin1String(name) + QStringLiteral(".wav"),
                                MakeSineWav(30)))
                return false;
        }
        gDictionary = new ClassDBdictionary;
        if (!gDictionary->InitDict())
            return false;
        gWordBank = new CWordBank;
        return true;
    }

    // Load, then Select.
    bool LoadAt(int series, int book, int first, int last) { return Load() && Select(series, book, first, last); }

    // A standard unit made current the way the course window does it.
    bool Select(int series, int book, int first, int last, WordCategory category = WordCategory::All)
    {
        CSeries *s = nullptr;
        if (series > 0 && gWordBank->GetSeriesByID(series, s))
            s->LoadStandardSeries();
        if (!gWordBank->SelectCourse(series, book, first, last, category))
            return false;
        gUser->nLastSeries = series;
        gUser->nLastBook = book;
        gUser->nLastStartUnit = first;
        gUser->nLastEndUnit = last;
        return gCurrUnit != nullptr;
    }

    // A unit of the first n dictionary words, made current.
    ClassUnit *UnitOf(int n)
    {
        auto u = std::make_unique<ClassUnit>();
        u->UnitName = QStringLiteral("Test");
        u->UnitCaption = QStringLiteral("Test【共有单词 %1 个】").arg(n);
        const QStringList dict = wbfix::DictEntries();
        for (int i = 0; i < n && i < dict.size(); ++i) {
            CWord *w = nullptr;
            if (gDictionary->SetWord(w, dict.at(i).section(QLatin1Char('\t'), 0, 0)))
                u->AddNewWord(w);
        }
        gCurrUnit = u.get();
        ownUnits.push_back(std::move(u));
        return gCurrUnit;
    }

    int WaitPlays() const
    {
        int n = 0;
        for (const PlayCall &p : fake.plays)
            n += p.wait;
        return n;
    }
    QStringList MsgTexts() const
    {
        QStringList out;
        for (const MsgBoxCall &c : fake.msgBoxes)
            out << c.text;
        return out;
    }
};
