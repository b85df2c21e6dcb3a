// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// One falling letter: a ball in the colour of the finger that types it, with a soft glow.
Item {
    id: root

    required property string letter
    readonly property color tint: Theme.look.keyColor(letter, Theme.sky)

    width: 52
    height: 52

    GlowHalo {
        anchors.fill: parent
        radius: width / 2
        color: root.tint
        strength: 0.6
        spread: 8
    }
    Rectangle {
        anchors.fill: parent
        radius: width / 2
        color: root.tint
    }
    Text {
        anchors.centerIn: parent
        text: root.letter.toUpperCase()
        font: Theme.look.glyph(26, Font.Black)
        color: Theme.ink
    }
    // With safe colours the finger is also told by its shape.
    Text {
        objectName: "fingerMark"
        visible: text !== ""
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        text: Theme.look.keyMark(root.letter)
        font: Theme.plain(10)
        color: Theme.textPrimary
        style: Text.Outline
        styleColor: Theme.ink
    }
}
