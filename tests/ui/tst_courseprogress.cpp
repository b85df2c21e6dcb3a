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

struct Harness {
    Harness()
    {
        store = std::make_unique<AppStore>(SaveFile(dir.filePath("tapalong.json")), clock);
        progress.setStore(store.get());
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

QStringList unitStars(const CourseProgress &progress)
{
    QStringList texts;
    for (const QVariant &unit : progress.units())
        texts.append(unit.toMap().value("starsText").toString());
    return texts;
}

QStringList statValues(const CourseProgress &progress)
{
    QStringList values;
    for (const QVariant &stat : progress.stats())
        values.append(stat.toMap().value("value").toString());
    return values;
}

int earnedChips(const CourseProgress &progress)
{
    int earned = 0;
    for (const QVariant &badge : progress.badges())
        earned += badge.toMap().value("earned").toBool() ? 1 : 0;
    return earned;
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

    void newExplorerHasOnlyTheFirstLessonOpenAndRinged()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");

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

        QCOMPARE(unitStars(h.progress), (QStringList{"⭐️ 0/18", "⭐️ 0/18", "⭐️ 0/15",
                                                     "⭐️ 0/9", "⭐️ 0/9", "⭐️ 0/9"}));
        QCOMPARE(h.progress.units().first().toMap().value("heading"), "🏠  Home Row");
    }

    void zeroStarsStillUnlockAndMoveTheRing()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");
        h.record("u1l1", 0);

        QCOMPARE(where(h.progress, "unlocked"), (QStringList{"u1l1", "u1l2"}));
        QCOMPARE(where(h.progress, "isNext"), QStringList{"u1l2"});
        const QVariantMap done = lesson(h.progress, "u1l1");
        QVERIFY(done.value("finished").toBool());
        QCOMPARE(done.value("stars"), 0);
        QCOMPARE(done.value("circle"), "finished");

        h.record("u1l2", 3);
        QCOMPARE(lesson(h.progress, "u1l2").value("circle"), "threeStars");
        QCOMPARE(unitStars(h.progress).first(), "⭐️ 3/18");
    }

    // An edited save file can skip a lesson: the ring must not jump past the gap.
    void ringStaysOnTheEarliestGapWhileLaterResultsUnlockTheirSuccessors()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");
        h.record("u1l1", 2);
        h.record("u1l3", 1);

        QCOMPARE(where(h.progress, "isNext"), QStringList{"u1l2"});
        QCOMPARE(where(h.progress, "unlocked"), (QStringList{"u1l1", "u1l2", "u1l4"}));
        QCOMPARE(lesson(h.progress, "u1l3").value("circle"), "locked");
        QCOMPARE(h.progress.subtitle(), "Next up: 🐥 D and K");
        QCOMPARE(h.progress.progressText(), "2 of 26 lessons finished");
    }

    void newKeysShowUpperCaseWithTheSpaceBarAsASymbol_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << QString("") << "";
        QTest::newRow("letters") << QString("fj") << "F J";
        QTest::newRow("punctuation") << QString("z,.") << "Z , .";
        QTest::newRow("space bar") << QString("a b") << "A ␣ B";
    }

    void newKeysShowUpperCaseWithTheSpaceBarAsASymbol()
    {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QCOMPARE(CourseProgress::newKeysLabel(keys), shown);
    }

    void dashboardWelcomesANewExplorer()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");

        QCOMPARE(h.progress.greeting(), "Hi, Mia! 🦊");
        QCOMPARE(h.progress.subtitle(), "Your typing adventure starts today!");
        QVERIFY(!h.progress.streakFlame());
        QCOMPARE(h.progress.nextLessonId(), "u1l1");
        QCOMPARE(h.progress.continueTitle(), "🐣  Meet F and J");
        QCOMPARE(h.progress.continueWorld(), "🏠 Home Row world");
        QCOMPARE(h.progress.continueAction(), "Start  ▶");
        QCOMPARE(h.progress.finishedFraction(), 0.0);
        QCOMPARE(h.progress.progressText(), "0 of 26 lessons finished");
        QCOMPARE(statValues(h.progress), (QStringList{"0", "0", "0", "0"}));
        QCOMPARE(h.progress.badges().size(), 16);
        QCOMPARE(h.progress.badgeCountText(), "0 of 16");
    }

    void dashboardAddsUpResults()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");
        h.record("u1l1", 2, 12.5, 40); // a half rounds up
        h.record("u1l2", 3, 9.4, 60);

        QCOMPARE(statValues(h.progress), (QStringList{"5", "13", "100", "1"}));
        QCOMPARE(h.progress.subtitle(), "Next up: 🐤 S and L");
        QCOMPARE(h.progress.finishedFraction(), 2.0 / 26);
        QCOMPARE(h.progress.badgeCountText(), "3 of 16"); // first lesson, 10 wpm, three stars
        QCOMPARE(earnedChips(h.progress), 3);
    }

    void dashboardCelebratesTheFinishedQuest()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");
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

    void keysTypedShortenFromTenThousand_data()
    {
        QTest::addColumn<qint64>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << qint64(0) << "0";
        QTest::newRow("largest plain") << qint64(9999) << "9999";
        QTest::newRow("first shortened") << qint64(10000) << "10.0k";
        QTest::newRow("one decimal") << qint64(12345) << "12.3k";
        QTest::newRow("rounds to nearest") << qint64(12360) << "12.4k";
        QTest::newRow("large") << qint64(1234567) << "1234.6k";
    }

    void keysTypedShortenFromTenThousand()
    {
        QFETCH(qint64, keys);
        QFETCH(QString, shown);
        QCOMPARE(CourseProgress::keysTypedText(keys), shown);
    }

    void flameAppearsFromATwoDayStreak()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");
        h.clock.moment = {700'000'000};
        h.record("u1l1", 1);
        QVERIFY(!h.progress.streakFlame());
        QCOMPARE(statValues(h.progress).at(3), "1");

        h.clock.moment = {700'000'000 + day};
        h.record("u1l2", 1);
        QVERIFY(h.progress.streakFlame());
        QCOMPARE(h.progress.streakDays(), "2 days");
        QCOMPARE(statValues(h.progress).at(3), "2");
    }

    void blankExplorerWithoutACurrentProfile()
    {
        CourseProgress storeless;
        QCOMPARE(storeless.greeting(), "Hi, ! 🙂");
        QCOMPARE(where(storeless, "unlocked"), QStringList{"u1l1"});

        Harness h;
        h.store->addProfile("Mia", "🦊");
        h.record("u1l1", 3);
        h.store->switchPlayer();
        QCOMPARE(h.progress.greeting(), "Hi, ! 🙂");
        QCOMPARE(h.progress.subtitle(), "Your typing adventure starts today!");
        QCOMPARE(where(h.progress, "isNext"), QStringList{"u1l1"});
        QCOMPARE(statValues(h.progress), (QStringList{"0", "0", "0", "0"}));
    }

    // A newer or hand-edited file may hold badge ids this version does not define.
    void badgeCountMatchesTheLitChips()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");
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
        h.store->addProfile("Mia", "🦊");
        QSignalSpy updated(&h.progress, &CourseProgress::updated);

        h.store->toggleSound();
        QCOMPARE(updated.count(), 0);
        h.record("u1l1", 2);
        QCOMPARE(updated.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCourseProgress)

#include "tst_courseprogress.moc"
