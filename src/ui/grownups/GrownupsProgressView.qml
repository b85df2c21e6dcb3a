// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Store
import Tapalong.Ui

// Each explorer's progress for the grown-ups: the summary, speed over time, practice per day,
// stars, games and the keys that trip them. Every text comes from GrownupsView.
Item {
    id: root

    signal close()

    GrownupsView {
        id: report
        store: AppStore
    }

    // The keyboard starts on "Done" at the top; Tab walks the page and scrolls along with it.
    Component.onCompleted: closeButton.forceActiveFocus(Qt.TabFocusReason)
    FocusNavigation {
        id: navigation
        flickable: flick
    }
    Connections {
        target: root.Window.window
        function onActiveFocusItemChanged() {
            for (let item = root.Window.activeFocusItem; item; item = item.parent) {
                if (item === page) {
                    navigation.reveal(root.Window.activeFocusItem)
                    return
                }
            }
        }
    }

    component Heading: Text {
        font: Theme.rounded(18, Font.Bold)
        color: Theme.textPrimary
    }
    component Note: Text {
        font: Theme.rounded(14, Font.DemiBold)
        color: Theme.textDim
        wrapMode: Text.Wrap
    }
    // Two panels side by side take the taller one's height: see `row`.
    component Panel: Item {
        default property alias content: inner.data
        implicitHeight: inner.implicitHeight + 2 * 18
        height: implicitHeight
        CardBackground { anchors.fill: parent; radius: 20 }
        Column {
            id: inner
            x: 20
            y: 18
            width: parent.width - 2 * 20
            spacing: 10
        }
    }

    Flickable {
        id: flick
        objectName: "grownupsPage"
        anchors.fill: parent
        contentWidth: width
        contentHeight: page.implicitHeight + 2 * 24
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        Column {
            id: page
            x: 28
            y: 24
            width: flick.width - 2 * 28
            spacing: 16

            Item {
                width: page.width
                height: closeButton.height

                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("📈 Progress for grown-ups")
                    font: Theme.rounded(28, Font.Black)
                    color: Theme.textPrimary
                }
                GhostButton {
                    id: closeButton
                    objectName: "grownupsClose"
                    anchors.right: parent.right
                    text: qsTr("Done")
                    onClicked: root.close()
                }
            }

            Row {
                spacing: 10
                Repeater {
                    model: report.explorers
                    BigButton {
                        required property profileSummary modelData
                        required property int index
                        objectName: "explorer " + modelData.name
                        text: modelData.avatar + " " + modelData.name
                        size: 16
                        color: index === report.selected ? Theme.sunshine : Theme.ghostFill
                        textColor: index === report.selected ? Theme.ink : Theme.textPrimary
                        onClicked: report.selected = index
                    }
                }
            }
            Note {
                visible: report.explorers.length === 0
                text: qsTr("No explorers yet.")
            }

            Text {
                objectName: "grownupsSummary"
                width: page.width
                text: report.summary
                font: Theme.rounded(19, Font.DemiBold)
                color: Theme.sunshine
                wrapMode: Text.Wrap
            }

            Row {
                width: page.width
                spacing: 16

                Panel {
                    id: speedPanel
                    width: (page.width - 16) / 2
                    height: Math.max(implicitHeight, practicePanel.implicitHeight)
                    Heading { text: qsTr("Speed (wpm)") }
                    LineChart {
                        objectName: "speedChart"
                        x: 24
                        width: parent.width - 32
                        chartHeight: 90
                        points: report.speedPoints
                        key: "wpm"
                        referenceKey: "goal"
                        maxValue: report.speedScale
                        pointName: "speedPoint"
                    }
                    Heading { text: qsTr("Accuracy (%)") }
                    LineChart {
                        objectName: "accuracyChart"
                        x: 24
                        width: parent.width - 32
                        chartHeight: 90
                        points: report.speedPoints
                        key: "accuracy"
                        minValue: report.accuracyFloor
                        maxValue: 100
                        color: Theme.mint
                        pointName: "accuracyPoint"
                    }
                    Note {
                        objectName: "speedText"
                        width: parent.width
                        text: report.speedLegend === "" ? report.speedText
                                                        : qsTr("%1  ·  %2").arg(report.speedText).arg(report.speedLegend)
                    }
                }
                Panel {
                    id: practicePanel
                    width: (page.width - 16) / 2
                    height: Math.max(implicitHeight, speedPanel.implicitHeight)
                    Heading { id: practiceHeading; text: qsTr("Practice per day") }
                    // As tall as the panel beside it allows: the bars fill it rather than a gap.
                    DaysChart {
                        width: parent.width
                        days: report.days
                        maxValue: report.dayScale
                        chartHeight: Math.max(100, speedPanel.implicitHeight - 2 * 18 - 3 * 10
                                              - practiceHeading.height - practiceNote.height - 20)
                    }
                    Note {
                        id: practiceNote
                        objectName: "practiceText"
                        width: parent.width
                        text: report.practiceText + "  ·  " + report.streakText
                    }
                }
            }

            Panel {
                width: page.width
                Heading { text: qsTr("Keys") }
                Note { text: qsTr("Mint: rarely missed · sunshine: sometimes · coral: often") }
                HeatKeyboard {
                    anchors.horizontalCenter: parent.horizontalCenter
                    heat: report.heat
                }
                Note {
                    objectName: "trickyText"
                    width: parent.width
                    text: report.trickyText
                }
            }

            Row {
                width: page.width
                spacing: 16

                Panel {
                    id: starsPanel
                    width: (page.width - 16) / 2
                    height: Math.max(implicitHeight, gamesPanel.implicitHeight)
                    Heading { text: qsTr("Stars") }
                    Repeater {
                        model: report.units
                        Note {
                            required property reportLine modelData
                            text: modelData.emoji + "  " + qsTr("%1: %2").arg(modelData.title).arg(modelData.text)
                        }
                    }
                }
                Panel {
                    id: gamesPanel
                    width: (page.width - 16) / 2
                    height: Math.max(implicitHeight, starsPanel.implicitHeight)
                    Heading { text: qsTr("Games") }
                    Note {
                        visible: report.games.length === 0
                        text: qsTr("No games played yet.")
                    }
                    Repeater {
                        model: report.games
                        Note {
                            required property reportLine modelData
                            text: modelData.emoji + "  " + qsTr("%1: %2").arg(modelData.title).arg(modelData.text)
                        }
                    }
                }
            }

            PrintoutsPanel {
                width: page.width
                explorer: report.selected
            }

            PracticeTextsPanel {
                objectName: "practiceTexts"
                width: page.width
                visible: report.explorers.length > 0
                profileId: visible ? report.explorers[report.selected].id : ""
                explorerName: visible ? report.explorers[report.selected].name : ""
            }

            KeyboardPanel {
                objectName: "keyboardPanel"
                width: page.width
            }

            ComfortPanel {
                objectName: "comfortPanel"
                width: page.width
                visible: report.explorers.length > 0
                profileId: visible ? report.explorers[report.selected].id : ""
                explorerName: visible ? report.explorers[report.selected].name : ""
            }

            LanguagePanel {
                objectName: "languagePanel"
                width: page.width
            }

            SpokenHelpPanel {
                objectName: "spokenHelp"
                width: page.width
                visible: report.explorers.length > 0
                profileId: visible ? report.explorers[report.selected].id : ""
                explorerName: visible ? report.explorers[report.selected].name : ""
            }

            BackupPanel {
                id: backupPanel
                width: page.width
                // Scrolled to its foot, as far as the page goes: the panel is the page's last.
                onGrew: flick.contentY = Math.max(flick.contentY,
                                                  page.y + y + height + page.y - flick.height)
            }
        }
    }

    // The page is longer than most windows: a bar at the edge shows how far down one is, and
    // a note at the foot says there is more until the end is reached.
    Rectangle {
        objectName: "grownupsScrollBar"
        x: root.width - width - 6
        y: 6 + flick.visibleArea.yPosition * (root.height - 12)
        width: 6
        height: Math.max(24, flick.visibleArea.heightRatio * (root.height - 12))
        radius: 3
        color: Theme.textDim
        opacity: 0.5
        visible: flick.contentHeight > flick.height
    }
    BigButton {
        objectName: "grownupsMoreBelow"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        visible: flick.contentHeight > flick.height && !flick.atYEnd
        text: qsTr("▼ More below")
        size: 13
        color: Theme.lavender
        // A page further, as far as the page goes.
        onClicked: flick.contentY = Math.min(flick.contentHeight - flick.height,
                                             flick.contentY + flick.height * 0.8)
    }
}
