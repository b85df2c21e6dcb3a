// Guards Rocket Race's rules: the passage, the race clock, the rivals, places and the score.
#include "recordingsound.h"
#include "rocketracemodel.h"
#include "soundplayer.h"
#include "wordbankdata.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;

// Three equal phrases, so that every shuffle makes the same passage of `length` characters,
// beginning with "t".
QStringList phrasesFor(int length)
{
    QString phrase((length - 2) / 3, u'a');
    phrase[0] = u't';
    return {phrase, phrase, phrase};
}

QList<int> rivalPlaces(const RocketRaceModel &model)
{
    QList<int> places;
    for (int i = 0; i < RivalList::count; ++i)
        places.append(model.rivalList().place(i).value_or(0));
    return places;
}

} // namespace

class TestRocketRace : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        SoundPlayer::setEnabled(true);
        sounds = std::make_unique<RecordingSoundBackend>();
    }
    void cleanup() { sounds.reset(); }

    void placeAndScore_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("ticks"); // between the first and the last key
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("score");
        QTest::addColumn<double>("wpm");
        QTest::addColumn<QList<int>>("rivalPlaces"); // in list order; 0: still racing
        // Falcon Flash needs 39.7 s for 86 characters, Comet Cat 57.3 s.
        QTest::newRow("2nd; 21.5 wpm scores as 22 and is recorded as 21.5")
            << 86 << 2880 << 2 << 320 << 21.5 << QList<int>{0, 0, 1};
        QTest::newRow("ahead of every rival: 1st")
            << 20 << 60 << 1 << 2600 << 240.0 << QList<int>{0, 0, 0};
        QTest::newRow("behind all three: 4th, rivals placed as they crossed")
            << 62 << 12000 << 4 << 40 << 3.72 << QList<int>{3, 2, 1};
    }
    void placeAndScore()
    {
        QFETCH(int, length);
        QFETCH(int, ticks);
        QFETCH(int, place);
        QFETCH(int, score);
        QFETCH(double, wpm);
        QFETCH(QList<int>, rivalPlaces);
        QRandomGenerator rng(1);
        RocketRaceModel model(rng);
        QAbstractItemModelTester tester(model.rivals());
        model.setPhrases(phrasesFor(length));
        model.start();
        const QString passage = model.passage();
        QCOMPARE(passage.size(), length);

        model.handle(passage.at(0));
        for (int i = 0; i < ticks; ++i)
            model.tick(dt);
        for (int i = 1; i < length; ++i)
            model.handle(passage.at(i));

        QVERIFY(model.isOver());
        QCOMPARE(model.place(), place);
        QCOMPARE(model.score(), score);
        QCOMPARE(model.recordedWpm().value_or(-1), wpm);
        QCOMPARE(model.correctKeys(), length);
        QCOMPARE(::rivalPlaces(model), rivalPlaces);
    }

    void rivalsStandStillWhilePaused()
    {
        QRandomGenerator rng(2);
        RocketRaceModel model(rng);
        model.setPhrases(phrasesFor(62));
        model.start();
        model.handle(u't');
        for (int i = 0; i < 60; ++i)
            model.tick(dt);
        const double elapsed = model.elapsed();
        const double falcon = model.rivalList().progress(2);
        QVERIFY(falcon > 0);

        model.pause();
        for (int i = 0; i < 600; ++i)
            model.tick(dt);
        QCOMPARE(model.elapsed(), elapsed);
        QCOMPARE(model.rivalList().progress(2), falcon);

        model.resume();
        model.tick(dt);
        QVERIFY(model.rivalList().progress(2) > falcon);
    }

    void liveSpeedCountsAtLeastASecondButTheCardTheExactTime()
    {
        // The bar once read 720 wpm for a first letter one tick into the race.
        QRandomGenerator rng(5);
        RocketRaceModel model(rng);
        model.setPhrases(phrasesFor(20));
        model.start();
        const QString passage = model.passage();
        model.handle(passage.at(0));
        model.tick(dt);
        QCOMPARE(model.property("wpm").toInt(), 12);
        for (int i = 1; i < passage.size(); ++i)
            model.handle(passage.at(i));
        QVERIFY(model.isOver());
        QCOMPARE(model.roundedWpm(), 14400);
        QCOMPARE(model.property("wpm").toInt(), model.roundedWpm());
    }

    void keysBeforeTheStart_data()
    {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("a wrong letter counts but starts nothing")
            << QChar(u'x') << 1 << false << QStringList{"Basso"};
        QTest::newRow("upper case is its letter") << QChar(u'T') << 0 << true << QStringList{};
        QTest::newRow("a digit changes nothing") << QChar(u'7') << 0 << false << QStringList{};
    }
    void keysBeforeTheStart()
    {
        QFETCH(QChar, key);
        QFETCH(int, wrong);
        QFETCH(bool, started);
        QFETCH(QStringList, sounds);
        QRandomGenerator rng(3);
        RocketRaceModel model(rng);
        model.setPhrases(phrasesFor(62));
        model.start();
        model.handle(key);
        for (int i = 0; i < 100; ++i)
            model.tick(dt);
        QCOMPARE(model.wrongCount(), wrong);
        QCOMPARE(model.raceStarted(), started);
        QCOMPARE(model.typedCount(), started ? 1 : 0);
        QCOMPARE(model.elapsed() > 0, started);
        QCOMPARE(model.rivalList().progress(2) > 0, started);
        QCOMPARE(model.accuracy(), wrong > 0 ? 0 : 100);
        QCOMPARE(this->sounds->played, sounds);
    }

    void buildPassage_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("phrases");
        QTest::addColumn<int>("shortest");
        QTest::addColumn<int>("longest");
        const QStringList easy = WordBankData::easyPhrases();
        QTest::newRow("bonus round: two easy phrases") << easy << 2 << 55 << 95;
        // Joined pairs are 31, 41 or 51 long, all short of 55: the closest to 75 wins.
        QTest::newRow("none fits: the closest to the target")
            << QStringList{QString(10, u'a'), QString(20, u'b'), QString(30, u'c')} << 2 << 51
            << 51;
    }
    void buildPassage()
    {
        QFETCH(QStringList, list);
        QFETCH(int, phrases);
        QFETCH(int, shortest);
        QFETCH(int, longest);
        QRandomGenerator rng(4);
        for (int run = 0; run < 50; ++run) {
            const QString passage = RocketRaceModel::buildPassage(rng, phrases, list);
            QVERIFY2(passage.size() >= shortest && passage.size() <= longest, qPrintable(passage));
            QVERIFY(!passage.contains(QStringLiteral("  ")));
        }
    }

private:
    std::unique_ptr<RecordingSoundBackend> sounds;
};

QTEST_GUILESS_MAIN(TestRocketRace)
#include "tst_rocketrace.moc"
