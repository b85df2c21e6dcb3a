import QtQuick
import QtTest
import Tapalong.Ui

// The glue of the shared widgets: what a child actually sees for given values.
TestCase {
    id: testCase
    name: "Widgets"
    when: windowShown
    // TestCase hides itself by default, and hidden items get no mouse events.
    visible: true
    width: 400
    height: 300

    Component { id: starsRow; StarsView {} }
    Component { id: medal; MedalView {} }
    Component { id: chip; BadgeChip { emoji: "🚀"; title: "First Flight" } }
    Component { id: shake; Item { property alias shift: s.x; property alias count: s.count; transform: Shake { id: s } } }
    Component { id: confetti; ConfettiView { width: 200; height: 200 } }
    Component { id: bigButton; BigButton { text: "Start  ▶" } }

    function starTexts(row) {
        let texts = []
        for (let i = 0; i < row.children.length; ++i) {
            if (row.children[i].text !== undefined)
                texts.push(row.children[i].text)
        }
        return texts.join("")
    }

    function test_starsFillTheFirstOnes_data() {
        return [
            { tag: "none", stars: 0, max: 3, shown: "☆☆☆" },
            { tag: "some", stars: 2, max: 3, shown: "★★☆" },
            // More stars than places must not add places.
            { tag: "more than max", stars: 5, max: 3, shown: "★★★" },
            { tag: "negative max", stars: 1, max: -2, shown: "" },
        ]
    }

    function test_starsFillTheFirstOnes(data) {
        const row = createTemporaryObject(starsRow, testCase, { stars: data.stars, max: data.max })
        compare(starTexts(row), data.shown)
    }

    function test_medalForTheFirstThreeNumberAfter_data() {
        return [
            { tag: "gold", rank: 1, shown: "🥇" },
            { tag: "bronze", rank: 3, shown: "🥉" },
            { tag: "fourth", rank: 4, shown: "4" },
            { tag: "twelfth", rank: 12, shown: "12" },
        ]
    }

    function test_medalForTheFirstThreeNumberAfter(data) {
        const view = createTemporaryObject(medal, testCase, { rank: data.rank })
        compare(findChild(view, "label").text, data.shown)
        compare(view.width, 40)
    }

    function test_unearnedBadgeIsGreyAndFaint() {
        const badge = createTemporaryObject(chip, testCase, { earned: false })
        const emoji = findChild(badge, "emoji")
        compare(emoji.opacity, 0.35)
        verify(emoji.greyscale)
        compare(badge.width, 92)

        badge.earned = true
        compare(emoji.opacity, 1)
        verify(!emoji.greyscale)
    }

    function test_wrongKeyShakesThenSettles() {
        const item = createTemporaryObject(shake, testCase, { count: 2 })
        compare(item.shift, 0, "no shake for the count a screen starts with")

        item.count = 3
        tryVerify(() => Math.abs(item.shift) > 1, 300, "moves sideways")
        tryCompare(item, "shift", 0, 1000)

        // A retry resets the count: that is no wrong key and must not shake.
        item.count = 0
        compare(item.shift, 0)
        wait(50)
        compare(item.shift, 0)
    }

    function test_noConfettiMeansNoRepaints() {
        const none = createTemporaryObject(confetti, testCase, { count: 0 })
        verify(!none.playing)
        const some = createTemporaryObject(confetti, testCase, { count: 5 })
        verify(some.playing)
    }

    function test_bigButtonSinksWhilePressedAndClicks() {
        const button = createTemporaryObject(bigButton, testCase)
        const clicks = createTemporaryObject(spyComponent, testCase, { target: button, signalName: "clicked" })
        mousePress(button)
        tryVerify(() => Math.abs(button.scale - 0.94) < 0.002, 1000)
        mouseRelease(button)
        tryVerify(() => Math.abs(button.scale - 1) < 0.002, 1000)
        compare(clicks.count, 1)
    }

    Component { id: spyComponent; SignalSpy {} }
}
