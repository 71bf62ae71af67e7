// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One letter-game test's world: a fake platform with its instant pacer, a
// fresh application folder with voices and feedback sounds, a profile, and a
// unit of the given words as the current selection.
#include "helpers/texthelpers.h"
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "wordbank/classunit.h"
#include "wordbank/classuser.h"
#include "wordbank/cword.h"
#include "wordbank/globals.h"
#include <QApplication>
#include <QTest>
#include <deque>

struct LetterEnv {
    ScopedFakePlatform fake;
    TempAppDir app;
    ClassUser user;
    std::deque<CWord> words;
    ClassUnit unit;
    QByteArray voice = MakeSineWav(60);
    QByteArray tada = MakeSineWav(90);
    QByteArray buzz = MakeSineWav(40);

    explicit LetterEnv(const QStringList &spellings, int testMode)
    {
        gUser = &user;
        gCurrUnit = &unit;
        gTestMode = testMode;
        app.writeBytes(QStringLiteral("appvoice/tada.wav"), tada);
        app.writeBytes(QStringLiteral("appvoice/failed.wav"), buzz);
        for (const QString &s : spellings) {
            CWord &w = words.emplace_back();
            w.UserEN = s;
            w.English = NormalizeWordKey(s);
            w.Chinese = QStringLiteral("中文");
            w.DetailCH = QStringLiteral("n. 中文");
            unit.AddNewWord(&w);
            app.writeEnvelopedBytes(QStringLiteral("voice/") + w.English + QStringLiteral(".enw"), voice);
        }
    }
    ~LetterEnv()
    {
        gCurrUnit = nullptr;
        gUser = nullptr;
        gTestMode = 0;
    }
    CWord *Word(const QString &spelling)
    {
        for (CWord &w : words)
            if (w.UserEN == spelling)
                return &w;
        return nullptr;
    }
    // Plays of a sound so far.
    int Plays(const QByteArray &wav) const
    {
        int n = 0;
        for (const PlayCall &p : fake.fake.plays)
            n += p.wav == wav;
        return n;
    }
    // Lets queued calls (GameOver) run.
    static void Settle()
    {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
};
