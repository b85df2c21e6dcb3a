// Lets the Qt Quick tests of the tabs set up a household and hear what was played.
#pragma once

#include "appstore.h"
#include "recordingsound.h"

#include <QtQml/qqmlregistration.h>

namespace tapalong {

class UiTestSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QStringList played READ played)

public:
    // The store under test, set before the first QML file loads.
    static inline AppStore *store = nullptr;
    // What the program's edge played, set up with the store.
    static inline RecordingSoundBackend *sounds = nullptr;

    QStringList played() const { return sounds->played; }
    // No profiles, both settings on, nothing heard yet.
    Q_INVOKABLE void reset()
    {
        store->setData(AppData{});
        sounds->played.clear();
    }
    // A game played by the current explorer; the id names the game.
    Q_INVOKABLE void recordGame(const QString &game, int score)
    {
        if (const auto kind = gameKindFromId(game))
            store->recordGame(*kind, score, std::nullopt, score);
    }
};

} // namespace tapalong
