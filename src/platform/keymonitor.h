// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Hands every key-down of the application to a play screen, whatever has keyboard focus.
#pragma once

#include "keyinput.h"

#include <QObject>

#include <functional>

namespace tapalong {

// An application-wide event filter. Keys with Ctrl (Command on macOS) are never shown to the
// handler, so shortcuts such as quitting keep working during play.
class KeyMonitor : public QObject {
    Q_OBJECT

public:
    // Answers whether the key was consumed; a consumed key reaches nothing else.
    using Handler = std::function<bool(const KeyInput &)>;

    explicit KeyMonitor(QObject *parent = nullptr);
    ~KeyMonitor() override;

    // Replaces whatever handler this monitor had; needs a QCoreApplication.
    void start(Handler handler);
    void stop();
    bool isListening() const { return bool(m_handler); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;

    // X11 sends an auto-repeat as a release and a press of the same physical key with the
    // same timestamp, and does not always flag the press, so the last key event seen is kept
    // to recognise the pair. Synthesised keys (tests) carry no scan code and can share a
    // millisecond without being a repeat, so only keys with a scan code are paired.
    // Not on Wayland, where Qt makes the repeats itself and flags them: a compositor stamps
    // events when it handles them, and one that is late hands a quick "f f" on in a single
    // millisecond, which the pairing took for a held key.
    bool m_pairsReleases = true;
    bool m_lastWasRelease = false;
    quint32 m_lastScanCode = 0;
    quint64 m_lastTimestamp = 0;
};

} // namespace tapalong
