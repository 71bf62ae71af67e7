// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savenotice.h"
#include "classuser.h"
#include "globals.h"
#include "platform/platform.h"
#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {
bool gQuiet = false;
QStringList gTold;
} // namespace

void NoteUserFileSave(const QString &path, bool saved)
{
    if (saved) {
        gTold.removeAll(path);
        return;
    }
    if (!gTold.contains(path))
        ShowSaveFailure(path);
}

void ShowSaveFailure(const QString &path)
{
    if (!gTold.contains(path))
        gTold << path;
    const QString shown = QDir::toNativeSeparators(path);
    if (gQuiet) {
        std::fprintf(stderr, "tallivo: could not save %s\n", shown.toLocal8Bit().constData());
        return;
    }
    plat().MsgBox(QString::fromUtf8(kMsgSaveFailed) + QLatin1Char('\n') + shown + QStringLiteral("\n\n")
                      + QString::fromUtf8(kMsgSaveFailedWhy),
                  MsgButtons::OK, MsgIcon::Warning, QStringLiteral("Tallivo"));
}

void SaveProfileWithBooks()
{
    if (gUser)
        gUser->SaveUserFeature();
}

void SetSaveNoticeQuiet(bool quiet)
{
    gQuiet = quiet;
}

void ResetSaveNotices()
{
    gTold.clear();
    gQuiet = false;
}
