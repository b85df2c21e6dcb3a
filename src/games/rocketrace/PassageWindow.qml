// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Ui

// The stretch of the race passage around the cursor: typed letters green, the next one lit,
// the rest dim; spaces still to type show as dots so the child sees them. Shakes once per
// wrong key.
Row {
    id: root

    // The characters shown and where the cursor is among them.
    property string text
    property int cursor: 0
    property int wrongCount: 0

    spacing: 0
    transform: Shake {
        count: root.wrongCount
    }

    // One cell per position, kept while the window slides so that a key only rebinds texts.
    Repeater {
        objectName: "cells"
        model: root.text.length

        Item {
            id: cell

            required property int index
            readonly property string character: root.text.charAt(index)
            readonly property bool typed: index < root.cursor
            readonly property bool current: index === root.cursor

            width: glyph.implicitWidth + (current ? 2 * 3 : 0)
            height: glyph.implicitHeight + 4

            Rectangle {
                anchors.fill: cell
                visible: cell.current
                radius: 4
                color: Theme.sunshine
            }
            Text {
                id: glyph
                objectName: "glyph"
                anchors.centerIn: cell
                text: cell.character === " " && !cell.typed ? "·" : cell.character
                font: Theme.mono(20, Font.Bold)
                color: cell.typed ? Theme.mint : cell.current ? Theme.ink : Theme.textDim
            }
        }
    }
}
