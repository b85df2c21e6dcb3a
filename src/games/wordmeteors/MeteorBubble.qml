// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// One falling word on its meteor: the letters typed so far in gold, and the target, the one
// being typed, bigger, brighter and outlined.
Item {
    id: root

    required property string word
    required property int typed
    required property bool isTarget

    // 0 for an ordinary meteor, 1 for the target; every look follows it through one spring.
    property real targetShare: isTarget ? 1 : 0
    Behavior on targetShare { PressSpring {} }

    width: content.implicitWidth + 2 * 14
    height: content.implicitHeight + 2 * 8
    scale: 1 + 0.08 * targetShare

    GlowHalo {
        anchors.fill: parent
        radius: height / 2
        color: Theme.coral
        strength: 0.3 + 0.55 * root.targetShare
        spread: 4 + 6 * root.targetShare
    }
    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: Qt.rgba(Theme.coral.r, Theme.coral.g, Theme.coral.b, 0.4 + 0.45 * root.targetShare)
        border.color: Theme.sunshine
        border.width: 2.5 * root.targetShare
    }
    Row {
        id: content
        anchors.centerIn: parent
        spacing: 6

        Text {
            anchors.verticalCenter: content.verticalCenter
            text: "☄️"
            font: Theme.emoji(19 + 5 * root.targetShare)
        }
        Row {
            anchors.verticalCenter: content.verticalCenter

            Text {
                objectName: "typedPart"
                text: root.word.slice(0, root.typed)
                font: Theme.look.glyph(18, Font.Black)
                color: Theme.sunshine
            }
            Text {
                objectName: "restPart"
                text: root.word.slice(root.typed)
                font: Theme.look.glyph(18, Font.Black)
                color: Theme.textPrimary
            }
        }
    }
}
