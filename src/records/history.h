// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The practice history and key statistics of a profile: adding to them, and their JSON form.
#pragma once

#include "records.h"

#include <QByteArray>
#include <QJsonValue>
#include <QLatin1StringView>

namespace tapalong {

// What a finished attempt adds to the history besides its result.
struct AttemptDetails {
    double seconds = 0;
    qint64 keys = 0;
    KeyStats keyStats; // only the keys of this attempt
};

} // namespace tapalong

namespace tapalong::History {

// About a year of a keen child's play (five or six attempts a day), a few hundred kilobytes
// per child in a file that is rewritten after every change; enough for every chart the
// grown-ups' view draws.
inline constexpr qsizetype maxEntries = 2000;

// The lesson id a tricky-key practice is kept under; no lesson of the course has it.
inline constexpr QLatin1StringView trickyLessonId{"tricky"};
// The lesson id every text from home is kept under, whichever text it was.
inline constexpr QLatin1StringView homeTextLessonId{"home"};
// Tricky-key practice and texts from home: typed like a lesson, yet no lesson and no goal.
inline bool isPractice(QStringView lessonId)
{
    return lessonId == trickyLessonId || lessonId == homeTextLessonId;
}

// Appends the entry and lets the oldest go beyond maxEntries.
void append(QList<PracticeEntry> &history, PracticeEntry entry);

// One typed key: right when it is the expected one. Counts saturate.
void count(KeyStats &stats, QChar expected, QChar typed);
void merge(KeyStats &into, const KeyStats &from);

// Compact JSON, to be placed in the save file as a profile's values. Empty when an entry holds
// a number JSON cannot express.
QByteArray encodeHistory(const QList<PracticeEntry> &history);
QByteArray encodeKeyStats(const KeyStats &stats);

// Lenient, unlike the rest of the file: these fields only inform the grown-ups' view, so a
// malformed entry is dropped with a line in the log, and absent or null reads as empty. Keeps
// the newest maxEntries.
QList<PracticeEntry> readHistory(const QJsonValue &value);
KeyStats readKeyStats(const QJsonValue &value);

} // namespace tapalong::History
