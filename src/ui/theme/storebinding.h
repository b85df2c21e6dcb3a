// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Points a view model at the store and keeps it refreshed whenever the store's data change.
#pragma once

#include "appstore.h"

#include <QPointer>

namespace tapalong {

// Returns false, changing nothing, when `store` is already the one held. Otherwise the model
// listens to the new store (and refreshes when it goes away) and the caller announces the change.
template <typename Model>
bool rebindStore(QPointer<AppStore> &held, AppStore *store, Model *model, void (Model::*refresh)())
{
    if (store == held)
        return false;
    if (held)
        held->disconnect(model);
    held = store;
    if (held) {
        QObject::connect(held, &AppStore::dataChanged, model, refresh);
        QObject::connect(held, &QObject::destroyed, model, refresh);
    }
    return true;
}

} // namespace tapalong
