// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the store's operations: best results, scores, streaks, badges and writes.
#include "appstore.h"
#include "curriculum.h"
#include "savecodec.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <condition_variable>
#include <ctime>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>

using namespace tapalong;

namespace {

using Operation = std::function<void(AppStore &)>;

class FakeClock : public Clock {
public:
    Timestamp now() const override { return moment; }
    Timestamp moment{700'000'000};
};

// The real file, with every write counted; while `full`, every write fails.
class Disk : public Storage {
public:
    explicit Disk(const QString &path) : file(path) {}
    SaveFile::LoadResult load() override { return file.load(); }
    bool save(const AppData &data) override
    {
        ++saves;
        return !full && file.save(data);
    }
    QString problem() const override { return QStringLiteral("the disk is full"); }

    SaveFile file;
    std::atomic<int> saves = 0;
    std::atomic<bool> full = false;
};

// Holds each write until the test lets it through, and notes what was written where.
class Gate : public Storage {
public:
    SaveFile::LoadResult load() override { return {}; }
    bool save(const AppData &data) override
    {
        std::unique_lock lock(mutex);
        ++arrived;
        changed.notify_all();
        changed.wait(lock, [this] { return open || passes > 0; });
        if (passes > 0)
            --passes;
        written.append(data.profiles.size());
        threads.append(std::this_thread::get_id());
        return true;
    }
    void waitForArrivals(int count)
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return arrived >= count; });
    }
    void letOneThrough()
    {
        const std::lock_guard lock(mutex);
        ++passes;
        changed.notify_all();
    }
    void openUp()
    {
        const std::lock_guard lock(mutex);
        open = true;
        changed.notify_all();
    }

    std::mutex mutex;
    std::condition_variable changed;
    int arrived = 0;
    int passes = 0;
    bool open = false;
    QList<qsizetype> written; // profiles in each snapshot written
    QList<std::thread::id> threads;
};

AppData withProfiles(int count)
{
    AppData data;
    for (int i = 0; i < count; ++i)
        data.profiles.append(Profile{});
    return data;
}

Timestamp local(const QString &iso)
{
    return Timestamp::fromDateTime(QDateTime::fromString(iso, Qt::ISODate));
}

Lesson lesson(const char *id)
{
    return *Curriculum::lessonById(QString::fromLatin1(id));
}

struct Harness {
    explicit Harness(const QByteArray &fileContent = {})
    {
        if (!fileContent.isNull()) {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(fileContent) > 0);
        }
        auto owned = std::make_unique<Disk>(path());
        disk = owned.get();
        store = std::make_unique<AppStore>(std::move(owned), clock);
    }
    QString path() const { return dir.filePath(QStringLiteral("tapalong.json")); }
    QByteArray fileContent() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    const Profile &current() const { return *store->currentProfile(); }

    QTemporaryDir dir;
    FakeClock clock;
    Disk *disk = nullptr;
    std::unique_ptr<AppStore> store;
};

} // namespace

class TestAppStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void recordingKeepsBestResultsAndCountsTheStreak()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");
        const auto record = [&](int stars, double wpm, double accuracy, double when) {
            h.clock.moment = {when};
            h.store->recordLesson(lesson("u1l1"), stars, wpm, accuracy, 10);
            return h.current().lessonResults.value("u1l1");
        };
        const LessonResult first = record(2, 20, 91, 1000);
        QCOMPARE(record(2, 18, 99, 2000), first);
        QCOMPARE(record(2, 20, 99, 3000), first);
        QCOMPARE(h.current().streak, 1);
        QCOMPARE(record(3, 10, 80, 4000), (LessonResult{3, 10, 80, {4000}}));
        QCOMPARE(h.current().totalCorrectKeys, 40);

        const auto play = [&](double when, GameKind kind, int score, int keys = 1) {
            h.clock.moment = {when};
            h.store->recordGame(kind, score, {}, keys);
            return h.current().gameScores;
        };
        QList<GameScore> scores;
        for (int i = 0; i < 60; ++i) // 10 … 300, each score twice, all kinds mixed
            scores = play(1000 + i, allGameKinds[i % allGameKinds.size()], 10 * (i % 30) + 10);
        QCOMPARE(scores.size(), 60);
        QCOMPARE(scores.first().date, Timestamp{1029}); // equal scores: the older first
        QCOMPARE(scores.at(1).date, Timestamp{1059});

        // Not above the lowest: dropped at once, yet its keys and its day still count.
        QCOMPARE(play(2000, GameKind::copyCat, 10), scores);
        QCOMPARE(play(3000, GameKind::keyMoles, 5, 7), scores);
        QCOMPARE(h.current().totalCorrectKeys, 40 + 61 + 7);
        QCOMPARE(h.current().lastActiveDay, Timestamp{3000});

        // The 61st good score pushes out the newest of the two lowest.
        scores = play(4000, GameKind::keyMoles, 310);
        QCOMPARE(scores.size(), 60);
        QCOMPARE(scores.first().score, 310);
        QCOMPARE(scores.last().date, Timestamp{1000});
        QCOMPARE(scores.at(58).score, 20);

        // The streak counts local calendar days; a streak of 5 ended `before`.
        const auto streakAfter = [&](const char *before, const char *now) {
            h.store->updateCurrent([&](Profile &p) {
                p.streak = 5;
                p.lastActiveDay = local(before);
            });
            h.clock.moment = local(now);
            h.store->recordLesson(lesson("u1l1"), 1, 5, 90, 1);
            return h.current().lastActiveDay == local(now) ? h.current().streak : -1;
        };
        // Berlin is UTC+1 here: these two pairs fall on the other side of midnight in UTC.
        QCOMPARE(streakAfter("2024-03-09T22:30", "2024-03-10T00:30"), 6);
        QCOMPARE(streakAfter("2024-03-10T00:30", "2024-03-10T23:30"), 5);
        QCOMPARE(streakAfter("2024-03-30T12:00", "2024-03-31T12:00"), 6); // spring-forward night
        QCOMPARE(streakAfter("2024-03-10T08:00", "2024-03-12T08:00"), 1); // a day missed
        QCOMPARE(streakAfter("2024-03-10T08:00", "2024-03-09T08:00"), 1); // clock set back
    }

    // Each operation starts from Leo and then Mia added, Mia current.
    void eachOperationWritesTheFileAsOftenAsItChangesData()
    {
        const auto run = [](const Operation &operation, int writes, const QString &currentAfter) {
            Harness h;
            h.store->addProfile("Leo", "🦁");
            h.store->addProfile("Mia", "🦊");
            const QList<Profile> before = h.store->data().profiles;
            h.disk->saves = 0;
            operation(*h.store);
            QCOMPARE(h.disk->saves, writes);
            QCOMPARE(h.store->currentProfile() ? h.store->currentProfile()->name : "",
                     currentAfter);
            if (currentAfter.isEmpty() && h.store->data().profiles.size() == 2)
                QCOMPARE(h.store->data().profiles, before);
            if (writes > 0)
                QCOMPARE(h.fileContent(), SaveCodec::encode(h.store->data()));
        };
        const Lesson l = lesson("u1l1");
        run([](AppStore &s) { s.addProfile("Noa", "🐼"); }, 2, "Noa");
        run([](AppStore &s) { s.deleteProfile(s.currentProfile()->id); }, 2, "");
        run([](AppStore &s) { s.deleteProfile(s.data().profiles.at(0).id); }, 1, "Mia");
        run([](AppStore &s) { s.switchPlayer(); }, 1, "");
        run([](AppStore &s) { s.chooseProfile(s.data().profiles.at(0).id.toString()); }, 1, "Leo");
        run([](AppStore &s) { s.chooseProfile(QUuid::createUuid().toString()); }, 0, "Mia");
        run([=](AppStore &s) { s.recordLesson(l, 3, 30, 100, 500); }, 1, "Mia");
        run(
            [](AppStore &s) { // a layout is saved once; the same one or a malformed name never
                QVERIFY(s.setKeyboardLayout("de(nodeadkeys)"));
                QVERIFY(s.setKeyboardLayout("de(nodeadkeys)"));
                QVERIFY(!s.setKeyboardLayout("de nodeadkeys"));
                QCOMPARE(s.keyboardLayout(), "de(nodeadkeys)");
            },
            1, "Mia");
        run(
            [=](AppStore &s) { // without a player nothing is recorded
                s.switchPlayer();
                QVERIFY(s.recordLesson(l, 3, 30, 100, 500).isEmpty());
                QVERIFY(s.recordGame(GameKind::copyCat, 900, {}, 500).isEmpty());
                s.updateCurrent([](Profile &p) { p.streak = 3; });
            },
            1, "");
    }

    // Guards lesson entries dated near the clock's own zero instead of today.
    void theLessonClockStartsAtTheWallTime()
    {
        const SteadyClock clock;
        QVERIFY(qAbs(clock.now().secondsSinceReference -
                     SystemClock().now().secondsSinceReference) < 1);
    }

    void aChangeTheDiskRefusedIsWrittenOnTheWayOut()
    {
        // A disk full for a moment must not cost the explorer made meanwhile.
        Harness h;
        h.disk->full = true;
        h.store->addProfile("Mia", "🦊");
        QVERIFY(h.store->isUnsaved());
        QVERIFY(!h.store->saveIfUnsaved());
        h.disk->full = false;
        QVERIFY(h.store->saveIfUnsaved());
        QCOMPARE(h.fileContent(), SaveCodec::encode(h.store->data()));
        const int saves = h.disk->saves;
        QVERIFY(h.store->saveIfUnsaved()); // nothing left to write
        QCOMPARE(h.disk->saves, saves);
    }

    void aRefusedSaveIsRetriedLaterAndAParentIsToldMeanwhile()
    {
        // Faults guarded: a refused save waited for the next change (none came before logout),
        // and nothing on screen said that progress was not being kept.
        Harness h;
        QSignalSpy notices(h.store.get(), &AppStore::saveProblemChanged);
        h.disk->full = true;
        h.store->addProfile("Mia", "🦊");
        QCOMPARE(notices.count(), 1);
        QCOMPARE(h.store->saveProblem(),
                 "Tapalong cannot save right now: the disk is full. Progress is kept safe while "
                 "Tapalong stays open and is saved as soon as that works again.");
        // Backs off, and a change made meanwhile does not put the next try off.
        int expected = AppStore::firstRetryMs;
        QCOMPARE(h.store->retryDelayMs(), expected);
        h.store->toggleSound();
        QCOMPARE(h.store->retryDelayMs(), expected);
        for (int attempt = 0; attempt < 8; ++attempt) {
            h.store->retrySave();
            expected = std::min(2 * expected, AppStore::maxRetryMs);
            QCOMPARE(h.store->retryDelayMs(), expected);
        }
        QCOMPARE(expected, AppStore::maxRetryMs);
        QCOMPARE(notices.count(), 1);

        h.disk->full = false;
        h.store->retrySave();
        QVERIFY(!h.store->isUnsaved());
        QVERIFY(h.store->saveProblem().isEmpty());
        QCOMPARE(notices.count(), 2);
        QCOMPARE(h.store->retryDelayMs(), 0);
        QCOMPARE(h.fileContent(), SaveCodec::encode(h.store->data()));
        // The next failure starts again from the shortest wait.
        h.disk->full = true;
        h.store->switchPlayer();
        QCOMPARE(h.store->retryDelayMs(), AppStore::firstRetryMs);
    }

    void writesLeaveTheDrawingThreadInOrderNewestWaitingOnly()
    {
        // Fault guarded: encoding and fsync ran inside the frame after a lesson's last key.
        auto owned = std::make_unique<Gate>();
        Gate &gate = *owned;
        SaveWriter writer(std::move(owned), SaveWriter::Thread::worker);
        QSignalSpy outcomes(&writer, &SaveWriter::written);
        writer.submit(withProfiles(1));
        gate.waitForArrivals(1); // the first is being written
        writer.submit(withProfiles(2));
        writer.submit(withProfiles(3)); // takes the place of the second
        gate.letOneThrough();
        gate.waitForArrivals(2);
        gate.openUp();
        writer.flush();
        QCOMPARE(gate.written, (QList<qsizetype>{1, 3}));
        QVERIFY(gate.threads.at(0) != std::this_thread::get_id());
        QCOMPARE(outcomes.count(), 1); // the newest outcome, once
        QCOMPARE(outcomes.at(0).at(0).toBool(), true);
    }

    void quittingWaitsForTheLastWrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tapalong.json"));
        FakeClock clock;
        AppData last;
        {
            AppStore store(SaveFile(path), clock);
            for (int i = 0; i < 20; ++i)
                store.addProfile(QString::number(i), "🦊");
            last = store.data();
        } // no flush: the destructor waits
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(SaveCodec::decode(file.readAll()), std::optional(last));
    }

    void aFolderThatTurnsIntoAFileIsReportedUntilItIsBack()
    {
        // The real file on the worker thread: the notice follows what the writer found.
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Tapalong"));
        const QString path = folder + QStringLiteral("/tapalong.json");
        FakeClock clock;
        AppStore store(SaveFile(path), clock);
        store.addProfile("Mia", "🦊");
        QVERIFY(store.saveIfUnsaved());

        // A file where the folder was fails every write, for root too.
        QVERIFY(QDir().rename(folder, folder + QStringLiteral(".away")));
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        store.addProfile("Leo", "🦁");
        QVERIFY(!store.saveIfUnsaved());
        QVERIFY(store.saveProblem().startsWith("Tapalong cannot save right now: the folder " +
                                               folder + " is missing."));
        QCOMPARE(store.retryDelayMs(), AppStore::firstRetryMs);

        QVERIFY(QFile::remove(folder));
        QVERIFY(QDir().rename(folder + QStringLiteral(".away"), folder));
        store.retrySave();
        QVERIFY(store.saveIfUnsaved());
        QVERIFY(store.saveProblem().isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(SaveCodec::decode(file.readAll()), std::optional(store.data()));
    }

    void loadingWritesBackOnlyAReadableFile()
    {
        for (const QByteArray &content : {QByteArray(), QByteArray("{\"profiles\":[]}")}) {
            Harness h(content); // missing, then unreadable
            QCOMPARE(h.disk->saves, 0);
            QCOMPARE(h.store->data(), AppData{});
            QCOMPARE(h.fileContent(), content);
        }
        AppData saved;
        saved.profiles = {Profile()};
        saved.profiles[0].id = QUuid::createUuid();
        saved.currentProfileID = QUuid::createUuid(); // matches no one: no current profile
        saved.settings.soundEnabled = false;
        Harness h(
            QJsonDocument::fromJson(SaveCodec::encode(saved)).toJson(QJsonDocument::Indented));
        QCOMPARE(h.disk->saves, 1);
        QCOMPARE(h.store->data(), saved);
        QCOMPARE(h.fileContent(), SaveCodec::encode(saved));
        QVERIFY(!h.store->hasCurrentProfile());

        // Every later change is published.
        int published = 0;
        connect(h.store.get(), &AppStore::dataChanged, this, [&] { ++published; });
        h.store->toggleSound();
        QVERIFY(h.store->soundEnabled());
        h.store->toggleVoice();
        QVERIFY(!h.store->voiceEnabled());
        h.store->toggleVoice();
        AppData next = h.store->data();
        next.settings.soundEnabled = false;
        h.store->setData(next);
        QVERIFY(h.store->voiceEnabled() && !h.store->soundEnabled());
        QCOMPARE(published, 4);
    }

    void championsRankProfilesWithSomethingToShow()
    {
        Harness h;
        for (const char *name : {"Ada", "Ben", "Cy", "Dot"})
            h.store->addProfile(name, "🦊");
        AppData data = h.store->data();
        Profile &ada = data.profiles[0], &ben = data.profiles[1], &dot = data.profiles[3];
        ada.lessonResults = {{"u1l1", {1, 22.4, 90, {}}}, {"u1l2", {1, 8, 90, {}}}};
        ben.lessonResults = {{"u1l1", {0, 22.5, 90, {}}}};
        dot.lessonResults = {{"u1l1", {2, 0, 90, {}}}};
        ada.gameScores = {{QUuid::createUuid(), GameKind::keyMoles, 480, 50.0, {}}};
        ben.gameScores = {{QUuid::createUuid(), GameKind::keyMoles, 0, {}, {}},
                          {QUuid::createUuid(), GameKind::copyCat, 7, {}, {}}};
        h.store->setData(data);

        const auto board = [](const QList<LeaderRow> &rows) {
            QStringList lines;
            for (const LeaderRow &row : rows)
                lines << row.name + ' ' + row.value;
            return lines;
        };
        QCOMPARE(board(h.store->starRows()), (QStringList{"Ada 2 ⭐️", "Dot 2 ⭐️"}));
        QCOMPARE(board(h.store->wpmRows()), (QStringList{"Ben 23 wpm", "Ada 22 wpm"}));
        QCOMPARE(board(h.store->gameRows(GameKind::keyMoles)), QStringList{"Ada 480"});
        QCOMPARE(board(h.store->gameRows(GameKind::copyCat)), QStringList{"Ben 7"});
        QVERIFY(h.store->gameRows(GameKind::letterDrop).isEmpty());
    }

    void aRecordedLessonIsThereAfterARestart()
    {
        // Guards against a result the encoder refuses, which would make every later save fail.
        const double infinity = std::numeric_limits<double>::infinity();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tapalong.json"));
        FakeClock clock;
        {
            AppStore store(SaveFile(path), clock);
            store.addProfile("Mia", "🦊");
            store.recordLesson(lesson("u2l1"), 2, infinity,
                               std::numeric_limits<double>::quiet_NaN(), 120);
            store.recordGame(GameKind::letterDrop, 90, infinity, 30);
        }
        const AppStore reopened(SaveFile(path), clock);
        QVERIFY(reopened.currentProfile());
        const Profile &mia = *reopened.currentProfile();
        QCOMPARE(mia.lessonResults.value("u2l1"), (LessonResult{2, 0, 0, {700'000'000}}));
        QCOMPARE(mia.totalCorrectKeys, 150);
        QCOMPARE(mia.streak, 1);
        QCOMPARE(mia.gameScores.size(), 1);
        QVERIFY(mia.badges.contains("first_lesson"));
    }
};

QTEST_GUILESS_MAIN(TestAppStore)
#include "tst_appstore.moc"
