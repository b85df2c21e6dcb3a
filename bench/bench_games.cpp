// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Prints the mean time of one game tick with as many objects on screen as the rules allow. Not a
// test: the figures are for people to read and compare.
#include "copycatmodel.h"
#include "keymolesmodel.h"
#include "letterdropmodel.h"
#include "rocketracemodel.h"
#include "wordmeteorsmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <functional>

using namespace tapalong;

namespace {

constexpr double dt = 1.0 / 60.0;

// Plays `seconds` of game time, letting `save` rescue whatever would land on the next tick so
// that the game never ends; times only the ticks after `fullFrom` seconds, when the sky is as
// busy as it gets.
void measure(const char *what, GameModel &model, const std::function<std::size_t()> &onScreen,
             const std::function<void()> &save, double fullFrom, double seconds)
{
    model.start();
    QElapsedTimer timer;
    qint64 nanos = 0;
    int timed = 0;
    std::size_t most = 0;
    for (double elapsed = 0; elapsed < seconds; elapsed += dt) {
        save();
        if (elapsed < fullFrom) {
            model.tick(dt);
            continue;
        }
        timer.start();
        model.tick(dt);
        nanos += timer.nsecsElapsed();
        ++timed;
        most = std::max(most, onScreen());
    }
    std::printf("%-14s mean %6.2f µs per tick over %d ticks, up to %zu on screen%s\n", what,
                double(nanos) / timed / 1000.0, timed, most,
                model.isPlaying() ? "" : " (the game ended early!)");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QRandomGenerator rng(42);

    LetterDropModel drops(rng);
    const FallingLetters &letters = drops.fallingLetters();
    measure(
        "Letter Drop", drops, [&] { return letters.size(); },
        [&] {
            for (std::size_t i = 0; i < letters.size();) {
                const Falling &letter = letters.at(i);
                if (letter.y + letter.speed * dt < 1.0) {
                    ++i;
                    continue;
                }
                drops.handle(letter.ch);
                i = 0;
            }
        },
        60, 600);

    WordMeteorsModel meteors(rng);
    const MeteorList &sky = meteors.meteorList();
    measure(
        "Word Meteors", meteors, [&] { return sky.size(); },
        [&] {
            for (std::size_t i = 0; i < sky.size();) {
                const Meteor &meteor = sky.at(i);
                if (meteor.y + meteor.speed * dt < 1.0) {
                    ++i;
                    continue;
                }
                const QString word = meteor.word;
                for (QChar ch : word)
                    meteors.handle(ch);
                i = 0;
            }
        },
        90, 600);

    // Three moles up wearing keys, the other five holes closed after a bonk: every hole busy.
    KeyMolesModel moles(rng);
    moles.setTimeLimit(600);
    measure(
        "Key Moles", moles, [&] { return std::size_t(HoleList::count); },
        [&] {
            for (int hole = 0; hole < HoleList::count; ++hole) {
                moles.setHole(hole, hole < 3 ? HoleSlot{moles.pool().at(hole), 1.0, 0}
                                             : HoleSlot{{}, 0, KeyMolesModel::bonkedTime});
            }
        },
        21, 590);

    // Until Falcon Flash crosses the line all three rivals move on every tick.
    RocketRaceModel race(rng);
    measure(
        "Rocket Race", race, [&] { return std::size_t(RivalList::count + 1); },
        [&] {
            if (!race.raceStarted())
                race.handle(race.passage().at(0));
        },
        0, 40);

    // The shows of seven keys, rounds 6 to 8, the pattern typed back as soon as it is asked for.
    CopyCatModel copyCat(rng);
    measure(
        "Copy Cat", copyCat, [&] { return std::size_t(copyCat.sequence().size()); },
        [&] {
            if (!copyCat.isEcho())
                return;
            const QString pattern = copyCat.sequence();
            for (QChar key : pattern)
                copyCat.handle(key);
        },
        22.5, 43);
    return 0;
}
