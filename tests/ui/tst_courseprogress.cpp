// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What the learn map and the dashboard derive from the store.
#include "courseprogress.h"
#include "curriculum.h"
#include "translation.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tapalong;

namespace {

class FakeClock : public Clock {
public:
    Timestamp now() const override { return moment; }
    Timestamp moment{700'000'000};
};

// A household of one new explorer, Mia, whom the progress follows.
struct Harness {
    Harness()
    {
        progress.setStore(&store);
        store.addProfile("Mia", "🦊");
    }
    void record(const char *lessonId, int stars, double wpm = 10, int keys = 50)
    {
        store.recordLesson(*Curriculum::lessonById(QString::fromLatin1(lessonId)), stars, wpm, 95,
                           keys);
    }

    QTemporaryDir dir;
    FakeClock clock;
    AppStore store{SaveFile(dir.filePath("tapalong.json")), clock};
    CourseProgress progress;
};

template <typename Row, typename Field>
QStringList column(const QList<Row> &rows, Field Row::*field)
{
    QStringList values;
    for (const Row &row : rows)
        values.append(QVariant::fromValue(row.*field).toString());
    return values;
}

// One field of every lesson, in course order.
template <typename Field> QStringList field(const CourseProgress &progress, Field MapLesson::*name)
{
    QStringList values;
    for (const MapUnit &unit : progress.units())
        values += column(unit.lessons, name);
    return values;
}

MapLesson::Circle circle(const CourseProgress &progress, const QString &id)
{
    for (const MapUnit &unit : progress.units()) {
        for (const MapLesson &lesson : unit.lessons) {
            if (lesson.id == id)
                return lesson.circle;
        }
    }
    return {};
}

// The ids of the lessons whose flag is set.
QStringList where(const CourseProgress &progress, bool MapLesson::*flag)
{
    QStringList set;
    for (const MapUnit &unit : progress.units()) {
        for (const MapLesson &lesson : unit.lessons) {
            if (lesson.*flag)
                set.append(lesson.id);
        }
    }
    return set;
}

} // namespace

class TestCourseProgress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installTranslation(QStringLiteral("en")); }

    void resultsUnlockAndMoveTheRing()
    {
        Harness h;
        QCOMPARE(where(h.progress, &MapLesson::unlocked), QStringList{"u1l1"});
        QCOMPARE(circle(h.progress, "u1l2"), MapLesson::Circle::locked);

        h.record("u1l1", 0, 12.5, 40); // zero stars still finish it; a half rounds up
        QCOMPARE(where(h.progress, &MapLesson::unlocked), (QStringList{"u1l1", "u1l2"}));
        QCOMPARE(where(h.progress, &MapLesson::isNext), QStringList{"u1l2"});
        QCOMPARE(circle(h.progress, "u1l1"), MapLesson::Circle::finished);

        h.record("u1l2", 3, 9.4, 60);
        QCOMPARE(circle(h.progress, "u1l2"), MapLesson::Circle::threeStars);
        QCOMPARE(column(h.progress.units(), &MapUnit::starsText).first(), "⭐️ 3/18");
        QCOMPARE(column(h.progress.stats(), &DashboardStat::value),
                 (QStringList{"3", "13", "100", "1"}));
        QCOMPARE(h.progress.subtitle(), "Next up: 🐤 S and L");
        QCOMPARE(h.progress.continueName(), "Start lesson: S and L");
        QCOMPARE(h.progress.finishedFraction(), 2.0 / 26);
        QCOMPARE(h.progress.badgeCountText(), "3 of 16"); // first lesson, 10 wpm, three stars
        QCOMPARE(column(h.progress.badges(), &ShelfBadge::earned).count("true"), 3);
    }

    // An edited save file can skip a lesson: the ring must not jump past the gap.
    void ringStaysOnTheEarliestGapWhileLaterResultsUnlockTheirSuccessors()
    {
        Harness h;
        h.record("u1l1", 2);
        h.record("u1l3", 1);
        QCOMPARE(where(h.progress, &MapLesson::isNext), QStringList{"u1l2"});
        QCOMPARE(where(h.progress, &MapLesson::unlocked), (QStringList{"u1l1", "u1l2", "u1l4"}));
        QCOMPARE(circle(h.progress, "u1l3"), MapLesson::Circle::locked);
        QCOMPARE(h.progress.progressText(), "2 of 26 lessons finished");
    }

    void dashboardCelebratesTheFinishedQuest()
    {
        Harness h;
        for (const Lesson &l : Curriculum::allLessons())
            h.store.recordLesson(l, 1, 10, 90, 10);
        QCOMPARE(h.progress.continueTitle(), "🎓  Quest complete!");
        QCOMPARE(h.progress.continueAction(), "Replay lessons");
        QCOMPARE(h.progress.continueName(), "Replay lessons");
        QCOMPARE(where(h.progress, &MapLesson::isNext), QStringList{});
    }

    void newKeysAndKeysTypedAreShortForTheCards()
    {
        QCOMPARE(CourseProgress::newKeysLabel("a b"), "A ␣ B");
        const QList<std::pair<qint64, QString>> counts = {
            {9999, "9999"}, {10000, "10.0k"}, {12345, "12.3k"}, {12360, "12.4k"}};
        for (const auto &[count, shown] : counts)
            QCOMPARE(CourseProgress::keysTypedText(count), shown);
    }

    void flameAppearsFromATwoDayStreakUntilTheExplorerLeaves()
    {
        Harness h;
        QSignalSpy updated(&h.progress, &CourseProgress::updated);
        h.store.toggleSound();
        QCOMPARE(updated.count(), 0);
        h.record("u1l1", 1);
        QCOMPARE(updated.count(), 1);
        QVERIFY(!h.progress.streakFlame());

        h.clock.moment = {700'000'000 + 24 * 60 * 60};
        h.record("u1l2", 1);
        QVERIFY(h.progress.streakFlame());
        QCOMPARE(h.progress.streakDays(), "2 days");
        QCOMPARE(column(h.progress.stats(), &DashboardStat::value).at(3), "2");

        // Without a current explorer, and without a store at all: a blank one at the start.
        h.store.switchPlayer();
        QCOMPARE(h.progress.greeting(), "Hi, ! 🙂");
        QCOMPARE(where(h.progress, &MapLesson::isNext), QStringList{"u1l1"});
        QCOMPARE(column(h.progress.stats(), &DashboardStat::value),
                 (QStringList{"0", "0", "0", "0"}));
        CourseProgress storeless;
        QCOMPARE(storeless.greeting(), "Hi, ! 🙂");
        QCOMPARE(where(storeless, &MapLesson::unlocked), QStringList{"u1l1"});
    }

    // A newer or hand-edited file may hold badge ids this version does not define.
    void badgeCountMatchesTheLitChips()
    {
        Harness h;
        h.store.updateCurrent([](Profile &p) {
            p.badges.insert("first_lesson", Timestamp{1});
            p.badges.insert("moon_landing", Timestamp{2});
        });
        QCOMPARE(h.progress.badgeCountText(), "1 of 16");
        QCOMPARE(column(h.progress.badges(), &ShelfBadge::earned).count("true"), 1);
    }
};

QTEST_GUILESS_MAIN(TestCourseProgress)

#include "tst_courseprogress.moc"
