// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The covered-window watch on a platform without an X connection.
#include "coverwatch.h"

#include <QGuiApplication>
#include <QTest>
#include <QWindow>

using namespace tapalong;

class TestCoverWatch : public QObject {
    Q_OBJECT

private slots:
    // Guards the crash a second after start under the offscreen plugin, which answers for the
    // X11 interface with no connection behind it.
    void asksNothingWithoutAnXConnection()
    {
        QVERIFY(QGuiApplication::platformName() != QLatin1String("xcb"));
        QWindow window;
        window.resize(200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const CoverWatch watch(&window);
        QVERIFY(!window.property("obscured").toBool());
    }
};

QTEST_MAIN(TestCoverWatch)
#include "tst_coverwatch.moc"
