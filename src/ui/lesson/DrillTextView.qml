// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Ui

// The drill line on its dark panel: typed characters in mint, the next one on a sunshine key
// cap, the rest dim. The cells are made once per line length; a key press only moves
// `charIndex`, which the cells bind to, so typing never rebuilds them.
Scrim {
    id: root

    property string chars
    property int charIndex: 0

    // Long lines get a smaller face and narrower cells, so that they still fit the window.
    readonly property bool small: chars.length > 40
    readonly property font cellFont: Theme.mono(small ? 26 : 30, Font.Bold)
    readonly property int cellWidth: small ? 19 : 22

    strength: 0.25
    radius: 18
    implicitWidth: cells.implicitWidth + 2 * 18
    implicitHeight: cells.implicitHeight + 2 * 22

    Row {
        id: cells
        anchors.centerIn: parent

        Repeater {
            objectName: "cells"
            model: root.chars.length

            Item {
                id: cell

                required property int index
                readonly property string character: root.chars.charAt(index)
                readonly property bool isSpace: character === " "
                readonly property bool typed: index < root.charIndex
                readonly property bool current: index === root.charIndex

                width: root.cellWidth
                height: 46

                Rectangle {
                    anchors.fill: parent
                    radius: 6
                    color: Theme.sunshine
                    visible: cell.current
                }

                Text {
                    anchors.centerIn: parent
                    text: !cell.isSpace ? cell.character : cell.typed ? "" : "·"
                    font: root.cellFont
                    color: cell.typed ? Theme.mint : cell.current ? Theme.ink : Theme.textDim
                    opacity: cell.isSpace && !cell.typed && !cell.current ? 0.4 : 1
                }
            }
        }
    }
}
