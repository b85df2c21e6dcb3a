// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Tells when the window is fully covered by other windows, which Qt does not report on X11.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWindow>

namespace tapalong {

// Asks the X server for the window's visibility changes and keeps the window's dynamic
// property "obscured" true while other windows cover all of it, so that what animates for
// the eye alone (the starfield) can rest. Under a compositing window manager X reports every
// window as visible, and the property stays false. Does nothing on other platforms.
class CoverWatch final : public QAbstractNativeEventFilter {
public:
    explicit CoverWatch(QWindow *window);

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override;

private:
    QPointer<QWindow> m_window;
    quint32 m_id = 0;
};

} // namespace tapalong
