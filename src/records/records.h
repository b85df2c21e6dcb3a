// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The saved records: everything Tapalong remembers between runs is one AppData.
#pragma once

#include "comfort.h"
#include "gamefacts.h"
#include "layoutname.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QUuid>

#include <chrono>
#include <compare>
#include <optional>

namespace tapalong {

// An absolute moment, kept as seconds since 2001-01-01 00:00:00 UTC exactly as the save
// file holds it, so that a moment read from the file writes back bit for bit (QDateTime
// would round it to milliseconds).
struct Timestamp {
    double secondsSinceReference = 0;

    static Timestamp fromDateTime(const QDateTime &moment);
    QDateTime toDateTime() const; // UTC, millisecond precision
    QDate localDate() const;      // the calendar day in the user's time zone

    auto operator<=>(const Timestamp &) const = default;
};

// Where time comes from; tests hand in a fake one.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Timestamp now() const = 0;
};

class SystemClock final : public Clock {
public:
    Timestamp now() const override;
};

// The wall time when it was made, moved on by the monotonic clock: the time between two of its
// readings never jumps when the system clock is set, so a speed measured with it stays true.
// For durations; dates that are saved come from a SystemClock.
class SteadyClock final : public Clock {
public:
    SteadyClock();
    Timestamp now() const override;

private:
    Timestamp m_anchor;
    std::chrono::steady_clock::time_point m_start;
};

struct AppSettings {
    bool soundEnabled = true;
    bool voiceEnabled = true;
    // The household's keyboard; files from before the choice existed mean US.
    LayoutName keyboardLayout;
    // The household's language ("de", "fr", "es", "en") once a grown-up has chosen one; until
    // then the desktop's. Kept as written, so that a language a later version knows survives.
    std::optional<QString> language;

    bool operator==(const AppSettings &) const = default;
};

struct LessonResult {
    qint64 stars = 0;
    double wpm = 0;
    double accuracy = 0;
    Timestamp date;

    bool operator==(const LessonResult &) const = default;
};

struct GameScore {
    QUuid id;
    GameKind kind = GameKind::letterDrop;
    qint64 score = 0;
    std::optional<double> wpm;
    Timestamp date;

    bool operator==(const GameScore &) const = default;
};

// Per expected character: how often it was typed right and wrong, and what came instead.
struct KeyStat {
    qint64 right = 0;
    qint64 wrong = 0;
    QMap<QChar, qint64> typedInstead;

    bool operator==(const KeyStat &) const = default;
};
using KeyStats = QMap<QChar, KeyStat>;

// One finished lesson attempt, tricky-key practice or game, for the grown-ups' view. A game
// has a kind and a score; the others have a lesson id and the typing figures.
struct PracticeEntry {
    Timestamp date;
    std::optional<GameKind> game;
    QString lessonId; // a Lesson.id, "tricky" for tricky-key practice, "home" for a text from home
    double wpm = 0;
    double accuracy = 0;
    qint64 stars = 0;
    qint64 keys = 0; // every key typed, right and wrong
    qint64 score = 0;
    double seconds = 0;

    bool isGame() const { return game.has_value(); }
    bool operator==(const PracticeEntry &) const = default;
};

// A text a grown-up gave an explorer to type, as it was saved: already checked against the
// keyboard and within the limits of PracticeTexts (practicetexts.h).
struct PracticeText {
    QUuid id;
    QString text;
    Timestamp added;

    bool operator==(const PracticeText &) const = default;
};

// What the narrator says for an explorer beyond the lessons' own lines, while the voice is on.
struct SpokenHelp {
    bool sayNames = false;   // a control's name when it gets the focus or the pointer rests on it
    bool sayNextKey = false; // each next key of a drill as it comes up

    bool operator==(const SpokenHelp &) const = default;
};

struct Profile {
    QUuid id;
    QString name;
    QString avatar;
    Timestamp createdAt;
    QMap<QString, LessonResult> lessonResults; // by lesson id, e.g. "u1l1"
    QList<GameScore> gameScores;               // highest score first, at most 60
    QMap<QString, Timestamp> badges;           // by badge id: when it was earned
    qint64 totalCorrectKeys = 0;
    qint64 streak = 0;
    std::optional<Timestamp> lastActiveDay;
    QList<PracticeEntry> history; // oldest first, at most History::maxEntries
    KeyStats keyStats;
    QList<PracticeText> practiceTexts; // in the order they were added
    Comfort comfort;
    SpokenHelp spokenHelp;

    qint64 totalStars() const;
    double bestWPM() const;
    qint64 bestScore(GameKind kind) const;

    bool operator==(const Profile &) const = default;
};

struct AppData {
    QList<Profile> profiles; // creation order
    std::optional<QUuid> currentProfileID;
    AppSettings settings;

    // The first profile whose id is currentProfileID; null when there is none, including
    // when the id matches no profile.
    const Profile *currentProfile() const;

    bool operator==(const AppData &) const = default;
};

} // namespace tapalong
