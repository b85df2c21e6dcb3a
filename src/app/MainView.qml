// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// The top bar with its four tabs and the profile menu, over the open tab's content. Built
// afresh each time the root view shows it, so it always opens on Home.
Item {
    id: view

    signal openLesson(string lessonId)
    signal openGame(string game)

    // The tabs' contents join here; each is built afresh whenever its tab is chosen. Home may
    // signal openLesson(string lessonId) and goLearn(), Learn openLesson(string lessonId),
    // Games openGame(string game).
    property Component homeTab: null
    property Component learnTab: null
    property Component gamesTab: null
    property Component championsTab: null

    readonly property var tabs: [
        { name: "Home", title: qsTr("Home"), icon: "🏡" }, // not translated: the key
        { name: "Learn", title: qsTr("Learn"), icon: "🗺️" }, // not translated: the key
        { name: "Games", title: qsTr("Games"), icon: "🎮" }, // not translated: the key
        { name: "Champions", title: qsTr("Champions"), icon: "🏆" } // not translated: the key
    ]
    // A tab is named by its English title, whatever the language shown.
    property string tab: "Home" // not translated: a key

    function buildTab(parent: Item): Item {
        const component = ({
            Home: homeTab,
            Learn: learnTab,
            Games: gamesTab,
            Champions: championsTab
        })[tab]
        if (!component)
            return null
        const content = component.createObject(parent)
        if (content.openLesson)
            content.openLesson.connect(view.openLesson)
        if (content.openGame)
            content.openGame.connect(view.openGame)
        if (content.goLearn)
            content.goLearn.connect(() => view.tab = "Learn") // not translated: a key
        return content
    }

    // Escape goes back one step: from another tab to Home.
    Keys.onEscapePressed: event => {
        if (view.tab === "Home") { // not translated: a key
            event.accepted = false
            return
        }
        view.tab = "Home" // not translated: a key
        tabButtons.itemAt(0).forceActiveFocus(Qt.TabFocusReason)
    }

    Item {
        id: header
        objectName: "header"
        anchors.left: parent.left
        anchors.right: parent.right
        height: 18 + Math.max(title.implicitHeight, tabRow.implicitHeight, chip.implicitHeight) + 10

        Row {
            id: title
            anchors.left: parent.left
            anchors.leftMargin: 28
            anchors.verticalCenter: bar.verticalCenter
            spacing: 8

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: "⌨️"
                font: Theme.emoji(26)
                Accessible.ignored: true
            }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                text: "Tapalong" // not translated: the program's name
                font: Theme.look.rounded(24, Font.Black)
                color: Theme.textPrimary
            }
        }

        // The row's vertical line, between the top and bottom margins.
        Item {
            id: bar
            anchors.fill: parent
            anchors.topMargin: 18
            anchors.bottomMargin: 10
        }

        Row {
            id: tabRow
            anchors.right: chip.left
            anchors.rightMargin: 16
            anchors.verticalCenter: bar.verticalCenter
            spacing: 6

            Repeater {
                id: tabButtons
                model: view.tabs

                MainTabButton {
                    required property var modelData

                    objectName: "tab " + modelData.name
                    emoji: modelData.icon
                    title: modelData.title
                    selected: view.tab === modelData.name
                    onClicked: {
                        view.tab = modelData.name
                        Sounds.play(Sounds.Tink)
                    }
                }
            }
        }

        ProfileChip {
            id: chip
            objectName: "profileChip"
            anchors.right: parent.right
            anchors.rightMargin: 28
            anchors.verticalCenter: bar.verticalCenter
        }
    }

    ScreenHost {
        objectName: "tabContent"
        anchors.top: header.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        key: view.tab
        fadeDuration: 0
        build: view.buildTab
    }
}
