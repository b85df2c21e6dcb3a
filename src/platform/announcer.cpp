// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "announcer.h"

namespace tapalong {

Announcer &Announcer::instance()
{
    static Announcer announcer;
    return announcer;
}

} // namespace tapalong
