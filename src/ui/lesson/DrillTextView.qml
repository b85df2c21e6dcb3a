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
    // Wrong keys so far: each one marks the next cell for a moment where colour or motion
    // alone would not tell it.
    property int wrongCount: 0
    // How much larger than usual the line is drawn, for a larger text where the window has room.
    property real grow: 1

    // Long lines get a smaller face and narrower cells, so that they still fit the window.
    readonly property bool small: chars.length > 40
    readonly property font cellFont: Theme.look.mono((small ? 26 : 30) * grow, Font.Bold)
    readonly property real cellWidth: (small ? 19 : 22) * grow
    readonly property bool marksWrongKeys: Theme.safeColours || Theme.calmMotion

    onWrongCountChanged: {
        if (marksWrongKeys && wrongCount > 0)
            wrongFlash.restart()
    }

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
                height: 46 * root.grow

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
                // Safe colours: a typed letter is underlined as well as mint.
                Rectangle {
                    visible: Theme.safeColours && cell.typed && !cell.isSpace
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 3
                    width: parent.width - 6
                    height: 2
                    color: Theme.mint
                }
            }
        }
    }

    // Over the next cell, for a moment after each wrong key.
    Text {
        id: wrongMark
        objectName: "wrongMark"
        visible: root.marksWrongKeys
        x: cells.x + root.charIndex * root.cellWidth + (root.cellWidth - width) / 2
        y: cells.y - height + 8
        text: "✗"
        font: Theme.plain(18 * root.grow, Font.Bold)
        color: Theme.coral
        opacity: 0

        NumberAnimation {
            id: wrongFlash
            target: wrongMark
            property: "opacity"
            from: 1
            to: 0
            duration: 900
        }
    }
}
