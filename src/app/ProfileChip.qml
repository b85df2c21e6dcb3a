// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// Who is playing, in the top bar; a click opens the menu to switch player and to turn the
// sound and the voice on or off.
T.Button {
    id: chip

    // Reached with Tab; a click leaves the keyboard where it was.
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.ButtonMenu
    //: The profile chip, for a screen reader: %1 is the explorer's name, %2 their animal.
    Accessible.name: qsTr("%1 the %2: switch player, sound and voice").arg(AppStore.currentName)
                         .arg(AvatarNames.nameOf(AppStore.currentAvatar))
    Keys.onReturnPressed: clicked()
    Accessible.onPressAction: clicked()
    Keys.onEnterPressed: clicked()
    leftPadding: 14
    rightPadding: 14
    topPadding: 8
    bottomPadding: 8
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    onClicked: menu.open()

    contentItem: Row {
        spacing: 8

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: AppStore.currentAvatar
            font: Theme.emoji(22)
        }
        Text {
            anchors.verticalCenter: parent.verticalCenter
            // Names have no length limit; a very long one must not push the tabs off the bar.
            width: Math.min(implicitWidth, 220)
            text: AppStore.currentName
            font: Theme.look.rounded(16, Font.Bold)
            color: Theme.textPrimary
            elide: Text.ElideRight
        }
    }

    background: Rectangle {
        radius: height / 2
        color: Theme.cardBright
    }

    T.Menu {
        id: menu
        objectName: "profileMenu"

        // The labels say how things stand when the menu opens; choosing an item flips it.
        property bool soundWasOn: true
        property bool voiceWasOn: true

        y: chip.height + 6
        x: chip.width - width
        padding: 6
        implicitWidth: Math.max(200, contentItem.implicitWidth + leftPadding + rightPadding)
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        onAboutToShow: {
            soundWasOn = AppStore.soundEnabled
            voiceWasOn = AppStore.voiceEnabled
        }

        background: Rectangle {
            color: Theme.bgMid
            radius: 12
            border.color: Theme.cardBright
        }
        contentItem: ListView {
            implicitHeight: contentHeight
            implicitWidth: {
                let widest = 0
                for (let i = 0; i < menu.count; ++i)
                    widest = Math.max(widest, menu.itemAt(i).implicitWidth)
                return widest
            }
            model: menu.contentModel
            interactive: false
        }

        Entry {
            objectName: "switchPlayer"
            text: qsTr("Switch player")
            onTriggered: AppStore.switchPlayer()
        }
        Entry {
            objectName: "sound"
            text: menu.soundWasOn ? qsTr("Sound: On 🔊") : qsTr("Sound: Off 🔇")
            onTriggered: AppStore.toggleSound()
        }
        Entry {
            objectName: "voice"
            text: menu.voiceWasOn ? qsTr("Voice: On 🗣️") : qsTr("Voice: Off 🤫")
            onTriggered: AppStore.toggleVoice()
        }
        Entry {
            objectName: "grownups"
            text: qsTr("For grown-ups 🔐")
            onTriggered: GrownupsDoor.show()
        }
    }

    component Entry: T.MenuItem {
        id: entry

        padding: 10
        leftPadding: 14
        rightPadding: 14
        implicitWidth: implicitContentWidth + leftPadding + rightPadding
        implicitHeight: implicitContentHeight + topPadding + bottomPadding

        contentItem: Text {
            text: entry.text
            font: Theme.look.rounded(15, Font.DemiBold)
            color: Theme.textPrimary
        }
        background: Rectangle {
            radius: 8
            color: entry.highlighted ? Theme.card : "transparent"
        }
    }

    FocusRing {}
}
