// Guards the keyboard model: which key types a character, which keys light, and the hint line.
#include "keyboardlayout.h"

#include <QSet>
#include <QTest>

using namespace tapalong;

using Fingers = std::optional<Finger>;

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void findsTheKeyAndShift_data()
    {
        QTest::addColumn<QChar>("ch");
        QTest::addColumn<QString>("keyId"); // "" when no key types it
        QTest::addColumn<bool>("needsShift");
        QTest::newRow("small letter") << QChar(u'a') << u"A"_qs << false;
        QTest::newRow("capital") << QChar(u'A') << u"A"_qs << true;
        QTest::newRow("shifted digit") << QChar(u'!') << u"1"_qs << true;
        QTest::newRow("colon") << QChar(u':') << u";"_qs << true;
        QTest::newRow("question mark") << QChar(u'?') << u"/"_qs << true;
        QTest::newRow("tilde") << QChar(u'~') << u"`"_qs << true;
        QTest::newRow("double quote") << QChar(u'"') << u"'"_qs << true;
        QTest::newRow("space") << QChar(u' ') << u"space"_qs << false;
        QTest::newRow("accented letter") << QChar(u'é') << QString() << false;
        // Fault guarded: the Kelvin sign lower-cases to "k", yet no key types it.
        QTest::newRow("Kelvin sign") << QChar(u'\u212A') << QString() << false;
    }

    void findsTheKeyAndShift()
    {
        QFETCH(QChar, ch);
        QFETCH(QString, keyId);
        QFETCH(bool, needsShift);
        const auto match = KeyboardLayout::find(ch);
        QCOMPARE(match.has_value(), !keyId.isEmpty());
        if (match) {
            QCOMPARE(match->key.id, keyId);
            QCOMPARE(match->needsShift, needsShift);
        }
    }

    void everyPrintableAsciiCharacterHasAKeyWithAFinger()
    {
        for (char16_t c = 0x20; c < 0x7f; ++c) {
            const auto match = KeyboardLayout::find(QChar(c));
            QVERIFY2(match && match->key.finger, qPrintable(QString(QChar(c))));
        }
    }

    void layoutHasFiveRowsOfTheRightWidthAndUniqueIds()
    {
        const QList<QList<KeyDef>> &rows = KeyboardLayout::rows();
        const QList<int> counts = {14, 14, 13, 12, 1};
        const QList<double> widths = {14.6, 14.6, 14.8, 14.9, 6.5};
        QCOMPARE(rows.size(), 5);
        QSet<QString> ids;
        int keyCount = 0;
        for (int r = 0; r < rows.size(); ++r) {
            QCOMPARE(rows[r].size(), counts[r]);
            double width = 0;
            for (const KeyDef &key : rows[r]) {
                width += key.width;
                ids.insert(key.id);
                ++keyCount;
                // Keys that type nothing are pressed by no finger, so the hands never show one.
                QCOMPARE(key.finger.has_value(), key.output.has_value());
            }
            QVERIFY(qFuzzyCompare(width, widths[r]));
        }
        QCOMPARE(ids.size(), keyCount);
        QCOMPARE(rows[3].constLast().id, u"shift "_qs);
    }

    void litKeys_data()
    {
        QTest::addColumn<QString>("highlight"); // "" for none
        QTest::addColumn<QString>("extra");
        QTest::addColumn<QStringList>("lit");
        const QStringList none;
        QTest::newRow("small letter") << u"f"_qs << QString() << QStringList{u"F"_qs};
        QTest::newRow("capital lights both Shifts")
            << u"A"_qs << QString() << QStringList{u"A"_qs, u"shift"_qs, u"shift "_qs};
        QTest::newRow("question mark")
            << u"?"_qs << QString() << QStringList{u"shift"_qs, u"/"_qs, u"shift "_qs};
        QTest::newRow("exclamation mark")
            << u"!"_qs << QString() << QStringList{u"1"_qs, u"shift"_qs, u"shift "_qs};
        QTest::newRow("apostrophe, no Shift") << u"'"_qs << QString() << QStringList{u"'"_qs};
        QTest::newRow("slash alone") << u"/"_qs << QString() << QStringList{u"/"_qs};
        QTest::newRow("space") << u" "_qs << QString() << QStringList{u"space"_qs};
        QTest::newRow("unknown") << u"é"_qs << QString() << none;
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
        QTest::newRow("shifted punctuation")
            << u"?"_qs
            << u"Press  ?  with your right pinky  (hold SHIFT with your other pinky!)"_qs;
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
        QTest::newRow("space") << u" "_qs << Fingers(Finger::thumb)
                               << QColor::fromRgbF(1, 1, 1, 0.5) << u"thumb"_qs << u"\U0001F44D"_qs;
        QTest::newRow("unknown") << u"é"_qs << Fingers() << QColor(Qt::white) << QString()
                                 << QString();
    }

    void fingerColourNameAndHand()
    {
        QFETCH(QString, ch);
        QFETCH(Fingers, finger);
        const int value = KeyboardModel::fingerFor(ch);
        QCOMPARE(value, fingerToInt(finger));
        QTEST(KeyboardModel::fingerColor(value), "color");
        QTEST(KeyboardModel::fingerName(value), "name");
        QTEST(KeyboardModel::handEmoji(value), "hand");
    }

    void keyColourFallsBackForKeysWithoutFinger()
    {
        QCOMPARE(KeyboardModel::keyColor(u"k"_qs, Qt::red), QColor(82, 224, 158));
        QCOMPARE(KeyboardModel::keyColor(QString(), Qt::red), QColor(Qt::red));
    }
};

QTEST_APPLESS_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
