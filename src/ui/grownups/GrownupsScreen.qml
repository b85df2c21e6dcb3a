// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The grown-ups' view over the whole window: first the sum, then the progress. Made only while
// GrownupsDoor is open.
Item {
    id: root

    signal close()

    // Escape goes back one step: out of the sum, or out of the progress, to where it was
    // opened. A dialog over the progress takes its own Escape first.
    Keys.onEscapePressed: root.close()

    GrownupsGate {
        id: gate
    }

    Background {
        anchors.fill: parent
    }
    // Clicks must not reach the screen underneath.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
    }

    GrownupsGatePanel {
        anchors.fill: parent
        visible: !gate.passed
        gate: gate
        onCancel: root.close()
    }

    Loader {
        objectName: "grownupsProgressLoader"
        anchors.fill: parent
        active: gate.passed
        sourceComponent: GrownupsProgressView {
            objectName: "grownupsProgress"
        }
        onLoaded: (item as GrownupsProgressView).close.connect(root.close)
    }
}
