// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// One explorer's card in the picker. A click chooses them; the context menu removes them, but
// only after asking, since everything they earned goes with them.
T.Button {
    id: card

    required property profileSummary profile
    property bool confirmingDelete: false

    signal select()
    signal remove()

    implicitHeight: 150
    Accessible.role: Accessible.Button
    //: A profile card for a screen reader: "Mia, 12 stars".
    Accessible.name: qsTr("%1, %n star(s)", "", card.profile.totalStars).arg(card.profile.name)
    //: %1 is the explorer's animal, %2 their best speed in words per minute.
    Accessible.description: qsTr("%1, best speed %2").arg(AvatarNames.nameOf(card.profile.avatar))
                                .arg(card.profile.bestWPM)
    onClicked: select()
    Keys.onReturnPressed: select()
    Accessible.onPressAction: select()
    Keys.onEnterPressed: select()

    onConfirmingDeleteChanged: confirmingDelete ? confirmation.open() : confirmation.close()

    background: Rectangle {
        radius: 24
        color: Theme.cardBright
        border.width: card.visualFocus ? 3 : 0
        border.color: Theme.sunshine
    }

    FocusRing {
        controlRadius: 24
    }

    contentItem: Item {
        Column {
            anchors.centerIn: parent
            width: parent.width - 2 * 12
            spacing: 8

            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: card.profile.avatar
                font: Theme.emoji(48)
            }
            Text {
                objectName: "name"
                width: parent.width
                text: card.profile.name
                font: Theme.look.rounded(20, Font.Bold)
                color: Theme.textPrimary
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                maximumLineCount: 1
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 10

                Text {
                    objectName: "stars"
                    text: "⭐️ " + card.profile.totalStars
                    font: Theme.look.rounded(13, Font.DemiBold)
                    color: Theme.textDim
                }
                Text {
                    objectName: "speed"
                    text: "🚀 " + card.profile.bestWPM
                    font: Theme.look.rounded(13, Font.DemiBold)
                    color: Theme.textDim
                }
            }
        }
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.RightButton
        onClicked: mouse => menu.popup(mouse.x, mouse.y)
    }

    T.Menu {
        id: menu
        objectName: "contextMenu"
        padding: 6
        implicitWidth: Math.min(360, removeItem.implicitWidth + leftPadding + rightPadding)
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

        background: Rectangle {
            color: Theme.bgMid
            radius: 12
            border.color: Theme.cardBright
        }
        contentItem: ListView {
            implicitHeight: contentHeight
            model: menu.contentModel
            interactive: false
        }

        T.MenuItem {
            id: removeItem
            objectName: "removeItem"
            text: qsTr("Remove %1").arg(card.profile.name)
            padding: 10
            leftPadding: 14
            rightPadding: 14
            implicitWidth: implicitContentWidth + leftPadding + rightPadding
            implicitHeight: implicitContentHeight + topPadding + bottomPadding
            onTriggered: card.confirmingDelete = true

            contentItem: Text {
                text: removeItem.text
                font: Theme.look.rounded(15, Font.DemiBold)
                color: Theme.coral
                elide: Text.ElideRight
            }
            background: Rectangle {
                radius: 8
                color: removeItem.highlighted ? Theme.card : "transparent"
            }
        }
    }

    T.Popup {
        id: confirmation
        objectName: "confirmation"
        parent: T.Overlay.overlay
        anchors.centerIn: parent
        modal: true
        focus: true
        closePolicy: T.Popup.CloseOnEscape
        padding: 28
        implicitWidth: 460
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        onClosed: card.confirmingDelete = false

        T.Overlay.modal: Rectangle {
            color: Qt.rgba(Theme.ink.r, Theme.ink.g, Theme.ink.b, 0.6)
        }
        background: Rectangle {
            color: Theme.bgMid
            radius: 20
        }
        contentItem: Column {
            spacing: 22

            Text {
                objectName: "title"
                width: parent.width
                text: qsTr("Remove %1? All their stars and scores will be lost.").arg(card.profile.name)
                font: Theme.look.rounded(20, Font.Bold)
                color: Theme.textPrimary
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
            }
            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 14

                BigButton {
                    objectName: "removeButton"
                    text: qsTr("Remove")
                    color: Theme.coral
                    textColor: Theme.textPrimary
                    size: 16
                    onClicked: {
                        confirmation.close()
                        card.remove()
                    }
                }
                GhostButton {
                    objectName: "cancelButton"
                    text: qsTr("Cancel")
                    size: 16
                    onClicked: confirmation.close()
                }
            }
        }
    }
}
