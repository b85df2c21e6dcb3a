// Guards Letter Drop's rules: when letters come, which letter a key catches, splashes, the clock.
#include "letterrainmodel.h"
#include "recordingsound.h"
#include "soundplayer.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <vector>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;

// Catches, as a perfect child would, every letter that would splash on the next tick.
void rescue(LetterRainModel &model)
{
    const FallingLetters &letters = model.fallingLetters();
    for (std::size_t i = 0; i < letters.size();) {
        const Falling &letter = letters.at(i);
        if (letter.y + letter.speed * dt < 1.0) {
            ++i;
            continue;
        }
        model.handle(letter.ch);
        i = 0;
    }
}

struct Spawn {
    Falling letter;
    double elapsed;
    int gap; // ticks since the letter before
};

// Starts a game and plays it perfectly for the given time; returns every letter dropped.
std::vector<Spawn> play(LetterRainModel &model, double seconds)
{
    std::vector<Spawn> spawns;
    model.start();
    int lastId = 0;
    int gap = 0;
    while (model.elapsed() < seconds) {
        rescue(model);
        model.tick(dt);
        ++gap;
        const std::vector<Falling> &letters = model.fallingLetters().items();
        if (!letters.empty() && letters.back().id != lastId) {
            lastId = letters.back().id;
            spawns.push_back({letters.back(), model.elapsed(), gap});
            gap = 0;
        }
    }
    return spawns;
}

std::vector<int> ids(const LetterRainModel &model)
{
    std::vector<int> result;
    for (const Falling &letter : model.fallingLetters().items())
        result.push_back(letter.id);
    return result;
}

} // namespace

