// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards Word Meteors' rules: locking on, wrong keys, landings, scoring runs and the word lists.
#include "bonusround.h"
#include "curriculum.h"
#include "recordingfeedback.h"
#include "wordmeteorsmodel.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;

// Blasts, as a perfect child would, every meteor that would land on the next tick.
void rescue(WordMeteorsModel &model)
{
    const MeteorList &sky = model.meteorList();
    for (std::size_t i = 0; i < sky.size();) {
        if (sky.at(i).y + sky.at(i).speed * dt < 1.0) {
            ++i;
        } else {
            for (const QChar ch : QString(sky.at(i).word))
                model.handle(ch);
            i = 0;
        }
    }
}

const Meteor &meteorNamed(const WordMeteorsModel &model, const char *word)
{
    const auto &sky = model.meteorList().items();
    return *std::find_if(sky.begin(), sky.end(), [&](const Meteor &m) { return m.word == word; });
}

} // namespace

class TestWordMeteors : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        heard.reset();
        rng.seed(11);
        model = std::make_unique<WordMeteorsModel>(rng);
        model->start();
    }

    void firstLetterLocksOnTheLowestAndAWrongKeyStartsTheWordAgain()
    {
        model->launch(QStringLiteral("sad"), 0.2, 0.05, 0.3);
        model->launch(QStringLiteral("sun"), 0.5, 0.05, 0.5);
        model->launch(QStringLiteral("jam"), 0.8, 0.05, 0.7);
        model->handle(u's');
        const Meteor &sun = meteorNamed(*model, "sun");
        QCOMPARE(model->targetId(), sun.id);
        QCOMPARE(sun.typed, 1);
        QCOMPARE(meteorNamed(*model, "sad").typed, 0);

        // The first letter of a lower meteor does not switch the target.
        model->handle(u'u');
        model->handle(u'j');
        QCOMPARE(sun.typed, 0);
        QCOMPARE(model->targetId(), sun.id);
        QCOMPARE(meteorNamed(*model, "jam").typed, 0);
        QCOMPARE(model->combo(), 0);
        QCOMPARE(model->misses(), 1);
        QCOMPARE(heard.sound.played, QStringList{"Basso"});
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
        QCOMPARE(heard.sound.played, QStringList{"Basso"});

        model->launch(QStringLiteral("sad"), 0.2, 1.0, 0.99);
        model->launch(QStringLiteral("jam"), 0.5, 1.0, 0.99);
        model->launch(QStringLiteral("kid"), 0.8, 1.0, 0.99);
        model->tick(dt);
        QCOMPARE(model->hearts(), 0);
        QCOMPARE(model->state(), GameModel::State::Over);
        QCOMPARE(heard.sound.played, (QStringList{"Basso", "Basso"}));
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
        QCOMPARE(points.mid(0, 2), (QList<int>{50, 51}));
        QCOMPARE(points.mid(19), (QList<int>{69, 70, 70})); // the 21st word scores 70
        QCOMPARE(model->correctKeys(), 22 * 5);
        QCOMPARE(heard.sound.played.count("Pop"), 22);
        QVERIFY(model->meteorList().empty());
    }

    // f and j alone make no word of 2 to 6 letters: the lists fall back.
    void wordListsFollowTheKeys()
    {
        for (auto [lessonId, fallsBack] :
             {std::pair{"u1l1", true}, std::pair{"u1l6", false}, std::pair{"u2l1", false}}) {
            const BonusSetup bonus{*Curriculum::lessonById(QString::fromLatin1(lessonId)), 45};
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
        QCOMPARE(model->state(), GameModel::State::Playing);
        QCOMPARE(most, 6u);
    }

private:
    RecordingFeedback heard;
    QRandomGenerator rng;
    std::unique_ptr<WordMeteorsModel> model;
};

QTEST_GUILESS_MAIN(TestWordMeteors)
#include "tst_wordmeteors.moc"
