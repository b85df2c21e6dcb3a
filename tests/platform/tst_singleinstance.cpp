// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Two programs on one save folder would overwrite each other's progress.
#include "singleinstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

using namespace tapalong;

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartAsksTheFirstToShowAndTheFolderFreesOnRelease_data()
    {
        QTest::addColumn<bool>("cameForward");
        QTest::newRow("shown") << true;
        // A Wayland compositor without xdg-activation keeps the window where it is; the second
        // start says so instead of claiming it came forward.
        QTest::newRow("kept back") << false;
    }

    void aSecondStartAsksTheFirstToShowAndTheFolderFreesOnRelease()
    {
        QFETCH(bool, cameForward);
        QTemporaryDir dir;
        const QString folder = dir.filePath("Tapalong"); // made by the first claim
        auto first = std::make_unique<SingleInstance>(folder);
        QVERIFY(first->claim());
        QSignalSpy shown(first.get(), &SingleInstance::showRequested);

        SingleInstance second(folder);
        QVERIFY(!second.claim());
        // A thread stands in for the asking process, so that this one can answer meanwhile.
        std::atomic<SingleInstance::Answer> answer = SingleInstance::Answer::none;
        std::atomic<bool> done = false;
        std::thread asker([&] {
            answer = SingleInstance(folder).askRunningToShow(QStringLiteral("token-7"));
            done = true;
        });
        QTRY_COMPARE(shown.count(), 1);
        // The desktop's token travels with the request, for the window to come forward with.
        QCOMPARE(shown.at(0).at(0).toString(), QStringLiteral("token-7"));
        first->answerShow(cameForward);
        QTRY_VERIFY(done);
        asker.join();
        QCOMPARE(answer.load(),
                 cameForward ? SingleInstance::Answer::shown : SingleInstance::Answer::notShown);

        QVERIFY(SingleInstance(dir.filePath("Other")).claim()); // another household: no clash
        // As on the way out through exit(), which skips the destructors.
        first->release();
        QVERIFY(second.claim());
    }

    void theLockOfACrashedRunIsTakenOver()
    {
        QTemporaryDir dir;
        // What a run killed mid-lesson leaves: its process id, which no process has now.
        QFile lock(dir.filePath("tapalong.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("2147483000\ntapalong\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QVERIFY(SingleInstance(dir.path()).claim());
    }

    void aLockThatNamesNoOneIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("content");
        // Fault guarded: an empty lock (a full disk at start) kept Tapalong from ever starting.
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbled") << QByteArray("tapalong\n\x01\xff");
    }

    void aLockThatNamesNoOneIsTakenOver()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QFile lock(dir.filePath("tapalong.lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.close();
        SingleInstance first(dir.path());
        QVERIFY(first.claim());
        QVERIFY(!SingleInstance(dir.path()).claim()); // and it is held now
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
