import QtQuick
import QtTest
import Tapalong.Games
import Tapalong.Store
import Tapalong.GamesTestSupport

// The Copy Cat screen's glue: the parrot's words per phase, the show card and the echo slots
// following the model, the round in the bar and on the card, and its own game-over headline.
TestCase {
    id: testCase
    name: "CopyCat"
    when: windowShown
    visible: true
    width: 1180
    height: 780

    Component { id: copyCat; CopyCatView { anchors.fill: parent } }

    function init() {
        GamesTestSupport.reset()
        AppStore.addProfile("Mia", "🦊")
    }

    // As the root view opens the screen: free play, or a bonus round after `lessonId`.
    function open(lessonId) {
        const screen = createTemporaryObject(copyCat, testCase, lessonId
            ? { bonus: { lessonId: lessonId, duration: 45 }, nextLessonId: "" } : {})
        verify(screen)
        return screen
    }

    function child(screen, name) {
        const item = findChild(screen, name)
        verify(item, name)
        return item
    }

    // The parrot's words settle after their 0.2 s fade.
    function parrotSays(screen, words) {
        tryCompare(child(screen, "parrotSays"), "text", words)
    }

    // Runs the show to its end, leaving the child's turn.
    function watchTheShow(screen) {
        GamesTestSupport.runTicks(screen.frame, Math.ceil(54 * screen.model.sequence.length) + 1)
        verify(screen.model.isEcho)
    }

    // A key no pattern holds: the pools here are home-row letters.
    function missOnce() {
        keyClick("q")
    }

    // `ready`: a part of the start card's text that only the right one of its two has.
    function test_theCards_data() {
        return [
            { tag: "free play", lessonId: "", bar: "🦜 Copy Cat", title: "Copy Cat",
              ready: "Patterns grow longer", focus: "", pool: "Playing with: A S D F J K L" },
            { tag: "bonus round", lessonId: "u1l2", bar: "🎁 Bonus Round · Copy Cat",
              title: "Bonus Round!", ready: "Nice work finishing the lesson!",
              focus: "Watch for your new keys: D K", pool: "Playing with: F J D K" }
        ]
    }
    function test_theCards(data) {
        const screen = open(data.lessonId)
        compare(child(screen, "barTitle").text, data.bar)
        compare(child(screen, "startTitle").text, data.title)
        verify(child(screen, "readyText").text.includes(data.ready), child(screen, "readyText").text)
        compare(child(screen, "focusLine").visible ? child(screen, "focusLine").text : "",
                data.focus)
        compare(child(screen, "poolLine").text, data.pool)
        compare(child(screen, "roundPill").text, "Round 1 of 8")
    }

    function test_theParrotShowsEachKeyThenTheChildEchoesIt() {
        const screen = open()
        keyClick(Qt.Key_Return)
        GamesTestSupport.runTicks(screen.frame, 1)
        const pattern = screen.model.sequence
        compare(pattern.length, 2)
        const card = child(screen, "showCard")
        verify(card.visible)
        compare(child(card, "shownKey").text, pattern[0].toUpperCase())
        parrotSays(screen, "Watch closely!")

        missOnce() // while the parrot shows: no heart lost
        compare(screen.model.hearts, 3)

        watchTheShow(screen)
        parrotSays(screen, "Your turn!")
        verify(!card.visible)
        const slots = child(screen, "slots")
        compare(slots.count, 2)
        verify(!findChild(slots.itemAt(0), "slotKey").visible)

        keyClick(pattern[0].toUpperCase()) // Shift does not matter
        verify(findChild(slots.itemAt(0), "slotKey").visible)
        compare(findChild(slots.itemAt(0), "slotKey").text, pattern[0].toUpperCase())
        verify(!findChild(slots.itemAt(1), "slotKey").visible)

        keyClick(pattern[1])
        parrotSays(screen, "🎉 Perfect!")
        compare(child(screen, "score").text, "35")

        GamesTestSupport.runTicks(screen.frame, 48)
        compare(child(screen, "roundPill").text, "Round 2 of 8")
        compare(screen.model.sequence.length, 3)
        parrotSays(screen, "Watch closely!")
    }

    function test_aMissShowsThePatternAgainAndTheThirdEndsTheGame_data() {
        return [ { tag: "free play", lessonId: "" }, { tag: "bonus round", lessonId: "u1l2" } ]
    }
    function test_aMissShowsThePatternAgainAndTheThirdEndsTheGame(data) {
        const screen = open(data.lessonId)
        keyClick(Qt.Key_Space)
        watchTheShow(screen)
        const pattern = screen.model.sequence
        keyClick(pattern[0])
        missOnce()
        compare(child(screen, "hearts").text, "❤️❤️🖤")
        verify(screen.model.isShowing)
        compare(screen.model.echoIndex, 0)

        watchTheShow(screen)
        missOnce()
        watchTheShow(screen)
        missOnce()
        verify(screen.model.isOver)
        // A bonus round has no words of its own: the parrot flew off either way.
        compare(child(screen, "headline").text, "Good try! The parrot flew off")
        compare(child(screen, "roundLine").text, "You reached round 1 of 8")
        compare(child(screen, "replayButton").visible, data.lessonId === "")
        compare(child(screen, "replayButton").text, "Play again  (space)")
        compare(child(screen, "best").text, "Best: 0")
        verify(!child(screen, "confetti").active)
        compare(GamesTestSupport.recordedGames(), 1)
    }

    function test_eightRoundsWinWithConfetti() {
        const screen = open()
        keyClick(Qt.Key_Space)
        for (let round = 1; round <= 8; ++round) {
            compare(child(screen, "roundPill").text, "Round " + round + " of 8")
            watchTheShow(screen)
            for (const key of screen.model.sequence)
                keyClick(key)
            GamesTestSupport.runTicks(screen.frame, 48) // the celebration
        }
        verify(screen.model.isOver)
        compare(child(screen, "finalScore").text, "795")
        compare(child(screen, "headline").text, "🏆 NEW HIGH SCORE!")
        compare(child(screen, "roundLine").text, "You reached round 8 of 8")
        verify(child(screen, "confetti").active)
    }
}
