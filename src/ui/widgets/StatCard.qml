// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// One number of the dashboard with its emoji and what it counts.
Item {
    id: root

    property string emoji
    property string value
    property string label
    // The value's colour.
    property color color: Theme.sunshine

    // Read as one line, "Best speed: 23"; its three texts are drawing only.
    Accessible.role: Accessible.StaticText
    //: A statistic for a screen reader: %1 is what it counts, %2 the number.
    Accessible.name: qsTr("%1: %2").arg(label).arg(value)

    implicitWidth: Math.max(120, content.implicitWidth + 2 * 16)
    implicitHeight: content.implicitHeight + 2 * 14

    CardBackground {
        anchors.fill: parent
        radius: 18
    }

    FontMetrics {
        id: emojiLine
        font: Theme.emoji(30)
    }

    Column {
        id: content
        anchors.centerIn: parent
        spacing: 2

        // One line box for every emoji, its baseline where the colour face puts it: the emoji
        // selector of ⭐️ and ⌨️ comes from a fallback face with a taller line, which would
        // push their values and labels below those of the other cards.
        Item {
            anchors.horizontalCenter: content.horizontalCenter
            width: emoji.implicitWidth
            height: emojiLine.height

            Text {
                id: emoji
                Accessible.ignored: true
                y: emojiLine.ascent - baselineOffset
                text: root.emoji
                font: emojiLine.font
            }
        }
        Text {
            anchors.horizontalCenter: content.horizontalCenter
            Accessible.ignored: true
            text: root.value
            font: Theme.look.rounded(26, Font.Bold)
            color: root.color
        }
        Text {
            objectName: "label"
            Accessible.ignored: true
            anchors.horizontalCenter: content.horizontalCenter
            text: root.label
            font: Theme.look.rounded(13, Font.DemiBold)
            color: Theme.textDim
        }
    }
}
