// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "badges.h"

#include "curriculum.h"
#include "translatedtable.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace tapalong::BadgeEngine {

namespace {

bool allHaveResults(const QList<Lesson> &lessons, const Profile &profile)
{
    return std::all_of(lessons.cbegin(), lessons.cend(), [&](const Lesson &lesson) {
        return profile.lessonResults.contains(lesson.id);
    });
}

bool anyResult(const Profile &profile, const std::function<bool(const LessonResult &)> &pred)
{
    return std::any_of(profile.lessonResults.cbegin(), profile.lessonResults.cend(), pred);
}

QList<Criterion> buildCriteria()
{
    using P = const Profile &;
    const auto badge = [](const char *id, const char *title, const QString &emoji,
                          const char *detail) {
        return Badge{QString::fromUtf8(id), QCoreApplication::translate("Badges", title), emoji,
                     QCoreApplication::translate("Badges", detail)};
    };

    return {
        {badge("first_lesson", QT_TRANSLATE_NOOP("Badges", "First Steps"),
               QStringLiteral("\U0001F423"),
               QT_TRANSLATE_NOOP("Badges", "Finish your first lesson")),
         [](P p) {
             return !p.lessonResults.isEmpty();
         }},
        {badge("home_row", QT_TRANSLATE_NOOP("Badges", "Home Sweet Home"),
               QStringLiteral("\U0001F3E0"),
               QT_TRANSLATE_NOOP("Badges", "Finish every Home Row lesson")),
         [](P p) {
             const QList<LearningUnit> &units = Curriculum::units();
             return !units.isEmpty() && allHaveResults(units.first().lessons, p);
         }},
        {badge("alphabet", QT_TRANSLATE_NOOP("Badges", "Alphabet Master"),
               QStringLiteral("\U0001F524"), QT_TRANSLATE_NOOP("Badges", "Learn every letter key")),
         [](P p) {
             const QList<LearningUnit> &units = Curriculum::units();
             const qsizetype letterUnits = std::min<qsizetype>(3, units.size());
             for (qsizetype i = 0; i < letterUnits; ++i) {
                 if (!allHaveResults(units[i].lessons, p))
                     return false;
             }
             return true;
         }},
        {badge("three_star", QT_TRANSLATE_NOOP("Badges", "Triple Star"),
               QStringLiteral("\U0001F31F"),
               QT_TRANSLATE_NOOP("Badges", "Earn 3 stars on a lesson")),
         [](P p) {
             return anyResult(p, [](const LessonResult &r) { return r.stars >= 3; });
         }},
        {badge("ten_lessons", QT_TRANSLATE_NOOP("Badges", "Trail Blazer"),
               QStringLiteral("\U0001F97E"), QT_TRANSLATE_NOOP("Badges", "Finish 10 lessons")),
         [](P p) {
             return p.lessonResults.size() >= 10;
         }},
        {badge("graduate", QT_TRANSLATE_NOOP("Badges", "Quest Complete"),
               QStringLiteral("\U0001F393"), QT_TRANSLATE_NOOP("Badges", "Finish every lesson")),
         [](P p) {
             return p.lessonResults.size() >= Curriculum::allLessons().size();
         }},
        {badge("wpm10", QT_TRANSLATE_NOOP("Badges", "Zippy Fingers"), QStringLiteral("\U0001F407"),
               QT_TRANSLATE_NOOP("Badges", "Reach 10 words per minute")),
         [](P p) {
             return p.bestWPM() >= 10.0;
         }},
        {badge("wpm20", QT_TRANSLATE_NOOP("Badges", "Speed Rocket"), QStringLiteral("\U0001F680"),
               QT_TRANSLATE_NOOP("Badges", "Reach 20 words per minute")),
         [](P p) {
             return p.bestWPM() >= 20.0;
         }},
        {badge("wpm30", QT_TRANSLATE_NOOP("Badges", "Lightning Hands"),
               QStringLiteral("\u26A1\uFE0F"),
               QT_TRANSLATE_NOOP("Badges", "Reach 30 words per minute")),
         [](P p) {
             return p.bestWPM() >= 30.0;
         }},
        {badge("sharp", QT_TRANSLATE_NOOP("Badges", "Sharpshooter"), QStringLiteral("\U0001F3AF"),
               QT_TRANSLATE_NOOP("Badges", "Finish a lesson with 98% accuracy")),
         [](P p) {
             return anyResult(p, [](const LessonResult &r) { return r.accuracy >= 98.0; });
         }},
        {badge("keys1000", QT_TRANSLATE_NOOP("Badges", "Key Collector"),
               QStringLiteral("\U0001F5DD\uFE0F"),
               QT_TRANSLATE_NOOP("Badges", "Type 1,000 correct keys")),
         [](P p) {
             return p.totalCorrectKeys >= 1000;
         }},
        {badge("keys10000", QT_TRANSLATE_NOOP("Badges", "Key Treasure"),
               QStringLiteral("\U0001F48E"),
               QT_TRANSLATE_NOOP("Badges", "Type 10,000 correct keys")),
         [](P p) {
             return p.totalCorrectKeys >= 10000;
         }},
        {badge("streak3", QT_TRANSLATE_NOOP("Badges", "On Fire"), QStringLiteral("\U0001F525"),
               QT_TRANSLATE_NOOP("Badges", "Practice 3 days in a row")),
         [](P p) {
             return p.streak >= 3;
         }},
        {badge("streak7", QT_TRANSLATE_NOOP("Badges", "Unstoppable"), QStringLiteral("\U0001F30B"),
               QT_TRANSLATE_NOOP("Badges", "Practice 7 days in a row")),
         [](P p) {
             return p.streak >= 7;
         }},
        {badge("gamer", QT_TRANSLATE_NOOP("Badges", "Arcade Explorer"),
               QStringLiteral("\U0001F579\uFE0F"),
               QT_TRANSLATE_NOOP("Badges", "Play every arcade game")),
         [](P p) {
             return std::all_of(allGameKinds.cbegin(), allGameKinds.cend(), [&](GameKind kind) {
                 return std::any_of(p.gameScores.cbegin(), p.gameScores.cend(),
                                    [&](const GameScore &game) { return game.kind == kind; });
             });
         }},
        {badge("score500", QT_TRANSLATE_NOOP("Badges", "High Scorer"), QStringLiteral("\U0001F3C6"),
               QT_TRANSLATE_NOOP("Badges", "Score 500+ in any game")),
         [](P p) {
             return std::any_of(p.gameScores.cbegin(), p.gameScores.cend(),
                                [](const GameScore &game) { return game.score >= 500; });
         }},
    };
}

} // namespace

const QList<Criterion> &criteria()
{
    static TranslatedTable<QList<Criterion>> table(buildCriteria);
    return table.get();
}

const QList<Badge> &all()
{
    static TranslatedTable<QList<Badge>> badges([] {
        QList<Badge> list;
        for (const Criterion &criterion : criteria())
            list.append(criterion.badge);
        return list;
    });
    return badges.get();
}

QList<Badge> award(Profile &profile, const Clock &clock)
{
    QList<Badge> earned;
    for (const Criterion &criterion : criteria()) {
        if (profile.badges.contains(criterion.badge.id) || !criterion.test(profile))
            continue;
        profile.badges.insert(criterion.badge.id, clock.now());
        earned.append(criterion.badge);
    }
    return earned;
}

QString news(const QList<Badge> &earned)
{
    QStringList sentences;
    for (const Badge &badge : earned)
        sentences.append(QCoreApplication::translate("Badges", "New badge: %1!").arg(badge.title));
    return sentences.join(u' ');
}

} // namespace tapalong::BadgeEngine
