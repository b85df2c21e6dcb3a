// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui
import QtQuick.Templates as T

// The bold capsule button for the main action of a screen.
T.Button {
    id: control

    property color color: Theme.sunshine
    property color textColor: Theme.ink
    // Label size; the margins grow with it.
    property real size: 20

    // Only Tab hands a button the keyboard: a click leaves it where it was, so the Space that
    // follows still types. Return activates a focused button as well as Space does.
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: text
    Keys.onReturnPressed: clicked()
    // Qt 6.4's buttons do not answer a screen reader's "press" by themselves.
    Accessible.onPressAction: clicked()
    Keys.onEnterPressed: clicked()
    font: Theme.look.rounded(size, Font.Bold)
    leftPadding: size * 1.3
    rightPadding: size * 1.3
    topPadding: size * 0.65
    bottomPadding: size * 0.65
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding

    scale: pressed && !Theme.calmMotion ? 0.94 : 1.0
    Behavior on scale { PressSpring {} }

    contentItem: ButtonLabel {
        text: control.text
        pixelSize: control.size
        color: control.textColor
    }

    background: Rectangle {
        radius: height / 2
        color: control.color
    }

    FocusRing {}
}
