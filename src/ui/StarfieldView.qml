import QtQuick
import Tapalong.Ui

// The twinkling stars over the background: one canvas, repainted a few times a second.
Canvas {
    id: root

    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    onPaint: {
        const ctx = getContext("2d")
        ctx.clearRect(0, 0, width, height)
        ctx.fillStyle = Theme.textPrimary
        const stars = Starfield.stars
        const opacities = Starfield.opacitiesAt(Starfield.now())
        for (let i = 0; i < opacities.length; ++i) {
            const s = stars[3 * i + 2]
            ctx.globalAlpha = opacities[i]
            ctx.beginPath()
            ctx.ellipse(stars[3 * i] * width, stars[3 * i + 1] * height, s, s)
            ctx.fill()
        }
    }

    Timer {
        interval: 150
        repeat: true
        running: root.visible
        onTriggered: root.requestPaint()
    }
}
