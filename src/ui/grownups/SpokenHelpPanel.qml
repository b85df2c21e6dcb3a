// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// What the narrator says for one explorer beyond the lessons' own lines: for a child who cannot
// read yet, or cannot see the screen well.
Item {
    id: root

    // The explorer the grown-up chose; empty while there is none.
    required property string profileId
    required property string explorerName

    height: content.implicitHeight + 2 * 18

    component Toggle: BigButton {
        required property bool on
        required property string label
        objectName: "spokenHelpToggle"
        size: 15
        text: (on ? "✓ " : "") + label
        color: on ? Theme.mint : Theme.ghostFill
        textColor: on ? Theme.ink : Theme.textPrimary
        Accessible.role: Accessible.CheckBox
        Accessible.name: label
        Accessible.checkable: true
        Accessible.checked: on
    }

    CardBackground {
        anchors.fill: parent
        radius: 20
    }

    Column {
        id: content
        x: 20
        y: 18
        width: parent.width - 2 * 20
        spacing: 10

        Text {
            text: qsTr("🗣 Read aloud for %1").arg(root.explorerName)
            font: Theme.rounded(18, Font.Bold)
            color: Theme.textPrimary
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
        Text {
            width: parent.width
            text: qsTr("With the voice on, the narrator can help a child who cannot read yet or cannot see the screen well. The lessons' own words always come first.")
            font: Theme.rounded(14, Font.DemiBold)
            color: Theme.textDim
            wrapMode: Text.Wrap
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Row {
            spacing: 12

            Toggle {
                objectName: "sayNamesToggle"
                // Read again whenever the household changes.
                on: { AppStore.profiles; return AppStore.saysNames(root.profileId) }
                label: qsTr("Say names")
                onClicked: AppStore.setSayNames(root.profileId, !on)
            }
            Toggle {
                objectName: "sayNextKeyToggle"
                on: { AppStore.profiles; return AppStore.saysNextKey(root.profileId) }
                label: qsTr("Say the next key")
                onClicked: AppStore.setSayNextKey(root.profileId, !on)
            }
        }
        Text {
            width: parent.width
            text: qsTr("Names: the narrator says a button's or card's name when it gets the focus or the pointer rests on it. Next key: it says each key of a drill as it comes up.")
            font: Theme.rounded(13, Font.DemiBold)
            color: Theme.textDim
            wrapMode: Text.Wrap
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
