// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// One key-down event as the lesson and game screens see it.
#pragma once

#include <QString>
#include <QtCore/qnamespace.h>

namespace tapalong {

// Key codes: the screens test Escape and Return by the names below, whose numbers sit in a band
// of their own; every other key gets a number derived from its Qt::Key, so a key reads the
// same on every platform:
//   0x0000            unknown (Qt::Key_unknown and anything outside the bands below)
//   0x0001 – 0x00FF   named keys; only returnKey and escape are used
//   0x0100 + c        a key whose Qt::Key is Unicode character c (the capital for letters),
//                     c up to U+7EFF: every alphabet a keyboard layout types directly
//   0x8000 + n        Qt::Key 0x01000000 + n, n < 0x2000: editing, navigation, function,
//                     modifier, media and dead keys
//   0xA000 + n, 0xA100 + n, 0xA200 + n
//                     Qt::Key 0x01010000 + n, 0x01020000 + n, 0x01100000 + n (n < 0x100)
// Keypad keys share the code of the main key, except that keypad Enter is Return.
struct KeyInput {
    // The first grapheme of the text the key types, modifiers applied: "A" for Shift+a,
    // "\x1b" for Escape, "\r" for Return. Empty when the key types nothing; a grapheme is
    // never empty, so empty means absent.
    QString ch;
    quint16 keyCode = 0;
    bool isRepeat = false;

    static constexpr quint16 unknownKey = 0;
    static constexpr quint16 returnKey = 36;
    static constexpr quint16 escape = 53;

    static constexpr quint16 keyCodeFor(int qtKey);

    bool operator==(const KeyInput &) const = default;
};

constexpr quint16 KeyInput::keyCodeFor(int qtKey)
{
    if (qtKey == Qt::Key_Escape)
        return escape;
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        return returnKey;

    struct Band {
        int firstKey;
        int count;
        int firstCode;
    };
    constexpr Band bands[] = {
        {0x0001, 0x7EFF, 0x0101},    {0x01000000, 0x2000, 0x8000}, {0x01010000, 0x100, 0xA000},
        {0x01020000, 0x100, 0xA100}, {0x01100000, 0x100, 0xA200},
    };
    for (const Band &band : bands) {
        if (qtKey >= band.firstKey && qtKey - band.firstKey < band.count)
            return quint16(band.firstCode + (qtKey - band.firstKey));
    }
    return unknownKey;
}

} // namespace tapalong
