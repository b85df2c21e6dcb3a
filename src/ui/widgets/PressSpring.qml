// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick

// The springy press of the buttons: a 0.25 s response with a damping fraction of 0.6.
// SpringAnimation steps v += spring·Δx − damping·v every 16 ms, so for ω = 2π / 0.25 s:
// spring = ω²·0.016 and damping = 2·0.6·ω·0.016.
SpringAnimation {
    spring: 10.1
    damping: 0.48
    epsilon: 0.001
}
