// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Games
import Tapalong.Ui

// Word Meteors: blast each falling word by typing it before it reaches the ground.
GameScreenFrame {
    id: screen

    model: WordMeteorsModel {
        id: meteors
    }
    gameOverWords: qsTr("Boom! Game over")
    focusSentence: qsTr("The meteors love your new keys: ")
    readyText: screen.isBonus
        ? qsTr("Lesson finished — time to blast some meteors!\nMost of them use the keys you just learned.\n"
               + "You have %1 seconds. Protect your planet!").arg(screen.bonusSeconds)
        : qsTr("Word meteors are zooming toward your planet!\n"
               + "Type each word, letter by letter, to blast it apart.\n"
               + "You have 3 hearts — protect your planet, ranger!")

    Item {
        id: field
        anchors.fill: parent

        readonly property real groundHeight: 70
        // y = 1 is the top of the ground.
        readonly property real fallHeight: height - groundHeight

        Rectangle {
            id: ground
            objectName: "ground"
            anchors.left: field.left
            anchors.right: field.right
            anchors.bottom: field.bottom
            height: field.groundHeight
            color: Theme.coral
            opacity: 0.25
        }
        Text {
            anchors.horizontalCenter: ground.horizontalCenter
            anchors.verticalCenter: ground.verticalCenter
            text: "🏔🌋🏔🌋🌍".repeat(4)
            font: Theme.emoji(26)
        }

        Repeater {
            objectName: "meteors"
            model: meteors.meteors

            MeteorBubble {
                required property real posX
                required property real posY

                objectName: "meteor"
                x: posX * field.width - width / 2
                y: posY * field.fallHeight - height / 2
                // The target is drawn over the others.
                z: isTarget ? 1 : 0
            }
        }
    }
}
