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

    Background {
        anchors.fill: parent
    }

    StarfieldView {
        anchors.fill: parent
        opacity: 0.7
    }

    // The first frame shows the sky alone, as soon as an empty window would show, and the
    // screens are built right after it: building them first kept the window from appearing for
    // three times as long. Loaded by name, so that none of them is even compiled before.
    Loader {
        id: content
        objectName: "windowContent"
        anchors.fill: parent
        focus: true
    }

    Connections {
        target: window
        enabled: content.status === Loader.Null
        function onFrameSwapped() {
            // Once the frame is out, not while it is presented. (This qmllint takes callLater
            // for a property.)
            Qt.callLater(window.buildContent) // qmllint disable type
        }
    }

    function buildContent() {
        KeyboardChoice.start()
        content.source = "WindowContent.qml" // not translated: a file name
    }

    // Play screens let keys with Ctrl through their key monitors, so these work everywhere,
    // in the middle of a lesson or a game too.
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
