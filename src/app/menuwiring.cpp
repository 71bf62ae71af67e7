#include "menuwiring.h"
#include "menuactions.h"
#include "games/formgames.h"
#include <QApplication>

void RegisterMenuActions()
{
    menuactions::Set(menuactions::Games, [] {
        FormGames dlg(QApplication::activeWindow());
        dlg.exec();
        return 0;
    });
}
