// The twinkling sky behind every screen: 70 stars placed the same way on every launch.
#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
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

    // x, y, size of every star in turn, flat so that a canvas reads it without conversions.
    Q_PROPERTY(QList<qreal> stars READ flatStars CONSTANT)

public:
    static constexpr int starCount = 70;

    using QObject::QObject;

    static Starfield *create(QQmlEngine *, QJSEngine *) { return new Starfield; }

    // Built on first use and shared by every view.
    static const QList<Star> &sky();
    // Between 0.25 and 0.80, never fully dark nor fully bright.
    static double twinkle(const Star &star, double secondsSinceReferenceDate);
    // The twinkle clock counts from 1 January 2001, 00:00 UTC.
    static double secondsSinceReferenceDate(const QDateTime &moment);

    static QList<qreal> flatStars();
    // One opacity per star, in the order of `stars`.
    Q_INVOKABLE static QList<qreal> opacitiesAt(double secondsSinceReferenceDate);
    Q_INVOKABLE static double now();
};

} // namespace tapalong
