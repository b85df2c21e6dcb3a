// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "grownupsreport.h"

#include "curriculum.h"
#include "history.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tapalong::GrownupsReport {

QString count(const char *context, qint64 n, const char *one, const char *many)
{
    return QCoreApplication::translate(context, n == 1 ? one : many).arg(n);
}

namespace {

// By lesson id; tricky-key practice and ids from elsewhere have none.
QHash<QString, double> lessonGoals()
{
    QHash<QString, double> goals;
    for (const Lesson &lesson : Curriculum::allLessons())
        goals.insert(lesson.id, lesson.targetWPM);
    return goals;
}

QString wholeNumber(double value)
{
    return QString::number(std::llround(value));
}

std::optional<QChar> mostTypedInstead(const KeyStat &stat)
{
    std::optional<QChar> most;
    qint64 times = 0;
    for (auto it = stat.typedInstead.cbegin(); it != stat.typedInstead.cend(); ++it) {
        if (it.value() > times) {
            times = it.value();
            most = it.key();
        }
    }
    return most;
}

} // namespace

QList<SpeedPoint> speedPoints(const Profile &profile)
{
    static const QHash<QString, double> goals = lessonGoals();
    QList<SpeedPoint> points;
    for (const PracticeEntry &entry : profile.history) {
        if (!entry.isGame())
            points.append({entry.wpm, entry.accuracy, goals.value(entry.lessonId),
                           History::isPractice(entry.lessonId), entry.date.localDate()});
    }
    return points;
}

QList<DayMinutes> practiceDays(const Profile &profile, QDate today)
{
    QList<DayMinutes> days;
    const QDate first = today.addDays(1 - shownDays);
    for (int i = 0; i < shownDays; ++i)
        days.append({first.addDays(i), 0});
    // The history is oldest first: only its tail can fall in the window.
    for (auto it = profile.history.crbegin(); it != profile.history.crend(); ++it) {
        const qint64 index = first.daysTo(it->date.localDate());
        if (index < 0)
            break;
        if (index < shownDays)
            days[index].minutes += it->seconds / 60.0;
    }
    return days;
}

int daysPractisedThisWeek(const Profile &profile, QDate today)
{
    QSet<QDate> days;
    for (auto it = profile.history.crbegin(); it != profile.history.crend(); ++it) {
        const QDate day = it->date.localDate();
        const qint64 ago = day.daysTo(today);
        if (ago > 6)
            break;
        if (ago >= 0)
            days.insert(day);
    }
    return int(days.size());
}

qint64 currentStreak(const Profile &profile, QDate today)
{
    if (!profile.lastActiveDay)
        return 0;
    const qint64 ago = profile.lastActiveDay->localDate().daysTo(today);
    return ago == 0 || ago == 1 ? profile.streak : 0;
}

QList<UnitStars> unitStars(const Profile &profile)
{
    QList<UnitStars> units;
    for (const LearningUnit &unit : Curriculum::units()) {
        UnitStars row{unit.emoji, unit.title, 0, 3 * qint64(unit.lessons.size())};
        for (const Lesson &lesson : unit.lessons)
            row.stars += profile.lessonResults.value(lesson.id).stars;
        units.append(row);
    }
    return units;
}

QList<GamePlayed> gamesPlayed(const Profile &profile)
{
    QList<GamePlayed> games;
    for (GameKind kind : allGameKinds) {
        const int played =
            int(std::count_if(profile.history.cbegin(), profile.history.cend(),
                              [&](const PracticeEntry &entry) { return entry.game == kind; }));
        const qint64 best = profile.bestScore(kind);
        if (played > 0 || best > 0)
            games.append({kind, played, best});
    }
    return games;
}

QMap<QChar, double> errorRates(const Profile &profile)
{
    QMap<QChar, double> rates;
    for (auto it = profile.keyStats.cbegin(); it != profile.keyStats.cend(); ++it) {
        const double attempts = double(it->right) + double(it->wrong);
        if (attempts > 0)
            rates.insert(it.key(), double(it->wrong) / attempts);
    }
    return rates;
}

