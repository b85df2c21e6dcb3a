// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The sixteen badges a profile can earn once and keep, and the step that awards them.
#pragma once

#include "records.h"

#include <QList>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>

namespace tapalong {

struct Badge {
    Q_GADGET
    QML_VALUE_TYPE(badge)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString detail MEMBER detail)

public:
    QString id; // the key in Profile::badges, so part of the save format
    QString title;
    QString emoji;
    QString detail;

    bool operator==(const Badge &) const = default;
};

namespace BadgeEngine {

struct Criterion {
    Badge badge;
    std::function<bool(const Profile &)> test;
};

// Built on first use and after a language change; the order is the order badges are shown
// and awarded in.
const QList<Criterion> &criteria();
const QList<Badge> &all();

// Stamps every badge the profile newly meets with its own reading of the clock and returns
// them in table order. An earned badge is never returned again, re-dated or removed.
QList<Badge> award(Profile &profile, const Clock &clock);

// What the narrator tells of newly earned badges, one short sentence each; empty for none.
QString news(const QList<Badge> &earned);

} // namespace BadgeEngine
} // namespace tapalong
