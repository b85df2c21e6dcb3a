// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The night-sky palette and the rounded and monospaced faces that every screen draws with.
#pragma once

#include "gamefacts.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class QQmlEngine;
class QJSEngine;

namespace tapalong {

// One constant property per colour of the palette and per shared size: a table, not a view model.
class Theme : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QColor bgTop READ bgTop CONSTANT)
    Q_PROPERTY(QColor bgMid READ bgMid CONSTANT)
    Q_PROPERTY(QColor bgBottom READ bgBottom CONSTANT)
    Q_PROPERTY(QColor card READ card CONSTANT)
    Q_PROPERTY(QColor cardBright READ cardBright CONSTANT)
    Q_PROPERTY(QColor ink READ ink CONSTANT)
    Q_PROPERTY(QColor sunshine READ sunshine CONSTANT)
    Q_PROPERTY(QColor mint READ mint CONSTANT)
    Q_PROPERTY(QColor coral READ coral CONSTANT)
    Q_PROPERTY(QColor sky READ sky CONSTANT)
    Q_PROPERTY(QColor lavender READ lavender CONSTANT)
    Q_PROPERTY(QColor tangerine READ tangerine CONSTANT)
    Q_PROPERTY(QColor pink READ pink CONSTANT)
    Q_PROPERTY(QColor textPrimary READ textPrimary CONSTANT)
    Q_PROPERTY(QColor textDim READ textDim CONSTANT)
    // The widgets' own tints, named here so that no screen needs a colour literal.
    Q_PROPERTY(QColor ghostFill READ ghostFill CONSTANT)
    Q_PROPERTY(QColor ghostFillPressed READ ghostFillPressed CONSTANT)
    Q_PROPERTY(QColor starOutline READ starOutline CONSTANT)
    // The ring around whatever has the keyboard's focus: white, so that it shows on the night
    // sky and beside every tint of the cards and buttons.
    Q_PROPERTY(QColor focusRing READ focusRing CONSTANT)

public:
    using QObject::QObject;

    static Theme *create(QQmlEngine *, QJSEngine *) { return new Theme; }

    // Static, so that the view models hand QML their colours from this one palette.
    static QColor bgTop() { return QColor(27, 17, 69); }
    static QColor bgMid() { return QColor(43, 27, 99); }
    static QColor bgBottom() { return QColor(15, 44, 92); }
    static QColor card() { return white(0.08); }
    static QColor cardBright() { return white(0.15); }
    static QColor ink() { return QColor(32, 16, 64); }
    static QColor sunshine() { return QColor(255, 217, 61); }
    static QColor mint() { return QColor(82, 224, 158); }
    static QColor coral() { return QColor(255, 107, 107); }
    static QColor sky() { return QColor(90, 184, 255); }
    static QColor lavender() { return QColor(179, 157, 255); }
    static QColor tangerine() { return QColor(255, 169, 77); }
    static QColor pink() { return QColor(255, 143, 216); }
    static QColor textPrimary() { return white(1.0); }
    static QColor textDim() { return white(0.65); }
    static QColor ghostFill() { return white(0.12); }
    static QColor ghostFillPressed() { return white(0.22); }
    static QColor starOutline() { return white(0.25); }
    static QColor focusRing() { return white(1.0); }
    static QColor tint(Tint tint);

    // Sizes are logical pixels. Letters come from the rounded face; emoji fall through to the
    // colour emoji face, which QML's single `font.family` cannot express.
    Q_INVOKABLE static QFont rounded(qreal pixelSize, int weight = QFont::Normal);
    Q_INVOKABLE static QFont mono(qreal pixelSize, int weight = QFont::Normal);
    // For a symbol that has an emoji form but must read as text in the text's colour (▶).
    Q_INVOKABLE static QFont plain(qreal pixelSize, int weight = QFont::Normal);
    // For text that is only emoji: the colour face first, so that symbols with a plain text
    // form elsewhere still come out in colour.
    Q_INVOKABLE static QFont emoji(qreal pixelSize);

private:
    static QColor white(qreal alpha) { return QColor::fromRgbF(1.0f, 1.0f, 1.0f, float(alpha)); }
};

} // namespace tapalong
