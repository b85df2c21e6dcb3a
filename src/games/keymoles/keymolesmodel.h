// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Key Moles: moles wearing keys pop out of eight holes, and the child bonks each by typing it.
#pragma once

#include "gamemodel.h"

#include <QAbstractListModel>
#include <QChar>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <optional>

namespace tapalong {

struct HoleSlot {
    std::optional<QChar> mole; // the key the mole wears; none when the hole is empty
    double visibleTimeLeft = 0;
    double bonkedTimeLeft = 0; // while above 0 the hole takes no mole

    bool operator==(const HoleSlot &) const = default;
};

// The eight holes as eight fixed rows, hole number = row; a row announces a change only when
// its mole comes or goes or its bonk effect starts or ends, never for the timers alone.
// Roles: moleKey (the key as text, "" for none), hasMole (bool), isBonked (bool).
class HoleList final : public QAbstractListModel {
public:
    enum Role { MoleKeyRole = Qt::UserRole + 1, HasMoleRole, IsBonkedRole };
    static constexpr int count = 8;

    explicit HoleList(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    const std::array<HoleSlot, count> &all() const { return m_slots; }
    const HoleSlot &at(int hole) const { return m_slots.at(std::size_t(hole)); }
    void set(int hole, const HoleSlot &slot);

private:
    std::array<HoleSlot, count> m_slots{};
};

class KeyMolesModel : public tapalong::GameModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(QAbstractListModel *holes READ holes CONSTANT FINAL)
    Q_PROPERTY(int bonked READ bonked NOTIFY bonkedChanged FINAL)

public:
    static constexpr double defaultTimeLimit = 60;
    static constexpr double bonkedTime = 0.4;

    // The program's: the system's random generator.
    explicit KeyMolesModel(QObject *parent = nullptr);
    explicit KeyMolesModel(QRandomGenerator &rng, QObject *parent = nullptr);

    GameKind kind() const override { return GameKind::keyMoles; }
    void start() override;
    void tick(double dt) override;
    void handle(QChar ch) override;
    // The game always has a clock; the start card's time shows the round's length.
    void setUpBonus(const BonusSetup &bonus) override;

    HoleList *holes() { return &m_holes; }
    const HoleList &holeList() const { return m_holes; }
    int bonked() const { return m_bonked; }
    double elapsed() const { return m_elapsed; }
    double sinceSpawn() const { return m_sinceSpawn; }
    int molesUp() const;

    // Puts a hole in the given state, as a spawn or a bonk does; also how a test sets a scene.
    void setHole(int hole, const HoleSlot &slot);

signals:
    void bonkedChanged();

private:
    void spawn();
    void setBonked(int bonked);

    HoleList m_holes;
    int m_bonked = 0;
    double m_elapsed = 0;
    double m_sinceSpawn = 10;
};

} // namespace tapalong
