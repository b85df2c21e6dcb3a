// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards texts from home in the save file and the store: an absent field, a malformed one read
// leniently, a full one read back equal, the limits, and practice recorded without stars.
#include "appstore.h"
#include "history.h"
#include "onemiafile.h"
#include "practicetexts.h"
#include "savecodec.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tapalong;
using tapalong::test::fileWith;

namespace {

class FakeClock : public Clock {
public:
    Timestamp now() const override { return moment; }
    Timestamp moment{700'000'000};
};

const QByteArray goodText = "{\"id\":\"6B29FC40-CA47-1067-B31D-00DD010662DA\","
                            "\"text\":\"The cat sat.\",\"added\":700000000.5}";

} // namespace

class TestPracticeTexts : public QObject {
    Q_OBJECT

private slots:
    void aFileWithoutTextsWritesBackByteForByte()
    {
        const QByteArray file = fileWith({});
        const auto data = SaveCodec::decode(file);
        QVERIFY(data);
        QVERIFY(data->profiles.front().practiceTexts.isEmpty());
        QCOMPARE(SaveCodec::encode(*data), file);
    }

    void aFullListReadsBackEqual()
    {
        AppData data = *SaveCodec::decode(fileWith({}));
        Profile &mia = data.profiles.first();
        for (int i = 0; i < PracticeTexts::maxTexts; ++i) {
            // Quotes, backslashes, line breaks and a longest text must all survive the file.
            QString text = QStringLiteral("Line \"%1\" \\ one\n\nLine two é").arg(i);
            if (i == 0)
                text = QString(PracticeTexts::maxChars, u'a');
            mia.practiceTexts.append({QUuid::createUuid(), text, {7e8 + 0.25 + i}});
        }
        const QByteArray bytes = SaveCodec::encode(data);
        QVERIFY(bytes.contains("\"practiceTexts\":[{\"id\":\""));
        QCOMPARE(SaveCodec::decode(bytes), std::optional<AppData>(data));
    }

    void aMalformedTextIsDroppedAndTheRestIsKept_data()
    {
        QTest::addColumn<QByteArray>("fields");
        QTest::addColumn<int>("kept");
        QTest::newRow("not a list") << QByteArray(",\"practiceTexts\":{\"a\":1}") << 0;
        QTest::newRow("not an object") << ",\"practiceTexts\":[\"hi\"," + goodText + "]" << 1;
        QTest::newRow("id not canonical")
            << ",\"practiceTexts\":[{\"id\":\"{6B29FC40-CA47-1067-B31D-00DD010662DB}\",\"text\":\"a\","
               "\"added\":1}," + goodText + "]"
            << 1;
        QTest::newRow("same id twice") << ",\"practiceTexts\":[" + goodText + "," + goodText + "]"
                                       << 1;
        QTest::newRow("empty text")
            << ",\"practiceTexts\":[{\"id\":\"6B29FC40-CA47-1067-B31D-00DD010662DB\",\"text\":\"\","
               "\"added\":1}," + goodText + "]"
            << 1;
        QTest::newRow("text too long")
            << ",\"practiceTexts\":[{\"id\":\"6B29FC40-CA47-1067-B31D-00DD010662DB\",\"text\":\"" +
                   QByteArray(PracticeTexts::maxChars + 1, char(97)) + "\",\"added\":1}," + goodText + "]"
            << 1;
        QTest::newRow("no date")
            << ",\"practiceTexts\":[{\"id\":\"6B29FC40-CA47-1067-B31D-00DD010662DB\",\"text\":\"a\"}," +
                   goodText + "]"
            << 1;
    }

