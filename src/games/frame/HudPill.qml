// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// A figure in the game bar on its own small card: the time left, the combo, a round count.
Rectangle {
    id: root

    property alias text: label.text
    property alias textColor: label.color
    property alias font: label.font

    implicitWidth: label.implicitWidth + 2 * 12
    implicitHeight: label.implicitHeight + 2 * 6
    radius: 12
    color: Theme.card
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Text {
        id: label
        anchors.centerIn: parent
        font: Theme.look.rounded(16, Font.Bold)
        color: Theme.textPrimary
    }
}
