// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The parrot and what it says: whose turn it is in Copy Cat.
Column {
    id: root

    property string text

    spacing: 4

    Text {
        anchors.horizontalCenter: root.horizontalCenter
        text: "🦜"
        font: Theme.emoji(72)
    }

    Rectangle {
        anchors.horizontalCenter: root.horizontalCenter
        width: said.implicitWidth + 2 * 18
        height: said.implicitHeight + 2 * 10
        radius: height / 2
        color: Theme.cardBright

        Text {
            id: said
            objectName: "parrotSays"
            anchors.centerIn: parent
            font: Theme.look.glyph(18, Font.DemiBold)
            color: Theme.textPrimary
            text: root.text

            // The old words fade out and the new ones in, 0.2 s in all.
            Behavior on text {
                SequentialAnimation {
                    NumberAnimation {
                        target: said
                        property: "opacity"
                        to: 0
                        duration: 100
                        easing.type: Easing.InOutQuad
                    }
                    PropertyAction {}
                    NumberAnimation {
                        target: said
                        property: "opacity"
                        to: 1
                        duration: 100
                        easing.type: Easing.InOutQuad
                    }
                }
            }
        }
    }
}
