// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "copycatmodel.h"

#include "announcer.h"
#include "tutorial.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace tapalong {

EchoSlots::EchoSlots(QObject *parent) : QAbstractListModel(parent) {}

int EchoSlots::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_sequence.size());
}

QVariant EchoSlots::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case SlotKeyRole:
        return QString(m_sequence.at(index.row()));
    case RevealedRole:
        return index.row() < m_echoIndex;
    default:
        return {};
    }
}

QHash<int, QByteArray> EchoSlots::roleNames() const
{
    return {{SlotKeyRole, "slotKey"}, {RevealedRole, "revealed"}};
}

void EchoSlots::setSequence(const QString &sequence)
{
    const int common = int(std::min(m_sequence.size(), sequence.size()));
    if (QStringView(m_sequence).first(common) != QStringView(sequence).first(common)) {
        m_sequence.replace(0, common, sequence.first(common));
        static const QList<int> roles{SlotKeyRole};
        emit dataChanged(index(0), index(common - 1), roles);
    }
    if (sequence.size() < m_sequence.size()) {
        beginRemoveRows({}, common, int(m_sequence.size()) - 1);
        m_sequence.truncate(common);
        endRemoveRows();
    } else if (sequence.size() > m_sequence.size()) {
        beginInsertRows({}, common, int(sequence.size()) - 1);
        m_sequence = sequence;
        endInsertRows();
    }
}

void EchoSlots::setEchoIndex(int echoIndex)
{
    if (m_echoIndex == echoIndex)
        return;
    const int first = std::min(m_echoIndex, echoIndex);
    const int last = std::min(std::max(m_echoIndex, echoIndex), int(m_sequence.size())) - 1;
    m_echoIndex = echoIndex;
    if (first > last)
        return;
    static const QList<int> roles{RevealedRole};
    emit dataChanged(index(first), index(last), roles);
}

CopyCatModel::CopyCatModel(QObject *parent) : CopyCatModel(*QRandomGenerator::global(), parent) {}

CopyCatModel::CopyCatModel(QRandomGenerator &rng, QObject *parent)
    : GameModel(rng, parent), m_echoSlots(this)
{
    setHearts(startHearts);
}

void CopyCatModel::start()
{
    setScore(0);
    setHearts(startHearts);
    setMisses(0);
    setRound(1);
    setCorrectKeys(0);
    clearKeyStats();
    setWonGame(false);
    beginRound();
    setState(State::Playing);
}

void CopyCatModel::tick(double dt)
{
    if (!isPlaying())
        return;
    // A gentle game shows the pattern slower; the celebration keeps its length.
    m_elapsed += m_phase == Phase::Showing ? dt * pace() : dt;
    switch (m_phase) {
    case Phase::Showing:
        tickShow();
        break;
    case Phase::Echo:
        break; // the child has all the time in the world
    case Phase::Celebrating:
        if (m_elapsed + clockSlack >= celebrateDuration)
            nextRoundOrWin();
        break;
    }
}

void CopyCatModel::handle(QChar ch)
{
    if (!isPlaying() || !isEcho() || m_echoIndex >= m_sequence.size())
        return;
    // The pattern is lower case; a capital is its key.
    const QChar typed = ch.toLower();
    countKey(m_sequence.at(m_echoIndex), typed);
    if (typed != m_sequence.at(m_echoIndex)) {
        const int heartsLeft = hearts() - 1;
        setMisses(misses() + 1);
        Announcer::instance().announce(Announcer::Event::wrongKey);
        if (heartsLeft < 1) {
            setHearts(0);
            setState(State::Over);
            return;
        }
        setHearts(heartsLeft);
        // The same pattern again, from its first key.
        beginShow();
        return;
    }
    setEchoIndex(m_echoIndex + 1);
    setCorrectKeys(correctKeys() + 1);
    Announcer::instance().announce(Announcer::Event::keyCaught);
    if (m_echoIndex < m_sequence.size())
        return;
    const int length = int(m_sequence.size());
    setScore(score() + length * 15 + m_round * 5);
    Announcer::instance().announce(Announcer::Event::targetCleared);
    setPhase(Phase::Celebrating);
    m_elapsed = 0;
}

