// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick

// Black laid over what is behind, at `strength` opacity: the veil under a card, or a dark
// panel. The palette has no black, so this is the one place it is named.
Rectangle {
    property real strength: 0.6

    color: Qt.rgba(0, 0, 0, strength)
}
