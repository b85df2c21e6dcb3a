// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Runs the Qt Quick tests of the game screens against the statically linked modules.
#include "gamestestsupport.h"
#include "quicktestsetup.h"

#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tapalong_GamesPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

struct Setup : QuickTestSetup {
    Setup() : QuickTestSetup(tapalong::GamesTestSupport::store) {}
};

QUICK_TEST_MAIN_WITH_SETUP(tst_games_qml, Setup)
