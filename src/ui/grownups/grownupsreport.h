// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What the grown-ups' view says about one explorer: every figure and sentence, from the
// profile and today's date, so that they can be tested without a screen.
#pragma once

#include "records.h"

#include <QDate>
#include <QList>
#include <QString>

namespace tapalong::GrownupsReport {

// The practice days shown, today included.
inline constexpr int shownDays = 28;
// A key is named as tricky only once it has been typed this often.
inline constexpr qint64 minAttemptsToName = 10;

struct SpeedPoint {
    double wpm = 0;
    double accuracy = 0;
    double goal = 0; // the lesson's goal speed; 0 for tricky-key practice
    bool practice = false; // tricky-key practice, which has no goal and is no lesson
    QDate day;             // by the local calendar
};
struct DayMinutes {
    QDate day;
    double minutes = 0;
};
struct UnitStars {
    QString emoji;
    QString title;
    qint64 stars = 0;
    qint64 maxStars = 0;
};
struct GamePlayed {
    GameKind kind;
    int played = 0;
    qint64 best = 0;
};
struct TrickyKey {
    QChar key;
    double errorRate = 0; // 0 … 1
    std::optional<QChar> oftenTypedInstead;
};

// One per lesson attempt and tricky-key practice, oldest first.
QList<SpeedPoint> speedPoints(const Profile &profile);
// The last shownDays days, oldest first, by the local calendar.
QList<DayMinutes> practiceDays(const Profile &profile, QDate today);
int daysPractisedThisWeek(const Profile &profile, QDate today); // today and the six before
// The streak as the dashboard counts it: nothing when the last play was before yesterday.
qint64 currentStreak(const Profile &profile, QDate today);
QList<UnitStars> unitStars(const Profile &profile);
// Every game played at least once, in game order.
QList<GamePlayed> gamesPlayed(const Profile &profile);
// Keys typed at least minAttemptsToName times with mistakes, the highest error rate first.
QList<TrickyKey> trickiestKeys(const Profile &profile, int count = 5);
// Per typed character: the share of mistakes, 0 … 1, for keys with any attempt.
QMap<QChar, double> errorRates(const Profile &profile);

// "Space" for the space bar, a word for the punctuation keys of the course ("semicolon"),
// otherwise the character as its key cap shows it.
QString keyName(QChar key);
// "Mia practised 4 days this week; their speed went from 8 to 12 wpm; they often type R for T."
// The speed is the lessons' alone: a practice drill of tricky keys is slower by design.
QString summary(const Profile &profile, QDate today);
// The bottom of the accuracy chart, a multiple of ten: low enough for every point, and no
// lower than needed, so that 88 % and 95 % stand apart.
double accuracyFloor(const QList<SpeedPoint> &points);

} // namespace tapalong::GrownupsReport
