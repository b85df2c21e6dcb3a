// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
pragma ComponentBehavior: Bound

import QtQuick

// A soft glow around a rounded shape: stacked translucent rims instead of a blur, because
// shader effects do not exist on the software renderer that computers without a GPU run.
// Put it behind the shape and give it the shape's geometry.
Item {
    id: root

    property color color
    // Corner radius of the shape it surrounds.
    property real radius: 0
    // How far the glow reaches beyond the shape.
    property real spread: 10
    // Opacity of the colour the glow is made of, as a blur would start from.
    property real strength: 1

    // Enough rims that no banding shows, few enough to stay cheap.
    readonly property int rims: 8
    // Where all rims overlap, at the shape's edge, they add up to half the strength, which is
    // what a blur shows at the edge of a shape.
    readonly property real rimAlpha: 1 - Math.pow(1 - strength / 2, 1 / rims)

    Repeater {
        model: root.rims

        Rectangle {
            required property int index
            readonly property real reach: root.spread * (index + 1) / root.rims

            anchors.fill: parent
            anchors.margins: -reach
            radius: root.radius + reach
            color: Qt.rgba(root.color.r, root.color.g, root.color.b, root.color.a * root.rimAlpha)
        }
    }
}
