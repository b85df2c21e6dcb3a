// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "emojitext.h"

#include "theme.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QQuickWindow>

#include <cmath>

namespace tapalong {

QImage toGreyscale(const QImage &image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            // Premultiplied channels scale with alpha alike, so their grey stays premultiplied.
            const int g = qGray(line[x]);
            line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
    }
    return grey;
}

EmojiText::EmojiText(QQuickItem *parent) : QQuickPaintedItem(parent)
{
    relayout();
}

void EmojiText::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    relayout();
    emit textChanged();
}

void EmojiText::setPixelSize(qreal pixelSize)
{
    if (qFuzzyCompare(pixelSize, m_pixelSize))
        return;
    m_pixelSize = pixelSize;
    relayout();
    emit pixelSizeChanged();
}

void EmojiText::setGreyscale(bool greyscale)
{
    if (greyscale == m_greyscale)
        return;
    m_greyscale = greyscale;
    update();
    emit greyscaleChanged();
}

void EmojiText::relayout()
{
    const QFontMetricsF metrics(Theme::emoji(m_pixelSize));
    setImplicitSize(std::ceil(metrics.horizontalAdvance(m_text)), std::ceil(metrics.height()));
    update();
}

void EmojiText::paint(QPainter *painter)
{
    const QFont font = Theme::emoji(m_pixelSize);
    const QRectF box = boundingRect();
    if (!m_greyscale) {
        painter->setFont(font);
        painter->drawText(box, Qt::AlignCenter, m_text);
        return;
    }
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    QImage image((box.size() * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QPainter offscreen(&image);
        offscreen.setFont(font);
        offscreen.drawText(box, Qt::AlignCenter, m_text);
    }
    painter->drawImage(box.topLeft(), toGreyscale(image));
}

} // namespace tapalong
