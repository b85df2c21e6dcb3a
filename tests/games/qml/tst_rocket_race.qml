import QtQuick
import QtTest
import Tapalong.Games
import Tapalong.Store
import Tapalong.GamesTestSupport

// The race screen's glue: its own cards and texts, letters and spaces reaching the race, the
// lanes and the passage row following it, and the place on the game-over card.
TestCase {
    id: testCase
    name: "RocketRace"
    when: windowShown
    visible: true
    width: 1180
    height: 780

    Component { id: rocketRace; RocketRaceView { anchors.fill: parent } }
    SignalSpy { id: openLessonSpy; signalName: "openLesson" }

    function init() {
        GamesTestSupport.reset()
        AppStore.addProfile("Mia", "🦊")
    }

    // As the root view opens the screen: free play, or a bonus round after `lessonId`.
    function open(lessonId) {
        const screen = createTemporaryObject(rocketRace, testCase, lessonId
            ? { bonus: { lessonId: lessonId, duration: 45 }, nextLessonId: "" } : {})
        verify(screen)
        openLessonSpy.clear()
        openLessonSpy.target = screen
        return screen
    }

    function child(screen, name) {
        const item = findChild(screen, name)
        verify(item, name)
        return item
    }

    // The characters of the passage row as the child sees them.
    function passageRow(screen) {
        const cells = child(screen, "cells")
        let shown = ""
        for (let i = 0; i < cells.count; ++i)
            shown += findChild(cells.itemAt(i), "glyph").text
        return shown
    }

    function type(text) {
        for (const ch of text)
            keyClick(ch)
    }

    // `ready`: a part of the start card's text that only the right one of its two has.
    function test_theCards_data() {
        return [
            { tag: "free play", lessonId: "", bar: "🚀 Rocket Race", title: "Rocket Race",
              ready: "You're racing Turbo Turtle", longest: 140, leave: "All games" },
            { tag: "bonus round", lessonId: "u1l2", bar: "🎁 Bonus Round · Rocket Race",
              title: "Bonus Round!", ready: "celebrate with a quick race!", longest: 95,
              leave: "Back to map" }
        ]
    }
    function test_theCards(data) {
        const screen = open(data.lessonId)
        compare(child(screen, "barTitle").text, data.bar)
        compare(child(screen, "startTitle").text, data.title)
        verify(child(screen, "readyText").text.includes(data.ready), child(screen, "readyText").text)
        verify(!child(screen, "poolLine").visible)
        verify(!child(screen, "focusLine").visible)

        keyClick(Qt.Key_Space)
        verify(screen.model.isPlaying)
        verify(screen.model.passage.length <= data.longest)

        type(screen.model.passage)
        verify(screen.model.isOver)
        compare(child(screen, "leaveButton").text, data.leave)
        const replay = child(screen, data.lessonId ? "replayGhostButton" : "replayButton")
        verify(replay.visible)
        compare(replay.text, "Race again  (space)")
        if (data.lessonId !== "") {
            mouseClick(child(screen, "nextButton"))
            compare(openLessonSpy.signalArguments[0][0], "u1l3")
        }
    }

    function test_lettersAndSpacesReachTheRace() {
        const screen = open()
        compare(child(screen, "playerLane").name, "Mia")
        keyClick(Qt.Key_Space)
        const passage = screen.model.passage
        const firstSpace = passage.indexOf(" ")
        // Spaces still to type show as dots.
        compare(passageRow(screen), passage.slice(0, 32).replace(/ /g, "·"))

        keyClick(Qt.Key_1) // no letter: nothing at all
        keyClick(passage[0] === "z" ? "y" : "z")
        compare(screen.model.wrongCount, 1)
        verify(!screen.model.raceStarted)
        compare(child(screen, "liveAccuracy").text, "0% acc")

        type(passage.slice(0, firstSpace + 1))
        compare(screen.model.typedCount, firstSpace + 1)
        compare(passageRow(screen)[firstSpace], " ")
        tryVerify(() => findChild(child(screen, "playerLane"), "racer").x > 0)
    }

    // The child types `cpm` characters a minute; the rivals 130, 90 and 50.
    function test_thePlaceOnTheCard_data() {
        return [
            { tag: "1st", cpm: 1000, headline: "🥇 1st place!!", tags: ["", "", ""] },
            { tag: "2nd", cpm: 110, headline: "🥈 2nd place!", tags: ["", "", "done! 🥇"] },
            { tag: "4th", cpm: 30, headline: "4th — you'll get them next time!",
              tags: ["done! 🥉", "done! 🥈", "done! 🥇"] }
        ]
    }
    function test_thePlaceOnTheCard(data) {
        const screen = open()
        keyClick(Qt.Key_Space)
        type(screen.model.passage[0]) // the clock starts
        GamesTestSupport.runTicks(screen.frame, 3600 * screen.model.passage.length / data.cpm)
        type(screen.model.passage.slice(1))
        compare(child(screen, "headline").text, data.headline)
        compare(child(screen, "finalWpm").text, screen.model.wpm + " wpm")
        compare(child(screen, "finalAccuracy").text, "100% accuracy")
        verify(child(screen, "highScoreLine").visible) // the first score is the best
        verify(child(screen, "confetti").active)
        const lanes = child(screen, "rivalLanes")
        for (let i = 0; i < lanes.count; ++i) {
            const tag = findChild(lanes.itemAt(i), "finishTag")
            compare(tag.visible, data.tags[i] !== "")
            if (tag.visible)
                compare(findChild(tag, "tagText").text, data.tags[i])
        }
    }
}
