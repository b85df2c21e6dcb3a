// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "typingfocus.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QQuickWindow>

namespace tapalong {

namespace {

bool acceptsInputMethods(QObject *object)
{
    if (!object)
        return false;
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(object, &query);
    return query.value(Qt::ImEnabled).toBool();
}

} // namespace

TypingFocus::TypingFocus(QQuickItem *parent) : QQuickItem(parent)
{
    setFlag(ItemAcceptsInputMethod, true);
    setActiveFocusOnTab(false);
    // Made with a parent, the window arrived before this class could hear of it.
    watchWindow(window());
    claimLater();
}

void TypingFocus::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    emit activeChanged();
    claimLater();
}

QVariant TypingFocus::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImHints:
        // A child types drills, not prose: nothing to predict, correct or capitalise.
        return int(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase | Qt::ImhNoEditMenu);
    case Qt::ImSurroundingText:
    case Qt::ImCurrentSelection:
    case Qt::ImTextBeforeCursor:
    case Qt::ImTextAfterCursor:
        return QString();
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
        return 0;
    default:
        return QQuickItem::inputMethodQuery(query);
    }
}

void TypingFocus::componentComplete()
{
    QQuickItem::componentComplete();
    watchWindow(window());
    claimLater();
}

void TypingFocus::itemChange(ItemChange change, const ItemChangeData &value)
{
    QQuickItem::itemChange(change, value);
    switch (change) {
    case ItemSceneChange:
        watchWindow(value.window);
        claimLater();
        break;
    case ItemVisibleHasChanged:
    case ItemEnabledHasChanged:
        claimLater();
        break;
    default:
        break;
    }
}

void TypingFocus::inputMethodEvent(QInputMethodEvent *event)
{
    // The screen's KeyMonitor has read the commit on its way here; nothing is left to insert.
    event->accept();
}

void TypingFocus::watchWindow(QQuickWindow *window)
{
    if (window == m_window)
        return;
    disconnect(m_focusWatch);
    m_window = window;
    if (window)
        m_focusWatch =
            connect(window, &QQuickWindow::activeFocusItemChanged, this, &TypingFocus::claimLater);
}

// Deferred: taking the focus inside a focus change would fight the item being given it.
void TypingFocus::claimLater()
{
    if (m_claimPending)
        return;
    m_claimPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_claimPending = false;
            claim();
        },
        Qt::QueuedConnection);
}

bool TypingFocus::isTyping() const
{
    return m_active && isVisible() && isEnabled() && m_window && isComponentComplete();
}

void TypingFocus::claim()
{
    if (!isTyping()) {
        // Hand the focus on, so that the next screen's typing item can take it.
        if (hasActiveFocus())
            setFocus(false, Qt::OtherFocusReason);
        return;
    }
    QQuickItem *holder = m_window->activeFocusItem();
    if (holder == this)
        return;
    if (holder && holder != m_window->contentItem()) {
        // Another screen's typing item keeps the focus while it types; a text field always.
        const auto *other = qobject_cast<TypingFocus *>(holder);
        if (other ? other->isTyping() : acceptsInputMethods(holder))
            return;
    }
    forceActiveFocus(Qt::OtherFocusReason);
}

} // namespace tapalong
