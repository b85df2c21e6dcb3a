// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Games
import Tapalong.Store
import Tapalong.GamesTestSupport

// The game screens' glue: keys reach the frame by state, the cards say the right things, a
// game is recorded once per ending, and the playfields draw what the models hold.
TestCase {
    id: testCase
    name: "GameScreens"
    when: windowShown
    visible: true
    width: 1180
    height: 780

    Component { id: letterDrop; LetterDropView { anchors.fill: parent } }
    Component { id: wordMeteors; WordMeteorsView { anchors.fill: parent } }
    Component { id: keyMoles; KeyMolesView { anchors.fill: parent } }
    Component { id: copyCat; CopyCatView { anchors.fill: parent } }
    Component { id: rocketRace; RocketRaceView { anchors.fill: parent } }

    function init() {
        GamesTestSupport.reset()
        AppStore.addProfile("Mia", "🦊")
    }

    // As the root view opens a screen: free play, or a bonus round after `lessonId`.
    function open(component, lessonId) {
        const screen = createTemporaryObject(component, testCase, lessonId
            ? { bonusLessonId: lessonId, bonusDuration: 45, nextLessonId: "" } : {})
        verify(screen)
        return screen
    }

    function child(parentItem, name) {
        const item = findChild(parentItem, name)
        verify(item, name)
        return item
    }

    function playToTheEnd(screen) {
        GamesTestSupport.runTicks(screen.frame, 60 * 600)
        verify(screen.game.state === GameModel.Over)
    }

    // `ready`: a part of the start card's text that only the right one of its two has; `over`:
    // the headline after the clock.
    function test_theCards_data() {
        const bonus = "🎁 Bonus Round · "
        return [
            { tag: "Letter Drop", component: letterDrop, lessonId: "", bar: "🪂 Letter Drop",
              focus: "", ready: "You have 3 hearts", over: "Splash! Game over" },
            { tag: "Letter Drop, bonus", component: letterDrop, lessonId: "u1l2",
              bar: bonus + "Letter Drop", focus: "Watch for your new keys: D K",
              ready: "you have\n45 seconds.", next: "Next: S and L  ▶" },
            { tag: "Word Meteors, bonus", component: wordMeteors, lessonId: "u1l3",
              bar: bonus + "Word Meteors", focus: "The meteors love your new keys: S L",
              ready: "You have 45 seconds." },
            { tag: "Key Moles", component: keyMoles, lessonId: "", bar: "🐹 Key Moles",
              focus: "", ready: "in 60 seconds?", over: "Time's up!" },
            { tag: "Key Moles, the last lesson's bonus", component: keyMoles, lessonId: "u6l3",
              bar: bonus + "Key Moles", focus: "", ready: "you have\n45 seconds." }
        ]
    }
    function test_theCards(data) {
        const screen = open(data.component, data.lessonId)
        compare(child(screen, "barTitle").text, data.bar)
        verify(child(screen, "readyText").text.includes(data.ready), child(screen, "readyText").text)
        compare(child(screen, "focusLine").visible ? child(screen, "focusLine").text : "", data.focus)
        compare(child(screen, "poolLine").text.indexOf("Playing with: "), 0)

        mouseClick(child(screen, "startButton"))
        verify(!child(screen, "startCard").visible)
        playToTheEnd(screen)
        // The card follows the frame that showed the end.
        tryVerify(() => child(screen, "overCard").visible)
        compare(child(screen, "headline").text, data.lessonId ? "🎁 Bonus round done!" : data.over)
        compare(child(screen, "best").text, "Best: 0")
        compare(child(screen, "leaveButton").text, data.lessonId ? "Back to map" : "All games")
        verify(!child(screen, "confetti").active) // nothing scored
        const hasNext = data.lessonId !== "" && data.lessonId !== "u6l3"
        compare(child(screen, "nextButton").visible, hasNext)
        compare(child(screen, "replayGhostButton").visible, hasNext)
        compare(child(screen, "replayButton").visible, !hasNext)
        if (data.next) {
            compare(child(screen, "nextButton").text, data.next)
            let opened = ""
            screen.openLesson.connect(lessonId => opened = lessonId)
            mouseClick(child(screen, "nextButton"))
            compare(opened, "u1l3")
        }
    }

    function test_pausingLosesNoGameTimeAndThePausedCardQuits() {
        const screen = open(letterDrop, "u1l2")
        let exits = 0
        screen.exit.connect(() => ++exits)
        keyClick(Qt.Key_Space)
        GamesTestSupport.runTicks(screen.frame, 60)
        keyClick(Qt.Key_Escape)
        verify(child(screen, "pausedCard").visible)
        const left = screen.model.timeLeft
        verify(left <= 44) // the real timer may add ticks of its own before the pause
        verify(!GamesTestSupport.ticking(screen.frame))

        keyClick(Qt.Key_Escape)
        verify(!child(screen, "pausedCard").visible)
        tryVerify(() => screen.model.timeLeft < left)
        keyClick(Qt.Key_Escape)
        mouseClick(child(screen, "quitButton"))
        compare(exits, 1)
        compare(GamesTestSupport.recordedGames(), 0) // a game left unfinished is no game
        keyClick(Qt.Key_Escape) // a screen on its way out takes no more keys
        verify(screen.model.state === GameModel.Paused)
    }

    // Recording once per ending is the frame's, tested in C++; here the card and the confetti.
    function test_aNewHighScoreShowsOnTheCardUntilTheReplay() {
        const screen = open(letterDrop)
        keyClick(Qt.Key_Space)
        const letters = child(screen, "letters")
        for (let tick = 0; tick < 200; ++tick) {
            GamesTestSupport.runTicks(screen.frame, 1)
            for (let i = letters.count - 1; i >= 0; --i)
                keyClick(letters.itemAt(i).letter)
        }
        verify(screen.model.score > 0)
        compare(child(screen, "score").text, String(screen.model.score))
        playToTheEnd(screen)
        compare(GamesTestSupport.recordedGames(), 1)
        compare(child(screen, "headline").text, "🏆 NEW HIGH SCORE!")
        tryVerify(() => child(screen, "confetti").active)
        compare(child(screen, "finalScore").text, String(screen.model.score))
        compare(child(screen, "best").text, "Best: " + screen.model.score)

        keyClick(Qt.Key_Space)
        verify(!child(screen, "confetti").active)
        verify(!child(screen, "overCard").visible)
    }

    // Copy Cat: runs the show to its end, leaving the child's turn.
    function watchTheShow(screen) {
        GamesTestSupport.runTicks(screen.frame, Math.ceil(54 * screen.model.sequence.length) + 1)
        verify(screen.model.phase === CopyCatModel.Echo)
    }

    function test_theParrotShowsEachKeyThenTheChildEchoesIt() {
        const screen = open(copyCat)
        keyClick(Qt.Key_Return)
        GamesTestSupport.runTicks(screen.frame, 1)
        const pattern = screen.model.sequence
        compare(child(child(screen, "showCard"), "shownKey").text, pattern[0].toUpperCase())
        tryCompare(child(screen, "parrotSays"), "text", "Watch closely!")
        watchTheShow(screen)
        tryCompare(child(screen, "parrotSays"), "text", "Your turn!")
        verify(!child(screen, "showCard").visible)
        const slots = child(screen, "slots")
        keyClick(pattern[0].toUpperCase()) // Shift does not matter
        verify(child(slots.itemAt(0), "slotKey").visible)
        compare(child(slots.itemAt(0), "slotKey").text, pattern[0].toUpperCase())
        verify(!child(slots.itemAt(1), "slotKey").visible)
        keyClick(pattern[1])
        tryCompare(child(screen, "parrotSays"), "text", "🎉 Perfect!")
        compare(child(screen, "score").text, "35")
        GamesTestSupport.runTicks(screen.frame, 48)
        compare(child(screen, "roundPill").text, "Round 2 of 8")
    }

    // What a miss does is the model's, tested in C++; here the bonus texts, the hearts and the
    // card the parrot's last miss leaves.
    function test_aBonusParrotGameShowsItsHeartsAndLastRound() {
        const screen = open(copyCat, "u1l2")
        compare(child(screen, "barTitle").text, "🎁 Bonus Round · Copy Cat")
        compare(child(screen, "focusLine").text, "Watch for your new keys: D K")
        compare(child(screen, "poolLine").text, "Playing with: F J D K")
        compare(child(screen, "roundPill").text, "Round 1 of 8")
        keyClick(Qt.Key_Space)
        for (const hearts of ["❤️❤️🖤", "❤️🖤🖤", "🖤🖤🖤"]) {
            watchTheShow(screen)
            keyClick("q") // the pools here are home-row letters
            compare(child(screen, "hearts").text, hearts)
        }
        tryVerify(() => child(screen, "overCard").visible)
        // A bonus round has no words of its own: the parrot flew off either way.
        compare(child(screen, "headline").text, "Good try! The parrot flew off")
        compare(child(screen, "roundLine").text, "You reached round 1 of 8")
        verify(!child(screen, "confetti").active)
        compare(GamesTestSupport.recordedGames(), 1)
    }

    // Rocket Race: the characters of the passage row as the child sees them.
    function passageRow(screen) {
        const cells = child(screen, "cells")
        let shown = ""
        for (let i = 0; i < cells.count; ++i) {
            if (cells.itemAt(i).visible)
                shown += findChild(cells.itemAt(i), "glyph").text
        }
        return shown
    }

    function test_lettersAndSpacesReachTheRace() {
        const screen = open(rocketRace)
        compare(child(screen, "playerLane").name, "Mia")
        verify(!child(screen, "poolLine").visible) // a race shows its passage instead
        keyClick(Qt.Key_Space)
        const passage = screen.model.passage
        verify(passage.length <= 140)
        const firstSpace = passage.indexOf(" ")
        // Spaces still to type show as dots.
        compare(passageRow(screen), passage.slice(0, 32).replace(/ /g, "·"))
        const firstCell = child(screen, "cells").itemAt(0)

        keyClick(passage[0] === "z" ? "y" : "z")
        compare(child(screen, "liveAccuracy").text, "0% acc")

        for (const ch of passage.slice(0, firstSpace + 1))
            keyClick(ch)
        const typed = firstSpace + 1
        compare(screen.model.typedCount, typed)
        // What is typed shows as typed, its space too; the rest still has dots.
        compare(passageRow(screen), passage.slice(screen.model.windowStart, typed)
                + passage.slice(typed, typed + 32).replace(/ /g, "·"))
        // The row grew by a cell a key, and kept the cells it had.
        verify(child(screen, "cells").itemAt(0) === firstCell,
               "a key rebinds the cells, never remakes them")
        tryVerify(() => findChild(child(screen, "playerLane"), "racer").x > 0)
    }

    // The child types `cpm` characters a minute; the rivals 130, 90 and 50. The places and
    // scores are the model's, tested in C++; here the first and the last place as the card
    // and the rivals' tags show them.
    function test_thePlaceOnTheCard_data() {
        return [
            { tag: "1st", cpm: 1000, headline: "🥇 1st place!!", tags: ["", "", ""] },
            { tag: "4th", cpm: 30, headline: "4th — you'll get them next time!",
              tags: ["done! 🥉", "done! 🥈", "done! 🥇"] }
        ]
    }
    function test_thePlaceOnTheCard(data) {
        const screen = open(rocketRace)
        keyClick(Qt.Key_Space)
        const passage = screen.model.passage
        keyClick(passage[0]) // the clock starts
        GamesTestSupport.runTicks(screen.frame, 3600 * passage.length / data.cpm)
        for (const ch of passage.slice(1))
            keyClick(ch)
        tryVerify(() => child(screen, "overCard").visible)
        compare(child(screen, "headline").text, data.headline)
        compare(child(screen, "finalWpm").text, screen.model.wpm + " wpm")
        compare(child(screen, "finalAccuracy").text, "100% accuracy")
        verify(child(screen, "highScoreLine").visible) // the first score is the best
        tryVerify(() => child(screen, "confetti").active)
        compare(child(screen, "replayButton").text, "Race again  (space)")
        const lanes = child(screen, "rivalLanes")
        for (let i = 0; i < lanes.count; ++i) {
            const tag = child(lanes.itemAt(i), "finishTag")
            compare(tag.visible, data.tags[i] !== "")
            if (tag.visible)
                compare(child(tag, "tagText").text, data.tags[i])
        }
    }
}
