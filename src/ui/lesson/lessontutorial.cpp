// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "lessontutorial.h"

#include "announcer.h"

#include <utility>

namespace tapalong {

void LessonTutorial::setSteps(QList<TutorialStep> steps)
{
    m_steps = std::move(steps);
    m_index = m_steps.isEmpty() ? -1 : 0;
    emit stepsChanged();
    emit indexChanged();
}

void LessonTutorial::handleKey(const KeyInput &key)
{
    if (!isActive())
        return;
    if (key.keyCode == KeyInput::escape) {
        end();
        return;
    }
    const TutorialStep &current = m_steps.at(m_index);
    if (current.requiredKey && key.ch.size() == 1 && key.ch.front() == *current.requiredKey) {
        Announcer::instance().announce(Announcer::Event::tutorialKeyFound);
        advance();
        return;
    }
    if (key.ch == u" " || key.keyCode == KeyInput::returnKey)
        advance();
}

void LessonTutorial::advance()
{
    if (!isActive() || m_leaving)
        return;
    if (m_index + 1 >= count()) {
        end();
        return;
    }
    setIndex(m_index + 1);
    Announcer::instance().say(step().speech);
}

void LessonTutorial::end()
{
    Announcer::instance().hush();
    close();
}

void LessonTutorial::close()
{
    setIndex(-1);
}

void LessonTutorial::replay()
{
    if (isActive() && !m_leaving)
        Announcer::instance().say(step().speech);
}

TutorialStep LessonTutorial::step() const
{
    return isActive() ? m_steps.at(m_index) : TutorialStep{};
}

void LessonTutorial::setIndex(int index)
{
    if (m_index == index)
        return;
    m_index = index;
    emit indexChanged();
}

} // namespace tapalong
