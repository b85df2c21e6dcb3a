import QtQuick
import QtTest
import Tapalong.Store
import Tapalong.Ui
import Tapalong.UiTestSupport

// The glue of the games and champions tabs: clicks reach the main view, sounds follow the
// setting, and the tab strip changes the board shown.
TestCase {
    id: testCase
    name: "ArcadeAndChampions"
    when: windowShown
    // TestCase hides itself by default, and hidden items get no mouse events.
    visible: true
    width: 1100
    height: 720

    Component { id: hub; GamesHubView { anchors.fill: parent } }
    Component { id: champions; ChampionsView { anchors.fill: parent } }
    Component { id: spyComponent; SignalSpy {} }

    function init() {
        UiTestSupport.reset()
    }
    // The other files of this run expect nobody in the household.
    function cleanup() {
        UiTestSupport.reset()
    }

    function test_aCardOpensItsGame_data() {
        return [
            { tag: "with a tink", soundOff: false, game: "keyMoles", scoreLine: "High score: 480", played: ["Tink"] },
            { tag: "silently with sound off", soundOff: true, game: "copyCat", scoreLine: "No score yet — go!", played: [] },
        ]
    }

    function test_aCardOpensItsGame(data) {
        AppStore.addProfile("Mia", "🦊")
        UiTestSupport.recordGame("keyMoles", 480)
        if (data.soundOff)
            AppStore.toggleSound()
        const view = createTemporaryObject(hub, testCase)
        const opened = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "openGame" })
        compare(findChild(view, "learnedKeys").text, "Games use the keys you've learned: A S D F J K L")
        const card = findChild(view, "game " + data.game)
        compare(findChild(card, "scoreLine").text, data.scoreLine)
        waitForRendering(view)

        mouseClick(card)
        compare(opened.count, 1)
        compare(opened.signalArguments[0][0], data.game)
        compare(UiTestSupport.played, data.played)
    }

    function test_theTabStripSwitchesBoards() {
        AppStore.addProfile("Mia", "🦊")
        const mia = AppStore.currentProfileId
        UiTestSupport.finishLesson("u1l1", 3, 14)
        UiTestSupport.recordGame("letterDrop", 90)
        AppStore.addProfile("Leo", "🐯")
        UiTestSupport.recordGame("letterDrop", 120)
        AppStore.chooseProfile(mia)
        const view = createTemporaryObject(champions, testCase)
        waitForRendering(view)

        compare(findChild(view, "board Star Collectors").selected, true)
        verify(findChild(view, "row Mia"))
        verify(!findChild(view, "row Leo"))

        mouseClick(findChild(view, "board Letter Drop"))
        compare(UiTestSupport.played, ["Tink"])
        compare(findChild(view, "board Letter Drop").selected, true)
        compare(findChild(view, "board Star Collectors").selected, false)
        waitForRendering(view)
        const leo = findChild(view, "row Leo")
        const mine = findChild(view, "row Mia")
        verify(leo.y < mine.y)
        compare(findChild(leo, "value").text, "120")
        compare(findChild(leo, "value").color, Theme.sunshine)
        compare(findChild(mine, "value").color, Theme.textPrimary)
        verify(!findChild(leo, "you").visible)
        verify(findChild(mine, "you").visible)
        verify(!findChild(view, "empty").visible)

        mouseClick(findChild(view, "board Copy Cat"))
        compare(findChild(view, "emptyMessage").text, "No scores yet — be the first to play!")
        verify(findChild(view, "empty").visible)
    }
}
