// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import Qt.labs.folderlistmodel
import Tapalong.Ui

// Where a copy of the household goes, when the desktop offers no file dialog of its own: the
// folder shown, its folders and copies, and a name that is saved into the folder shown
// whatever is highlighted in the list. Return saves; a file already there is asked about
// first. Qt Quick's own FileDialog in save mode lost typed names (Qt 6.4), hence this one.
T.Popup {
    id: root

    required property BackupController backup

    property url folder: backup.startFolder
    // The file the grown-up is asked about before it is replaced; empty otherwise.
    property string replacing

    function save() {
        const target = root.backup.target(root.folder, nameField.text)
        if (target === "")
            return
        if (root.replacing === "" && root.backup.exists(target)) {
            root.replacing = target
            return
        }
        root.backup.saveCopyAs(target)
        root.close()
    }
    function openFolder(folder: url) {
        root.folder = folder
        root.replacing = ""
        list.currentIndex = -1
    }

    parent: T.Overlay.overlay
    anchors.centerIn: parent
    width: Math.min(660, parent.width - 80)
    height: Math.min(520, parent.height - 80)
    modal: true
    focus: true
    closePolicy: T.Popup.CloseOnEscape
    padding: 22

    T.Overlay.modal: Scrim { strength: 0.5 }

    // The sky's own colour under the card's, so that nothing behind shows through.
    background: Rectangle {
        radius: 22
        color: Theme.bgMid
        CardBackground {
            anchors.fill: parent
            radius: parent.radius
        }
    }

    Item {
        anchors.fill: parent
        Text {
            id: heading
            width: parent.width
            text: qsTr("Save a copy of the household")
            font: Theme.rounded(20, Font.Bold)
            color: Theme.textPrimary
            elide: Text.ElideRight
        }

        Item {
            id: place
            anchors.top: heading.bottom
            anchors.topMargin: 12
            width: parent.width
            height: up.height

            GhostButton {
                id: up
                objectName: "saveDialogUp"
                text: qsTr("⬆ Up")
                size: 13
                enabled: root.backup.localPath(folders.parentFolder) !== ""
                onClicked: root.openFolder(folders.parentFolder)
            }
            Text {
                objectName: "saveDialogPlace"
                anchors.left: up.right
                anchors.leftMargin: 12
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("In %1").arg(root.backup.localPath(root.folder))
                font: Theme.rounded(14, Font.DemiBold)
                color: Theme.textDim
                elide: Text.ElideMiddle
            }
        }

        Rectangle {
            anchors.fill: list
            anchors.margins: -4
            radius: 12
            color: Theme.ghostFill
        }
        ListView {
            id: list
            objectName: "saveDialogList"
            anchors.top: place.bottom
            anchors.topMargin: 14
            anchors.bottom: footer.top
            anchors.bottomMargin: 14
            width: parent.width
            clip: true
            currentIndex: -1
            boundsBehavior: Flickable.StopAtBounds

            model: FolderListModel {
                id: folders
                folder: root.folder
                showDirsFirst: true
                showHidden: false
                showDotAndDotDot: false
                sortCaseSensitive: false
                nameFilters: ["*.json"] // not translated: a file pattern
            }

            delegate: T.ItemDelegate {
                id: entry
                required property string fileName
                required property url fileUrl
                required property bool fileIsDir
                required property int index

                objectName: (fileIsDir ? "saveDialogFolder " : "saveDialogFile ") + fileName
                width: list.width
                implicitHeight: implicitContentHeight + topPadding + bottomPadding
                focusPolicy: Qt.NoFocus
                padding: 8
                leftPadding: 12
                highlighted: ListView.isCurrentItem

                contentItem: Text {
                    text: (entry.fileIsDir ? "📁  " : "📄  ") + entry.fileName
                    font: Theme.rounded(15, Font.DemiBold)
                    color: entry.fileIsDir ? Theme.textPrimary : Theme.textDim
                    elide: Text.ElideRight
                }
                background: Rectangle {
                    radius: 8
                    color: entry.highlighted ? Theme.ghostFillPressed : "transparent"
                }

                // A folder is highlighted by one click and opened by two; a copy's name is
                // taken into the field, to be replaced after asking.
                onClicked: {
                    list.currentIndex = index
                    if (!fileIsDir) {
                        nameField.text = fileName
                        root.replacing = ""
                    }
                    nameField.forceActiveFocus()
                }
                onDoubleClicked: if (fileIsDir) root.openFolder(fileUrl)
            }

            Text {
                anchors.centerIn: parent
                visible: folders.status === FolderListModel.Ready && folders.count === 0
                text: qsTr("No folders or copies here yet.")
                font: Theme.rounded(14, Font.DemiBold)
                color: Theme.textDim
            }
        }

        Column {
            id: footer
            anchors.bottom: parent.bottom
            width: parent.width
            spacing: 12

            Row {
                width: parent.width
                spacing: 10
                visible: root.replacing === ""

                Text {
                    id: nameLabel
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Name")
                    font: Theme.rounded(15, Font.Bold)
                    color: Theme.textPrimary
                }
                T.TextField {
                    id: nameField
                    objectName: "saveDialogName"
                    width: parent.width - nameLabel.width - parent.spacing
                    focus: true
                    topPadding: 8
                    bottomPadding: 8
                    leftPadding: 12
                    rightPadding: 12
                    implicitHeight: contentHeight + topPadding + bottomPadding
                    font: Theme.rounded(16, Font.DemiBold)
                    color: Theme.textPrimary
                    selectByMouse: true
                    persistentSelection: true
                    Accessible.name: qsTr("Name of the copy")
                    onTextEdited: root.replacing = ""
                    onAccepted: root.save()
                    Keys.onEscapePressed: root.close()

                    background: Rectangle {
                        radius: 10
                        color: Theme.textPrimary
                        opacity: 0.12
                    }
                    Component.onCompleted: {
                        text = root.backup.suggestedName()
                        // The name without ".json" is chosen, so typing replaces just that.
                        select(0, Math.max(0, text.lastIndexOf(".")))
                    }
                }
            }

            Text {
                objectName: "saveDialogReplaceQuestion"
                width: parent.width
                visible: root.replacing !== ""
                text: qsTr("“%1” is already there. Replace it with this copy?")
                          .arg(nameField.text.trim())
                font: Theme.rounded(15, Font.DemiBold)
                color: Theme.coral
                wrapMode: Text.Wrap
            }

            Row {
                anchors.right: parent.right
                spacing: 12

                GhostButton {
                    objectName: root.replacing === "" ? "saveDialogCancel" : "saveDialogKeep"
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.replacing === "" ? qsTr("Cancel") : qsTr("Keep it")
                    size: 14
                    onClicked: {
                        if (root.replacing === "") {
                            root.close()
                        } else {
                            root.replacing = ""
                            nameField.forceActiveFocus()
                        }
                    }
                }
                BigButton {
                    objectName: root.replacing === "" ? "saveDialogSave" : "saveDialogReplace"
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.replacing === "" ? qsTr("Save") : qsTr("Replace")
                    size: 15
                    color: root.replacing === "" ? Theme.mint : Theme.coral
                    enabled: nameField.text.trim() !== ""
                    onClicked: root.save()
                }
            }
        }

        // While the question stands, Return replaces and Escape goes back to the name.
        Item {
            id: question
            Keys.onReturnPressed: root.save()
            Keys.onEnterPressed: root.save()
            Keys.onEscapePressed: {
                root.replacing = ""
                nameField.forceActiveFocus()
            }
        }
    }

    Component.onCompleted: open()
    onReplacingChanged: if (root.replacing !== "") question.forceActiveFocus()
}
