// Guards the frame every game shares: key routing by state, pausing, set-up, recording once.
#include "appstore.h"
#include "curriculum.h"
#include "gameframe.h"
#include "letterrainmodel.h"
#include "recordingsound.h"
#include "savefile.h"
#include "soundplayer.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(tapalong::KeyInput)

using namespace tapalong;

namespace {

using State = GameModel::State;

// A game whose end the test decides; it remembers what reached it.
class FakeGame : public GameModel {
public:
    FakeGame() : GameModel(*QRandomGenerator::global(), nullptr) {}

    GameKind kind() const override { return GameKind::keyMoles; }
    void start() override
    {
        ++starts;
        setScore(0);
        setCorrectKeys(0);
        setState(State::playing);
    }
    void tick(double dt) override { ticked += dt; }
    void handle(QChar ch) override { handled.append(ch); }

    void end(int score, int correctKeys = 0)
    {
        setScore(score);
        setCorrectKeys(correctKeys);
        setState(State::over);
    }

    int starts = 0;
    double ticked = 0;
    QString handled;
};

KeyInput typed(const char *text, bool isRepeat = false)
{
    return {QString::fromUtf8(text), KeyInput::unknownKey, isRepeat};
}

const KeyInput escape{QStringLiteral("\x1b"), KeyInput::escape, false};
const KeyInput returnKey{QStringLiteral("\r"), KeyInput::returnKey, false};

struct Harness {
    Harness()
        : store(std::make_unique<AppStore>(SaveFile(dir.filePath(QStringLiteral("tapalong.json")))))
    {
        store->addProfile(QStringLiteral("Mia"), QStringLiteral("🦊"));
        SoundPlayer::setEnabled(true);
    }
    const Profile &profile() const { return *store->currentProfile(); }

    QTemporaryDir dir;
    std::unique_ptr<AppStore> store;
    RecordingSoundBackend sounds;
};

// A frame around a game whose end the test decides.
struct FakeScreen : Harness {
    void bringTo(State state)
    {
        if (state == State::ready)
            return;
        frame.startGame();
        if (state == State::paused)
            game.pause();
        if (state == State::over)
            game.end(10);
    }

    FakeGame game;
    GameFrame frame{store.get(), &game};
};

} // namespace

class TestGameFrame : public QObject {
    Q_OBJECT

private slots:
    void keysAreRoutedByState_data()
    {
        QTest::addColumn<State>("from");
        QTest::addColumn<KeyInput>("key");
        QTest::addColumn<State>("to");
        QTest::addColumn<int>("exits");
        QTest::addColumn<QString>("handled");

        QTest::newRow("Return starts") << State::ready << returnKey << State::playing << 0 << "";
        QTest::newRow("space starts") << State::ready << typed(" ") << State::playing << 0 << "";
        QTest::newRow("a letter on the start card does nothing")
            << State::ready << typed("a") << State::ready << 0 << "";
        QTest::newRow("Escape on the start card leaves")
            << State::ready << escape << State::ready << 1 << "";
        QTest::newRow("Escape pauses") << State::playing << escape << State::paused << 0 << "";
        QTest::newRow("Escape resumes") << State::paused << escape << State::playing << 0 << "";
        QTest::newRow("Escape on the game-over card leaves")
            << State::over << escape << State::over << 1 << "";
        QTest::newRow("space plays again")
            << State::over << typed(" ") << State::playing << 0 << "";
        QTest::newRow("a letter while paused is dropped")
            << State::paused << typed("a") << State::paused << 0 << "";
        QTest::newRow("a letter while playing reaches the game")
            << State::playing << typed("A") << State::playing << 0 << "A";
        QTest::newRow("a repeat is dropped")
            << State::playing << typed("a", true) << State::playing << 0 << "";
        QTest::newRow("space is no key of this game")
            << State::playing << typed(" ") << State::playing << 0 << "";
        QTest::newRow("a key without a character is dropped")
            << State::playing << KeyInput{{}, KeyInput::keyCodeFor(Qt::Key_Left), false}
            << State::playing << 0 << "";
    }
    void keysAreRoutedByState()
    {
        QFETCH(State, from);
        QFETCH(KeyInput, key);
        QFETCH(State, to);
        QFETCH(int, exits);
        QFETCH(QString, handled);
        FakeScreen screen;
        screen.bringTo(from);
        QSignalSpy exitSpy(&screen.frame, &GameFrame::exitRequested);

        QVERIFY(screen.frame.handleKey(key)); // consumed, always
        QCOMPARE(screen.game.state(), to);
        // Nothing moves outside play: a paused game loses no time.
        QCOMPARE(screen.frame.isTimerRunning(), to == State::playing);
        QCOMPARE(exitSpy.size(), exits);
        QCOMPARE(screen.game.handled, handled);
    }

