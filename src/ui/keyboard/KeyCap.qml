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

    // 0 at rest, 1 lit: one spring (0.25 s, damping 0.7) moves size, fill and glow together.
    property real lift: lit ? 1 : 0
    Behavior on lift {
        SpringAnimation { spring: 10.1; damping: 0.56; epsilon: 0.002 }
    }
    readonly property real litShare: Math.max(0, Math.min(1, lift))
    readonly property color restFill: {
        const tint = Keyboard.fingerColor(finger)
        return Qt.rgba(tint.r, tint.g, tint.b, finger === Keyboard.noFinger ? 0.10 : 0.22)
    }

    scale: 1 + 0.08 * lift
    // A growing key must cover its neighbours, not slide under them.
    z: litShare > 0 ? 1 : 0

    // Made only while the key glows: a whole keyboard of idle glows would cost hundreds of items.
    Loader {
        anchors.fill: cap
        active: root.litShare > 0
        opacity: root.litShare
        sourceComponent: GlowHalo {
            radius: 8
            color: Theme.sunshine
            strength: 0.7
            spread: 10
        }
    }

    Rectangle {
        id: cap
        anchors.fill: parent
        radius: 8
        color: {
            const a = root.restFill
            const b = Theme.sunshine
            const t = root.litShare
            return Qt.rgba(a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
                           a.a + (b.a - a.a) * t)
        }
    }

    Text {
        id: caption
        anchors.centerIn: parent
        text: root.label
        font: Theme.rounded(root.label.length === 1 ? 15 : 11, Font.DemiBold)
        color: root.lit ? Theme.ink : Theme.textPrimary
        opacity: root.lit ? 1 : 0.9
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
}
