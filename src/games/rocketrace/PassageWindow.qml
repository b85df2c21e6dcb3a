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

    // The characters shown and where the cursor is among them, and the most there can be.
    property string text
    property int capacity: 0
    property int cursor: 0
    property int wrongCount: 0

    spacing: 0
    transform: Shake {
        count: root.wrongCount
    }

    // One cell per position the window can hold, kept for the whole race so that a key only
    // rebinds texts, also while the window grows at the start of the passage and shrinks at its
    // end; the positions past the text are hidden.
    Repeater {
        objectName: "cells"
        model: root.capacity

        Item {
            id: cell

            required property int index
            readonly property string character: root.text.charAt(index)
            readonly property bool typed: index < root.cursor
            readonly property bool current: index === root.cursor

            visible: index < root.text.length
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
                font: Theme.look.mono(20, Font.Bold)
                color: cell.typed ? Theme.mint : cell.current ? Theme.ink : Theme.textDim
            }
        }
    }
}
