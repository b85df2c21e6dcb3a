// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// The explorer's report and certificates as PDFs: saved where the grown-up chooses, then
// opened in the desktop's viewer, which prints.
Item {
    id: root

    // The explorer's place in the household, as GrownupsView's `selected`.
    required property int explorer

    height: content.implicitHeight + 2 * 18

    Printouts {
        id: printouts
        objectName: "printouts"
        store: AppStore
        explorer: root.explorer
    }

    Loader {
        id: dialog
        objectName: "printoutDialogLoader"
    }

    function choose(unitId: string) {
        dialog.source = ""
        dialog.setSource(Qt.resolvedUrl("PrintoutFileDialog.qml"),
                         { printouts: printouts, unitId: unitId })
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
            text: qsTr("To print")
            font: Theme.rounded(18, Font.Bold)
            color: Theme.textPrimary
        }
        Row {
            spacing: 12

            GhostButton {
                objectName: "saveReportButton"
                text: qsTr("📄 Save a report…")
                size: 14
                enabled: !printouts.busy
                onClicked: root.choose("")
            }
            GhostButton {
                objectName: "printButton"
                text: qsTr("🖨️ Print…")
                size: 14
                enabled: !printouts.busy && printouts.hasSaved
                opacity: enabled ? 1 : 0.4
                onClicked: printouts.openSaved()
            }
        }
        Text {
            width: content.width
            text: printouts.finishedUnits.length === 0
                  ? qsTr("A certificate comes with each unit finished: none yet.")
                  : qsTr("Certificates for the units finished:")
            font: Theme.rounded(14, Font.DemiBold)
            color: Theme.textDim
            wrapMode: Text.Wrap
        }
        Flow {
            width: content.width
            spacing: 10

            Repeater {
                model: printouts.finishedUnits

                GhostButton {
                    required property finishedUnit modelData
                    objectName: "certificate " + modelData.id
                    text: qsTr("🏅 %1 %2…").arg(modelData.emoji).arg(modelData.title)
                    size: 14
                    enabled: !printouts.busy
                    onClicked: root.choose(modelData.id)
                }
            }
        }
        Text {
            objectName: "printoutMessage"
            width: content.width
            visible: text !== ""
            text: printouts.busy ? qsTr("Writing the file…")
                                 : (printouts.failed ? "⚠️ " : "") + printouts.message
            font: Theme.rounded(14, Font.DemiBold)
            color: printouts.failed ? Theme.coral : Theme.mint
            wrapMode: Text.Wrap
        }
    }
}
