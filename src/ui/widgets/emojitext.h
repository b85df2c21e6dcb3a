// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// An emoji that can be shown drained of colour, on every scene graph backend.
#pragma once

#include <QImage>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// Grey by luminance, alpha kept, so a locked badge keeps its shape but loses its colour.
QImage toGreyscale(const QImage &image);

// Shader effects and layer effects are unavailable with the software renderer, which a
// computer without a real GPU driver runs, so the grey is computed on the CPU once per change.
class EmojiText : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(qreal pixelSize READ pixelSize WRITE setPixelSize NOTIFY pixelSizeChanged)
    Q_PROPERTY(bool greyscale READ greyscale WRITE setGreyscale NOTIFY greyscaleChanged)

public:
    explicit EmojiText(QQuickItem *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    qreal pixelSize() const { return m_pixelSize; }
    void setPixelSize(qreal pixelSize);
    bool greyscale() const { return m_greyscale; }
    void setGreyscale(bool greyscale);

    void paint(QPainter *painter) override;

signals:
    void textChanged();
    void pixelSizeChanged();
    void greyscaleChanged();

private:
    void relayout();

    QString m_text;
    qreal m_pixelSize = 30;
    bool m_greyscale = false;
};

} // namespace tapalong
