// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards an explorer's look in the save file: absent means the usual look, and a damaged
// setting costs that setting alone, never the file.
#include "onemiafile.h"
#include "savecodec.h"

#include <QTest>

using namespace tapalong;
using tapalong::test::fileWith;

class TestComfort : public QObject {
    Q_OBJECT

private slots:
    void aFileWithoutItIsTheUsualLookAndWritesBackByteForByte()
    {
        for (const QByteArray &extra : {QByteArray(), QByteArray(R"(,"comfort":null)")}) {
            const auto data = SaveCodec::decode(fileWith(extra));
            QVERIFY(data);
            QVERIFY(data->profiles.front().comfort.isDefault());
            QCOMPARE(SaveCodec::encode(*data), fileWith({}));
        }
    }

    void everySettingReadsBackEqual()
    {
        AppData data = *SaveCodec::decode(fileWith({}));
        Comfort &comfort = data.profiles.first().comfort;
        comfort = {ReadingFont::openDyslexic, TextSize::larger, true, true, true, true};
        const QByteArray file = SaveCodec::encode(data);
        QVERIFY(file.contains(R"("comfort":{)"));
        QCOMPARE(SaveCodec::decode(file)->profiles.first().comfort, comfort);

        // Only what differs from the usual look is written.
        comfort = {};
        comfort.font = ReadingFont::andika;
        comfort.gentleGames = true;
        QVERIFY(SaveCodec::encode(data).endsWith(
            R"("comfort":{"gentleGames":true,"readingFont":"andika"}}],)"
            R"("settings":{"soundEnabled":true,"voiceEnabled":true}})"));
    }

    void aDamagedSettingReadsAsUsualAndKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("comfort");
        QTest::addColumn<Comfort>("expected");
        const Comfort calm{ReadingFont::rounded, TextSize::normal, false, true, false, false};
        QTest::newRow("not an object") << QByteArray(R"("larger")") << Comfort{};
        QTest::newRow("a list") << QByteArray(R"([true])") << Comfort{};
        QTest::newRow("unknown font")
            << QByteArray(R"({"readingFont":"Comic Sans","calmMotion":true})") << calm;
        QTest::newRow("font by number")
            << QByteArray(R"({"readingFont":1,"calmMotion":true})") << calm;
        QTest::newRow("size in another case")
            << QByteArray(R"({"textSize":"Large","calmMotion":true})") << calm;
        QTest::newRow("flag as text")
            << QByteArray(R"({"highContrast":"yes","calmMotion":true})") << calm;
        QTest::newRow("flag as number")
            << QByteArray(R"({"safeColours":1,"calmMotion":true})") << calm;
        QTest::newRow("unknown field is ignored")
            << QByteArray(R"({"sparkles":true,"calmMotion":true})") << calm;
        QTest::newRow("empty object") << QByteArray("{}") << Comfort{};
    }

    void aDamagedSettingReadsAsUsualAndKeepsTheRest()
    {
        QFETCH(QByteArray, comfort);
        QFETCH(Comfort, expected);
        const auto data = SaveCodec::decode(fileWith(R"(,"comfort":)" + comfort));
        QVERIFY2(data, "a damaged preference must not cost the explorer's progress");
        QCOMPARE(data->profiles.front().comfort, expected);
        QCOMPARE(data->profiles.front().totalCorrectKeys, 120);
    }
};

QTEST_GUILESS_MAIN(TestComfort)
#include "tst_comfort.moc"
