// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// All the window shows over its sky: the screens, and the grown-ups' corner over them.
Item {
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
