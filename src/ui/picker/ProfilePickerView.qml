// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// "Who's typing today?": one card per explorer, in the order they were made, then one to make
// a new explorer. The root view shows it whenever no profile is current.
Item {
    id: picker

    // True while the creation sheet is open.
    property bool creating: false

    onCreatingChanged: creating ? sheet.open() : sheet.close()

    Flickable {
        id: flick
        anchors.fill: parent
        anchors.margins: 40
        contentWidth: width
        contentHeight: Math.max(height, column.implicitHeight)
        boundsBehavior: Flickable.StopAtBounds

        Column {
            id: column
            width: flick.width
            // Centred while it fits, scrolling once a large household makes it taller.
            y: Math.max(0, (flick.height - implicitHeight) / 2)
            spacing: 28

            Column {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 8

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "⌨️"
                    font: Theme.emoji(64)
                    Accessible.ignored: true
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    text: "Tapalong" // not translated: the program's name
                    font: Theme.look.rounded(52, Font.Black)
                    color: Theme.textPrimary
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    text: qsTr("Who's typing today?")
                    font: Theme.look.rounded(22, Font.DemiBold)
                    color: Theme.textDim
                }
            }

            Grid {
                id: grid
                objectName: "cards"
                readonly property real cellWidth: (width - (columns - 1) * columnSpacing) / columns

                anchors.horizontalCenter: parent.horizontalCenter
                width: Math.min(640, column.width)
                // As many columns of at least 180 as fit.
                columns: Math.max(1, Math.floor((width + columnSpacing) / (180 + columnSpacing)))
                columnSpacing: 20
                rowSpacing: 20

                Repeater {
                    model: AppStore.profiles

                    ProfileCard {
                        required property profileSummary modelData

                        objectName: "profile " + modelData.name
                        width: grid.cellWidth
                        profile: modelData
                        onSelect: {
                            AppStore.chooseProfile(profile.id)
                            Sounds.play(Sounds.Tink)
                        }
                        onRemove: AppStore.deleteProfile(profile.id)
                        Keys.onPressed: event => cardKeys.handleKey(this, event)
                        onActiveFocusChanged: if (activeFocus) cardKeys.reveal(this)
                    }
                }

                NewExplorerCard {
                    objectName: "newExplorer"
                    width: grid.cellWidth
                    onClicked: picker.creating = true
                    Keys.onPressed: event => cardKeys.handleKey(this, event)
                    onActiveFocusChanged: if (activeFocus) cardKeys.reveal(this)
                }
            }
        }
    }

    FocusNavigation {
        id: cardKeys
        flickable: flick
        isCell: item => item.objectName === "newExplorer" || item.objectName.startsWith("profile ") // not translated: object names
    }

    GhostButton {
        objectName: "grownupsButton"
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 20
        visible: AppStore.profiles.length > 0
        text: qsTr("For grown-ups 🔐")
        size: 14
        onClicked: GrownupsDoor.show()
    }

    CreateProfileSheet {
        id: sheet
        objectName: "createSheet"
        onClosed: picker.creating = false
    }

    component NewExplorerCard: T.Button {
        id: newCard

        implicitHeight: 150
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("New Explorer")
        Keys.onReturnPressed: clicked()
        Accessible.onPressAction: clicked()
        Keys.onEnterPressed: clicked()

        background: Item {
            Rectangle {
                anchors.fill: parent
                radius: 24
                color: Theme.card
                border.width: newCard.visualFocus ? 3 : 0
                border.color: Theme.sunshine
            }

            DashedOutline {
                anchors.fill: parent
            }
        }

        FocusRing {
            controlRadius: 24
        }

        contentItem: Item {
            Column {
                anchors.centerIn: parent
                spacing: 10

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "✨"
                    font: Theme.emoji(44)
                }
                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: qsTr("New Explorer")
                    font: Theme.look.rounded(18, Font.Bold)
                    color: Theme.sunshine
                }
            }
        }
    }

    // Dashes of 8 along a line 2 wide, just inside the card's rounded edge.
    component DashedOutline: Shape {
        id: outline

        opacity: 0.5

        ShapePath {
            id: edge
            // The line's centre, half its width inside the card.
            readonly property real near: strokeWidth / 2
            readonly property real right: outline.width - near
            readonly property real bottom: outline.height - near
            readonly property real r: 24 - near

            strokeColor: Theme.sunshine
            strokeWidth: 2
            strokeStyle: ShapePath.DashLine
            dashPattern: [8 / strokeWidth, 8 / strokeWidth]
            capStyle: ShapePath.FlatCap
            fillColor: "transparent"
            startX: near + r
            startY: near

            PathLine { x: edge.right - edge.r; y: edge.near }
            PathArc { x: edge.right; y: edge.near + edge.r; radiusX: edge.r; radiusY: edge.r }
            PathLine { x: edge.right; y: edge.bottom - edge.r }
            PathArc { x: edge.right - edge.r; y: edge.bottom; radiusX: edge.r; radiusY: edge.r }
            PathLine { x: edge.near + edge.r; y: edge.bottom }
            PathArc { x: edge.near; y: edge.bottom - edge.r; radiusX: edge.r; radiusY: edge.r }
            PathLine { x: edge.near; y: edge.near + edge.r }
            PathArc { x: edge.near + edge.r; y: edge.near; radiusX: edge.r; radiusY: edge.r }
        }
    }
}
