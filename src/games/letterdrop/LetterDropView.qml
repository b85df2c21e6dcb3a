// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Games
import Tapalong.Ui

// Letter Drop: catch each falling letter by typing it before it splashes into the sea.
GameScreenFrame {
    id: screen

    model: LetterDropModel {
        id: drops
    }
    gameOverWords: qsTr("Splash! Game over")
    readyText: screen.isBonus
        ? qsTr("Nice work finishing the lesson!\nNow catch your lesson keys as they fall — you have\n"
               + "%1 seconds. Every catch makes those keys stronger!").arg(screen.bonusSeconds)
        : qsTr("Letters are falling from the sky!\nType each one before it splashes into the sea.\n"
               + "You have 3 hearts — good luck, hero!")

    Item {
        id: field
        anchors.fill: parent

        readonly property real seaHeight: 70
        // y = 1 is the top of the sea.
        readonly property real fallHeight: height - seaHeight

        Rectangle {
            id: sea
            objectName: "sea"
            anchors.left: field.left
            anchors.right: field.right
            anchors.bottom: field.bottom
            height: field.seaHeight
            color: Theme.sky
            opacity: 0.25
        }
        Text {
            anchors.horizontalCenter: sea.horizontalCenter
            anchors.verticalCenter: sea.verticalCenter
            text: "🌊".repeat(20)
            font: Theme.emoji(26)
        }

        Repeater {
            objectName: "letters"
            model: drops.letters

            LetterBubble {
                required property real posX
                required property real posY

                objectName: "letter"
                x: posX * field.width - width / 2
                y: posY * field.fallHeight - height / 2
            }
        }
    }
}
