// Guards what the learn map and the dashboard derive from the store: locks, the ring, the texts
// of the greeting and the continue card, the numbers and the badge count.
#include "courseprogress.h"
#include "curriculum.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <memory>

using namespace tapalong;

namespace {

class FakeClock : public Clock {
public:
    Timestamp now() const override { return moment; }
    Timestamp moment{700'000'000};
};

constexpr double day = 24 * 60 * 60;

// A household of one new explorer, Mia, whom the progress follows.
struct Harness {
    Harness()
    {
        store = std::make_unique<AppStore>(SaveFile(dir.filePath("tapalong.json")), clock);
        progress.setStore(store.get());
        store->addProfile("Mia", "🦊");
    }
    void record(const char *lessonId, int stars, double wpm = 10, int keys = 50)
    {
        store->recordLesson(*Curriculum::lessonById(QString::fromLatin1(lessonId)), stars, wpm, 95,
                            keys);
    }

    QTemporaryDir dir;
    FakeClock clock;
    std::unique_ptr<AppStore> store;
    CourseProgress progress;
};

QList<QVariantMap> lessons(const CourseProgress &progress)
{
    QList<QVariantMap> all;
    for (const QVariant &unit : progress.units()) {
        for (const QVariant &lesson : unit.toMap().value("lessons").toList())
            all.append(lesson.toMap());
    }
    return all;
}

QVariantMap lesson(const CourseProgress &progress, const QString &id)
{
    for (const QVariantMap &lesson : lessons(progress)) {
        if (lesson.value("id") == id)
            return lesson;
    }
    return {};
}

// The ids of the lessons whose flag is set, in course order.
QStringList where(const CourseProgress &progress, const char *flag)
{
    QStringList ids;
    for (const QVariantMap &lesson : lessons(progress)) {
        if (lesson.value(flag).toBool())
            ids.append(lesson.value("id").toString());
    }
    return ids;
}

QStringList column(const QVariantList &maps, const char *field)
{
    QStringList values;
    for (const QVariant &map : maps)
        values.append(map.toMap().value(field).toString());
    return values;
}

qsizetype earnedChips(const CourseProgress &progress)
{
    return column(progress.badges(), "earned").count("true");
}

} // namespace

