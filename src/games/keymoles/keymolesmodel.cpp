// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "keymolesmodel.h"

#include "announcer.h"

#include <QRandomGenerator>
#include <QVarLengthArray>

#include <algorithm>

namespace tapalong {

HoleList::HoleList(QObject *parent) : QAbstractListModel(parent) {}

int HoleList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count;
}

QVariant HoleList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const HoleSlot &slot = at(index.row());
    switch (role) {
    case MoleKeyRole:
        return slot.mole ? QString(*slot.mole) : QString();
    case HasMoleRole:
        return slot.mole.has_value();
    case IsBonkedRole:
        return slot.bonkedTimeLeft > 0;
    default:
        return {};
    }
}

QHash<int, QByteArray> HoleList::roleNames() const
{
    return {{MoleKeyRole, "moleKey"}, {HasMoleRole, "hasMole"}, {IsBonkedRole, "isBonked"}};
}

void HoleList::set(int hole, const HoleSlot &slot)
{
    HoleSlot &current = m_slots.at(std::size_t(hole));
    const bool moleChanged = current.mole != slot.mole;
    const bool bonkChanged = (current.bonkedTimeLeft > 0) != (slot.bonkedTimeLeft > 0);
    current = slot;
    if (!moleChanged && !bonkChanged)
        return;
    static const QList<int> moleRoles{MoleKeyRole, HasMoleRole};
    static const QList<int> bonkRoles{IsBonkedRole};
    static const QList<int> allRoles{MoleKeyRole, HasMoleRole, IsBonkedRole};
    const QList<int> &roles = !bonkChanged ? moleRoles : !moleChanged ? bonkRoles : allRoles;
    emit dataChanged(index(hole), index(hole), roles);
}

KeyMolesModel::KeyMolesModel(QObject *parent) : KeyMolesModel(*QRandomGenerator::global(), parent)
{
}

KeyMolesModel::KeyMolesModel(QRandomGenerator &rng, QObject *parent)
    : GameModel(rng, parent), m_holes(this)
{
    setTimeLimit(defaultTimeLimit);
    setTimeLeft(defaultTimeLimit);
}

void KeyMolesModel::start()
{
    for (int hole = 0; hole < HoleList::count; ++hole)
        m_holes.set(hole, HoleSlot{});
    setScore(0);
    setCombo(0);
    setBonked(0);
    setMisses(0);
    setCorrectKeys(0);
    m_elapsed = 0;
    m_sinceSpawn = 10;
    setTimeLeft(timeLimit());
    setState(State::Playing);
}

void KeyMolesModel::tick(double dt)
{
    if (!isPlaying())
        return;
    m_elapsed += dt;
    m_sinceSpawn += dt * pace();
    // Moles still up when the time runs out stay where they are until the next game.
    if (runOutOfTime(m_elapsed))
        return;

    const double spawnInterval = std::max(1.4 - 0.012 * m_elapsed, 0.7);
    if (m_sinceSpawn + clockSlack >= spawnInterval) {
        // Restarted even when the attempt places no mole.
        m_sinceSpawn = 0;
        spawn();
    }

    for (int hole = 0; hole < HoleList::count; ++hole) {
        HoleSlot slot = m_holes.at(hole);
        if (slot.mole) {
            slot.visibleTimeLeft -= dt * pace();
            if (slot.visibleTimeLeft <= clockSlack) {
                // An escape ends the run, silently, and is no miss.
                slot.mole.reset();
                slot.visibleTimeLeft = 0;
                setCombo(0);
            }
        }
        if (slot.bonkedTimeLeft > 0) {
            slot.bonkedTimeLeft -= dt;
            if (slot.bonkedTimeLeft <= clockSlack)
                slot.bonkedTimeLeft = 0;
        }
        m_holes.set(hole, slot);
    }
}

void KeyMolesModel::handle(QChar ch)
{
    if (!isPlaying())
        return;
    const QChar typed = ch.toLower();
    const auto &holes = m_holes.all();
    const auto found = std::find_if(holes.cbegin(), holes.cend(),
                                    [typed](const HoleSlot &slot) { return slot.mole == typed; });
    if (found == holes.cend()) {
        setCombo(0);
        setMisses(misses() + 1);
        Announcer::instance().announce(Announcer::Event::wrongKey);
        return;
    }
    m_holes.set(int(found - holes.cbegin()), HoleSlot{std::nullopt, 0, bonkedTime});
    setCombo(combo() + 1);
    setCorrectKeys(correctKeys() + 1);
    setScore(score() + 10 + std::min(combo(), 20));
    setBonked(m_bonked + 1);
    Announcer::instance().announce(Announcer::Event::targetCleared);
}

void KeyMolesModel::setUpBonus(const BonusSetup &bonus)
{
    GameModel::setUpBonus(bonus);
    // A round of no length would never end.
    if (!timeLimit())
        setTimeLimit(defaultTimeLimit);
    if (isReady())
        setTimeLeft(timeLimit());
}

int KeyMolesModel::molesUp() const
{
    const auto &holes = m_holes.all();
    return int(std::count_if(holes.cbegin(), holes.cend(),
                             [](const HoleSlot &slot) { return slot.mole.has_value(); }));
}

void KeyMolesModel::setHole(int hole, const HoleSlot &slot)
{
    if (hole >= 0 && hole < HoleList::count)
        m_holes.set(hole, slot);
}

void KeyMolesModel::spawn()
{
    const auto &holes = m_holes.all();
    QVarLengthArray<int, HoleList::count> freeHoles;
    QString showing;
    for (int hole = 0; hole < HoleList::count; ++hole) {
        const HoleSlot &slot = holes[std::size_t(hole)];
        if (slot.mole)
            showing.append(*slot.mole);
        else if (slot.bonkedTimeLeft <= 0)
            freeHoles.append(hole);
    }
    if (freeHoles.isEmpty())
        return;
    const int mostUp = m_elapsed <= 20 ? 2 : 3;
    if (showing.size() >= mostUp)
        return;

    // Random draws in a fixed order: the source (only with focus keys), the key, the hole.
    const QString &source = !focus().isEmpty() && rng().bounded(2) == 0 ? focus() : pool();
    const auto notShowing = [&showing](const QString &keys) {
        QString options;
        for (QChar key : keys) {
            if (!showing.contains(key))
                options.append(key);
        }
        return options;
    };
    QString options = notShowing(source);
    if (options.isEmpty())
        options = notShowing(pool());
    if (options.isEmpty())
        return;
    const QChar key = randomKey(options);
    const int hole = freeHoles[rng().bounded(int(freeHoles.size()))];
    m_holes.set(hole, HoleSlot{key, std::max(2.4 - 0.028 * m_elapsed, 1.1), 0});
}

void KeyMolesModel::setBonked(int bonked)
{
    if (m_bonked == bonked)
        return;
    m_bonked = bonked;
    emit bonkedChanged();
}

} // namespace tapalong