void CopyCatModel::resume()
{
    if (!isPaused())
        return;
    // Half a pattern is no pattern to remember.
    if (isShowing())
        beginShow();
    setState(State::Playing);
}

void CopyCatModel::silence()
{
    Announcer::instance().hush();
}

void CopyCatModel::setUpBonus(const BonusSetup &bonus)
{
    GameModel::setUpBonus(bonus);
    setTimeLimit(std::nullopt);
}

QString CopyCatModel::showKey() const
{
    if (m_showIndex < 0 || m_showIndex >= m_sequence.size())
        return {};
    return QString(m_sequence.at(m_showIndex));
}

QString CopyCatModel::makeSequence(int length) const
{
    const QString keys = pool().isEmpty() ? defaultPool() : pool();
    const bool canVary = keys.size() + focus().size() >= 2;
    QString sequence;
    sequence.reserve(length);
    for (int i = 0; i < length; ++i) {
        QChar key = drawKey();
        // The last draw is taken whatever it is.
        for (int draw = 1; canVary && i > 0 && draw < drawsPerKey && key == sequence.back(); ++draw)
            key = drawKey();
        sequence.append(key);
    }
    return sequence;
}

void CopyCatModel::beginRound()
{
    setSequence(makeSequence(std::min(m_round + 1, longestPattern)));
    beginShow();
}

void CopyCatModel::beginShow()
{
    setPhase(Phase::Showing);
    setShowIndex(-1);
    setShowVisible(false);
    setEchoIndex(0);
    m_elapsed = 0;
}

void CopyCatModel::tickShow()
{
    if (m_sequence.isEmpty())
        return;
    const int shown = int(std::floor((m_elapsed + clockSlack) / slotDuration));
    if (shown >= m_sequence.size()) {
        setPhase(Phase::Echo);
        setShowIndex(-1);
        setShowVisible(false);
        m_elapsed = 0;
        return;
    }
    if (shown != m_showIndex) {
        setShowIndex(shown);
        Announcer::instance().say(Tutorial::charName(m_sequence.at(shown)));
    }
    setShowVisible(m_elapsed + clockSlack - shown * slotDuration < showDuration);
}

void CopyCatModel::nextRoundOrWin()
{
    if (m_round >= rounds) {
        setWonGame(true);
        setState(State::Over);
        return;
    }
    setRound(m_round + 1);
    beginRound();
}

QChar CopyCatModel::drawKey() const
{
    if (!focus().isEmpty() && rng().bounded(2) == 0)
        return randomKey(focus());
    return randomKey(pool().isEmpty() ? defaultPool() : pool());
}

void CopyCatModel::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
}

void CopyCatModel::setRound(int round)
{
    if (m_round == round)
        return;
    m_round = round;
    emit roundChanged();
}

void CopyCatModel::setSequence(const QString &sequence)
{
    if (m_sequence == sequence)
        return;
    m_sequence = sequence;
    m_echoSlots.setSequence(sequence);
    emit sequenceChanged();
}

void CopyCatModel::setEchoIndex(int echoIndex)
{
    if (m_echoIndex == echoIndex)
        return;
    m_echoIndex = echoIndex;
    m_echoSlots.setEchoIndex(echoIndex);
    emit echoIndexChanged();
}

void CopyCatModel::setShowIndex(int showIndex)
{
    if (m_showIndex == showIndex)
        return;
    m_showIndex = showIndex;
    emit showIndexChanged();
}

void CopyCatModel::setShowVisible(bool showVisible)
{
    if (m_showVisible == showVisible)
        return;
    m_showVisible = showVisible;
    emit showVisibleChanged();
}

void CopyCatModel::setWonGame(bool wonGame)
{
    if (m_wonGame == wonGame)
        return;
    m_wonGame = wonGame;
    emit wonGameChanged();
}

} // namespace tapalong
