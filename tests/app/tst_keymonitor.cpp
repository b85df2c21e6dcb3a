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
              Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false, quint32 scanCode = 0)
    {
        QKeyEvent event(type, key, modifiers, scanCode, 0, 0, text, autoRepeat);
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
    void eachKeyReachesTheHandlerOnceAndItsAnswerDecides()
    {
        KeyMonitor monitor;
        monitor.start(recorder());
        QTest::keyClick(&window, 'A', Qt::ShiftModifier);
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        consume = false;
        QTest::keyClick(&window, Qt::Key_Escape);

        QCOMPARE(seen.size(), 3); // Shift is a key too; Qt flags even the Control press as held
        QCOMPARE(seen[1], (KeyInput{"A", KeyInput::keyCodeFor(Qt::Key_A), false}));
        QCOMPARE(seen[2].keyCode, KeyInput::escape);
        QCOMPARE(window.presses, QList<int>({Qt::Key_Control, Qt::Key_Q, Qt::Key_Escape}));
    }

    void readsTheEvent_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<KeyInput>("expected");
        QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << KeyInput{"\x1b", 53};
        QTest::newRow("return") << int(Qt::Key_Return) << "\r" << KeyInput{"\r", 36};
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << "\r" << KeyInput{"\r", 36};
        // Raw Qt::Key values would make '5' read as Escape and '$' as Return.
        QTest::newRow("five") << int(Qt::Key_5) << "5" << KeyInput{"5", 0x135};
        QTest::newRow("dollar") << int(Qt::Key_Dollar) << "$" << KeyInput{"$", 0x124};
        QTest::newRow("combining accent")
            << int(Qt::Key_E) << "e\u0301x" << KeyInput{"e\u0301", 0x145};
        QTest::newRow("emoji") << int(Qt::Key_unknown) << "😀!" << KeyInput{"😀", 0};
    }

    void readsTheEvent()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(KeyInput, expected);
        KeyMonitor monitor;
        monitor.start(recorder());
        send(QEvent::KeyPress, key, text, 1);
        QCOMPARE(seen, QList<KeyInput>{expected});
    }

    void repeats_data()
    {
        QTest::addColumn<quint32>("releasedScanCode"); // 0: no release before the press
        QTest::addColumn<quint32>("pressedScanCode");
        QTest::addColumn<quint64>("pressedAt");
        QTest::addColumn<bool>("flagged");
        QTest::addColumn<bool>("isRepeat");
        const quint32 g = 42, h = 43;
        QTest::newRow("flagged by the platform") << 0u << g << quint64(500) << true << true;
        QTest::newRow("release and press in one instant")
            << g << g << quint64(500) << false << true;
        QTest::newRow("pressed again later") << g << g << quint64(620) << false << false;
        QTest::newRow("other key released then") << h << g << quint64(500) << false << false;
        // Guards against QTest typing "ff" within a millisecond reading as one held key.
        QTest::newRow("synthesised keys") << 0u << 0u << quint64(500) << false << false;
    }

    void repeats()
    {
        QFETCH(quint32, releasedScanCode);
        QFETCH(quint32, pressedScanCode);
        QFETCH(quint64, pressedAt);
        QFETCH(bool, flagged);
        QFETCH(bool, isRepeat);
        KeyMonitor monitor;
        monitor.start(recorder());
        if (releasedScanCode || !pressedScanCode)
            send(QEvent::KeyRelease, Qt::Key_G, "g", 500, {}, false, releasedScanCode);
        send(QEvent::KeyPress, Qt::Key_G, "g", pressedAt, {}, flagged, pressedScanCode);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].isRepeat, isRepeat);
    }

    void startReplacesTheHandlerAndStopIsHarmless()
    {
        KeyMonitor{}.stop();
        int firstCalls = 0;
        KeyMonitor monitor;
        monitor.start([&](const KeyInput &) { return bool(++firstCalls); });
        monitor.start(recorder());
        QTest::keyClick(&window, 'h');
        QCOMPARE(firstCalls, 0);
        QCOMPARE(seen.size(), 1); // installed once, not twice

        monitor.stop();
        monitor.stop();
        QTest::keyClick(&window, 'j');
        QCOMPARE(seen.size(), 1);
        QCOMPARE(window.presses, QList<int>{Qt::Key_J});
    }

    // Guards against a use after free: a screen leaving on Escape stops or deletes its monitor
    // from inside the handler.
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
