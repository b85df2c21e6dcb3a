// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The night-sky palette and the faces every screen draws with, in each explorer's own look.
#pragma once

#include "appstore.h"
#include "comfort.h"
#include "gamefacts.h"
#include "keyboardlayout.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>


namespace tapalong {

// The colours that differ between the usual night sky and high contrast.
struct Palette {
    QColor bgTop;
    QColor bgMid;
    QColor bgBottom;
    QColor card;
    QColor cardBright;
    QColor textDim;
    QColor ghostFill;
    QColor ghostFillPressed;
    QColor starOutline;
    QColor keyOutline;

    static const Palette &usual();
    // Every text at 4.5:1 or more against what it stands on, key outlines and other shapes a
    // child must see at 3:1 (WCAG 2.1 AA).
    static const Palette &highContrast();
};

// A text colour over what it stands on, as the screens draw them, and the contrast it needs.
// Translucent colours are laid over the ones after them, the last being opaque.
struct ColourPair {
    QString name;
    QList<QColor> layers; // the text or shape first, then what lies under it, top to bottom
    qreal needed = 4.5;
};
// Every pair the screens draw, for each of the three colours of the sky behind them.
QList<ColourPair> textPairs(const Palette &palette);

// The finger colours that every kind of colour vision tells apart within one hand; mirror
// fingers share one.
QColor safeFingerColor(Finger finger);
// The small shape on each key, the hands and the hint line that names the finger without its
// colour. Mirror fingers share one; the four fingers of a hand all differ.
QString fingerMark(Finger finger);

// One explorer's look as QML calls it.
struct Look {
    Q_GADGET
    QML_VALUE_TYPE(look)

public:
    Comfort comfort;

    qreal textScale() const;
    // The reading face, scaled to the explorer's text size: for the screens' texts.
    Q_INVOKABLE QFont rounded(qreal pixelSize, int weight = QFont::Normal) const;
    // The reading face at the size given: for letters in a box of fixed size (keys, bubbles).
    Q_INVOKABLE QFont glyph(qreal pixelSize, int weight = QFont::Normal) const;
    // Monospaced, at the size given: the drill line and the passages.
    Q_INVOKABLE QFont mono(qreal pixelSize, int weight = QFont::Normal) const;
    // White for Keyboard.noFinger, as keys without a finger are filled.
    Q_INVOKABLE QColor fingerColor(int finger) const;
    // "" for Keyboard.noFinger and while safe colours are off.
    Q_INVOKABLE QString fingerMark(int finger) const;
    // The colour of the finger that types ch, or the fallback.
    Q_INVOKABLE QColor keyColor(const QString &ch, const QColor &fallback) const;
    Q_INVOKABLE QString keyMark(const QString &ch) const;

    bool operator==(const Look &) const = default;
};

// The palette and faces every screen draws with, following the current explorer's look.
class Theme : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // These follow the current explorer's contrast setting.
    Q_PROPERTY(QColor bgTop READ bgTop NOTIFY lookChanged)
    Q_PROPERTY(QColor bgMid READ bgMid NOTIFY lookChanged)
    Q_PROPERTY(QColor bgBottom READ bgBottom NOTIFY lookChanged)
    Q_PROPERTY(QColor card READ card NOTIFY lookChanged)
    Q_PROPERTY(QColor cardBright READ cardBright NOTIFY lookChanged)
    Q_PROPERTY(QColor textDim READ textDim NOTIFY lookChanged)
    Q_PROPERTY(QColor ghostFill READ ghostFill NOTIFY lookChanged)
    Q_PROPERTY(QColor ghostFillPressed READ ghostFillPressed NOTIFY lookChanged)
    Q_PROPERTY(QColor starOutline READ starOutline NOTIFY lookChanged)
    // Transparent in the usual look, whose keys have no outline.
    Q_PROPERTY(QColor keyOutline READ keyOutline NOTIFY lookChanged)
    // The tints read well on both skies, so they never change.
    Q_PROPERTY(QColor ink READ ink CONSTANT)
    Q_PROPERTY(QColor sunshine READ sunshine CONSTANT)
    Q_PROPERTY(QColor mint READ mint CONSTANT)
    Q_PROPERTY(QColor coral READ coral CONSTANT)
    Q_PROPERTY(QColor sky READ sky CONSTANT)
    Q_PROPERTY(QColor lavender READ lavender CONSTANT)
    Q_PROPERTY(QColor tangerine READ tangerine CONSTANT)
    Q_PROPERTY(QColor pink READ pink CONSTANT)
    Q_PROPERTY(QColor textPrimary READ textPrimary CONSTANT)
    // The ring around whatever has the keyboard's focus: white, so that it shows on the night
    // sky and beside every tint of the cards and buttons.
    Q_PROPERTY(QColor focusRing READ focusRing CONSTANT)

