// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Which arcade games suit a lesson as its bonus round, and the record that carries it into one.
#pragma once

#include "curriculum.h"
#include "records.h"

#include <QList>
#include <QString>

namespace tapalong {

struct BonusSetup {
    Lesson lesson;
    double duration = 0; // seconds

    QString pool() const;  // the lesson's keys, spaces removed
    QString focus() const; // the lesson's new keys, spaces removed; empty for a review lesson

    bool operator==(const BonusSetup &) const = default;
};

namespace BonusRound {

// Three or more distinct games, rotated by the lesson's place in the course so that
// consecutive lessons lead with different ones.
QList<GameKind> eligibleGames(const Lesson &lesson);

} // namespace BonusRound
} // namespace tapalong
