// SPDX-FileCopyrightText: 2026 Kelvan <tallivo@tallivo.example>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quitsignals.h"
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Plain data: the handler reads them, nothing here runs at exit.
int gPipe[2] = {-1, -1};
QuitSignals *gInstance = nullptr;

extern "C" void OnQuitSignal(int sig)
{
    const int saved = errno;
    const char byte = char(sig);
    // a full pipe already holds a request: dropping this one loses nothing
    [[maybe_unused]] const ssize_t n = ::write(gPipe[1], &byte, 1);
    errno = saved;
}

} // namespace

QuitSignals *QuitSignals::Install()
{
    if (gInstance)
        return gInstance;
    if (::pipe2(gPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        gPipe[0] = gPipe[1] = -1;
        return nullptr;
    }
    gInstance = new QuitSignals;
    struct sigaction sa = {};
    sa.sa_handler = OnQuitSignal;
    sigemptyset(&sa.sa_mask);
    // a save under way is not cut short by a second signal
    sa.sa_flags = SA_RESTART;
    for (int sig : kSignals)
        ::sigaction(sig, &sa, nullptr);
    return gInstance;
}

void QuitSignals::Uninstall()
{
    if (!gInstance)
        return;
    for (int sig : kSignals)
        ::signal(sig, SIG_DFL);
    delete gInstance;
    gInstance = nullptr;
    ::close(gPipe[0]);
    ::close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

bool QuitSignals::Pending()
{
    if (gPipe[0] < 0)
        return false;
    pollfd p{gPipe[0], POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

QuitSignals::QuitSignals()
{
    m_notifier = new QSocketNotifier(gPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QuitSignals::Drain);
}

QuitSignals::~QuitSignals() = default;

void QuitSignals::Drain()
{
    char buf[64];
    int first = 0;
    for (;;) {
        const ssize_t n = ::read(gPipe[0], buf, sizeof buf);
        if (n <= 0)
            break;
        if (!first)
            first = buf[0];
    }
    if (first)
        emit Received(first);
}
