// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's windows behind the navigator: every window that a window
// below this folder asks for, and the main menu's entries.
#include "platform/navigator.h"

class AppNavigator final : public Navigator {
public:
    bool CanOpen(Window w) const override;
    int Open(Window w, QWidget *parent) override;
};
