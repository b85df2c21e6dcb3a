// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick
import Tapalong.Ui

// The rounded fill that a card's content sits on.
Rectangle {
    color: Theme.card
    radius: 20
}
