// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Ui

// The pattern the child types back: a "?" for every key still to come, the key itself on
// green once typed.
Row {
    id: root

    // Rows with slotKey (string) and revealed (bool), one per key of the pattern.
    property alias model: slots.model

    spacing: 10

    Repeater {
        id: slots
        objectName: "slots"

        Item {
            id: slot

            required property string slotKey
            required property bool revealed
            // 0 hidden … 1 shown, on a 0.3 s spring with a damping fraction of 0.6 (see
            // PressSpring for the steps).
            property real reveal: revealed ? 1 : 0

            width: 54
            height: 54

            Behavior on reveal {
                SpringAnimation {
                    spring: 7.0
                    damping: 0.4
                    epsilon: 0.001
                }
            }

            Rectangle {
                anchors.fill: slot
                radius: 16
                color: Theme.card
            }
            Rectangle {
                anchors.fill: slot
                radius: 16
                color: Theme.mint
                opacity: 0.85 * Math.min(1, Math.max(0, slot.reveal))
            }
            Text {
                anchors.centerIn: slot
                opacity: 1 - slot.reveal
                text: "?"
                font: Theme.look.mono(24, Font.Bold)
                color: Theme.textDim
            }
            Text {
                objectName: "slotKey"
                anchors.centerIn: slot
                visible: slot.revealed
                opacity: slot.reveal
                scale: 0.6 + 0.4 * slot.reveal
                text: slot.slotKey.toUpperCase()
                font: Theme.look.mono(24, Font.Bold)
                color: Theme.ink
            }
        }
    }
}
