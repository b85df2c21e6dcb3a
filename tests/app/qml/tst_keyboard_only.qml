// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.App
import Tapalong.Store
import Tapalong.TestSupport
import Tapalong.Ui

// A first explorer, from the picker to the end of the first lesson, with the keyboard alone:
// Tab and Shift+Tab walk the controls with the ring on each, Return presses, Escape steps back,
// and while a drill runs Tab is only a key of the drill.
TestCase {
    id: testCase
    name: "KeyboardOnly"
    when: windowShown
    visible: true
    width: 1180; height: 780

    Component { id: rootComponent; RootView { anchors.fill: parent } }
    Component { id: lessonComponent; LessonPlayView { objectName: "lessonScreen"; anchors.fill: parent } }

    function init() { TestSupport.reset() }

    function focused() { return testCase.Window.activeFocusItem }

    function tab(backwards) {
        keyClick(Qt.Key_Tab, backwards ? Qt.ShiftModifier : Qt.NoModifier)
        const item = focused()
        const ring = findChild(item, "focusRing")
        verify(ring && ring.visible, "the ring shows on " + item.objectName)
        return item.objectName
    }

    function walk(count, backwards) {
        const names = []
        for (let i = 0; i < count; ++i)
            names.push(tab(backwards))
        return names
    }

    function shownScreen(root) {
        const current = findChild(root, "screenHost").current
        return current ? current.children[0] : null
    }

    function test_aFirstLessonFromAFreshHomeWithTheKeyboardAlone() {
        const root = createTemporaryObject(rootComponent, testCase, { lessonScreen: lessonComponent })
        const picker = findChild(root, "picker").item
        waitForRendering(picker)
        compare(walk(1), ["newExplorer"])
        keyClick(Qt.Key_Return)
        const sheet = findChild(picker, "createSheet")
        tryCompare(sheet, "opened", true)
        compare(focused().objectName, "nameField")
        for (const ch of "Mia")
            keyClick(ch)

        // The animals are one stop, like radio buttons; the arrows choose.
        compare(walk(1, true), ["avatar 0"])
        compare(focused().Accessible.name, "fox")
        keyClick(Qt.Key_Right)
        compare(focused().objectName, "avatar 1")
        compare(sheet.avatar, "🐼")
        compare(walk(3), ["nameField", "cancelButton", "createButton"])
        keyClick(Qt.Key_Return)
        compare(AppStore.currentName, "Mia")
        compare(AppStore.currentAvatar, "🐼")

        tryCompare(findChild(root, "picker"), "active", false)
        const main = shownScreen(root)
        compare(main.objectName, "mainView")
        compare(walk(7), ["tab Home", "tab Learn", "tab Games", "tab Champions", "profileChip",
                          "continueButton", "shelf"])
        compare(findChild(main, "profileChip").Accessible.name, "Mia the panda: switch player, sound and voice")

        // Escape steps back from another tab to Home.
        compare(walk(3, true), ["continueButton", "profileChip", "tab Champions"])
        keyClick(Qt.Key_Return)
        compare(main.tab, "Champions")
        keyClick(Qt.Key_Escape)
        compare(main.tab, "Home")
        compare(focused().objectName, "tab Home")

        walk(5)
        compare(focused().objectName, "continueButton")
        keyClick(Qt.Key_Return)
        compare(root.navigation.screenKey, "lesson-u1l1")
        const lesson = shownScreen(root)
        tryCompare(lesson.parent, "opacity", 1)

        keyClick(Qt.Key_Escape) // ends the tutorial
        const before = focused()
        keyClick(Qt.Key_Tab)
        verify(focused() === before, "Tab during a drill moves no focus")
        compare(lesson.session.charIndex, 0)
        compare(lesson.session.wrong, 0)
        while (!lesson.session.finished)
            keyClick(lesson.session.expected)

        const results = findChild(lesson, "results")
        tryVerify(() => results.visible)
        // The card's buttons in reading order: three bonus games, back, retry, next.
        const names = walk(6)
        verify(names.slice(0, 3).every(name => name.startsWith("bonus ")), names)
        compare(names.slice(3), ["backButton", "retryButton", "nextButton"])
        compare(tab(true), "retryButton")
        compare(tab(), "nextButton")
        keyClick(Qt.Key_Return)
        compare(root.navigation.screenKey, "lesson-u1l2")
    }
}
