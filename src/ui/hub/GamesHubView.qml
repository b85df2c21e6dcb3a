// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// The games tab: the keys the games will use, then one card per game with the explorer's best.
// Opening a game is the main view's business.
Item {
    id: view

    signal openGame(string kind)

    // The header and the grid share one column, at most 1100 wide.
    readonly property real span: Math.min(1100, width - 2 * 28)

    GamesHub {
        id: hub
        store: AppStore
    }

    Column {
        id: header
        x: (view.width - view.span) / 2
        y: 10
        width: view.span
        spacing: 6

        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            text: qsTr("🎮 The Arcade")
            font: Theme.look.rounded(32, Font.Black)
            color: Theme.textPrimary
        }
        Text {
            Accessible.role: Accessible.StaticText
            Accessible.name: text
            objectName: "learnedKeys"
            width: header.width
            text: qsTr("Games use the keys you've learned: %1").arg(hub.learnedKeys)
            font: Theme.look.rounded(15, Font.DemiBold)
            color: Theme.textDim
            elide: Text.ElideRight
        }
    }

    FocusNavigation {
        id: cardKeys
        flickable: flick
        isCell: item => item.objectName.startsWith("game ") // not translated: object names
    }

    Flickable {
        id: flick
        anchors.top: header.bottom
        anchors.topMargin: 20
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        contentWidth: width
        contentHeight: grid.height + 28
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        T.ScrollBar.vertical: T.ScrollBar {
            id: scrollBar
            policy: T.ScrollBar.AsNeeded
            Accessible.name: qsTr("Scroll the games")
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

        // As many columns of at least 280 as fit, sharing the width.
        Grid {
            id: grid

            readonly property real cellWidth: (view.span - (columns - 1) * columnSpacing) / columns

            x: header.x
            columns: Math.max(1, Math.floor((view.span + columnSpacing) / (280 + columnSpacing)))
            columnSpacing: 20
            rowSpacing: 20

            Repeater {
                model: hub.cards

                GameCard {
                    required property gameCard modelData

                    objectName: "game " + modelData.kind
                    width: grid.cellWidth
                    game: modelData
                    Keys.onPressed: event => cardKeys.handleKey(this, event)
                    onActiveFocusChanged: if (activeFocus) cardKeys.reveal(this)
                    onClicked: {
                        view.openGame(modelData.kind)
                        Sounds.play(Sounds.Tink)
                    }
                }
            }
        }
    }
}
