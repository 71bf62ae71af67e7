// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "appnavigator.h"
#include "app/formfontinstall.h"
#include "course/formadduserbookunit.h"
#include "course/formselunit.h"
#include "games/formgames.h"
#include "games/reviewsession.h"
#include "learn/formlearnword.h"
#include "learn/formwordpiclist.h"
#include "records/formnewword.h"
#include "records/formrecord.h"
#include <QApplication>

namespace {
// Shows a modal window of type Form over parent and returns what result()
// reads from it after it closed.
template <class Form, class Result>
int ShowModal(QWidget *parent, Result result)
{
    Form form(parent);
    form.exec();
    return result(form);
}

int Nothing(const QDialog &) { return 0; }
} // namespace

bool AppNavigator::CanOpen(Window) const
{
    return true;
}

int AppNavigator::Open(Window w, QWidget *parent)
{
    // the learning and games windows sit over the window in front when none is named
    QWidget *front = parent ? parent : QApplication::activeWindow();
    switch (w) {
    case Window::LearnWord:
        return ShowModal<FormLearnWord>(front, Nothing);
    case Window::WordPicList:
        return ShowModal<FormWordPicList>(parent, Nothing);
    case Window::Games:
        return ShowModal<FormGames>(front, Nothing);
    case Window::Record:
        return ShowModal<FormRecord>(parent, [](const FormRecord &f) { return f.iRet; });
    case Window::NewWord:
        return ShowModal<FormNewWord>(parent, [](const FormNewWord &f) { return f.iRet; });
    case Window::AddUserBook:
        return ShowModal<FormAddUserBookUnit>(parent, Nothing);
    case Window::SelectUnit:
        return ShowModal<FormSelUnit>(parent, [](const FormSelUnit &f) { return f.ret ? 1 : 0; });
    case Window::PhoneticFontHelp:
        ShowPhoneticFontHelp(parent);
        return 0;
    case Window::ReviewPlan:
        return reviewsession::PlayTodayPlan(front);
    }
    return 0;
}
