// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The animals an explorer can be, named in words for a screen reader.
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// A screen reader would spell an emoji out by its Unicode name ("fox face"), or not at all;
// children hear the animal's plain name in their own language.
class AvatarNames : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The animal's translated name; the emoji itself for one not in the picker.
    Q_INVOKABLE static QString nameOf(const QString &avatar);
};

} // namespace tapalong
