#include "navigation.h"

#include "curriculum.h"
#include "history.h"

namespace tapalong {

QString Screen::key() const
{
    switch (kind) {
    case Kind::main:
        return QStringLiteral("main");
    case Kind::lesson:
        return QStringLiteral("lesson-") + lessonId;
    case Kind::game:
        return QStringLiteral("game-") + gameId(gameKind);
    case Kind::bonus:
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

QString Navigation::kind() const
{
    switch (m_screen.kind) {
    case Screen::Kind::main:
        return QStringLiteral("main");
    case Screen::Kind::lesson:
        return QStringLiteral("lesson");
    case Screen::Kind::game:
        return QStringLiteral("game");
    case Screen::Kind::bonus:
        return QStringLiteral("bonus");
    }
    return {};
}

QString Navigation::game() const
{
    const bool playing =
        m_screen.kind == Screen::Kind::game || m_screen.kind == Screen::Kind::bonus;
    return playing ? gameId(m_screen.gameKind) : QString();
}

QString Navigation::nextLessonId() const
{
    if (m_screen.kind != Screen::Kind::bonus)
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
    if (lessonId != History::trickyLessonId && !Curriculum::lessonById(lessonId))
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

bool Navigation::openBonus(const QString &lessonId, const QString &game)
{
    const std::optional<GameKind> kind = gameKindFromId(game);
    if (!kind || !Curriculum::lessonById(lessonId))
        return false;
    setScreen(Screen::bonus(lessonId, *kind));
    return true;
}

} // namespace tapalong