class TestLetterRain : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        SoundPlayer::setEnabled(true);
        sounds = std::make_unique<RecordingSoundBackend>();
    }
    void cleanup() { sounds.reset(); }

    // The interval shrinks by 0.02 s per second played, so 1.7 s after the first letter the
    // second is already due: 100 ticks, not 102.
    void firstLetterAtOnceAndTheNextWhenItsIntervalIsDue()
    {
        QRandomGenerator rng(1);
        LetterRainModel model(rng);
        model.start();
        model.tick(dt);
        QCOMPARE(model.fallingLetters().size(), 1u);
        int ticks = 0;
        while (model.fallingLetters().size() == 1 && ticks < 200) {
            model.tick(dt);
            ++ticks;
        }
        QCOMPARE(ticks, 100);
        QCOMPARE(model.fallingLetters().size(), 2u);
    }

    void catchesTheLowestThenTheOldest_data()
    {
        QTest::addColumn<double>("olderY");
        QTest::addColumn<double>("newerY");
        QTest::addColumn<char>("key");
        QTest::addColumn<bool>("olderCaught");
        QTest::newRow("newer is lower") << 0.2 << 0.6 << 'f' << false;
        QTest::newRow("older is lower") << 0.7 << 0.3 << 'f' << true;
        QTest::newRow("same height: the older") << 0.4 << 0.4 << 'f' << true;
        QTest::newRow("upper case catches its letter") << 0.2 << 0.6 << 'F' << false;
    }
    void catchesTheLowestThenTheOldest()
    {
        QFETCH(double, olderY);
        QFETCH(double, newerY);
        QFETCH(char, key);
        QFETCH(bool, olderCaught);
        QRandomGenerator rng(1);
        LetterRainModel model(rng);
        model.start();
        model.drop(u'f', 0.3, 0.1, olderY);
        model.drop(u'f', 0.6, 0.1, newerY);
        const std::vector<int> before = ids(model);
        model.handle(QLatin1Char(key));
        QCOMPARE(ids(model), std::vector<int>{olderCaught ? before[1] : before[0]});
    }

    void wrongKeyEndsTheComboButCostsNoHeart()
    {
        QRandomGenerator rng(1);
        LetterRainModel model(rng);
        model.start();
        for (int i = 0; i < 5; ++i) {
            model.drop(u'j', 0.5, 0.1);
            model.handle(u'j');
        }
        QCOMPARE(model.combo(), 5);
        const int score = model.score();
        QCOMPARE(score, 11 + 12 + 13 + 14 + 15);
        model.handle(u'k');
        QCOMPARE(model.combo(), 0);
        QCOMPARE(model.score(), score);
        QCOMPARE(model.lives(), 3);
        QCOMPARE(model.misses(), 1);
        QCOMPARE(sounds->played, QStringList(5, QStringLiteral("Tink")));
    }

    // Guards against a heart count below zero when several letters splash at once.
    void splashesOfOneTickCostOneHeartEachAndOneSound()
    {
        QRandomGenerator rng(1);
        LetterRainModel model(rng);
        model.start();
        model.drop(u'a', 0.2, 1.0, 0.99);
        model.drop(u's', 0.4, 1.0, 0.99);
        model.tick(dt);
        QCOMPARE(model.lives(), 1);
        QCOMPARE(sounds->played.count("Basso"), 1);
        model.drop(u'a', 0.2, 1.0, 0.99);
        model.drop(u's', 0.4, 1.0, 0.99);
        model.tick(dt);
        QCOMPARE(model.lives(), 0);
        QCOMPARE(model.state(), GameModel::State::over);
        QCOMPARE(sounds->played.count("Basso"), 2);
        // What is left stays where it was until the next game.
        const std::vector<int> left = ids(model);
        model.tick(dt);
        QCOMPARE(ids(model), left);
    }

    void timeLimitEndsTheGameBeforeAnythingMoves()
    {
        QRandomGenerator rng(7);
        LetterRainModel model(rng);
        model.setTimeLimit(45);
        model.start();
        QCOMPARE(model.timeLeft(), 45.0);
        // The very summation the model does.
        int lastTick = 0;
        for (double elapsed = 0; elapsed < 45; elapsed += dt)
            ++lastTick;
        for (int i = 1; i < lastTick; ++i) {
            rescue(model);
            model.tick(dt);
        }
        QCOMPARE(model.state(), GameModel::State::playing);
        QVERIFY(model.timeLeft() > 0);
        const std::vector<Falling> before = model.fallingLetters().items();
        model.tick(dt);
        QCOMPARE(model.state(), GameModel::State::over);
        QCOMPARE(model.timeLeft(), 0.0);
        QCOMPARE(model.secondsLeft(), 0);
        QCOMPARE(model.lives(), 3);
        const std::vector<Falling> &after = model.fallingLetters().items();
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            QCOMPARE(after[i].y, before[i].y);
    }

    void spawnIntervalAndSpeedStopAtTheirCaps()
    {
        QRandomGenerator rng(3);
        LetterRainModel model(rng);
        const std::vector<Spawn> spawns = play(model, 110);
        QCOMPARE(model.state(), GameModel::State::playing);
        for (const Spawn &spawn : spawns) {
            if (spawn.elapsed < 100)
                continue;
            // 0.55 s is 33 ticks; the sum of 33 steps may fall just short of it.
            QVERIFY2(spawn.gap == 33 || spawn.gap == 34, qPrintable(QString::number(spawn.gap)));
            // Uncapped, the base speed would be 0.34 by now and no letter slower than 0.289.
            QVERIFY(spawn.letter.speed >= 0.22 * 0.85 && spawn.letter.speed <= 0.22 * 1.25);
        }
    }

    // Guards the views' delegates: a letter keeps its row for its whole life.
    void aTickMovesRowsInPlace()
    {
        QRandomGenerator rng(2);
        LetterRainModel model(rng);
        QAbstractItemModelTester tester(model.letters());
        QSignalSpy resets(model.letters(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(model.letters(), &QAbstractItemModel::dataChanged);
        model.start();
        for (int i = 0; i < 600; ++i) {
            changes.clear();
            rescue(model);
            model.tick(dt);
            if (model.fallingLetters().empty())
                continue;
            QCOMPARE(changes.size(), 1);
            const QList<int> roles = changes.first().at(2).value<QList<int>>();
            QCOMPARE(roles, QList<int>{FallingLetters::PosYRole});
        }
        QCOMPARE(resets.size(), 0);
    }

private:
    std::unique_ptr<RecordingSoundBackend> sounds;
};

QTEST_GUILESS_MAIN(TestLetterRain)
#include "tst_letterrain.moc"
