// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Tricky-key practice: which learned keys trip a child most, and a short drill built on them.
#pragma once

#include "curriculum.h"
#include "records.h"

#include <QDate>
#include <QString>

namespace tapalong::TrickyKeys {

// A key's error rate means something once it has been typed this often.
inline constexpr qint64 minAttempts = 20;
// Practice is offered once this many learned keys have that many attempts each: by then a
// weak key stands out against the others rather than against chance.
inline constexpr int minKeys = 4;
// The keys one drill works on, at most.
inline constexpr int drillKeys = 3;

// A key is tricky only when it has been missed at least minMisses times and at a rate at
// least twice, and at least minRateGap above, the child's rate over their other learned keys.
// Judged against the child's own rate, not a fixed one: a child who slips on one key in ten
// everywhere has no tricky key, only typing to do, while a key missed 29 times in 94 beside
// keys never missed is plainly one. The gap keeps a tiny rate from doubling a tinier one.
inline constexpr qint64 minMisses = 5;
inline constexpr double rateFactor = 2.0;
inline constexpr double minRateGap = 0.05;

// Every key of the lessons the child has finished, space left out, in course order.
QString learnedKeys(const Profile &profile);
bool hasEnoughStatistics(const Profile &profile);
// The tricky keys (see minMisses), the highest error rate first (ties: more mistakes, then
// course order); at most `count`, and none when no key stands out.
QString weakestKeys(const Profile &profile, int count = drillKeys);
// Enough statistics, and at least one key stands out: the drill has something to work on.
bool hasTrickyKeys(const Profile &profile);
// Learned keys with enough attempts, the lowest error rate first, none of `excluded`.
QString easiestKeys(const Profile &profile, QStringView excluded, int count);

// Four lines: the weak keys repeated, the weak keys mixed with easy ones, and two lines of
// words from the word bank that hold a weak key and need only learned keys. The same for the
// same profile, day and statistics. Its id is History::trickyLessonId; empty drills when
// there is no tricky key.
Lesson drill(const Profile &profile, QDate day);

} // namespace tapalong::TrickyKeys
