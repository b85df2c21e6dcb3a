#include "starfield.h"

#include "seededrng.h"

#include <QTimeZone>

#include <cmath>
#include <numbers>

namespace tapalong {

const QList<Star> &Starfield::sky()
{
    static const QList<Star> stars = [] {
        SeededRNG rng(42);
        QList<Star> list;
        list.reserve(starCount);
        for (int i = 0; i < starCount; ++i) {
            // One statement per draw: the order of draws is what makes the sky repeatable.
            Star star;
            star.x = rng.nextDouble(0, 1);
            star.y = rng.nextDouble(0, 1);
            star.size = rng.nextDouble(1.5, 3.5);
            star.phase = rng.nextDouble(0, 2 * std::numbers::pi);
            star.speed = rng.nextDouble(0.4, 1.2);
            list.append(star);
        }
        return list;
    }();
    return stars;
}

double Starfield::twinkle(const Star &star, double secondsSinceReferenceDate)
{
    return (std::sin(star.phase + secondsSinceReferenceDate * star.speed) * 0.5 + 0.5) * 0.55 +
           0.25;
}

double Starfield::secondsSinceReferenceDate(const QDateTime &moment)
{
    static const QDateTime reference(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return double(reference.msecsTo(moment)) / 1000.0;
}

QList<qreal> Starfield::flatStars()
{
    static const QList<qreal> flat = [] {
        QList<qreal> list;
        list.reserve(starCount * 3);
        for (const Star &star : sky())
            list << star.x << star.y << star.size;
        return list;
    }();
    return flat;
}

QList<qreal> Starfield::opacitiesAt(double secondsSinceReferenceDate)
{
    QList<qreal> opacities;
    opacities.reserve(starCount);
    for (const Star &star : sky())
        opacities.append(twinkle(star, secondsSinceReferenceDate));
    return opacities;
}

double Starfield::now()
{
    return secondsSinceReferenceDate(QDateTime::currentDateTimeUtc());
}

} // namespace tapalong
