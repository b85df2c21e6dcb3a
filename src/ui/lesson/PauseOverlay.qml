// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The break card over a dimmed lesson: leave, or carry on where the child stopped.
Scrim {
    id: root

    signal leave()
    signal keepGoing()

    strength: 0.6

    // The lesson underneath takes no clicks while it rests.
    MouseArea {
        anchors.fill: parent
    }

    CardBackground {
        anchors.centerIn: parent
        width: content.implicitWidth + 2 * 40
        height: content.implicitHeight + 2 * 40
        radius: 28
        color: Theme.bgMid

        Column {
            id: content
            anchors.centerIn: parent
            spacing: 14

            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                anchors.horizontalCenter: content.horizontalCenter
                text: "⏸️"
                font: Theme.emoji(52)
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                anchors.horizontalCenter: content.horizontalCenter
                text: qsTr("Taking a break?")
                font: Theme.look.rounded(28, Font.Bold)
                color: Theme.textPrimary
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                anchors.horizontalCenter: content.horizontalCenter
                text: qsTr("(esc to pause and resume)")
                font: Theme.look.rounded(12, Font.DemiBold)
                color: Theme.textDim
            }
            Item {
                width: 1
                height: 6
            }
            Row {
                anchors.horizontalCenter: content.horizontalCenter
                spacing: 14

                GhostButton {
                    objectName: "leaveButton"
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Leave lesson")
                    onClicked: root.leave()
                }
                BigButton {
                    objectName: "keepGoingButton"
                    text: qsTr("Keep going!")
                    size: 18
                    onClicked: root.keepGoing()
                }
            }
        }
    }
}
