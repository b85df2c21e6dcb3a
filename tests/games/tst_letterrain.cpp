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
        rng = std::make_unique<QRandomGenerator>(1);
        model = std::make_unique<LetterRainModel>(*rng);
    }
    void cleanup()
    {
        model.reset();
        sounds.reset();
    }

    // The interval shrinks by 0.02 s per second played, so 1.7 s after the first letter the
    // second is already due: 100 ticks, not 102.
    void firstLetterAtOnceAndTheNextWhenItsIntervalIsDue()
    {
        model->start();
        model->tick(dt);
        QCOMPARE(model->fallingLetters().size(), 1u);
        int ticks = 0;
        while (model->fallingLetters().size() == 1 && ticks < 200) {
            model->tick(dt);
            ++ticks;
        }
        QCOMPARE(ticks, 100);
        QCOMPARE(model->fallingLetters().size(), 2u);
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
        model->start();
        model->drop(u'f', 0.3, 0.1, olderY);
        model->drop(u'f', 0.6, 0.1, newerY);
        const std::vector<int> before = ids(*model);
        model->handle(QLatin1Char(key));
        QCOMPARE(ids(*model), std::vector<int>{olderCaught ? before[1] : before[0]});
    }

    // Guards against a heart count below zero when several letters splash at once.
    void aWrongKeyCostsNoHeartButEachSplashDoes()
    {
        model->start();
        for (int i = 0; i < 5; ++i) {
            model->drop(u'j', 0.5, 0.1);
            model->handle(u'j');
        }
        QCOMPARE(model->combo(), 5);
        const int score = model->score();
        QCOMPARE(score, 11 + 12 + 13 + 14 + 15);
        model->handle(u'k');
        QCOMPARE(model->combo(), 0);
        QCOMPARE(model->score(), score);
        QCOMPARE(model->lives(), 3);
        QCOMPARE(model->misses(), 1);
        QCOMPARE(sounds->played, QStringList(5, QStringLiteral("Tink")));

        model->drop(u'a', 0.2, 1.0, 0.99);
        model->drop(u's', 0.4, 1.0, 0.99);
        model->tick(dt);
        QCOMPARE(model->lives(), 1);
        QCOMPARE(sounds->played.count("Basso"), 1);
        model->drop(u'a', 0.2, 1.0, 0.99);
        model->drop(u's', 0.4, 1.0, 0.99);
        model->tick(dt);
        QCOMPARE(model->lives(), 0);
        QCOMPARE(model->state(), GameModel::State::over);
        QCOMPARE(sounds->played.count("Basso"), 2);
        // What is left stays where it was until the next game.
        const std::vector<int> left = ids(*model);
        model->tick(dt);
        QCOMPARE(ids(*model), left);
    }

    void timeLimitEndsTheGameBeforeAnythingMoves()
    {
        model->setTimeLimit(45);
        model->start();
        QCOMPARE(model->timeLeft(), 45.0);
        // The very summation the model does.
        int lastTick = 0;
        for (double elapsed = 0; elapsed < 45; elapsed += dt)
            ++lastTick;
        for (int i = 1; i < lastTick; ++i) {
            rescue(*model);
            model->tick(dt);
        }
        QCOMPARE(model->state(), GameModel::State::playing);
        QVERIFY(model->timeLeft() > 0);
        const std::vector<Falling> before = model->fallingLetters().items();
        model->tick(dt);
        QCOMPARE(model->state(), GameModel::State::over);
        QCOMPARE(model->timeLeft(), 0.0);
        QCOMPARE(model->secondsLeft(), 0);
        QCOMPARE(model->lives(), 3);
        const std::vector<Falling> &after = model->fallingLetters().items();
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i)
            QCOMPARE(after[i].y, before[i].y);
    }

    // Also guards the views' delegates: a letter keeps its row for its whole life, and a tick
    // only moves the rows.
    void aLongGameMovesRowsInPlaceAndStopsSpeedingUp()
    {
        QAbstractItemModelTester tester(model->letters());
        QSignalSpy resets(model->letters(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(model->letters(), &QAbstractItemModel::dataChanged);
        model->start();
        int lastId = 0;
        int gap = 0; // ticks since the letter before
        while (model->elapsed() < 110) {
            rescue(*model);
            changes.clear();
            model->tick(dt);
            ++gap;
            const std::vector<Falling> &letters = model->fallingLetters().items();
            if (letters.empty())
                continue;
            QCOMPARE(changes.size(), 1);
            QCOMPARE(changes.first().at(2).value<QList<int>>(),
                     QList<int>{FallingLetters::PosYRole});
            if (letters.back().id == lastId)
                continue;
            lastId = letters.back().id;
            if (model->elapsed() >= 100) {
                // 0.55 s is 33 ticks; the sum of 33 steps may fall just short of it.
                QVERIFY2(gap == 33 || gap == 34, qPrintable(QString::number(gap)));
                // Uncapped, the base speed would be 0.34 by now and no letter slower than 0.289.
                const double speed = letters.back().speed;
                QVERIFY(speed >= 0.22 * 0.85 && speed <= 0.22 * 1.25);
            }
            gap = 0;
        }
        QVERIFY(model->isPlaying());
        QCOMPARE(resets.size(), 0);
    }

private:
    std::unique_ptr<RecordingSoundBackend> sounds;
    std::unique_ptr<QRandomGenerator> rng;
    std::unique_ptr<LetterRainModel> model;
};

QTEST_GUILESS_MAIN(TestLetterRain)
#include "tst_letterrain.moc"
