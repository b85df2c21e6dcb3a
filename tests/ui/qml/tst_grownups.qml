// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Store
import Tapalong.Ui
import Tapalong.UiTestSupport

// The grown-ups' view: the sum keeps it shut, its texts show for a small household, and the
// dashboard's practice card appears only with enough key statistics.
TestCase {
    id: testCase
    name: "Grownups"
    when: windowShown
    visible: true
    width: 1180; height: 780

    Component { id: screenComponent; GrownupsScreen {} }
    Component { id: dashboardComponent; DashboardView {} }
    Component { id: backupComponent; BackupPanel { width: 800 } }
    Component { id: progressComponent; GrownupsProgressView {} }
    Component { id: printoutsComponent; PrintoutsPanel { width: 800; explorer: 0 } }
    Component { id: textsComponent; PracticeTextsPanel { width: 800 } }
    Component { id: spyComponent; SignalSpy {} }

    function cleanup() { UiTestSupport.reset() }

    function answer(screen, text) {
        const field = findChild(screen, "gateAnswer")
        field.forceActiveFocus()
        field.text = text
        mouseClick(findChild(screen, "gateOpen"))
    }

    function test_onlyTheRightSumOpensTheProgress() {
        AppStore.addProfile("Ada", "🦊")
        const screen = createTemporaryObject(screenComponent, testCase, { width: width, height: height })
        const question = findChild(screen, "gateQuestion")
        const before = question.text
        const sum = before.replace("What is ", "").replace("?", "").split(" + ")
        const right = Number(sum[0]) + Number(sum[1])

        answer(screen, String(right + 1))
        verify(findChild(screen, "gateWrong").visible)
        verify(findChild(screen, "grownupsProgressLoader").item === null)
        verify(question.text !== before, "a wrong answer brings a new sum")

        const again = question.text.replace("What is ", "").replace("?", "").split(" + ")
        answer(screen, String(Number(again[0]) + Number(again[1])))
        tryVerify(() => findChild(screen, "grownupsProgress") !== null)
    }

    function sumOf(screen) {
        const sum = findChild(screen, "gateQuestion").text.replace("What is ", "").replace("?", "").split(" + ")
        return String(Number(sum[0]) + Number(sum[1]))
    }

    // The sum, every panel and the way out with the keyboard alone, the ring always showing.
    function test_theKeyboardAloneOpensWalksAndLeaves() {
        AppStore.addProfile("Ada", "🦊")
        const screen = createTemporaryObject(screenComponent, testCase, { width: width, height: height })
        const closed = createTemporaryObject(spyComponent, testCase, { target: screen, signalName: "close" })
        compare(testCase.Window.activeFocusItem.objectName, "gateAnswer")
        for (const digit of sumOf(screen))
            keyClick(digit)
        keyClick(Qt.Key_Return)
        tryVerify(() => findChild(screen, "grownupsProgress") !== null)
        const view = findChild(screen, "grownupsProgress")
        compare(testCase.Window.activeFocusItem.objectName, "grownupsClose")

        const reached = []
        const page = findChild(view, "grownupsPage")
        for (let i = 0; i < 40 && !reached.includes("sayNextKeyToggle"); ++i) {
            keyClick(Qt.Key_Tab)
            const item = testCase.Window.activeFocusItem
            reached.push(item.objectName)
            const ring = findChild(item, "focusRing")
            verify(ring && ring.visible, "a ring on " + item.objectName)
            // Scrolled into sight.
            const top = item.mapToItem(page, 0, 0).y
            verify(top >= 0 && top + item.height <= page.height, item.objectName + " shows")
        }
        for (const name of ["explorer Ada", "saveReportButton", "practiceTextInput", "sayNamesToggle",
                            "sayNextKeyToggle"])
            verify(reached.includes(name), name + " in " + reached)

        keyClick(Qt.Key_Space)
        verify(AppStore.sayNextKey, "Space switches the focused setting")
        keyClick(Qt.Key_Return)
        verify(!AppStore.sayNextKey, "and Return switches it back")
        keyClick(Qt.Key_Escape)
        compare(closed.count, 1)
    }

    function test_escapeLeavesTheSum() {
        const screen = createTemporaryObject(screenComponent, testCase, { width: width, height: height })
        const closed = createTemporaryObject(spyComponent, testCase, { target: screen, signalName: "close" })
        keyClick(Qt.Key_Escape)
        compare(closed.count, 1)
    }

    function test_theProgressNamesTheTrickyKey() {
        AppStore.addProfile("Ada", "🦊")
        UiTestSupport.recordTypedLesson("u1l1", 9.6, "fj", 30, "j", "k", 6)
        const screen = createTemporaryObject(screenComponent, testCase, { width: width, height: height })
        const question = findChild(screen, "gateQuestion").text
        const sum = question.replace("What is ", "").replace("?", "").split(" + ")
        answer(screen, String(Number(sum[0]) + Number(sum[1])))
        tryVerify(() => findChild(screen, "grownupsProgress") !== null)
        const view = findChild(screen, "grownupsProgress")
        compare(findChild(view, "grownupsSummary").text,
                "Ada practised 1 day this week; their speed was 10 wpm; they often type K for J.")
        compare(findChild(view, "trickyText").text, "Trickiest keys: J (17% missed, often K)")
        compare(findChild(view, "speedText").text,
                "1 lesson, latest 10 wpm at 90% accuracy  ·  dashes: each lesson's goal")
        // One lesson: its goal is drawn across the chart, as the legend says.
        compare(findChild(view, "speedChart").line("goal").length, 2)
        let points = 0
        const chart = findChild(view, "speedChart")
        for (let i = 0; i < chart.children.length; ++i)
            if (chart.children[i].objectName === "speedPoint")
                ++points
        compare(points, 1)
    }

    // Guards a goal line that fell to zero at a practice drill, which has no goal.
    function test_practiceIsMarkedApartFromTheLessonsLine() {
        AppStore.addProfile("Ada", "🦊")
        UiTestSupport.recordTypedLesson("u1l1", 9.6, "fj", 30, "j", "k", 6)
        UiTestSupport.recordPractice(6)
        UiTestSupport.recordTypedLesson("u1l2", 11, "fjdk", 30, "d", "s", 2)
        const view = createTemporaryObject(progressComponent, testCase, { width: width, height: height })
        const chart = findChild(view, "speedChart")
        const goal = chart.line("goal")
        compare(goal.length, 2, "the goal joins the two lessons only")
        for (let i = 0; i < goal.length; ++i)
            verify(goal[i].y < chart.chartHeight - 1, "no goal at zero")
        compare(chart.line("wpm").length, 2)
        let rings = 0
        for (let i = 0; i < chart.children.length; ++i)
            if (chart.children[i].objectName === "speedPointPractice")
                ++rings
        compare(rings, 1)
        compare(findChild(view, "speedText").text,
                "2 lessons, latest 11 wpm at 90% accuracy  ·  dashes: each lesson's goal  ·  "
                + "rings: tricky-key practice (1 drill)")
    }

    function test_thePracticeCardShowsOnlyWithEnoughStatistics() {
        AppStore.addProfile("Ada", "🦊")
        const dashboard = createTemporaryObject(dashboardComponent, testCase, { width: width, height: height })
        const card = findChild(dashboard, "trickyKeysCard")
        verify(!card.visible)
        UiTestSupport.recordTypedLesson("u1l1", 9, "fj", 30, "j", "k", 6)
        verify(!card.visible, "two learned keys are not enough")
        UiTestSupport.recordTypedLesson("u1l2", 9, "fjdk", 30, "d", "s", 4)
        verify(card.visible)
        compare(findChild(card, "trickyKeysDescription").text,
                "A quick drill on J, the key that trips you up most.")
    }

    function test_bothBackupButtonsOpenAFileDialog() {
        const panel = createTemporaryObject(backupComponent, testCase)
        const loader = findChild(panel, "fileDialogLoader")
        mouseClick(findChild(panel, "saveCopyButton"))
        // No desktop dialog here: saving goes through the program's own.
        tryVerify(() => loader.status === Loader.Ready && loader.item.opened)
        verify(loader.item.backup)
        loader.item.close()
        mouseClick(findChild(panel, "restoreButton"))
        tryVerify(() => loader.status === Loader.Ready && loader.item.saving === false)
        verify(loader.item.visible)
        loader.item.reject()
    }

    function openSaveDialog(panel, folder) {
        mouseClick(findChild(panel, "saveCopyButton"))
        const loader = findChild(panel, "fileDialogLoader")
        tryVerify(() => loader.status === Loader.Ready && loader.item.opened)
        loader.item.folder = folder
        return loader.item
    }
    function type(text) {
        for (let i = 0; i < text.length; ++i)
            keyClick(text[i])
    }

    // Guards the dialog that did not save: a typed name with a folder highlighted went to
    // the wrong place, and in an empty folder Save stayed grey and Return did nothing.
    function test_aCopyIsSavedThroughTheDialogAsAPersonSavesIt() {
        AppStore.addProfile("Ada", "🦊")
        const panel = createTemporaryObject(backupComponent, testCase)
        const backup = findChild(panel, "backup")
        const documents = UiTestSupport.scratchFolder("documents", ["Photos", "School"])

        let dialog = openSaveDialog(panel, documents)
        let field = findChild(dialog.contentItem, "saveDialogName")
        verify(/^Tapalong backup \d{4}-\d{2}-\d{2}\.json$/.test(field.text), field.text)
        compare(field.selectedText + ".json", field.text)
        tryVerify(() => findChild(dialog.contentItem, "saveDialogFolder School") !== null)
        const school = findChild(dialog.contentItem, "saveDialogFolder School")
        verify(school.height > 0)
        mouseClick(school)
        verify(school.highlighted)
        verify(field.activeFocus)
        field.selectAll()
        type("mia-backup")
        keyClick(Qt.Key_Return)
        tryVerify(() => !dialog.visible)
        compare(UiTestSupport.explorersIn(documents + "/mia-backup.json"), 1)
        verify(!backup.failed)

        // An empty folder: the offered name, Return.
        const empty = UiTestSupport.scratchFolder("empty")
        dialog = openSaveDialog(panel, empty)
        field = findChild(dialog.contentItem, "saveDialogName")
        verify(findChild(dialog.contentItem, "saveDialogSave").enabled)
        keyClick(Qt.Key_Return)
        tryVerify(() => !dialog.visible)
        const copy = empty + "/" + field.text
        compare(UiTestSupport.explorersIn(copy), 1)

        // The same name again: asked about first; Escape keeps the file, Return replaces it.
        UiTestSupport.writeFile(copy, "an older file")
        dialog = openSaveDialog(panel, empty)
        keyClick(Qt.Key_Return)
        const question = findChild(dialog.contentItem, "saveDialogReplaceQuestion")
        tryVerify(() => question.visible)
        verify(dialog.visible)
        keyClick(Qt.Key_Escape)
        verify(!question.visible)
        verify(dialog.visible)
        compare(UiTestSupport.explorersIn(copy), -1)
        keyClick(Qt.Key_Return)
        tryVerify(() => question.visible)
        keyClick(Qt.Key_Return)
        tryVerify(() => !dialog.visible)
        compare(UiTestSupport.explorersIn(copy), 1)
    }

    // Qt Quick's own dialog in save mode did nothing on Return and lost a typed name without a
    // word: a report and a certificate are saved through the program's own, as a copy is.
    function test_aPrintoutIsSavedThroughTheDialogAsAPersonSavesIt() {
        AppStore.addProfile("Ada", "🦊")
        const panel = createTemporaryObject(printoutsComponent, testCase)
        const printouts = findChild(panel, "printouts")
        const loader = findChild(panel, "printoutDialogLoader")
        const documents = UiTestSupport.scratchFolder("printouts")

        mouseClick(findChild(panel, "saveReportButton"))
        tryVerify(() => loader.status === Loader.Ready && loader.item.opened)
        loader.item.folder = documents
        const field = findChild(loader.item.contentItem, "saveDialogName")
        compare(field.text, printouts.reportName)
        verify(field.activeFocus)
        field.selectAll()
        type("ada-report")
        keyClick(Qt.Key_Return)
        tryVerify(() => !loader.item.visible)
        tryVerify(() => !printouts.busy && printouts.message !== "")
        verify(!printouts.failed, printouts.message)
        verify(UiTestSupport.sizeOf(documents + "/ada-report.pdf") > 0)
    }

    // A text read from a file is in the box, where it can be read and changed before saving.
    function test_aTextReadFromAFileShowsInTheBox() {
        AppStore.addProfile("Ada", "🦊")
        const panel = createTemporaryObject(textsComponent, testCase,
                                            { profileId: AppStore.profiles[0].id, explorerName: "Ada" })
        const editor = findChild(panel, "practiceTextEditor")
        const input = findChild(panel, "practiceTextInput")
        verify(findChild(panel, "practiceTextPlaceholder").visible)
        const file = UiTestSupport.scratchFile("home.txt")
        UiTestSupport.writeFile(file, "Hop on pop.\nRed fish, blue fish.\n")
        verify(editor.loadFile(file))
        compare(input.text, "Hop on pop.\nRed fish, blue fish.\n")
        verify(!findChild(panel, "practiceTextPlaceholder").visible)
        input.forceActiveFocus()
        input.cursorPosition = input.length
        type("Go")
        compare(editor.result, "Hop on pop.\nRed fish, blue fish.\nGo")
    }

    // A failure must not look like the yellow of success.
    function test_aFailureShowsAsOne() {
        const panel = createTemporaryObject(backupComponent, testCase)
        const backup = findChild(panel, "backup")
        const message = findChild(panel, "backupMessage")
        verify(!backup.inspect(UiTestSupport.scratchFile("nothing-here.json")))
        verify(Qt.colorEqual(message.color, Theme.coral))
        compare(findChild(panel, "backupMessageSign").text, "⚠️")
        verify(backup.saveCopy(UiTestSupport.scratchFile("fine.json")))
        verify(Qt.colorEqual(message.color, Theme.mint))
        compare(findChild(panel, "backupMessageSign").text, "✅")
    }

    // The panel is the page's last: a preview that grows it once a file is chosen would put
    // its buttons below the window's edge unless the page follows.
    function test_aPreviewBringsItsButtonsIntoSight() {
        AppStore.addProfile("Ada", "🦊")
        UiTestSupport.recordTypedLesson("u1l1", 9.6, "fj", 30, "j", "k", 6)
        const view = createTemporaryObject(progressComponent, testCase, { width: width, height: height })
        const flick = findChild(view, "grownupsPage")
        waitForRendering(view)
        flick.contentY = flick.contentHeight - flick.height
        const before = flick.contentY
        verify(before > 0, "the page is longer than the window")

        mouseClick(findChild(view, "restoreButton"))
        const loader = findChild(view, "fileDialogLoader")
        tryVerify(() => loader.status === Loader.Ready && loader.item.visible)
        loader.item.reject()
        const backup = findChild(view, "backup")
        const copy = UiTestSupport.scratchFile("household.json")
        verify(backup.saveCopy(copy))
        verify(backup.inspect(copy))
        const confirm = findChild(view, "restoreConfirm")
        const pageHeight = flick.contentHeight
        tryVerify(() => flick.contentHeight > pageHeight, 1000, "the preview makes the page longer")
        waitForRendering(view)
        verify(confirm.visible)
        verify(confirm.mapToItem(view, 0, confirm.height).y <= view.height)
        compare(flick.contentY, flick.contentHeight - flick.height)
    }
}
