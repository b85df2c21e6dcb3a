// Lets the Qt Quick tests of the game screens set up the household and run a game quickly.
#pragma once

#include "gameframe.h"
#include "recordingsound.h"

#include <QObject>
#include <QString>
#include <QWindow>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

namespace tapalong {

class AppStore;

class GamesTestSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    static GamesTestSupport *create(QQmlEngine *, QJSEngine *) { return new GamesTestSupport; }

    // The store under test, set before the first QML file loads.
    static inline AppStore *store = nullptr;

    // Nobody in the household, nothing heard yet.
    Q_INVOKABLE void reset();
    // The current explorer has finished every lesson up to this one.
    Q_INVOKABLE void finishLessonsThrough(const QString &lessonId);
    // Games recorded for the current explorer.
    Q_INVOKABLE int recordedGames() const;
    // Fires the game timer `ticks` times at once, or until the game is over.
    Q_INVOKABLE void runTicks(tapalong::GameFrame *frame, int ticks);
    // A key held down: one press, then `repeats` auto-repeated presses.
    Q_INVOKABLE void holdKey(QWindow *window, int key, const QString &text, int repeats);

private:
    RecordingSoundBackend m_sounds; // keeps the games quiet
};

} // namespace tapalong
