// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Store
import Tapalong.Ui
import Tapalong.UiTestSupport

// A child who cannot read yet hears what a control is: its name as the focus lands on it, or
// as the pointer rests there, only once a grown-up has asked for it.
TestCase {
    id: testCase
    name: "SpokenNames"
    when: windowShown
    visible: true
    width: 1100; height: 720

    Component {
        id: screen
        Item {
            anchors.fill: parent
            SpokenNames {}
            DashboardView { anchors.fill: parent }
        }
    }

    function init() {
        UiTestSupport.reset()
        AppStore.addProfile("Mia", "🦊")
    }
    function cleanup() { UiTestSupport.reset() }

    function make() {
        const view = createTemporaryObject(screen, testCase)
        waitForRendering(view)
        return view
    }

    function test_focusSaysTheNameOnlyWhenAskedFor() {
        const view = make()
        keyClick(Qt.Key_Tab)
        compare(testCase.Window.activeFocusItem.objectName, "continueButton")
        compare(UiTestSupport.spoken, [], "off by default")

        AppStore.setSayNames(AppStore.currentProfileId, true)
        keyClick(Qt.Key_Tab)
        const said = UiTestSupport.spoken
        compare(said.length, 1)
        verify(String(said[0]).startsWith("Badges"), said[0])
        // The next name cuts the last off: a child Tabbing on hears where the focus is now.
        keyClick(Qt.Key_Tab, Qt.ShiftModifier)
        compare(UiTestSupport.spoken[1], "Start lesson: Meet F and J")
    }

    function test_aRestingPointerSaysTheName() {
        const view = make()
        AppStore.setSayNames(AppStore.currentProfileId, true)
        const start = findChild(view, "continueButton")
        mouseMove(start, start.width / 2, start.height / 2)
        tryCompare(UiTestSupport, "spoken", ["Start lesson: Meet F and J"])
    }
}
