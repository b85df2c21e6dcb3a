// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Games
import Tapalong.Ui

// Key Moles: bonk each mole by typing the key it wears before it hides again.
GameScreenFrame {
    id: screen

    model: KeyMolesModel {
        id: moles
    }
    gameOverWords: qsTr("Time's up!")
    readyText: screen.isBonus
        ? qsTr("Nice work finishing the lesson!\nMoles will pop up wearing your lesson keys — you have\n"
               + "%1 seconds. Bonk them fast to make those keys stronger!").arg(screen.bonusSeconds)
        : qsTr("Moles are popping up with letters!\n"
               + "Type a mole's letter to bonk it before it hides.\n"
               + "How many can you bonk in 60 seconds?")

    status: Text {
        objectName: "bonkCounter"
        text: qsTr("🐹 bonked: %1").arg(moles.bonked)
        font: Theme.look.rounded(15, Font.DemiBold)
        color: Theme.textDim
    }
    overLines: Text {
        objectName: "bonkedLine"
        text: qsTr("bonked %n mole(s)", "", moles.bonked)
        font: Theme.look.rounded(15, Font.DemiBold)
        color: Theme.textDim
    }

    Item {
        id: field
        anchors.fill: parent

        // The field floats in the middle of the room between the bar and the grass.
        Item {
            id: room
            anchors.left: field.left
            anchors.right: field.right
            anchors.top: field.top
            anchors.topMargin: 90
            anchors.bottom: grass.top
        }

        CardBackground {
            objectName: "moleField"
            anchors.centerIn: room
            width: holes.width + 2 * 36
            height: holes.height + 2 * 36
            radius: 28
            color: Theme.card

            Grid {
                id: holes
                anchors.centerIn: parent
                columns: 4
                spacing: 30

                Repeater {
                    objectName: "holes"
                    model: moles.holes

                    MoleHoleView {}
                }
            }
        }

        Item {
            id: grass
            objectName: "grassStrip"
            anchors.left: field.left
            anchors.right: field.right
            anchors.bottom: field.bottom
            height: 60

            Rectangle {
                anchors.fill: parent
                color: Theme.mint
                opacity: 0.25
            }
            Text {
                anchors.centerIn: parent
                text: "🌱".repeat(24)
                font: Theme.emoji(22)
            }
        }
    }
}
