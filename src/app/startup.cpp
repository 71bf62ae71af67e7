// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"
#include "platform/qtplatform.h"
#include "widgets/look.h"
#include "formlogin.h"
#include "instancelock.h"
#include "widgets/phoneticfont.h"
#include "course/formselunit.h"
#include "helpers/apppaths.h"
#include "helpers/userfiles.h"
#include "platform/platform.h"
#include "wordbank/classbook.h"
#include "wordbank/classdbdictionary.h"
#include "wordbank/classunit.h"
#include "wordbank/profilefiles.h"
#include "wordbank/classuser.h"
#include "wordbank/cseries.h"
#include "wordbank/cwordbank.h"
#include "wordbank/globals.h"
#include "wordbank/wordsentences.h"
#include <QDir>

namespace {

QString Text(const char *s)
{
    return QString::fromUtf8(s);
}

// The first series from `from` on with a book that has a unit, and that book.
bool FindCourse(int from, int &series, int &book)
{
    for (int s = from; gWordBank && s <= gWordBank->SeriesNum(); ++s) {
        CSeries *cs = nullptr;
        if (!gWordBank->GetSeriesByID(s, cs) || !cs)
            continue;
        cs->LoadStandardSeries();
        for (int b = 1; b <= cs->BookNum(); ++b) {
            ClassBook *cb = nullptr;
            if (cs->GetBookByID(b, cb) && cb && cb->UnitNum() >= 1) {
                series = s;
                book = b;
                return true;
            }
        }
    }
    return false;
}

// True while at least one unit of some book can be chosen; without one the
// course window can never be confirmed and asking again would never end.
bool AnyCourseToChoose()
{
    int s = 0, b = 0;
    return FindCourse(0, s, b);
}

void AskForFirstCourse(QWidget *owner)
{
    plat().MsgBox(Text(kMsgChooseCourse), MsgButtons::OK, MsgIcon::Information, Text(kCaptionChooseCourse));
    for (;;) {
        FormSelUnit form(owner);
        form.exec();
        if (form.ret)
            return;
        if (!AnyCourseToChoose())
            return; // goes on with an empty selection
    }
}

// The first unit of the first standard series that has one.
bool SelectFirstCourse()
{
    int s = 0, b = 0;
    return FindCourse(1, s, b) && gWordBank->SelectCourse(s, b, 1, 1, WordCategory::All);
}

bool HasCourse()
{
    return gCurrUnit && gCurrUnit->WordNum() > 0 && gUser->nLastSeries >= 0 && gUser->nLastBook >= 0;
}

bool TellAboutUserFiles()
{
    const QString text = UserFileNoticeText(TakeUserFileNotices());
    if (text.isEmpty())
        return false;
    plat().MsgBox(text, MsgButtons::OK, MsgIcon::Warning, Text(kCaptionProgram));
    return true;
}

} // namespace

QString UserFileNoticeText(const QList<UserFileNotice> &notices)
{
    QStringList damaged, refused;
    for (const UserFileNotice &n : notices) {
        const QString file = QDir::toNativeSeparators(n.path);
        if (n.refused)
            refused << file;
        else
            damaged << file + QLatin1Char('\n')
                           + (n.copy.isEmpty() ? Text(kMsgNoCopy) : Text(kMsgCopyAt) + QDir::toNativeSeparators(n.copy));
    }
    QStringList parts;
    if (!damaged.isEmpty())
        parts << Text(kMsgDamagedFiles) + QLatin1Char('\n') + damaged.join(QLatin1Char('\n'));
    if (!refused.isEmpty())
        parts << Text(kMsgRefusedFiles) + QLatin1Char('\n') + refused.join(QLatin1Char('\n'));
    return parts.join(QStringLiteral("\n\n"));
}

