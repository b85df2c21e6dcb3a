// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The play screens' typing item: it keeps the focus composing needs, and what an input method
// commits to it reaches the screen's key monitor exactly once.
#include "keymonitor.h"
#include "typingfocus.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QQuickWindow>
#include <QTest>

using namespace tapalong;

namespace {

// A text field, as far as input methods can tell.
class FieldItem : public QQuickItem {
public:
    explicit FieldItem(QQuickItem *parent) : QQuickItem(parent)
    {
        setFlag(ItemAcceptsInputMethod, true);
    }
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        return query == Qt::ImEnabled ? QVariant(true) : QQuickItem::inputMethodQuery(query);
    }
};

void commit(const QString &text, const QString &preedit = {})
{
    QInputMethodEvent event(preedit, {});
    event.setCommitString(text);
    // Where Qt's composer and IBus send it.
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &event);
}

} // namespace

class TypingFocusTest : public QObject {
    Q_OBJECT

    QQuickWindow window;
    TypingFocus *typing = nullptr;

    bool typingHasFocus() const { return QGuiApplication::focusObject() == typing; }

private slots:
    void init()
    {
        typing = new TypingFocus(window.contentItem());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.requestActivate();
    }
    void cleanup() { delete std::exchange(typing, nullptr); }

    void holdsTheFocusComposingNeedsAgainstButtonsButNotAgainstTextFields()
    {
        QTRY_VERIFY(typingHasFocus());
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QCoreApplication::sendEvent(QGuiApplication::focusObject(), &query);
        QVERIFY(query.value(Qt::ImEnabled).toBool());

        QQuickItem button(window.contentItem()); // a control clicked with the mouse
        button.forceActiveFocus();
        QTRY_VERIFY(typingHasFocus());

        FieldItem field(window.contentItem());
        field.forceActiveFocus();
        QTest::qWait(0);
        QCOMPARE(QGuiApplication::focusObject(), &field);

        typing->setActive(false);
        typing->forceActiveFocus();
        button.forceActiveFocus();
        QTest::qWait(0);
        QCOMPARE(QGuiApplication::focusObject(), &button);
        typing->setActive(true);
        QTRY_VERIFY(typingHasFocus());

        // The root view disables a leaving screen at once; the next screen's item takes over.
        TypingFocus next(window.contentItem());
        QTest::qWait(0);
        QVERIFY(typingHasFocus());
        typing->setEnabled(false);
        QTRY_COMPARE(QGuiApplication::focusObject(), &next);
        next.setVisible(false);
        button.forceActiveFocus();
        QTest::qWait(0);
        QCOMPARE(QGuiApplication::focusObject(), &button);
    }

    void aCommitIsOneKeyAndPreeditIsNone()
    {
        QTRY_VERIFY(typingHasFocus());
        QList<KeyInput> seen;
        KeyMonitor monitor;
        monitor.start([&](const KeyInput &input) {
            seen.append(input);
            return true;
        });

        QKeyEvent dead(QEvent::KeyPress, Qt::Key_Dead_Acute, {}, QString());
        QCoreApplication::sendEvent(&window, &dead); // as it arrives with no composer at work
        commit({}, u"´"_qs);                         // an input method showing the pending accent
        commit(u"é"_qs);
        commit(u"e\u0301"_qs); // decomposed, as some input methods send it
        commit(u"´q"_qs);      // a dead key that did not combine, as IBus
        commit(u"j\u0301"_qs); // what X's compose table makes of ´ then j: no letter at all
        const QList<KeyInput> expected = {
            {QString(), KeyInput::keyCodeFor(Qt::Key_Dead_Acute), false},
            {u"é"_qs, KeyInput::keyCodeFor(Qt::Key_Eacute), false},
            {u"é"_qs, KeyInput::keyCodeFor(Qt::Key_Eacute), false},
            {u"´"_qs, KeyInput::keyCodeFor(Qt::Key_acute), false},
            {u"j"_qs, KeyInput::keyCodeFor(Qt::Key_J), false}};
        QCOMPARE(seen, expected);

        // A commit sent to the window passes the monitor twice, at the window and at the item
        // the window hands it to, and counts once.
        QInputMethodEvent toWindow;
        toWindow.setCommitString(u"x"_qs);
        QCoreApplication::sendEvent(&window, &toWindow);
        QCOMPARE(seen.size(), expected.size() + 1);
        QCOMPARE(seen.constLast().ch, u"x"_qs);

        monitor.stop();
        commit(u"é"_qs);
        QCOMPARE(seen.size(), expected.size() + 1);
    }
};

QTEST_MAIN(TypingFocusTest)
#include "tst_typingfocus.moc"
