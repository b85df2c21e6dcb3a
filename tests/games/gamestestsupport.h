// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Lets the Qt Quick tests of the game screens set up the household and run a game quickly.
#pragma once

#include "appstore.h"
#include "gameframe.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

class GamesTestSupport : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // The store under test, set before the first QML file loads.
    static inline AppStore *store = nullptr;

    // Nobody in the household.
    Q_INVOKABLE void reset() { store->setData(AppData{}); }
    // Games recorded for the current explorer.
    Q_INVOKABLE int recordedGames() const
    {
        const Profile *profile = store->currentProfile();
        return profile ? int(profile->gameScores.size()) : 0;
    }
    // Whether the frame's clock moves the game on by itself.
    Q_INVOKABLE bool ticking(tapalong::GameFrame *frame) const { return frame->isTimerRunning(); }
    // Fires the game timer `ticks` times at once, or until the game is over.
    Q_INVOKABLE void runTicks(tapalong::GameFrame *frame, int ticks)
    {
        for (int i = 0; i < ticks && frame->model()->isPlaying(); ++i)
            frame->step();
    }
};

} // namespace tapalong
