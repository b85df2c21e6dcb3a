// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// One explorer's look: a row of choices per setting, each saved as soon as it is pressed.
Item {
    id: root

    required property string profileId
    required property string explorerName

    height: content.implicitHeight + 2 * 18

    ComfortSettings {
        id: settings
        objectName: "comfortSettings"
        store: AppStore
        profileId: root.profileId
    }

    component Note: Text {
        font: Theme.rounded(14, Font.DemiBold)
        color: Theme.textDim
        wrapMode: Text.Wrap
    }
    // One setting: its name, then its choices side by side; the chosen one is sunshine. A
    // choice's value is its place in `labels`; a setting that is on or off is 0 or 1.
    component Choices: Column {
        id: choices
        property string title
        property string note
        property list<string> labels
        property int value
        signal chosen(int value)
        // The objectName of each choice: "<key> <value>".
        property string key
        spacing: 6
        width: content.width

        Text {
            text: choices.title
            font: Theme.rounded(16, Font.Bold)
            color: Theme.textPrimary
        }
        Note {
            visible: text !== ""
            width: choices.width
            text: choices.note
        }
        Row {
            spacing: 10
            Repeater {
                model: choices.labels
                BigButton {
                    required property string modelData
                    required property int index
                    readonly property bool selected: index === choices.value
                    objectName: choices.key + " " + index
                    text: modelData
                    size: 14
                    color: selected ? Theme.sunshine : Theme.ghostFill
                    textColor: selected ? Theme.ink : Theme.textPrimary
                    Accessible.name: qsTr("%1: %2").arg(choices.title).arg(modelData)
                    Accessible.checkable: true
                    Accessible.checked: selected
                    onClicked: choices.chosen(index)
                }
            }
        }
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
        spacing: 14

        Text {
            text: qsTr("How Tapalong looks for %1").arg(root.explorerName)
            font: Theme.rounded(18, Font.Bold)
            color: Theme.textPrimary
        }
        Note {
            width: content.width
            text: qsTr("Each choice is kept at once; %1's screens follow it straight away.")
                      .arg(root.explorerName)
        }

        Choices {
            title: qsTr("Reading font")
            key: "font"
            labels: [qsTr("Rounded"), "Andika", "OpenDyslexic"]  // not translated: the fonts' own names
            value: settings.font
            onChosen: (v) => settings.font = v
        }
        Text {
            objectName: "fontSample"
            text: qsTr("Jump, quick fox! 123")
            font: settings.sampleFont(settings.font, 20)
            color: Theme.textPrimary
        }
        Choices {
            title: qsTr("Text size")
            key: "size"
            labels: [qsTr("Normal"), qsTr("Large"), qsTr("Larger")]
            value: settings.textSize
            onChosen: (v) => settings.textSize = v
        }
        Choices {
            title: qsTr("Finger colours")
            note: qsTr("Safe colours can be told apart by every kind of colour vision, and each key also carries its finger's shape.")
            key: "colours"
            labels: [qsTr("Usual"), qsTr("Safe, with shapes")]
            value: settings.safeColours ? 1 : 0
            onChosen: (v) => settings.safeColours = v === 1
        }
        Choices {
            title: qsTr("Contrast")
            key: "contrast"
            labels: [qsTr("Usual"), qsTr("High")]
            value: settings.highContrast ? 1 : 0
            onChosen: (v) => settings.highContrast = v === 1
        }
        Choices {
            title: qsTr("Motion")
            note: qsTr("Calm: no confetti, twinkling, bouncing or shaking; things fade in and out.")
            key: "motion"
            labels: [qsTr("Lively"), qsTr("Calm")]
            value: settings.calmMotion ? 1 : 0
            onChosen: (v) => settings.calmMotion = v === 1
        }
        Choices {
            title: qsTr("Games")
            note: qsTr("Gentle: falling and moving things go slower, for more time to find each key.")
            key: "games"
            labels: [qsTr("Usual pace"), qsTr("Gentle pace")]
            value: settings.gentleGames ? 1 : 0
            onChosen: (v) => settings.gentleGames = v === 1
        }
    }
}
