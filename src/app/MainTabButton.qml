// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtQuick.Templates as T
import Tapalong.Ui

// One of the main view's tabs in the top bar: a sunshine capsule while it is the open one.
T.Button {
    id: control

    required property string emoji
    required property string title
    property bool selected: false
    readonly property color labelColor: selected ? Theme.ink : Theme.textPrimary

    // Reached with Tab; a click leaves the keyboard where it was.
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.PageTab
    Accessible.name: control.title
    Accessible.selected: control.selected
    Keys.onReturnPressed: clicked()
    Accessible.onPressAction: clicked()
    Keys.onEnterPressed: clicked()
    leftPadding: 16
    rightPadding: 16
    topPadding: 9
    bottomPadding: 9
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    font: Theme.look.rounded(16, Font.Bold)

    contentItem: Row {
        spacing: 6

        Text {
            text: control.emoji
            font: control.font
            color: control.labelColor
        }
        Text {
            text: control.title
            font: control.font
            color: control.labelColor
        }
    }

    background: Rectangle {
        radius: height / 2
        color: control.selected ? Theme.sunshine : Theme.card
    }

    FocusRing {}
}
