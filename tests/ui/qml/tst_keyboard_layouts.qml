// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Curriculum
import Tapalong.Ui
import Tapalong.UiTestSupport

// The on-screen keyboard of a household that types on a German or French keyboard.
TestCase {
    id: testCase
    name: "KeyboardLayouts"
    when: windowShown
    visible: true
    width: 1000; height: 400

    Component { id: viewComponent; KeyboardView {} }

    function cleanup() { UiTestSupport.reset() }

    function keyboardOn(layout, highlight) {
        verify(UiTestSupport.useKeyboard(layout))
        compare(Keyboard.layout, layout)
        const view = createTemporaryObject(viewComponent, testCase, { highlight: highlight })
        waitForRendering(view)
        return view
    }
    function keyIn(view, id) {
        const key = findChild(view, "key:" + id)
        verify(key, "no key " + id)
        return key
    }
    function xOf(view, id) {
        const key = keyIn(view, id)
        return key.mapToItem(view, 0, 0).x
    }

    function test_usHasNoIsoKeyNoAltGrAndAFlatReturn() {
        const view = createTemporaryObject(viewComponent, testCase, {})
        compare(findChild(view, "key:altgr"), null)
        compare(findChild(view, "key:return "), null)
        compare(keyIn(view, "return").tall, false)
    }

    function test_germanKeysStandWhereTheChildsKeysAre() {
        const us = createTemporaryObject(viewComponent, testCase, {})
        const yOnUs = xOf(us, "Y")
        const zOnUs = xOf(us, "Z")
        us.destroy()

        const view = keyboardOn("de", "")
        fuzzyCompare(xOf(view, "Z"), yOnUs, 0.5)
        fuzzyCompare(xOf(view, "Y"), zOnUs, 0.5)
        keyIn(view, "Ö")
        keyIn(view, "ß")
        // The extra key beside the left Shift, and the tall Return over two rows.
        verify(xOf(view, "<") < xOf(view, "Y"))
        const upper = keyIn(view, "return")
        verify(upper.tall)
        compare(keyIn(view, "return ").opacity, 0)
        const lower = keyIn(view, "return ")
        const right = upper.mapToItem(view, upper.width + upper.reach, 0).x
        fuzzyCompare(right, lower.mapToItem(view, lower.width, 0).x, 0.5)
    }

    function test_altGrIsLitWithItsHint() {
        const view = keyboardOn("de", "@")
        compare(view.litIds.sort(), ["Q", "altgr"])
        verify(view.hint.indexOf("ALTGR") >= 0)
        verify(keyIn(view, "altgr").lit)
    }

    function test_aDeadKeyLetterNumbersItsTwoKeys() {
        const view = keyboardOn("fr", "ê")
        const dead = view.litIds.filter(id => id !== "E")
        compare(dead.length, 1)
        compare(keyIn(view, dead[0]).step, 1)
        compare(keyIn(view, "E").step, 2)
        verify(keyIn(view, "E").lit)
        verify(view.hint.indexOf("^") >= 0)

        // A letter with a key of its own has no steps.
        view.highlight = "é"
        compare(keyIn(view, "E").step, 0)
        compare(view.litIds.length, 1)
    }

    function test_theViewFollowsAChangeOfKeyboard() {
        const view = createTemporaryObject(viewComponent, testCase, {})
        compare(findChild(view, "key:Ö"), null)
        verify(UiTestSupport.useKeyboard("de"))
        waitForRendering(view)
        keyIn(view, "Ö")
        UiTestSupport.reset()
        compare(Keyboard.layout, "us")
        waitForRendering(view)
        compare(findChild(view, "key:Ö"), null)
    }
}
