// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Each test class registers itself with TALLIVO_TEST(Class); the shared main
// runs every registered class in the executable and fails if any failed.
#include <QObject>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

namespace testreg {
using Factory = std::function<std::unique_ptr<QObject>()>;
std::vector<std::pair<const char *, Factory>> &registry();
struct Registrar {
    Registrar(const char *name, Factory f) { registry().emplace_back(name, std::move(f)); }
};
}

#define TALLIVO_TEST(Class) \
    static testreg::Registrar s_reg_##Class(#Class, [] { return std::unique_ptr<QObject>(new Class); });
