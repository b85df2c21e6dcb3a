// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// The card after a game: the headline, the score against the best, the game's own lines, any
// new badges, and the ways on.
GameOverlayCard {
    id: root

    property string headline
    property int score: 0
    property real best: 0
    // Lines of the game's own, under the best.
    property alias lines: gameLines.data
    property list<badge> newBadges
    property string leaveText
    property string replayText
    // "" when there is no next lesson to offer; the replay button is then the big one.
    property string nextText
    property color accent: Theme.sky

    signal leave()
    signal replay()
    signal next()

    // "Next: " and a long lesson title beside two more buttons need more than 620.
    minimumContentWidth: buttons.implicitWidth

    Text {
        objectName: "headline"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.contentWidth
        text: root.headline
        font: Theme.look.rounded(30, Font.Black)
        color: Theme.textPrimary
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
    }
    Text {
        objectName: "finalScore"
        Accessible.role: Accessible.StaticText
        Accessible.name: qsTr("Score: %1").arg(root.score)
        anchors.horizontalCenter: parent.horizontalCenter
        text: root.score
        font: Theme.look.rounded(56, Font.Black)
        color: Theme.sunshine
    }
    Text {
        objectName: "best"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Best: %1").arg(root.best)
        font: Theme.look.rounded(16, Font.DemiBold)
        color: Theme.textDim
    }
    Column {
        id: gameLines
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 18
        visible: children.length > 0
    }
    Row {
        objectName: "badges"
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 10
        visible: root.newBadges.length > 0

        Repeater {
            model: root.newBadges

            BadgeChip {
                required property badge modelData
                emoji: modelData.emoji
                title: modelData.title
                earned: true
            }
        }
    }
    Row {
        id: buttons
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 14

        GhostButton {
            objectName: "leaveButton"
            anchors.verticalCenter: parent.verticalCenter
            text: root.leaveText
            size: 16
            onClicked: root.leave()
        }
        GhostButton {
            objectName: "replayGhostButton"
            anchors.verticalCenter: parent.verticalCenter
            visible: root.nextText !== ""
            text: root.replayText
            size: 16
            onClicked: root.replay()
        }
        BigButton {
            objectName: "replayButton"
            visible: root.nextText === ""
            text: root.replayText
            size: 18
            color: root.accent
            textColor: Theme.ink
            onClicked: root.replay()
        }
        BigButton {
            objectName: "nextButton"
            visible: root.nextText !== ""
            text: root.nextText
            size: 18
            color: Theme.sunshine
            textColor: Theme.ink
            onClicked: root.next()
        }
    }
}
