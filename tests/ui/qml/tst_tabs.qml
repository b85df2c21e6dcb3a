// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Store
import Tapalong.Ui
import Tapalong.UiTestSupport

// The glue of the four tabs: which clicks reach the main view and which sounds play.
TestCase {
    id: testCase
    name: "Tabs"
    when: windowShown
    visible: true // hidden items get no mouse events
    width: 1100; height: 720

    Component { id: map; LessonListView { anchors.fill: parent } }
    Component { id: dashboard; DashboardView { anchors.fill: parent } }
    Component { id: hub; GamesHubView { anchors.fill: parent } }
    Component { id: champions; ChampionsView { anchors.fill: parent } }
    Component { id: spyComponent; SignalSpy {} }

    // Nobody in the household: the home tabs show a blank explorer at the start of the course.
    function init() { UiTestSupport.reset() }
    function cleanup() { UiTestSupport.reset() }

    function openedLessons(component) {
        const view = createTemporaryObject(component, testCase)
        waitForRendering(view)
        return [view, createTemporaryObject(spyComponent, testCase, { target: view, signalName: "openLesson" })]
    }

    function test_onlyAnUnlockedBubbleOpensItsLesson() {
        const [view, opened] = openedLessons(map)
        const second = findChild(view, "bubble u1l2")
        mouseMove(second)
        tryCompare(findChild(second, "tooltip"), "visible", true, 2000)
        compare(findChild(second, "tooltip").text, "Finish the lesson before this one to unlock!")
        mouseClick(second)
        compare(opened.count, 0)

        const first = findChild(view, "bubble u1l1")
        mouseMove(first)
        tryCompare(findChild(first, "tooltip"), "visible", true, 2000)
        compare(findChild(first, "tooltip").text, "Play Meet F and J")
        mouseClick(first)
        compare(opened.signalArguments.map(args => args[0]), ["u1l1"])
    }

    function test_startOpensTheNextLesson() {
        const [view, opened] = openedLessons(dashboard)
        compare(findChild(view, "greeting").text, "Hi, ! 🙂")
        mouseClick(findChild(view, "continueButton"))
        compare(opened.signalArguments.map(args => args[0]), ["u1l1"])
    }

    // Guards the ⭐️ and ⌨️ cards, whose values and labels sat lower than the other two.
    function test_theFourNumbersStandInOneLine() {
        const view = createTemporaryObject(dashboard, testCase)
        waitForRendering(view)
        const labelY = ["Stars", "Best speed (wpm)", "Keys typed", "Day streak"].map(label =>
            findChild(findChild(view, "stat " + label), "label").mapToItem(view, 0, 0).y)
        for (const y of labelY)
            compare(y, labelY[0])
    }

    // Guards the shelf that hid five badges from a mouse user: at this width the last ones lie
    // beyond the edge, an arrow says so, and the wheel, a sideways swipe or the arrow bring
    // them into view.
    function test_theBadgeShelfScrollsToItsLastBadge() {
        const view = createTemporaryObject(dashboard, testCase)
        const shelf = findChild(view, "badgeShelf")
        const chips = findChild(view, "badgeChips")
        const lastChipEnd = () => chips.itemAt(chips.count - 1).mapToItem(shelf, 0, 0).x
                                  + chips.itemAt(chips.count - 1).width
        compare(chips.count, 16)
        waitForRendering(view)
        verify(lastChipEnd() > shelf.width)

        mouseWheel(shelf, 40, shelf.height / 2, 0, -120)
        verify(shelf.contentX > 0)
        mouseWheel(shelf, 40, shelf.height / 2, 0, 120)
        compare(shelf.contentX, 0)
        const [left, right] = [findChild(view, "moreLeft"), findChild(view, "moreRight")]
        verify(right.visible && !left.visible)
        for (let i = 0; i < 20; ++i)
            mouseWheel(shelf, 40, shelf.height / 2, -120, 0)
        verify(lastChipEnd() <= shelf.width)
        verify(left.visible && !right.visible)

        mouseClick(left)
        verify(shelf.contentX < shelf.contentWidth - shelf.width)
        verify(right.visible)
    }

    function test_aCardOpensItsGameWithATinkWhileSoundIsOn() {
        AppStore.addProfile("Mia", "🦊")
        UiTestSupport.recordGame("keyMoles", 480)
        const view = createTemporaryObject(hub, testCase)
        const opened = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "openGame" })
        const moles = findChild(view, "game keyMoles")
        const copyCat = findChild(view, "game copyCat")
        // The lines' words are the hub's, tested in C++; each card shows its own game's.
        verify(findChild(moles, "scoreLine").text.endsWith(" 480"))
        verify(!findChild(copyCat, "scoreLine").text.includes("480"))
        waitForRendering(view)

        mouseClick(moles)
        AppStore.toggleSound()
        mouseClick(copyCat)
        compare(opened.signalArguments.map(args => args[0]), ["keyMoles", "copyCat"])
        compare(UiTestSupport.played, ["Tink"])
    }

    function test_theTabStripSwitchesBoards() {
        AppStore.addProfile("Mia", "🦊")
        const mia = AppStore.currentProfileId
        UiTestSupport.recordGame("letterDrop", 90)
        AppStore.addProfile("Leo", "🐯")
        UiTestSupport.recordGame("letterDrop", 120)
        AppStore.chooseProfile(mia)
        const view = createTemporaryObject(champions, testCase)
        waitForRendering(view)
        verify(findChild(view, "empty").visible, "the stars board first, with no lesson finished")

        mouseClick(findChild(view, "board Letter Drop"))
        compare(UiTestSupport.played, ["Tink"])
        waitForRendering(view)
        const leo = findChild(view, "row Leo")
        const mine = findChild(view, "row Mia")
        verify(leo.y < mine.y)
        verify(!findChild(leo, "you").visible)
        verify(findChild(mine, "you").visible)
        verify(!findChild(view, "empty").visible)

        mouseClick(findChild(view, "board Copy Cat"))
        verify(findChild(view, "emptyMessage").text !== "")
        verify(findChild(view, "empty").visible)
    }
}
