// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Drawing for paper, shared by the report and the certificates: a page in points, the faces,
// and emoji as pictures (Qt's PDF writer draws colour glyphs as nothing at all).
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QString>

#include <memory>

namespace tapalong::Paper {

// An A4 sheet measured in points, margins included in the drawing; the painter is inactive
// when the file cannot be opened.
struct Sheet {
    explicit Sheet(const QString &path, const QString &title, bool landscape = false);
    QPdfWriter writer;
    QPainter painter;
};

QFont face(qreal points, int weight = QFont::Normal);
// Letters in ink; returns the height the wrapped text took.
qreal text(QPainter &painter, const QRectF &box, const QString &text, const QFont &font,
           const QColor &colour, int flags = Qt::AlignLeft | Qt::AlignTop);
// Emoji in colour, centred in the box, as big as its height allows.
void emoji(QPainter &painter, const QRectF &box, const QString &emoji);

QColor ink();
QColor faint(); // rules and empty bars

} // namespace tapalong::Paper
