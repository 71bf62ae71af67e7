// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testmain.h"
// The tests of the libraries below the widgets run without a screen: their
// executables do not link Qt Widgets and get a core application.
#ifdef QT_WIDGETS_LIB
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif
#include <cstring>

namespace testreg {
std::vector<Entry> &registry()
{
    static std::vector<Entry> r;
    return r;
}
}

// Usage: test_x [ClassName] [QtTest arguments...]
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    if (qgetenv("SDL_AUDIODRIVER").isEmpty())
        qputenv("SDL_AUDIODRIVER", "dummy");
    TestApplication app(argc, argv);
    const char *only = nullptr;
    std::vector<char *> args{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (!only && argv[i][0] != '-') {
            bool known = false;
            for (auto &e : testreg::registry())
                known |= std::strcmp(e.name, argv[i]) == 0;
            if (known) {
                only = argv[i];
                continue;
            }
        }
        args.push_back(argv[i]);
    }
    int failed = 0, ran = 0;
    for (auto &e : testreg::registry()) {
        if (only ? std::strcmp(e.name, only) != 0 : e.shots)
            continue;
        auto obj = e.make();
        failed += QTest::qExec(obj.get(), int(args.size()), args.data()) != 0;
        ++ran;
    }
    std::printf("%d passed, %d failed\n", ran - failed, failed);
    return failed ? 1 : 0;
}
