// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What each key of the main block types on a keyboard layout, read from the system's keyboard
// data (xkb-data) through libxkbcommon.
#pragma once

#include "layoutname.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tapalong {

namespace Xkb {

// The order of levels everywhere: plain, Shift, AltGr, Shift+AltGr.
inline constexpr int levelCount = 4;

struct Level {
    QString text; // what the level types; for a dead key, the accent it stands for ("´")
    bool dead = false;

    bool operator==(const Level &) const = default;
};

struct PhysicalKey {
    QString position; // "AC01"
    std::array<Level, levelCount> levels;

    bool operator==(const PhysicalKey &) const = default;
};

// A dead key followed by a second key types `result`.
struct DeadSequence {
    QString result;
    QString deadPosition;
    int deadLevel = 0;
    QString position;
    int level = 0;

    bool operator==(const DeadSequence &) const = default;
};

struct Keymap {
    LayoutName name;
    QList<PhysicalKey> keys; // in the order of mainBlock(); keys the layout leaves empty are left out
    QList<DeadSequence> sequences;
};

// The main block, row by row, left to right, as the keyboard data names its keys.
const QStringList &mainBlock();

enum class Problem { none, badName, unknownLayout };

// Compiles the layout with the evdev rules and a pc105 keyboard, AltGr on the right Alt key.
// Dead keys compose as the en_US.UTF-8 compose table says, which nearly every UTF-8 locale
// uses.
std::optional<Keymap> read(const LayoutName &name, Problem *problem = nullptr);

} // namespace Xkb
} // namespace tapalong
