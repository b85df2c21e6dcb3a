// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The card before a game: what the game is, the keys it plays with, and the start button.
GameOverlayCard {
    id: root

    property string emoji
    property string title
    property string text
    // Each line is left out when empty.
    property string focusLine
    property string poolLine
    property color poolColor: Theme.sky
    property color accent: Theme.sky

    signal start()

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        text: root.emoji
        font: Theme.emoji(56)
    }
    Text {
        objectName: "startTitle"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        text: root.title
        font: Theme.look.rounded(34, Font.Black)
        color: Theme.textPrimary
    }
    Text {
        objectName: "readyText"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.contentWidth
        text: root.text
        font: Theme.look.rounded(17, Font.DemiBold)
        color: Theme.textDim
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
    }
    Text {
        objectName: "focusLine"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        visible: root.focusLine !== ""
        text: root.focusLine
        font: Theme.look.mono(14, Font.Bold)
        color: Theme.sunshine
    }
    Text {
        objectName: "poolLine"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        visible: root.poolLine !== ""
        text: root.poolLine
        font: Theme.look.mono(14, Font.Bold)
        color: root.poolColor
    }
    BigButton {
        objectName: "startButton"
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Start!  (press space)")
        size: 20
        color: root.accent
        textColor: Theme.ink
        onClicked: root.start()
    }
}
