// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the frame every game shares: key routing by state, pausing, set-up, recording once.
#include "appstore.h"
#include "feedback.h"
#include "gameframe.h"
#include "recordingsound.h"
#include "recordingspeech.h"
#include "savefile.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

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
        set(0, 0, State::Playing);
    }
    void tick(double dt) override { ticked += dt; }
    void handle(QChar ch) override { handled.append(ch); }
    void end(int score, int correctKeys = 0) { set(score, correctKeys, State::Over); }
    void set(int score, int correctKeys, State state)
    {
        setScore(score);
        setCorrectKeys(correctKeys);
        setState(state);
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
    {
        store.addProfile(QStringLiteral("Mia"), QStringLiteral("🦊"));
        feedback.setSoundBackend(&sounds);
        feedback.setSpeechBackend(&speech);
    }
    const Profile &profile() const { return *store.currentProfile(); }

    QTemporaryDir dir;
    AppStore store{SaveFile(dir.filePath(QStringLiteral("t.json")))};
    RecordingSoundBackend sounds;
    RecordingSpeechBackend speech;
    Feedback feedback{store}; // what the program would play and say
};

// A frame around a game whose end the test decides.
struct FakeScreen : Harness {
    FakeGame game;
    GameFrame frame{&store, &game};
};

} // namespace

class TestGameFrame : public QObject {
    Q_OBJECT

private slots:
    void keysAreRoutedByState()
    {
        using enum GameModel::State;
        const KeyInput left{{}, KeyInput::keyCodeFor(Qt::Key_Left), false};
        // {from, key, to, exit requests, what reached the game}: a repeat, a space (no key of
        // this game) and a key without a character are dropped in play.
        const std::tuple<State, KeyInput, State, int, const char *> cases[] = {
            {Ready, returnKey, Playing, 0, ""},
            {Ready, typed(" "), Playing, 0, ""},
            {Ready, typed("a"), Ready, 0, ""},
            {Ready, escape, Ready, 1, ""},
            {Playing, escape, Paused, 0, ""},
            {Paused, escape, Playing, 0, ""},
            {Over, escape, Over, 1, ""},
            {Over, typed(" "), Playing, 0, ""},
            {Paused, typed("a"), Paused, 0, ""},
            {Playing, typed("A"), Playing, 0, "A"},
            {Playing, typed("a", true), Playing, 0, ""},
            {Playing, typed(" "), Playing, 0, ""},
            {Playing, left, Playing, 0, ""}};
        for (const auto &[from, key, to, exits, handled] : cases) {
            FakeScreen screen;
            if (from != Ready)
                screen.frame.startGame();
            if (from == Paused)
                screen.game.pause();
            if (from == Over)
                screen.game.end(10);
            QSignalSpy exitSpy(&screen.frame, &GameFrame::exitRequested);
            QVERIFY(screen.frame.handleKey(key)); // consumed, always
            QCOMPARE(screen.game.state(), to);
            // Nothing moves outside play: a paused game loses no time.
            QCOMPARE(screen.frame.isTimerRunning(), to == Playing);
            QCOMPARE(exitSpy.size(), exits);
            QCOMPARE(screen.game.handled, QString::fromUtf8(handled));
        }
    }

    // Out of play Tab and Shift+Tab go on to the card's buttons, and on the paused card so do
    // Return and Space; in play Tab stays a key, and the start and game-over cards keep
    // Return and Space for starting a game.
    void cardsLetTheirButtonKeysThroughAndPlayKeepsEveryKey()
    {
        using enum GameModel::State;
        const KeyInput tab{QStringLiteral("\t"), KeyInput::keyCodeFor(Qt::Key_Tab), false};
        const KeyInput backtab{{}, KeyInput::keyCodeFor(Qt::Key_Backtab), false};
        // {state, key, consumed, state after}
        const std::tuple<State, KeyInput, bool, State> cases[] = {
            {Ready, tab, false, Ready},        {Over, backtab, false, Over},
            {Paused, tab, false, Paused},      {Paused, returnKey, false, Paused},
            {Paused, typed(" "), false, Paused}, {Paused, typed("a"), true, Paused},
            {Playing, tab, true, Playing},     {Over, returnKey, true, Playing}};
        for (const auto &[from, key, consumed, to] : cases) {
            FakeScreen screen;
            if (from != Ready)
                screen.frame.startGame();
            if (from == Paused)
                screen.game.pause();
            if (from == Over)
                screen.game.end(10);
            QCOMPARE(screen.frame.handleKey(key), consumed);
            QCOMPARE(screen.game.state(), to);
            QCOMPARE(screen.game.handled, QString());
        }
    }

