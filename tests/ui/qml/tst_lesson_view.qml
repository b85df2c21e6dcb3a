import QtQuick
import QtTest
import Tapalong.Store
import Tapalong.Ui

// The lesson screen's glue: what the bar and the cards say, that real keys reach the lesson,
// that typing never rebuilds the line, and that the results card's buttons call back.
TestCase {
    id: testCase
    name: "LessonView"
    when: windowShown
    visible: true
    width: 1180
    height: 780

    property bool addedProfile: false

    Component { id: viewComponent; LessonPlayView {} }
    Component { id: spyComponent; SignalSpy {} }

    function initTestCase() {
        // Recording needs an explorer; leave the shared store as it was found.
        if (!AppStore.hasCurrentProfile) {
            AppStore.addProfile("Ada", "🦊")
            addedProfile = true
        }
    }

    function cleanupTestCase() {
        if (addedProfile)
            AppStore.deleteProfile(AppStore.currentProfileId)
    }

    function openLesson(lessonId) {
        const view = createTemporaryObject(viewComponent, testCase,
                                           { lessonId: lessonId, width: width, height: height })
        verify(view)
        return view
    }

    function typeRest(view) {
        const session = view.session
        while (!session.finished)
            session.handle(session.expected)
    }

    function test_realKeysReachTheLessonWithoutRebuildingTheLine() {
        const view = openLesson("u1l1")
        verify(view.controller.tutorialActive)
        compare(findChild(view, "tutorial").shown, true)
        compare(findChild(view, "drillLabel").text, "Drill 1 of 4")
        compare(findChild(findChild(view, "wpmStat"), "value").text, "–")
        compare(findChild(findChild(view, "accuracyStat"), "value").text, "100%")

        keyClick(Qt.Key_Escape)
        verify(!view.controller.tutorialActive)

        const cells = findChild(view, "cells")
        const count = cells.count
        compare(count, view.session.chars.length)
        const added = createTemporaryObject(spyComponent, testCase, { target: cells, signalName: "itemAdded" })
        const removed = createTemporaryObject(spyComponent, testCase, { target: cells, signalName: "itemRemoved" })
        const first = cells.itemAt(0)

        keyClick(view.session.expected)
        keyClick("~")
        keyClick(view.session.expected)
        compare(view.session.charIndex, 2)
        compare(view.session.wrong, 1)
        compare(added.count, 0, "a key press changes bindings, never the cells")
        compare(removed.count, 0)
        verify(cells.itemAt(0) === first)

        keyClick(Qt.Key_Escape)
        verify(findChild(view, "pause").visible)
        compare(findChild(view, "keyboard").highlight, "")
        keyClick(Qt.Key_Escape)
        verify(!findChild(view, "pause").visible)
    }

    function test_spacesShowAsDotsUntilTyped() {
        const view = openLesson("u1l1")
        view.controller.endTutorial()
        const line = view.session.chars
        const space = line.indexOf(" ")
        verify(space > 0)
        const cells = findChild(view, "cells")
        compare(cells.itemAt(space).children[1].text, "·")
        for (let i = 0; i <= space; ++i)
            view.session.handle(view.session.expected)
        compare(cells.itemAt(space).children[1].text, "")
    }

    function test_resultsCardAfterTheLastLine() {
        const view = openLesson("u1l1")
        view.controller.endTutorial()
        typeRest(view)

        const results = findChild(view, "results")
        verify(results)
        compare(view.session.stars, 3)
        compare(findChild(results, "title").text, "AMAZING! 🎉")
        compare(findChild(results, "nextButton").visible, true)
        compare(findChild(results, "nextButton").text, "Next: D and K  ▶")
        compare(findChild(results, "bonusButtons").count, 3)

        const badges = view.controller.newBadges.length
        const heading = findChild(results, "badgeHeading")
        compare(heading.parent.visible, badges > 0)
        compare(heading.text, badges >= 2 ? "New badges!" : "New badge!")

        const stars = findChild(results, "stars")
        compare(stars.itemAt(2).scale, 0.1)
        tryCompare(view.controller, "showStars", true, 1000)
        tryVerify(() => Math.abs(stars.itemAt(2).scale - 1) < 0.01, 3000, "the last star pops in")

        const nexts = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "next" })
        mouseClick(findChild(results, "nextButton"))
        compare(nexts.count, 1)
        compare(nexts.signalArguments[0][0], "u1l2")
    }

    function test_noNextAfterTheLastLessonAndRetryTypesAgain() {
        const view = openLesson("u6l3")
        view.controller.endTutorial()
        typeRest(view)
        const results = findChild(view, "results")
        compare(findChild(results, "nextButton").visible, false)

        view.controller.restart()
        compare(findChild(view, "results").visible, false)
        verify(!view.controller.tutorialActive)
        compare(findChild(view, "drillLabel").text, "Drill 1 of 4")
    }
}
