// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "letterdropmodel.h"

#include "announcer.h"

#include <QRandomGenerator>

#include <algorithm>

namespace tapalong {

namespace {

// Far more than can be on screen: the fastest fall takes 3.8 s and letters come 0.55 s apart.
constexpr std::size_t letterCapacity = 32;

} // namespace

FallingLetters::FallingLetters(QObject *parent) : MovingList(PosYRole, letterCapacity, parent) {}

QVariant FallingLetters::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Falling &letter = at(std::size_t(index.row()));
    switch (role) {
    case LetterIdRole:
        return letter.id;
    case LetterRole:
        return QString(letter.ch);
    case PosXRole:
        return letter.x;
    case PosYRole:
        return letter.y;
    default:
        return {};
    }
}

QHash<int, QByteArray> FallingLetters::roleNames() const
{
    return {
        {LetterIdRole, "letterId"}, {LetterRole, "letter"}, {PosXRole, "posX"}, {PosYRole, "posY"}};
}

LetterDropModel::LetterDropModel(QObject *parent)
    : LetterDropModel(*QRandomGenerator::global(), parent)
{
}

LetterDropModel::LetterDropModel(QRandomGenerator &rng, QObject *parent)
    : GameModel(rng, parent), m_letters(this)
{
    setHearts(startLives);
}

void LetterDropModel::start()
{
    m_letters.clear();
    setScore(0);
    setCombo(0);
    setHearts(startLives);
    setCorrectKeys(0);
    m_elapsed = 0;
    m_sinceSpawn = 10;
    setTimeLeft(timeLimit());
    setState(State::Playing);
}

void LetterDropModel::tick(double dt)
{
    if (!isPlaying())
        return;
    m_elapsed += dt;
    m_sinceSpawn += dt * pace();
    // Before anything moves: a letter cannot splash after the whistle.
    if (runOutOfTime(m_elapsed))
        return;

    const double spawnInterval = std::max(1.7 - 0.02 * m_elapsed, 0.55);
    if (m_sinceSpawn >= spawnInterval) {
        m_sinceSpawn = 0;
        spawn();
    }

    m_letters.advance(dt * pace());
    const int splashed = m_letters.removeIf([](const Falling &letter) { return letter.y >= 1.0; });
    if (splashed == 0)
        return;
    setCombo(0);
    Announcer::instance().announce(Announcer::Event::targetsLost); // once, however many splashed
    const int livesLeft = lives() - splashed;
    if (livesLeft > 0) {
        setHearts(livesLeft);
        return;
    }
    setHearts(0);
    setState(State::Over);
}

void LetterDropModel::handle(QChar ch)
{
    if (!isPlaying())
        return;
    const QChar typed = ch.toLower();
    const std::vector<Falling> &letters = m_letters.items();
    std::optional<std::size_t> caught;
    // Strictly greater, so that of two at one height the older (earlier in the list) wins.
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i].ch == typed && (!caught || letters[i].y > letters[*caught].y))
            caught = i;
    }
    if (!caught) {
        setCombo(0);
        setMisses(misses() + 1);
        return;
    }
    m_letters.removeAt(*caught);
    setCombo(combo() + 1);
    setCorrectKeys(correctKeys() + 1);
    setScore(score() + 10 + std::min(combo(), 20));
    Announcer::instance().announce(Announcer::Event::keyCaught);
}

void LetterDropModel::drop(QChar ch, double x, double speed, double y)
{
    m_letters.append(Falling{++m_lastId, ch, x, y, speed});
}

void LetterDropModel::spawn()
{
    // Random draws in a fixed order: source, key, x, speed factor.
    const QString source = !focus().isEmpty() && rng().bounded(2) == 0 ? focus() : pool();
    if (source.isEmpty())
        return;
    const QChar ch = randomKey(source);
    const double baseSpeed = std::min(m_elapsed * 0.0025, 0.13) + 0.09;
    const double x = randomReal(0.06, 0.94);
    const double speed = baseSpeed * randomReal(0.85, 1.25);
    drop(ch, x, speed);
}

} // namespace tapalong
