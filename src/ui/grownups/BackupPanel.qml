// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Store
import Tapalong.Ui

// Backup and restore of the household: a copy to a file the grown-up chooses, and back from
// one after a preview and a second yes.
Item {
    id: root

    // Set once the grown-up has asked for a file; from then on the panel says when it grows.
    property bool chosen: false

    // The panel grew after a file was chosen: the preview and its buttons, or the message, may
    // lie below the fold.
    signal grew()

    height: content.implicitHeight + 2 * 18
    onHeightChanged: if (root.chosen) root.grew()

    BackupController {
        id: backup
        objectName: "backup"
        store: AppStore
    }

    // A fresh dialog for each choice, made by URL: see HouseholdFileDialog.qml.
    Loader {
        id: dialog
        objectName: "fileDialogLoader"
    }

    function choose(saving: bool) {
        root.chosen = true
        dialog.source = ""
        dialog.setSource(Qt.resolvedUrl("HouseholdFileDialog.qml"),
                         { backup: backup, saving: saving })
        // Without a desktop dialog, saving goes through our own: Qt Quick's loses typed
        // names. Swapped before a frame is drawn, so only one dialog is ever seen, and Qt's
        // closed first, since Qt 6.4 leaves it on screen when its FileDialog is destroyed.
        if (saving && backup.isQtQuickDialog(dialog.item)) {
            (dialog.item as HouseholdFileDialog).close()
            dialog.setSource(Qt.resolvedUrl("SaveCopyDialog.qml"), { backup: backup })
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
        spacing: 10

        Text {
            text: qsTr("Backup")
            font: Theme.rounded(18, Font.Bold)
            color: Theme.textPrimary
        }
        Row {
            spacing: 12
            visible: !backup.hasPreview

            GhostButton {
                objectName: "saveCopyButton"
                text: qsTr("💾 Save a copy…")
                size: 14
                onClicked: root.choose(true)
            }
            GhostButton {
                objectName: "restoreButton"
                text: qsTr("📂 Restore from a copy…")
                size: 14
                onClicked: root.choose(false)
            }
        }
        Text {
            objectName: "restorePreview"
            width: content.width
            visible: backup.hasPreview
            text: backup.preview
            font: Theme.rounded(15, Font.DemiBold)
            color: Theme.textPrimary
            wrapMode: Text.Wrap
        }
        Row {
            spacing: 12
            visible: backup.hasPreview

            GhostButton {
                objectName: "restoreCancel"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Keep things as they are")
                size: 14
                onClicked: backup.cancel()
            }
            BigButton {
                objectName: "restoreConfirm"
                text: qsTr("Restore this copy")
                size: 15
                color: Theme.coral
                onClicked: backup.restore()
            }
        }
        // A failure in coral behind a warning sign, so that it never reads as done.
        Row {
            width: content.width
            spacing: 8
            visible: backup.message !== ""

            Text {
                id: sign
                objectName: "backupMessageSign"
                text: backup.failed ? "⚠️" : "✅" // not translated: a sign
                font: Theme.rounded(16, Font.DemiBold)
            }
            Text {
                objectName: "backupMessage"
                width: content.width - sign.width - 8
                text: backup.message
                font: Theme.rounded(14, Font.DemiBold)
                color: backup.failed ? Theme.coral : Theme.mint
                wrapMode: Text.Wrap
                Accessible.role: Accessible.StaticText
                Accessible.name: (backup.failed ? qsTr("Problem: %1") : "%1").arg(text)
            }
        }
    }
}
