// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// Texts from home for one explorer: the saved ones, and a new one typed, pasted or read from
// a file, checked against the keyboard before it is saved. Every rule is PracticeTextEditor's.
Item {
    id: root

    required property string profileId
    required property string explorerName

    height: content.implicitHeight + 2 * 18

    PracticeTextEditor {
        id: editor
        objectName: "practiceTextEditor"
        store: AppStore
        profileId: root.profileId
        draft: input.text
        // Saving clears the draft and a file fills it; the box follows, so that what is
        // checked is always what the grown-up sees and may change.
        onDraftChanged: if (draft !== input.text) input.text = draft
    }

    Loader {
        id: dialog
        objectName: "textFileDialogLoader"
    }

    component Note: Text {
        font: Theme.rounded(14, Font.DemiBold)
        color: Theme.textDim
        wrapMode: Text.Wrap
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
            text: qsTr("Texts from home for %1").arg(root.explorerName)
            font: Theme.rounded(18, Font.Bold)
            color: Theme.textPrimary
        }
        Note {
            width: content.width
            text: qsTr("%1 finds these on the dashboard under \"Practice from home\".").arg(root.explorerName)
        }
        Repeater {
            model: editor.texts
            Row {
                id: saved
                required property homeText modelData
                required property int index
                spacing: 10
                GhostButton {
                    objectName: "removeText " + saved.index
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Remove")
                    size: 12
                    onClicked: editor.remove(saved.modelData.id)
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: saved.modelData.preview
                    font: Theme.rounded(15, Font.DemiBold)
                    color: Theme.textPrimary
                }
            }
        }

        T.TextArea {
            id: input
            objectName: "practiceTextInput"
            width: content.width
            height: 110
            padding: 10
            wrapMode: TextEdit.Wrap
            font: Theme.rounded(15, Font.DemiBold)
            color: Theme.textPrimary
            clip: true
            Accessible.name: qsTr("A text from home")
            // A practice text holds no tabs: Tab moves on, as everywhere else.
            Keys.onTabPressed: nextItemInFocusChain(true).forceActiveFocus(Qt.TabFocusReason)
            Keys.onBacktabPressed: nextItemInFocusChain(false).forceActiveFocus(Qt.BacktabFocusReason)
            background: Rectangle {
                radius: 12
                color: Theme.textPrimary
                opacity: 0.12
            }
            // The template draws no placeholder of its own.
            Text {
                objectName: "practiceTextPlaceholder"
                x: input.leftPadding
                y: input.topPadding
                visible: input.length === 0 && input.preeditText === ""
                text: qsTr("Type or paste a text here, or read one from a file…")
                font: input.font
                color: Theme.textDim
            }

            // Inside the edge: the field clips what lies beyond it.
            FocusRing {
                controlRadius: 12
                gap: -4
            }
        }
        Note {
            objectName: "practiceTextNotes"
            width: content.width
            visible: text !== ""
            text: editor.notes
            color: Theme.sunshine
        }
        Repeater {
            model: editor.untypeable
            Row {
                id: choice
                required property draftCharacter modelData
                spacing: 10
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: choice.modelData.text
                    font: Theme.rounded(14, Font.DemiBold)
                    color: Theme.textPrimary
                }
                GhostButton {
                    anchors.verticalCenter: parent.verticalCenter
                    visible: choice.modelData.replaceable
                    text: choice.modelData.dropped ? qsTr("Use the plain form") : qsTr("Leave it out")
                    size: 12
                    onClicked: editor.toggle(choice.modelData.character)
                }
            }
        }
        Note {
            visible: editor.result !== ""
            text: qsTr("What %1 will type:").arg(root.explorerName)
        }
        Text {
            objectName: "practiceTextResult"
            visible: text !== ""
            text: editor.result
            font.family: "monospace" // not translated: a font family
            font.pixelSize: 14
            color: Theme.mint
        }
        Row {
            spacing: 12
            BigButton {
                objectName: "practiceTextSave"
                enabled: editor.canSave
                opacity: enabled ? 1 : 0.5
                text: qsTr("Save this text")
                size: 15
                onClicked: editor.save()
            }
            GhostButton {
                objectName: "practiceTextFile"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("📄 Read from a file…")
                size: 14
                onClicked: {
                    dialog.source = ""
                    dialog.setSource(Qt.resolvedUrl("PracticeTextFileDialog.qml"), { editor: editor })
                }
            }
        }
        Row {
            width: content.width
            spacing: 8
            visible: editor.message !== ""
            Text {
                id: sign
                text: editor.failed ? "⚠️" : "✅" // not translated: a sign
                font: Theme.rounded(16, Font.DemiBold)
            }
            Text {
                objectName: "practiceTextMessage"
                width: content.width - sign.width - 8
                text: editor.message
                font: Theme.rounded(14, Font.DemiBold)
                color: editor.failed ? Theme.coral : Theme.mint
                wrapMode: Text.Wrap
                Accessible.role: Accessible.StaticText
                Accessible.name: (editor.failed ? qsTr("Problem: %1") : "%1").arg(text)
            }
        }
    }
}
