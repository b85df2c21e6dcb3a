// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Which full-window screen the root view shows, and the key that gives each one its identity.
#pragma once

#include "records.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// The kinds of full-window screen; QML names them ScreenKind.Lesson and so on.
namespace ScreenKind {
Q_NAMESPACE
QML_ELEMENT
enum class Kind { Main, Lesson, Game, Bonus };
Q_ENUM_NS(Kind)
} // namespace ScreenKind

struct Screen {
    using Kind = ScreenKind::Kind;

    Kind kind = Kind::Main;
    QString lessonId;                         // lesson and bonus
    GameKind gameKind = GameKind::letterDrop; // game and bonus

    static Screen main() { return {}; }
    static Screen lesson(const QString &lessonId) { return {Kind::Lesson, lessonId, {}}; }
    static Screen game(GameKind kind) { return {Kind::Game, {}, kind}; }
    static Screen bonus(const QString &lessonId, GameKind kind)
    {
        return {Kind::Bonus, lessonId, kind};
    }

    // A new key means a fresh screen, even when the kind of screen stays the same.
    QString key() const;

    bool operator==(const Screen &) const = default;
};

// The root view's one piece of state. Lesson ids and game names the course does not know are
// refused, so a stale id can never lead to a screen with nothing to show.
class Navigation : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::ScreenKind::Kind kind READ kind NOTIFY screenChanged)
    Q_PROPERTY(QString screenKey READ screenKey NOTIFY screenChanged)
    // Empty on the main view and in free play.
    Q_PROPERTY(QString lessonId READ lessonId NOTIFY screenChanged)
    // The game's id; empty on the main view and on a lesson.
    Q_PROPERTY(QString game READ game NOTIFY screenChanged)
    // In a bonus round, the lesson after its lesson; empty after the last one and elsewhere.
    Q_PROPERTY(QString nextLessonId READ nextLessonId NOTIFY screenChanged)
    Q_PROPERTY(double bonusDuration READ bonusDuration CONSTANT)

public:
    static constexpr double bonusSeconds = 45;

    using QObject::QObject;

    const Screen &screen() const { return m_screen; }
    void setScreen(const Screen &screen);

    ScreenKind::Kind kind() const { return m_screen.kind; }
    QString screenKey() const { return m_screen.key(); }
    QString lessonId() const { return m_screen.lessonId; }
    QString game() const;
    QString nextLessonId() const;
    double bonusDuration() const { return bonusSeconds; }

    Q_INVOKABLE void showMain();
    // Each answers whether it switched.
    Q_INVOKABLE bool openLesson(const QString &lessonId);
    Q_INVOKABLE bool openGame(const QString &game);
    Q_INVOKABLE bool openBonus(const QString &lessonId, const QString &game);

    // Where the game table says a game's screen is; empty for a game nobody knows.
    Q_INVOKABLE QUrl gameScreenUrl(const QString &game) const;

signals:
    void screenChanged();

private:
    Screen m_screen;
};

} // namespace tapalong
