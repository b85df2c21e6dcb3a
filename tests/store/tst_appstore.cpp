// Guards the store's operations: best results, scores, streaks, badges, writes and mirrors.
#include "appstore.h"
#include "curriculum.h"
#include "narrator.h"
#include "recordingspeech.h"
#include "savecodec.h"
#include "soundplayer.h"

#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <functional>
#include <limits>

Q_DECLARE_METATYPE(tapalong::AppData)
Q_DECLARE_METATYPE(tapalong::LessonResult)

using namespace tapalong;

namespace {

using Operation = std::function<void(AppStore &)>;

class FakeClock : public Clock {
public:
    Timestamp now() const override { return moment; }
    Timestamp moment{700'000'000};
};

// The real file, with every write counted.
class CountingStorage : public Storage {
public:
    CountingStorage(const QString &path, int &saves) : m_file(path), m_saves(saves) {}
    SaveFile::LoadResult load() override { return m_file.load(); }
    bool save(const AppData &data) override
    {
        ++m_saves;
        return m_file.save(data);
    }

private:
    SaveFile m_file;
    int &m_saves;
};

// A disk that can be filled and emptied at will.
class ScriptedStorage : public Storage {
public:
    SaveFile::LoadResult load() override { return {}; }
    bool save(const AppData &data) override
    {
        ++saves;
        if (!full)
            written = data;
        return !full;
    }

    bool full = false;
    int saves = 0;
    AppData written;
};

Timestamp local(const char *iso)
{
    return Timestamp::fromDateTime(QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate));
}

Lesson lesson(const char *id)
{
    return *Curriculum::lessonById(QString::fromLatin1(id));
}

Profile profile(const char *name)
{
    Profile p;
    p.id = QUuid::createUuid();
    p.name = QString::fromLatin1(name);
    return p;
}

