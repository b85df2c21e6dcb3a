// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// The card after the last line: the verdict, the stars popping in one by one, the numbers,
// any new badges, the bonus games on offer and the ways on.
Scrim {
    id: root

    property string title
    property int stars: 0
    // The stars stay small until this turns true, then spring in one after another.
    property bool showStars: false
    property string speedText
    property string accuracyText
    property int keysTyped: 0
    property list<badge> newBadges
    property list<bonusChoice> bonusChoices
    // "" when this was the last lesson.
    property string nextLessonTitle

    signal exit()
    signal retry()
    signal next()
    signal bonus(string kind)

    strength: 0.65

    MouseArea {
        anchors.fill: parent
    }

    CardBackground {
        anchors.centerIn: parent
        width: content.implicitWidth + 2 * 36
        height: content.implicitHeight + 2 * 32
        radius: 28
        color: Theme.bgMid

        Column {
            id: content
            anchors.centerIn: parent
            spacing: 18

            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                objectName: "title"
                anchors.horizontalCenter: content.horizontalCenter
                text: root.title
                font: Theme.look.rounded(34, Font.Bold)
                color: Theme.textPrimary
            }

            Row {
                anchors.horizontalCenter: content.horizontalCenter
                spacing: 8
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("%n of 3 stars", "", root.stars)

                Repeater {
                    objectName: "stars"
                    model: 3

                    Text {
                        id: star
                        Accessible.ignored: true

                        required property int index
                        readonly property bool filled: index < root.stars

                        objectName: "star"
                        text: filled ? "★" : "☆"
                        color: filled ? Theme.sunshine : Theme.starOutline
                        font: Theme.look.rounded(44)
                        scale: 0.1

                        function update() {
                            pop.stop()
                            fadeIn.stop()
                            // Calm motion: each star fades in where it stands.
                            if (Theme.calmMotion) {
                                star.scale = 1
                                star.opacity = 0
                                if (root.showStars)
                                    fadeIn.start()
                                return
                            }
                            star.opacity = 1
                            if (root.showStars)
                                pop.start()
                            else
                                star.scale = 0.1
                        }

                        Component.onCompleted: update()
                        Connections {
                            target: root
                            function onShowStarsChanged() { star.update() }
                        }

                        SequentialAnimation {
                            id: fadeIn
                            PauseAnimation { duration: 350 + 250 * star.index }
                            NumberAnimation {
                                target: star
                                property: "opacity"
                                to: 1
                                duration: 300
                            }
                        }
                        SequentialAnimation {
                            id: pop
                            PauseAnimation { duration: 350 + 250 * star.index }
                            // A spring of 0.45 s response and 0.55 damping, in the steps
                            // SpringAnimation takes (see PressSpring).
                            SpringAnimation {
                                target: star
                                property: "scale"
                                to: 1
                                spring: 3.12
                                damping: 0.25
                                epsilon: 0.001
                            }
                        }
                    }
                }
            }

            Row {
                id: statRow
                anchors.horizontalCenter: content.horizontalCenter
                spacing: 14

                // The keyboard emoji stands taller than the others; the cards stay level.
                readonly property real cardHeight: Math.max(speedCard.implicitHeight,
                                                            accuracyCard.implicitHeight,
                                                            keysCard.implicitHeight)

                StatCard {
                    id: speedCard
                    width: 130
                    height: statRow.cardHeight
                    emoji: "🚀"
                    value: root.speedText
                    label: qsTr("words / min")
                    color: Theme.mint
                }
                StatCard {
                    id: accuracyCard
                    width: 130
                    height: statRow.cardHeight
                    emoji: "🎯"
                    value: root.accuracyText
                    label: qsTr("accuracy")
                    color: Theme.sunshine
                }
                StatCard {
                    id: keysCard
                    width: 130
                    height: statRow.cardHeight
                    emoji: "⌨️"
                    value: String(root.keysTyped)
                    label: qsTr("keys typed")
                    color: Theme.sky
                }
            }

            Column {
                anchors.horizontalCenter: content.horizontalCenter
                spacing: 10
                visible: root.newBadges.length > 0

                Text {
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    objectName: "badgeHeading"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: root.newBadges.length >= 2 ? qsTr("New badges!") : qsTr("New badge!")
                    font: Theme.look.rounded(18, Font.Bold)
                    color: Theme.textPrimary
                }
                Row {
                    anchors.horizontalCenter: parent.horizontalCenter
                    spacing: 10

                    Repeater {
                        model: root.newBadges

                        BadgeChip {
                            required property badge modelData
                            emoji: modelData.emoji
                            title: modelData.title
                            earned: true
                        }
                    }
                }
            }

            Text {
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                anchors.horizontalCenter: content.horizontalCenter
                visible: root.bonusChoices.length > 0
                text: qsTr("🎁 Pick a bonus game — it makes your new keys extra strong! 💪")
                font: Theme.look.rounded(14, Font.Bold)
                color: Theme.sunshine
            }

            Row {
                anchors.horizontalCenter: content.horizontalCenter
                spacing: 12

                Repeater {
                    objectName: "bonusButtons"
                    model: root.bonusChoices

                    BigButton {
                        required property bonusChoice modelData
                        objectName: "bonus " + modelData.kind
                        text: modelData.emoji + " " + modelData.title
                        size: 15
                        color: modelData.color
                        textColor: Theme.ink
                        onClicked: root.bonus(modelData.kind)
                    }
                }
            }

            Row {
                anchors.horizontalCenter: content.horizontalCenter
                spacing: 12

                GhostButton {
                    objectName: "backButton"
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Back to map")
                    onClicked: root.exit()
                }
                GhostButton {
                    objectName: "retryButton"
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("Try again")
                    onClicked: root.retry()
                }
                BigButton {
                    objectName: "nextButton"
                    visible: root.nextLessonTitle !== ""
                    text: qsTr("Next: %1  ▶").arg(root.nextLessonTitle)
                    size: 18
                    onClicked: root.next()
                }
            }
        }
    }
}
