// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// A sideways shake, one per wrong key: `transform: Shake { count: session.wrongCount }`.
// Three full swings of 5 px for every step the count goes up; when it goes down (a retry)
// the offset simply resets.
Translate {
    id: root

    property real count: 0
    property real animatableData: 0
    property bool ready: false

    x: 5 * Math.sin(animatableData * Math.PI * 6)

    onCountChanged: {
        swing.stop()
        // Calm motion: the offset stays 0 (whole steps), so nothing moves.
        if (ready && count > animatableData && !Theme.calmMotion) {
            swing.from = animatableData
            swing.to = count
            swing.start()
        } else {
            animatableData = count
        }
    }

    Component.onCompleted: {
        animatableData = count
        ready = true
    }

    property NumberAnimation swing: NumberAnimation {
        target: root
        property: "animatableData"
        duration: 300
    }
}
