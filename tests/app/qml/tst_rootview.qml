import QtQuick
import QtTest
import Tapalong.App
import Tapalong.Store
import Tapalong.TestSupport

// The window's content: the picker while nobody is chosen, the main view afterwards, the
// profile menu, and a fresh screen for every new screen key.
TestCase {
    id: testCase
    name: "RootView"
    when: windowShown
    visible: true
    width: 1180
    height: 780

    Component { id: rootComponent; RootView { anchors.fill: parent } }

    // Stands in for the lesson screen to check what the root view hands a screen.
    Component {
        id: fakeLesson
        Item {
            required property string lessonId
            signal exit()
            signal next(string lessonId)
            signal bonus(string lessonId, string game)
        }
    }

    function init() {
        TestSupport.reset()
    }

    function shownScreen(root) {
        const host = findChild(root, "screenHost")
        return host.current ? host.current.children[0] : null
    }

    function waitForMainView(root) {
        const picker = findChild(root, "picker")
        tryCompare(picker, "active", false)
        const view = shownScreen(root)
        verify(view)
        compare(view.objectName, "mainView")
        tryCompare(view.parent, "opacity", 1)
        return view
    }

    // Mia is chosen, so the root view opens on the main view.
    function rootWithMia(properties) {
        AppStore.addProfile("Mia", "🦊")
        const root = createTemporaryObject(rootComponent, testCase, properties)
        waitForMainView(root)
        return root
    }

    function openProfileMenu(view) {
        const chip = findChild(view, "profileChip")
        mouseClick(chip)
        const menu = findChild(chip, "profileMenu")
        tryCompare(menu, "opened", true)
        return menu
    }

    function menuTexts(menu) {
        return [menu.itemAt(0).text, menu.itemAt(1).text, menu.itemAt(2).text]
    }

    function test_pickerCoversEverythingUntilAnExplorerIsChosen() {
        const root = createTemporaryObject(rootComponent, testCase)
        const picker = findChild(root, "picker")
        verify(picker.active)
        compare(picker.opacity, 1)
        compare(shownScreen(root), null)

        AppStore.addProfile("Mia", "🦊")
        const view = waitForMainView(root)
        compare(view.tab, "Home")
        // No lesson screen is there yet: it is never opened.
        view.openLesson("u1l1")
        compare(root.navigation.screenKey, "main")
        compare(shownScreen(root), view)
    }

    function test_switchPlayerShowsThePickerAndChoosingReturnsHome() {
        const root = rootWithMia()
        let view = shownScreen(root)
        mouseClick(findChild(view, "tab Games"))
        compare(view.tab, "Games")
        compare(TestSupport.played, ["Tink"])

        const menu = openProfileMenu(view)
        mouseClick(findChild(menu.contentItem, "switchPlayer"))
        verify(!AppStore.hasCurrentProfile)
        const picker = findChild(root, "picker")
        tryCompare(picker, "opacity", 1)
        tryCompare(findChild(root, "screenHost"), "current", null)

        AppStore.chooseProfile(AppStore.profiles[0].id)
        view = waitForMainView(root)
        compare(view.tab, "Home")
    }

    function test_profileMenuSaysHowSoundAndVoiceStand() {
        const view = shownScreen(rootWithMia())
        let menu = openProfileMenu(view)
        compare(menuTexts(menu), ["Switch player", "Sound: On 🔊", "Voice: On 🗣️"])
        mouseClick(findChild(menu.contentItem, "sound"))
        verify(!AppStore.soundEnabled)
        tryCompare(menu, "visible", false)

        menu = openProfileMenu(view)
        compare(menuTexts(menu), ["Switch player", "Sound: Off 🔇", "Voice: On 🗣️"])
        mouseClick(findChild(menu.contentItem, "voice"))
        verify(!AppStore.voiceEnabled)
        tryCompare(menu, "visible", false)

        menu = openProfileMenu(view)
        compare(menuTexts(menu), ["Switch player", "Sound: Off 🔇", "Voice: Off 🤫"])
        // A change from elsewhere while the menu is open does not rewrite it under the pointer.
        AppStore.toggleSound()
        compare(menu.itemAt(1).text, "Sound: Off 🔇")
        menu.close()
        tryCompare(menu, "visible", false)
    }

    function test_aNewScreenKeyBuildsAFreshScreen() {
        const root = rootWithMia({ lessonScreen: fakeLesson })
        const view = shownScreen(root)
        view.openGame("letterDrop") // no game screen is there yet
        compare(root.navigation.screenKey, "main")

        view.openLesson("u1l1")
        compare(root.navigation.screenKey, "lesson-u1l1")
        const first = shownScreen(root)
        compare(first.lessonId, "u1l1")
        // The main view stops taking input as soon as it starts to fade.
        verify(!view.parent.enabled)

        first.next("u1l2")
        const second = shownScreen(root)
        verify(second !== first)
        compare(second.lessonId, "u1l2")

        second.exit()
        compare(root.navigation.screenKey, "main")
        compare(shownScreen(root).tab, "Home")
    }
}
