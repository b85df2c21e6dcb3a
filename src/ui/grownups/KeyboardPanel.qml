// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// The household's keyboard: the layout the lessons are for, and every layout the computer
// knows, found by typing part of its name. From the search box Up and Down move through the
// list and Return chooses, so no mouse is needed.
Item {
    id: root

    // What the last choice did; red when it was refused. A success is told in whatever language
    // the household switches to next; a refusal was worded in the language of its moment, so a
    // switch clears it rather than leave it in the language before.
    property bool chose: false
    property string refusal
    readonly property bool refused: refusal !== ""
    readonly property string message: refused
        ? refusal : chose ? qsTr("The lessons and the keyboard on screen now follow %1.")
                            .arg(KeyboardChoice.description) : ""
    readonly property string language: AppStore.language
    onLanguageChanged: refusal = ""

    function choose(name: string) {
        root.refusal = KeyboardChoice.choose(name)
        root.chose = !root.refused
    }
    function chooseCurrent() {
        if (list.currentIndex >= 0)
            root.choose(KeyboardChoice.layoutAt(list.currentIndex))
    }

    height: content.implicitHeight + 2 * 18

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
            text: qsTr("Keyboard")
            font: Theme.rounded(18, Font.Bold)
            color: Theme.textPrimary
        }
        Text {
            objectName: "keyboardLayoutText"
            width: content.width
            text: qsTr("The lessons and the keyboard on screen are for: %1")
                  .arg(KeyboardChoice.description)
            font: Theme.rounded(15, Font.Bold)
            color: Theme.textPrimary
            wrapMode: Text.Wrap
        }
        Note {
            width: content.width
            text: qsTr("Choose the one printed on the keys. Changing it takes effect at once for "
                       + "every explorer; stars already earned stay.")
        }
        T.TextField {
            id: search
            objectName: "keyboardSearch"
            width: Math.min(420, content.width)
            topPadding: 8
            bottomPadding: 8
            leftPadding: 12
            rightPadding: 12
            implicitHeight: contentHeight + topPadding + bottomPadding
            font: Theme.rounded(15, Font.DemiBold)
            color: Theme.textPrimary
            placeholderText: qsTr("Find a keyboard: German, French, Dvorak…")
            placeholderTextColor: Theme.textDim
            onTextChanged: {
                KeyboardChoice.search = text
                list.currentIndex = list.count > 0 ? 0 : -1
            }
            Keys.onDownPressed: list.incrementCurrentIndex()
            Keys.onUpPressed: list.decrementCurrentIndex()
            Keys.onReturnPressed: root.chooseCurrent()
            Keys.onEnterPressed: root.chooseCurrent()
            Keys.onEscapePressed: clear()
            Accessible.name: placeholderText

            background: Rectangle {
                radius: 12
                color: Theme.textPrimary
                opacity: search.activeFocus ? 0.2 : 0.12
            }
            // The template draws no placeholder of its own.
            Text {
                objectName: "keyboardSearchPlaceholder"
                x: search.leftPadding
                y: search.topPadding
                width: search.width - search.leftPadding - search.rightPadding
                visible: search.length === 0 && search.preeditText === ""
                text: search.placeholderText
                font: search.font
                color: search.placeholderTextColor
                elide: Text.ElideRight
            }
            FocusRing {
                controlRadius: 12
            }
        }
        Note {
            visible: !KeyboardChoice.ready
            text: qsTr("Reading the list of keyboards…")
        }
        ListView {
            id: list
            objectName: "keyboardList"
            width: content.width
            height: 6 * 32
            clip: true
            model: KeyboardChoice.layouts
            currentIndex: -1
            boundsBehavior: Flickable.StopAtBounds
            highlightMoveDuration: 0

            delegate: Item {
                id: entry
                required property string name
                required property string shown
                required property int index
                readonly property bool chosen: name === KeyboardChoice.layout

                objectName: "layout:" + name
                width: list.width
                height: 32
                Accessible.role: Accessible.ListItem
                Accessible.name: shown
                Accessible.selected: ListView.isCurrentItem

                Rectangle {
                    anchors.fill: parent
                    radius: 10
                    color: Theme.textPrimary
                    opacity: entry.ListView.isCurrentItem ? 0.16 : 0
                }
                Row {
                    anchors.verticalCenter: parent.verticalCenter
                    x: 10
                    spacing: 12
                    Text {
                        id: title
                        text: (entry.chosen ? "✓ " : "") + entry.shown
                        font: Theme.rounded(15, entry.chosen ? Font.Bold : Font.DemiBold)
                        color: entry.chosen ? Theme.sunshine : Theme.textPrimary
                    }
                    Text {
                        anchors.baseline: title.baseline
                        text: entry.name
                        font: Theme.rounded(12, Font.DemiBold)
                        color: Theme.textDim
                    }
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        list.currentIndex = entry.index
                        root.choose(entry.name)
                    }
                }
            }
        }
        Note {
            objectName: "keyboardMessage"
            width: content.width
            visible: text !== ""
            text: root.message
            color: root.refused ? Theme.coral : Theme.mint
            Accessible.role: Accessible.StaticText
            Accessible.name: (root.refused ? qsTr("Problem: %1") : "%1").arg(text)
        }
    }

}
