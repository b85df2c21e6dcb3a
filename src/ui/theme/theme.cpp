// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "theme.h"

namespace tapalong {

namespace {

QFont face(const QStringList &families, qreal pixelSize, int weight)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

const QString emojiFamily = QStringLiteral("Noto Color Emoji");

} // namespace

QColor Theme::tint(Tint tint)
{
    switch (tint) {
    case Tint::sunshine:
        return sunshine();
    case Tint::mint:
        return mint();
    case Tint::coral:
        return coral();
    case Tint::sky:
        return sky();
    case Tint::lavender:
        return lavender();
    case Tint::tangerine:
        return tangerine();
    case Tint::pink:
        return pink();
    }
    Q_UNREACHABLE();
}

QFont Theme::rounded(qreal pixelSize, int weight)
{
    return face({QStringLiteral("Quicksand"), emojiFamily}, pixelSize, weight);
}

QFont Theme::plain(qreal pixelSize, int weight)
{
    // Not the rounded face first: Qt 6.4 caches a face with its fallbacks under the first family
    // alone, so "Quicksand" then "DejaVu Sans" would hand its fallbacks to every rounded text of
    // the same size, and their emoji would come out black and white.
    return face({QStringLiteral("DejaVu Sans")}, pixelSize, weight);
}

QFont Theme::mono(qreal pixelSize, int weight)
{
    QFont font = face({QStringLiteral("DejaVu Sans Mono"), emojiFamily}, pixelSize, weight);
    font.setStyleHint(QFont::Monospace);
    return font;
}

QFont Theme::emoji(qreal pixelSize)
{
    return face({emojiFamily, QStringLiteral("Quicksand")}, pixelSize, QFont::Normal);
}

} // namespace tapalong
