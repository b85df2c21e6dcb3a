// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// A measuring aid: when each X key press reaches the program, and when the next frame is shown.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QMetaObject>

#include <atomic>

class QQuickWindow;

namespace tapalong {

// With TAPALONG_TRACE_KEYS=1 (scripts/measure-keys.sh) the program installs one, which prints,
// on the monotonic clock, when each X key press reaches the program, with the X server's own
// time of the key, and when the first frame after it is on screen. Qt hands a key to the
// window in the same pass of the event loop that reads it, so no frame comes between the two.
class KeyTrace final : public QAbstractNativeEventFilter {
public:
    explicit KeyTrace(QQuickWindow *window);
    ~KeyTrace() override;
    KeyTrace(const KeyTrace &) = delete;
    KeyTrace &operator=(const KeyTrace &) = delete;

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override;

private:
    QMetaObject::Connection m_frames;
    std::atomic<bool> m_keyPending{false};
};

} // namespace tapalong
