// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The on-screen keyboard of a layout: every key, the finger that presses it, which keys to
// light and how to type a character on it.
#pragma once

#include <QChar>
#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include "xkbkeymap.h"

#include <array>
#include <memory>
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
    // The keys at F and J on a US keyboard carry the bumps that let fingers find the home row
    // without looking, whatever they type.
    Q_PROPERTY(bool homeBump READ homeBump CONSTANT FINAL)
    Q_PROPERTY(QString position MEMBER position CONSTANT FINAL)
    Q_PROPERTY(QString altGr READ altGrText CONSTANT FINAL)           // "" when AltGr adds nothing
    Q_PROPERTY(QString shiftAltGr READ shiftAltGrText CONSTANT FINAL) // "" likewise

public:
    QString id; // unique; the right Shift's is "shift " so that the two Shifts differ
    QString label;
    std::optional<QChar> output;
    std::optional<QChar> shifted;
    double width = 1;
    std::optional<Finger> finger; // none for the modifier and editing keys
    // The key's name in the keyboard data ("AC01"), the same key on every layout; the
    // modifier keys have theirs too ("LFSH"). Both pieces of an ISO Return are "RTRN".
    QString position;
    std::optional<QChar> altGr;
    std::optional<QChar> shiftAltGr;
    // Bit n set: level n (plain, Shift, AltGr, Shift+AltGr) is a dead key, and its character
    // is the accent it puts on the next letter.
    quint8 deadLevels = 0;

    QString outputText() const { return output ? QString(*output) : QString(); }
    QString shiftedText() const { return shifted ? QString(*shifted) : QString(); }
    QString altGrText() const { return altGr ? QString(*altGr) : QString(); }
    QString shiftAltGrText() const { return shiftAltGr ? QString(*shiftAltGr) : QString(); }
    int fingerValue() const { return fingerToInt(finger); }
    bool homeBump() const { return position == u"AC04" || position == u"AC07"; }
    std::optional<QChar> level(int level) const;
    Q_INVOKABLE bool isDead(int level) const { return deadLevels & (1u << level); }

    bool operator==(const KeyDef &) const = default;
};

// The finger that presses the key at a position of the main block, the same on every layout.
std::optional<Finger> fingerAt(QStringView position);

namespace KeyboardLayout {

// One press of a key, with the modifiers held for it.
struct Stroke {
    KeyDef key;
    bool needsShift = false;
    bool needsAltGr = false;

    bool operator==(const Stroke &) const = default;
};

struct Match {
    KeyDef key;
    bool needsShift = false;
    bool needsAltGr = false;
    std::optional<Stroke> dead; // a dead key pressed first, when the character needs one

    bool operator==(const Match &) const = default;
};

} // namespace KeyboardLayout

enum class KeyboardProblem { none, badName, unknownLayout, otherScript };

// One layout's keyboard, fixed once made; copies share it. The US keyboard is a table of its
// own, which the keyboard data agrees with; every other one is read from the keyboard data.
class Keyboard {
public:
    struct Data; // what a keyboard shares among its copies


    static const Keyboard &us();
    // "us" without a variant is us(); a layout whose letters are not Latin is refused, since
    // the course teaches Latin letters.
    static std::optional<Keyboard> load(const LayoutName &name,
                                        KeyboardProblem *problem = nullptr);
    static Keyboard fromKeymap(const Xkb::Keymap &keymap);

    const LayoutName &name() const;
    // The extra key beside the left Shift is drawn only where it types something no other
    // key does: the keyboards sold for the others lack it.
    bool isIso() const;
    bool hasAltGr() const;

    // Five rows, top to bottom, keys left to right. An ISO keyboard's tall Return is two
    // pieces, "return" at the end of the top row and "return " (no cap) at the end of the home
    // row; a layout with AltGr levels has an "altgr" key after the space bar.
    const QList<QList<KeyDef>> &rows() const;
    std::optional<KeyDef> keyAt(QStringView position) const;
    // What the key at a position types without modifiers; empty for a dead key or none.
    QString plainAt(QStringView position) const;

