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

QFont Theme::rounded(qreal pixelSize, int weight)
{
    return face({QStringLiteral("Quicksand"), emojiFamily}, pixelSize, weight);
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
