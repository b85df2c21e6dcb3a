// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Store
import Tapalong.Ui
import Tapalong.UiTestSupport

// The four tabs with the keyboard alone: Tab reaches every control in reading order with the
// ring on it, arrows move inside the grids, Return presses.
TestCase {
    id: testCase
    name: "KeyboardWalk"
    when: windowShown
    visible: true
    width: 1100; height: 720

    Component { id: map; LessonListView { anchors.fill: parent } }
    Component { id: dashboard; DashboardView { anchors.fill: parent } }
    Component { id: hub; GamesHubView { anchors.fill: parent } }
    Component { id: champions; ChampionsView { anchors.fill: parent } }
    Component { id: spyComponent; SignalSpy {} }

    function init() {
        UiTestSupport.reset()
        AppStore.addProfile("Mia", "🦊")
    }
    function cleanup() { UiTestSupport.reset() }

    function focused() { return testCase.Window.activeFocusItem }

    // The ring drawn round the focused item, outside its edge.
    function verifyRing(item) {
        const ring = findChild(item, "focusRing")
        verify(ring, "a focus ring in " + item.objectName)
        verify(ring.visible, "the ring shows on " + item.objectName)
        verify(ring.border.width >= 2 && ring.border.color === Theme.focusRing)
    }

    // Presses Tab (or Shift+Tab) `count` times and answers the focused objects' names.
    function walk(count, backwards) {
        const names = []
        for (let i = 0; i < count; ++i) {
            keyClick(Qt.Key_Tab, backwards ? Qt.ShiftModifier : Qt.NoModifier)
            names.push(focused().objectName)
        }
        return names
    }

    function make(component) {
        const view = createTemporaryObject(component, testCase)
        waitForRendering(view)
        return view
    }

    function test_theDashboardStartsTheNextLessonFromTheKeyboard() {
        const view = make(dashboard)
        const opened = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "openLesson" })
        compare(walk(2), ["continueButton", "shelf"])
        verifyRing(findChild(view, "shelf"))
        compare(walk(1, true), ["continueButton"])
        verifyRing(findChild(view, "continueButton"))
        compare(findChild(view, "continueButton").Accessible.name, "Start lesson: Meet F and J")
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Space)
        compare(opened.signalArguments.map(args => args[0]), ["u1l1", "u1l1"])
    }

    // Guards the shelf whose last badges lay out of sight: the arrows bring each one into view.
    function test_theBadgeShelfIsOneStopWalkedWithTheArrows() {
        const view = make(dashboard)
        const shelf = findChild(view, "shelf")
        shelf.forceActiveFocus(Qt.TabFocusReason)
        const flick = findChild(view, "badgeShelf")
        const chips = findChild(view, "badgeChips")
        verify(shelf.Accessible.name.startsWith("Badges: "))
        for (let i = 0; i < chips.count + 2; ++i)
            keyClick(Qt.Key_Right)
        compare(shelf.current, chips.count - 1)
        const last = chips.itemAt(chips.count - 1)
        verify(last.mapToItem(flick, 0, 0).x + last.width <= flick.width + 0.5)
        verify(findChild(last, "focusRing").visible)
        verify(!findChild(chips.itemAt(0), "focusRing").visible)
        keyClick(Qt.Key_Left)
        compare(shelf.current, chips.count - 2)
    }

    function test_theMapIsWalkedWithTabAndTheArrows() {
        const view = make(map)
        const opened = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "openLesson" })
        compare(walk(3), ["bubble u1l1", "bubble u1l2", "bubble u1l3"])
        verifyRing(focused())
        compare(focused().Accessible.name, "Locked lesson: S and L")
        keyClick(Qt.Key_Left)
        keyClick(Qt.Key_Left)
        compare(focused().objectName, "bubble u1l1")
        keyClick(Qt.Key_Left)
        compare(focused().objectName, "bubble u1l1", "the arrows stop at the edge")
        compare(focused().Accessible.name, "Start lesson: Meet F and J")

        // Down goes to the next row, or to the next unit's first row below the last one.
        const startY = focused().mapToItem(view, 0, 0).y
        keyClick(Qt.Key_Down)
        verify(focused().objectName.startsWith("bubble "))
        verify(focused().mapToItem(view, 0, 0).y > startY)
        keyClick(Qt.Key_Up)
        compare(focused().objectName, "bubble u1l1")

        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Right)
        keyClick(Qt.Key_Return) // locked
        compare(opened.signalArguments.map(args => args[0]), ["u1l1"])
    }

    // Guards a map that Tab walked off screen: the focused bubble scrolls into sight.
    function test_theFocusedBubbleScrollsIntoSight() {
        const view = make(map)
        walk(1)
        for (let i = 0; i < 12; ++i)
            keyClick(Qt.Key_Down)
        const bubble = focused()
        const y = bubble.mapToItem(view, 0, 0).y
        verify(y >= 0 && y + bubble.height <= view.height, "bubble at " + y)
    }

    function test_theGamesHubIsWalkedWithTabAndTheArrows() {
        const view = make(hub)
        const opened = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "openGame" })
        const first = walk(1)[0]
        verify(first.startsWith("game "))
        verifyRing(focused())
        verify(focused().Accessible.name.startsWith("Play "))
        keyClick(Qt.Key_Right)
        const second = focused().objectName
        verify(second !== first && second.startsWith("game "))
        keyClick(Qt.Key_Left)
        compare(focused().objectName, first)
        keyClick(Qt.Key_Down)
        verify(focused().objectName !== first)
        keyClick(Qt.Key_Up)
        compare(focused().objectName, first)
        keyClick(Qt.Key_Space)
        compare(opened.count, 1)
        compare("game " + opened.signalArguments[0][0], first)
    }

    function test_theChampionsBoardsAreChosenFromTheKeyboard() {
        UiTestSupport.recordGame("letterDrop", 90)
        const view = make(champions)
        compare(walk(2), ["board Letter Drop", "board Word Meteors"])
        verifyRing(focused())
        compare(focused().Accessible.role, Accessible.PageTab)
        keyClick(Qt.Key_Left)
        const first = focused()
        keyClick(Qt.Key_Return)
        verify(first.selected)
        compare(findChild(view, "row Mia").Accessible.name, "1. Mia the fox: " + findChild(findChild(view, "row Mia"), "value").text + " (you)")
        keyClick(Qt.Key_Right)
        keyClick(Qt.Key_Space)
        verify(focused().selected && !first.selected)
    }
}