    void aMalformedTextIsDroppedAndTheRestIsKept()
    {
        QFETCH(QByteArray, fields);
        QFETCH(int, kept);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("left out"));
        const auto data = SaveCodec::decode(fileWith(fields));
        QVERIFY2(data, "a malformed text must never make the file unreadable");
        const Profile &mia = data->profiles.front();
        QCOMPARE(mia.totalCorrectKeys, 120);
        QCOMPARE(mia.practiceTexts.size(), kept);
        if (kept)
            QCOMPARE(mia.practiceTexts.front().text, "The cat sat.");
    }

    void moreTextsThanTheLimitKeepTheFirst()
    {
        QByteArray list = ",\"practiceTexts\":[";
        for (int i = 0; i <= PracticeTexts::maxTexts; ++i) {
            list += (i ? "," : "") +
                    QStringLiteral("{\"id\":\"%1\",\"text\":\"text %2\",\"added\":1}")
                        .arg(QUuid::createUuid().toString(QUuid::WithoutBraces), QString::number(i))
                        .toUtf8();
        }
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("left out"));
        const auto data = SaveCodec::decode(fileWith(list + "]"));
        QVERIFY(data);
        QCOMPARE(data->profiles.front().practiceTexts.size(), PracticeTexts::maxTexts);
        QCOMPARE(data->profiles.front().practiceTexts.back().text, "text 19");
    }

    void theStoreKeepsToTheLimitsAndToTheExplorer()
    {
        QTemporaryDir dir;
        FakeClock clock;
        AppStore store(SaveFile(dir.filePath("tapalong.json")), clock);
        store.addProfile("Mia", "🦊");
        store.addProfile("Leo", "🐯"); // Leo is current; texts go to whom the grown-up chose
        const QUuid mia = store.data().profiles.front().id;

        QVERIFY(store.addPracticeText(mia, QString()).isNull());
        QVERIFY(store.addPracticeText(mia, QString(PracticeTexts::maxChars + 1, u'a')).isNull());
        QVERIFY(store.addPracticeText(QUuid::createUuid(), "lost").isNull());
        QUuid first;
        for (int i = 0; i < PracticeTexts::maxTexts; ++i) {
            const QUuid id = store.addPracticeText(mia, QStringLiteral("text %1").arg(i));
            QVERIFY(!id.isNull());
            if (i == 0)
                first = id;
        }
        QVERIFY(store.addPracticeText(mia, "one too many").isNull());
        QCOMPARE(store.data().profiles.front().practiceTexts.size(), PracticeTexts::maxTexts);
        QCOMPARE(store.data().profiles.front().practiceTexts.front().added, clock.moment);
        QVERIFY(store.currentProfile()->practiceTexts.isEmpty());

        store.removePracticeText(mia, first);
        QCOMPARE(store.data().profiles.front().practiceTexts.size(), PracticeTexts::maxTexts - 1);
        QCOMPARE(store.data().profiles.front().practiceTexts.front().text, "text 1");
    }

    void aTypedTextIsRecordedAsTrickyPracticeIsWithoutStars()
    {
        QTemporaryDir dir;
        FakeClock clock;
        AppStore store(SaveFile(dir.filePath("tapalong.json")), clock);
        store.addProfile("Mia", "🦊");
        KeyStats typed;
        History::count(typed, u'q', u'w');
        History::count(typed, u'q', u'q');
        store.recordTrickyPractice(3, 14, 95, 40, {50, 42, typed});
        store.recordTextPractice(3, 14, 95, 40, {50, 42, typed});

        const Profile &mia = *store.currentProfile();
        QVERIFY(mia.lessonResults.isEmpty());
        QCOMPARE(mia.totalStars(), 0);
        QCOMPARE(mia.totalCorrectKeys, 80);
        QCOMPARE(mia.streak, 1);
        QCOMPARE(mia.history.size(), 2);
        PracticeEntry tricky = mia.history[0];
        PracticeEntry text = mia.history[1];
        QCOMPARE(text.lessonId, History::homeTextLessonId);
        QVERIFY(History::isPractice(text.lessonId));
        text.lessonId = tricky.lessonId;
        QCOMPARE(text, tricky);
        QCOMPARE(mia.keyStats.value(u'q'), (KeyStat{2, 2, {{u'w', 2}}}));
    }
};

QTEST_GUILESS_MAIN(TestPracticeTexts)
#include "tst_practicetexts.moc"
