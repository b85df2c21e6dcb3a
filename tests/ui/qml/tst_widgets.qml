// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import QtTest
import Tapalong.Curriculum
import Tapalong.Store
import Tapalong.Ui
import Tapalong.UiTestSupport

// The shared widgets as a child sees them.
TestCase {
    id: testCase
    name: "Widgets"
    when: windowShown
    visible: true // hidden items get no mouse events
    width: 1180; height: 780

    Component { id: keyboardComponent; KeyboardView {} }
    Component { id: overlayComponent; TutorialOverlay { width: 1180; height: 780 } }
    Component { id: starsRow; StarsView {} }
    Component { id: shake; Item { property alias shift: s.x; property alias count: s.count; readonly property bool swinging: s.swing.running; transform: Shake { id: s } } }
    Component { id: confetti; ConfettiView { width: 200; height: 200 } }
    Component { id: spyComponent; SignalSpy {} }
    Component { id: bigButton; BigButton {} }
    Component { id: comfortComponent; ComfortSettings { store: AppStore } }

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
        keyboard.highlight = "A"
        const after = keysOf(keyboard)
        for (let i = 0; i < keys.length; ++i)
            verify(after[i] === keys[i], keys[i].objectName)
    }

    function test_litKeys() {
        // Capitals and shifted symbols light both shifts; extras never shift.
        for (const [highlight, extra, lit] of [["A", "", ["A", "shift", "shift "]], ["?", "", ["/", "shift", "shift "]],
                                              ["", "fJ", ["F", "J"]], ["é", "", []]]) {
            const keyboard = createTemporaryObject(keyboardComponent, testCase, { highlight: highlight, extra: extra })
            compare(litIds(keyboard), lit, highlight + extra)
        }
    }

    function test_hintLineKeepsItsPlace() {
        const keyboard = createTemporaryObject(keyboardComponent, testCase, { highlight: "A" })
        const text = findChild(keyboard, "hintText")
        compare(text.text, "Press  A  with your left pinky  (hold SHIFT with your other pinky!)")
        verify(text.visible)
        const withLine = keyboard.height
        // A character no key types must not leave an empty card behind, nor move the keys.
        keyboard.highlight = "é"
        verify(!text.visible)
        compare(keyboard.height, withLine)
    }

    function test_keyStepShowsKeyFingerAndHintButtonsCallBackThenItFadesOut() {
        // Array.from, since 6.4's qmllint reads a returned list as one step.
        const steps = Array.from(Tutorial.steps("u1l1"))
        const overlay = createTemporaryObject(overlayComponent, testCase,
                                              { step: steps[1], index: 1, count: steps.length })
        tryCompare(overlay, "opacity", 1, 2000)
        const hint = findChild(overlay, "keyHint")
        verify(!hint.visible, "the home row asks for no key")

        const fStep = steps.find(step => step.requiredKey === "f")
        overlay.step = fStep
        verify(hint.visible)
        compare(litIds(findChild(overlay, "keyboard")), ["F"])
        compare(findChild(overlay, "hands").active, fStep.finger)
        const spies = ["next", "skip", "replay"].map(name =>
            createTemporaryObject(spyComponent, testCase, { target: overlay, signalName: name }))
        for (let i = 0; i < spies.length; ++i) {
            mouseClick(findChild(overlay, spies[i].signalName + "Button"))
            compare(spies.map(spy => spy.count), spies.map((spy, j) => j <= i ? 1 : 0), spies[i].signalName)
        }

        overlay.shown = false
        verify(!overlay.enabled, "a half-faded overlay takes no more clicks")
        tryCompare(overlay, "visible", false, 2000)
    }

    function test_smallestWindowKeepsEveryStepWholeAndTheLastSendsTheChildTyping() {
        const overlay = createTemporaryObject(overlayComponent, testCase, { width: 1080, height: 720 })
        const button = findChild(overlay, "nextButton")
        const steps = Array.from(Tutorial.steps("u1l1"))
        for (let i = 0; i < steps.length; ++i) {
            overlay.step = steps[i]
            overlay.count = steps.length
            overlay.index = i
            compare(button.text, i === steps.length - 1 ? "Let's type!  ▶" : "Next  ▶", "step " + i)
            wait(0) // positioners lay out late; the card's height follows the text
            const corner = button.mapToItem(overlay, button.width, button.height)
            verify(corner.y <= overlay.height, "step " + i + ": the button is on screen")
            // Scaled content is drawn with seams by the software renderer.
            compare(button.parent.parent.scale, 1, "step " + i)
        }
    }

    // Guards "Start  ▶" drawn with an orange emoji tile: every pixel of the label lies between
    // the button's sunshine and its ink, while the emoji of a game stays in colour.
    function test_aButtonsArrowIsTextInItsInkAndItsEmojiInColour() {
        const offInk = label => {
            const button = createTemporaryObject(bigButton, testCase, { text: label })
            waitForRendering(button)
            const image = grabImage(button)
            const [fill, ink] = [button.color, button.textColor]
            let off = 0
            for (let x = Math.round(image.height / 2); x < image.width - image.height / 2; ++x) {
                for (let y = Math.round(image.height / 4); y < image.height * 3 / 4; ++y) {
                    const c = image.pixel(x, y)
                    const t = (fill.r - c.r) / (fill.r - ink.r)
                    if (Math.abs(fill.g + t * (ink.g - fill.g) - c.g) > 0.08
                            || Math.abs(fill.b + t * (ink.b - fill.b) - c.b) > 0.08)
                        ++off
                }
            }
            return off
        }
        compare(offInk("Start  ▶"), 0)
        const colourful = offInk("☄️ Word Meteors")
        verify(colourful > 20, colourful)
    }

    function test_starsFillTheFirstOnes() {
        // More stars than places must not add places.
        for (const [stars, max, shown] of [[0, 3, "☆☆☆"], [2, 3, "★★☆"], [5, 3, "★★★"], [1, -2, ""]]) {
            const row = createTemporaryObject(starsRow, testCase, { stars: stars, max: max })
            compare(Array.prototype.map.call(row.children, star => star.text || "").join(""), shown, stars + " of " + max)
        }
    }

    function test_wrongKeyShakesThenSettles() {
        const item = createTemporaryObject(shake, testCase, { count: 2 })
        compare(item.shift, 0, "no shake for the count a screen starts with")

        item.count = 3
        tryVerify(() => Math.abs(item.shift) > 1, 300, "moves sideways")
        tryCompare(item, "shift", 0, 1000)

        // A retry resets the count: that is no wrong key and must not shake.
        item.count = 0
        verify(!item.swinging)
        compare(item.shift, 0)
    }

    function test_noConfettiMeansNoRepaints() {
        verify(!createTemporaryObject(confetti, testCase, { count: 0 }).playing)
        verify(createTemporaryObject(confetti, testCase, { count: 5 }).playing)
    }

    function test_calmMotionLeavesNoConfettiNoShakeAndNoTwinkle() {
        UiTestSupport.reset()
        AppStore.addProfile("Mia", "🦊")
        const settings = createTemporaryObject(comfortComponent, testCase,
                                               { profileId: AppStore.currentProfileId })
        settings.calmMotion = true
        verify(Theme.calmMotion)
        verify(!createTemporaryObject(confetti, testCase, { count: 70 }).playing)
        const item = createTemporaryObject(shake, testCase)
        item.count = 1
        verify(!item.swinging)
        compare(item.shift, 0)
        // The next explorer's look is the usual one again.
        AppStore.switchPlayer()
        verify(!Theme.calmMotion)
        verify(createTemporaryObject(confetti, testCase, { count: 70 }).playing)
        UiTestSupport.reset()
    }
}
