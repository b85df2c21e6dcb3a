// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards Rocket Race's rules: the passage, the race clock, the rivals, places and the score.
#include "appstore.h"
#include "gameframe.h"
#include "recordingfeedback.h"
#include "rocketracemodel.h"
#include "savefile.h"
#include "wordbankdata.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

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
    // Falcon Flash needs 39.7 s for 86 characters, Comet Cat 57.3 s. 21.5 wpm scores as 22 and
    // is recorded as 21.5. Rivals are placed as they cross, in list order; 0: still racing.
    void placeAndScore()
    {
        // {length, ticks between the first and the last key, place, score, wpm, rivals' places}
        const std::tuple<int, int, int, int, double, QList<int>> cases[] = {
            {86, 2880, 2, 320, 21.5, {0, 0, 1}},
            {20, 60, 1, 2600, 240.0, {0, 0, 0}},
            {62, 12000, 4, 40, 3.72, {3, 2, 1}}};
        for (const auto &[length, ticks, place, score, wpm, places] : cases) {
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
            QCOMPARE(rivalPlaces(model), places);
        }
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

    // A wrong letter counts but starts nothing; upper case is its letter; a digit changes nothing.
    void keysBeforeTheStart()
    {
        for (auto [key, wrong, started] :
             {std::tuple{u'x', 1, false}, std::tuple{u'T', 0, true}, std::tuple{u'7', 0, false}}) {
            heard.reset();
            QRandomGenerator rng(3);
            RocketRaceModel model(rng);
            model.setPhrases(phrasesFor(62));
            model.start();
            model.handle(QChar(key));
            for (int i = 0; i < 100; ++i)
                model.tick(dt);
            QCOMPARE(model.wrongCount(), wrong);
            QCOMPARE(model.raceStarted(), started);
            QCOMPARE(model.typedCount(), started ? 1 : 0);
            QCOMPARE(model.elapsed() > 0, started);
            QCOMPARE(model.rivalList().progress(2) > 0, started);
            QCOMPARE(model.accuracy(), wrong > 0 ? 0 : 100);
            QCOMPARE(heard.sound.played, wrong > 0 ? QStringList{"Basso"} : QStringList{});
        }
    }

    // Each key typed counts for the passage's next character, before the start too; the race's
    // counts reach the explorer's key statistics when it is recorded, and a new race starts
    // its own.
    void theNextCharacterCountsEachKey()
    {
        QTemporaryDir dir;
        AppStore store{SaveFile(dir.filePath(QStringLiteral("t.json")))};
        store.addProfile(QStringLiteral("Mia"), QStringLiteral("🦊"));
        QRandomGenerator rng(2);
        RocketRaceModel model(rng);
        model.setPhrases(phrasesFor(20));
        GameFrame frame(&store, &model);
        frame.startGame();
        const QString passage = model.passage();
        QCOMPARE(passage, QStringLiteral("taaaaa taaaaa taaaaa"));
        model.handle(u'x');
        model.handle(u'T');
        model.handle(u'a');
        model.handle(u's');
        model.handle(u'7'); // no letter: no key of the race
        for (int i = 2; i < passage.size(); ++i)
            model.handle(passage.at(i));
        QVERIFY(model.isOver());
        const KeyStats expected{{u' ', KeyStat{2, 0, {}}},
                                {u'a', KeyStat{15, 1, {{u's', 1}}}},
                                {u't', KeyStat{3, 1, {{u'x', 1}}}}};
        QCOMPARE(model.keyStats(), expected);
        QCOMPARE(store.currentProfile()->keyStats, expected);

        frame.startGame();
        QVERIFY(model.keyStats().isEmpty());
        QCOMPARE(store.currentProfile()->keyStats, expected);
    }

    // A German passage shows its nouns capitalised; the child wins it typing with or without
    // Shift, and the capital's key counts as its letter.
    void capitalsInThePassageTakeEitherCase()
    {
        for (const QString &typed : {QStringLiteral("der frosch"), QStringLiteral("Der Frosch")}) {
            QTemporaryDir dir;
            AppStore store{SaveFile(dir.filePath(QStringLiteral("t.json")))};
            store.addProfile(QStringLiteral("Mia"), QStringLiteral("🦊"));
            QRandomGenerator rng(2);
            RocketRaceModel model(rng);
            model.setPhrases(QStringList(3, QStringLiteral("Der Frosch")));
            GameFrame frame(&store, &model);
            frame.startGame();
            QVERIFY(model.passage().startsWith(QStringLiteral("Der Frosch")));
            for (const QChar ch : typed)
                model.handle(ch);
            QCOMPARE(model.typedCount(), typed.size());
            QCOMPARE(model.keyStats().value(u'f').right, 1);
            QVERIFY(!model.keyStats().contains(u'F'));
        }
    }

    // A bonus round takes two easy phrases. Joined pairs of 10, 20 and 30 are 31, 41 or 51 long,
    // all short of 55: the closest to 75 wins.
    void buildPassage()
    {
        const QStringList none{QString(10, u'a'), QString(20, u'b'), QString(30, u'c')};
        for (auto [list, shortest, longest] :
             {std::tuple{WordBankData::easyPhrases(), 55, 95}, std::tuple{none, 51, 51}}) {
            QRandomGenerator rng(4);
            for (int run = 0; run < 50; ++run) {
                const QString passage = RocketRaceModel::buildPassage(rng, 2, list);
                QVERIFY2(passage.size() >= shortest && passage.size() <= longest,
                         qPrintable(passage));
                QVERIFY(!passage.contains(QStringLiteral("  ")));
            }
        }
    }

private:
    RecordingFeedback heard;
};

QTEST_GUILESS_MAIN(TestRocketRace)
#include "tst_rocketrace.moc"
