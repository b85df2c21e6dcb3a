// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The on-screen US keyboard: every key, the finger that presses it, and which keys to light.
#pragma once

#include <QChar>
#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <optional>

class QQmlEngine;
class QJSEngine;

namespace tapalong {

// QML sees a finger as its number; noFinger stands for "none".
enum class Finger {
    leftPinky,
    leftRing,
    leftMiddle,
    leftIndex,
    rightIndex,
    rightMiddle,
    rightRing,
    rightPinky,
    thumb,
};

inline constexpr int noFinger = -1;

inline constexpr std::array<Finger, 9> allFingers = {
    Finger::leftPinky, Finger::leftRing,   Finger::leftMiddle,
    Finger::leftIndex, Finger::rightIndex, Finger::rightMiddle,
    Finger::rightRing, Finger::rightPinky, Finger::thumb,
};

// Mirror fingers share a colour; only the pointer fingers differ, so a child tells the hands apart.
QColor fingerColor(Finger finger);
QString fingerName(Finger finger); // as hint texts say it: "left pointer finger"
QString handEmoji(Finger finger);

std::optional<Finger> fingerFromInt(int value);
inline int fingerToInt(std::optional<Finger> finger)
{
    return finger ? int(*finger) : noFinger;
}

struct KeyDef {
    Q_GADGET
    QML_VALUE_TYPE(keyDef)

    Q_PROPERTY(QString id MEMBER id CONSTANT FINAL)
    Q_PROPERTY(QString label MEMBER label CONSTANT FINAL)
    Q_PROPERTY(QString output READ outputText CONSTANT FINAL)   // "" when the key types nothing
    Q_PROPERTY(QString shifted READ shiftedText CONSTANT FINAL) // "" when Shift adds nothing
    Q_PROPERTY(double width MEMBER width CONSTANT FINAL)        // in plain-key units
    Q_PROPERTY(int finger READ fingerValue CONSTANT FINAL)
    // F and J carry the bumps that let fingers find the home row without looking.
    Q_PROPERTY(bool homeBump READ homeBump CONSTANT FINAL)

public:
    QString id; // unique; the right Shift's is "shift " so that the two Shifts differ
    QString label;
    std::optional<QChar> output;
    std::optional<QChar> shifted;
    double width = 1;
    std::optional<Finger> finger; // none for the modifier and editing keys

    QString outputText() const { return output ? QString(*output) : QString(); }
    QString shiftedText() const { return shifted ? QString(*shifted) : QString(); }
    int fingerValue() const { return fingerToInt(finger); }
    bool homeBump() const { return id == u"F" || id == u"J"; }

    bool operator==(const KeyDef &) const = default;
};

namespace KeyboardLayout {

struct Match {
    KeyDef key;
    bool needsShift = false;

    bool operator==(const Match &) const = default;
};

// Five rows, top to bottom, keys left to right; built once, on first use.
const QList<QList<KeyDef>> &rows();

// The key that types ch, and whether Shift must be held; none when no key types it.
std::optional<Match> find(QChar ch);

// Ids of the keys lit for a highlighted character and further keys, in layout order. The
// highlight lights both Shift keys when it needs Shift; extras never do.
QStringList litKeys(std::optional<QChar> highlight, QStringView extra = {});

// "Press  f  with your left pointer finger"; the key name is the character, space is "SPACE".
QString hintText(const QString &keyName, std::optional<Finger> finger, bool needsShift);
// The hint for a highlighted character; none when no key types it.
std::optional<QString> hintText(QChar highlight);

} // namespace KeyboardLayout

// One row of the on-screen keyboard, left to right.
struct KeyRow {
    Q_GADGET
    QML_VALUE_TYPE(keyRow)
    Q_PROPERTY(QList<tapalong::KeyDef> keys MEMBER keys CONSTANT FINAL)

public:
    QList<KeyDef> keys;
};

// What the keyboard, hint line and hands views read. Characters arrive as one-character strings;
// anything else (an empty string, several characters, an emoji) is no character at all.
class KeyboardModel : public QObject {
    Q_OBJECT
    QML_NAMED_ELEMENT(Keyboard)
    QML_SINGLETON

    Q_PROPERTY(QList<tapalong::KeyRow> rows READ rows CONSTANT FINAL)
    Q_PROPERTY(int noFinger READ noFingerValue CONSTANT FINAL)
    Q_PROPERTY(int thumb READ thumb CONSTANT FINAL)
    // The four fingers of each hand as drawn, left to right: pinky to pointer, pointer to pinky.
    Q_PROPERTY(QList<int> leftHand READ leftHand CONSTANT FINAL)
    Q_PROPERTY(QList<int> rightHand READ rightHand CONSTANT FINAL)

public:
    using QObject::QObject;

    static KeyboardModel *create(QQmlEngine *, QJSEngine *) { return new KeyboardModel; }

    static QList<KeyRow> rows();
    static int noFingerValue() { return noFinger; }
    static int thumb() { return int(Finger::thumb); }
    static QList<int> leftHand();
    static QList<int> rightHand();

    // highlight "" means nothing is highlighted; extra holds one key per character.
    Q_INVOKABLE static QStringList litKeys(const QString &highlight, const QString &extra = {});
    // The finger of the key that types ch, or noFinger.
    Q_INVOKABLE static int fingerFor(const QString &ch);
    // "" when no key types ch: the hint line then keeps its space empty.
    Q_INVOKABLE static QString hintText(const QString &ch);
    // The finger's colour; white for noFinger, which is how keys without a finger are filled.
    Q_INVOKABLE static QColor fingerColor(int finger);
    Q_INVOKABLE static QString fingerName(int finger);
    Q_INVOKABLE static QString handEmoji(int finger);
    // The colour of the finger that types ch; each game names its own colour for other keys.
    Q_INVOKABLE static QColor keyColor(const QString &ch, const QColor &fallback);
};

} // namespace tapalong
