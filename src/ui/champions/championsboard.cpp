// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "championsboard.h"
#include "storebinding.h"
#include "translatedtable.h"

namespace tapalong {

namespace {

const QList<Board> &allBoards()
{
    static TranslatedTable<QList<Board>> boards(Board::all);
    return boards.get();
}

} // namespace

ChampionsBoard::ChampionsBoard(QObject *parent)
    : QObject(parent), m_board(int(allBoards().indexOf(Board::stars())))
{
}

void ChampionsBoard::setStore(AppStore *store)
{
    if (!rebindStore(m_store, store, this, &ChampionsBoard::refresh))
        return;
    emit storeChanged();
    refresh();
}

QList<BoardTabInfo> ChampionsBoard::boards() const
{
    QList<BoardTabInfo> boards;
    for (const Board &board : allBoards())
        boards.append({board.emoji(), board.title(), board.name()});
    return boards;
}

void ChampionsBoard::setBoard(int board)
{
    if (board == m_board || board < 0 || board >= allBoards().size())
        return;
    m_board = board;
    emit boardChanged();
    refresh();
}

QString ChampionsBoard::emptyMessage() const
{
    switch (allBoards().at(m_board).type()) {
    case Board::Type::game:
        return tr("No scores yet — be the first to play!");
    case Board::Type::stars:
        return tr("No stars yet — finish a lesson to get on the board!");
    case Board::Type::speed:
        return tr("No speeds yet — finish a lesson to set your pace!");
    }
    Q_UNREACHABLE();
}

void ChampionsBoard::refresh()
{
    QList<ChampionRowInfo> rows;
    if (m_store) {
        const AppData &data = m_store->data();
        const Profile *current = m_store->currentProfile();
        int rank = 0;
        for (const LeaderRow &row : allBoards().at(m_board).rows(data)) {
            rows.append({row.id.toString(QUuid::WithoutBraces).toUpper(), ++rank, row.name,
                         row.avatar, row.value, current && row.id == current->id});
        }
    }
    if (rows == m_rows)
        return;
    m_rows = std::move(rows);
    emit rowsChanged();
}

} // namespace tapalong
