// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "courseprogress.h"
#include "storebinding.h"

#include "badges.h"
#include "curriculum.h"
#include "theme.h"

#include <QStringList>

#include <cmath>

namespace tapalong {

namespace {

const QString &placeholderAvatar()
{
    static const QString avatar = QStringLiteral("🙂");
    return avatar;
}

MapLesson::Circle circleOf(bool unlocked, const LessonResult *result)
{
    if (!unlocked)
        return MapLesson::Circle::locked;
    if (!result)
        return MapLesson::Circle::open;
    return result->stars >= 3 ? MapLesson::Circle::threeStars : MapLesson::Circle::finished;
}

QColor faded(QColor colour, float alpha)
{
    colour.setAlphaF(alpha);
    return colour;
}

QColor circleColor(MapLesson::Circle circle)
{
    switch (circle) {
    case MapLesson::Circle::locked:
        return Palette::usual().card;
    case MapLesson::Circle::open:
        return faded(Theme::sky(), 0.25f);
    case MapLesson::Circle::threeStars:
        return faded(Theme::sunshine(), 0.35f);
    case MapLesson::Circle::finished:
        return faded(Theme::mint(), 0.3f);
    }
    Q_UNREACHABLE();
}

MapLesson lessonEntry(const Lesson &lesson, const Profile &profile, const QString &nextId)
{
    const auto found = profile.lessonResults.constFind(lesson.id);
    const LessonResult *result = found != profile.lessonResults.cend() ? &*found : nullptr;
    const bool unlocked = Curriculum::isUnlocked(lesson, profile);
    MapLesson entry;
    entry.id = lesson.id;
    entry.title = lesson.title;
    entry.emoji = lesson.emoji;
    entry.newKeysLabel = CourseProgress::newKeysLabel(lesson.newKeys);
    entry.stars = result ? result->stars : 0;
    entry.finished = result != nullptr;
    entry.unlocked = unlocked;
    entry.isNext = lesson.id == nextId;
    entry.tooltip = unlocked ? CourseProgress::tr("Play %1").arg(lesson.title)
                             : CourseProgress::tr("Finish the lesson before this one to unlock!");
    entry.circle = circleOf(unlocked, result);
    entry.circleColor = circleColor(entry.circle);
    return entry;
}

} // namespace

CourseProgress::CourseProgress(QObject *parent) : QObject(parent)
{
    refresh();
}

void CourseProgress::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &CourseProgress::refresh))
        return;
    emit storeChanged();
    refresh();
}

int CourseProgress::lessonCount() const
{
    return int(Curriculum::allLessons().size());
}

double CourseProgress::finishedFraction() const
{
    return double(m_state.finishedCount) / lessonCount();
}

QString CourseProgress::keysTypedText(qint64 keys)
{
    if (keys < 10000)
        return QString::number(keys);
    return QString::asprintf("%.1fk", double(keys) / 1000.0);
}

QString CourseProgress::newKeysLabel(const QString &keys)
{
    QStringList shown;
    for (const QChar key : keys)
        shown.append(key == QLatin1Char(' ') ? QStringLiteral("␣") : QString(key.toUpper()));
    return shown.join(QLatin1Char(' '));
}

void CourseProgress::refresh()
{
    Profile placeholder;
    placeholder.avatar = placeholderAvatar();
    const Profile *current = m_store ? m_store->currentProfile() : nullptr;
    State state = compute(current ? *current : placeholder);
    if (state == m_state)
        return;
    m_state = std::move(state);
    emit updated();
}

CourseProgress::State CourseProgress::compute(const Profile &profile)
{
    State state;
    const QList<Lesson> &lessons = Curriculum::allLessons();

    const Lesson *next = nullptr;
    for (const Lesson &lesson : lessons) {
        if (profile.lessonResults.contains(lesson.id)) {
            ++state.finishedCount;
        } else if (!next) {
            next = &lesson;
        }
    }
    const QString nextId = next ? next->id : QString();

    for (const LearningUnit &unit : Curriculum::units()) {
        QList<MapLesson> unitLessons;
        qint64 earned = 0;
        for (const Lesson &lesson : unit.lessons) {
            unitLessons.append(lessonEntry(lesson, profile, nextId));
            earned += profile.lessonResults.value(lesson.id).stars;
        }
        const qint64 possible = 3 * unit.lessons.size();
        state.units.append({unit.id, unit.emoji + QStringLiteral("  ") + unit.title,
                            QStringLiteral("⭐️ %1/%2").arg(earned).arg(possible),
                            std::move(unitLessons)});
    }

    state.greeting = tr("Hi, %1! %2").arg(profile.name, profile.avatar);
    if (profile.lessonResults.isEmpty())
        state.subtitle = tr("Your typing adventure starts today!");
    else if (next)
        state.subtitle = tr("Next up: %1").arg(next->emoji + QLatin1Char(' ') + next->title);
    else
        state.subtitle = tr("You finished the whole quest! Legendary. 🎆");

    state.streakFlame = profile.streak >= 2;
    state.streakDays = tr("%n day(s)", nullptr, int(profile.streak));

    state.nextLessonId = nextId;
    if (next) {
        state.continueTitle = next->emoji + QStringLiteral("  ") + next->title;
        for (const LearningUnit &unit : Curriculum::units()) {
            for (const Lesson &lesson : unit.lessons) {
                if (lesson.id == next->id)
                    state.continueWorld =
                        tr("%1 world").arg(unit.emoji + QLatin1Char(' ') + unit.title);
            }
        }
        state.continueAction = tr("Start  ▶");
        state.continueName = tr("Start lesson: %1").arg(next->title);
    } else {
        state.continueTitle = tr("🎓  Quest complete!");
        state.continueAction = tr("Replay lessons");
        state.continueName = state.continueAction;
    }
    state.progressText =
        tr("%1 of %n lesson(s) finished", nullptr, int(lessons.size())).arg(state.finishedCount);

    state.stats = {
        {QStringLiteral("⭐️"), QString::number(profile.totalStars()), tr("Stars"),
         Theme::sunshine()},
        // Formatted, not cast: a hand-edited file may hold a speed no integer can take.
        {QStringLiteral("🚀"), QString::number(std::round(profile.bestWPM()), 'f', 0),
         tr("Best speed (wpm)"), Theme::mint()},
        {QStringLiteral("⌨️"), keysTypedText(profile.totalCorrectKeys), tr("Keys typed"),
         Theme::sky()},
        {QStringLiteral("🔥"), QString::number(profile.streak), tr("Day streak"),
         Theme::tangerine()},
    };

    // Counted over the shelf, not over the profile's ids, so that an id this version does not
    // define (a newer or edited file) cannot make the count exceed the lit chips.
    int earnedBadges = 0;
    for (const Badge &badge : BadgeEngine::all()) {
        const bool earned = profile.badges.contains(badge.id);
        earnedBadges += earned ? 1 : 0;
        state.badges.append({badge.id, badge.emoji, badge.title, badge.detail, earned});
    }
    state.badgeCountText = tr("%1 of %2").arg(earnedBadges).arg(BadgeEngine::all().size());
    return state;
}

} // namespace tapalong
