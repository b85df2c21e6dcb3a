// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Hands the narrator a control's name as it gets the focus, or as the pointer rests on it.
#pragma once

#include <QPointF>
#include <QPointer>
#include <QQuickItem>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// One per window, anywhere in it: it watches the whole window, so no screen has to take part.
// The name is the one a screen reader reads (Accessible.name, or a button's text), so what a
// child hears is what Orca would say. Whether anything is heard is the edge's business
// (Feedback): only for an explorer who asked for names, with the voice on, and never over the
// tutorial's own lines.
class SpokenNames : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT

public:
    explicit SpokenNames(QQuickItem *parent = nullptr);

    // How long the pointer must rest on a control before its name is said: long enough that a
    // pointer passing over the screen says nothing.
    static constexpr int restMs = 700;

    // The name a screen reader reads for the item; empty when it has none.
    static QString nameOf(QQuickItem *item);
    // The innermost control under a point of the window: an item Tab can reach, with a name.
    static QQuickItem *controlAt(QQuickItem *root, QPointF windowPoint);

protected:
    void itemChange(ItemChange change, const ItemChangeData &data) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QQuickWindow *window);
    void onFocusMoved();
    void onRested();

    QPointer<QQuickWindow> m_window;
    QMetaObject::Connection m_focusConnection;
    QTimer m_rest;
    QPointF m_pointer;
    QPointer<QQuickItem> m_restedOn; // said already; said again only once the pointer left it
};

} // namespace tapalong
