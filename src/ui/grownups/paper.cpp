// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "paper.h"

#include "theme.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>

namespace tapalong::Paper {

namespace {

// Pixels per point of an emoji's picture: sharp when printed, small in the file.
constexpr qreal emojiScale = 4;

} // namespace

Sheet::Sheet(const QString &path, const QString &title, bool landscape) : writer(path)
{
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Tapalong"));
    // One device pixel per point, so that every size below reads as on paper.
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF()));
    painter.begin(&writer);
    painter.setRenderHint(QPainter::Antialiasing);
}

QFont face(qreal points, int weight)
{
    QFont font = Theme::rounded(points, weight);
    // Emoji never reach the PDF as text; without the colour face as a fallback a stray one
    // would come out as an empty box rather than nothing.
    font.setFamilies({QStringLiteral("Quicksand"), QStringLiteral("DejaVu Sans")});
    return font;
}

qreal text(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
           const QColor &colour, int flags)
{
    painter.setFont(font);
    painter.setPen(colour);
    QRectF used;
    painter.drawText(box, flags | Qt::TextWordWrap, text, &used);
    return used.height();
}

void emoji(QPainter &painter, const QRectF &box, const QString &emoji)
{
    if (emoji.isEmpty() || box.height() <= 0)
        return;
    QFont font = Theme::emoji(box.height() * 0.8 * emojiScale);
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(emoji) + 2, metrics.height());
    QImage image(size.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter picture(&image);
        picture.setFont(font);
        picture.drawText(QRectF(QPointF(), size), Qt::AlignCenter, emoji);
    }
    QSizeF shown = size / emojiScale;
    if (shown.width() > box.width())
        shown *= box.width() / shown.width();
    QRectF target(QPointF(), shown);
    target.moveCenter(box.center());
    painter.drawImage(target, image);
}

QColor ink()
{
    return Theme::ink();
}

QColor faint()
{
    QColor colour = Theme::lavender();
    colour.setAlphaF(0.35f);
    return colour;
}

} // namespace tapalong::Paper
