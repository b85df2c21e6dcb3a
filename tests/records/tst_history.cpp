// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the practice history and key statistics in the save file: their place in it, the
// lenient reading of the new fields, and the cap.
#include "history.h"
#include "onemiafile.h"
#include "savecodec.h"

#include <QRegularExpression>
#include <QTest>

using namespace tapalong;
using tapalong::test::fileWith;

namespace {

PracticeEntry lessonEntry(double date, const char *lessonId = "u1l1")
{
    PracticeEntry entry;
    entry.date = {date};
    entry.lessonId = QString::fromLatin1(lessonId);
    entry.wpm = 12.5;
    entry.accuracy = 93.75;
    entry.stars = 2;
    entry.keys = 80;
    entry.seconds = 41.25;
    return entry;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT

private slots:
    void aFileWithoutTheNewFieldsWritesBackByteForByte()
    {
        const QByteArray file = fileWith({});
        const auto data = SaveCodec::decode(file);
        QVERIFY(data);
        QVERIFY(data->profiles.front().history.isEmpty());
        QVERIFY(data->profiles.front().keyStats.isEmpty());
        QCOMPARE(SaveCodec::encode(*data), file);
    }

    void historyAndKeyStatsReadBackEqual()
    {
        AppData data = *SaveCodec::decode(fileWith({}));
        Profile &mia = data.profiles.first();
        mia.history << lessonEntry(700'000'000.125) << lessonEntry(700'000'100, "tricky");
        PracticeEntry game;
        game.date = {700'000'200.5};
        game.game = GameKind::rocketRace;
        game.score = 37;
        game.seconds = 60;
        mia.history << game;
        History::count(mia.keyStats, u't', u't');
        History::count(mia.keyStats, u't', u'r');
        History::count(mia.keyStats, u'"', u'\\');
        const QByteArray bytes = SaveCodec::encode(data);
        const QByteArray stats = "\"keyStats\":{\"\\\"\":{\"right\":0,\"wrong\":1,"
                                 "\"typedInstead\":{\"\\\\\":1}},\"t\":{\"right\":1,"
                                 "\"wrong\":1,\"typedInstead\":{\"r\":1}}}";
        QVERIFY2(bytes.contains(stats), bytes.constData());
        QCOMPARE(SaveCodec::decode(bytes), std::optional<AppData>(data));
    }

    void aMalformedEntryIsDroppedAndTheRestIsKept_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<int>("historyKept");
        QTest::addColumn<QString>("keysKept");
        const QByteArray good = R"({"date":1,"lesson":"u1l1","wpm":9,"accuracy":90,"stars":1,)"
                                R"("keys":30,"seconds":20})";
        const QByteArray goodStats = R"("keyStats":{"a":{"right":5,"wrong":1}})";
        QTest::newRow("history not a list") << R"(,"history":{"a":1},)" + goodStats << 0 << QStringLiteral("a");
        QTest::newRow("stats not an object") << R"(,"history":[)" + good + R"(],"keyStats":[])"
                                             << 1 << QString();
        QTest::newRow("entry not an object") << R"(,"history":[3,)" + good + "]" << 1 << QString();
        QTest::newRow("unknown game") << R"(,"history":[{"date":1,"game":"pong","score":3,)"
                                         R"("seconds":5},)" + good + "]"
                                      << 1 << QString();
        QTest::newRow("stars out of range")
            << R"(,"history":[{"date":1,"lesson":"u1l1","wpm":9,"accuracy":90,"stars":4,)"
               R"("keys":30,"seconds":20},)" + good + "]"
            << 1 << QString();
        QTest::newRow("date missing") << R"(,"history":[{"lesson":"u1l1","wpm":9,"accuracy":90,)"
                                         R"("stars":1,"keys":30,"seconds":20},)" + good + "]"
                                      << 1 << QString();
        QTest::newRow("a key of two letters")
            << QByteArray(R"(,"keyStats":{"ab":{"right":1,"wrong":0},"a":{"right":5,"wrong":1}})") << 0
            << QStringLiteral("a");
        QTest::newRow("a negative count")
            << QByteArray(R"(,"keyStats":{"b":{"right":-1,"wrong":0},"a":{"right":5,"wrong":1}})") << 0
            << QStringLiteral("a");
        QTest::newRow("a bad typed-instead")
            << QByteArray(R"(,"keyStats":{"b":{"right":1,"wrong":0,"typedInstead":{"x":"y"}},)"
                          R"("a":{"right":5,"wrong":1}})")
            << 0 << QStringLiteral("a");
        QTest::newRow("null fields") << QByteArray(R"(,"history":null,"keyStats":null)") << 0 << QString();
    }

    void aMalformedEntryIsDroppedAndTheRestIsKept()
    {
        QFETCH(QByteArray, fields);
        QFETCH(int, historyKept);
        QFETCH(QString, keysKept);
        if (!QTest::currentDataTag() || QByteArray(QTest::currentDataTag()) != "null fields")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("left out"));
        const auto data = SaveCodec::decode(fileWith(fields));
        QVERIFY2(data, "a malformed new field must never make the file unreadable");
        const Profile &mia = data->profiles.front();
        QCOMPARE(mia.name, "Mia");
        QCOMPARE(mia.totalCorrectKeys, 120);
        QCOMPARE(mia.history.size(), historyKept);
        QString keys;
        for (auto it = mia.keyStats.cbegin(); it != mia.keyStats.cend(); ++it)
            keys += it.key();
        QCOMPARE(keys, keysKept);
    }

    void theHistoryKeepsOnlyTheNewestEntries()
    {
        QList<PracticeEntry> history;
        for (int i = 0; i < History::maxEntries + 5; ++i)
            History::append(history, lessonEntry(i));
        QCOMPARE(history.size(), History::maxEntries);
        QCOMPARE(history.front().date.secondsSinceReference, 5.0);
        QCOMPARE(history.back().date.secondsSinceReference, History::maxEntries + 4.0);

        // A file from elsewhere with more entries is cut the same way when read.
        history.prepend(lessonEntry(-1));
        history.prepend(lessonEntry(-2));
        const QByteArray file =
            fileWith(R"(,"history":)" + History::encodeHistory(history));
        const auto data = SaveCodec::decode(file);
        QVERIFY(data);
        QCOMPARE(data->profiles.front().history.size(), History::maxEntries);
        QCOMPARE(data->profiles.front().history.front().date.secondsSinceReference, 5.0);
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
