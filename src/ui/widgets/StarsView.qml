// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Ui

// A row of `max` stars, the first `stars` of them filled.
Row {
    id: root

    property int stars: 0
    property int max: 3
    property real size: 24

    Repeater {
        model: Math.max(0, root.max)

        Text {
            required property int index
            readonly property bool filled: index < root.stars

            text: filled ? "★" : "☆"
            color: filled ? Theme.sunshine : Theme.starOutline
            font: Theme.rounded(root.size)
        }
    }
}
