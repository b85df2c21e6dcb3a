// What the games tab shows: the keys the games will drill and one card per game.
#pragma once

#include "appstore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// Read-only: recomputed from the store whenever its data change. Without a store, or while no
// profile is current, it shows a blank explorer: the home-row keys and no scores.
class GamesHub : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)
    // "A S D F J K L": the current explorer's letters, at most twelve of them, then " …".
    Q_PROPERTY(QString learnedKeys READ learnedKeys NOTIFY updated)
    // One map per game in GameKind order: kind (the game's id), emoji, title, tagline and
    // scoreLine.
    Q_PROPERTY(QVariantList cards READ cards NOTIFY updated)

public:
    explicit GamesHub(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);

    QString learnedKeys() const { return m_learnedKeys; }
    QVariantList cards() const { return m_cards; }

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
    QVariantList m_cards;
};

} // namespace tapalong
