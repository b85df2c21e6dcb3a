// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick

// `open` follows `when` a frame late when it turns true, at once when it turns false. A card
// and confetti that follow the key which ended a lesson or a game wait for it: the frame that
// answers the key shows the key without the cost of drawing the card first.
Item {
    id: root

    property bool when: false
    readonly property bool open: latched

    property bool latched: false
    readonly property var window: root.Window.window

    visible: false

    onWhenChanged: {
        if (!when)
            latched = false
        else if (!window || !window.visible)
            latched = true // no frame will come
        else
            window.update()
    }
    Component.onCompleted: latched = when

    Connections {
        target: root.when && !root.latched ? root.window : null
        function onFrameSwapped() {
            root.latched = true
        }
    }
}
