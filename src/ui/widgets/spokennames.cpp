// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "spokennames.h"

#include "announcer.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QQuickWindow>

namespace tapalong {

SpokenNames::SpokenNames(QQuickItem *parent) : QQuickItem(parent)
{
    m_rest.setSingleShot(true);
    m_rest.setInterval(restMs);
    connect(&m_rest, &QTimer::timeout, this, &SpokenNames::onRested);
}

namespace {

// The narrator would spell an emoji or an arrow out by its Unicode name, or stumble on it.
QString speakable(const QString &name)
{
    QList<char32_t> kept;
    for (const char32_t ch : name.normalized(QString::NormalizationForm_C).toUcs4()) {
        // Emoji are symbols; their variation selectors and joiners go with them.
        const bool selector = (ch >= 0xFE00 && ch <= 0xFE0F) || (ch >= 0xE0100 && ch <= 0xE01EF);
        const QChar::Category category = QChar::category(ch);
        if (!selector && category != QChar::Symbol_Other && category != QChar::Other_Format)
            kept.append(ch);
    }
    return QString::fromUcs4(kept.constData(), kept.size()).simplified();
}

void sayName(QQuickItem *item)
{
    Announcer::instance().tell(speakable(SpokenNames::nameOf(item)), Announcer::Line::name);
}

} // namespace

QString SpokenNames::nameOf(QQuickItem *item)
{
    QAccessibleInterface *accessible = item ? QAccessible::queryAccessibleInterface(item) : nullptr;
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

QQuickItem *SpokenNames::controlAt(QQuickItem *root, QPointF windowPoint)
{
    QQuickItem *found = nullptr;
    // The topmost child under the point at each level, as the pointer's events would go.
    for (QQuickItem *item = root; item;) {
        if (item->activeFocusOnTab() && item->isEnabled() &&
            !nameOf(item).isEmpty() && item != root)
            found = item;
        item = item->childAt(item->mapFromScene(windowPoint).x(),
                             item->mapFromScene(windowPoint).y());
    }
    return found;
}

void SpokenNames::itemChange(ItemChange change, const ItemChangeData &data)
{
    if (change == ItemSceneChange)
        watch(data.window);
    QQuickItem::itemChange(change, data);
}

void SpokenNames::watch(QQuickWindow *window)
{
    if (m_window == window)
        return;
    if (m_window) {
        m_window->removeEventFilter(this);
        disconnect(m_focusConnection);
    }
    m_window = window;
    m_rest.stop();
    if (!window)
        return;
    window->installEventFilter(this);
    m_focusConnection = connect(window, &QQuickWindow::activeFocusItemChanged, this,
                                &SpokenNames::onFocusMoved);
}

void SpokenNames::onFocusMoved()
{
    if (!m_window || !isVisible())
        return;
    QQuickItem *item = m_window->activeFocusItem();
    // Focus that only comes back to the window's root, or to a typing surface, names nothing.
    if (!item || item == m_window->contentItem() || !item->activeFocusOnTab())
        return;
    sayName(item);
}

bool SpokenNames::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::HoverMove:
        case QEvent::Enter:
            m_pointer = static_cast<QSinglePointEvent *>(event)->scenePosition();
            m_rest.start();
            break;
        case QEvent::Leave:
            m_rest.stop();
            m_restedOn = nullptr;
            break;
        default:
            break;
        }
    }
    return QQuickItem::eventFilter(watched, event);
}

void SpokenNames::onRested()
{
    if (!m_window || !isVisible())
        return;
    QQuickItem *control = controlAt(m_window->contentItem(), m_pointer);
    if (control == m_restedOn)
        return;
    m_restedOn = control;
    if (control)
        sayName(control);
}

} // namespace tapalong
