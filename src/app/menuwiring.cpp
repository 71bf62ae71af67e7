#include "menuwiring.h"
#include "menuactions.h"
#include "learn/formwordpiclist.h"
#include "records/formnewword.h"
#include "records/formrecord.h"

void RegisterMenuActions()
{
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
}
