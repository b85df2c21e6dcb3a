// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tapalong.Store
import Tapalong.Ui

// The learn tab: the whole course as a map, one card per unit with a bubble per lesson. It only
// reads the store; opening a lesson is the main view's business.
Item {
    id: view

    signal openLesson(string lessonId)

    CourseProgress {
        id: progress
        store: AppStore
    }

    FocusNavigation {
        id: bubbleKeys
        flickable: flick
        isCell: item => item.objectName.startsWith("bubble ") // not translated: object names
    }

    Flickable {
        id: flick
        anchors.fill: parent
        contentWidth: width
        contentHeight: units.implicitHeight + 2 * 28
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        T.ScrollBar.vertical: T.ScrollBar {
            id: scrollBar
            policy: T.ScrollBar.AsNeeded
            Accessible.name: qsTr("Scroll the map")
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
            id: units
            x: (flick.width - width) / 2
            y: 28
            width: Math.min(980, flick.width - 2 * 28)
            spacing: 26

            Repeater {
                model: progress.units

                Item {
                    id: unitCard

                    required property mapUnit modelData

                    objectName: "unit " + modelData.id
                    width: units.width
                    height: section.implicitHeight + 2 * 20

                    CardBackground {
                        anchors.fill: parent
                        color: Theme.card
                        radius: 24
                    }

                    Column {
                        id: section
                        x: 20
                        y: 20
                        width: parent.width - 2 * 20
                        spacing: 14

                        Item {
                            width: section.width
                            height: Math.max(heading.implicitHeight, stars.implicitHeight)

                            Text {
                                id: heading
                                Accessible.role: Accessible.StaticText
                                Accessible.name: text
                                anchors.left: parent.left
                                anchors.right: stars.left
                                anchors.rightMargin: 12
                                anchors.verticalCenter: parent.verticalCenter
                                text: unitCard.modelData.heading
                                font: Theme.look.rounded(24, Font.Bold)
                                color: Theme.textPrimary
                                elide: Text.ElideRight
                            }
                            Text {
                                id: stars
                                Accessible.role: Accessible.StaticText
                                Accessible.name: text
                                objectName: "unitStars"
                                anchors.right: parent.right
                                anchors.verticalCenter: parent.verticalCenter
                                text: unitCard.modelData.starsText
                                font: Theme.look.rounded(15, Font.DemiBold)
                                color: Theme.textDim
                            }
                        }

                        // As many columns of at least 140 as fit, sharing the width; a unit with
                        // fewer lessons leaves the last columns empty rather than spreading out.
                        GridLayout {
                            id: grid

                            readonly property real cellWidth: (section.width - (columns - 1) * columnSpacing) / columns

                            columns: Math.max(1, Math.floor((section.width + columnSpacing) / (140 + columnSpacing)))
                            columnSpacing: 14
                            rowSpacing: 14

                            Repeater {
                                model: unitCard.modelData.lessons

                                LessonBubble {
                                    required property mapLesson modelData

                                    objectName: "bubble " + modelData.id
                                    lesson: modelData
                                    Layout.preferredWidth: grid.cellWidth
                                    Layout.fillHeight: true
                                    onOpenLesson: lessonId => view.openLesson(lessonId)
                                    Keys.onPressed: event => bubbleKeys.handleKey(this, event)
                                    onActiveFocusChanged: if (activeFocus) bubbleKeys.reveal(this)
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}
