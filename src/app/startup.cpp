#include "startup.h"
#include "formlogin.h"
#include "instancelock.h"
#include "widgets/phoneticfont.h"
#include "course/formselunit.h"
#include "helpers/apppaths.h"
#include "platform/platform.h"
#include "wordbank/classbook.h"
#include "wordbank/classdbdictionary.h"
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

// True while at least one unit of some book can be chosen; without one the
// course window can never be confirmed and asking again would never end.
bool AnyCourseToChoose()
{
    if (!gWordBank)
        return false;
    for (int s = 0; s <= gWordBank->SeriesNum(); ++s) {
        CSeries *series = nullptr;
        if (!gWordBank->GetSeriesByID(s, series) || !series)
            continue;
        series->LoadStandardSeries();
        for (int b = 1; b <= series->BookNum(); ++b) {
            ClassBook *book = nullptr;
            if (series->GetBookByID(b, book) && book && book->UnitNum() >= 1)
                return true;
        }
    }
    return false;
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

} // namespace

StartupResult RunStartup(QWidget *owner)
{
    ReleaseSharedObjects();
    gUser = new ClassUser;
    // told once, before anything is learnt that could not be kept
    if (!PrepareUserDir()) {
        plat().MsgBox(Text(kMsgUserDirUnusable) + QDir::toNativeSeparators(gUserDir), MsgButtons::OK,
                      MsgIcon::Warning, Text(kCaptionProgram));
    } else if (AcquireInstanceLock() == InstanceLock::HeldElsewhere) {
        // before the login and before anything is read: this copy opens nothing
        plat().MsgBox(Text(kMsgAlreadyRunning), MsgButtons::OK, MsgIcon::Information, Text(kCaptionProgram));
        ReleaseSharedObjects();
        return StartupResult::Exit;
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
    if (gCurrSeries
        && !gWordBank->SetCurrUnit(gUser->nLastSeries, gUser->nLastBook, gUser->nLastStartUnit,
                                   gUser->nLastEndUnit, Text(kAllWords)))
        gWordBank->SetCurrUnit(1, 1, 1, 1, Text(kAllWords));
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
    if (!gUser->LoadUserFeature())
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
