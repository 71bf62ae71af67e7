// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One test's world for the start-up and the main window: a fake platform, a
// fresh application folder that TALLIVO_HOME points at, no shared objects,
// no menu actions; and a driver that answers the modal windows the code
// under test opens.
#include "support/fakeplatform.h"
#include "support/fixture.h"
#include "support/modaldriver.h"
#include "wordbank/wbfixture.h"
#include "app/instancelock.h"
#include "support/fakenavigator.h"
#include "helpers/apppaths.h"
#include "wordbank/globals.h"
#include "wordbank/savenotice.h"
#include <QFile>

struct AppEnv {
    ScopedFakePlatform fake;
    // no windows behind the menu until a test gives some
    ScopedFakeNavigator nav;
    TempAppDir dir;
    QByteArray savedHome = qgetenv("TALLIVO_HOME");

    AppEnv()
    {
        ReleaseSharedObjects();
        ResetSaveNotices();
        qputenv("TALLIVO_HOME", dir.path().toUtf8());
    }
    ~AppEnv()
    {
        ReleaseInstanceLock();
        ReleaseSharedObjects();
        ResetSaveNotices();
        if (savedHome.isEmpty())
            qunsetenv("TALLIVO_HOME");
        else
            qputenv("TALLIVO_HOME", savedHome);
    }

    bool Install(const wbfix::Install &what = wbfix::Install()) const { return wbfix::Write(dir, what); }

    // A status file as the program writes it: the eight numbers, then empty
    // word and unit status lines.
    bool WriteStatus(int slot, const QList<int> &numbers) const
    {
        QString text;
        for (int n : numbers)
            text += QString::number(n) + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n\r\n");
        return dir.writeEnvelopedText(QStringLiteral("usrdat/ustatus-%1.dat").arg(slot), text);
    }

    QByteArray Bytes(const QString &relative) const
    {
        QFile f(dir.file(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool Exists(const QString &relative) const { return QFile::exists(dir.file(relative)); }

    QStringList MsgTexts() const
    {
        QStringList out;
        for (const MsgBoxCall &c : fake.fake.msgBoxes)
            out << c.text;
        return out;
    }
};
