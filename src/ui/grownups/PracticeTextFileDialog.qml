// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtQuick.Dialogs
import Tapalong.Ui

// The file dialog that reads a practice text: the desktop's own where it offers one, otherwise
// Qt Quick's. Loaded by URL when first needed, like HouseholdFileDialog, and open once made.
FileDialog {
    required property PracticeTextEditor editor

    title: qsTr("Read a practice text from a file")
    fileMode: FileDialog.OpenFile
    acceptLabel: qsTr("Open")
    // The patterns stay out of the texts, so that no translation can change what is listed.
    nameFilters: [qsTr("Plain text (%1)").arg("*.txt"), qsTr("All files (%1)").arg("*")] // not translated: file patterns
    currentFolder: editor.startFolder
    onAccepted: editor.loadFile(selectedFile)
    Component.onCompleted: open()
}
