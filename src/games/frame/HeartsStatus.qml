// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The hearts in a game bar: a red heart for each one left and a black one for each lost.
Text {
    property int hearts: 3
    property int most: 3

    text: "❤️".repeat(Math.max(0, hearts)) + "🖤".repeat(Math.max(0, most - hearts))
    font: Theme.emoji(20)
    Accessible.role: Accessible.StaticText
    Accessible.name: qsTr("Lives: %1 of %2").arg(Math.max(0, hearts)).arg(most)
}
