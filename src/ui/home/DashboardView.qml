// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// The home tab: a greeting, the way on to the next lesson, four numbers and the badge shelf.
// It only reads the store; both of its actions are the main view's business.
Item {
    id: view

    signal openLesson(string lessonId)
    signal goLearn()

    function faded(colour: color, alpha: real): color {
        return Qt.rgba(colour.r, colour.g, colour.b, alpha)
    }

    CourseProgress {
        id: progress
        store: AppStore
    }

    // Keeps what Tab reaches in sight.
    FocusNavigation {
        id: reveal
        flickable: flick
    }

    Flickable {
        id: flick
        anchors.fill: parent
        contentWidth: width
        contentHeight: sections.implicitHeight + 2 * 28
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        Column {
            id: sections
            x: 28
            y: 28
            width: flick.width - 2 * 28
            spacing: 22

            LayoutNotice {
                anchors.horizontalCenter: parent.horizontalCenter
                maxWidth: sections.width - 40
            }

            // Greeting
            Item {
                width: sections.width
                height: Math.max(hello.implicitHeight, flame.implicitHeight) + 2 * 22

                CardBackground {
                    anchors.fill: parent
                    radius: 24
                }

                Column {
                    id: hello
                    anchors.left: parent.left
                    anchors.right: flame.left
                    anchors.leftMargin: 26
                    anchors.rightMargin: 16
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 4

                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        objectName: "greeting"
                        width: hello.width
                        text: progress.greeting
                        font: Theme.look.rounded(34, Font.Black)
                        color: Theme.textPrimary
                        elide: Text.ElideRight
                    }
                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        objectName: "subtitle"
                        width: hello.width
                        text: progress.subtitle
                        font: Theme.look.rounded(17, Font.DemiBold)
                        color: Theme.textDim
                        elide: Text.ElideRight
                    }
                }

                Column {
                    id: flame
                    objectName: "streakFlame"
                    anchors.right: parent.right
                    anchors.rightMargin: 26
                    anchors.verticalCenter: parent.verticalCenter
                    visible: progress.streakFlame
                    width: visible ? implicitWidth : 0

                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: "🔥"
                        font: Theme.emoji(30)
                    }
                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        anchors.horizontalCenter: parent.horizontalCenter
                        text: progress.streakDays
                        font: Theme.look.rounded(14, Font.Bold)
                        color: Theme.tangerine
                    }
                }
            }

            // Continue the quest
            Item {
                width: sections.width
                height: quest.implicitHeight + 2 * 22

                CardBackground {
                    anchors.fill: parent
                    radius: 24
                }

                Column {
                    id: quest
                    x: 26
                    y: 22
                    width: parent.width - 2 * 26
                    spacing: 14

                    Item {
                        width: quest.width
                        height: Math.max(lessonText.implicitHeight, action.implicitHeight)

                        Column {
                            id: lessonText
                            anchors.left: parent.left
                            anchors.right: action.left
                            anchors.rightMargin: 16
                            anchors.verticalCenter: parent.verticalCenter
                            spacing: 4

                            Text {
                                Accessible.role: Accessible.StaticText
                                Accessible.name: text
                                objectName: "continueTitle"
                                width: lessonText.width
                                text: progress.continueTitle
                                font: Theme.look.rounded(26, Font.Bold)
                                color: Theme.textPrimary
                                elide: Text.ElideRight
                            }
                            Text {
                                Accessible.role: Accessible.StaticText
                                Accessible.name: text
                                width: lessonText.width
                                visible: text !== ""
                                text: progress.continueWorld
                                font: Theme.look.rounded(15, Font.DemiBold)
                                color: Theme.textDim
                                elide: Text.ElideRight
                            }
                        }

                        BigButton {
                            id: action
                            objectName: "continueButton"
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            text: progress.continueAction
                            Accessible.name: progress.continueName
                            size: progress.nextLessonId !== "" ? 20 : 18
                            onActiveFocusChanged: if (activeFocus) reveal.reveal(this)
                            onClicked: {
                                if (progress.nextLessonId !== "")
                                    view.openLesson(progress.nextLessonId)
                                else
                                    view.goLearn()
                            }
                        }
                    }

                    Rectangle {
                        width: quest.width
                        height: 12
                        radius: height / 2
                        color: view.faded(Theme.textPrimary, 0.12)

                        Rectangle {
                            objectName: "progressFill"
                            width: parent.width * progress.finishedFraction
                            height: parent.height
                            radius: height / 2
                            color: Theme.mint
                            visible: width > 0
                        }
                    }

                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        text: progress.progressText
                        font: Theme.look.rounded(13, Font.DemiBold)
                        color: Theme.textDim
                    }
                }
            }

            TrickyKeysCard {
                objectName: "trickyKeysCard"
                width: sections.width
                onStart: lessonId => view.openLesson(lessonId)
            }

            HomeTextsCard {
                objectName: "homeTextsCard"
                width: sections.width
                onStart: lessonId => view.openLesson(lessonId)
            }

            // Four numbers
            Row {
                id: stats

                // One height for all four, whatever the line height of each emoji.
                property real tallest: {
                    let most = 0
                    for (let i = 0; i < children.length; ++i)
                        most = Math.max(most, children[i].implicitHeight)
                    return most
                }

                width: sections.width
                spacing: 14

                Repeater {
                    model: progress.stats

                    StatCard {
                        required property dashboardStat modelData

                        objectName: "stat " + modelData.label
                        width: (stats.width - 3 * stats.spacing) / 4
                        height: stats.tallest
                        emoji: modelData.emoji
                        value: modelData.value
                        label: modelData.label
                        color: modelData.tint
                    }
                }
            }

            // Badge shelf
            Column {
                width: sections.width
                spacing: 12

                Row {
                    spacing: 12

                    Text {
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        anchors.baseline: count.baseline
                        text: qsTr("Badges")
                        font: Theme.look.rounded(22, Font.Bold)
                        color: Theme.textPrimary
                    }
                    Text {
                        id: count
                        Accessible.role: Accessible.StaticText
                        Accessible.name: text
                        objectName: "badgeCount"
                        text: progress.badgeCountText
                        font: Theme.look.rounded(15, Font.DemiBold)
                        color: Theme.textDim
                    }
                }

                BadgeShelf {
                    objectName: "shelf"
                    width: sections.width
                    onActiveFocusChanged: if (activeFocus) reveal.reveal(this)
                    badges: progress.badges
                }
            }
        }
    }
}
