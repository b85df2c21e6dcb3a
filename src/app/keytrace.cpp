// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "keytrace.h"

#include <QQuickWindow>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace tapalong {

namespace {

double monotonicMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// An xcb event starts with its code (bit 7: sent by a client); a key press is 2 and holds the
// server's time in milliseconds at bytes 4 to 7.
constexpr unsigned char xcbKeyPress = 2;
constexpr unsigned char xcbSentByClient = 0x80;
constexpr std::size_t xcbKeyTimeOffset = 4;

} // namespace

KeyTrace::KeyTrace(QQuickWindow *window)
{
    m_frames = QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [this] {
            if (m_keyPending.exchange(false))
                std::fprintf(stderr, "tapalong: frame %.3f\n", monotonicMs());
        },
        Qt::DirectConnection);
}

KeyTrace::~KeyTrace()
{
    QObject::disconnect(m_frames);
}

bool KeyTrace::nativeEventFilter(const QByteArray &type, void *message, qintptr *)
{
    const auto *bytes = static_cast<const unsigned char *>(message);
    if (type != "xcb_generic_event_t" || (bytes[0] & ~xcbSentByClient) != xcbKeyPress)
        return false;
    quint32 serverMs = 0;
    std::memcpy(&serverMs, bytes + xcbKeyTimeOffset, sizeof serverMs);
    std::fprintf(stderr, "tapalong: key %.3f %u\n", monotonicMs(), unsigned(serverMs));
    m_keyPending = true;
    return false;
}

} // namespace tapalong
