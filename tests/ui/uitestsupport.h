// Lets the Qt Quick tests of the tabs set up a household and hear what was played.
#pragma once

#include "recordingsound.h"

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

namespace tapalong {

class AppStore;

class UiTestSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QStringList played READ played)

public:
    static UiTestSupport *create(QQmlEngine *, QJSEngine *) { return new UiTestSupport; }

    // The store under test, set before the first QML file loads.
    static inline AppStore *store = nullptr;

    QStringList played() const { return m_sounds.played; }
    // No profiles, both settings on, nothing heard yet.
    Q_INVOKABLE void reset();
    // A game played by the current explorer; the raw value names the game.
    Q_INVOKABLE void recordGame(const QString &game, int score);
    // A lesson finished by the current explorer.
    Q_INVOKABLE void finishLesson(const QString &lessonId, int stars, double wpm);

private:
    RecordingSoundBackend m_sounds;
};

} // namespace tapalong
