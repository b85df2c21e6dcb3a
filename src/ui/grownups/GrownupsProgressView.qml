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

    component Heading: Text {
        font: Theme.rounded(18, Font.Bold)
        color: Theme.textPrimary
    }
    component Note: Text {
        font: Theme.rounded(14, Font.DemiBold)
        color: Theme.textDim
        wrapMode: Text.Wrap
    }
    component Panel: Item {
        default property alias content: inner.data
        height: inner.implicitHeight + 2 * 18
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
                    width: (page.width - 16) / 2
                    Heading { text: qsTr("Speed (wpm)") }
                    LineChart {
                        objectName: "speedChart"
                        x: 24
                        width: parent.width - 32
                        height: 80
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
                        height: 40
                        points: report.speedPoints
                        key: "accuracy"
                        maxValue: 100
                        color: Theme.mint
                        pointName: "accuracyPoint"
                    }
                    Note {
                        objectName: "speedText"
                        width: parent.width
                        text: qsTr("%1  ·  dashes: each lesson's goal").arg(report.speedText)
                    }
                }
                Panel {
                    width: (page.width - 16) / 2
                    Heading { text: qsTr("Practice per day") }
                    DaysChart {
                        width: parent.width
                        days: report.days
                        maxValue: report.dayScale
                        chartHeight: 100
                    }
                    Note {
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
                    width: (page.width - 16) / 2
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
                    width: (page.width - 16) / 2
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

            BackupPanel {
                id: backupPanel
                width: page.width
                // Scrolled to its foot, as far as the page goes: the panel is the page's last.
                onGrew: flick.contentY = Math.max(flick.contentY,
                                                  page.y + y + height + page.y - flick.height)
            }
        }
    }
}
