// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// The on-screen keyboard: every key in its finger's colour, the next key lit, and under it the
// line that names the finger. The keys are made once; a key press only changes which are lit.
Column {
    id: root

    // The character to light, with both Shifts when it needs one; "" lights nothing.
    property string highlight
    // Further characters to light, never with Shift.
    property string extra
    // One plain key's width; wider keys span the gaps they cover.
    property real unit: 46
    property real keyHeight: 42
    property real gap: 5
    // The line naming the finger, or a blank of its height so the screen does not jump.
    property bool showHint: true

    // While the keyboard types another layout than the one drawn, a cap or a lit key would
    // show a key that is not there: the caps go blank, nothing is lit, and the notice says why.
    readonly property bool blank: KeyboardChoice.differs
    // Keyboard.layout is read so that they follow a change of keyboard.
    readonly property var litIds: Keyboard.layout, blank ? [] : Keyboard.litKeys(highlight, extra)
    readonly property string hint: Keyboard.layout, blank ? "" : Keyboard.hintText(highlight)
    readonly property int hintFinger: Keyboard.layout, blank ? Keyboard.noFinger
                                                             : Keyboard.fingerFor(highlight)
    // A letter typed with a dead key first numbers its two keys.
    readonly property var steps: Keyboard.layout, blank ? ({}) : Keyboard.pressOrder(highlight)
    readonly property var tallReturn: {
        void Keyboard.layout // read again when the grown-ups choose another keyboard
        return Keyboard.tallReturn(unit, gap)
    }

    spacing: 12

    Item {
        anchors.horizontalCenter: root.horizontalCenter
        width: rows.width
        height: rows.height

        Column {
            id: rows
            spacing: root.gap
            opacity: root.blank ? 0.35 : 1

            Repeater {
                model: Keyboard.rows

                Row {
                    id: row
                    required property keyRow modelData

                    // By id: a row being destroyed has lost its parent before its bindings.
                    anchors.horizontalCenter: rows.horizontalCenter
                    spacing: root.gap

                    Repeater {
                        model: row.modelData.keys

                        KeyCap {
                            required property keyDef modelData

                            objectName: "key:" + modelData.id
                            width: root.unit * modelData.width + root.gap * (modelData.width - 1)
                            height: root.keyHeight
                            label: root.blank ? "" : modelData.label
                            finger: modelData.finger
                            homeBump: modelData.homeBump
                            lit: root.litIds.indexOf(modelData.id) >= 0
                            step: root.steps[modelData.id] ?? 0
                            // The tall Return is drawn whole by its upper piece; the lower one
                            // only keeps its place in the row.
                            opacity: modelData.id === "return " ? 0 : 1 // not translated: a key id
                            reach: modelData.id === "return" ? root.tallReturn.reach ?? 0 : 0 // not translated: a key id
                            tailWidth: root.tallReturn.tailWidth ?? 0
                            tailHeight: modelData.id === "return" // not translated: a key id
                                        && root.tallReturn.reach !== undefined
                                        ? root.keyHeight + root.gap : 0
                        }
                    }
                }
            }
        }

        LayoutNotice {
            anchors.centerIn: parent
            maxWidth: rows.width - 40
        }
    }

    Item {
        id: hintLine
        objectName: "hintLine"
        visible: root.showHint
        anchors.horizontalCenter: root.horizontalCenter
        width: hintRow.implicitWidth + 2 * 16
        height: root.hint === "" ? 34 : hintRow.implicitHeight + 2 * 8

        CardBackground {
            anchors.fill: parent
            radius: 12
            visible: root.hint !== ""
        }

        Row {
            id: hintRow
            anchors.centerIn: parent
            spacing: 8
            visible: root.hint !== ""

            Text {
                anchors.verticalCenter: hintRow.verticalCenter
                visible: text !== ""
                text: Keyboard.handEmoji(root.hintFinger)
                font: Theme.emoji(18)
            }
            Text {
                objectName: "hintText"
                anchors.verticalCenter: hintRow.verticalCenter
                text: root.hint
                font: Theme.look.rounded(16, Font.DemiBold)
                color: Theme.textDim
            }
            Rectangle {
                anchors.verticalCenter: hintRow.verticalCenter
                visible: root.hintFinger !== Keyboard.noFinger
                width: 12
                height: 12
                radius: 6
                color: Theme.look.fingerColor(root.hintFinger)

                Text {
                    objectName: "hintMark"
                    anchors.centerIn: parent
                    visible: text !== ""
                    text: Theme.look.fingerMark(root.hintFinger)
                    font: Theme.plain(8)
                    color: Theme.ink
                }
            }
        }
    }
}
