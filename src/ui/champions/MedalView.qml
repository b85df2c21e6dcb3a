// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// A place on a board: a medal for the first three, the plain number below them.
Item {
    id: root

    property int rank: 1

    readonly property bool medal: rank >= 1 && rank <= 3

    implicitWidth: 40
    implicitHeight: label.implicitHeight

    Text {
        id: label
        objectName: "label"
        anchors.centerIn: parent
        text: root.medal ? ["🥇", "🥈", "🥉"][root.rank - 1] : String(root.rank)
        font: root.medal ? Theme.look.glyph(26) : Theme.look.glyph(16, Font.Bold)
        color: Theme.textDim
    }
}
