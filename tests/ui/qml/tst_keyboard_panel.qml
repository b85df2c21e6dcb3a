// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Curriculum
import Tapalong.Store
import Tapalong.Ui
import Tapalong.UiTestSupport

// The grown-ups' keyboard panel, worked from the keyboard alone, and the on-screen keyboard
// while the child's keyboard types another layout.
TestCase {
    id: testCase
    name: "KeyboardPanel"
    when: windowShown
    visible: true
    width: 900; height: 700

    Component { id: panelComponent; KeyboardPanel { width: 800 } }
    Component { id: keyboardComponent; KeyboardView {} }

    function cleanup() {
        UiTestSupport.playDesktop(KeyboardChoice, "")
        KeyboardChoice.search = ""
        UiTestSupport.reset()
    }

    function panel() {
        const view = createTemporaryObject(panelComponent, testCase)
        tryVerify(() => KeyboardChoice.ready, 10000)
        return view
    }
    function search(view, text) {
        const field = findChild(view, "keyboardSearch")
        field.forceActiveFocus()
        for (const c of text)
            keyClick(c)
        tryVerify(() => findChild(view, "keyboardList").count > 0)
    }

    function test_choosingFromTheKeyboardSwitchesCourseAndKeys() {
        const view = panel()
        tryVerify(() => findChild(view, "keyboardLayoutText").text.indexOf("English (US)") >= 0)
        search(view, "german")
        keyClick(Qt.Key_Return)
        compare(KeyboardChoice.layout, "de")
        compare(Keyboard.layout, "de")
        compare(AppStore.keyboardLayout, "de")
        verify(findChild(view, "keyboardLayoutText").text.indexOf("German") >= 0)
        verify(findChild(view, "keyboardMessage").text.indexOf("German") >= 0)

        // Down moves to the next one found; Return takes it.
        keyClick(Qt.Key_Down)
        const next = KeyboardChoice.layoutAt(1)
        keyClick(Qt.Key_Return)
        compare(KeyboardChoice.layout, next)
    }

    function test_aLayoutOfAnotherScriptIsRefusedPlainly() {
        const view = panel()
        search(view, "russian")
        keyClick(Qt.Key_Return)
        verify(findChild(view, "keyboardMessage").text.indexOf("not there yet") >= 0)
        compare(KeyboardChoice.layout, "us")
        compare(Keyboard.layout, "us")
    }

    function test_aLanguageSwitchRenamesTheLayoutAndClearsARefusal() {
        const view = panel()
        search(view, "german")
        keyClick(Qt.Key_Return)
        AppStore.chooseLanguage("fr")
        tryVerify(() => findChild(view, "keyboardLayoutText").text.indexOf("Allemand") >= 0, 5000)
        verify(findChild(view, "keyboardMessage").text.indexOf("Allemand") >= 0)

        // Found by its English name in French too; the refusal is gone with its language.
        keyClick(Qt.Key_Escape)
        search(view, "russian")
        keyClick(Qt.Key_Return)
        verify(findChild(view, "keyboardMessage").text !== "")
        AppStore.chooseLanguage("es")
        compare(findChild(view, "keyboardMessage").text, "")
    }

    function test_theKeysGoBlankWhileAnotherLayoutTypes() {
        const view = createTemporaryObject(keyboardComponent, testCase, { highlight: "f" })
        const f = findChild(view, "key:F")
        const notice = findChild(view, "layoutNotice")
        compare(f.label, "F")
        verify(f.lit)
        verify(!notice.visible)

        UiTestSupport.playDesktop(KeyboardChoice, "fr")
        verify(KeyboardChoice.differs)
        verify(notice.visible)
        compare(f.label, "")
        verify(!f.lit)
        compare(findChild(view, "hintText").text, "")

        UiTestSupport.playDesktop(KeyboardChoice, "us")
        verify(!notice.visible)
        compare(f.label, "F")
        verify(f.lit)
    }
}
