import QtQuick
import QtTest
import Tapalong.Curriculum
import Tapalong.Ui

// The keyboard, the hands and the tutorial card: which keys light up, what the child reads,
// and that the buttons reach the lesson screen.
TestCase {
    id: testCase
    name: "KeyboardViews"
    when: windowShown
    // TestCase hides itself by default, and hidden items get no mouse events.
    visible: true
    width: 1180
    height: 780

    Component { id: keyboardComponent; KeyboardView {} }
    Component { id: handsComponent; HandsView {} }
    Component { id: overlayComponent; TutorialOverlay { width: 1180; height: 780 } }
    Component { id: spyComponent; SignalSpy {} }

    function keysOf(item, found) {
        found = found || []
        for (let i = 0; i < item.children.length; ++i) {
            const child = item.children[i]
            if (child.objectName.startsWith("key:"))
                found.push(child)
            else
                keysOf(child, found)
        }
        return found
    }

    function litIds(keyboard) {
        return keysOf(keyboard).filter(key => key.lit).map(key => key.objectName.slice(4)).sort()
    }

    function test_oneItemPerKeyForTheViewsWholeLife() {
        const keyboard = createTemporaryObject(keyboardComponent, testCase)
        const keys = keysOf(keyboard)
        compare(keys.length, 14 + 14 + 13 + 12 + 1)
        compare(new Set(keys.map(key => key.objectName)).size, keys.length, "ids are unique")

        // Lighting must not rebuild the rows: a rebuild per key press stutters on slow machines.
        keyboard.highlight = "a"
        keyboard.highlight = "A"
        const after = keysOf(keyboard)
        for (let i = 0; i < keys.length; ++i)
            verify(after[i] === keys[i], keys[i].objectName)
    }

    function test_litKeys_data() {
        return [
            { tag: "small letter", highlight: "a", extra: "", lit: ["A"] },
            { tag: "capital lights both shifts", highlight: "A", extra: "", lit: ["A", "shift", "shift "] },
            { tag: "shifted symbol", highlight: "?", extra: "", lit: ["/", "shift", "shift "] },
            { tag: "unshifted symbol", highlight: "/", extra: "", lit: ["/"] },
            { tag: "extras never shift", highlight: "", extra: "fJ", lit: ["F", "J"] },
            { tag: "highlight and extras", highlight: "F", extra: "j", lit: ["F", "J", "shift", "shift "] },
            { tag: "a character no key types", highlight: "é", extra: "", lit: [] },
        ]
    }

    function test_litKeys(data) {
        const keyboard = createTemporaryObject(keyboardComponent, testCase, { highlight: data.highlight, extra: data.extra })
        compare(litIds(keyboard), data.lit.slice().sort())
    }

    function test_litKeyGrowsAndSettlesBack() {
        const keyboard = createTemporaryObject(keyboardComponent, testCase)
        const f = findChild(keyboard, "key:F")
        compare(f.scale, 1)
        keyboard.highlight = "f"
        tryVerify(() => Math.abs(f.scale - 1.08) < 0.002, 2000)
        keyboard.highlight = "j"
        tryVerify(() => Math.abs(f.scale - 1) < 0.002, 2000)
        verify(findChild(keyboard, "key:J").lit)
    }

    function test_hintLine_data() {
        return [
            { tag: "capital", highlight: "A", hint: "Press  A  with your left pinky  (hold SHIFT with your other pinky!)" },
            { tag: "space", highlight: " ", hint: "Press  SPACE  with your thumb" },
            { tag: "small letter", highlight: "f", hint: "Press  f  with your left pointer finger" },
        ]
    }

    function test_hintLine(data) {
        const keyboard = createTemporaryObject(keyboardComponent, testCase, { highlight: data.highlight })
        const text = findChild(keyboard, "hintText")
        compare(text.text, data.hint)
        verify(text.visible)
    }

    function test_withoutHintTheLineKeepsItsPlace() {
        const keyboard = createTemporaryObject(keyboardComponent, testCase, { extra: "fj" })
        const line = findChild(keyboard, "hintLine")
        compare(line.height, 34)
        verify(!findChild(keyboard, "hintText").visible)
        const withLine = keyboard.height

        // A character no key types must not leave an empty card behind.
        keyboard.highlight = "é"
        compare(line.height, 34)
        verify(!findChild(keyboard, "hintText").visible)

        keyboard.showHint = false
        tryVerify(() => keyboard.height < withLine - 30)
    }

    function test_handsRaiseOnlyTheActiveFinger() {
        const hands = createTemporaryObject(handsComponent, testCase, { active: 3 })
        const pointer = findChild(hands, "finger3")
        const other = findChild(hands, "finger4")
        tryCompare(pointer, "height", 50 + 16, 2000)
        compare(other.height, 50)
        compare(findChild(findChild(hands, "leftHand"), "thumb").height, 42)

        hands.active = Keyboard.thumb
        tryCompare(pointer, "height", 50, 2000)
        tryCompare(findChild(findChild(hands, "rightHand"), "thumb"), "height", 52, 2000)
    }

    function meetFAndJ() {
        const steps = Tutorial.steps("u1l1")
        verify(steps.length >= 3)
        return steps
    }

    function test_oneDotPerStep() {
        const overlay = createTemporaryObject(overlayComponent, testCase, { count: 5, index: 2 })
        const dots = findChild(overlay, "dots")
        const shown = []
        for (let i = 0; i < dots.children.length; ++i) {
            if (dots.children[i].width === 8)
                shown.push(dots.children[i])
        }
        compare(shown.length, 5)
        compare(shown.filter(dot => Qt.colorEqual(dot.color, Theme.sunshine)).length, 1)
        verify(Qt.colorEqual(shown[2].color, Theme.sunshine))
    }

    function test_keyStepShowsKeyFingerAndHintThenFadesOut() {
        const steps = meetFAndJ()
        const overlay = createTemporaryObject(overlayComponent, testCase,
                                              { step: steps[1], index: 1, count: steps.length })
        tryCompare(overlay, "opacity", 1, 2000)
        const hint = findChild(overlay, "keyHint")
        compare(hint.text, "Press the glowing key!")
        verify(!hint.visible, "the home row asks for no key")
        compare(findChild(overlay, "stepText").text, steps[1].text)

        const fStep = steps.find(step => step.requiredKey === "f")
        overlay.step = fStep
        verify(hint.visible)
        const keyboard = findChild(overlay, "keyboard")
        compare(litIds(keyboard), ["F"])
        compare(findChild(overlay, "hands").active, fStep.finger)

        overlay.shown = false
        verify(!overlay.enabled, "a half-faded overlay takes no more clicks")
        tryCompare(overlay, "visible", false, 2000)
    }

    function test_smallestWindowKeepsEveryStepWholeAndTheLastSendsTheChildTyping() {
        const overlay = createTemporaryObject(overlayComponent, testCase, { width: 1080, height: 720 })
        const button = findChild(overlay, "nextButton")
        const steps = meetFAndJ()
        for (let i = 0; i < steps.length; ++i) {
            overlay.step = steps[i]
            overlay.count = steps.length
            overlay.index = i
            compare(button.text, i === steps.length - 1 ? "Let's type!  ▶" : "Next  ▶", "step " + i)
            // Positioners lay out late; the card's height follows the text.
            wait(0)
            const corner = button.mapToItem(overlay, button.width, button.height)
            verify(corner.y <= overlay.height, "step " + i + ": the button is on screen")
            // Scaled content is drawn with seams by the software renderer.
            compare(button.parent.parent.scale, 1, "step " + i)
        }
    }

    function test_buttonsReachTheScreen_data() {
        return [
            { tag: "next", button: "nextButton", signal: "next" },
            { tag: "skip", button: "skipButton", signal: "skip" },
            { tag: "replay", button: "replayButton", signal: "replay" },
        ]
    }

    function test_buttonsReachTheScreen(data) {
        const overlay = createTemporaryObject(overlayComponent, testCase, { step: meetFAndJ()[0], count: 5 })
        tryCompare(overlay, "opacity", 1, 2000)
        const spies = ["next", "skip", "replay"].map(name =>
            createTemporaryObject(spyComponent, testCase, { target: overlay, signalName: name }))
        mouseClick(findChild(overlay, data.button))
        for (const spy of spies)
            compare(spy.count, spy.signalName === data.signal ? 1 : 0, spy.signalName)
    }
}
