// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// One key of the on-screen keyboard in its finger's tint; a lit key springs forward in sunshine
// and glows.
Item {
    id: root

    property string label
    property int finger: Keyboard.noFinger
    // The bump of F and J that pointer fingers feel for.
    property bool homeBump: false
    property bool lit: false
    // An ISO Return drawn as one tall key: how far the cap reaches right of the item, and the
    // piece below that fills the next row's end (tailHeight 0: none).
    property real reach: 0
    property real tailWidth: 0
    property real tailHeight: 0
    readonly property bool tall: tailHeight > 0
    // 1 or 2 on the two keys of a dead-key letter, in the order they are pressed; 0 for none.
    property int step: 0

    // 0 at rest, 1 lit: one spring (0.25 s, damping 0.7) moves size, fill and glow together.
    property real lift: lit ? 1 : 0
    Behavior on lift {
        SpringAnimation { spring: 10.1; damping: 0.56; epsilon: 0.002 }
    }
    readonly property real litShare: Math.max(0, Math.min(1, lift))
    readonly property color restFill: {
        const tint = Theme.look.fingerColor(finger)
        return Qt.rgba(tint.r, tint.g, tint.b, finger === Keyboard.noFinger ? 0.10 : 0.22)
    }

    // Calm motion: a lit key changes colour only.
    scale: Theme.calmMotion ? 1 : 1 + 0.08 * lift
    // A growing key must cover its neighbours, not slide under them.
    z: litShare > 0 ? 1 : 0

    // Made only while the key glows: a whole keyboard of idle glows would cost hundreds of items.
    Loader {
        width: cap.width
        height: cap.height
        active: root.litShare > 0
        opacity: root.litShare
        sourceComponent: GlowHalo {
            radius: 8
            color: Theme.sunshine
            strength: 0.7
            spread: 10
        }
    }

    readonly property color fill: {
        const a = root.restFill
        const b = Theme.sunshine
        const t = root.litShare
        return Qt.rgba(a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                       a.a + (b.a - a.a) * t)
    }

    // A tall key's two rectangles overlap where they join: drawn opaque into one layer that
    // takes the fill's transparency, the joint does not show darker.
    Item {
        id: body
        width: parent.width + root.reach
        // A layer holds only what lies within its item: the tall key's item covers both rows.
        height: parent.height + root.tailHeight
        layer.enabled: root.tall
        opacity: root.tall ? root.fill.a : 1

        Rectangle {
            id: cap
            width: body.width
            height: root.height
            radius: 8
            color: root.tall ? Qt.rgba(root.fill.r, root.fill.g, root.fill.b, 1) : root.fill
            // High contrast outlines every key; the usual outline is transparent and not drawn.
            border.width: Theme.keyOutline.a > 0 ? 1.5 : 0
            border.color: Theme.keyOutline
        }
        Rectangle {
            visible: root.tall
            anchors.right: cap.right
            y: cap.height - radius
            width: root.tailWidth
            height: root.tailHeight + radius
            radius: 8
            color: cap.color
        }
    }

    Text {
        id: caption
        anchors.centerIn: parent
        anchors.horizontalCenterOffset: root.reach / 2
        text: root.label
        font: Theme.look.glyph(root.label.length === 1 ? 15 : 11, Font.DemiBold)
        color: root.lit ? Theme.ink : Theme.textPrimary
        opacity: root.lit ? 1 : 0.9
    }

    // With safe colours the finger is also told by a shape, the same as on the hands.
    Text {
        objectName: "fingerMark"
        visible: text !== ""
        x: parent.width - width - 4
        y: parent.height - height - 1
        text: Theme.look.fingerMark(root.finger)
        font: Theme.plain(9)
        color: root.lit ? Theme.ink : Theme.textPrimary
    }

    Rectangle {
        objectName: "bump"
        visible: root.homeBump
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: caption.bottom
        anchors.topMargin: 1
        width: 10
        height: 2
        radius: 1
        color: root.lit ? Theme.ink : Theme.textPrimary
        opacity: 0.5
    }

    Rectangle {
        objectName: "step"
        visible: root.step > 0
        x: -4
        y: -4
        width: 16
        height: 16
        radius: 8
        color: Theme.ink

        Text {
            anchors.centerIn: parent
            text: root.step
            font: Theme.look.glyph(10, Font.Bold)
            color: Theme.sunshine
        }
    }
}
