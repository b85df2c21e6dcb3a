// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "gamemodel.h"

#include "bonusround.h"
#include "history.h"
#include "keyboardlayout.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace tapalong {

GameModel::GameModel(QRandomGenerator &rng, QObject *parent) : QObject(parent), m_rng(rng) {}

GameModel::~GameModel() = default;

QString GameModel::defaultPool()
{
    return KeyboardLayout::active().gamePool();
}

bool GameModel::accepts(QChar ch) const
{
    return ch.isLetterOrNumber() || ch.isPunct() || ch.isSymbol();
}

void GameModel::pause()
{
    if (m_state == State::Playing)
        setState(State::Paused);
}

void GameModel::resume()
{
    if (m_state == State::Paused)
        setState(State::Playing);
}

void GameModel::setUpBonus(const BonusSetup &bonus)
{
    const QString bonusPool = bonus.pool();
    if (!bonusPool.isEmpty())
        setPool(bonusPool);
    setFocus(bonus.focus());
    setTimeLimit(bonus.duration);
}

void GameModel::setUpFreePlay(const QString &learnedKeys)
{
    if (!learnedKeys.isEmpty())
        setPool(learnedKeys);
}

void GameModel::setPace(double pace)
{
    if (!std::isfinite(pace))
        return;
    pace = std::clamp(pace, minPace, 1.0);
    if (pace == m_pace)
        return;
    m_pace = pace;
    emit paceChanged();
}

int GameModel::secondsLeft() const
{
    return m_timeLeft ? int(std::ceil(std::max(*m_timeLeft - clockSlack, 0.0))) : 0;
}

void GameModel::setPool(const QString &pool)
{
    if (m_pool == pool)
        return;
    m_pool = pool;
    emit poolChanged();
}

void GameModel::setFocus(const QString &focus)
{
    if (m_focus == focus)
        return;
    m_focus = focus;
    emit focusChanged();
}

void GameModel::setTimeLimit(std::optional<double> seconds)
{
    if (seconds && !std::isfinite(*seconds))
        seconds.reset();
    if (m_timeLimit == seconds)
        return;
    m_timeLimit = seconds;
    emit timeLimitChanged();
}

QChar GameModel::randomKey(const QString &keys) const
{
    return keys.at(m_rng.bounded(int(keys.size())));
}

double GameModel::randomReal(double low, double high) const
{
    return low + m_rng.generateDouble() * (high - low);
}

void GameModel::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

void GameModel::setScore(int score)
{
    if (m_score == score)
        return;
    m_score = score;
    emit scoreChanged();
}

void GameModel::setCorrectKeys(int correctKeys)
{
    if (m_correctKeys == correctKeys)
        return;
    m_correctKeys = correctKeys;
    emit correctKeysChanged();
}

void GameModel::setCombo(int combo)
{
    if (m_combo == combo)
        return;
    m_combo = combo;
    emit comboChanged();
}

void GameModel::setMisses(int misses)
{
    if (m_misses == misses)
        return;
    m_misses = misses;
    emit missesChanged();
}

void GameModel::setHearts(int hearts)
{
    if (m_hearts == hearts)
        return;
    m_hearts = hearts;
    emit heartsChanged();
}

void GameModel::setTimeLeft(std::optional<double> seconds)
{
    if (m_timeLeft == seconds)
        return;
    const bool presenceChanged = m_timeLeft.has_value() != seconds.has_value();
    const int secondsBefore = secondsLeft();
    m_timeLeft = seconds;
    if (presenceChanged)
        emit hasTimeLeftChanged();
    emit timeLeftChanged();
    if (secondsLeft() != secondsBefore)
        emit secondsLeftChanged();
}

bool GameModel::runOutOfTime(double elapsed)
{
    if (!m_timeLimit)
        return false;
    const bool timeIsUp = elapsed + clockSlack >= *m_timeLimit;
    setTimeLeft(timeIsUp ? 0.0 : *m_timeLimit - elapsed);
    if (!timeIsUp)
        return false;
    setState(State::Over);
    return true;
}

void GameModel::countKey(QChar expected, QChar typed)
{
    History::count(m_keyStats, expected, typed);
}

} // namespace tapalong
