// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What the games tab shows: the keys the games will drill and one card per game.
#pragma once

#include "appstore.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// One game on the games tab.
struct GameCardInfo {
    Q_GADGET
    QML_VALUE_TYPE(gameCard)
    // The game's id, which opens it.
    Q_PROPERTY(QString kind MEMBER kind)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString tagline MEMBER tagline)
    Q_PROPERTY(QString scoreLine MEMBER scoreLine)

public:
    QString kind;
    QString emoji;
    QString title;
    QString tagline;
    QString scoreLine;

    bool operator==(const GameCardInfo &) const = default;
};

// Read-only: recomputed from the store whenever its data change. Without a store, or while no
// profile is current, it shows a blank explorer: the home-row keys and no scores.
class GamesHub : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)
    // "A S D F J K L": the current explorer's letters, at most twelve of them, then " …".
    Q_PROPERTY(QString learnedKeys READ learnedKeys NOTIFY updated)
    // One card per game in GameKind order.
    Q_PROPERTY(QList<tapalong::GameCardInfo> cards READ cards NOTIFY updated)

public:
    explicit GamesHub(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);

    QString learnedKeys() const { return m_learnedKeys; }
    QList<GameCardInfo> cards() const { return m_cards; }

    // Upper-case keys joined by spaces; past twelve only the first twelve and " …".
    static QString keysLabel(const QString &keys);
    // "High score: 480", or the nudge to play when there is nothing above zero.
    static QString scoreLine(qint64 best);
    static QString tagline(GameKind kind);

signals:
    void storeChanged();
    void updated();

private:
    void refresh();

    QPointer<AppStore> m_store;
    QString m_learnedKeys;
    QList<GameCardInfo> m_cards;
};

} // namespace tapalong
