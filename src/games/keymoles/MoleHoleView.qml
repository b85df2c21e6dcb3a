// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// One hole of the mole field: the dark hole, the hamster rising out of it wearing its key,
// and the stars of a bonk.
Item {
    id: root

    required property string moleKey
    required property bool hasMole
    required property bool isBonked

    // The key stays on the hamster while it sinks back, after the model has forgotten it.
    property string shownKey
    // 0 down in the hole, 1 all the way up.
    property real rise: hasMole ? 1 : 0

    onMoleKeyChanged: if (moleKey !== "") shownKey = moleKey
    Component.onCompleted: shownKey = moleKey

    // A spring of 0.28 s response and 0.6 damping, in the steps SpringAnimation takes (see
    // PressSpring).
    Behavior on rise {
        SpringAnimation {
            spring: 8.06
            damping: 0.43
            epsilon: 0.005
        }
    }

    width: 112
    height: 92

    // The hole: its shadow, a dark rim, and the darker inside.
    Scrim {
        anchors.fill: hole
        anchors.topMargin: 2
        anchors.bottomMargin: -4
        anchors.leftMargin: -1
        anchors.rightMargin: -1
        radius: height / 2
        strength: 0.4
    }
    Scrim {
        id: hole
        anchors.horizontalCenter: root.horizontalCenter
        anchors.bottom: root.bottom
        width: 92
        height: 38
        radius: height / 2
        strength: 0.35
    }
    Rectangle {
        anchors.fill: hole
        anchors.margins: 3
        radius: height / 2
        color: Qt.rgba(Theme.ink.r, Theme.ink.g, Theme.ink.b, 0.55)
    }

    // The hamster shows only above the middle of the hole, so it climbs out of it.
    Item {
        id: opening
        anchors.left: root.left
        anchors.right: root.right
        anchors.top: root.top
        anchors.topMargin: -30
        anchors.bottom: hole.verticalCenter
        clip: true
        visible: root.rise > 0.01

        Column {
            id: mole
            anchors.horizontalCenter: opening.horizontalCenter
            y: opening.height - root.rise * (height - 12)
            spacing: 0

            MoleKeyBubble {
                objectName: "moleKey"
                anchors.horizontalCenter: mole.horizontalCenter
                key: root.shownKey
            }
            Text {
                anchors.horizontalCenter: mole.horizontalCenter
                text: "🐹"
                font: Theme.emoji(46)
            }
        }
    }

    Text {
        objectName: "bonkStars"
        anchors.horizontalCenter: root.horizontalCenter
        anchors.bottom: hole.verticalCenter
        text: "💫"
        font: Theme.emoji(40)
        opacity: root.isBonked ? 1 : 0
        scale: root.isBonked ? 1 : 0.6
        visible: opacity > 0

        Behavior on opacity { NumberAnimation { duration: 200; easing.type: Easing.OutQuad } }
        Behavior on scale { NumberAnimation { duration: 200; easing.type: Easing.OutQuad } }
    }
}
