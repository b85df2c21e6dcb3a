// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// What the system tests' probe reports of a scene: the names they look up, and where to click.
#include "uiprobe.h"

#include <QJsonObject>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

using tapalong::UiProbe;

class TestUiProbe : public QObject {
    Q_OBJECT

private:
    // The scene's window, or null (with the component's complaint) when it did not load.
    static QQuickWindow *windowOf(const QQmlComponent &component,
                                  const std::unique_ptr<QObject> &root)
    {
        if (!root)
            qWarning() << component.errorString();
        return qobject_cast<QQuickWindow *>(root.get());
    }

    QJsonObject find(const QJsonArray &items, const QString &path)
    {
        for (const auto &item : items) {
            if (item.toObject().value(u"path").toString() == path)
                return item.toObject();
        }
        return {};
    }

private slots:
    // A control is found by the names around it; what is hidden, or scrolled out of a clipping
    // view, cannot be clicked and must not be offered as if it could.
    void reportsWhatShowsOfEachNamedItem()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick
            Window {
                width: 400; height: 300
                Item {
                    objectName: "screen"
                    opacity: 0.5
                    Item {
                        x: 10; y: 20
                        Rectangle {
                            objectName: "button"; property string text: "Go"
                            property bool selected: true
                            x: 5; y: 5; width: 50; height: 30
                        }
                    }
                    Item { objectName: "hidden"; visible: false
                        Item { objectName: "inside" } }
                    Item { objectName: "off"; enabled: false; width: 10; height: 10 }
                }
                Item {
                    objectName: "view"; clip: true
                    x: 100; y: 100; width: 100; height: 50
                    Item {
                        y: -40
                        Rectangle { objectName: "half"; width: 60; height: 60 }
                        Rectangle { objectName: "out"; y: 200; width: 60; height: 60 }
                    }
                }
                Rectangle { objectName: "edge"; x: 380; y: 0; width: 40; height: 10 }
            })",
                          QUrl());
        const std::unique_ptr<QObject> root(component.create());
        QQuickWindow *window = windowOf(component, root);
        QVERIFY(window);

        const QJsonArray items = UiProbe::snapshot(window->contentItem());
        const QJsonObject button = find(items, "screen/button");
        QCOMPARE(button.value(u"x").toDouble(), 15);
        QCOMPARE(button.value(u"y").toDouble(), 25);
        QCOMPARE(button.value(u"w").toDouble(), 50);
        QCOMPARE(button.value(u"opacity").toDouble(), 0.5);
        QCOMPARE(button.value(u"text").toString(), "Go");
        QCOMPARE(button.value(u"selected").toBool(), true);
        QVERIFY(find(items, "screen/hidden").isEmpty());
        QVERIFY(find(items, "screen/hidden/inside").isEmpty());
        QCOMPARE(find(items, "screen/off").value(u"enabled").toBool(), false);
        QCOMPARE(find(items, "screen").value(u"enabled").toBool(), true);

        // 40 of 60 are scrolled above the view.
        const QJsonObject half = find(items, "view/half");
        QCOMPARE(half.value(u"y").toDouble(), 100);
        QCOMPARE(half.value(u"h").toDouble(), 20);
        QCOMPARE(find(items, "view/out").value(u"h").toDouble(), 0);
        // The window cuts too.
        QCOMPARE(find(items, "edge").value(u"w").toDouble(), 20);
    }

    // The screen checks read every text a child sees, named or not, and must tell a text cut
    // short or spilling out of its place from one that merely scrolled.
    void tellsWhichTextsAReaderCannotSeeWhole()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick
            import QtQuick.Controls.Basic
            Window {
                width: 400; height: 300
                Column {
                    Text { text: "fits" }
                    Text { text: "a long line cut short"; width: 30; elide: Text.ElideRight }
                    Text { text: "a long line spilling"; width: 30 }
                    Text { text: "one short line"; height: 8 }
                    Text { text: "two\nlines"; height: 14 }
                    Button { objectName: "narrow"; text: "a long button label"; width: 40
                             contentItem: Text { text: parent.text } }
                    Item { clip: true; width: 20; height: 20
                           Text { text: "clipped away" } }
                    Flickable { width: 200; height: 20; contentHeight: 100; contentY: 10
                                Text { text: "scrolled" } }
                    Text { text: "faded"; opacity: 0 }
                    Text { text: "  " }
                }
                Text { x: 380; text: "past the window" }
            })",
                          QUrl());
        const std::unique_ptr<QObject> root(component.create());
        QQuickWindow *window = windowOf(component, root);
        QVERIFY(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));

        QHash<QString, QJsonObject> byText;
        for (const auto &entry : UiProbe::texts(window->contentItem()))
            byText.insert(entry.toObject().value(u"text").toString(), entry.toObject());
        const auto faults = [&](const QString &text) {
            QStringList found;
            for (const char *fault : {"elided", "overflow", "cut", "outside"}) {
                if (byText.value(text).value(QLatin1String(fault)).toBool())
                    found << QLatin1String(fault);
            }
            return found.join(u',');
        };
        QCOMPARE(faults("fits"), "");
        QCOMPARE(faults("a long line cut short"), "elided");
        QCOMPARE(faults("a long line spilling"), "overflow");
        QCOMPARE(faults("one short line"), "");
        QCOMPARE(faults("two\nlines"), "overflow");
        QCOMPARE(faults("a long button label"), "overflow,outside");
        QCOMPARE(byText.value("a long button label").value(u"path").toString(), "narrow");
        QCOMPARE(faults("clipped away"), "cut");
        QCOMPARE(faults("scrolled"), "");
        QCOMPARE(faults("past the window"), "cut");
        QVERIFY(!byText.contains("faded"));
        QVERIFY(!byText.contains("  "));
    }

    // A test that measures something removes the file once it has found its way, and the
    // probe must then stop costing anything.
    void stopsOnceItsFileIsRemoved()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nWindow { Item { objectName: \"a\" } }", QUrl());
        std::unique_ptr<QObject> root(component.create());
        auto *window = qobject_cast<QQuickWindow *>(root.get());
        QVERIFY(window);
        QTemporaryDir dir;
        const QString path = dir.filePath("ui.json");
        UiProbe probe(window, path);

        probe.write();
        QVERIFY(QFile::exists(path));
        QVERIFY(QFile::remove(path));
        window->contentItem()->childItems().constFirst()->setObjectName("b");
        probe.write();
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestUiProbe)
#include "tst_uiprobe.moc"
