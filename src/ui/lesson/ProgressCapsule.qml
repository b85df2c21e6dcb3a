// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// How much of the lesson is typed: a mint capsule filling a faint track from the left.
Rectangle {
    id: root

    // 0 to 1.
    property real progress: 0

    implicitWidth: 420
    implicitHeight: 10
    radius: height / 2
    color: Theme.ghostFill

    Rectangle {
        objectName: "fill"
        height: root.height
        width: root.width * Math.max(0, Math.min(1, root.progress))
        radius: height / 2
        color: Theme.mint

        Behavior on width {
            NumberAnimation {
                duration: 200
                easing.type: Easing.OutQuad
            }
        }
    }
}
