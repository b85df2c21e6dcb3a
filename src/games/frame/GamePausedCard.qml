// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The card over a paused game: leave it, or play on.
GameOverlayCard {
    id: root

    signal quit()
    signal resume()

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        text: "⏸️"
        font: Theme.emoji(48)
    }
    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Paused")
        font: Theme.look.rounded(30, Font.Bold)
        color: Theme.textPrimary
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 14

        GhostButton {
            objectName: "quitButton"
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Quit")
            size: 16
            onClicked: root.quit()
        }
        BigButton {
            objectName: "resumeButton"
            text: qsTr("Resume (esc)")
            size: 18
            color: Theme.sky
            textColor: Theme.ink
            onClicked: root.resume()
        }
    }
}