    // Once the child has walked the game-over card with Tab, Return presses the button it
    // reached (a bonus round's "Next") instead of starting the game again; Space still starts
    // one, as the card says, and a new game over starts afresh.
    void returnPressesTheButtonTabbedTo()
    {
        using enum GameModel::State;
        const KeyInput tab{QStringLiteral("\t"), KeyInput::keyCodeFor(Qt::Key_Tab), false};
        FakeScreen screen;
        screen.frame.startGame();
        screen.game.end(10);
        QVERIFY(!screen.frame.handleKey(tab));
        QVERIFY(!screen.frame.handleKey(returnKey));
        QCOMPARE(screen.game.state(), Over);
        QVERIFY(screen.frame.handleKey(typed(" ")));
        QCOMPARE(screen.game.state(), Playing);

        screen.game.end(10);
        screen.game.end(10);
        QVERIFY(screen.frame.handleKey(returnKey));
        QCOMPARE(screen.game.state(), Playing);
    }

    // Frames 16 or 17 ms apart, a millisecond early or late, carry one tick each: a tick split
    // over two frames would show as a frame without movement beside one with a double step.
    // Frames 16 ms apart (62.5 a second) still give 60 ticks a second, never two at once.
    void framesCarryWholeTicksAtSixtyASecond()
    {
        for (const double jitter : {0.0, 1.0, -1.0}) {
            TickSchedule schedule;
            schedule.restart();
            int ticks = 0;
            for (int frame = 0; frame < 600; ++frame) {
                // 17, 16, 17, … ms apart, every other frame off by the jitter.
                const double at = 5000 + std::round(frame * 1000.0 / 60) + (frame % 2) * jitter;
                const int carried = schedule.frame(at);
                QCOMPARE(carried, 1);
                ticks += carried;
            }
            QCOMPARE(ticks, 600);
        }
        TickSchedule fast;
        fast.restart();
        int ticks = 0;
        for (int frame = 0; frame <= 625; ++frame) {
            const int carried = fast.frame(frame * 16.0);
            QVERIFY(carried == 0 || carried == 1);
            ticks += carried;
        }
        QVERIFY2(qAbs(ticks - 601) <= 1, qPrintable(QString::number(ticks)));
    }

    // One lost frame is made up, so the game keeps its pace; a stall is not, so a busy machine
    // plays slower rather than in bursts.
    void aLateFrameCatchesUpOneTickAtMost()
    {
        TickSchedule schedule;
        schedule.restart();
        QCOMPARE(schedule.frame(0), 1);
        QCOMPARE(schedule.frame(17), 1);
        QCOMPARE(schedule.frame(50), 2); // the frame at 33 ms never came
        QCOMPARE(schedule.frame(67), 1);
        QCOMPARE(schedule.frame(400), 2); // a stall of a third of a second
        QCOMPARE(schedule.frame(417), 1);
        QCOMPARE(schedule.frame(433), 1);
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
        QCOMPARE(screen.profile().gameScores.first().wpm, std::nullopt);
        QCOMPARE(screen.frame.newBadges().size(), 1);
        QCOMPARE(screen.frame.newBadges().first().title, QStringLiteral("High Scorer"));
        QCOMPARE(screen.sounds.played, QStringList{"Hero"});
        QCOMPARE(screen.speech.spoken, QStringList{"Game over! You scored 500. A new high score! "
                                                   "New badge: High Scorer!"});

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

    void newHighScore()
    {
        // {earlier score (-1: none), score, with a profile, is new, best}: a first game at 0 never
        // is one; a tie counts.
        const std::tuple<int, int, bool, bool, qint64> cases[] = {{-1, 0, true, false, 0},
                                                                  {-1, 40, true, true, 40},
                                                                  {50, 50, true, true, 50},
                                                                  {50, 49, true, false, 50},
                                                                  {-1, 30, false, true, 30}};
        for (const auto &[earlier, score, withProfile, isNew, best] : cases) {
            FakeScreen screen;
            if (!withProfile)
                screen.store.switchPlayer();
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

        // Guards "Best: 0" under a new high score of 35: sixty better games of another kind
        // fill the household's one list, which drops this game as soon as it is recorded.
        FakeScreen screen;
        for (int i = 0; i < 60; ++i)
            screen.store.recordGame(GameKind::wordMeteors, 100, std::nullopt, 0);
        screen.frame.startGame();
        screen.game.end(35);
        QCOMPARE(screen.profile().bestScore(GameKind::keyMoles), 0);
        QVERIFY(screen.frame.isNewHighScore());
        QCOMPARE(screen.frame.best(), 35);
    }
};

QTEST_GUILESS_MAIN(TestGameFrame)
#include "tst_gameframe.moc"
