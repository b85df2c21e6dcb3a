// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// The sheet in which a child names a new explorer and picks an animal for them. It starts
// fresh, with no name and the fox, every time it opens.
T.Popup {
    id: sheet

    readonly property list<string> avatars: [
        "🦊", "🐼", "🦄", "🐸", "🐯", "🐙", "🦖", "🐨", "🦁", "🐷", "🐧", "🦉",
        "🐳", "🦋", "🐞", "🐰", "🐻", "🐵", "🦕", "🦩", "🐹", "🐢", "🐝", "🦈"
    ]
    property alias name: field.text
    property string avatar: avatars[0]
    readonly property string trimmedName: AppStore.trimmedName(name)

    // Arrows choose the animal beside, above or below the chosen one.
    function moveChoice(key: int): bool {
        const here = avatars.indexOf(avatar)
        const step = ({ [Qt.Key_Left]: -1, [Qt.Key_Right]: 1,
                        [Qt.Key_Up]: -grid.columns, [Qt.Key_Down]: grid.columns })[key]
        if (step === undefined)
            return false
        const there = here + step
        if (there >= 0 && there < avatars.length) {
            avatar = avatars[there]
            Sounds.play(Sounds.Tink)
            // The cell's one child is its button.
            choices.itemAt(there).children[0].forceActiveFocus(Qt.TabFocusReason)
        }
        return true
    }

    function create() {
        if (trimmedName === "")
            return
        AppStore.addProfile(trimmedName, avatar)
        Sounds.play(Sounds.Glass)
        close()
    }

    parent: T.Overlay.overlay
    anchors.centerIn: parent
    modal: true
    focus: true
    // Escape is the way out besides Cancel; a stray click beside the sheet must not lose a
    // half-typed name.
    closePolicy: T.Popup.CloseOnEscape
    width: 560
    padding: 36
    implicitHeight: implicitContentHeight + topPadding + bottomPadding

    onAboutToShow: {
        name = ""
        avatar = avatars[0]
    }
    onOpened: field.forceActiveFocus()

    T.Overlay.modal: Rectangle {
        color: Qt.rgba(Theme.ink.r, Theme.ink.g, Theme.ink.b, 0.6)
    }
    background: Rectangle {
        color: Theme.bgMid
        radius: 20
    }

    Column {
        id: content
        width: parent.width
        spacing: 22

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: qsTr("Create your explorer")
            font: Theme.look.rounded(26, Font.Bold)
            color: Theme.textPrimary
        }

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: chosen.implicitHeight + 2 * 14
            height: width
            radius: width / 2
            color: Theme.cardBright

            Text {
                id: chosen
                objectName: "chosenAvatar"
                Accessible.role: Accessible.StaticText
                Accessible.name: AvatarNames.nameOf(sheet.avatar)
                anchors.centerIn: parent
                text: sheet.avatar
                font: Theme.emoji(64)
            }
        }

        Grid {
            id: grid
            readonly property real cellWidth: (width - (columns - 1) * columnSpacing) / columns

            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(480, content.width)
            // As many columns of at least 52 as fit.
            columns: Math.max(1, Math.floor((width + columnSpacing) / (52 + columnSpacing)))
            columnSpacing: 8
            rowSpacing: 8

            Repeater {
                id: choices
                model: sheet.avatars

                Item {
                    id: cell
                    required property string modelData
                    required property int index

                    width: grid.cellWidth
                    height: choice.height

                    T.Button {
                        id: choice
                        objectName: "avatar " + cell.index
                        readonly property bool chosen: cell.modelData === sheet.avatar

                        anchors.horizontalCenter: parent.horizontalCenter
                        // The name field keeps the keyboard while a child clicks around here.
                        // Tab reaches the chosen animal alone, as in a group of radio buttons,
                        // and the arrows choose another, which takes the focus with it.
                        focusPolicy: choice.chosen ? Qt.TabFocus : Qt.NoFocus
                        Accessible.role: Accessible.RadioButton
                        Accessible.name: AvatarNames.nameOf(cell.modelData)
                        Accessible.checkable: true
                        Accessible.checked: choice.chosen
                        Keys.onPressed: event => event.accepted = sheet.moveChoice(event.key)
                        Accessible.onPressAction: clicked()
                        padding: 6
                        // A round button the emoji fits: its advance is wider than its line.
                        width: height
                        height: Math.max(implicitContentWidth, implicitContentHeight) + topPadding
                                + bottomPadding
                        text: cell.modelData
                        onClicked: {
                            sheet.avatar = cell.modelData
                            Sounds.play(Sounds.Tink)
                        }

                        contentItem: Text {
                            text: choice.text
                            font: Theme.emoji(30)
                            horizontalAlignment: Text.AlignHCenter
                            verticalAlignment: Text.AlignVCenter
                        }
                        background: Rectangle {
                            radius: width / 2
                            color: Theme.sunshine
                            opacity: 0.35
                            visible: choice.chosen
                        }

                        FocusRing {}
                    }
                }
            }
        }

        T.TextField {
            id: field
            objectName: "nameField"
            anchors.horizontalCenter: parent.horizontalCenter
            width: Math.min(320, content.width)
            topPadding: 12
            bottomPadding: 12
            leftPadding: 18
            rightPadding: 18
            implicitHeight: contentHeight + topPadding + bottomPadding
            font: Theme.look.rounded(24, Font.Bold)
            color: Theme.textPrimary
            selectionColor: Theme.sky
            selectedTextColor: Theme.ink
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            placeholderText: qsTr("Type your name…")
            Accessible.name: placeholderText
            onAccepted: sheet.create()

            background: Rectangle {
                radius: 14
                color: Theme.textPrimary
                opacity: 0.12
            }

            FocusRing {
                controlRadius: 14
            }

            Text {
                x: field.leftPadding
                y: field.topPadding
                width: field.width - field.leftPadding - field.rightPadding
                height: field.height - field.topPadding - field.bottomPadding
                visible: field.length === 0 && field.preeditText === ""
                text: field.placeholderText
                font: field.font
                color: Theme.textDim
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
        }

        Row {
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 14

            GhostButton {
                objectName: "cancelButton"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Cancel")
                size: 16
                onClicked: sheet.close()
            }
            BigButton {
                objectName: "createButton"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Let's go!")
                color: Theme.sunshine
                textColor: Theme.ink
                size: 18
                enabled: sheet.trimmedName !== ""
                opacity: enabled ? 1 : 0.5
                onClicked: sheet.create()
            }
        }
    }
}
