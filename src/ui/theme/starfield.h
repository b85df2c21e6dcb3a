// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The twinkling sky behind every screen: 70 stars placed the same way on every launch.
#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class QQmlEngine;
class QJSEngine;

namespace tapalong {

// x and y are fractions of the sky's width and height; size in logical pixels; phase in
// radians; speed in radians per second.
struct Star {
    double x = 0;
    double y = 0;
    double size = 0;
    double phase = 0;
    double speed = 0;
};

class Starfield : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // x, y, size of every star in turn, flat so that QML reads it without conversions.
    Q_PROPERTY(QList<qreal> stars READ flatStars CONSTANT)

public:
    static constexpr int starCount = 70;

    using QObject::QObject;

    static Starfield *create(QQmlEngine *, QJSEngine *) { return new Starfield; }

    // Built on first use and shared by every view.
    static const QList<Star> &sky();
    // Between 0.25 and 0.80, never fully dark nor fully bright; `seconds` counts from any
    // fixed moment, the start of the program for the views.
    static double twinkle(const Star &star, double seconds);

    static QList<qreal> flatStars();
    // One opacity per star, in the order of `stars`.
    static QList<qreal> opacitiesAt(double seconds);

    // A change of opacity this small hardly shows on a star a few pixels wide, where the
    // twinkle itself spans 0.55.
    static constexpr qreal visibleStep = 0.07;
    // Each star of `shown` whose twinkle in `now` is at least `visibleStep` away takes its new
    // opacity; the others keep theirs. Answers how many changed.
    static int catchUp(QList<qreal> &shown, const QList<qreal> &now);
};

// The sky drawn: one small scene-graph node per star, of which only the opacity changes,
// looked at every `interval` ms. The software renderer then repaints a few specks instead of
// the window: only the stars whose brightness moved visibly, because what it costs to merge
// the specks into one region grows with the square of their number. Redrawing all 70 stars
// on every look cost 1.6 times as much.
// It stands still while it or its window cannot be seen (hidden, minimised, covered), so a
// program left in the background costs nothing.
class StarSky : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT

    // Whether the stars are twinkling now, for tests and measurements.
    Q_PROPERTY(bool twinkling READ twinkling NOTIFY twinklingChanged FINAL)
    // Calm motion: the stars keep the brightness they have and stop twinkling.
    Q_PROPERTY(bool still READ still WRITE setStill NOTIFY stillChanged FINAL)

public:
    // As often as the eye needs for a twinkle this slow: a star takes 5 to 16 s to brighten
    // and fade again, and between looks most move by less than the visible step, none by more
    // than 0.14. Each look costs a frame, and each star it changes a little more: over 20 s of
    // the idle main view, looks every 0.3 s with a step of 0.05 took 190 M instructions, every
    // 0.4 s with a step of 0.07, 132 M.
    static constexpr int interval = 400;

    explicit StarSky(QQuickItem *parent = nullptr);

    bool twinkling() const { return m_timer.isActive(); }
    bool still() const { return m_still; }
    void setStill(bool still);

signals:
    void twinklingChanged();
    void stillChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *old, UpdatePaintNodeData *) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    void watchWindow(QQuickWindow *window);
    void updateRunning();
    void applyTwinkle();

    QBasicTimer m_timer;
    QPointer<QQuickWindow> m_window;
    QList<qreal> m_opacities;
    // The node last handed to the scene graph, while the scene graph keeps it.
    QSGNode *m_sky = nullptr;
    bool m_twinkleDue = false;
    bool m_placesDirty = true;
    bool m_still = false;
};

} // namespace tapalong
