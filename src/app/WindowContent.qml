// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// All the window shows over its sky: the screens, and the grown-ups' corner over them.
Item {
    RootView {
        anchors.fill: parent
        // Tab stays in the grown-ups' view while it is open, never wandering underneath.
        enabled: !GrownupsDoor.open
        lessonScreen: Component {
            LessonPlayView {
                objectName: "lessonScreen"
                anchors.fill: parent
            }
        }
        gameScreens: true
    }

    // Names what gets the focus or the pointer, for an explorer who asked for it.
    SpokenNames {}

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
}
