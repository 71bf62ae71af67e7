// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Each test class registers itself with TALLIVO_TEST(Class); the shared main
// runs every registered class in the executable and fails if any failed.
// A picture generator registers with TALLIVO_SHOTS(Class): it runs only when
// named (the screenshots target does), never as part of the tests.
#include <QObject>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

namespace testreg {
using Factory = std::function<std::unique_ptr<QObject>()>;
struct Entry {
    const char *name;
    Factory make;
    bool shots;
};
std::vector<Entry> &registry();
struct Registrar {
    Registrar(const char *name, Factory f, bool shots = false)
    {
        registry().push_back({name, std::move(f), shots});
    }
};
}

#define TALLIVO_TEST(Class) \
    static testreg::Registrar s_reg_##Class(#Class, [] { return std::unique_ptr<QObject>(new Class); });
#define TALLIVO_SHOTS(Class)                 \
    static testreg::Registrar s_reg_##Class( \
        #Class, [] { return std::unique_ptr<QObject>(new Class); }, true);
