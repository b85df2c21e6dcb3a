// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Games
import Tapalong.Ui

// Copy Cat: the parrot flashes a pattern of keys, naming each aloud, and the child types it
// back from memory. Leaving the screen cuts the parrot off mid-word.
GameScreenFrame {
    id: screen

    model: CopyCatModel {
        id: copyCat
    }
    readyText: screen.isBonus
        ? qsTr("Nice work finishing the lesson!\n"
               + "Watch the parrot's secret key pattern, then type it back from memory.\n"
               + "Patterns grow trickier each round — show what you've learned!")
        : qsTr("The parrot flashes a secret key pattern — watch and listen!\n"
               + "Then type it back from memory.\nPatterns grow longer each round!")
    accent: Theme.lavender
    poolColor: Theme.lavender
    // A bonus round has no headline of its own here: it is a high score or a good try.
    headline: screen.frame.overCard.isNewHighScore ? qsTr("🏆 NEW HIGH SCORE!") : qsTr("Good try! The parrot flew off")
    celebrates: screen.frame.overCard.isNewHighScore || copyCat.wonGame

    status: HudPill {
        objectName: "roundPill"
        text: qsTr("Round %1 of %2").arg(copyCat.round).arg(copyCat.roundCount)
        font: Theme.look.rounded(16, Font.Bold)
        textColor: Theme.lavender
    }
    overLines: Text {
        objectName: "roundLine"
        text: qsTr("You reached round %1 of %2").arg(copyCat.round).arg(copyCat.roundCount)
        font: Theme.look.rounded(15, Font.DemiBold)
        color: Theme.lavender
    }

    Item {
        id: field
        anchors.fill: parent

        Column {
            id: stage
            anchors.centerIn: field
            spacing: 20

            ParrotBubble {
                anchors.horizontalCenter: stage.horizontalCenter
                text: copyCat.phase === CopyCatModel.Echo ? qsTr("Your turn!")
                    : copyCat.phase === CopyCatModel.Celebrating ? qsTr("🎉 Perfect!") : qsTr("Watch closely!")
            }

            Item {
                objectName: "stageContent"
                anchors.horizontalCenter: stage.horizontalCenter
                width: Math.max(showCard.implicitWidth, echoRow.implicitWidth, party.implicitWidth)
                height: Math.max(130, showCard.implicitHeight, echoRow.implicitHeight,
                                 party.implicitHeight)

                ShowCard {
                    id: showCard
                    objectName: "showCard"
                    anchors.centerIn: parent
                    visible: copyCat.phase === CopyCatModel.Showing
                    key: copyCat.showKey
                    shown: copyCat.showVisible
                }
                EchoSlotsRow {
                    id: echoRow
                    objectName: "echoSlots"
                    anchors.centerIn: parent
                    visible: copyCat.phase === CopyCatModel.Echo
                    model: copyCat.echoSlots
                }
                Text {
                    id: party
                    anchors.centerIn: parent
                    visible: copyCat.phase === CopyCatModel.Celebrating
                    text: "🎉"
                    font: Theme.emoji(64)
                }
            }
        }
    }
}
