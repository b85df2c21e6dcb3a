// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "keymonitor.h"

#include <QHash>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QTest>
#include <QWindow>

using namespace tapalong;

// Remembers the key presses that get past the monitor.
class KeyWindow : public QWindow {
public:
    QList<int> presses;

protected:
    void keyPressEvent(QKeyEvent *event) override { presses.append(event->key()); }
};

class TestKeyMonitor : public QObject {
    Q_OBJECT

    KeyWindow window;
    QList<KeyInput> seen;
    bool consume = true;

    KeyMonitor::Handler recorder()
    {
        return [this](const KeyInput &input) {
            seen.append(input);
            return consume;
        };
    }

    void send(QEvent::Type type, int key, const QString &text, quint64 timestamp,
              bool autoRepeat = false, quint32 scanCode = 0)
    {
        QKeyEvent event(type, key, {}, scanCode, 0, 0, text, autoRepeat);
        event.setTimestamp(timestamp);
        QCoreApplication::sendEvent(&window, &event);
    }

private slots:
    void initTestCase() { window.show(); }

    void init()
    {
        window.presses.clear();
        seen.clear();
        consume = true;
    }

    // Control shortcuts such as quitting must get past a screen that consumes every key.
    void eachKeyReachesTheLatestHandlerOnceAndItsAnswerDecides()
    {
        KeyMonitor{}.stop(); // harmless before a start
        int firstCalls = 0;
        KeyMonitor monitor;
        monitor.start([&](const KeyInput &) { return bool(++firstCalls); });
        monitor.start(recorder());
        QTest::keyClick(&window, 'A', Qt::ShiftModifier);
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        consume = false;
        QTest::keyClick(&window, Qt::Key_Escape);

        QCOMPARE(firstCalls, 0);
        QCOMPARE(seen.size(), 3); // Shift is a key too; Qt flags even the Control press as held
        QCOMPARE(seen[1], (KeyInput{"A", KeyInput::keyCodeFor(Qt::Key_A), false}));
        QCOMPARE(window.presses, QList<int>({Qt::Key_Control, Qt::Key_Q, Qt::Key_Escape}));

        monitor.stop();
        monitor.stop();
        QTest::keyClick(&window, 'j');
        QCOMPARE(seen.size(), 3);
        QCOMPARE(window.presses.constLast(), Qt::Key_J);
    }

    void readsTheEvent()
    {
        const QList<std::tuple<int, QString, KeyInput>> events = {
            {Qt::Key_Escape, "\x1b", {"\x1b", KeyInput::escape}},
            {Qt::Key_Return, "\r", {"\r", KeyInput::returnKey}},
            {Qt::Key_Enter, "\r", {"\r", KeyInput::returnKey}},
            {Qt::Key_E, "e\u0301x", {"e\u0301", 0x100 + 'E'}}, // a combining accent
            {Qt::Key_unknown, "😀!", {"😀", KeyInput::unknownKey}}};
        KeyMonitor monitor;
        monitor.start(recorder());
        for (const auto &[key, text, expected] : events) {
            seen.clear();
            send(QEvent::KeyPress, key, text, 1);
            QCOMPARE(seen, QList<KeyInput>{expected});
        }
    }

    void repeats()
    {
        // The release before the press (scan code 0: none), the press, and whether it repeats.
        const quint32 g = 42, h = 43;
        const QList<std::tuple<quint32, quint32, quint64, bool, bool>> cases = {
            {0, g, 500, true, true},   // flagged by the platform
            {g, g, 500, false, true},  // release and press in one instant
            {g, g, 620, false, false}, // pressed again later
            {h, g, 500, false, false}, // another key released then
            // Guards against QTest typing "ff" within a millisecond reading as one held key.
            {0, 0, 500, false, false}}; // synthesised keys
        for (const auto &[released, pressed, pressedAt, flagged, isRepeat] : cases) {
            KeyMonitor monitor;
            monitor.start(recorder());
            seen.clear();
            if (released || !pressed)
                send(QEvent::KeyRelease, Qt::Key_G, "g", 500, false, released);
            send(QEvent::KeyPress, Qt::Key_G, "g", pressedAt, flagged, pressed);
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen[0].isRepeat, isRepeat);
        }
    }

    // Guards against a use after free: a screen leaving on Escape ends its monitor in the handler.
    void handlerMayEndItsOwnMonitor()
    {
        for (const bool deleteIt : {false, true}) {
            window.presses.clear();
            auto *monitor = new KeyMonitor;
            const QString captured = QStringLiteral("still alive");
            QString read;
            monitor->start([&, captured](const KeyInput &) {
                deleteIt ? delete std::exchange(monitor, nullptr) : monitor->stop();
                read = captured;
                return true;
            });
            QTest::keyClick(&window, Qt::Key_Escape);
            QTest::keyClick(&window, Qt::Key_Escape);
            QCOMPARE(read, captured);
            QCOMPARE(window.presses, QList<int>{Qt::Key_Escape});
            delete monitor;
        }
    }

    void keyCodesNeverCollide()
    {
        const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
        QHash<quint16, int> owner;
        for (int i = 0; i < keys.keyCount(); ++i) {
            const int key = keys.value(i);
            if (key == Qt::Key_unknown || key == Qt::Key_MediaLast || key == Qt::Key_Enter)
                continue;
            const quint16 code = KeyInput::keyCodeFor(key);
            QVERIFY2(code != KeyInput::unknownKey && owner.value(code, key) == key, keys.key(i));
            owner.insert(code, key);
        }
    }
};

QTEST_MAIN(TestKeyMonitor)
#include "tst_keymonitor.moc"
