// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The one window; closing it ends the program.
Window {
    id: window

    title: "Tapalong" // not translated: the program's name
    width: 1180
    height: 780
    minimumWidth: 1080
    minimumHeight: 720
    visible: true
    color: Theme.bgTop

    RootView {
        anchors.fill: parent
        lessonScreen: Component {
            LessonPlayView {
                objectName: "lessonScreen"
                anchors.fill: parent
            }
        }
        gameScreens: true
    }

    // Play screens let keys with Ctrl through their key monitors, so these work everywhere,
    // in the middle of a lesson or a game too.
    // Over everything, and made only while open: start-up and memory do not pay for it.
    Loader {
        objectName: "grownupsLoader"
        anchors.fill: parent
        active: GrownupsDoor.open
        sourceComponent: GrownupsScreen {
            objectName: "grownupsScreen"
            onClose: GrownupsDoor.close()
        }
    }

    Shortcut {
        sequence: "Ctrl+Q"
        context: Qt.ApplicationShortcut
        onActivated: Qt.quit()
    }
    Shortcut {
        sequence: "Ctrl+W"
        context: Qt.ApplicationShortcut
        onActivated: window.close()
    }
}
