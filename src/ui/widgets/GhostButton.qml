// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui
import QtQuick.Templates as T

// The quiet see-through capsule button for secondary actions.
T.Button {
    id: control

    // Label size; the margins grow with it.
    property real size: 16

    // Only Tab hands a button the keyboard: a click leaves it where it was, so the Space that
    // follows still types. Return activates a focused button as well as Space does.
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: text
    Keys.onReturnPressed: clicked()
    // Qt 6.4's buttons do not answer a screen reader's "press" by themselves.
    Accessible.onPressAction: clicked()
    Keys.onEnterPressed: clicked()
    font: Theme.look.rounded(size, Font.DemiBold)
    leftPadding: size
    rightPadding: size
    topPadding: size * 0.55
    bottomPadding: size * 0.55
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding

    scale: pressed && !Theme.calmMotion ? 0.95 : 1.0
    Behavior on scale { PressSpring {} }

    contentItem: Text {
        text: control.text
        font: control.font
        color: Theme.textPrimary
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    background: Rectangle {
        radius: height / 2
        color: control.pressed ? Theme.ghostFillPressed : Theme.ghostFill
    }

    FocusRing {}
}
