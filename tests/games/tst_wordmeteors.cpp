// Guards Word Meteors' rules: locking on, wrong keys, landings, scoring runs and the word lists.
#include "bonusround.h"
#include "curriculum.h"
#include "recordingsound.h"
#include "soundplayer.h"
#include "wordmeteorsmodel.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <memory>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;

// Blasts, as a perfect child would, every meteor that would land on the next tick.
void rescue(WordMeteorsModel &model)
{
    const MeteorList &sky = model.meteorList();
    for (std::size_t i = 0; i < sky.size();) {
        const Meteor &meteor = sky.at(i);
        if (meteor.y + meteor.speed * dt < 1.0) {
            ++i;
            continue;
        }
        const QString word = meteor.word;
        for (QChar ch : word)
            model.handle(ch);
        i = 0;
    }
}

const Meteor &meteorNamed(const WordMeteorsModel &model, const QString &word)
{
    for (const Meteor &meteor : model.meteorList().items()) {
        if (meteor.word == word)
            return meteor;
    }
    static const Meteor none;
    return none;
}

} // namespace

class TestWordMeteors : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        SoundPlayer::setEnabled(true);
        sounds = std::make_unique<RecordingSoundBackend>();
        rng = std::make_unique<QRandomGenerator>(11);
        model = std::make_unique<WordMeteorsModel>(*rng);
        model->start();
    }
    void cleanup()
    {
        model.reset();
        sounds.reset();
    }

    void firstLetterLocksOnTheLowestAndAWrongKeyStartsTheWordAgain()
    {
        model->launch(QStringLiteral("sad"), 0.2, 0.05, 0.3);
        model->launch(QStringLiteral("sun"), 0.5, 0.05, 0.5);
        model->launch(QStringLiteral("jam"), 0.8, 0.05, 0.7);
        model->handle(u's');
        const Meteor &sun = meteorNamed(*model, QStringLiteral("sun"));
        QCOMPARE(model->targetId(), sun.id);
        QCOMPARE(sun.typed, 1);
        QCOMPARE(meteorNamed(*model, QStringLiteral("sad")).typed, 0);

        // The first letter of a lower meteor does not switch the target.
        model->handle(u'u');
        model->handle(u'j');
        QCOMPARE(sun.typed, 0);
        QCOMPARE(model->targetId(), sun.id);
        QCOMPARE(meteorNamed(*model, QStringLiteral("jam")).typed, 0);
        QCOMPARE(model->combo(), 0);
        QCOMPARE(model->misses(), 1);
        QCOMPARE(sounds->played, QStringList{"Basso"});
    }

    // Guards against a heart count below zero when several meteors land at once.
    void aGroundedTargetScoresNothingAndEachLandingCostsAHeart()
    {
        model->launch(QStringLiteral("sun"), 0.2, 1.0, 0.99);
        model->handle(u's');
        model->handle(u'u');
        model->tick(dt);
        QCOMPARE(model->targetId(), std::nullopt);
        QCOMPARE(model->hearts(), 2);
        QCOMPARE(model->score(), 0);
        QCOMPARE(model->correctKeys(), 0);
        QCOMPARE(sounds->played, QStringList{"Basso"});

        model->launch(QStringLiteral("sad"), 0.2, 1.0, 0.99);
        model->launch(QStringLiteral("jam"), 0.5, 1.0, 0.99);
        model->launch(QStringLiteral("kid"), 0.8, 1.0, 0.99);
        model->tick(dt);
        QCOMPARE(model->hearts(), 0);
        QCOMPARE(model->state(), GameModel::State::over);
        QCOMPARE(sounds->played, (QStringList{"Basso", "Basso"}));
    }

    void wordsScoreByLengthPlusTheRunBeforeThemUpToTwenty()
    {
        QList<int> points;
        for (int word = 1; word <= 22; ++word) {
            const int before = model->score();
            model->launch(QStringLiteral("salad"), 0.5, 0.05);
            for (QChar ch : QStringLiteral("salad"))
                model->handle(ch);
            points.append(model->score() - before);
        }
        QCOMPARE(points.first(), 50);
        QCOMPARE(points.at(1), 51);
        QCOMPARE(points.at(19), 69);
        QCOMPARE(points.at(20), 70); // the 21st word
        QCOMPARE(points.at(21), 70);
        QCOMPARE(model->correctKeys(), 22 * 5);
        QCOMPARE(sounds->played.count("Pop"), 22);
        QVERIFY(model->meteorList().empty());
    }

    void wordListsFollowTheKeys_data()
    {
        QTest::addColumn<QString>("lessonId");
        QTest::addColumn<bool>("fallsBack");
        // f and j make no word of 2 to 6 letters.
        QTest::newRow("f and j") << "u1l1" << true;
        QTest::newRow("home row, no new keys") << "u1l6" << false;
        QTest::newRow("e and i") << "u2l1" << false;
    }
    void wordListsFollowTheKeys()
    {
        QFETCH(QString, lessonId);
        QFETCH(bool, fallsBack);
        const BonusSetup bonus{*Curriculum::lessonById(lessonId), 45};
        model->setUpBonus(bonus);
        const auto typeable = [&](const QString &word) {
            return std::all_of(word.cbegin(), word.cend(),
                               [&](QChar ch) { return bonus.pool().contains(ch); });
        };
        const QStringList &candidates = model->candidates();
        QVERIFY(candidates.size() >= 15);
        QCOMPARE(std::all_of(candidates.cbegin(), candidates.cend(), typeable), !fallsBack);
        for (const QString &word : candidates)
            QVERIFY(word.size() >= 2 && word.size() <= (fallsBack ? 5 : 6));
        for (const QString &word : model->focusCandidates())
            QVERIFY(std::any_of(word.cbegin(), word.cend(),
                                [&](QChar ch) { return bonus.focus().contains(ch); }));
        QCOMPARE(model->focusCandidates().isEmpty(), bonus.focus().isEmpty());
    }

    // The model of init() was started without a set-up.
    void startBuildsTheWordsFromTheDefaultKeys()
    {
        QVERIFY(!model->candidates().isEmpty());
        model->tick(dt);
        QCOMPARE(model->meteorList().size(), 1u);
    }

    void theSkyFillsByTheRulesWithDistinctFirstLetters()
    {
        // The home-row words begin with only five letters; the whole alphabet gives room.
        model->setPool(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        model->rebuildCandidates();
        model->start();
        std::size_t most = 0;
        while (model->elapsed() < 120) {
            rescue(*model);
            model->tick(dt);
            const std::size_t allowed = 2 + std::size_t(std::min(model->elapsed() / 22, 4.0));
            QVERIFY(model->meteorList().size() <= allowed);
            QSet<QChar> firstLetters;
            for (const Meteor &meteor : model->meteorList().items())
                firstLetters.insert(meteor.word.at(0));
            QCOMPARE(std::size_t(firstLetters.size()), model->meteorList().size());
            most = std::max(most, model->meteorList().size());
        }
        QCOMPARE(model->state(), GameModel::State::playing);
        QCOMPARE(most, 6u);
    }

private:
    std::unique_ptr<RecordingSoundBackend> sounds;
    std::unique_ptr<QRandomGenerator> rng;
    std::unique_ptr<WordMeteorsModel> model;
};

QTEST_GUILESS_MAIN(TestWordMeteors)
#include "tst_wordmeteors.moc"
