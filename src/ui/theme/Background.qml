// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The night-sky gradient that fills the window edge to edge.
Rectangle {
    gradient: Gradient {
        GradientStop { position: 0.0; color: Theme.bgTop }
        GradientStop { position: 0.5; color: Theme.bgMid }
        GradientStop { position: 1.0; color: Theme.bgBottom }
    }
}
