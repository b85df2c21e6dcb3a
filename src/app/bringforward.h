// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Brings the window forward when the program is started a second time.
#pragma once

#include <QString>

#include <functional>

class QWindow;

namespace tapalong {

// Shows the window (out of the taskbar if minimised; a maximised one stays maximised), raises
// it and asks for the keyboard. The desktop decides whether it comes: a Wayland compositor
// only with xdg-activation and a token from the start that asked, an X11 window manager by its
// rules against focus stealing. So `answered` hears, once, whether the window became active
// within half a second.
void bringForward(QWindow *window, const QString &activationToken,
                  std::function<void(bool shown)> answered);

} // namespace tapalong
