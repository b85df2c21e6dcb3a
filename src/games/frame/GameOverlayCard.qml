// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The veil over a paused or waiting game and the card in its middle, 620 wide where the window
// allows; the card's content is a column whose items centre themselves in it and wrap to it.
// A row that cannot wrap, such as buttons, may widen the card through minimumContentWidth.
Scrim {
    id: root

    default property alias content: column.data
    readonly property real padding: 42
    property real minimumContentWidth: 0
    readonly property real contentWidth: card.width - 2 * padding

    strength: 0.62

    // The game underneath takes no clicks while a card is up.
    MouseArea {
        anchors.fill: parent
    }

    CardBackground {
        id: card
        objectName: "card"
        anchors.centerIn: parent
        width: Math.min(Math.max(620, root.minimumContentWidth + 2 * root.padding),
                        root.width - 2 * 24)
        height: column.implicitHeight + 2 * root.padding
        radius: 30
        color: Theme.bgMid

        Column {
            id: column
            anchors.centerIn: parent
            width: root.contentWidth
            spacing: 18
        }
    }
}
