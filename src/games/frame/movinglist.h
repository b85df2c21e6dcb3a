// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The objects falling across a playfield, as a list model whose rows live as long as the objects.
#pragma once

#include <QAbstractListModel>
#include <QList>

#include <cstddef>
#include <vector>

namespace tapalong {

// A row is inserted when its object appears and removed when it goes, so a view keeps one
// delegate per object for its whole life; a tick only moves the rows. The vector is reserved
// up front, so a game in full swing allocates nothing. Item needs `double y` and `double speed`.
template <typename Item> class MovingList : public QAbstractListModel {
public:
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_items.size());
    }

    const std::vector<Item> &items() const { return m_items; }
    const Item &at(std::size_t row) const { return m_items.at(row); }
    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }

    void append(const Item &item)
    {
        const int row = int(m_items.size());
        beginInsertRows({}, row, row);
        m_items.push_back(item);
        endInsertRows();
    }

    void removeAt(std::size_t row)
    {
        beginRemoveRows({}, int(row), int(row));
        m_items.erase(m_items.begin() + std::ptrdiff_t(row));
        endRemoveRows();
    }

    void clear()
    {
        if (m_items.empty())
            return;
        beginRemoveRows({}, 0, int(m_items.size()) - 1);
        m_items.clear();
        endRemoveRows();
    }

    // Every object falls by speed × dt; one change over all rows, for the height alone.
    void advance(double dt)
    {
        if (m_items.empty())
            return;
        for (Item &item : m_items)
            item.y += item.speed * dt;
        emit dataChanged(index(0), index(int(m_items.size()) - 1), m_yRoles);
    }

    // Removes the matching objects, the others keeping their order, one run of rows at a time
    // from the back; returns how many went.
    template <typename Predicate> int removeIf(Predicate matches)
    {
        int removed = 0;
        std::size_t end = m_items.size();
        while (end > 0) {
            if (!matches(m_items[end - 1])) {
                --end;
                continue;
            }
            std::size_t first = end - 1;
            while (first > 0 && matches(m_items[first - 1]))
                --first;
            beginRemoveRows({}, int(first), int(end) - 1);
            m_items.erase(m_items.begin() + std::ptrdiff_t(first),
                          m_items.begin() + std::ptrdiff_t(end));
            endRemoveRows();
            removed += int(end - first);
            end = first;
        }
        return removed;
    }

protected:
    MovingList(int yRole, std::size_t capacity, QObject *parent)
        : QAbstractListModel(parent), m_yRoles{yRole}
    {
        m_items.reserve(capacity);
    }

    Item &itemAt(std::size_t row) { return m_items[row]; }

    void announce(std::size_t row, const QList<int> &roles)
    {
        const QModelIndex changed = index(int(row));
        emit dataChanged(changed, changed, roles);
    }

private:
    std::vector<Item> m_items;
    const QList<int> m_yRoles; // kept, so that a tick builds no list
};

} // namespace tapalong
