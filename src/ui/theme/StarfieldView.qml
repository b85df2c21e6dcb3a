// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The twinkling stars over the background: only the stars are redrawn, a few times a second,
// and nothing while the window cannot be seen or the explorer asked for calm.
StarSky {
    still: Theme.calmMotion
}