StartupResult RunStartup(QWidget *owner)
{
    ReleaseSharedObjects();
    gUser = new ClassUser;
    // told once, before anything is learnt that could not be kept
    if (!PrepareUserDir()) {
        if (gUserDir.isEmpty())
            plat().MsgBox(Text(kMsgNoUserDir), MsgButtons::OK, MsgIcon::Warning, Text(kCaptionProgram));
        else
            plat().MsgBox(Text(kMsgUserDirUnusable) + QDir::toNativeSeparators(gUserDir), MsgButtons::OK,
                          MsgIcon::Warning, Text(kCaptionProgram));
    } else if (AcquireInstanceLock() == InstanceLock::HeldElsewhere) {
        // before the login and before anything is read: this copy opens nothing
        plat().MsgBox(Text(kMsgAlreadyRunning), MsgButtons::OK, MsgIcon::Information, Text(kCaptionProgram));
        ReleaseSharedObjects();
        return StartupResult::Exit;
    } else {
        // only the copy that holds the folder may take over what a killed save left
        RecoverUserFileSaves();
    }

    {
        FormLogin login;
        login.exec();
        if (login.ChosenSlot() < 0) {
            ReleaseSharedObjects();
            ReleaseInstanceLock();
            return StartupResult::Exit;
        }
    }

    if (!LoadStartupData(owner)) {
        ReleaseSharedObjects();
        ReleaseInstanceLock();
        return StartupResult::Fatal;
    }

    // No current series here means not even series 1 exists: restoring or
    // falling back would only repeat message 004.
    const bool restored = gCurrSeries && gWordBank->RestoreLastCourse();
    if (!restored && gCurrSeries)
        gWordBank->SelectCourse(1, 1, 1, 1, WordCategory::All);
    const QString lostBook = gUser->LostUserBook();
    if (!lostBook.isEmpty())
        plat().MsgBox(Text(kMsgLostBookBefore) + lostBook + Text(kMsgLostBookAfter), MsgButtons::OK,
                      MsgIcon::Information, Text(kCaptionChooseCourse));
    // A garbage status file, a lost book or a word bank without series 1,
    // book 1 must not leave a menu whose games have no words: start on the
    // first course there is and let the learner choose another.
    if ((!restored && (gUser->StatusFileDamaged() || !lostBook.isEmpty())) || !HasCourse()) {
        if (HasCourse() || SelectFirstCourse()) {
            FormSelUnit form(owner);
            form.exec();
        }
    }
    return StartupResult::Ready;
}

bool LoadStartupData(QWidget *owner)
{
    if (IsWindowsNT5() && !IsPhoneticFontInstalled())
        InstallPhoneticFont();
    // here a font becomes usable by registering the shipped file
    EnsurePhoneticFont();

    gDictionary = new ClassDBdictionary;
    if (!gDictionary->InitDict()) {
        plat().MsgBox(Text(kMsgDictFailed), MsgButtons::OK, MsgIcon::Critical, Text(kCaptionFatal));
        return false;
    }
    // without the file the words simply have no example sentence
    LoadWordSentences(*gDictionary);

    gWordBank = new CWordBank;
    // The file stays untouched for the whole run; the learner must know that
    // this run's progress will not be kept.
    const bool statusRead = gUser->LoadUserFeature();
    // damaged files and links are told once, together; other unreadable status files as before
    if (!TellAboutUserFiles() && !statusRead)
        plat().MsgBox(QString::fromUtf8(kMsgStatusUnreadable), MsgButtons::OK, MsgIcon::Warning,
                      QString::fromUtf8(kCaptionProgram));

    if (gUser->nLastSeries == -1)
        AskForFirstCourse(owner);

    if (gWordBank->SetCurrSeries(gUser->nLastSeries)) {
        gCurrSeries->LoadStandardSeries();
    } else {
        gUser->nLastSeries = 1;
        gUser->nLastBook = 1;
        gUser->nLastStartUnit = 1;
        gUser->nLastEndUnit = 1;
        // message 004 has been shown once; no series 1 means no selection at all
        if (gWordBank->SeriesNum() >= 1 && gWordBank->SetCurrSeries(1) && gCurrSeries)
            gCurrSeries->LoadStandardSeries();
    }
    return true;
}

bool SaveUserData()
{
    return !gUser || gUser->SaveUserFeature();
}

void ShutdownData()
{
    SaveUserData();
    ReleaseSharedObjects();
    // nothing is written after this
    ReleaseInstanceLock();
}

DialogLook ProgramDialogLook()
{
    return {Look::DialogStyle(), Look::kNotice, Look::kOrange};
}
