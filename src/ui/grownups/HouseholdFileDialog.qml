// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtQuick.Dialogs
import Tapalong.Ui

// The file dialog of backup and restore, open from the moment it is made: the desktop's own
// where it offers one (GTK, the XDG portal), otherwise Qt Quick's, which BackupPanel swaps for
// SaveCopyDialog when saving. Its own file, loaded by URL when first needed, so that opening
// the grown-ups' view does not load the dialogs module.
FileDialog {
    required property BackupController backup
    // True to choose where a copy goes, false to choose a copy to read.
    required property bool saving

    title: saving ? qsTr("Save a copy of the household") : qsTr("Restore the household from a copy")
    fileMode: saving ? FileDialog.SaveFile : FileDialog.OpenFile
    // Qt's own dialog says "Open" in both modes.
    acceptLabel: saving ? qsTr("Save") : qsTr("Open")
    // The patterns stay out of the texts, so that no translation can change what is listed.
    readonly property string households: qsTr("Tapalong household (%1)").arg("*.json") // not translated: a file pattern
    nameFilters: saving ? [households] : [households, qsTr("All files (%1)").arg("*")]
    defaultSuffix: "json"
    currentFolder: backup.startFolder
    onAccepted: saving ? backup.saveCopy(selectedFile) : backup.inspect(selectedFile)
    Component.onCompleted: {
        if (saving)
            selectedFile = backup.suggestedFile()
        open()
    }
}
