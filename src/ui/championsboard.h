// What the champions tab shows: the board chosen in its tab strip and that board's ranking.
#pragma once

#include "appstore.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// Lives as long as the tab, so every visit starts on the stars board. The rows follow the
// store's data as they change.
class ChampionsBoard : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)
    // The tab strip, one map per board: emoji and title; the five games, then stars and speed.
    Q_PROPERTY(QVariantList boards READ boards CONSTANT)
    // The chosen board's place in `boards`; an index outside it changes nothing.
    Q_PROPERTY(int board READ board WRITE setBoard NOTIFY boardChanged)
    // Best first, one map per explorer on the board: id, rank (from 1), name, avatar, value and
    // isCurrent.
    Q_PROPERTY(QVariantList rows READ rows NOTIFY rowsChanged)
    // What the chosen board says while nobody is on it.
    Q_PROPERTY(QString emptyMessage READ emptyMessage NOTIFY boardChanged)

public:
    explicit ChampionsBoard(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);

    QVariantList boards() const;
    int board() const { return m_board; }
    void setBoard(int board);
    QVariantList rows() const { return m_rows; }
    QString emptyMessage() const;

signals:
    void storeChanged();
    void boardChanged();
    void rowsChanged();

private:
    void refresh();

    QPointer<AppStore> m_store;
    int m_board;
    QVariantList m_rows;
};

} // namespace tapalong
