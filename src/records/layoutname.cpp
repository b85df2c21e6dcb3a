// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "layoutname.h"

namespace tapalong {

namespace {

constexpr qsizetype longestPart = 64;

// The keyboard data names layouts in lower case ("de", "latam") and variants in any case with
// digits, '_' and '-' ("T3", "mac_intl", "alt-intl").
bool isNamePart(QStringView part, bool lowerOnly)
{
    if (part.isEmpty() || part.size() > longestPart)
        return false;
    for (const QChar c : part) {
        const char16_t u = c.unicode();
        const bool ok = (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'_' ||
                        u == u'-' || (!lowerOnly && u >= u'A' && u <= u'Z');
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

std::optional<LayoutName> LayoutName::parse(QStringView text)
{
    QStringView layout = text;
    QStringView variant;
    if (const qsizetype open = text.indexOf(u'('); open >= 0) {
        if (!text.endsWith(u')'))
            return std::nullopt;
        layout = text.first(open);
        variant = text.sliced(open + 1, text.size() - open - 2);
        if (!isNamePart(variant, false))
            return std::nullopt;
    }
    if (!isNamePart(layout, true))
        return std::nullopt;
    return LayoutName{layout.toString(), variant.toString()};
}

QString LayoutName::text() const
{
    return variant.isEmpty() ? layout : layout + u'(' + variant + u')';
}

} // namespace tapalong