    // How to type ch: with one key where one types it (the fewest modifiers first), else a dead
    // key and then another.
    std::optional<KeyboardLayout::Match> find(QChar ch) const;
    QStringList litKeys(std::optional<QChar> highlight, QStringView extra = {}) const;
    std::optional<QString> hintText(QChar highlight) const;

    QString homeRow() const;   // where the eight fingers rest: "asdfjkl;" on US
    QString gamePool() const;  // the games' keys before any lesson: "asdfjkl" on US
    QStringList bumpKeys() const; // the caps of the two keys with bumps: F and J on US

private:
    explicit Keyboard(std::shared_ptr<const Data> data);
    std::shared_ptr<const Data> d;
};

namespace KeyboardLayout {

// The keyboard the course in use was built for (US until another is chosen). Earlier ones stay
// alive, so a reference taken from one never dangles. Curriculum::setActive sets it with the
// course, so the two always agree.
const Keyboard &active();
void setActive(const Keyboard &keyboard);

// The active keyboard's five rows, top to bottom, keys left to right.
const QList<QList<KeyDef>> &rows();

// On the active keyboard: the key that types ch, and what must be held or pressed first; none
// when the keyboard cannot type it.
std::optional<Match> find(QChar ch);

// Ids of the keys lit for a highlighted character and further keys, in layout order. The
// highlight lights both Shift keys when it needs Shift; extras never do.
QStringList litKeys(std::optional<QChar> highlight, QStringView extra = {});

// "Press  f  with your left pointer finger"; the key name is the character, space is "SPACE".
QString hintText(const QString &keyName, std::optional<Finger> finger, bool needsShift);
// The same for any way of typing: AltGr and a dead key first are said as well.
QString hintText(const QString &keyName, const Match &match);
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

    // The active keyboard's: they change only when the grown-ups choose another layout.
    Q_PROPERTY(QList<tapalong::KeyRow> rows READ rows NOTIFY layoutChanged FINAL)
    Q_PROPERTY(QString layout READ layout NOTIFY layoutChanged FINAL) // "de", "us(intl)"
    Q_PROPERTY(int noFinger READ noFingerValue CONSTANT FINAL)
    Q_PROPERTY(int thumb READ thumb CONSTANT FINAL)
    // The four fingers of each hand as drawn, left to right: pinky to pointer, pointer to pinky.
    Q_PROPERTY(QList<int> leftHand READ leftHand CONSTANT FINAL)
    Q_PROPERTY(QList<int> rightHand READ rightHand CONSTANT FINAL)

public:
    explicit KeyboardModel(QObject *parent = nullptr);
    ~KeyboardModel() override;

    static KeyboardModel *create(QQmlEngine *, QJSEngine *) { return new KeyboardModel; }

    static QList<KeyRow> rows();
    static QString layout();
    // Tells every model that KeyboardLayout::setActive chose another keyboard.
    static void activeChanged();
    static int noFingerValue() { return noFinger; }
    static int thumb() { return int(Finger::thumb); }
    static QList<int> leftHand();
    static QList<int> rightHand();

    // highlight "" means nothing is highlighted; extra holds one key per character.
    Q_INVOKABLE static QStringList litKeys(const QString &highlight, const QString &extra = {});
    // The order in which a character's keys are pressed, by key id: a dead key is pressed first
    // (1), the key it accents second (2); empty when one press types it.
    Q_INVOKABLE static QVariantMap pressOrder(const QString &ch);
    // An ISO keyboard's Return is drawn as one tall key from its upper piece: "reach" is how far
    // it stretches right so both pieces end flush, "tailWidth" the lower piece's width, for keys
    // of `unit` wide with `gap` between them and rows centred. Empty on a keyboard without one.
    Q_INVOKABLE static QVariantMap tallReturn(double unit, double gap);
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

signals:
    void layoutChanged();
};

} // namespace tapalong
