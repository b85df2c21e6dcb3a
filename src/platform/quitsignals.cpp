// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "quitsignals.h"

#include <QtGlobal>

#include <atomic>
#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace tapalong {

namespace {

constexpr int handled[] = {SIGTERM, SIGINT, SIGHUP};

std::atomic<int> s_writeEnd{-1};

// Only async-signal-safe calls here: one write of the signal's number.
extern "C" void onSignal(int signal)
{
    const int savedErrno = errno;
    const int fd = s_writeEnd.load(std::memory_order_relaxed);
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(signal);
        [[maybe_unused]] const ssize_t ignored = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

QuitSignals::QuitSignals(QObject *parent) : QObject(parent)
{
    Q_ASSERT_X(s_writeEnd.load() < 0, "QuitSignals", "only one at a time");
    if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("tapalong: no pipe for signals; SIGTERM ends the program without saving");
        return;
    }
    s_writeEnd.store(m_pipe[1]);
    m_notifier = std::make_unique<QSocketNotifier>(m_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(m_pipe[0], &byte, 1) == 1)
            emit quitRequested(byte);
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : handled)
        ::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals()
{
    if (m_pipe[0] < 0)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : handled)
        ::sigaction(signal, &action, nullptr);
    s_writeEnd.store(-1);
    m_notifier.reset();
    ::close(m_pipe[0]);
    ::close(m_pipe[1]);
}

} // namespace tapalong