QList<TrickyKey> trickiestKeys(const Profile &profile, int count)
{
    QList<TrickyKey> keys;
    for (auto it = profile.keyStats.cbegin(); it != profile.keyStats.cend(); ++it) {
        const double attempts = double(it->right) + double(it->wrong);
        if (it->wrong > 0 && attempts >= minAttemptsToName && it.key() != u' ')
            keys.append({it.key(), double(it->wrong) / attempts, mostTypedInstead(*it)});
    }
    // Stable, so equal rates keep the order of the characters.
    std::stable_sort(keys.begin(), keys.end(), [](const TrickyKey &a, const TrickyKey &b) {
        return a.errorRate > b.errorRate;
    });
    return keys.mid(0, count);
}

QString keyName(QChar key)
{
    switch (key.unicode()) {
    case u' ':
        return QCoreApplication::translate("GrownupsReport", "Space");
    case u';':
        return QCoreApplication::translate("GrownupsReport", "semicolon");
    case u',':
        return QCoreApplication::translate("GrownupsReport", "comma");
    case u'.':
        return QCoreApplication::translate("GrownupsReport", "full stop");
    case u'/':
        return QCoreApplication::translate("GrownupsReport", "slash");
    case u'\'':
        return QCoreApplication::translate("GrownupsReport", "apostrophe");
    default:
        return QString(key.toUpper());
    }
}

QString summary(const Profile &profile, QDate today)
{
    QStringList parts;
    const int days = daysPractisedThisWeek(profile, today);
    if (days == 0)
        parts << QCoreApplication::translate("GrownupsReport", "%1 has not practised this week")
                     .arg(profile.name);
    else
        parts << QCoreApplication::translate("GrownupsReport", "%1 practised %n day(s) this week",
                                             nullptr, days)
                     .arg(profile.name);

    QList<double> speeds;
    for (const PracticeEntry &entry : profile.history) {
        if (!entry.isGame() && !History::isPractice(entry.lessonId) &&
            entry.date.localDate().daysTo(today) <= 6 &&
            entry.date.localDate().daysTo(today) >= 0)
            speeds.append(entry.wpm);
    }
    if (speeds.size() >= 2)
        parts << QCoreApplication::translate("GrownupsReport", "their speed went from %1 to %2 wpm")
                     .arg(wholeNumber(speeds.front()), wholeNumber(speeds.back()));
    else if (speeds.size() == 1)
        parts << QCoreApplication::translate("GrownupsReport", "their speed was %1 wpm")
                     .arg(wholeNumber(speeds.front()));

    // The mix-up made most often, counted over all keys.
    qint64 most = 0;
    QChar expected, typed;
    for (auto it = profile.keyStats.cbegin(); it != profile.keyStats.cend(); ++it) {
        for (auto t = it->typedInstead.cbegin(); t != it->typedInstead.cend(); ++t) {
            if (t.value() > most) {
                most = t.value();
                expected = it.key();
                typed = t.key();
            }
        }
    }
    // Three times before it is "often": one slip is not a habit.
    if (most >= 3)
        parts << QCoreApplication::translate("GrownupsReport", "they often type %1 for %2")
                     .arg(keyName(typed), keyName(expected));
    //: Joins the parts of the report's sentence: "Mia practised 4 days this week; their speed …"
    return QCoreApplication::translate("GrownupsReport", "%1.")
        .arg(parts.join(QCoreApplication::translate("GrownupsReport", "; ")));
}

double accuracyFloor(const QList<SpeedPoint> &points)
{
    double lowest = 100;
    for (const SpeedPoint &point : points)
        lowest = std::min(lowest, point.accuracy);
    // Ten points of room below the lowest, so that no dot sits on the axis.
    return std::clamp(std::floor((lowest - 10) / 10) * 10, 0.0, 80.0);
}

} // namespace tapalong::GrownupsReport
