// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.App
import Tapalong.Store
import Tapalong.Ui

// The screens over the window's night sky: the one `navigation` names, and the profile picker
// over it while nobody is chosen.
Item {
    id: root

    // Screens join here as they are built. Each is given what it needs as initial properties
    // and reports back through signals, which the root view turns into screen changes:
    // - lessonScreen gets `lessonId`; its signals: exit(), next(string lessonId),
    //   bonus(string lessonId, string game).
    // - With gameScreens on, a game's screen is the one the game table names (its objectName
    //   is the game's id and "Screen"). In free play it gets nothing; in a bonus round
    //   `bonusLessonId`, `bonusDuration` and `nextLessonId` ("" after the last lesson). Its
    //   signals: exit(), and openLesson(string lessonId) in a bonus round.
    // A screen that is not there is never opened.
    property Component lessonScreen: null
    property bool gameScreens: false

    readonly property Navigation navigation: nav

    function openLesson(lessonId: string) {
        if (root.lessonScreen)
            nav.openLesson(lessonId)
    }
    function openGame(game: string) {
        if (root.gameScreens)
            nav.openGame(game)
    }
    function openBonus(lessonId: string, game: string) {
        if (root.gameScreens)
            nav.openBonus(lessonId, game)
    }

    function buildScreen(parent: Item): Item {
        switch (nav.kind) {
        case ScreenKind.Main: {
            const view = mainView.createObject(parent)
            view.openLesson.connect(root.openLesson)
            view.openGame.connect(root.openGame)
            return view
        }
        case ScreenKind.Lesson: {
            if (!root.lessonScreen)
                return null
            const screen = root.lessonScreen.createObject(parent, { lessonId: nav.lessonId })
            screen.exit.connect(nav.showMain)
            screen.next.connect(root.openLesson)
            screen.bonus.connect(root.openBonus)
            return screen
        }
        case ScreenKind.Game:
        case ScreenKind.Bonus: {
            if (!root.gameScreens)
                return null
            const component = Qt.createComponent(nav.gameScreenUrl(nav.game))
            const bonusRound = nav.kind === ScreenKind.Bonus
            const properties = { objectName: nav.game + "Screen" } // not translated: a name
            if (bonusRound) {
                properties.bonusLessonId = nav.lessonId
                properties.bonusDuration = nav.bonusDuration
                properties.nextLessonId = nav.nextLessonId
            }
            const screen = component.createObject(parent, properties)
            if (!screen) {
                console.warn(component.errorString())
                return null
            }
            screen.anchors.fill = parent
            screen.exit.connect(nav.showMain)
            if (bonusRound)
                screen.openLesson.connect(root.openLesson)
            return screen
        }
        }
        return null
    }

    Navigation {
        id: nav
    }

    // A lesson or game keeps the keyboard it started with until it closes.
    Binding {
        target: KeyboardChoice
        property: "playing"
        value: nav.kind !== ScreenKind.Main
    }

    ScreenHost {
        objectName: "screenHost"
        anchors.fill: parent
        // Nothing under the picker, so the screen shown after it is built afresh; and built
        // afresh in a new language, whose texts the C++ tables under it hold.
        key: AppStore.hasCurrentProfile ? nav.screenKey + "/" + AppStore.language : ""
        build: root.buildScreen
    }

    Loader {
        id: picker
        objectName: "picker"
        anchors.fill: parent
        opacity: AppStore.hasCurrentProfile ? 0 : 1
        // Kept until it has faded out; no clicks reach it meanwhile.
        active: !AppStore.hasCurrentProfile || opacity > 0
        enabled: !AppStore.hasCurrentProfile
        sourceComponent: ProfilePickerView {}

        Behavior on opacity {
            NumberAnimation {
                duration: 250
                easing.type: Easing.InOutQuad
            }
        }
    }

    // Above every screen and the picker, small, at the foot of the window.
    SaveNotice {
        objectName: "saveNotice"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 14
        anchors.horizontalCenter: parent.horizontalCenter
        text: AppStore.saveProblem
    }

    Component {
        id: mainView
        MainView {
            objectName: "mainView"
            anchors.fill: parent
            homeTab: Component {
                DashboardView {
                    anchors.fill: parent
                }
            }
            learnTab: Component {
                LessonListView {
                    anchors.fill: parent
                }
            }
            gamesTab: Component {
                GamesHubView {
                    anchors.fill: parent
                }
            }
            championsTab: Component {
                ChampionsView {
                    anchors.fill: parent
                }
            }
        }
    }
}
