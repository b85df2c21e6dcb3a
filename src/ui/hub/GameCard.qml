// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtQuick.Templates as T
import Tapalong.Ui

// One game of the games tab; the whole card is the button that opens it.
T.Button {
    id: card

    required property gameCard game

    // Tab and the arrows reach a card; a click does not take the keyboard.
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: qsTr("Play %1").arg(card.game.title)
    Accessible.description: card.game.tagline + "\n" + card.game.scoreLine // not translated: a line break
    Keys.onReturnPressed: clicked()
    Accessible.onPressAction: clicked()
    Keys.onEnterPressed: clicked()
    padding: 26
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    opacity: pressed ? 0.8 : 1

    contentItem: Column {
        spacing: 10

        // One box for every emoji, whose line heights differ, so the cards stay level.
        Text {
            width: parent.width
            height: 80
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: card.game.emoji
            font: Theme.emoji(64)
        }
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: card.game.title
            font: Theme.look.rounded(24, Font.Bold)
            color: Theme.textPrimary
            elide: Text.ElideRight
        }
        // A fixed box, so every card of a row keeps the same height whatever the line count.
        Text {
            objectName: "tagline"
            width: parent.width
            height: 40
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            elide: Text.ElideRight
            text: card.game.tagline
            font: Theme.look.rounded(14)
            color: Theme.textDim
        }
        Text {
            objectName: "scoreLine"
            anchors.horizontalCenter: parent.horizontalCenter
            text: card.game.scoreLine
            font: Theme.look.rounded(13, Font.DemiBold)
            color: Theme.textPrimary
        }
        ButtonLabel {
            anchors.horizontalCenter: parent.horizontalCenter
            width: implicitWidth + 2 * 16 * 1.3
            height: implicitHeight + 2 * 16 * 0.65
            text: qsTr("PLAY  ▶")
            pixelSize: 16
            color: Theme.ink

            Rectangle {
                anchors.fill: parent
                z: -1
                radius: height / 2
                color: Theme.sunshine
            }
        }
    }

    background: CardBackground {
        radius: 24
        border.width: 1
        border.color: Theme.cardBright
    }

    FocusRing {
        controlRadius: 24
    }
}
