// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards Letter Drop's rules: when letters come, which letter a key catches, splashes, the clock.
#include "letterdropmodel.h"
#include "recordingfeedback.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <tuple>
#include <vector>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;

// Catches, as a perfect child would, every letter that would splash on the next tick.
void rescue(LetterDropModel &model)
{
    const FallingLetters &letters = model.fallingLetters();
    for (std::size_t i = 0; i < letters.size();) {
        if (letters.at(i).y + letters.at(i).speed * dt < 1.0) {
            ++i;
        } else {
            model.handle(letters.at(i).ch);
            i = 0;
        }
    }
}

// Each letter's id and height, in row order.
std::vector<std::pair<int, double>> sky(const LetterDropModel &model)
{
    std::vector<std::pair<int, double>> result;
    for (const Falling &letter : model.fallingLetters().items())
        result.emplace_back(letter.id, letter.y);
    return result;
}

} // namespace

class TestLetterDrop : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        heard.reset();
        rng.seed(1);
        model = std::make_unique<LetterDropModel>(rng);
        model->start();
    }

    void catchesTheLowestThenTheOldest()
    {
        // {the older's height, the newer's, key, the older is caught}; a tie takes the older.
        for (auto [olderY, newerY, key, olderCaught] :
             {std::tuple{0.2, 0.6, 'f', false}, std::tuple{0.7, 0.3, 'f', true},
              std::tuple{0.4, 0.4, 'F', true}}) {
            model->start();
            model->drop(u'f', 0.3, 0.1, olderY);
            model->drop(u'f', 0.6, 0.1, newerY);
            model->handle(QLatin1Char(key));
            QCOMPARE(model->fallingLetters().size(), 1u);
            QCOMPARE(model->fallingLetters().at(0).x, olderCaught ? 0.6 : 0.3);
        }
    }

    // Guards against a heart count below zero when several letters splash at once.
    void aWrongKeyCostsNoHeartButEachSplashDoes()
    {
        for (int i = 0; i < 5; ++i) {
            model->drop(u'j', 0.5, 0.1);
            model->handle(u'j');
        }
        QCOMPARE(model->combo(), 5);
        QCOMPARE(model->score(), 11 + 12 + 13 + 14 + 15);
        model->handle(u'k');
        QCOMPARE(model->combo(), 0);
        QCOMPARE(model->score(), 11 + 12 + 13 + 14 + 15);
        QCOMPARE(model->lives(), 3);
        QCOMPARE(model->misses(), 1);
        QCOMPARE(heard.sound.played, QStringList(5, QStringLiteral("Tink")));

        for (int lives : {1, 0}) {
            model->drop(u'a', 0.2, 1.0, 0.99);
            model->drop(u's', 0.4, 1.0, 0.99);
            model->tick(dt);
            QCOMPARE(model->lives(), lives);
            QCOMPARE(heard.sound.played.count("Basso"), 2 - lives);
        }
        QCOMPARE(model->state(), GameModel::State::Over);
        // What is left stays where it was until the next game.
        const auto left = sky(*model);
        model->tick(dt);
        QCOMPARE(sky(*model), left);
    }

    // Guards against a round one tick long: 2,700 steps of 1/60 s sum to a hair under 45, and
    // the pill read "⏱ 1s" with a trillionth of a second left.
    void timeLimitEndsTheGameOnItsTickBeforeAnythingMoves()
    {
        model->setTimeLimit(45);
        model->start();
        QCOMPARE(model->timeLeft(), 45.0);
        for (int tick = 1; tick < 45 * 60; ++tick) {
            rescue(*model);
            model->tick(dt);
            if (tick % 60 == 0)
                QCOMPARE(model->secondsLeft(), 45 - tick / 60);
        }
        QCOMPARE(model->state(), GameModel::State::Playing);
        QCOMPARE(model->secondsLeft(), 1);
        const auto before = sky(*model);
        model->tick(dt);
        QCOMPARE(model->state(), GameModel::State::Over);
        QCOMPARE(model->timeLeft(), 0.0);
        QCOMPARE(model->secondsLeft(), 0);
        QCOMPARE(model->lives(), 3);
        QCOMPARE(sky(*model), before);
    }

    // The first letter comes at once; the interval shrinks by 0.02 s per second played, so the
    // second is due after 100 ticks, not 102. Later the pace stops quickening. Also guards the
    // views' delegates: a letter keeps its row for its whole life, and a tick only moves rows.
    void aLongGameMovesRowsInPlaceAndStopsSpeedingUp()
    {
        QAbstractItemModelTester tester(model->letters());
        QSignalSpy resets(model->letters(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(model->letters(), &QAbstractItemModel::dataChanged);
        int lastId = 0;
        int gap = 0; // ticks since the letter before
        QList<int> firstGaps;
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
            if (firstGaps.size() < 2)
                firstGaps.append(gap);
            if (model->elapsed() >= 100) {
                // 0.55 s is 33 ticks; the sum of 33 steps may fall just short of it.
                QVERIFY2(gap == 33 || gap == 34, qPrintable(QString::number(gap)));
                // Uncapped, the base speed would be 0.34 by now and no letter slower than 0.289.
                const double speed = letters.back().speed;
                QVERIFY(speed >= 0.22 * 0.85 && speed <= 0.22 * 1.25);
            }
            gap = 0;
        }
        QCOMPARE(firstGaps, (QList<int>{1, 100}));
        QVERIFY(model->isPlaying());
        QCOMPARE(resets.size(), 0);
    }

private:
    RecordingFeedback heard;
    QRandomGenerator rng;
    std::unique_ptr<LetterDropModel> model;
};

QTEST_GUILESS_MAIN(TestLetterDrop)
#include "tst_letterdrop.moc"
