// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import Tapalong.Ui

// One value over time, one point per attempt, joined by a line, with an optional dashed
// reference line (a lesson's goal speed). Drawn with Qt Quick Shapes: no chart library to
// load. Dots are drawn while there are few enough to tell apart; a long history is the line.
Item {
    id: root

    // `key` and, when set, `referenceKey` name the fields drawn.
    property list<chartPoint> points
    property string key: "wpm"
    property string referenceKey: ""
    // The value at the top of the chart.
    property real maxValue: 10
    property color color: Theme.sky
    property string pointName: "point"

    readonly property real step: points.length > 1 ? width / (points.length - 1) : 0
    readonly property bool dotted: points.length <= 60

    function px(index: int): real {
        return root.points.length > 1 ? index * root.step : root.width / 2
    }
    function py(value: real): real {
        return root.height - Math.max(0, Math.min(value, root.maxValue)) / root.maxValue * root.height
    }
    // A long history has more points than the chart has pixels: every k-th one (and the
    // last) draws the same line for much less work.
    function line(name: string): var {
        const out = []
        const n = root.points.length
        const stride = Math.max(1, Math.floor(n / Math.max(1, root.width / 2)))
        for (let i = 0; i < n; i += stride)
            out.push(Qt.point(root.px(i), root.py(root.points[i][name])))
        if (n > 1 && (n - 1) % stride !== 0)
            out.push(Qt.point(root.px(n - 1), root.py(root.points[n - 1][name])))
        return out
    }

    Rectangle {
        width: root.width
        height: 1
        y: root.height
        color: Theme.textDim
        opacity: 0.4
    }
    Text {
        anchors.right: root.left
        anchors.rightMargin: 6
        anchors.verticalCenter: root.top
        text: root.maxValue
        font: Theme.rounded(11, Font.DemiBold)
        color: Theme.textDim
    }

    Shape {
        anchors.fill: parent
        visible: root.points.length > 1

        ShapePath {
            strokeColor: root.referenceKey !== "" ? Theme.textDim : "transparent"
            strokeWidth: 1.5
            strokeStyle: ShapePath.DashLine
            fillColor: "transparent"
            PathPolyline { path: root.referenceKey !== "" ? root.line(root.referenceKey) : [] }
        }
        ShapePath {
            strokeColor: root.color
            strokeWidth: 2.5
            fillColor: "transparent"
            PathPolyline { path: root.line(root.key) }
        }
    }

    Repeater {
        model: root.dotted ? root.points : []

        Rectangle {
            required property chartPoint modelData
            required property int index
            objectName: root.pointName
            width: 8
            height: 8
            radius: 4
            x: root.px(index) - 4
            y: root.py(modelData[root.key]) - 4
            color: Theme.sunshine
        }
    }
}
