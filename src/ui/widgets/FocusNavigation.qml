// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
import QtQuick

// Keyboard moves among the focusable cards of a grid, and scrolling so that the focused one
// shows. Left and Right step through the cells in Tab order; Up and Down go to the nearest cell
// of the row above or below, also across the grid's sections.
QtObject {
    id: root

    // function(item): whether a focusable item is one of the grid's cells.
    property var isCell: null
    // Scrolled to keep the focused cell in sight, when there is one.
    property Flickable flickable: null

    function cellsFrom(from: Item): var {
        const found = [from]
        for (let item = from.nextItemInFocusChain(true); item && item !== from;
             item = item.nextItemInFocusChain(true)) {
            if (root.isCell(item))
                found.push(item)
            if (found.length > 500)
                break
        }
        return found
    }

    function centre(item: Item): point {
        return item.mapToItem(null, item.width / 2, item.height / 2)
    }

    // The cell the arrow goes to, or null at the grid's edge.
    function target(from: Item, key: int): Item {
        const cells = cellsFrom(from)
        if (key === Qt.Key_Right || key === Qt.Key_Left) {
            // cells[0] is `from`; Tab order wraps, the arrows stop at the ends.
            const next = key === Qt.Key_Right ? cells[1] : cells[cells.length - 1]
            if (!next)
                return null
            const here = centre(from)
            const there = centre(next)
            const forward = there.y > here.y + 1 || (Math.abs(there.y - here.y) <= 1 && there.x > here.x)
            return forward === (key === Qt.Key_Right) ? next : null
        }
        const down = key === Qt.Key_Down
        const here = centre(from)
        let best = null
        let bestRowGap = Infinity
        let bestColumnGap = Infinity
        for (let i = 1; i < cells.length; ++i) {
            const there = centre(cells[i])
            const rowGap = down ? there.y - here.y : here.y - there.y
            if (rowGap <= 1)
                continue
            const columnGap = Math.abs(there.x - here.x)
            if (rowGap < bestRowGap - 1 || (Math.abs(rowGap - bestRowGap) <= 1 && columnGap < bestColumnGap)) {
                best = cells[i]
                bestRowGap = rowGap
                bestColumnGap = columnGap
            }
        }
        return best
    }

    // For a cell's Keys.onPressed: moves the focus with an arrow key and accepts it.
    function handleKey(from: Item, event: KeyEvent) {
        if (event.key !== Qt.Key_Left && event.key !== Qt.Key_Right && event.key !== Qt.Key_Up
                && event.key !== Qt.Key_Down)
            return
        event.accepted = true
        const next = target(from, event.key)
        if (next)
            next.forceActiveFocus(Qt.TabFocusReason)
    }

    // Scrolls the flickable so that the whole of `item` shows, with a margin.
    function reveal(item: Item) {
        if (!flickable || !item)
            return
        const top = item.mapToItem(flickable.contentItem, 0, 0).y - 16
        const bottom = top + item.height + 32
        const maxY = Math.max(0, flickable.contentHeight - flickable.height)
        if (top < flickable.contentY)
            flickable.contentY = Math.max(0, top)
        else if (bottom > flickable.contentY + flickable.height)
            flickable.contentY = Math.min(maxY, bottom - flickable.height)
    }
}
