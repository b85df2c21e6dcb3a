// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What the champions tab shows: the board chosen in its tab strip and that board's ranking.
#pragma once

#include "appstore.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// One tab of the champions strip.
struct BoardTabInfo {
    Q_GADGET
    QML_VALUE_TYPE(boardTab)
    Q_PROPERTY(QString emoji MEMBER emoji)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString name MEMBER name)

public:
    QString emoji;
    QString title;
    QString name; // untranslated, for the tab's objectName

    bool operator==(const BoardTabInfo &) const = default;
};

// One explorer's line on a board.
struct ChampionRowInfo {
    Q_GADGET
    QML_VALUE_TYPE(championRow)
    // The form the store's profile list uses.
    Q_PROPERTY(QString id MEMBER id)
    // From 1.
    Q_PROPERTY(int rank MEMBER rank)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(QString avatar MEMBER avatar)
    Q_PROPERTY(QString value MEMBER value)
    Q_PROPERTY(bool isCurrent MEMBER isCurrent)

public:
    QString id;
    int rank = 0;
    QString name;
    QString avatar;
    QString value;
    bool isCurrent = false;

    bool operator==(const ChampionRowInfo &) const = default;
};

// Lives as long as the tab, so every visit starts on the stars board. The rows follow the
// store's data as they change.
class ChampionsBoard : public QObject {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(tapalong::AppStore *store READ store WRITE setStore NOTIFY storeChanged)
    // The tab strip: a board per game, then stars and speed.
    Q_PROPERTY(QList<tapalong::BoardTabInfo> boards READ boards CONSTANT)
    // The chosen board's place in `boards`; an index outside it changes nothing.
    Q_PROPERTY(int board READ board WRITE setBoard NOTIFY boardChanged)
    // Best first, one row per explorer on the board.
    Q_PROPERTY(QList<tapalong::ChampionRowInfo> rows READ rows NOTIFY rowsChanged)
    // What the chosen board says while nobody is on it.
    Q_PROPERTY(QString emptyMessage READ emptyMessage NOTIFY boardChanged)

public:
    explicit ChampionsBoard(QObject *parent = nullptr);

    AppStore *store() const { return m_store; }
    void setStore(AppStore *store);

    QList<BoardTabInfo> boards() const;
    int board() const { return m_board; }
    void setBoard(int board);
    QList<ChampionRowInfo> rows() const { return m_rows; }
    QString emptyMessage() const;

signals:
    void storeChanged();
    void boardChanged();
    void rowsChanged();

private:
    void refresh();

    QPointer<AppStore> m_store;
    int m_board;
    QList<ChampionRowInfo> m_rows;
};

} // namespace tapalong
