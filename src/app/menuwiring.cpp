#include "menuwiring.h"
#include "menuactions.h"
#include "app/formfontinstall.h"
#include "learn/formlearnword.h"
#include "learn/learnwordctl.h"
#include <QApplication>

void RegisterMenuActions()
{
    menuactions::Set(menuactions::LearnWord, [] {
        FormLearnWord form(QApplication::activeWindow());
        form.exec();
        return 0;
    });
    learnhooks::PhoneticFontHelp() = [](QWidget *parent) { ShowPhoneticFontHelp(parent); };
}
