import QtQuick
import QtTest
import Tapalong.Store
import Tapalong.TestSupport
import Tapalong.Ui

// The picker and the creation sheet as a child uses them: cards, the sheet's name rule and
// what choosing, creating and removing do to the store.
TestCase {
    id: testCase
    name: "ProfilePicker"
    when: windowShown
    visible: true
    width: 1180
    height: 780

    Component { id: pickerComponent; ProfilePickerView { anchors.fill: parent } }

    function init() {
        TestSupport.reset()
    }

    function makePicker() {
        const picker = createTemporaryObject(pickerComponent, testCase)
        // Positioners lay out when polished; a click before that lands beside the cards.
        waitForRendering(picker)
        return picker
    }

    // Mia and Leo made, nobody chosen.
    function pickerWithTwoExplorers() {
        AppStore.addProfile("Mia", "🦊")
        AppStore.addProfile("Leo", "🐼")
        AppStore.switchPlayer()
        return makePicker()
    }

    function profileCards(picker) {
        const grid = findChild(picker, "cards")
        let cards = []
        for (let i = 0; i < grid.children.length; ++i) {
            if (grid.children[i].profile !== undefined)
                cards.push(grid.children[i])
        }
        return cards
    }

    function openSheet(picker) {
        mouseClick(findChild(picker, "newExplorer"))
        const sheet = findChild(picker, "createSheet")
        tryCompare(sheet, "opened", true)
        return sheet
    }

    function type(text) {
        for (const ch of text)
            keyClick(ch)
    }

    function test_blankNameCannotBeCreated() {
        const picker = makePicker()
        const sheet = openSheet(picker)
        const button = findChild(sheet.contentItem, "createButton")
        for (const name of ["", " \t\u00a0"]) {
            sheet.name = name
            verify(!button.enabled, JSON.stringify(name))
            compare(button.opacity, 0.5)
            keyClick(Qt.Key_Return)
            compare(AppStore.profiles.length, 0)
            verify(sheet.opened)
            verify(picker.creating)
        }

        type("Z")
        verify(button.enabled)
        compare(button.opacity, 1)
    }

    function test_createStoresTheTrimmedNameAndTheChosenAvatar() {
        const picker = makePicker()
        compare(profileCards(picker).length, 0, "a first start shows only the new explorer card")
        const sheet = openSheet(picker)
        mouseClick(findChild(sheet.contentItem, "avatar 1"))
        compare(sheet.avatar, "🐼")
        type("  Mia ")
        keyClick(Qt.Key_Return)

        compare(AppStore.profiles.length, 1)
        compare(AppStore.profiles[0].name, "Mia")
        compare(AppStore.profiles[0].avatar, "🐼")
        verify(AppStore.hasCurrentProfile)
        compare(AppStore.currentName, "Mia")
        compare(TestSupport.played, ["Tink", "Glass"])
        tryCompare(sheet, "visible", false)
        verify(!picker.creating)

        // The next explorer starts from the fox again, not from the panda.
        openSheet(picker)
        compare(sheet.avatar, "🦊")
        compare(sheet.name, "")
    }

    function test_leavingTheSheetChangesNothingAndItReopensFresh_data() {
        return [
            { tag: "Cancel", escape: false },
            { tag: "Escape", escape: true },
        ]
    }

    function test_leavingTheSheetChangesNothingAndItReopensFresh(data) {
        const picker = makePicker()
        let sheet = openSheet(picker)
        mouseClick(findChild(sheet.contentItem, "avatar 2"))
        type("Zoe")
        if (data.escape)
            keyClick(Qt.Key_Escape)
        else
            mouseClick(findChild(sheet.contentItem, "cancelButton"))
        tryCompare(sheet, "visible", false)
        verify(!picker.creating)
        compare(AppStore.profiles.length, 0)

        sheet = openSheet(picker)
        compare(sheet.name, "")
        compare(sheet.avatar, "🦊")
        compare(findChild(sheet.contentItem, "chosenAvatar").text, "🦊")
        verify(findChild(sheet.contentItem, "avatar 0").chosen)
        verify(!findChild(sheet.contentItem, "avatar 2").chosen)
    }

    function test_clickingACardChoosesThatExplorer() {
        const cards = profileCards(pickerWithTwoExplorers())
        compare(cards.length, 2)
        compare(findChild(cards[0], "name").text, "Mia")
        compare(findChild(cards[0], "stars").text, "⭐️ 0")
        compare(findChild(cards[0], "speed").text, "🚀 0")

        mouseClick(cards[0])
        compare(AppStore.currentName, "Mia")
        compare(TestSupport.played, ["Tink"])
    }

    function test_removingAnExplorerAsksFirst() {
        const picker = pickerWithTwoExplorers()
        let card = profileCards(picker)[1]
        const confirmation = findChild(card, "confirmation")

        mouseClick(card, 20, 20, Qt.RightButton)
        const menu = findChild(card, "contextMenu")
        tryCompare(menu, "opened", true)
        const item = findChild(menu.contentItem, "removeItem")
        compare(item.text, "Remove Leo")
        mouseClick(item)
        tryCompare(confirmation, "opened", true)
        compare(findChild(confirmation.contentItem, "title").text,
                "Remove Leo? All their stars and scores will be lost.")
        mouseClick(findChild(confirmation.contentItem, "cancelButton"))
        tryCompare(confirmation, "visible", false)
        compare(AppStore.profiles.length, 2)

        card.confirmingDelete = true
        tryCompare(confirmation, "opened", true)
        mouseClick(findChild(confirmation.contentItem, "removeButton"))
        compare(AppStore.profiles.length, 1)
        compare(AppStore.profiles[0].name, "Mia")
        compare(profileCards(picker).length, 1)
    }
}
