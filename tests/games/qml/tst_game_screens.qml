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

    Component { id: letterDrop; LetterRainView { anchors.fill: parent } }
    Component { id: wordMeteors; WordBlasterView { anchors.fill: parent } }
    Component { id: keyMoles; KeyMolesView { anchors.fill: parent } }

    SignalSpy { id: exitSpy; signalName: "exit" }
    SignalSpy { id: openLessonSpy; signalName: "openLesson" }

    function init() {
        GamesTestSupport.reset()
        AppStore.addProfile("Mia", "🦊")
    }

    // As the root view opens a screen: free play, or a bonus round after `lessonId`.
    function open(component, lessonId) {
        const screen = createTemporaryObject(component, testCase, lessonId
            ? { bonus: { lessonId: lessonId, duration: 45 }, nextLessonId: "" } : {})
        verify(screen)
        exitSpy.clear()
        exitSpy.target = screen
        openLessonSpy.clear()
        openLessonSpy.target = screen
        return screen
    }

    function textOf(screen, name) {
        const item = findChild(screen, name)
        verify(item, name)
        return item.text
    }

    function shown(screen, name) {
        const item = findChild(screen, name)
        verify(item, name)
        return item.visible
    }

    function playToTheEnd(screen) {
        GamesTestSupport.runTicks(screen.frame, 60 * 600)
        verify(screen.game.isOver)
    }

    function test_theStartCardTakesOnlyStartAndEscape() {
        const screen = open(keyMoles)
        keyClick(Qt.Key_A)
        verify(screen.model.isReady)
        verify(shown(screen, "startCard"))
        keyClick(Qt.Key_Escape)
        compare(exitSpy.count, 1)
        keyClick(Qt.Key_Space) // a screen on its way out starts nothing
        verify(screen.model.isReady)
    }

    function test_pausingLosesNoGameTimeAndThePausedCardQuits() {
        const screen = open(letterDrop, "u1l2")
        keyClick(Qt.Key_Space)
        GamesTestSupport.runTicks(screen.frame, 60)
        keyClick(Qt.Key_Escape)
        verify(screen.model.isPaused)
        verify(shown(screen, "pausedCard"))
        const left = screen.model.timeLeft
        verify(left <= 44) // the real timer may add ticks of its own before the pause
        wait(200) // the timer would have fired a dozen times
        compare(screen.model.timeLeft, left)

        keyClick(Qt.Key_Escape)
        verify(screen.model.isPlaying)
        verify(!shown(screen, "pausedCard"))
        tryVerify(() => screen.model.timeLeft < left)

        keyClick(Qt.Key_Escape)
        mouseClick(findChild(screen, "quitButton"))
        compare(exitSpy.count, 1)
    }

    function test_heldSpaceStartsOneGame() {
        const screen = open(letterDrop)
        GamesTestSupport.holdKey(testCase.Window.window, Qt.Key_Space, " ", 1)
        GamesTestSupport.runTicks(screen.frame, 1)
        const letters = findChild(screen, "letters")
        compare(letters.count, 1)
        GamesTestSupport.holdKey(testCase.Window.window, Qt.Key_Space, " ", 8)
        verify(screen.model.isPlaying)
        compare(letters.count, 1) // a restart would have cleared the sky
    }

    // `ready`: a part of the start card's text that only the right one of its two has.
    function test_theCards_data() {
        return [
            { tag: "Letter Drop", component: letterDrop, lessonId: "", bar: "🪂 Letter Drop",
              title: "Letter Drop", focus: "", ready: "You have 3 hearts",
              over: "Splash! Game over", leave: "All games" },
            { tag: "Letter Drop, bonus", component: letterDrop, lessonId: "u1l2",
              bar: "🎁 Bonus Round · Letter Drop", title: "Bonus Round!",
              focus: "Watch for your new keys: D K", ready: "you have\n45 seconds.",
              over: "🎁 Bonus round done!", leave: "Back to map" },
            { tag: "Word Meteors, bonus", component: wordMeteors, lessonId: "u1l3",
              bar: "🎁 Bonus Round · Word Meteors", title: "Bonus Round!",
              focus: "The meteors love your new keys: S L", ready: "You have 45 seconds.",
              over: "🎁 Bonus round done!", leave: "Back to map" },
            { tag: "Key Moles", component: keyMoles, lessonId: "", bar: "🐹 Key Moles",
              title: "Key Moles", focus: "", ready: "in 60 seconds?",
              over: "Time's up!", leave: "All games" },
            { tag: "Key Moles, review bonus", component: keyMoles, lessonId: "u1l6",
              bar: "🎁 Bonus Round · Key Moles", title: "Bonus Round!", focus: "",
              ready: "you have\n45 seconds.", over: "🎁 Bonus round done!",
              leave: "Back to map" }
        ]
    }
    function test_theCards(data) {
        const screen = open(data.component, data.lessonId)
        compare(textOf(screen, "barTitle"), data.bar)
        compare(textOf(screen, "startTitle"), data.title)
        verify(textOf(screen, "readyText").includes(data.ready), textOf(screen, "readyText"))
        compare(shown(screen, "focusLine"), data.focus !== "")
        if (data.focus !== "")
            compare(textOf(screen, "focusLine"), data.focus)
        compare(textOf(screen, "poolLine").indexOf("Playing with: "), 0)

        mouseClick(findChild(screen, "startButton"))
        verify(screen.model.isPlaying)
        verify(!shown(screen, "startCard"))
        playToTheEnd(screen)
        verify(shown(screen, "overCard"))
        compare(textOf(screen, "headline"), data.over)
        compare(textOf(screen, "best"), "Best: 0")
        compare(textOf(screen, "leaveButton"), data.leave)
        verify(!findChild(screen, "confetti").active) // nothing scored
    }

    function test_freePlayHasNoClockAndFromFifteenLettersOnAllYourLetters() {
        GamesTestSupport.finishLessonsThrough("u2l2") // 13 letters
        let screen = open(letterDrop)
        compare(textOf(screen, "poolLine"), "Playing with: A S D F G H J K L E I R U")
        keyClick(Qt.Key_Return)
        verify(!shown(screen, "timePill"))
        verify(!screen.model.hasTimeLimit)
        screen.destroy()
        GamesTestSupport.finishLessonsThrough("u2l3") // 15 letters
        screen = open(letterDrop)
        compare(textOf(screen, "poolLine"), "Playing with: all your letters!")
    }

    function catchEveryLetter(screen) {
        const letters = findChild(screen, "letters")
        for (let tick = 0; tick < 200; ++tick) {
            GamesTestSupport.runTicks(screen.frame, 1)
            for (let i = letters.count - 1; i >= 0; --i)
                keyClick(letters.itemAt(i).letter)
        }
    }

    function test_aGameEndedAndRestartedIsRecordedTwice() {
        const screen = open(letterDrop)
        keyClick(Qt.Key_Space)
        catchEveryLetter(screen)
        verify(screen.model.score > 0)
        compare(textOf(screen, "score"), String(screen.model.score))
        playToTheEnd(screen)
        compare(GamesTestSupport.recordedGames(), 1)
        compare(textOf(screen, "headline"), "🏆 NEW HIGH SCORE!")
        verify(findChild(screen, "confetti").active)
        compare(textOf(screen, "finalScore"), String(screen.model.score))
        compare(textOf(screen, "best"), "Best: " + screen.model.score)

        keyClick(Qt.Key_Space)
        verify(screen.model.isPlaying)
        verify(!findChild(screen, "confetti").active)
        playToTheEnd(screen)
        compare(GamesTestSupport.recordedGames(), 2)
        compare(textOf(screen, "headline"), "Splash! Game over") // 0 beats nothing
    }

    function test_theGameOverButtonsOfABonusRound_data() {
        return [
            { tag: "with a next lesson", lessonId: "u1l2", next: "Next: S and L  ▶" },
            { tag: "after the last lesson", lessonId: "u6l3", next: "" }
        ]
    }
    function test_theGameOverButtonsOfABonusRound(data) {
        const screen = open(keyMoles, data.lessonId)
        keyClick(Qt.Key_Return)
        playToTheEnd(screen)
        compare(shown(screen, "nextButton"), data.next !== "")
        compare(shown(screen, "replayGhostButton"), data.next !== "")
        compare(shown(screen, "replayButton"), data.next === "")
        if (data.next === "")
            return
        compare(textOf(screen, "nextButton"), data.next)
        mouseClick(findChild(screen, "nextButton"))
        compare(openLessonSpy.count, 1)
        compare(openLessonSpy.signalArguments[0][0], "u1l3")
    }

    function test_aBonkIsCountedInTheBarAndOnTheCard() {
        const screen = open(keyMoles)
        keyClick(Qt.Key_Space)
        GamesTestSupport.runTicks(screen.frame, 1) // the first mole
        const holes = findChild(screen, "holes")
        let key = ""
        for (let i = 0; i < holes.count; ++i) {
            if (holes.itemAt(i).hasMole)
                key = holes.itemAt(i).moleKey
        }
        verify(key !== "")
        keyClick(key)
        compare(textOf(screen, "bonkCounter"), "🐹 bonked: 1")
        verify(shown(screen, "timePill"))
        compare(textOf(screen, "timePill"), "⏱ 60s")
        playToTheEnd(screen)
        compare(textOf(screen, "bonkedLine"), "bonked 1 moles")
    }

    function test_typingAMeteorsFirstLetterLocksOnToIt() {
        const screen = open(wordMeteors)
        keyClick(Qt.Key_Space)
        GamesTestSupport.runTicks(screen.frame, 1)
        const meteors = findChild(screen, "meteors")
        compare(meteors.count, 1)
        const meteor = meteors.itemAt(0)
        keyClick(meteor.word[0])
        verify(meteor.isTarget)
        compare(findChild(meteor, "typedPart").text, meteor.word[0])
        compare(findChild(meteor, "restPart").text, meteor.word.slice(1))
        keyClick(Qt.Key_1) // no letter: never reaches the game
        compare(meteor.typed, 1)
        compare(screen.model.misses, 0)
    }
}
