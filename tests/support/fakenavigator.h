// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A navigator for tests: records every window asked for and answers with the
// test's own stand-in for it; a window without one does not exist.
#include "platform/navigator.h"
#include <QList>
#include <functional>
#include <map>

class FakeNavigator : public Navigator {
public:
    struct Call {
        Window window;
        QWidget *parent;
    };
    QList<Call> calls;
    std::map<Window, std::function<int(QWidget *)>> windows;

    bool CanOpen(Window w) const override { return windows.count(w) > 0; }
    int Open(Window w, QWidget *parent) override
    {
        calls.append({w, parent});
        const auto it = windows.find(w);
        if (it == windows.end())
            return 0;
        // a copy: the stand-in may replace itself
        const auto show = it->second;
        return show(parent);
    }
};

// Installs a fake navigator for the object's lifetime.
struct ScopedFakeNavigator {
    FakeNavigator fake;
    Navigator *previous = SetNavigator(&fake);
    ~ScopedFakeNavigator() { SetNavigator(previous); }
    FakeNavigator *operator->() { return &fake; }
};
