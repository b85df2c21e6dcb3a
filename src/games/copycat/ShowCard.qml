// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// The parrot's flash card: the key being shown, in the colour of the finger that types it.
// It pops up while `shown` and shrinks away in the gap before the next key.
Item {
    id: root

    // One key, or "" when no key is being shown.
    property string key
    property bool shown: false

    readonly property color fill: root.key === "" ? Theme.card
                                                  : Theme.look.keyColor(root.key, Theme.lavender)

    implicitWidth: 120
    implicitHeight: 120
    scale: shown ? 1 : 0.6
    opacity: shown ? 1 : 0

    // A 0.25 s response with a damping fraction of 0.55, in SpringAnimation's steps (see
    // PressSpring).
    Behavior on scale {
        SpringAnimation {
            spring: 10.1
            damping: 0.44
            epsilon: 0.001
        }
    }
    Behavior on opacity {
        SpringAnimation {
            spring: 10.1
            damping: 0.44
            epsilon: 0.001
        }
    }

    GlowHalo {
        anchors.fill: face
        visible: root.key !== ""
        color: root.fill
        radius: face.radius
        spread: 10
        strength: 0.6
    }

    Rectangle {
        id: face
        anchors.fill: root
        radius: 24
        color: root.fill

        Text {
            objectName: "shownKey"
            anchors.centerIn: face
            text: root.key.toUpperCase()
            font: Theme.look.mono(44, Font.Bold)
            color: Theme.ink
        }
    }
}
