// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "navigator.h"

namespace {
class NoWindows final : public Navigator {
public:
    bool CanOpen(Window) const override { return false; }
    int Open(Window, QWidget *) override { return 0; }
};

Navigator *gNavigator = nullptr;
} // namespace

Navigator &nav()
{
    static NoWindows none;
    return gNavigator ? *gNavigator : none;
}

Navigator *SetNavigator(Navigator *n)
{
    Navigator *previous = gNavigator;
    gNavigator = n;
    return previous;
}
