// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Curriculum
import Tapalong.Ui

// Both hands side by side, the finger that presses the next key raised.
Row {
    id: root

    // The raised finger, or Keyboard.noFinger for none.
    property int active: Keyboard.noFinger

    spacing: 64

    SingleHandView {
        objectName: "leftHand"
        isLeft: true
        active: root.active
    }
    SingleHandView {
        objectName: "rightHand"
        isLeft: false
        active: root.active
    }
}
