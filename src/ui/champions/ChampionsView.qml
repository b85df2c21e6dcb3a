// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// The champions tab: the household ranked on one board at a time, chosen in a tab strip. Made
// afresh on every visit, so it always opens on the stars board.
Item {
    id: view

    ChampionsBoard {
        id: champions
        store: AppStore
    }

    Text {
        id: title
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        anchors.horizontalCenter: parent.horizontalCenter
        y: 10
        text: qsTr("🏆 Family Champions")
        font: Theme.look.rounded(32, Font.Black)
        color: Theme.textPrimary
    }

    // The board tabs in one centred line while they fit; a longer language wraps them onto a
    // second.
    Flow {
        id: strip
        objectName: "boardTabs"
        anchors.top: title.bottom
        anchors.topMargin: 20
        x: (parent.width - width) / 2
        width: Math.min(oneLine, parent.width - 2 * 28)
        spacing: 8

        readonly property real oneLine: {
            let total = -spacing
            for (let i = 0; i < boards.count; ++i)
                total += (boards.itemAt(i)?.implicitWidth ?? 0) + spacing
            return Math.max(0, total)
        }

        Repeater {
            id: boards
            model: champions.boards

            BoardTab {
                required property boardTab modelData
                required property int index

                objectName: "board " + modelData.name
                emoji: modelData.emoji
                title: modelData.title
                selected: champions.board === index
                Keys.onPressed: event => tabKeys.handleKey(this, event)
                onClicked: {
                    champions.board = index
                    Sounds.play(Sounds.Tink)
                }
            }
        }
    }

    FocusNavigation {
        id: tabKeys
        isCell: item => item.objectName.startsWith("board ") // not translated: object names
    }

    Flickable {
        id: boardArea
        anchors.top: strip.bottom
        anchors.topMargin: 20
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        contentWidth: width
        contentHeight: (rows.visible ? rows.height : empty.y + empty.height) + 28
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        T.ScrollBar.vertical: T.ScrollBar {
            id: scrollBar
            policy: T.ScrollBar.AsNeeded
            Accessible.name: qsTr("Scroll the board")
            padding: 3
            implicitWidth: implicitContentWidth + leftPadding + rightPadding
            implicitHeight: implicitContentHeight + topPadding + bottomPadding
            contentItem: Rectangle {
                implicitWidth: 6
                radius: 3
                color: Theme.cardBright
                opacity: scrollBar.size < 1 ? 1 : 0
            }
        }

        Column {
            id: rows
            objectName: "rows"
            x: (boardArea.width - width) / 2
            width: Math.min(700, boardArea.width - 2 * 28)
            spacing: 10
            visible: champions.rows.length > 0

            Repeater {
                model: champions.rows

                ChampionRow {
                    required property championRow modelData

                    objectName: "row " + modelData.name
                    width: rows.width
                    row: modelData
                }
            }
        }

        Column {
            id: empty
            objectName: "empty"
            x: (boardArea.width - width) / 2
            y: 60
            spacing: 10
            visible: !rows.visible

            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                anchors.horizontalCenter: parent.horizontalCenter
                text: "🌱"
                font: Theme.emoji(44)
            }
            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                objectName: "emptyMessage"
                anchors.horizontalCenter: parent.horizontalCenter
                text: champions.emptyMessage
                font: Theme.look.rounded(18, Font.DemiBold)
                color: Theme.textDim
            }
        }
    }
}
