// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The ring around the control that has the keyboard's focus, a little outside its edge so it
// never hides the control's own colours. Put it inside the control.
Rectangle {
    // Whose focus it shows.
    property Item target: parent
    // The control's own corner radius; the ring keeps the shape a gap further out.
    property real controlRadius: height / 2
    property real gap: 4

    objectName: "focusRing"
    anchors.fill: parent
    anchors.margins: -gap - border.width
    radius: controlRadius + gap + border.width
    visible: target !== null && target.activeFocus
    color: "transparent"
    border.width: 3
    border.color: Theme.focusRing
}
