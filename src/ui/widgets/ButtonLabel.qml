// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// A button's label, centred. A trailing ▶ is drawn apart in a face without colour emoji: the
// label's own face asks the colour face before any text face, so that ☄️ and ⌨️ keep their
// colour, and so it drew ▶ as an orange emoji tile instead of a triangle in the label's ink.
Item {
    id: root

    property string text
    // A font handed through a property of its own would lose the emoji face here, so the label
    // builds its faces from these.
    property real pixelSize: 20
    property int weight: Font.Bold
    property color color

    // [whole, label, "  ▶"], or null without a trailing arrow.
    readonly property var parts: /^(.*?)(\s*▶)$/.exec(text)

    implicitWidth: row.implicitWidth
    implicitHeight: row.implicitHeight

    Row {
        id: row
        anchors.centerIn: parent

        Text {
            id: label
            text: root.parts ? root.parts[1] : root.text
            font: Theme.look.rounded(root.pixelSize, root.weight)
            color: root.color
        }
        Text {
            anchors.baseline: label.baseline
            visible: root.parts !== null
            text: root.parts ? root.parts[2] : ""
            font: Theme.plain(root.pixelSize, root.weight)
            color: root.color
        }
    }
}
