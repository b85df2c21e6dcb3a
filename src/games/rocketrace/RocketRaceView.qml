// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Games
import Tapalong.Store
import Tapalong.Ui

// Rocket Race: type the passage to fly the child's rocket past three rivals who type at fixed
// speeds. The race clock starts with the first correct letter.
GameScreenFrame {
    id: screen

    model: RocketRaceModel {
        id: race
    }
    readyText: screen.isBonus
        ? qsTr("Lesson finished — celebrate with a quick race!\n"
               + "Type the words to make your rocket zoom past the bots.\n"
               + "The race starts on your first correct letter.")
        : qsTr("Type the words to make your rocket zoom!\n"
               + "You're racing Turbo Turtle 🐢, Comet Cat 🐱, and Falcon Flash 🦅.\n"
               + "The race starts the moment you type your first correct letter.")
    // The race drills whole phrases, not a key pool.
    showsPool: false
    accent: Theme.mint
    replayText: qsTr("Race again  (space)")
    headline: [qsTr("🥇 1st place!!"), qsTr("🥈 2nd place!"), qsTr("🥉 3rd place!")][race.place - 1]
              ?? qsTr("4th — you'll get them next time!")
    celebrates: screen.frame.overCard.isNewHighScore || race.place === 1

    status: [
        Text {
            objectName: "liveWpm"
            text: qsTr("%1 wpm").arg(race.wpm)
            font: Theme.look.rounded(18, Font.Bold)
            color: Theme.mint
        },
        Text {
            objectName: "liveAccuracy"
            text: qsTr("%1% acc").arg(race.accuracy)
            font: Theme.look.rounded(18, Font.Bold)
            color: Theme.sky
        }
    ]
    overLines: Column {
        id: raceLines
        spacing: 18

        Text {
            objectName: "highScoreLine"
            anchors.horizontalCenter: raceLines.horizontalCenter
            visible: screen.frame.overCard.isNewHighScore
            text: qsTr("🏆 NEW HIGH SCORE!")
            font: Theme.look.rounded(18, Font.Black)
            color: Theme.textPrimary
        }
        Row {
            anchors.horizontalCenter: raceLines.horizontalCenter
            spacing: 18

            Text {
                objectName: "finalWpm"
                text: qsTr("%1 wpm").arg(race.wpm)
                font: Theme.look.rounded(18, Font.Bold)
                color: Theme.mint
            }
            Text {
                objectName: "finalAccuracy"
                text: qsTr("%1% accuracy").arg(race.accuracy)
                font: Theme.look.rounded(18, Font.Bold)
                color: Theme.sky
            }
        }
    }

    Column {
        id: field
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.leftMargin: 24
        anchors.rightMargin: 24
        y: screen.hudBottom + 18
        spacing: 18

        CardBackground {
            objectName: "trackCard"
            width: field.width
            height: lanes.implicitHeight + 2 * 20
            radius: 22

            Column {
                id: lanes
                anchors.fill: parent
                anchors.margins: 20
                spacing: 14

                RaceLane {
                    objectName: "playerLane"
                    width: lanes.width
                    labelEmoji: AppStore.currentAvatar
                    name: AppStore.hasCurrentProfile ? AppStore.currentName : qsTr("You")
                    racerEmoji: "🚀"
                    progress: race.progress
                    isPlayer: true
                }
                Repeater {
                    objectName: "rivalLanes"
                    model: race.rivals

                    RaceLane {
                        required property string rivalName
                        required property string rivalEmoji
                        required progress
                        required finishedPlace

                        width: lanes.width
                        labelEmoji: rivalEmoji
                        name: rivalName
                        racerEmoji: rivalEmoji
                    }
                }
            }
        }

        CardBackground {
            objectName: "typingCard"
            width: field.width
            height: typing.implicitHeight + 2 * 20
            radius: 22

            Column {
                id: typing
                anchors.fill: parent
                anchors.margins: 20
                spacing: 10

                Text {
                    text: qsTr("Type it!")
                    font: Theme.look.rounded(13, Font.Bold)
                    color: Theme.textDim
                }
                PassageWindow {
                    objectName: "passage"
                    text: race.windowText
                    capacity: race.windowSize
                    cursor: race.typedCount - race.windowStart
                    wrongCount: race.wrongCount
                }
            }
        }
    }
}
