// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards Key Moles' rules: how many moles come up and wearing what, bonks, runs and the clock.
#include "bonusround.h"
#include "curriculum.h"
#include "keymolesmodel.h"
#include "recordingfeedback.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <tuple>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;

// One tick, failing the test if two moles up wear one key.
void tickChecked(KeyMolesModel &model)
{
    model.tick(dt);
    QString showing;
    for (const HoleSlot &slot : model.holeList().all()) {
        QVERIFY2(!slot.mole || !showing.contains(*slot.mole), "two moles wear one key");
        showing.append(slot.mole.value_or(QChar()));
    }
}

// A spawn attempt leaves sinceSpawn at 0, whether or not a mole came.
void tickToSpawnAttempt(KeyMolesModel &model)
{
    do
        tickChecked(model);
    while (model.sinceSpawn() != 0);
}

} // namespace

class TestKeyMoles : public QObject {
    Q_OBJECT

private slots:
    // The attempt comes just before 20 s, or just after: two up is the most until then, three
    // after; with only two keys, both showing, no third comes.
    void moleLimitsAt20Seconds()
    {
        for (auto [keys, upTo20, up, upAfter] :
             {std::tuple{"asdfjkl", true, 2, 2}, std::tuple{"asdfjkl", false, 2, 3},
              std::tuple{"asdfjkl", false, 3, 3}, std::tuple{"fj", false, 2, 2}}) {
            const QString pool = QString::fromLatin1(keys);
            QRandomGenerator rng(5);
            KeyMolesModel model(rng);
            model.setPool(pool);
            model.start();
            // Attempts come about 1.2 s apart here: the next is the last before 20 s or the first
            // after it.
            while (model.elapsed() < (upTo20 ? 18 : 19) || model.sinceSpawn() != 0)
                tickChecked(model);
            for (int hole = 0; hole < HoleList::count; ++hole)
                model.setHole(hole, hole < up ? HoleSlot{pool.at(hole), 5.0, 0} : HoleSlot{});

            tickToSpawnAttempt(model); // also: an attempt that places nothing restarts the interval
            QCOMPARE(model.elapsed() <= 20, upTo20);
            QVERIFY(std::abs(model.elapsed() - 20) < 1.2);
            QCOMPARE(model.molesUp(), upAfter);
        }
    }

    // Guards against a mole popping out of the hole that was just bonked.
    void aBonkedHoleStaysClosedFor400Milliseconds()
    {
        QRandomGenerator rng(8);
        KeyMolesModel model(rng);
        model.start();
        // Until the next attempt is due within 0.2 s.
        while (model.elapsed() < 3 || model.sinceSpawn() + 0.2 < 1.4 - 0.012 * model.elapsed())
            tickChecked(model);
        for (int hole = 0; hole < HoleList::count; ++hole)
            model.setHole(hole, hole == 3 ? HoleSlot{u'f', 5.0, 0} : HoleSlot{{}, 0, 100.0});
        const QModelIndex row = model.holes()->index(3);

        model.handle(u'f');
        bool attempted = false;
        for (int tick = 1; tick < 24; ++tick) {
            tickChecked(model);
            attempted = attempted || model.sinceSpawn() == 0;
            QVERIFY(!model.holeList().at(3).mole);
        }
        QVERIFY(attempted);
        QVERIFY(row.data(HoleList::IsBonkedRole).toBool());
        tickChecked(model);
        QVERIFY(!row.data(HoleList::IsBonkedRole).toBool());
        tickToSpawnAttempt(model);
        QVERIFY(row.data(HoleList::HasMoleRole).toBool());
    }

    void aRunOf25BonksScores560()
    {
        heard.reset();
        QRandomGenerator rng(3);
        KeyMolesModel model(rng);
        QAbstractItemModelTester tester(model.holes());
        model.start();
        while (model.bonked() < 25 && model.isPlaying()) {
            tickChecked(model);
            for (const HoleSlot &slot : model.holeList().all()) {
                if (slot.mole)
                    model.handle(*slot.mole);
            }
        }
        QCOMPARE(model.bonked(), 25);
        QCOMPARE(model.combo(), 25);
        QCOMPARE(model.score(), (11 + 29) * 19 / 2 + 30 * 6); // 30 from the 20th bonk on
        QCOMPARE(model.correctKeys(), 25);
        QCOMPARE(heard.sound.played, QStringList(25, QStringLiteral("Pop")));

        // A key no mole wears is a miss; a mole that hides ends the run silently, no miss.
        for (int hole = 0; hole < HoleList::count; ++hole)
            model.setHole(hole, HoleSlot{});
        model.handle(u'x');
        QCOMPARE(model.combo(), 0);
        QCOMPARE(model.misses(), 1);
        QCOMPARE(heard.sound.played.last(), QStringLiteral("Basso"));
        model.setHole(0, HoleSlot{u'j', 5.0, 0});
        model.setHole(6, HoleSlot{u'k', dt / 2, 0});
        model.handle(u'J');
        tickChecked(model);
        QVERIFY(!model.holeList().at(6).mole);
        QCOMPARE(model.combo(), 0);
        QCOMPARE(model.misses(), 1);
        QCOMPARE(model.score(), 560 + 11);
        QCOMPARE(heard.sound.played.size(), 27);
    }

    // Guards the bar of a bonus round, which counts down from the round's length, not from 60,
    // and a game one tick long: free play ends on tick 3,600, a bonus round on tick 2,700.
    void aGameEndsOnTheTickItsTimeRunsOut()
    {
        for (const bool bonus : {false, true}) {
            QRandomGenerator rng(6);
            KeyMolesModel model(rng);
            if (bonus)
                model.setUpBonus(BonusSetup{*Curriculum::lessonById(QStringLiteral("u1l2")), 45});
            const int seconds = bonus ? 45 : 60;
            QCOMPARE(model.secondsLeft(), seconds);
            model.start();
            QCOMPARE(model.timeLeft(), double(seconds));
            for (int tick = 1; tick < seconds * 60; ++tick)
                model.tick(dt);
            QVERIFY(model.isPlaying());
            model.tick(dt);
            QVERIFY(model.isOver());
        }
    }

private:
    RecordingFeedback heard;
};

QTEST_GUILESS_MAIN(TestKeyMoles)
#include "tst_keymoles.moc"