    // Guards against the 16 ms timer, which ran every game 4 % fast.
    void theTimerFiresSixtyTimesASecond_data()
    {
        QTest::addColumn<qint64>("latencyNs"); // how late each firing is delivered
        QTest::newRow("on time") << qint64(0);
        QTest::newRow("each firing 0.9 ms late") << qint64(900'000);
    }
    void theTimerFiresSixtyTimesASecond()
    {
        QFETCH(qint64, latencyNs);
        TickSchedule schedule;
        const qint64 start = 5'000'000'000;
        qint64 now = start;
        int wait = schedule.restart(now);
        QList<int> waits;
        for (int firing = 1; firing <= 600; ++firing) {
            QVERIFY2(wait == 16 || wait == 17 || (latencyNs > 0 && wait == 15),
                     qPrintable(QString::number(wait)));
            waits.append(wait);
            now += qint64(wait) * 1'000'000 + latencyNs;
            if (firing < 600)
                wait = schedule.fired(now);
        }
        // The 600th firing lands within a millisecond (plus one delivery delay) of 10 s.
        QVERIFY(qAbs(now - start - 10'000'000'000) <= 1'000'000 + latencyNs);
        if (latencyNs == 0)
            QCOMPARE(waits.mid(0, 6), (QList<int>{17, 16, 17, 17, 16, 17}));
    }

    void aLateFiringDoesNotHurryTheNextOnes()
    {
        TickSchedule schedule;
        qint64 now = 0;
        now += qint64(schedule.restart(now)) * 1'000'000;
        now += 200'000'000; // the machine stalled for a fifth of a second
        QCOMPARE(schedule.fired(now), 17);
    }

    void aGameIsRecordedOnceAndAReplayAgain()
    {
        FakeScreen screen;
        screen.frame.startGame();
        screen.frame.step();
        QCOMPARE(screen.game.ticked, 1.0 / 60);
        screen.game.end(500, 12);
        screen.frame.finish(); // over, observed a second time
        QCOMPARE(screen.profile().gameScores.size(), 1);
        QCOMPARE(screen.profile().gameScores.first().kind, GameKind::keyMoles);
        QCOMPARE(screen.profile().gameScores.first().wpm, std::nullopt);
        QCOMPARE(screen.frame.newBadges().size(), 1);
        QCOMPARE(screen.frame.newBadges().first().toMap().value("title"),
                 QStringLiteral("High Scorer"));
        QCOMPARE(screen.sounds.played, QStringList{"Hero"});

        // A held space starts one game; its repeats are dropped there.
        screen.frame.handleKey(typed(" "));
        for (int i = 0; i < 5; ++i)
            screen.frame.handleKey(typed(" ", true));
        QCOMPARE(screen.game.starts, 2);
        QVERIFY(screen.game.isPlaying());
        QVERIFY(!screen.frame.recorded());
        QVERIFY(screen.frame.newBadges().isEmpty());
        screen.game.end(500, 8);
        QCOMPARE(screen.profile().gameScores.size(), 2);
        QCOMPARE(screen.profile().totalCorrectKeys, 20);
        QCOMPARE(screen.sounds.played, (QStringList{"Hero", "Glass"}));
    }

    void newHighScore_data()
    {
        QTest::addColumn<int>("earlier"); // -1: no earlier game
        QTest::addColumn<int>("score");
        QTest::addColumn<bool>("withProfile");
        QTest::addColumn<bool>("isNew");
        QTest::addColumn<qint64>("best");
        QTest::newRow("a first game at 0 never") << -1 << 0 << true << false << qint64(0);
        QTest::newRow("a first game") << -1 << 40 << true << true << qint64(40);
        QTest::newRow("a tie counts") << 50 << 50 << true << true << qint64(50);
        QTest::newRow("below the best") << 50 << 49 << true << false << qint64(50);
        QTest::newRow("no profile: best 0") << -1 << 30 << false << true << qint64(0);
    }
    void newHighScore()
    {
        QFETCH(int, earlier);
        QFETCH(int, score);
        QFETCH(bool, withProfile);
        QFETCH(bool, isNew);
        QFETCH(qint64, best);
        FakeScreen screen;
        if (!withProfile)
            screen.store->switchPlayer();
        GameFrame &frame = screen.frame;
        frame.setGameOverWords(QStringLiteral("Time's up!"));
        if (earlier >= 0) {
            frame.startGame();
            screen.game.end(earlier);
        }
        frame.startGame();
        QVERIFY(!frame.isNewHighScore());
        screen.game.end(score);
        QCOMPARE(frame.isNewHighScore(), isNew);
        QCOMPARE(frame.best(), best);
        QCOMPARE(frame.headline(),
                 isNew ? QStringLiteral("🏆 NEW HIGH SCORE!") : QStringLiteral("Time's up!"));
    }

    void poolLabelListsFewerThanFifteenKeys()
    {
        FakeGame game;
        GameFrame frame(nullptr, &game);
        game.setPool(QStringLiteral("abcdefghijklmn"));
        QCOMPARE(frame.poolLabel(), QStringLiteral("A B C D E F G H I J K L M N"));
        game.setPool(QStringLiteral("abcdefghijklmno"));
        QCOMPARE(frame.poolLabel(), QStringLiteral("all your letters!"));
    }

    void aBonusRoundPlaysTheLessonsKeys_data()
    {
        QTest::addColumn<QString>("lessonId");
        QTest::addColumn<QString>("focusLabel"); // empty: no focus line
        QTest::addColumn<QString>("nextLessonId");
        QTest::newRow("new keys") << "u1l2"
                                  << "D K"
                                  << "u1l3";
        QTest::newRow("a review has no focus line") << "u1l6"
                                                    << ""
                                                    << "u2l1";
        QTest::newRow("the last lesson has no next") << "u6l3"
                                                     << ""
                                                     << "";
    }
    void aBonusRoundPlaysTheLessonsKeys()
    {
        QFETCH(QString, lessonId);
        QFETCH(QString, focusLabel);
        QFETCH(QString, nextLessonId);
        Harness harness;
        QRandomGenerator rng(1);
        LetterRainModel rain(rng);
        const BonusSetup bonus{*Curriculum::lessonById(lessonId), 45};
        GameFrame frame(harness.store.get(), &rain, bonus);
        QCOMPARE(rain.pool(), bonus.pool());
        QCOMPARE(rain.timeLimit(), 45.0);
        QCOMPARE(frame.showsFocus(), !focusLabel.isEmpty());
        QCOMPARE(frame.focusLabel(), focusLabel);
        QCOMPARE(frame.hasNextLesson(), !nextLessonId.isEmpty());

        QSignalSpy opened(&frame, &GameFrame::openLessonRequested);
        frame.openNextLesson();
        QCOMPARE(opened.size(), nextLessonId.isEmpty() ? 0 : 1);
        if (!nextLessonId.isEmpty()) {
            QCOMPARE(opened.first().first().toString(), nextLessonId);
            // A leaving screen starts nothing while it fades out.
            frame.handleKey(typed(" "));
            QCOMPARE(rain.state(), State::ready);
        }
    }
};

QTEST_GUILESS_MAIN(TestGameFrame)
#include "tst_gameframe.moc"
