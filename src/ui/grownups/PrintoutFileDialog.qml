// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtQuick.Dialogs
import Tapalong.Ui

// Where a report or a certificate goes, open from the moment it is made; loaded by URL when
// first needed, as the backup's dialog is.
FileDialog {
    required property Printouts printouts
    // The unit whose certificate is saved; empty for the report.
    required property string unitId

    title: unitId === "" ? qsTr("Save a report") : qsTr("Save a certificate")
    fileMode: FileDialog.SaveFile
    acceptLabel: qsTr("Save")
    nameFilters: [qsTr("PDF document (%1)").arg("*.pdf")] // not translated: a file pattern
    defaultSuffix: "pdf"
    currentFolder: printouts.startFolder
    // A suggested name in the folder shown, which the grown-up may keep or type over.
    selectedFile: printouts.startFolder + "/"
                  + (unitId === "" ? printouts.reportName : printouts.certificateName(unitId))
    onAccepted: unitId === "" ? printouts.saveReport(selectedFile)
                              : printouts.saveCertificate(unitId, selectedFile)
    Component.onCompleted: open()
}
