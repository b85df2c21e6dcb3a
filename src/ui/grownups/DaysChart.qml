// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import Tapalong.Ui

// Minutes of practice per day, one bar per day, today on the right.
Row {
    id: root

    property list<chartDay> days
    // The top of the chart in minutes.
    property real maxValue: 10
    property real chartHeight: 90

    spacing: 3

    Repeater {
        model: root.days

        Column {
            id: day
            required property chartDay modelData
            required property int index
            width: (root.width - (root.days.length - 1) * root.spacing) / Math.max(1, root.days.length)
            spacing: 3

            Item {
                width: parent.width
                height: root.chartHeight

                Rectangle {
                    objectName: "dayBar"
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: Math.max(day.modelData.minutes > 0 ? 3 : 1,
                                     day.modelData.minutes / root.maxValue * root.chartHeight)
                    radius: 3
                    color: day.modelData.minutes > 0 ? Theme.mint : Theme.ghostFill
                }
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                // Every seventh day, counted back from today, so the labels never crowd.
                visible: (root.days.length - 1 - day.index) % 7 === 0
                text: day.modelData.label
                font: Theme.rounded(10, Font.DemiBold)
                color: Theme.textDim
            }
        }
    }
}
