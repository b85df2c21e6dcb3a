// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "coverwatch.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>

namespace tapalong {

CoverWatch::CoverWatch(QWindow *window) : m_window(window)
{
    // Other plugins answer for the X11 interface too (the offscreen one, with no connection
    // behind it): only Qt's own X11 plugin with a live connection is asked anything.
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection))
        return;
    m_id = quint32(window->winId());
    // Qt's own choice of events stays; visibility changes are added to it.
    xcb_get_window_attributes_reply_t *attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, m_id), nullptr);
    if (!attributes)
        return;
    const quint32 mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
    std::free(attributes);
    xcb_change_window_attributes(connection, m_id, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

bool CoverWatch::nativeEventFilter(const QByteArray &type, void *message, qintptr *)
{
    if (!m_window || m_id == 0 || type != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_VISIBILITY_NOTIFY)
        return false;
    const auto *visibility = static_cast<const xcb_visibility_notify_event_t *>(message);
    if (visibility->window == m_id)
        m_window->setProperty("obscured", visibility->state == XCB_VISIBILITY_FULLY_OBSCURED);
    return false;
}

} // namespace tapalong
