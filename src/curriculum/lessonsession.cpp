// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "lessonsession.h"

#include "announcer.h"
#include "history.h"

#include <algorithm>
#include <utility>

namespace tapalong {

LessonSession::LessonSession(Lesson lesson, const Clock &clock, QObject *parent)
    : QObject(parent), m_lesson(std::move(lesson)), m_clock(clock), m_chars(lineAt(0))
{
    m_lineStarts.reserve(size_t(m_lesson.drills.size()) + 1);
    m_lineStarts.push_back(0);
    for (const QString &line : m_lesson.drills)
        m_lineStarts.push_back(m_lineStarts.back() + int(line.size()));
}

bool LessonSession::handle(QChar ch)
{
    if (m_finished || m_charIndex >= m_chars.size())
        return false;

    const Published before = published();
    if (!m_startTime)
        m_startTime = m_clock.now();

    const bool right = m_chars.at(m_charIndex) == ch;
    History::count(m_keyStats, m_chars.at(m_charIndex), ch);
    if (right) {
        ++m_correct;
        ++m_charIndex;
        if (m_charIndex == m_chars.size())
            completeDrill();
    } else {
        ++m_wrong;
        Announcer::instance().announce(Announcer::Event::wrongKey);
    }
    announce(before);
    return right;
}

bool LessonSession::handle(const QString &text)
{
    return text.size() == 1 && handle(text.front());
}

void LessonSession::reset()
{
    const Published before = published();
    m_drillIndex = 0;
    m_charIndex = 0;
    m_chars = lineAt(0);
    m_finished = false;
    m_correct = 0;
    m_wrong = 0;
    m_keyStats.clear();
    m_startTime.reset();
    m_endTime.reset();
    announce(before);
}

void LessonSession::completeDrill()
{
    if (m_drillIndex + 1 >= m_lesson.drills.size()) {
        m_endTime = m_clock.now();
        m_finished = true;
        Announcer::instance().announce(Announcer::Event::lessonDone);
        return;
    }
    Announcer::instance().announce(Announcer::Event::lineDone);
    ++m_drillIndex;
    m_charIndex = 0;
    m_chars = lineAt(m_drillIndex);
}

std::optional<QChar> LessonSession::expected() const
{
    if (m_charIndex < m_chars.size())
        return m_chars.at(m_charIndex);
    return std::nullopt;
}

QString LessonSession::expectedText() const
{
    const auto ch = expected();
    return ch ? QString(*ch) : QString();
}

int LessonSession::typedTotal() const
{
    return m_lineStarts[size_t(m_drillIndex)] + m_charIndex;
}

double LessonSession::progress() const
{
    const int total = totalChars();
    return total == 0 ? 0.0 : double(typedTotal()) / total;
}

double LessonSession::elapsedSeconds() const
{
    if (!m_startTime)
        return 0;
    const Timestamp end = m_endTime ? *m_endTime : m_clock.now();
    return std::max(end.secondsSinceReference - m_startTime->secondsSinceReference, 1.0);
}

double LessonSession::wpm() const
{
    if (!m_startTime || m_correct < 1)
        return 0;
    // (correct / 5) / (seconds / 60) in one division, so that a speed of exactly the lesson's
    // goal is not rounded to just below it.
    return 12.0 * m_correct / elapsedSeconds();
}

double LessonSession::accuracy() const
{
    const int typed = m_correct + m_wrong;
    return typed < 1 ? 100.0 : 100.0 * m_correct / typed;
}

int LessonSession::stars() const
{
    if (!m_finished)
        return 0;
    const double percent = accuracy();
    int stars = percent >= 90 ? 2 : 1;
    if (percent >= 96 && wpm() >= m_lesson.targetWPM)
        ++stars;
    return stars;
}

LessonSession::Published LessonSession::published() const
{
    return {m_drillIndex, m_charIndex, m_chars,      m_finished, m_correct,
            m_wrong,      expected(),  typedTotal(), accuracy(), stars()};
}

void LessonSession::announce(const Published &before)
{
    if (before.drillIndex != m_drillIndex)
        emit drillIndexChanged();
    if (before.charIndex != m_charIndex)
        emit charIndexChanged();
    if (before.chars != m_chars)
        emit charsChanged();
    if (before.finished != m_finished)
        emit finishedChanged();
    if (before.correct != m_correct)
        emit correctChanged();
    if (before.wrong != m_wrong)
        emit wrongChanged();
    if (before.expected != expected())
        emit expectedChanged();
    if (before.typedTotal != typedTotal()) {
        emit typedTotalChanged();
        emit progressChanged();
    }
    // While typing, the speed moves with the clock as well as with the counts.
    if (const double now = wpm(); now != m_announcedWpm) {
        m_announcedWpm = now;
        emit wpmChanged();
    }
    if (before.accuracy != accuracy())
        emit accuracyChanged();
    if (before.stars != stars())
        emit starsChanged();
}

QString LessonSession::lineAt(int index) const
{
    return index < m_lesson.drills.size() ? m_lesson.drills.at(index) : QString();
}

} // namespace tapalong
