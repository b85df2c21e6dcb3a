// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Hands every key-down of the application to a play screen, whatever has keyboard focus.
#pragma once

#include "keyinput.h"

#include <QObject>

#include <functional>

class QInputMethodEvent;

namespace tapalong {

// An application-wide event filter. Keys with Ctrl (Command on macOS) are never shown to the
// handler, so shortcuts such as quitting keep working during play.
//
// A dead key followed by a letter, or any key an input method turns into text, never arrives as
// a key press: the platform composes it for a focus item that accepts input methods (the play
// screens' TypingFocus) and hands over the result as an input-method commit, which the monitor
// passes on like a key that typed it. The dead key's own press is swallowed by the composer; where
// no composer runs, it arrives as a key that types nothing. A dead key followed by a key it does
// not combine with gives only the second key (Qt's composer; for a letter the compose tables
// accent with a combining mark, the monitor does the same) or one commit of both characters
// (some input methods, read as the first): either way one input, so a wrong combination is
// one mistake.
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
    bool handleCommit(QObject *receiver, QInputMethodEvent *event);

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
