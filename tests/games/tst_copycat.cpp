// Guards Copy Cat's rules: the timed show and its spoken names, the echo, hearts, rounds, pauses.
#include "copycatmodel.h"
#include "gameframe.h"
#include "narrator.h"
#include "recordingsound.h"
#include "recordingspeech.h"
#include "soundplayer.h"
#include "tutorial.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;
using Phase = CopyCatModel::Phase;

// Ticks until the phase is `phase`; returns how many ticks it took.
int tickUntil(CopyCatModel &model, Phase phase)
{
    int ticks = 0;
    while (model.phase() != phase && model.isPlaying() && ticks < 10000) {
        model.tick(dt);
        ++ticks;
    }
    return ticks;
}

void echoPattern(CopyCatModel &model)
{
    const QString pattern = model.sequence();
    for (QChar key : pattern)
        model.handle(key);
}

// Watches the show, types the pattern back and waits out the celebration.
void playRound(CopyCatModel &model)
{
    tickUntil(model, Phase::echo);
    echoPattern(model);
    QCOMPARE(model.phase(), Phase::celebrating);
    const int round = model.round();
    while (model.isPlaying() && model.round() == round)
        model.tick(dt);
}

// A key that is not the next one of the pattern.
QChar wrongKey(const CopyCatModel &model)
{
    return model.sequence().at(model.echoIndex()) == u'z' ? u'q' : u'z';
}

} // namespace

