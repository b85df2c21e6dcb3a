// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// One racer's row on the track: who it is, its rocket or animal on the way to the flag, and
// its medal once across the line.
Item {
    id: root

    property string labelEmoji
    property string name
    property string racerEmoji
    property real progress: 0
    // 1…3 once the racer is across the line, 0 before.
    property int finishedPlace: 0
    property bool isPlayer: false

    implicitHeight: Math.max(track.height, label.implicitHeight)

    Row {
        id: label
        anchors.left: root.left
        anchors.verticalCenter: root.verticalCenter
        width: 150
        spacing: 8

        Text {
            anchors.verticalCenter: label.verticalCenter
            text: root.labelEmoji
            font: Theme.emoji(20)
        }
        Text {
            objectName: "laneName"
            anchors.verticalCenter: label.verticalCenter
            width: label.width - x
            text: root.name
            font: Theme.look.rounded(14, root.isPlayer ? Font.Black : Font.DemiBold)
            color: root.isPlayer ? Theme.textPrimary : Theme.textDim
            elide: Text.ElideRight
        }
    }

    Item {
        id: track
        anchors.left: label.right
        anchors.right: tag.left
        anchors.verticalCenter: root.verticalCenter
        height: 30

        Rectangle {
            anchors.left: track.left
            anchors.right: track.right
            anchors.verticalCenter: track.verticalCenter
            height: 10
            radius: 5
            color: Theme.card
        }
        Text {
            anchors.right: track.right
            anchors.rightMargin: 10
            anchors.verticalCenter: track.verticalCenter
            text: "🏁"
            font: Theme.emoji(20)
        }
        Text {
            id: racer
            objectName: "racer"
            anchors.verticalCenter: track.verticalCenter
            x: Math.max(0, Math.min(1, root.progress)) * (track.width - width)
            text: root.racerEmoji
            font: Theme.emoji(24)

            Behavior on x {
                NumberAnimation {
                    duration: 150
                    easing.type: Easing.Linear
                }
            }
        }
    }

    Item {
        id: tag
        anchors.right: root.right
        anchors.verticalCenter: root.verticalCenter
        width: 74
        height: finishTag.height

        Rectangle {
            id: finishTag
            objectName: "finishTag"
            anchors.right: tag.right
            visible: root.finishedPlace >= 1 && root.finishedPlace <= 3
            width: tagText.implicitWidth + 2 * 8
            height: tagText.implicitHeight + 2 * 3
            radius: height / 2
            color: Theme.sunshine

            Text {
                id: tagText
                objectName: "tagText"
                anchors.centerIn: finishTag
                text: qsTr("done! %1").arg(["🥇", "🥈", "🥉"][root.finishedPlace - 1] ?? "")
                font: Theme.look.rounded(12, Font.Bold)
                color: Theme.ink
            }
        }
    }
}
