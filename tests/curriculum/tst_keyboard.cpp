// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// Guards the keyboard model: which key types a character, which keys light, and the hint line.
#include "keyboardlayout.h"

#include <QSet>
#include <QTest>

using namespace tapalong;

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void everyCharacterHasAKeyThatLightsWithAHint()
    {
        for (char16_t c = 0x20; c < 0x7f; ++c) {
            const auto match = KeyboardLayout::find(QChar(c));
            QVERIFY2(match && match->key.finger, qPrintable(QString(QChar(c))));
        }
        // Keys that type nothing are pressed by no finger, so the hands never show one. Along
        // each of the four rows above the space bar, fingers never move leftwards, which shows a
        // key given to the wrong finger.
        for (qsizetype r = 0; r < KeyboardLayout::rows().size(); ++r) {
            int leftmost = 0;
            for (const KeyDef &key : KeyboardLayout::rows().at(r)) {
                QVERIFY2(key.finger.has_value() == key.output.has_value(), qPrintable(key.id));
                if (key.finger && r < 4) {
                    QVERIFY2(int(*key.finger) >= leftmost, qPrintable(key.id));
                    leftmost = int(*key.finger);
                }
            }
        }

        // The lit keys tell which key types a character and whether it needs Shift.
        const auto lit = [](const QString &highlight, const QString &extra = {}) {
            return KeyboardModel::litKeys(highlight, extra);
        };
        const QString shift = u"shift"_qs, rightShift = u"shift "_qs;
        QCOMPARE(lit(u"f"_qs), QStringList{u"F"_qs});
        QCOMPARE(lit(u"A"_qs), (QStringList{u"A"_qs, shift, rightShift}));
        QCOMPARE(lit(u"?"_qs), (QStringList{shift, u"/"_qs, rightShift}));
        QCOMPARE(lit(u" "_qs), QStringList{u"space"_qs});
        // Fault guarded: the Kelvin sign lower-cases to "k", yet no key types it.
        QCOMPARE(lit(u"\u212A"_qs), QStringList());
        QCOMPARE(lit(QString(), u"A?"_qs), (QStringList{u"A"_qs, u"/"_qs})); // extras: no Shift
        QCOMPARE(lit(u"é"_qs, u"j"_qs), QStringList{u"J"_qs});
        QCOMPARE(KeyboardModel::hintText(u"A"_qs),
                 u"Press  A  with your left pinky  (hold SHIFT with your other pinky!)"_qs);
        QCOMPARE(KeyboardModel::hintText(u"é"_qs), QString());
    }

    void fingerColourNameAndHand()
    {
        const int f = KeyboardModel::fingerFor(u"f"_qs);
        QCOMPARE(f, fingerToInt(Finger::leftIndex));
        QCOMPARE(KeyboardModel::keyColor(u"f"_qs, Qt::red), QColor(255, 169, 77));
        QCOMPARE(KeyboardModel::fingerName(f), u"left pointer finger"_qs);
        QCOMPARE(KeyboardModel::handEmoji(KeyboardModel::fingerFor(u"j"_qs)), u"\U0001FAF1"_qs);
        QCOMPARE(KeyboardModel::fingerColor(KeyboardModel::fingerFor(u" "_qs)),
                 QColor::fromRgbF(1, 1, 1, 0.5));
        // A key without a finger takes the colour the game names for it.
        const int none = KeyboardModel::fingerFor(u"é"_qs);
        QCOMPARE(none, fingerToInt(std::nullopt));
        QCOMPARE(KeyboardModel::keyColor(u"é"_qs, Qt::red), QColor(Qt::red));
        QCOMPARE(KeyboardModel::fingerColor(none), QColor(Qt::white));
        QVERIFY(KeyboardModel::fingerName(none).isEmpty() &&
                KeyboardModel::handEmoji(none).isEmpty());
    }
};

QTEST_APPLESS_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
