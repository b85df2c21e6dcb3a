// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The dashboard's tricky-key card: whether the current explorer has a key that trips them,
// and which keys the drill will work on.
#pragma once

#include "appstore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// Read-only: recomputed from the store whenever its data change.
class TrickyPractice : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)
    // False without a current profile, without enough statistics or when no key stands out.
    Q_PROPERTY(bool available READ available NOTIFY updated)
    // The lesson id the lesson screen plays it under.
    Q_PROPERTY(QString lessonId READ lessonId CONSTANT)
    Q_PROPERTY(QString description READ description NOTIFY updated)

public:
    explicit TrickyPractice(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    bool available() const { return m_available; }
    QString lessonId() const;
    QString description() const { return m_description; }

    // "T, K and semicolon": as the grown-ups' view names keys.
    static QString keyList(const QString &keys);

signals:
    void storeChanged();
    void updated();

private:
    void refresh();

    QPointer<AppStore> m_store;
    bool m_available = false;
    QString m_description;
};

} // namespace tapalong
