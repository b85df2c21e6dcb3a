// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// The keyboard the child learns on, each key tinted by how often it is missed: mint for
// rarely, sunshine for sometimes, coral for often; keys never typed stay plain.
Column {
    id: root

    // Character → share of mistakes, 0 … 1.
    property var heat: ({})
    property real unit: 34
    property real gap: 4

    function rateFor(key: keyDef): real {
        const a = root.heat[key.output]
        const b = root.heat[key.shifted]
        if (a === undefined && b === undefined)
            return -1
        return Math.max(a ?? 0, b ?? 0)
    }
    function mix(a: color, b: color, t: real): color {
        return Qt.rgba(a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, 1)
    }
    // A quarter of the presses missed is already a lot for a child: the scale tops out there.
    function colourFor(rate: real): color {
        if (rate < 0)
            return Theme.ghostFill
        const t = Math.min(rate / 0.25, 1)
        return t < 0.5 ? mix(Theme.mint, Theme.sunshine, t * 2)
                       : mix(Theme.sunshine, Theme.coral, (t - 0.5) * 2)
    }

    spacing: root.gap

    Repeater {
        model: Keyboard.rows

        Row {
            id: row
            required property keyRow modelData

            anchors.horizontalCenter: parent.horizontalCenter
            spacing: root.gap

            Repeater {
                model: row.modelData.keys

                Rectangle {
                    required property keyDef modelData
                    readonly property real rate: root.rateFor(modelData)

                    objectName: "heat:" + modelData.id
                    width: root.unit * modelData.width + root.gap * (modelData.width - 1)
                    height: root.unit
                    radius: 6
                    color: root.colourFor(rate)

                    Text {
                        anchors.centerIn: parent
                        text: parent.modelData.label
                        font: Theme.rounded(parent.modelData.label.length === 1 ? 13 : 9,
                                            Font.DemiBold)
                        color: parent.rate < 0 ? Theme.textPrimary : Theme.ink
                    }
                }
            }
        }
    }
}