class TestCopyCat : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        SoundPlayer::setEnabled(true);
        sounds = std::make_unique<RecordingSoundBackend>();
        speech = std::make_unique<RecordingSpeechBackend>();
        Narrator::shared().setEnabled(true);
        rng = std::make_unique<QRandomGenerator>(12);
        model = std::make_unique<CopyCatModel>(*rng);
    }
    void cleanup()
    {
        model.reset();
        speech.reset();
        sounds.reset();
    }

    void roundOneShowsTwoNamedKeysAndTheEchoAt1Point8Seconds_data()
    {
        QTest::addColumn<bool>("voice");
        QTest::newRow("voice on") << true;
        QTest::newRow("voice off: silent, the same show") << false;
    }
    void roundOneShowsTwoNamedKeysAndTheEchoAt1Point8Seconds()
    {
        QFETCH(bool, voice);
        Narrator::shared().setEnabled(voice);
        model->setPool(QStringLiteral(";,."));
        model->start();
        const QString pattern = model->sequence();
        QCOMPARE(pattern.size(), 2);
        // A key during the show is no echo: it costs nothing.
        model->handle(u'z');
        QCOMPARE(model->hearts(), 3);

        // {ticks since the show began, showIndex, showVisible}; each key is up 0.75 s of 0.9 s.
        const struct {
            int tick;
            int index;
            bool visible;
        } timeline[] = {{1, 0, true},   {44, 0, true},   {45, 0, false},
                        {53, 0, false}, {54, 1, true},   {98, 1, true},
                        {99, 1, false}, {107, 1, false}, {108, -1, false}};
        int tick = 0;
        for (const auto &moment : timeline) {
            while (tick < moment.tick) {
                model->tick(dt);
                ++tick;
            }
            QCOMPARE(model->showIndex(), moment.index);
            QCOMPARE(model->showVisible(), moment.visible);
            QCOMPARE(model->phase(), tick < 108 ? Phase::showing : Phase::echo);
        }
        const QStringList names{Tutorial::charName(pattern.at(0)),
                                Tutorial::charName(pattern.at(1))};
        QCOMPARE(speech->spoken, voice ? names : QStringList{});
        if (voice) {
            QCOMPARE(speech->calls,
                     (QStringList{"stop", "speak " + names[0], "stop", "speak " + names[1]}));
        }
    }

    void aWrongKeyShowsTheSamePatternAgainAndTheThirdEndsTheGame()
    {
        model->start();
        playRound(*model);
        playRound(*model);
        QCOMPARE(model->round(), 3);
        const QString pattern = model->sequence();
        QCOMPARE(pattern.size(), 4);
        tickUntil(*model, Phase::echo);
        model->handle(pattern.at(0));
        model->handle(wrongKey(*model));

        QCOMPARE(model->hearts(), 2);
        QCOMPARE(model->misses(), 1);
        QCOMPARE(sounds->played.last(), QStringLiteral("Basso"));
        QCOMPARE(model->sequence(), pattern);
        QCOMPARE(model->phase(), Phase::showing);
        QCOMPARE(model->echoIndex(), 0);
        QCOMPARE(model->showIndex(), -1);
        QCOMPARE(tickUntil(*model, Phase::echo), 4 * 54);
        echoPattern(*model);
        QCOMPARE(model->score(), 35 + 55 + 75);

        // The last two hearts, in round 4: the game ends in the round they were lost in.
        for (int heart = 2; heart > 0; --heart) {
            tickUntil(*model, Phase::echo);
            model->handle(wrongKey(*model));
        }
        QVERIFY(model->isOver());
        QCOMPARE(model->hearts(), 0);
        QCOMPARE(model->round(), 4);
        QVERIFY(!model->wonGame());
    }

    void eightRoundsWinWith795Points()
    {
        QAbstractItemModelTester tester(model->echoSlots());
        QAbstractItemModel &echoSlots = *model->echoSlots();
        model->start();
        QList<int> lengths;
        while (model->isPlaying()) {
            lengths.append(int(model->sequence().size()));
            QCOMPARE(echoSlots.rowCount(), lengths.last());
            tickUntil(*model, Phase::echo);
            model->handle(model->sequence().at(0));
            QVERIFY(echoSlots.data(echoSlots.index(0, 0), EchoSlots::RevealedRole).toBool());
            QVERIFY(!echoSlots.data(echoSlots.index(1, 0), EchoSlots::RevealedRole).toBool());
            QCOMPARE(echoSlots.data(echoSlots.index(1, 0), EchoSlots::SlotKeyRole).toString(),
                     QString(model->sequence().at(1)));
            for (QChar key : model->sequence().mid(1))
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
        QCOMPARE(sounds->played.count("Pop"), 8);
        QCOMPARE(sounds->played.count("Tink"), 41);
    }

    void patternsDrawFromThePoolAndFocus_data()
    {
        QTest::addColumn<QString>("pool");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("repeats"); // a key may follow itself
        QTest::newRow("one key repeats") << "f" << QString() << true;
        QTest::newRow("two keys take turns") << "fj" << QString() << false;
        QTest::newRow("new keys come about half the time") << "fj" << QString(u'g') << false;
    }
    void patternsDrawFromThePoolAndFocus()
    {
        QFETCH(QString, pool);
        QFETCH(QString, focus);
        QFETCH(bool, repeats);
        model->setPool(pool);
        model->setFocus(focus);
        int keys = 0;
        int focusKeys = 0;
        for (int i = 0; i < 200; ++i) {
            const QString pattern = model->makeSequence(CopyCatModel::longestPattern);
            QCOMPARE(pattern.size(), CopyCatModel::longestPattern);
            for (int k = 0; k < pattern.size(); ++k) {
                QVERIFY((pool + focus).contains(pattern.at(k)));
                if (k > 0 && !repeats)
                    QVERIFY(pattern.at(k) != pattern.at(k - 1));
                focusKeys += focus.contains(pattern.at(k)) ? 1 : 0;
                ++keys;
            }
        }
        if (!focus.isEmpty())
            QVERIFY(focusKeys > keys * 0.35 && focusKeys < keys * 0.65);
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
        QCOMPARE(model->phase(), Phase::showing);
        QCOMPARE(model->showIndex(), -1);
        model->tick(dt);
        QCOMPARE(model->showIndex(), 0);
        const QString pattern = model->sequence();
        const QString first = Tutorial::charName(pattern.at(0));
        QCOMPARE(speech->spoken, (QStringList{first, Tutorial::charName(pattern.at(1)), first}));

        tickUntil(*model, Phase::echo);
        model->handle(pattern.at(0));
        model->pause();
        model->resume();
        QCOMPARE(model->phase(), Phase::echo);
        QCOMPARE(model->echoIndex(), 1);
    }

    void leavingTheScreenSilencesTheNarrator()
    {
        GameFrame frame(nullptr, model.get());
        frame.startGame();
        frame.step();
        QCOMPARE(speech->spoken.size(), 1);
        const int stops = speech->stops;
        frame.exit();
        QCOMPARE(speech->stops, stops + 1);
    }

private:
    std::unique_ptr<RecordingSoundBackend> sounds;
    std::unique_ptr<RecordingSpeechBackend> speech;
    std::unique_ptr<QRandomGenerator> rng;
    std::unique_ptr<CopyCatModel> model;
};

QTEST_GUILESS_MAIN(TestCopyCat)
#include "tst_copycat.moc"
