// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// How one explorer likes the screens: reading font, text size, colours, motion and pace.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QLatin1StringView>

namespace tapalong {

enum class ReadingFont { rounded, andika, openDyslexic };
enum class TextSize { normal, large, larger };

// Every field's default is the look Tapalong always had, so a profile from an older file, or
// one whose grown-ups never opened the settings, sees exactly that.
struct Comfort {
    ReadingFont font = ReadingFont::rounded;
    TextSize textSize = TextSize::normal;
    // Finger colours told apart by every kind of colour vision, and a mark on every key.
    bool safeColours = false;
    // No confetti, twinkle, bounce or shake: things appear and go by cross-fading.
    bool calmMotion = false;
    // Falling and moving things in the games at a slower pace.
    bool gentleGames = false;
    bool highContrast = false;

    bool isDefault() const { return *this == Comfort{}; }
    bool operator==(const Comfort &) const = default;
};

namespace ComfortCodec {

namespace Key {
inline constexpr QLatin1StringView font{"readingFont"};
inline constexpr QLatin1StringView textSize{"textSize"};
inline constexpr QLatin1StringView safeColours{"safeColours"};
inline constexpr QLatin1StringView calmMotion{"calmMotion"};
inline constexpr QLatin1StringView gentleGames{"gentleGames"};
inline constexpr QLatin1StringView highContrast{"highContrast"};
} // namespace Key

// A compact JSON object holding only the fields that differ from the default.
QByteArray encode(const Comfort &comfort);

// Lenient: these are preferences, not progress, so a malformed field reads as its default with
// a line in the log and the other fields still count. Absent or null reads as all defaults.
Comfort read(const QJsonValue &value);

} // namespace ComfortCodec

} // namespace tapalong
