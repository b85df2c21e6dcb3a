// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// A burst of falling confetti. It plays once when created (or when `burst()` is called) and
// stops repainting as soon as the last particle has fallen out of sight.
Canvas {
    id: root

    property int count: 70
    // True while some particle can still be seen, so tests and screens can tell it is done.
    readonly property bool playing: frameTimer.running

    property real startTime: Date.now()

    function burst() {
        particles.redraw()
    }

    function elapsed() {
        return (Date.now() - startTime) / 1000
    }

    ConfettiBurst {
        id: particles
        // Calm motion: no burst at all.
        count: Theme.calmMotion ? 0 : root.count
        onParticlesChanged: {
            root.startTime = Date.now()
            frameTimer.running = lifetime > 0
            root.requestPaint()
        }
    }

    onPaint: {
        const ctx = getContext("2d")
        ctx.clearRect(0, 0, width, height)
        const drawn = particles.frame(elapsed(), width, height)
        for (let i = 0; i < drawn.length; i += 6) {
            const size = drawn[i + 4]
            ctx.save()
            ctx.translate(drawn[i], drawn[i + 1])
            ctx.rotate(drawn[i + 2])
            ctx.globalAlpha = drawn[i + 3]
            ctx.fillStyle = Qt.hsva(drawn[i + 5], 0.75, 1, 1)
            ctx.beginPath()
            ctx.roundedRect(-size / 2, -size / 3, size, size * 0.66, 2, 2)
            ctx.fill()
            ctx.restore()
        }
    }

    // On the frames themselves, so that every frame shows the particles moved and none waits.
    FrameAnimation {
        id: frameTimer
        running: particles.lifetime > 0
        onTriggered: {
            // One last paint after the end clears what is left.
            if (root.elapsed() >= particles.lifetime)
                stop()
            root.requestPaint()
        }
    }
}
