// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// A keyboard layout as the household chose it: "de", "us(intl)".
#pragma once

#include <QString>

#include <optional>

namespace tapalong {

// The names the X keyboard data gives a layout and its variant, written "LAYOUT" or
// "LAYOUT(VARIANT)". Only the shape is checked here (a name goes into the keyboard data's
// include paths, so a path or a comma that would pick a second layout never gets through);
// whether the system knows the layout is for the code that reads the keyboard data.
struct LayoutName {
    QString layout = QStringLiteral("us");
    QString variant; // empty for the layout's basic form

    // What a save file without a choice means.
    static LayoutName us() { return {}; }
    // Nothing for text of another shape: empty parts, spaces, brackets out of place, or a name
    // too long to be one (the keyboard data's longest are under 30 characters).
    static std::optional<LayoutName> parse(QStringView text);

    QString text() const;
    bool isUs() const { return *this == us(); }

    bool operator==(const LayoutName &) const = default;
};

} // namespace tapalong
