// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards gentle games: what falls and moves goes at the pace given, while the game's clock runs
// as always, so a gentle round is no longer than a usual one.
#include "letterdropmodel.h"
#include "rocketracemodel.h"
#include "wordmeteorsmodel.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;

template <typename Model> void runOneSecond(Model &model)
{
    for (int tick = 0; tick < 60; ++tick)
        model.tick(dt);
}

} // namespace

class TestGentlePace : public QObject {
    Q_OBJECT

private slots:
    void init() { rng.seed(1); }

    void paceStaysWithinItsBounds()
    {
        LetterDropModel model(rng);
        QSignalSpy changes(&model, &GameModel::paceChanged);
        model.setPace(0.6);
        model.setPace(0.6);
        QCOMPARE(changes.size(), 1);
        model.setPace(0); // a game that stands still can never end
        QCOMPARE(model.pace(), GameModel::minPace);
        model.setPace(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(model.pace(), GameModel::minPace);
        model.setPace(3);
        QCOMPARE(model.pace(), 1.0);
    }

    void lettersFallAtThePaceAndTheClockRunsAsAlways_data()
    {
        QTest::addColumn<double>("pace");
        QTest::newRow("usual") << 1.0;
        QTest::newRow("gentle") << 0.6;
    }

    void lettersFallAtThePaceAndTheClockRunsAsAlways()
    {
        QFETCH(double, pace);
        LetterDropModel model(rng);
        model.setTimeLimit(45);
        model.setPace(pace);
        model.start();
        model.drop(u'f', 0.5, 0.3, 0.0);
        runOneSecond(model);
        const auto &letters = model.fallingLetters().items();
        const auto f = std::find_if(letters.cbegin(), letters.cend(),
                                    [](const Falling &l) { return l.ch == u'f' && l.x == 0.5; });
        QVERIFY(f != letters.cend());
        QVERIFY(std::abs(f->y - 0.3 * pace) < 1e-9);
        QVERIFY(std::abs(model.timeLeftOrZero() - 44.0) < 1e-9);
    }

    void meteorsFallAtThePace()
    {
        WordMeteorsModel model(rng);
        model.setPace(0.5);
        model.start();
        model.launch(QStringLiteral("fun"), 0.5, 0.2, 0.0);
        runOneSecond(model);
        bool found = false;
        for (const Meteor &meteor : model.meteorList().items()) {
            if (meteor.word == u"fun" && meteor.x == 0.5) {
                QVERIFY(std::abs(meteor.y - 0.1) < 1e-9);
                found = true;
            }
        }
        QVERIFY(found);
    }

    void rivalsRaceAtThePace()
    {
        // The same passage for both.
        QRandomGenerator otherRng(1);
        RocketRaceModel usual(rng);
        RocketRaceModel gentle(otherRng);
        gentle.setPace(0.5);
        for (RocketRaceModel *model : {&usual, &gentle}) {
            model->start();
            model->handle(model->passage().front()); // the race starts with the first letter
            runOneSecond(*model);
        }
        QVERIFY(usual.rivalList().progress(0) > 0);
        QVERIFY(std::abs(gentle.rivalList().progress(0) - usual.rivalList().progress(0) / 2) <
                1e-9);
        QCOMPARE(gentle.elapsed(), usual.elapsed());
    }

private:
    QRandomGenerator rng;
};

QTEST_GUILESS_MAIN(TestGentlePace)
#include "tst_gentlepace.moc"
