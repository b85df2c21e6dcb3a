// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Runs the Qt Quick tests of the shared widgets against the statically linked Tapalong.Ui.
#include "quicktestsetup.h"
#include "uitestsupport.h"

#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tapalong_UiPlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_StorePlugin)
Q_IMPORT_QML_PLUGIN(Tapalong_CurriculumPlugin)

struct Setup : QuickTestSetup {
    Setup() : QuickTestSetup(tapalong::UiTestSupport::store, &tapalong::UiTestSupport::sounds,
                             &tapalong::UiTestSupport::speech) {}
};

QUICK_TEST_MAIN_WITH_SETUP(tst_ui_qml, Setup)
