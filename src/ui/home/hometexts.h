// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Texts from home for the dashboard: the current explorer's texts, each a way into the lesson
// screen.
#pragma once

#include "appstore.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// One text from home as a list shows it.
struct HomeText {
    Q_GADGET
    QML_VALUE_TYPE(homeText)
    // The text's own id, as the store takes it.
    Q_PROPERTY(QString id MEMBER id)
    // What the lesson screen opens it by.
    Q_PROPERTY(QString lessonId MEMBER lessonId)
    // Its first words.
    Q_PROPERTY(QString preview MEMBER preview)

public:
    QString id;
    QString lessonId;
    QString preview;

    bool operator==(const HomeText &) const = default;

    static QList<HomeText> of(const Profile &profile);
};

// Read-only: recomputed from the store whenever its data change.
class HomeTexts : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)
    // The current explorer's, in the order they were added; empty without one.
    Q_PROPERTY(QList<tapalong::HomeText> texts READ texts NOTIFY updated)

public:
    explicit HomeTexts(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);
    const QList<HomeText> &texts() const { return m_texts; }

signals:
    void storeChanged();
    void updated();

private:
    void refresh();

    QPointer<AppStore> m_store;
    QList<HomeText> m_texts;
};

} // namespace tapalong