struct Harness {
    explicit Harness(const QByteArray &fileContent = {})
    {
        if (!fileContent.isNull()) {
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(fileContent) > 0);
        }
        store = std::make_unique<AppStore>(std::make_unique<CountingStorage>(path(), saves), clock);
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
    int saves = 0;
    std::unique_ptr<AppStore> store;
};

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestAppStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }

    void lessonKeepsTheBestAttemptByStarsThenSpeed()
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
        QCOMPARE(record(3, 10, 80, 4000), (LessonResult{3, 10, 80, {4000}}));
        QCOMPARE(h.current().totalCorrectKeys, 40);
    }

    void gameScoresKeepTheBestSixtyOfAllKinds()
    {
        Harness h;
        h.store->addProfile("Mia", "🦊");
        const auto record = [&](double when, GameKind kind, int score, int keys = 1) {
            h.clock.moment = {when};
            h.store->recordGame(kind, score, {}, keys);
            return h.current().gameScores;
        };
        QList<GameScore> scores;
        for (int i = 0; i < 60; ++i) // 10 … 300, each score twice, all kinds mixed
            scores = record(1000 + i, allGameKinds[i % 5], 10 * (i % 30) + 10);
        QCOMPARE(scores.size(), 60);
        QCOMPARE(scores.first().date, Timestamp{1029}); // equal scores: the older first
        QCOMPARE(scores.at(1).date, Timestamp{1059});

        // Not above the lowest: dropped at once, yet its keys and its day still count.
        QCOMPARE(record(2000, GameKind::copyCat, 10), scores);
        QCOMPARE(record(3000, GameKind::keyMoles, 5, 7), scores);
        QCOMPARE(h.current().totalCorrectKeys, 61 + 7);
        QCOMPARE(h.current().lastActiveDay, Timestamp{3000});

        // The 61st good score pushes out the newest of the two lowest.
        scores = record(4000, GameKind::keyMoles, 310);
        QCOMPARE(scores.size(), 60);
        QCOMPARE(scores.first().score, 310);
        QCOMPARE(scores.last().date, Timestamp{1000});
        QCOMPARE(scores.at(58).score, 20);
    }

    void streakCountsLocalCalendarDays_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("now");
        QTest::addColumn<int>("streak");

        QTest::newRow("first recording") << QByteArray() << QByteArray("2024-03-10T09:00") << 1;
        QTest::newRow("same day") << QByteArray("2024-03-10T08:00")
                                  << QByteArray("2024-03-10T20:00") << 5;
        QTest::newRow("next day") << QByteArray("2024-03-10T08:00")
                                  << QByteArray("2024-03-11T20:00") << 6;
        // Berlin is UTC+1 here: these two pairs fall on the other side of midnight in UTC.
        QTest::newRow("same UTC day, next local day")
            << QByteArray("2024-03-09T22:30") << QByteArray("2024-03-10T00:30") << 6;
        QTest::newRow("next UTC day, same local day")
            << QByteArray("2024-03-10T00:30") << QByteArray("2024-03-10T23:30") << 5;
        QTest::newRow("over the spring-forward night")
            << QByteArray("2024-03-30T12:00") << QByteArray("2024-03-31T12:00") << 6;
        QTest::newRow("a day missed")
            << QByteArray("2024-03-10T08:00") << QByteArray("2024-03-12T08:00") << 1;
        QTest::newRow("clock set back a day")
            << QByteArray("2024-03-10T08:00") << QByteArray("2024-03-09T08:00") << 1;
    }

    void streakCountsLocalCalendarDays()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, now);
        QFETCH(int, streak);

        Harness h;
        h.store->addProfile("Mia", "🦊");
        if (!before.isEmpty()) {
            h.store->updateCurrent([&](Profile &p) {
                p.streak = 5;
                p.lastActiveDay = local(before);
            });
        }
        h.clock.moment = local(now);
        h.store->recordLesson(lesson("u1l1"), 1, 5, 90, 1);
        QCOMPARE(h.current().streak, streak);
        QCOMPARE(h.current().lastActiveDay, local(now));
    }

    void eachOperationWritesTheFileAsOftenAsItChangesData_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QString>("currentAfter");

        const Lesson l = lesson("u1l1");
        QTest::newRow("add profile")
            << Operation([](AppStore &s) { s.addProfile("Noa", "🐼"); }) << 2 << "Noa";
        QTest::newRow("delete current")
            << Operation([](AppStore &s) { s.deleteProfile(s.currentProfile()->id); }) << 2 << "";
        QTest::newRow("delete another")
            << Operation([](AppStore &s) { s.deleteProfile(s.data().profiles.at(0).id); }) << 1
            << "Mia";
        QTest::newRow("delete unknown")
            << Operation([](AppStore &s) { s.deleteProfile(QUuid::createUuid()); }) << 1 << "Mia";
        QTest::newRow("toggle voice")
            << Operation([](AppStore &s) { s.toggleVoice(); }) << 1 << "Mia";
        QTest::newRow("switch player")
            << Operation([](AppStore &s) { s.switchPlayer(); }) << 1 << "";
        QTest::newRow("choose profile") << Operation([](AppStore &s) {
            s.chooseProfile(s.data().profiles.at(0).id.toString());
        }) << 1 << "Leo";
        QTest::newRow("choose unknown profile")
            << Operation([](AppStore &s) { s.chooseProfile(QUuid::createUuid().toString()); }) << 0
            << "Mia";
        QTest::newRow("record lesson")
            << Operation([=](AppStore &s) { s.recordLesson(l, 3, 30, 100, 500); }) << 1 << "Mia";
        QTest::newRow("lesson without a player") << Operation([=](AppStore &s) {
            s.switchPlayer();
            QVERIFY(s.recordLesson(l, 3, 30, 100, 500).isEmpty());
            QVERIFY(s.recordGame(GameKind::copyCat, 900, {}, 500).isEmpty());
            s.updateCurrent([](Profile &p) { p.streak = 3; });
        }) << 1 << "";
    }

    void eachOperationWritesTheFileAsOftenAsItChangesData()
    {
        QFETCH(Operation, operation);
        QFETCH(int, writes);
        QFETCH(QString, currentAfter);

        Harness h;
        h.store->addProfile("Leo", "🦁");
        h.store->addProfile("Mia", "🦊");
        const QList<Profile> before = h.store->data().profiles;
        h.saves = 0;

        operation(*h.store);
        QCOMPARE(h.saves, writes);
        QCOMPARE(h.store->currentProfile() ? h.store->currentProfile()->name : QString(),
                 currentAfter);
        if (currentAfter.isEmpty() && h.store->data().profiles.size() == 2)
            QCOMPARE(h.store->data().profiles, before);
        if (writes > 0)
            QCOMPARE(h.fileContent(), SaveCodec::encode(h.store->data()));
    }

    void theLessonClockStartsAtTheWallTimeAndNeverGoesBack()
    {
        const Timestamp wall = SystemClock().now();
        const SteadyClock clock;
        Timestamp last = clock.now();
        QVERIFY(qAbs(last.secondsSinceReference - wall.secondsSinceReference) < 1);
        for (int i = 0; i < 1000; ++i) {
            const Timestamp next = clock.now();
            QVERIFY(next >= last);
            last = next;
        }
    }

    void aChangeTheDiskRefusedIsWrittenOnTheWayOut()
    {
        // A disk full for a moment must not cost the explorer made meanwhile.
        FakeClock clock;
        auto owned = std::make_unique<ScriptedStorage>();
        ScriptedStorage &disk = *owned;
        AppStore store(std::move(owned), clock);
        disk.full = true;
        store.addProfile("Mia", "🦊");
        QVERIFY(store.isUnsaved());
        QVERIFY(!store.saveIfUnsaved());

        disk.full = false;
        QVERIFY(store.saveIfUnsaved());
        QCOMPARE(disk.written, store.data());
        const int saves = disk.saves;
        QVERIFY(store.saveIfUnsaved()); // nothing left to write
        QCOMPARE(disk.saves, saves);
    }

    void loadingWritesBackOnlyAReadableFile_data()
    {
        AppData saved;
        saved.profiles = {profile("Mia")};
        saved.currentProfileID = QUuid::createUuid(); // matches no one: no current profile
        saved.settings.soundEnabled = false;
        const QByteArray indented =
            QJsonDocument::fromJson(SaveCodec::encode(saved)).toJson(QJsonDocument::Indented);

        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("writes");
        QTest::addColumn<AppData>("loaded");
        QTest::newRow("missing") << QByteArray() << 0 << AppData{};
        QTest::newRow("unreadable") << QByteArray("{\"profiles\":[]}") << 0 << AppData{};
        QTest::newRow("readable, indented") << indented << 1 << saved;
    }

    void loadingWritesBackOnlyAReadableFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, writes);
        QFETCH(AppData, loaded);

        SoundPlayer::setEnabled(!loaded.settings.soundEnabled);
        Narrator::shared().setEnabled(false);
        Harness h(content);
        QCOMPARE(h.saves, writes);
        QCOMPARE(h.store->data(), loaded);
        QCOMPARE(h.fileContent(), writes ? SaveCodec::encode(loaded) : content);
        QVERIFY(!h.store->hasCurrentProfile());
        QCOMPARE(SoundPlayer::enabled(), loaded.settings.soundEnabled);
        QVERIFY(Narrator::shared().enabled());
    }

    void settingsAreMirroredAfterEveryChange()
    {
        RecordingSpeechBackend speech;
        Harness h;
        int published = 0;
        connect(h.store.get(), &AppStore::dataChanged, this, [&] { ++published; });

        h.store->toggleSound();
        QVERIFY(!SoundPlayer::enabled());
        h.store->toggleVoice();
        QVERIFY(!Narrator::shared().enabled());
        QCOMPARE(speech.calls, QStringList{"stop"});

        h.store->toggleVoice();
        AppData next = h.store->data();
        next.settings.soundEnabled = true;
        h.store->setData(next);
        QVERIFY(Narrator::shared().enabled());
        QVERIFY(SoundPlayer::enabled());
        QCOMPARE(speech.calls, QStringList{"stop"}); // turning it on says nothing
        QCOMPARE(published, 4);
    }

    void championsRankProfilesWithSomethingToShow()
    {
        AppData data;
        data.profiles = {profile("Ada"), profile("Ben"), profile("Cy"), profile("Dot")};
        Profile &ada = data.profiles[0], &ben = data.profiles[1], &dot = data.profiles[3];
        ada.lessonResults = {{"u1l1", {1, 22.4, 90, {}}}, {"u1l2", {1, 8, 90, {}}}};
        ben.lessonResults = {{"u1l1", {0, 22.5, 90, {}}}};
        dot.lessonResults = {{"u1l1", {2, 0, 90, {}}}};
        ada.gameScores = {{QUuid::createUuid(), GameKind::keyMoles, 480, 50.0, {}}};
        ben.gameScores = {{QUuid::createUuid(), GameKind::keyMoles, 0, {}, {}},
                          {QUuid::createUuid(), GameKind::copyCat, 7, {}, {}}};
        Harness h;
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
        QCOMPARE(board(Board::all().at(3).rows(data)), QStringList{"Ada 480"});
    }

    void aRecordedLessonIsThereAfterARestart_data()
    {
        QTest::addColumn<double>("wpm");
        QTest::addColumn<double>("accuracy");
        QTest::addColumn<LessonResult>("kept");
        QTest::newRow("ordinary") << 21.75 << 97.5 << LessonResult{2, 21.75, 97.5, {700'000'000}};
        // Guards against a result the encoder refuses, which would make every later save fail.
        QTest::newRow("infinite speed, no accuracy")
            << std::numeric_limits<double>::infinity() << std::numeric_limits<double>::quiet_NaN()
            << LessonResult{2, 0, 0, {700'000'000}};
    }

    void aRecordedLessonIsThereAfterARestart()
    {
        QFETCH(double, wpm);
        QFETCH(double, accuracy);
        QFETCH(LessonResult, kept);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tapalong.json"));
        FakeClock clock;
        {
            AppStore store(SaveFile(path), clock);
            store.addProfile("Mia", "🦊");
            store.recordLesson(lesson("u2l1"), 2, wpm, accuracy, 120);
            store.recordGame(GameKind::letterDrop, 90, wpm, 30);
        }
        const AppStore reopened(SaveFile(path), clock);
        QVERIFY(reopened.currentProfile());
        const Profile &mia = *reopened.currentProfile();
        QCOMPARE(mia.lessonResults.value("u2l1"), kept);
        QCOMPARE(mia.totalCorrectKeys, 150);
        QCOMPARE(mia.streak, 1);
        QCOMPARE(mia.gameScores.size(), 1);
        QVERIFY(mia.badges.contains("first_lesson"));
    }
};

QTEST_GUILESS_MAIN(TestAppStore)
#include "tst_appstore.moc"
