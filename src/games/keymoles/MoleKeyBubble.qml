// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// The key a mole wears: a disc in the colour of the finger that types it.
Item {
    id: root

    property string key
    readonly property color tint: Theme.look.keyColor(key, Theme.tangerine)

    width: 40
    height: 40

    GlowHalo {
        anchors.fill: parent
        radius: width / 2
        color: root.tint
        strength: 0.6
        spread: 6
    }
    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: root.tint
    }
    Text {
        anchors.centerIn: parent
        text: root.key.toUpperCase()
        font: Theme.look.glyph(20, Font.Black)
        color: Theme.ink
    }
    // With safe colours the finger is also told by its shape.
    Text {
        objectName: "fingerMark"
        visible: text !== ""
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        text: Theme.look.keyMark(root.key)
        font: Theme.plain(9)
        color: Theme.textPrimary
        style: Text.Outline
        styleColor: Theme.ink
    }
}
