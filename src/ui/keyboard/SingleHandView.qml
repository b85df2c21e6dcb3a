// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// One hand as four finger capsules and a thumb turned toward the other hand.
Column {
    id: root

    property bool isLeft: true
    // The raised finger, or Keyboard.noFinger for none; a finger of the other hand raises nothing.
    property int active: Keyboard.noFinger

    // The tallest a finger gets (the middle one, raised), so raising never moves the caption.
    readonly property real fingerRoom: 58 + 16
    // How far the thumb, turned and moved down, reaches below the fingers.
    readonly property real thumbOverhang: 18

    spacing: 6

    Text {
        anchors.horizontalCenter: root.horizontalCenter
        text: root.isLeft ? qsTr("LEFT HAND") : qsTr("RIGHT HAND")
        font: Theme.look.rounded(10, Font.DemiBold)
        color: Theme.textDim
    }

    Item {
        id: hand
        width: fingers.width
        height: root.fingerRoom + root.thumbOverhang

        Row {
            id: fingers
            height: root.fingerRoom
            spacing: 8

            Repeater {
                model: root.isLeft ? Keyboard.leftHand : Keyboard.rightHand

                Item {
                    id: finger
                    required property int modelData

                    // Pinky, ring, middle and pointer of the left hand, then the right's mirror.
                    readonly property real baseHeight: [36, 52, 58, 50, 50, 58, 52, 36][modelData]
                    readonly property color tint: Theme.look.fingerColor(modelData)
                    property real lift: root.active === modelData ? 1 : 0
                    Behavior on lift { HandSpring {} }

                    objectName: "finger" + modelData
                    width: 19
                    height: baseHeight + 16 * lift
                    y: fingers.height - height
                    opacity: 0.7 + 0.3 * Math.min(1, lift)

                    GlowHalo {
                        anchors.fill: parent
                        radius: width / 2
                        color: finger.tint
                        spread: 9
                        opacity: Math.max(0, Math.min(1, finger.lift))
                        visible: opacity > 0
                    }
                    Rectangle {
                        anchors.fill: parent
                        radius: width / 2
                        color: finger.tint
                    }
                    Text {
                        objectName: "fingerMark"
                        visible: text !== ""
                        anchors.horizontalCenter: parent.horizontalCenter
                        y: 5
                        text: Theme.look.fingerMark(finger.modelData)
                        font: Theme.plain(10)
                        color: Theme.ink
                    }
                }
            }
        }

        Item {
            id: thumb
            objectName: "thumb"

            property real lift: root.active === Keyboard.thumb ? 1 : 0
            Behavior on lift { HandSpring {} }

            width: 17
            height: 42 + 10 * lift
            // Centred under the fingers, then moved toward the other hand and down.
            x: (fingers.width - width) / 2 + (root.isLeft ? 62 : -62)
            y: fingers.height - height + 16
            rotation: root.isLeft ? 40 : -40

            GlowHalo {
                anchors.fill: parent
                radius: width / 2
                color: Theme.textPrimary
                strength: 0.8
                spread: 8
                opacity: Math.max(0, Math.min(1, thumb.lift))
                visible: opacity > 0
            }
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: Theme.textPrimary
                opacity: 0.5 * (0.7 + 0.3 * Math.min(1, thumb.lift))
            }
        }
    }

    // A finger rises with a 0.35 s spring, damping 0.6 (see PressSpring for the numbers).
    component HandSpring: SpringAnimation { spring: 5.16; damping: 0.345; epsilon: 0.002 }
}
