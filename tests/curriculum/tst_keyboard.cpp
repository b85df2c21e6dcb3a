// Guards the keyboard model: which key types a character, which keys light, and the hint line.
#include "keyboardlayout.h"

#include <QSet>
#include <QTest>

using namespace tapalong;

using Fingers = std::optional<Finger>;

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void everyPrintableAsciiCharacterHasAKeyWithAFinger()
    {
        for (char16_t c = 0x20; c < 0x7f; ++c) {
            const auto match = KeyboardLayout::find(QChar(c));
            QVERIFY2(match && match->key.finger, qPrintable(QString(QChar(c))));
        }
    }

    void keyIdsAreUniqueAndOnlyTypingKeysHaveAFinger()
    {
        QSet<QString> ids;
        int keyCount = 0;
        for (const QList<KeyDef> &row : KeyboardLayout::rows()) {
            for (const KeyDef &key : row) {
                ids.insert(key.id);
                ++keyCount;
                // Keys that type nothing are pressed by no finger, so the hands never show one.
                QCOMPARE(key.finger.has_value(), key.output.has_value());
            }
        }
        QCOMPARE(ids.size(), keyCount);
    }

    // The lit keys tell which key types a character and whether it needs Shift.
    void litKeys_data()
    {
        QTest::addColumn<QString>("highlight"); // "" for none
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QStringList>("lit");
        const QString shift = u"shift"_qs, rightShift = u"shift "_qs;
        QTest::newRow("small letter") << u"f"_qs << QString() << QStringList{u"F"_qs};
        QTest::newRow("capital lights both Shifts")
            << u"A"_qs << QString() << QStringList{u"A"_qs, shift, rightShift};
        QTest::newRow("shifted digit")
            << u"!"_qs << QString() << QStringList{u"1"_qs, shift, rightShift};
        QTest::newRow("question mark")
            << u"?"_qs << QString() << QStringList{shift, u"/"_qs, rightShift};
        QTest::newRow("apostrophe") << u"'"_qs << QString() << QStringList{u"'"_qs};
        QTest::newRow("double quote")
            << u"\""_qs << QString() << QStringList{u"'"_qs, shift, rightShift};
        QTest::newRow("space") << u" "_qs << QString() << QStringList{u"space"_qs};
        QTest::newRow("accented letter") << u"é"_qs << QString() << QStringList();
        // Fault guarded: the Kelvin sign lower-cases to "k", yet no key types it.
        QTest::newRow("Kelvin sign") << u"\u212A"_qs << QString() << QStringList();
        QTest::newRow("extras only") << QString() << u"fj"_qs << QStringList{u"F"_qs, u"J"_qs};
        QTest::newRow("extras never light Shift")
            << QString() << u"A?"_qs << QStringList{u"A"_qs, u"/"_qs};
        QTest::newRow("extras beside an unknown highlight")
            << u"é"_qs << u"j"_qs << QStringList{u"J"_qs};
    }

    void litKeys()
    {
        QFETCH(QString, highlight);
        QFETCH(QString, extra);
        QTEST(KeyboardModel::litKeys(highlight, extra), "lit");
    }

    void hintNamesKeyFingerAndShift_data()
    {
        QTest::addColumn<QString>("highlight");
        QTest::addColumn<QString>("hint");
        QTest::newRow("capital")
            << u"A"_qs << u"Press  A  with your left pinky  (hold SHIFT with your other pinky!)"_qs;
        QTest::newRow("space") << u" "_qs << u"Press  SPACE  with your thumb"_qs;
        QTest::newRow("small letter keeps its case")
            << u"f"_qs << u"Press  f  with your left pointer finger"_qs;
        QTest::newRow("unknown") << u"é"_qs << QString();
    }

    void hintNamesKeyFingerAndShift()
    {
        QFETCH(QString, highlight);
        QTEST(KeyboardModel::hintText(highlight), "hint");
    }

    void fingerColourNameAndHand_data()
    {
        QTest::addColumn<QString>("ch");
        QTest::addColumn<Fingers>("finger");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hand");
        const QString left = u"\U0001FAF2"_qs, right = u"\U0001FAF1"_qs;
        QTest::newRow("f") << u"f"_qs << Fingers(Finger::leftIndex) << QColor(255, 169, 77)
                           << u"left pointer finger"_qs << left;
        QTest::newRow("j") << u"j"_qs << Fingers(Finger::rightIndex) << QColor(255, 143, 216)
                           << u"right pointer finger"_qs << right;
        QTest::newRow("k") << u"k"_qs << Fingers(Finger::rightMiddle) << QColor(82, 224, 158)
                           << u"right middle finger"_qs << right;
        QTest::newRow("space") << u" "_qs << Fingers(Finger::thumb)
                               << QColor::fromRgbF(1, 1, 1, 0.5) << u"thumb"_qs << u"\U0001F44D"_qs;
        QTest::newRow("unknown") << u"é"_qs << Fingers() << QColor(Qt::white) << QString()
                                 << QString();
    }

    void fingerColourNameAndHand()
    {
        QFETCH(QString, ch);
        QFETCH(Fingers, finger);
        QFETCH(QColor, color);
        const int value = KeyboardModel::fingerFor(ch);
        QCOMPARE(value, fingerToInt(finger));
        QCOMPARE(KeyboardModel::fingerColor(value), color);
        // A key without a finger takes the colour the game names for it.
        QCOMPARE(KeyboardModel::keyColor(ch, Qt::red), finger ? color : QColor(Qt::red));
        QTEST(KeyboardModel::fingerName(value), "name");
        QTEST(KeyboardModel::handEmoji(value), "hand");
    }
};

QTEST_APPLESS_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
