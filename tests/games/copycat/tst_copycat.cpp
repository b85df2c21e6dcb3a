// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards Copy Cat's rules: the timed show and its spoken names, the echo, hearts, rounds, pauses.
#include "copycatmodel.h"
#include "gameframe.h"
#include "recordingfeedback.h"
#include "tutorial.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>

#include <memory>
#include <tuple>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;
using Phase = CopyCatModel::Phase;

// Returns how many ticks it took.
int tickUntil(CopyCatModel &model, Phase phase)
{
    int ticks = 0;
    for (; model.phase() != phase && model.isPlaying() && ticks < 10000; ++ticks)
        model.tick(dt);
    return ticks;
}

void echoPattern(CopyCatModel &model)
{
    for (QChar key : model.sequence())
        model.handle(key);
}

} // namespace

class TestCopyCat : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        heard.reset();
        rng.seed(12);
        model = std::make_unique<CopyCatModel>(rng);
    }

    // Each key is up 0.75 s of 0.9 s; without a voice the show is the same, only silent.
    void roundOneShowsTwoNamedKeysAndTheEchoAt1Point8Seconds()
    {
        for (bool voice : {true, false}) {
            init();
            heard.reset(true, voice);
            model->setPool(QStringLiteral(";,."));
            model->start();
            const QString pattern = model->sequence();
            QCOMPARE(pattern.size(), 2);
            model->handle(u'z'); // a key during the show is no echo: it costs nothing
            QCOMPARE(model->hearts(), 3);
            // {ticks since the show began, showIndex, showVisible}
            const std::tuple<int, int, bool> timeline[] = {
                {1, 0, true},  {44, 0, true},  {45, 0, false},  {53, 0, false},  {54, 1, true},
                {98, 1, true}, {99, 1, false}, {107, 1, false}, {108, -1, false}};
            int tick = 0;
            for (const auto &[until, index, visible] : timeline) {
                for (; tick < until; ++tick)
                    model->tick(dt);
                QCOMPARE(model->showIndex(), index);
                QCOMPARE(model->showVisible(), visible);
                QCOMPARE(model->phase(), tick < 108 ? Phase::Showing : Phase::Echo);
            }
            const QString first = Tutorial::charName(pattern.at(0));
            const QString second = Tutorial::charName(pattern.at(1));
            QCOMPARE(heard.speech.spoken, (voice ? QStringList{first, second} : QStringList{}));
            if (voice)
                QCOMPARE(heard.speech.calls,
                         (QStringList{"stop", "speak " + first, "stop", "speak " + second}));
        }
    }

    void aWrongKeyShowsTheSamePatternAgainAndTheThirdEndsTheGame()
    {
        model->start();
        for (int round = 1; round <= 2; ++round) {
            tickUntil(*model, Phase::Echo);
            echoPattern(*model);
            tickUntil(*model, Phase::Showing); // after the celebration
        }
        QCOMPARE(model->round(), 3);
        const QString pattern = model->sequence();
        QCOMPARE(pattern.size(), 4);
        tickUntil(*model, Phase::Echo);
        model->handle(pattern.at(0));
        model->handle(u'z'); // no key of the home row

        QCOMPARE(model->hearts(), 2);
        QCOMPARE(model->misses(), 1);
        QCOMPARE(heard.sound.played.last(), QStringLiteral("Basso"));
        QCOMPARE(model->sequence(), pattern);
        QCOMPARE(model->phase(), Phase::Showing);
        QCOMPARE(model->echoIndex(), 0);
        QCOMPARE(model->showIndex(), -1);
        QCOMPARE(tickUntil(*model, Phase::Echo), 4 * 54);
        echoPattern(*model);
        QCOMPARE(model->score(), 35 + 55 + 75);

        // The last two hearts, in round 4: the game ends in the round they were lost in.
        for (int heart = 2; heart > 0; --heart) {
            tickUntil(*model, Phase::Echo);
            model->handle(u'z'); // no key of the home row
        }
        QVERIFY(model->isOver());
        QCOMPARE(model->hearts(), 0);
        QCOMPARE(model->round(), 4);
        QVERIFY(!model->wonGame());
    }

    // Only the echo expects a key; a capital is its key; a new game counts afresh.
    void theEchoCountsEachExpectedKey()
    {
        model->setPool(QStringLiteral("f"));
        model->start();
        model->handle(u'j'); // during the show
        QVERIFY(model->keyStats().isEmpty());
        tickUntil(*model, Phase::Echo);
        model->handle(u'f');
        model->handle(u'J');
        tickUntil(*model, Phase::Echo);
        model->handle(u'F');
        model->handle(u'f');
        QCOMPARE(model->phase(), Phase::Celebrating);
        QCOMPARE(model->keyStats(), (KeyStats{{u'f', KeyStat{3, 1, {{u'j', 1}}}}}));
        model->start();
        QVERIFY(model->keyStats().isEmpty());
    }

    void eightRoundsWinWith795Points()
    {
        QAbstractItemModelTester tester(model->echoSlots());
        model->start();
        QList<int> lengths;
        while (model->isPlaying()) {
            lengths.append(int(model->sequence().size()));
            QCOMPARE(model->echoSlots()->rowCount(), lengths.last());
            tickUntil(*model, Phase::Echo);
            for (QChar key : model->sequence())
                model->handle(key.toUpper());
            while (model->isPlaying() && model->isCelebrating())
                model->tick(dt);
        }
        QCOMPARE(lengths, (QList<int>{2, 3, 4, 5, 6, 7, 7, 7}));
        QVERIFY(model->wonGame());
        QCOMPARE(model->round(), 8);
        QCOMPARE(model->score(), 795);
        QCOMPARE(model->correctKeys(), 41);
        QCOMPARE(model->hearts(), 3);
        QCOMPARE(heard.sound.played.count("Pop"), 8);
        QCOMPARE(heard.sound.played.count("Tink"), 41);
    }

    // One key repeats; two take turns; new keys come about half the time.
    void patternsDrawFromThePoolAndFocus()
    {
        for (auto [pool, focus] : {std::pair{"f", ""}, std::pair{"fj", ""}, std::pair{"fj", "g"}}) {
            model->setPool(QString::fromLatin1(pool));
            model->setFocus(QString::fromLatin1(focus));
            const QString keys = QString::fromLatin1(pool) + QString::fromLatin1(focus);
            int drawn = 0;
            int focusKeys = 0;
            for (int i = 0; i < 200; ++i) {
                const QString pattern = model->makeSequence(CopyCatModel::longestPattern);
                QCOMPARE(pattern.size(), CopyCatModel::longestPattern);
                for (int k = 0; k < pattern.size(); ++k) {
                    QVERIFY(keys.contains(pattern.at(k)));
                    QVERIFY(k == 0 || keys.size() == 1 || pattern.at(k) != pattern.at(k - 1));
                    focusKeys += pattern.at(k) == u'g' ? 1 : 0;
                    ++drawn;
                }
            }
            if (*focus)
                QVERIFY(focusKeys > drawn * 0.35 && focusKeys < drawn * 0.65);
        }
    }

    void resumingRestartsAShowButKeepsAnEcho()
    {
        model->start();
        for (int i = 0; i < 60; ++i)
            model->tick(dt);
        QCOMPARE(model->showIndex(), 1);
        model->pause();
        model->tick(dt);
        model->resume();
        QCOMPARE(model->phase(), Phase::Showing);
        QCOMPARE(model->showIndex(), -1);
        model->tick(dt);
        QCOMPARE(model->showIndex(), 0);
        const QString pattern = model->sequence();
        const QString first = Tutorial::charName(pattern.at(0));
        QCOMPARE(heard.speech.spoken,
                 (QStringList{first, Tutorial::charName(pattern.at(1)), first}));

        tickUntil(*model, Phase::Echo);
        model->handle(pattern.at(0));
        model->pause();
        model->resume();
        QCOMPARE(model->phase(), Phase::Echo);
        QCOMPARE(model->echoIndex(), 1);
    }

    void leavingTheScreenSilencesTheNarrator()
    {
        GameFrame frame(nullptr, model.get());
        frame.startGame();
        frame.step();
        QCOMPARE(heard.speech.spoken.size(), 1);
        const int stops = heard.speech.stops;
        frame.exit();
        QCOMPARE(heard.speech.stops, stops + 1);
    }

private:
    RecordingFeedback heard;
    QRandomGenerator rng;
    std::unique_ptr<CopyCatModel> model;
};

QTEST_GUILESS_MAIN(TestCopyCat)
#include "tst_copycat.moc"
