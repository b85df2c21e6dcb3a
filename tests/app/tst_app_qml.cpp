// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Runs the Qt Quick tests of the root view against the statically linked modules.
#include "quicktestsetup.h"
#include "testsupport.h"

#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tapalong_AppPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)

struct Setup : QuickTestSetup {
    Setup() : QuickTestSetup(tapalong::TestSupport::store, &tapalong::TestSupport::sounds) {}
};

QUICK_TEST_MAIN_WITH_SETUP(tst_app_qml, Setup)
