// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Mutated profile files through the loaders and a save: nothing crashes or
// hangs, and a file that changes on the save either read whole or left a copy
// of its original bytes. TALLIVO_FUZZ_RUNS sets how many files (default 300).
#include "support/testmain.h"
#include "wbenv.h"
#include "helpers/envelope.h"
#include "helpers/userfiles.h"
#include "wordbank/cseries.h"
#include "wordbank/profilefiles.h"
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Mutate(QByteArray b, QRandomGenerator &rng)
{
    const int kinds = 1 + int(rng.bounded(3));
    for (int k = 0; k < kinds; ++k) {
        const qsizetype at = b.isEmpty() ? 0 : qsizetype(rng.bounded(quint32(b.size())));
        switch (rng.bounded(11)) {
        case 0: b.truncate(at); break;
        case 1: b.insert(at, '\0'); break;
        case 2:
            if (!b.isEmpty())
                b[at] = char(rng.bounded(256));
            break;
        case 3:
            for (int i = 0; i < 8; ++i)
                b.insert(at, char(rng.bounded(256)));
            break;
        case 4: b.replace("\r\n", "\n"); break;
        case 5: b.prepend("\xEF\xBB\xBF"); break;
        case 6: b.insert(at, "99999999999999999999"); break;
        case 7: b.insert(at, QByteArray(10000, 'a')); break;
        case 8: b.insert(at, "\xC3\x28\xFF"); break;
        case 9: b.insert(at, b.mid(at / 2, 40)); break;
        default: b.remove(at, 1 + qsizetype(rng.bounded(20))); break;
        }
    }
    return b;
}

} // namespace

class TestProfileFuzz : public QObject {
    Q_OBJECT
private slots:
    void mutatedFiles()
    {
        const int runs = qEnvironmentVariableIsSet("TALLIVO_FUZZ_RUNS") ? qEnvironmentVariableIntValue("TALLIVO_FUZZ_RUNS")
                                                                        : 300;
        WordBankEnv env;
        TakeUserFileNotices();
        QVERIFY(env.Load());
        QVERIFY(env.Loaded(1));
        env.Unit(1, 1, 1)->SetUnitStatus(0, 80);
        env.Unit(1, 2, 1)->SetUnitStatus(1, 70);
        env.Word("apple")->iTestResult = 50;
        env.Word("banana")->SetNewWord(2, true);
        gUser->nLastSeries = gUser->nLastBook = gUser->nLastStartUnit = gUser->nLastEndUnit = 1;
        gUser->myScore = 321;
        QVERIFY(gUser->SaveUserFeature());
        QVERIFY(SaveUserNames({"小明", "Ann", "Bo"}));
        QVERIFY(env.Series(0)->AddUserWordBook("Mine", "#U1\r\napple\r\ncat\r\nbanana"));
        QVERIFY(env.Series(0)->SaveUserWordBook());
        const QString files[3] = {gUserStatusFile[0], gUserNameFile, gUserBookFile};
        QByteArray good[3];
        for (int i = 0; i < 3; ++i)
            good[i] = ReadAll(files[i]);
        good[0] = EnvelopeBytes(good[0]); // mutate the clear text, store it enveloped

        QRandomGenerator rng(20261211);
        int damaged = 0, lost = 0;
        for (int run = 0; run < runs; ++run) {
            const int which = run % 3;
            const QByteArray clear = Mutate(good[which], rng);
            // a status file is sometimes left as plain text
            const QByteArray stored = which == 0 && rng.bounded(5) != 0 ? EnvelopeBytes(clear) : clear;
            QDir usr(env.dir.file("usrdat"));
            for (const QString &n : usr.entryList({"*.damaged-*", "*.older-*"}, QDir::Files))
                usr.remove(n);
            QVERIFY(env.dir.writeBytes("usrdat/" + QFileInfo(files[which]).fileName(), stored));

            // a new run over the same dictionary (its loading is not what is tried here)
            gCurrSeries = nullptr;
            gCurrBook = nullptr;
            gCurrUnit = nullptr;
            gCurrWord = nullptr;
            delete gWordBank;
            delete gUser;
            gUser = new ClassUser;
            gWordBank = new CWordBank;
            LoadUserNames();
            gUser->LoadUserFeature();
            gUser->nLastSeries = gUser->nLastBook = gUser->nLastStartUnit = gUser->nLastEndUnit = 1;
            gUser->SaveUserFeature();
            env.Series(0)->SaveUserWordBook();

            const QList<UserFileNotice> notes = TakeUserFileNotices();
            const QByteArray after = ReadAll(files[which]);
            bool copied = false;
            for (const UserFileNotice &n : notes)
                copied = copied || (n.path == files[which] && ReadAll(n.copy) == stored);
            const bool whole = which == 0   ? !ReadStatusFileText(stored).damaged
                               : which == 1 ? !ReadNameFileText(stored).damaged
                                            : !ReadUserBookFileText(stored).damaged;
            damaged += whole ? 0 : 1;
            if (after != stored && !copied && !whole) {
                ++lost;
                qWarning("lost without a copy: file %d, run %d", which, run);
            }
            QVERIFY(StraySavesOf(files[which]).isEmpty());
        }
        qInfo("fuzz: %d files, %d damaged, %d lost without a copy", runs, damaged, lost);
        QCOMPARE(lost, 0);
    }
};
TALLIVO_TEST(TestProfileFuzz)
#include "tst_profilefuzz.moc"