    // The current explorer's look, as one value: a binding that calls look.rounded(…) or
    // look.fingerColor(…) is evaluated again whenever it changes.
    Q_PROPERTY(tapalong::Look look READ look NOTIFY lookChanged)
    Q_PROPERTY(bool calmMotion READ calmMotion NOTIFY lookChanged)
    Q_PROPERTY(bool safeColours READ safeColours NOTIFY lookChanged)
    Q_PROPERTY(qreal textScale READ textScale NOTIFY lookChanged)
    // What the games multiply the speed of falling and moving things by.
    Q_PROPERTY(qreal gamePace READ gamePace NOTIFY lookChanged)
    // The program's store from the start; tests set their own.
    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)

public:
    // QML makes the singleton with this constructor (it prefers one over a create()): it
    // follows the program's store from the start.
    explicit Theme(QObject *parent = nullptr);

    // Static, so that the view models hand QML their colours from this one palette.
    static QColor ink() { return QColor(32, 16, 64); }
    static QColor sunshine() { return QColor(255, 217, 61); }
    static QColor mint() { return QColor(82, 224, 158); }
    static QColor coral() { return QColor(255, 107, 107); }
    static QColor sky() { return QColor(90, 184, 255); }
    static QColor lavender() { return QColor(179, 157, 255); }
    static QColor tangerine() { return QColor(255, 169, 77); }
    static QColor pink() { return QColor(255, 143, 216); }
    static QColor textPrimary() { return QColor(255, 255, 255); }
    static QColor focusRing() { return QColor(255, 255, 255); }
    static QColor tint(Tint tint);

    QColor bgTop() const { return palette().bgTop; }
    QColor bgMid() const { return palette().bgMid; }
    QColor bgBottom() const { return palette().bgBottom; }
    QColor card() const { return palette().card; }
    QColor cardBright() const { return palette().cardBright; }
    QColor textDim() const { return palette().textDim; }
    QColor ghostFill() const { return palette().ghostFill; }
    QColor ghostFillPressed() const { return palette().ghostFillPressed; }
    QColor starOutline() const { return palette().starOutline; }
    QColor keyOutline() const { return palette().keyOutline; }

    const Palette &palette() const;
    Look look() const { return {comfort()}; }
    Comfort comfort() const;
    bool calmMotion() const { return comfort().calmMotion; }
    bool safeColours() const { return comfort().safeColours; }
    qreal textScale() const { return look().textScale(); }
    qreal gamePace() const { return comfort().gentleGames ? gentlePace : 1.0; }
    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);

    // Falling and moving things at 60 % of their usual speed: a game of 45 s then asks about as
    // much as a usual one of 27 s, time enough for a child who looks for each key.
    static constexpr qreal gentlePace = 0.6;

    // Sizes are logical pixels. Letters come from the rounded face; emoji fall through to the
    // colour emoji face, which QML's single `font.family` cannot express. These are the usual
    // look's; screens ask `look` for the explorer's.
    Q_INVOKABLE static QFont rounded(qreal pixelSize, int weight = QFont::Normal);
    Q_INVOKABLE static QFont mono(qreal pixelSize, int weight = QFont::Normal);
    // For a symbol that has an emoji form but must read as text in the text's colour (▶).
    Q_INVOKABLE static QFont plain(qreal pixelSize, int weight = QFont::Normal);
    // For text that is only emoji: the colour face first, so that symbols with a plain text
    // form elsewhere still come out in colour.
    Q_INVOKABLE static QFont emoji(qreal pixelSize);

signals:
    void lookChanged();
    void storeChanged();

private:
    void refresh();

    QPointer<AppStore> m_store;
    Comfort m_comfort;
};

} // namespace tapalong
