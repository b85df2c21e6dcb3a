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

    readonly property var tallReturn: Keyboard.layout, Keyboard.tallReturn(unit, gap)

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
                    id: heatKey
                    required property keyDef modelData
                    readonly property real rate: root.rateFor(modelData)
                    // The ISO Return: its upper piece draws the whole tall key.
                    readonly property bool tall: modelData.id === "return" // not translated: a key id
                                                 && root.tallReturn.reach !== undefined

                    objectName: "heat:" + modelData.id
                    width: root.unit * modelData.width + root.gap * (modelData.width - 1)
                    height: root.unit
                    radius: 6
                    color: tall ? "transparent" : root.colourFor(rate)
                    opacity: modelData.id === "return " ? 0 : 1 // not translated: a key id

                    // Opaque pieces in one layer that takes the fill's transparency, so the
                    // joint does not show darker.
                    Item {
                        visible: heatKey.tall
                        width: parent.width + (root.tallReturn.reach ?? 0)
                        height: 2 * root.unit + root.gap
                        layer.enabled: heatKey.tall
                        opacity: root.colourFor(heatKey.rate).a

                        Rectangle {
                            id: upper
                            width: parent.width
                            height: root.unit
                            radius: 6
                            color: Qt.rgba(root.colourFor(heatKey.rate).r,
                                           root.colourFor(heatKey.rate).g,
                                           root.colourFor(heatKey.rate).b, 1)
                        }
                        Rectangle {
                            anchors.right: parent.right
                            y: root.unit - radius
                            width: root.tallReturn.tailWidth ?? 0
                            height: root.unit + root.gap + radius
                            radius: 6
                            color: upper.color
                        }
                    }

                    Text {
                        anchors.centerIn: parent
                        anchors.horizontalCenterOffset: heatKey.tall ? root.tallReturn.reach / 2 : 0
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
