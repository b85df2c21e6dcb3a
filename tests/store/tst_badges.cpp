// Guards the badge table: what each badge asks for, award order, and that badges are kept.
#include "badges.h"
#include "curriculum.h"

#include <QTest>

#include <functional>

using namespace tapalong;

namespace {

using Setup = std::function<void(Profile &)>;

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

QList<Lesson> unitLessons(qsizetype from, qsizetype to)
{
    QList<Lesson> lessons;
    for (qsizetype u = from; u < to; ++u)
        lessons += Curriculum::units().at(u).lessons;
    return lessons;
}

void play(Profile &p, QList<GameKind> kinds, qint64 score = 10, std::optional<double> wpm = {})
{
    for (GameKind kind : kinds)
        p.gameScores.append({QUuid::createUuid(), kind, score, wpm, {}});
}

QStringList ids(const QList<Badge> &badges)
{
    QStringList list;
    for (const Badge &badge : badges)
        list << badge.id;
    return list;
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestBadges : public QObject {
    Q_OBJECT

private slots:
    // The ids are the keys saved in the file, so they are spelled out here.
    void awardsTheNewlyMetBadgesInTableOrder_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QStringList>("expected");

        const auto first = unitLessons(0, 1).mid(0, 1);
        QTest::newRow("nothing yet") << Setup([](Profile &) {}) << QStringList{};
        QTest::newRow("first lesson at 12 wpm")
            << Setup([=](Profile &p) { finish(p, first, 1, 12); })
            << QStringList{"first_lesson", "wpm10"};
        QTest::newRow("speeds at the thresholds")
            << Setup([=](Profile &p) { finish(p, first, 1, 30.0); })
            << QStringList{"first_lesson", "wpm10", "wpm20", "wpm30"};
        QTest::newRow("three stars") << Setup([=](Profile &p) { finish(p, first, 3); })
                                     << QStringList{"first_lesson", "three_star"};
        QTest::newRow("97.9 % accuracy") << Setup([=](Profile &p) { finish(p, first, 1, 5, 97.9); })
                                         << QStringList{"first_lesson"};
        QTest::newRow("98.0 % accuracy") << Setup([=](Profile &p) { finish(p, first, 1, 5, 98.0); })
                                         << QStringList{"first_lesson", "sharp"};
        QTest::newRow("home row but one")
            << Setup([](Profile &p) { finish(p, unitLessons(0, 1).mid(1), 0); })
            << QStringList{"first_lesson"};
        QTest::newRow("home row with zero stars")
            << Setup([](Profile &p) { finish(p, unitLessons(0, 1), 0); })
            << QStringList{"first_lesson", "home_row"};
        QTest::newRow("first three units")
            << Setup([](Profile &p) { finish(p, unitLessons(0, 3)); })
            << QStringList{"first_lesson", "home_row", "alphabet", "ten_lessons"};
        QTest::newRow("every lesson")
            << Setup([](Profile &p) { finish(p, Curriculum::allLessons()); })
            << QStringList{"first_lesson", "home_row", "alphabet", "ten_lessons", "graduate"};
        QTest::newRow("999 keys") << Setup([](Profile &p) { p.totalCorrectKeys = 999; })
                                  << QStringList{};
        QTest::newRow("1000 keys")
            << Setup([](Profile &p) { p.totalCorrectKeys = 1000; }) << QStringList{"keys1000"};
        QTest::newRow("streak of 7")
            << Setup([](Profile &p) { p.streak = 7; }) << QStringList{"streak3", "streak7"};
        QTest::newRow("four games, fast, one kind twice") << Setup([](Profile &p) {
            play(p,
                 {GameKind::letterDrop, GameKind::wordMeteors, GameKind::rocketRace,
                  GameKind::rocketRace, GameKind::keyMoles},
                 499, 40.0);
        }) << QStringList{};
        QTest::newRow("fifth kind with score 0") << Setup([](Profile &p) {
            play(p, {GameKind::letterDrop, GameKind::wordMeteors, GameKind::rocketRace,
                     GameKind::keyMoles});
            play(p, {GameKind::copyCat}, 0);
        }) << QStringList{"gamer"};
        QTest::newRow("score 500") << Setup([](Profile &p) { play(p, {GameKind::keyMoles}, 500); })
                                   << QStringList{"score500"};
    }

    void awardsTheNewlyMetBadgesInTableOrder()
    {
        QFETCH(Setup, setup);
        QFETCH(QStringList, expected);

        Profile profile;
        setup(profile);
        const TickingClock clock;
        QCOMPARE(ids(BadgeEngine::award(profile, clock)), expected);
        expected.sort();
        QCOMPARE(QStringList(profile.badges.keys()), expected);
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
        const QMap<QString, Timestamp> earned = profile.badges;
        QCOMPARE(earned.size(), 16);
        // Each badge takes its own reading of the clock.
        QVERIFY(earned.value("first_lesson") < earned.value("score500"));

        QVERIFY(BadgeEngine::award(profile, clock).isEmpty());
        profile = Profile();
        profile.badges = earned;
        QVERIFY(BadgeEngine::award(profile, clock).isEmpty());
        QCOMPARE(profile.badges, earned);
    }
};

QTEST_GUILESS_MAIN(TestBadges)
#include "tst_badges.moc"
