import QtQuick
import QtTest
import Tapalong.Ui

// The glue of the learn map and the dashboard: which clicks reach the main view. The store has
// no current profile, so both show a blank explorer at the very start of the course.
TestCase {
    id: testCase
    name: "HomeViews"
    when: windowShown
    // TestCase hides itself by default, and hidden items get no mouse events.
    visible: true
    width: 1100
    height: 720

    Component { id: map; LessonListView { anchors.fill: parent } }
    Component { id: dashboard; DashboardView { anchors.fill: parent } }
    Component { id: spyComponent; SignalSpy {} }

    function test_onlyAnUnlockedBubbleOpensItsLesson() {
        const view = createTemporaryObject(map, testCase)
        const opened = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "openLesson" })
        const first = findChild(view, "bubble u1l1")
        const second = findChild(view, "bubble u1l2")
        verify(first && second)
        waitForRendering(view)

        compare(second.opacity, 0.55)
        verify(!findChild(second, "ring").visible)
        mouseMove(second)
        const help = findChild(second, "tooltip")
        tryCompare(help, "visible", true, 2000)
        compare(help.text, "Finish the lesson before this one to unlock!")
        mouseClick(second)
        compare(opened.count, 0)

        compare(first.opacity, 1)
        verify(findChild(first, "ring").visible)
        mouseClick(first)
        compare(opened.count, 1)
        compare(opened.signalArguments[0][0], "u1l1")
    }

    function test_startOpensTheNextLesson() {
        const view = createTemporaryObject(dashboard, testCase)
        const opened = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "openLesson" })
        const learn = createTemporaryObject(spyComponent, testCase, { target: view, signalName: "goLearn" })
        const start = findChild(view, "continueButton")
        compare(start.text, "Start  ▶")
        compare(findChild(view, "greeting").text, "Hi, ! 🙂")
        waitForRendering(view)

        mouseClick(start)
        compare(opened.count, 1)
        compare(opened.signalArguments[0][0], "u1l1")
        compare(learn.count, 0)
    }
}
