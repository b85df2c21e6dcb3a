// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "navigation.h"

#include "curriculum.h"
#include "history.h"
#include "textcheck.h"

namespace tapalong {

QString Screen::key() const
{
    switch (kind) {
    case Kind::Main:
        return QStringLiteral("main");
    case Kind::Lesson:
        return QStringLiteral("lesson-") + lessonId;
    case Kind::Game:
        return QStringLiteral("game-") + gameId(gameKind);
    case Kind::Bonus:
        return QStringLiteral("bonus-") + lessonId + QLatin1Char('-') + gameId(gameKind);
    }
    return {};
}

void Navigation::setScreen(const Screen &screen)
{
    if (screen == m_screen)
        return;
    m_screen = screen;
    emit screenChanged();
}

QString Navigation::game() const
{
    const bool playing =
        m_screen.kind == Screen::Kind::Game || m_screen.kind == Screen::Kind::Bonus;
    return playing ? gameId(m_screen.gameKind) : QString();
}

QString Navigation::nextLessonId() const
{
    if (m_screen.kind != Screen::Kind::Bonus)
        return {};
    const std::optional<Lesson> lesson = Curriculum::lessonById(m_screen.lessonId);
    const std::optional<Lesson> next = lesson ? Curriculum::lessonAfter(*lesson) : std::nullopt;
    return next ? next->id : QString();
}

void Navigation::showMain()
{
    setScreen(Screen::main());
}

bool Navigation::openLesson(const QString &lessonId)
{
    if (lessonId != History::trickyLessonId && !TextCheck::textIdOf(lessonId) &&
        !Curriculum::lessonById(lessonId))
        return false;
    setScreen(Screen::lesson(lessonId));
    return true;
}

bool Navigation::openGame(const QString &game)
{
    const std::optional<GameKind> kind = gameKindFromId(game);
    if (!kind)
        return false;
    setScreen(Screen::game(*kind));
    return true;
}

QUrl Navigation::gameScreenUrl(const QString &game) const
{
    const std::optional<GameKind> kind = gameKindFromId(game);
    if (!kind)
        return {};
    // The games' module keeps its QML files under their bare names.
    return QUrl(QStringLiteral("qrc:/qt/qml/Tapalong/Games/") + facts(*kind).screen.toString() +
                QStringLiteral(".qml"));
}

bool Navigation::openBonus(const QString &lessonId, const QString &game)
{
    const std::optional<GameKind> kind = gameKindFromId(game);
    if (!kind || !Curriculum::lessonById(lessonId))
        return false;
    setScreen(Screen::bonus(lessonId, *kind));
    return true;
}

} // namespace tapalong
