// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// One badge on a shelf: bright when earned, a faded grey emoji while still to win.
Rectangle {
    id: root

    property string emoji
    property string title
    property bool earned: false

    Accessible.role: Accessible.ListItem
    Accessible.name: earned ? qsTr("%1, earned").arg(title) : qsTr("%1, not earned yet").arg(title)

    implicitWidth: 92
    implicitHeight: content.implicitHeight + 2 * 10
    radius: 14
    color: earned ? Theme.cardBright : Theme.card

    Column {
        id: content
        anchors.centerIn: parent
        width: root.width - 2 * 6
        spacing: 4

        EmojiText {
            objectName: "emoji"
            anchors.horizontalCenter: content.horizontalCenter
            text: root.emoji
            pixelSize: 30
            greyscale: !root.earned
            opacity: root.earned ? 1 : 0.35
        }

        Text {
            objectName: "title"
            width: content.width
            text: root.title
            font: Theme.look.glyph(11, Font.DemiBold)
            color: root.earned ? Theme.textPrimary : Theme.textDim
            horizontalAlignment: Text.AlignHCenter
            // A word longer than the chip (in a longer language) breaks rather than spills.
            wrapMode: Text.Wrap
            maximumLineCount: 2
            elide: Text.ElideRight
        }
    }
}
