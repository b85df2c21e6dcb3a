// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the badge table: what each badge asks for, award order, and that badges are kept.
#include "badges.h"
#include "curriculum.h"

#include <QTest>

using namespace tapalong;

namespace {

class TickingClock : public Clock {
public:
    Timestamp now() const override { return {next += 1.5}; }
    mutable double next = 700'000'000;
};

void finish(Profile &p, const QList<Lesson> &lessons, qint64 stars = 1, double wpm = 5,
            double accuracy = 90)
{
    for (const Lesson &lesson : lessons)
        p.lessonResults.insert(lesson.id, {stars, wpm, accuracy, {}});
}

void play(Profile &p, QList<GameKind> kinds, qint64 score = 10, std::optional<double> wpm = {})
{
    for (GameKind kind : kinds)
        p.gameScores.append({QUuid::createUuid(), kind, score, wpm, {}});
}

} // namespace

class TestBadges : public QObject {
    Q_OBJECT

private slots:
    // Each threshold is met exactly or just missed; the ids are keys in the save file.
    void awardsTheNewlyMetBadgesInTableOrder()
    {
        Profile p;
        const TickingClock clock;
        const auto award = [&] {
            QStringList list;
            for (const Badge &badge : BadgeEngine::award(p, clock))
                list << badge.id;
            return list;
        };
        p.totalCorrectKeys = 999;
        p.streak = 2;
        // Four kinds, one of them twice, fast, just below 500: the games' speed does not count.
        play(p,
             {GameKind::letterDrop, GameKind::wordMeteors, GameKind::rocketRace,
              GameKind::rocketRace, GameKind::keyMoles},
             499, 40.0);
        QCOMPARE(award(), QStringList{});
        const QList<LearningUnit> &units = Curriculum::units();
        const QList<Lesson> homeRow = units.at(0).lessons;
        finish(p, homeRow.mid(1), 2, 9.9, 97.9);
        QCOMPARE(award(), QStringList{"first_lesson"});
        finish(p, homeRow.mid(0, 1), 0, 30.0, 98.0); // zero stars still finish the home row
        QCOMPARE(award(), (QStringList{"home_row", "wpm10", "wpm20", "wpm30", "sharp"}));
        finish(p, homeRow.mid(0, 1), 3);
        QCOMPARE(award(), QStringList{"three_star"});
        finish(p, units.at(1).lessons + units.at(2).lessons);
        QCOMPARE(award(), (QStringList{"alphabet", "ten_lessons"}));
        finish(p, Curriculum::allLessons());
        QCOMPARE(award(), QStringList{"graduate"});
        p.totalCorrectKeys = 1000;
        p.streak = 7;
        QCOMPARE(award(), (QStringList{"keys1000", "streak3", "streak7"}));
        play(p, {GameKind::copyCat}, 0);
        QCOMPARE(award(), QStringList{"gamer"});
        play(p, {GameKind::keyMoles}, 500);
        QCOMPARE(award(), QStringList{"score500"});
        QCOMPARE(p.badges.size(), 15);
    }

    void theWholeShelfComesInTableOrderOnceAndStays()
    {
        Profile profile;
        finish(profile, Curriculum::allLessons(), 3, 30, 98);
        profile.totalCorrectKeys = 10000;
        profile.streak = 7;
        play(profile, {allGameKinds.cbegin(), allGameKinds.cend()}, 500);
        const TickingClock clock;
        QCOMPARE(BadgeEngine::award(profile, clock), BadgeEngine::all());
        // One clock reading each; a profile that lost its records keeps its badges.
        QVERIFY(profile.badges.value("first_lesson") < profile.badges.value("score500"));
        const QMap<QString, Timestamp> earned = profile.badges;
        profile = Profile();
        profile.badges = earned;
        QVERIFY(BadgeEngine::award(profile, clock).isEmpty());
        QCOMPARE(profile.badges, earned);
    }
};

QTEST_GUILESS_MAIN(TestBadges)
#include "tst_badges.moc"
