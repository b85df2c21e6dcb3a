// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "records.h"

#include <QtNumeric>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace tapalong {

namespace {

// 2001-01-01T00:00:00Z in milliseconds since the Unix epoch.
constexpr qint64 referenceMSecs = 978'307'200'000;
// Far beyond any real moment, yet well inside QDateTime's range.
constexpr double maxRepresentableSeconds = 1e15;

} // namespace

Timestamp Timestamp::fromDateTime(const QDateTime &moment)
{
    return {double(moment.toMSecsSinceEpoch() - referenceMSecs) / 1000.0};
}

QDateTime Timestamp::toDateTime() const
{
    // A value read from a file may be anything; out of range gives an invalid QDateTime.
    if (!(std::abs(secondsSinceReference) < maxRepresentableSeconds))
        return {};
    // Down to the millisecond, so that a moment late on a day never reads as the next day. The
    // product may land a hair off a whole millisecond: the one kept is the last whose moment
    // fromDateTime() would write as this value or earlier, so every saved millisecond reads back
    // as itself.
    auto msecs = qint64(std::floor(secondsSinceReference * 1000.0));
    if (double(msecs + 1) / 1000.0 <= secondsSinceReference)
        ++msecs;
    else if (double(msecs) / 1000.0 > secondsSinceReference)
        --msecs;
    return QDateTime::fromMSecsSinceEpoch(referenceMSecs + msecs, Qt::UTC);
}

QDate Timestamp::localDate() const
{
    return toDateTime().toLocalTime().date();
}

SteadyClock::SteadyClock()
    : m_anchor(SystemClock().now()), m_start(std::chrono::steady_clock::now())
{
}

Timestamp SteadyClock::now() const
{
    const std::chrono::duration<double> since = std::chrono::steady_clock::now() - m_start;
    return {m_anchor.secondsSinceReference + since.count()};
}

Timestamp SystemClock::now() const
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<nanoseconds>(system_clock::now().time_since_epoch());
    const auto sinceReference = sinceEpoch - milliseconds(referenceMSecs);
    return {duration<double>(sinceReference).count()};
}

qint64 Profile::totalStars() const
{
    // Saturates: a hand-edited file may hold any Int, and signed overflow is undefined.
    qint64 total = 0;
    for (const LessonResult &result : lessonResults) {
        if (qAddOverflow(total, result.stars, &total))
            total = result.stars > 0 ? std::numeric_limits<qint64>::max()
                                     : std::numeric_limits<qint64>::min();
    }
    return total;
}

double Profile::bestWPM() const
{
    if (lessonResults.isEmpty())
        return 0;
    const auto best = std::max_element(
        lessonResults.cbegin(), lessonResults.cend(),
        [](const LessonResult &a, const LessonResult &b) { return a.wpm < b.wpm; });
    return best->wpm;
}

qint64 Profile::bestScore(GameKind kind) const
{
    std::optional<qint64> best;
    for (const GameScore &game : gameScores) {
        if (game.kind == kind && (!best || game.score > *best))
            best = game.score;
    }
    return best.value_or(0);
}

const Profile *AppData::currentProfile() const
{
    if (!currentProfileID)
        return nullptr;
    const auto it = std::find_if(profiles.cbegin(), profiles.cend(),
                                 [&](const Profile &p) { return p.id == *currentProfileID; });
    return it == profiles.cend() ? nullptr : &*it;
}

} // namespace tapalong
