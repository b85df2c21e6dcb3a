// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The champions boards: the household's profiles ranked by stars, best speed and game scores.
#pragma once

#include "records.h"

#include <QHashFunctions>
#include <QList>
#include <QString>
#include <QUuid>

namespace tapalong {

struct LeaderRow {
    QUuid id; // the profile's
    QString name;
    QString avatar;
    QString value; // the figure shown, already formatted
    double sortKey = 0;

    bool operator==(const LeaderRow &) const = default;
};

// Every board lists only the profiles with something above zero, best first; ties keep the
// profiles' creation order.
namespace Champions {
QList<LeaderRow> starRows(const AppData &data);
QList<LeaderRow> wpmRows(const AppData &data);
QList<LeaderRow> gameRows(const AppData &data, GameKind kind);
} // namespace Champions

// One board of the champions screen.
class Board {
public:
    enum class Type { game, stars, speed };

    static constexpr Board game(GameKind kind) { return Board(Type::game, kind); }
    static constexpr Board stars() { return Board(Type::stars, GameKind::letterDrop); }
    static constexpr Board speed() { return Board(Type::speed, GameKind::letterDrop); }

    // In the order of the tab strip: the games, then stars, then speed.
    static QList<Board> all();

    constexpr Type type() const { return m_type; }
    constexpr GameKind kind() const { return m_kind; } // meaningful for game boards only

    QString emoji() const;
    QString title() const; // in the user's language
    QString name() const;  // the English title, which names the board's tab for the tests
    QList<LeaderRow> rows(const AppData &data) const;

    bool operator==(const Board &) const = default;

private:
    constexpr Board(Type type, GameKind kind) : m_type(type), m_kind(kind) {}

    Type m_type;
    GameKind m_kind; // letterDrop for the stars and speed boards, so equality stays simple
};

inline size_t qHash(Board board, size_t seed = 0)
{
    return qHashMulti(seed, int(board.type()), int(board.kind()));
}

} // namespace tapalong
