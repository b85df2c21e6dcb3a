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
                y: emojiLine.ascent - baselineOffset
                text: root.emoji
                font: emojiLine.font
            }
        }
        Text {
            anchors.horizontalCenter: content.horizontalCenter
            text: root.value
            font: Theme.rounded(26, Font.Bold)
            color: root.color
        }
        Text {
            objectName: "label"
            anchors.horizontalCenter: content.horizontalCenter
            text: root.label
            font: Theme.rounded(13, Font.DemiBold)
            color: Theme.textDim
        }
    }
}
