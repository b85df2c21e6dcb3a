// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The invisible item a play screen types into, so that dead keys and input methods compose.
#pragma once

#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

namespace tapalong {

// The platform composes a dead key and a letter (´ then e gives é), and an input method such as
// IBus sends its text, only to a focus item that accepts input methods; the result arrives as an
// input-method commit that the screen's KeyMonitor reads. While `active`, this item holds the
// keyboard focus of its window and takes it back from any item that does not accept input
// methods itself (a button clicked with the mouse), so composing keeps working all through play;
// a text field that takes the focus keeps it. It draws nothing and consumes nothing: the keys
// themselves reach the screen through its KeyMonitor.
class TypingFocus : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged)

public:
    explicit TypingFocus(QQuickItem *parent = nullptr);
    // QQuickItem's destructor moves the window's focus, whose signal must no longer reach a
    // TypingFocus that is already gone.
    ~TypingFocus() override { disconnect(m_focusWatch); }

    bool isActive() const { return m_active; }
    void setActive(bool active);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    void activeChanged();

protected:
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void watchWindow(QQuickWindow *window);
    void claimLater();
    void claim();
    bool isTyping() const;

    bool m_active = true;
    bool m_claimPending = false;
    QPointer<QQuickWindow> m_window;
    QMetaObject::Connection m_focusWatch;
};

} // namespace tapalong
