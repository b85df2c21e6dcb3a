import QtQuick
import QtTest
import Tapalong.Games
import Tapalong.Store
import Tapalong.Ui

// Not a test: prints how evenly frames come while a race is typed and while the parrot shows
// its patterns, over the night sky the root view draws behind every game. Run by
// scripts/measure-game-frames.sh.
TestCase {
    id: testCase
    name: "FramePacing"
    when: windowShown
    visible: true
    width: 1180
    height: 780

    readonly property int seconds: 10
    // Each frame: when its synchronisation began, when it was on screen, and whether the
    // playfield was moving then (frames only come when something changes).
    property var frames: []
    property real syncStart: 0
    property real movingUntil: 0

    Background {
        anchors.fill: parent
    }
    StarfieldView {
        anchors.fill: parent
        opacity: 0.7
    }

    Component {
        id: race
        RocketRaceView {
            anchors.fill: parent
        }
    }
    Component {
        id: copyCat
        CopyCatView {
            anchors.fill: parent
        }
    }

    Connections {
        target: testCase.Window.window
        function onBeforeSynchronizing() {
            testCase.syncStart = Date.now()
        }
        function onFrameSwapped() {
            const now = Date.now()
            testCase.frames.push({ start: testCase.syncStart, end: now,
                                   moving: now <= testCase.movingUntil })
        }
    }

    // Something on the playfield moves for the next `ms` milliseconds.
    function moving(ms) {
        movingUntil = Math.max(movingUntil, Date.now() + ms)
    }

    function stats(values) {
        values.sort((a, b) => a - b)
        return "median " + values[values.length >> 1] + " ms, 99th percentile "
            + values[Math.floor(values.length * 0.99)] + " ms, longest "
            + values[values.length - 1] + " ms"
    }

    function report(label) {
        const gaps = []
        const costs = []
        for (let i = 1; i < frames.length; ++i) {
            costs.push(frames[i].end - frames[i].start)
            if (frames[i].moving && frames[i - 1].moving)
                gaps.push(frames[i].end - frames[i - 1].end)
        }
        const span = (frames[frames.length - 1].end - frames[0].end) / 1000
        console.log(label + ": " + ((frames.length - 1) / span).toFixed(1) + " frames a second over "
                    + span.toFixed(1) + " s; while moving, " + (1000 * gaps.length
                    / gaps.reduce((a, b) => a + b, 0)).toFixed(1) + " fps, gaps " + stats(gaps)
                    + "; each frame's sync to swap " + stats(costs))
    }

    // A child typing about 5 keys a second, one wrong key in ten, while the rivals fly.
    Timer {
        id: racer
        property var screen: null
        property int typed: 0
        interval: 190
        repeat: true
        onTriggered: {
            const model = screen.model
            if (!model.isPlaying)
                return
            ++typed
            testCase.keyClick(typed % 10 === 0 ? "q" : model.passage[model.typedCount])
        }
    }

    // The child echoes each pattern as soon as it is its turn, so that show follows show.
    Timer {
        id: echoer
        property var screen: null
        interval: 120
        repeat: true
        onTriggered: {
            const model = screen.model
            if (model.isEcho)
                testCase.keyClick(model.sequence[model.echoIndex])
        }
    }

    // The show card's and the slots' springs settle within 0.5 s of a change.
    Connections {
        target: echoer.screen?.model ?? null
        ignoreUnknownSignals: true
        function onShowVisibleChanged() { testCase.moving(500) }
        function onPhaseChanged() { testCase.moving(500) }
        function onEchoIndexChanged() { testCase.moving(500) }
    }

    function init() {
        AppStore.addProfile("Mia", "🦊")
    }

    function test_race() {
        const screen = createTemporaryObject(race, testCase)
        keyClick(Qt.Key_Space)
        racer.screen = screen
        racer.start()
        wait(1000)
        // The rivals move on every tick from the first correct letter to the line.
        moving(seconds * 1000 + 1000)
        frames = []
        wait(seconds * 1000)
        racer.stop()
        report("Rocket Race, typing")
    }

    function test_copyCat() {
        const screen = createTemporaryObject(copyCat, testCase)
        keyClick(Qt.Key_Space)
        echoer.screen = screen
        echoer.start()
        frames = []
        wait(seconds * 1000)
        echoer.stop()
        report("Copy Cat, shows and echoes (reached round " + screen.model.round + ")")
    }
}
