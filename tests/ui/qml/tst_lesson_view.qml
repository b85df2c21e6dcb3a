// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Store
import Tapalong.Ui
import Tapalong.UiTestSupport

// The lesson screen's glue: real keys reach the lesson without rebuilding the line; the results.
TestCase {
    id: testCase
    name: "LessonView"
    when: windowShown
    visible: true
    width: 1180; height: 780

    Component { id: viewComponent; LessonPlayView {} }
    Component { id: spyComponent; SignalSpy {} }

    // Recording needs an explorer; the other files of this run expect nobody.
    function initTestCase() { AppStore.addProfile("Ada", "🦊") }
    function cleanupTestCase() { UiTestSupport.reset() }

    function openLesson(lessonId) {
        return createTemporaryObject(viewComponent, testCase, { lessonId: lessonId, width: width, height: height })
    }

    function test_realKeysReachTheLessonWithoutRebuildingTheLine() {
        const view = openLesson("u1l1")
        verify(view.controller.tutorial.active)
        compare(findChild(view, "tutorial").shown, true)

        keyClick(Qt.Key_Escape)
        verify(!view.controller.tutorial.active)

        const cells = findChild(view, "cells")
        compare(cells.count, view.session.chars.length)
        const added = createTemporaryObject(spyComponent, testCase, { target: cells, signalName: "itemAdded" })
        const first = cells.itemAt(0)

        keyClick(view.session.expected)
        keyClick("~")
        keyClick(view.session.expected)
        compare(view.session.charIndex, 2)
        compare(view.session.wrong, 1)
        compare(added.count, 0, "a key press changes bindings, never the cells")
        verify(cells.itemAt(0) === first)

        keyClick(Qt.Key_Escape)
        verify(findChild(view, "pause").visible)
        compare(findChild(view, "keyboard").highlight, "")
        keyClick(Qt.Key_Escape)
        verify(!findChild(view, "pause").visible)
    }

    function test_spacesShowAsDotsUntilTypedAndTheResultsCardFollows() {
        const view = openLesson("u1l1")
        view.controller.tutorial.end()
        const space = view.session.chars.indexOf(" ")
        const cells = findChild(view, "cells")
        compare(cells.itemAt(space).children[1].text, "·")
        for (let i = 0; i <= space; ++i)
            view.session.handle(view.session.expected)
        compare(cells.itemAt(space).children[1].text, "")
        while (!view.session.finished)
            view.session.handle(view.session.expected)

        const results = findChild(view, "results")
        tryVerify(() => results.visible) // after the frame of the last key
        compare(findChild(results, "nextButton").text, "Next: D and K  ▶")
        compare(findChild(results, "bonusButtons").count, 3)

        const stars = findChild(results, "stars")
        compare(stars.itemAt(2).scale, 0.1)
        tryCompare(view.controller, "showStars", true, 1000)
        tryVerify(() => Math.abs(stars.itemAt(2).scale - 1) < 0.01, 3000, "the last star pops in")

        const nexts = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "next" })
        mouseClick(findChild(results, "nextButton"))
        compare(nexts.signalArguments.map(args => args[0]), ["u1l2"])
    }
}
