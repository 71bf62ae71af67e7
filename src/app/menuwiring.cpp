#include "menuwiring.h"
#include "menuactions.h"
#include "app/formfontinstall.h"
#include "learn/formlearnword.h"
#include "learn/formwordpiclist.h"
#include "learn/learnwordctl.h"
#include "records/formnewword.h"
#include "records/formrecord.h"
#include "games/formgames.h"
#include "games/reviewsession.h"
#include <QApplication>

void RegisterMenuActions()
{
    menuactions::Set(menuactions::LearnWord, [] {
        FormLearnWord form(QApplication::activeWindow());
        form.exec();
        return 0;
    });
    learnhooks::PhoneticFontHelp() = [](QWidget *parent) { ShowPhoneticFontHelp(parent); };
    menuactions::Set(menuactions::WordPicList, [] {
        FormWordPicList form;
        form.exec();
        return 0;
    });
    menuactions::Set(menuactions::Record, [] {
        FormRecord form;
        form.exec();
        return form.iRet;
    });
    menuactions::Set(menuactions::NewWord, [] {
        FormNewWord form;
        form.exec();
        return form.iRet;
    });
    menuactions::Set(menuactions::ReviewPlan, [] { return reviewsession::PlayTodayPlan(QApplication::activeWindow()); });
    menuactions::Set(menuactions::Games, [] {
        FormGames dlg(QApplication::activeWindow());
        dlg.exec();
        return 0;
    });
}