class TestCourseProgress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void newExplorerStartsAtTheFirstLesson()
    {
        Harness h;
        QCOMPARE(where(h.progress, "unlocked"), QStringList{"u1l1"});
        QCOMPARE(where(h.progress, "isNext"), QStringList{"u1l1"});
        QCOMPARE(where(h.progress, "finished"), QStringList{});

        const QVariantMap first = lesson(h.progress, "u1l1");
        QCOMPARE(first.value("circle"), "open");
        QCOMPARE(first.value("newKeysLabel"), "F J");
        QCOMPARE(first.value("tooltip"), "Play Meet F and J");
        const QVariantMap second = lesson(h.progress, "u1l2");
        QCOMPARE(second.value("circle"), "locked");
        QCOMPARE(second.value("tooltip"), "Finish the lesson before this one to unlock!");

        QCOMPARE(column(h.progress.units(), "starsText"),
                 (QStringList{"⭐️ 0/18", "⭐️ 0/18", "⭐️ 0/15", "⭐️ 0/9",
                              "⭐️ 0/9", "⭐️ 0/9"}));
        QCOMPARE(h.progress.units().first().toMap().value("heading"), "🏠  Home Row");

        QCOMPARE(h.progress.greeting(), "Hi, Mia! 🦊");
        QCOMPARE(h.progress.subtitle(), "Your typing adventure starts today!");
        QVERIFY(!h.progress.streakFlame());
        QCOMPARE(h.progress.nextLessonId(), "u1l1");
        QCOMPARE(h.progress.continueTitle(), "🐣  Meet F and J");
        QCOMPARE(h.progress.continueWorld(), "🏠 Home Row world");
        QCOMPARE(h.progress.continueAction(), "Start  ▶");
        QCOMPARE(h.progress.finishedFraction(), 0.0);
        QCOMPARE(h.progress.progressText(), "0 of 26 lessons finished");
        QCOMPARE(column(h.progress.stats(), "value"), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(h.progress.badges().size(), 16);
        QCOMPARE(h.progress.badgeCountText(), "0 of 16");
    }

    void resultsMoveTheRingAndAddUp()
    {
        Harness h;
        h.record("u1l1", 0, 12.5, 40); // zero stars still finish it; a half rounds up
        QCOMPARE(where(h.progress, "unlocked"), (QStringList{"u1l1", "u1l2"}));
        QCOMPARE(where(h.progress, "isNext"), QStringList{"u1l2"});
        const QVariantMap done = lesson(h.progress, "u1l1");
        QVERIFY(done.value("finished").toBool());
        QCOMPARE(done.value("stars"), 0);
        QCOMPARE(done.value("circle"), "finished");

        h.record("u1l2", 3, 9.4, 60);
        QCOMPARE(lesson(h.progress, "u1l2").value("circle"), "threeStars");
        QCOMPARE(column(h.progress.units(), "starsText").first(), "⭐️ 3/18");
        QCOMPARE(column(h.progress.stats(), "value"), (QStringList{"3", "13", "100", "1"}));
        QCOMPARE(h.progress.subtitle(), "Next up: 🐤 S and L");
        QCOMPARE(h.progress.finishedFraction(), 2.0 / 26);
        QCOMPARE(h.progress.badgeCountText(), "3 of 16"); // first lesson, 10 wpm, three stars
        QCOMPARE(earnedChips(h.progress), 3);
    }

    // An edited save file can skip a lesson: the ring must not jump past the gap.
    void ringStaysOnTheEarliestGapWhileLaterResultsUnlockTheirSuccessors()
    {
        Harness h;
        h.record("u1l1", 2);
        h.record("u1l3", 1);

        QCOMPARE(where(h.progress, "isNext"), QStringList{"u1l2"});
        QCOMPARE(where(h.progress, "unlocked"), (QStringList{"u1l1", "u1l2", "u1l4"}));
        QCOMPARE(lesson(h.progress, "u1l3").value("circle"), "locked");
        QCOMPARE(h.progress.subtitle(), "Next up: 🐥 D and K");
        QCOMPARE(h.progress.progressText(), "2 of 26 lessons finished");
    }

    void dashboardCelebratesTheFinishedQuest()
    {
        Harness h;
        for (const Lesson &l : Curriculum::allLessons())
            h.store->recordLesson(l, 1, 10, 90, 10);

        QCOMPARE(h.progress.subtitle(), "You finished the whole quest! Legendary. 🎆");
        QCOMPARE(h.progress.nextLessonId(), "");
        QCOMPARE(h.progress.continueTitle(), "🎓  Quest complete!");
        QCOMPARE(h.progress.continueWorld(), "");
        QCOMPARE(h.progress.continueAction(), "Replay lessons");
        QCOMPARE(h.progress.finishedFraction(), 1.0);
        QCOMPARE(h.progress.progressText(), "26 of 26 lessons finished");
        QCOMPARE(where(h.progress, "isNext"), QStringList{});
        QCOMPARE(where(h.progress, "unlocked").size(), 26);
    }

    void newKeysAndKeysTypedAreShortForTheCards()
    {
        // Upper case, the space bar as a symbol.
        const QList<std::pair<QString, QString>> keys = {
            {"", ""}, {"fj", "F J"}, {"z,.", "Z , ."}, {"a b", "A ␣ B"}};
        for (const auto &[typed, shown] : keys)
            QCOMPARE(CourseProgress::newKeysLabel(typed), shown);

        // Plain up to 9999, then thousands with one decimal, rounded.
        const QList<std::pair<qint64, QString>> counts = {{0, "0"},         {9999, "9999"},
                                                          {10000, "10.0k"}, {12345, "12.3k"},
                                                          {12360, "12.4k"}, {1234567, "1234.6k"}};
        for (const auto &[count, shown] : counts)
            QCOMPARE(CourseProgress::keysTypedText(count), shown);
    }

    void flameAppearsFromATwoDayStreak()
    {
        Harness h;
        h.record("u1l1", 1);
        QVERIFY(!h.progress.streakFlame());
        QCOMPARE(column(h.progress.stats(), "value").at(3), "1");

        h.clock.moment = {700'000'000 + day};
        h.record("u1l2", 1);
        QVERIFY(h.progress.streakFlame());
        QCOMPARE(h.progress.streakDays(), "2 days");
        QCOMPARE(column(h.progress.stats(), "value").at(3), "2");
    }

    void blankExplorerWithoutACurrentProfile()
    {
        CourseProgress storeless;
        QCOMPARE(storeless.greeting(), "Hi, ! 🙂");
        QCOMPARE(where(storeless, "unlocked"), QStringList{"u1l1"});

        Harness h;
        h.record("u1l1", 3);
        h.store->switchPlayer();
        QCOMPARE(h.progress.greeting(), "Hi, ! 🙂");
        QCOMPARE(h.progress.subtitle(), "Your typing adventure starts today!");
        QCOMPARE(where(h.progress, "isNext"), QStringList{"u1l1"});
        QCOMPARE(column(h.progress.stats(), "value"), (QStringList{"0", "0", "0", "0"}));
    }

    // A newer or hand-edited file may hold badge ids this version does not define.
    void badgeCountMatchesTheLitChips()
    {
        Harness h;
        h.store->updateCurrent([](Profile &p) {
            p.badges.insert("first_lesson", Timestamp{1});
            p.badges.insert("moon_landing", Timestamp{2});
        });
        QCOMPARE(h.progress.badgeCountText(), "1 of 16");
        QCOMPARE(earnedChips(h.progress), 1);
    }

    void updatesOnlyWhenWhatItShowsChanges()
    {
        Harness h;
        QSignalSpy updated(&h.progress, &CourseProgress::updated);
        h.store->toggleSound();
        QCOMPARE(updated.count(), 0);
        h.record("u1l1", 2);
        QCOMPARE(updated.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCourseProgress)

#include "tst_courseprogress.moc"
