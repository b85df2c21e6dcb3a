// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Logout and shutdown send SIGTERM; the program must quit through its event loop to save.
#include "quitsignals.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

using namespace tapalong;

class TestQuitSignals : public QObject {
    Q_OBJECT

private slots:
    void terminateInterruptAndHangUpAskToQuit()
    {
        // Fault guarded: SIGTERM ended the program at once, and a change the disk had refused
        // a moment before was lost.
        QuitSignals signals_;
        QSignalSpy asked(&signals_, &QuitSignals::quitRequested);
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            QVERIFY(std::raise(signal) == 0); // the process lives on
            QVERIFY(asked.wait(5000));
            QCOMPARE(asked.takeFirst().at(0).toInt(), signal);
        }
    }
};

QTEST_GUILESS_MAIN(TestQuitSignals)
#include "tst_quitsignals.moc"
