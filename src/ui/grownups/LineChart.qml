// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import Tapalong.Ui

// One value over time, one point per attempt, with the day under the first point of each
// day. Lessons are joined by a line, with an optional dashed reference line (each lesson's
// goal speed); tricky-key practice shows as rings that neither line passes through, since a
// drill of tricky keys is slower by design and has no goal. Drawn with Qt Quick Shapes: no
// chart library to load. Dots are drawn while there are few enough to tell apart; a long
// history is the line.
Item {
    id: root

    // `key` and, when set, `referenceKey` name the fields drawn.
    property list<chartPoint> points
    property string key: "wpm"
    property string referenceKey: ""
    // The values at the top and the bottom of the chart.
    property real maxValue: 10
    property real minValue: 0
    property color color: Theme.sky
    property string pointName: "point"

    readonly property real step: points.length > 1 ? width / (points.length - 1) : 0
    readonly property bool dotted: points.length <= 60
    // The plot's height; the dates take 20 px more below it.
    property real chartHeight: 80
    implicitHeight: chartHeight + 20

    function px(index: int): real {
        return root.points.length > 1 ? index * root.step : root.width / 2
    }
    function py(value: real): real {
        const range = Math.max(1, root.maxValue - root.minValue)
        const clamped = Math.max(root.minValue, Math.min(value, root.maxValue))
        return root.chartHeight - (clamped - root.minValue) / range * root.chartHeight
    }
    // The lessons' points of one field. A long history has more points than the chart has
    // pixels: every k-th one (and the last) draws the same line for much less work.
    function line(name: string): var {
        const out = []
        const lessons = []
        for (let i = 0; i < root.points.length; ++i) {
            if (!root.points[i].practice)
                lessons.push(i)
        }
        const n = lessons.length
        if (n === 1 && name === root.referenceKey) {
            // One lesson: its goal across the chart, so the legend's dashes are there.
            const y = root.py(root.points[lessons[0]][name])
            return [Qt.point(0, y), Qt.point(root.width, y)]
        }
        const stride = Math.max(1, Math.floor(n / Math.max(1, root.width / 2)))
        for (let k = 0; k < n; k += stride)
            out.push(Qt.point(root.px(lessons[k]), root.py(root.points[lessons[k]][name])))
        if (n > 1 && (n - 1) % stride !== 0)
            out.push(Qt.point(root.px(lessons[n - 1]), root.py(root.points[lessons[n - 1]][name])))
        return out
    }
    // The points whose dates are written: the first of each day, at least 52 px apart, the
    // latest day always.
    function datedPoints(): var {
        const marked = []
        for (let i = 0; i < root.points.length; ++i) {
            if (root.points[i].label !== "")
                marked.push(i)
        }
        const out = []
        for (let k = 0; k < marked.length; ++k) {
            const i = marked[k]
            if (out.length === 0 || root.px(i) - root.px(out[out.length - 1]) >= 52) {
                out.push(i)
            } else if (k === marked.length - 1) {
                out.pop()
                out.push(i)
            }
        }
        return out
    }

    Rectangle {
        width: root.width
        height: 1
        y: root.chartHeight
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
    Text {
        anchors.right: root.left
        anchors.rightMargin: 6
        y: root.chartHeight - height / 2
        text: root.minValue
        font: Theme.rounded(11, Font.DemiBold)
        color: Theme.textDim
    }

    Shape {
        width: root.width
        height: root.chartHeight

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
            objectName: modelData.practice ? root.pointName + "Practice" : root.pointName
            width: 8
            height: 8
            radius: 4
            x: root.px(index) - 4
            y: root.py(modelData[root.key]) - 4
            color: modelData.practice ? "transparent" : Theme.sunshine
            border.width: modelData.practice ? 2 : 0
            border.color: Theme.lavender
        }
    }

    Item {
        id: dates
        y: root.chartHeight + 4
        width: root.width
        height: 16

        Repeater {
            model: root.datedPoints()

            Text {
                required property int modelData
                objectName: root.pointName + "Date"
                x: Math.max(-width / 2, Math.min(root.width - width / 2, root.px(modelData) - width / 2))
                text: root.points[modelData].label
                font: Theme.rounded(10, Font.DemiBold)
                color: Theme.textDim
            }
        }
    }
}
