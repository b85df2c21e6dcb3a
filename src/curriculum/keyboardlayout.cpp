// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "keyboardlayout.h"

#include <QCoreApplication>

namespace tapalong {

namespace {

// The palette's values again: the theme lives in the UI library, which builds on this one.
const QColor lavender(179, 157, 255);
const QColor sky(90, 184, 255);
const QColor mint(82, 224, 158);
const QColor tangerine(255, 169, 77);
const QColor pink(255, 143, 216);

QColor white(float alpha)
{
    return QColor::fromRgbF(1.0f, 1.0f, 1.0f, alpha);
}

KeyDef symbolKey(char output, char shifted, Finger finger)
{
    const QString label(QChar::fromLatin1(output));
    return KeyDef{label, label, QChar::fromLatin1(output), QChar::fromLatin1(shifted), 1, finger};
}

KeyDef letterKey(char capital, Finger finger)
{
    const QChar upper = QChar::fromLatin1(capital);
    return KeyDef{QString(upper), QString(upper), upper.toLower(), upper, 1, finger};
}

KeyDef controlKey(const QString &id, const char *label, double width)
{
    return KeyDef{id,           QCoreApplication::translate("Keyboard", label),
                  std::nullopt, std::nullopt,
                  width,        std::nullopt};
}

QList<KeyDef> letterKeys(const char *capitals, std::initializer_list<Finger> fingers)
{
    QList<KeyDef> keys;
    const char *capital = capitals;
    for (Finger finger : fingers)
        keys.append(letterKey(*capital++, finger));
    return keys;
}

QList<QList<KeyDef>> buildRows()
{
    using enum Finger;

    QList<KeyDef> numbers = {
        symbolKey('`', '~', leftPinky),   symbolKey('1', '!', leftPinky),
        symbolKey('2', '@', leftRing),    symbolKey('3', '#', leftMiddle),
        symbolKey('4', '$', leftIndex),   symbolKey('5', '%', leftIndex),
        symbolKey('6', '^', rightIndex),  symbolKey('7', '&', rightIndex),
        symbolKey('8', '*', rightMiddle), symbolKey('9', '(', rightRing),
        symbolKey('0', ')', rightPinky),  symbolKey('-', '_', rightPinky),
        symbolKey('=', '+', rightPinky),  controlKey(QStringLiteral("\u232B"), "\u232B", 1.6),
    };

    QList<KeyDef> top = {
        //: A key cap: at most 5 letters, lower case
        controlKey(QStringLiteral("tab"), QT_TRANSLATE_NOOP("Keyboard", "tab"), 1.6)};
    top += letterKeys("QWERTYUIOP", {leftPinky, leftRing, leftMiddle, leftIndex, leftIndex,
                                     rightIndex, rightIndex, rightMiddle, rightRing, rightPinky});
    top += {symbolKey('[', '{', rightPinky), symbolKey(']', '}', rightPinky),
            symbolKey('\\', '|', rightPinky)};

    QList<KeyDef> home = {
        //: The Caps Lock key's cap: at most 6 letters, lower case
        controlKey(QStringLiteral("caps"), QT_TRANSLATE_NOOP("Keyboard", "caps"), 1.9)};
    home += letterKeys("ASDFGHJKL", {leftPinky, leftRing, leftMiddle, leftIndex, leftIndex,
                                     rightIndex, rightIndex, rightMiddle, rightRing});
    home += {symbolKey(';', ':', rightPinky), symbolKey('\'', '"', rightPinky),

             //: A key cap: at most 6 letters, lower case
             controlKey(QStringLiteral("return"), QT_TRANSLATE_NOOP("Keyboard", "return"), 1.9)};

    QList<KeyDef> bottom = {
        //: A key cap: at most 8 letters, lower case
        controlKey(QStringLiteral("shift"), QT_TRANSLATE_NOOP("Keyboard", "shift"), 2.45)};
    bottom += letterKeys(
        "ZXCVBNM", {leftPinky, leftRing, leftMiddle, leftIndex, leftIndex, rightIndex, rightIndex});
    bottom +=
        {symbolKey(',', '<', rightMiddle), symbolKey('.', '>', rightRing),
         symbolKey('/', '?', rightPinky), controlKey(QStringLiteral("shift "), "shift", 2.45)};

    const KeyDef space{QStringLiteral("space"),
                       //: The space bar's cap: at most 20 letters, lower case
                       QCoreApplication::translate("Keyboard", "space"), QChar(u' '), std::nullopt,
                       6.5, thumb};

    return {numbers, top, home, bottom, {space}};
}

bool isShiftKey(const KeyDef &key)
{
    return key.id.trimmed() == u"shift";
}

} // namespace

QColor fingerColor(Finger finger)
{
    switch (finger) {
    case Finger::leftPinky:
    case Finger::rightPinky:
        return lavender;
    case Finger::leftRing:
    case Finger::rightRing:
        return sky;
    case Finger::leftMiddle:
    case Finger::rightMiddle:
        return mint;
    case Finger::leftIndex:
        return tangerine;
    case Finger::rightIndex:
        return pink;
    case Finger::thumb:
        break;
    }
    return white(0.5f);
}

QString fingerName(Finger finger)
{
    switch (finger) {
    case Finger::leftPinky:
        return QCoreApplication::translate("Keyboard", "left pinky");
    case Finger::leftRing:
        return QCoreApplication::translate("Keyboard", "left ring finger");
    case Finger::leftMiddle:
        return QCoreApplication::translate("Keyboard", "left middle finger");
    case Finger::leftIndex:
        return QCoreApplication::translate("Keyboard", "left pointer finger");
    case Finger::rightIndex:
        return QCoreApplication::translate("Keyboard", "right pointer finger");
    case Finger::rightMiddle:
        return QCoreApplication::translate("Keyboard", "right middle finger");
    case Finger::rightRing:
        return QCoreApplication::translate("Keyboard", "right ring finger");
    case Finger::rightPinky:
        return QCoreApplication::translate("Keyboard", "right pinky");
    case Finger::thumb:
        break;
    }
    return QCoreApplication::translate("Keyboard", "thumb");
}

QString handEmoji(Finger finger)
{
    if (finger == Finger::thumb)
        return QStringLiteral("\U0001F44D");
    return finger <= Finger::leftIndex ? QStringLiteral("\U0001FAF2")
                                       : QStringLiteral("\U0001FAF1");
}

std::optional<Finger> fingerFromInt(int value)
{
    if (value < int(Finger::leftPinky) || value > int(Finger::thumb))
        return std::nullopt;
    return Finger(value);
}

namespace KeyboardLayout {

const QList<QList<KeyDef>> &rows()
{
    static const QList<QList<KeyDef>> table = buildRows();
    return table;
}

std::optional<Match> find(QChar ch)
{
    // Only ASCII letters are folded: a few other letters (the Kelvin sign, a dotted capital I)
    // lower-case into ASCII, yet no key types them.
    const bool asciiLetter = ch.unicode() < 0x80 && ch.isLetter();
    const QChar lookup = asciiLetter ? ch.toLower() : ch;
    for (const QList<KeyDef> &row : rows()) {
        for (const KeyDef &key : row) {
            if (key.output == lookup)
                return Match{key, asciiLetter && ch.isUpper()};
            if (key.shifted == ch)
                return Match{key, true};
        }
    }
    return std::nullopt;
}

QStringList litKeys(std::optional<QChar> highlight, QStringView extra)
{
    const std::optional<Match> main = highlight ? find(*highlight) : std::nullopt;
    QStringList extraIds;
    for (QChar ch : extra) {
        if (const std::optional<Match> match = find(ch))
            extraIds.append(match->key.id);
    }

    QStringList lit;
    for (const QList<KeyDef> &row : rows()) {
        for (const KeyDef &key : row) {
            const bool isMain =
                main && (key.id == main->key.id || (main->needsShift && isShiftKey(key)));
            if (isMain || extraIds.contains(key.id))
                lit.append(key.id);
        }
    }
    return lit;
}

QString hintText(const QString &keyName, std::optional<Finger> finger, bool needsShift)
{
    QString text = QCoreApplication::translate("Keyboard", "Press  %1").arg(keyName);
    if (finger)
        text += QCoreApplication::translate("Keyboard", "  with your %1").arg(fingerName(*finger));
    if (needsShift)
        text += QCoreApplication::translate("Keyboard", "  (hold SHIFT with your other pinky!)");
    return text;
}

std::optional<QString> hintText(QChar highlight)
{
    const std::optional<Match> match = find(highlight);
    if (!match)
        return std::nullopt;
    const QString name =
        highlight == u' ' ? QCoreApplication::translate("Keyboard", "SPACE") : QString(highlight);
    return hintText(name, match->key.finger, match->needsShift);
}

} // namespace KeyboardLayout

namespace {

std::optional<QChar> singleChar(const QString &text)
{
    if (text.size() != 1)
        return std::nullopt;
    return text.front();
}

} // namespace

QList<KeyRow> KeyboardModel::rows()
{
    static const QList<KeyRow> table = [] {
        QList<KeyRow> rows;
        for (const QList<KeyDef> &row : KeyboardLayout::rows())
            rows.append({row});
        return rows;
    }();
    return table;
}

QList<int> KeyboardModel::leftHand()
{
    using enum Finger;
    return {int(leftPinky), int(leftRing), int(leftMiddle), int(leftIndex)};
}

QList<int> KeyboardModel::rightHand()
{
    using enum Finger;
    return {int(rightIndex), int(rightMiddle), int(rightRing), int(rightPinky)};
}

QStringList KeyboardModel::litKeys(const QString &highlight, const QString &extra)
{
    return KeyboardLayout::litKeys(singleChar(highlight), extra);
}

int KeyboardModel::fingerFor(const QString &ch)
{
    const std::optional<QChar> c = singleChar(ch);
    const auto match = c ? KeyboardLayout::find(*c) : std::nullopt;
    return match ? fingerToInt(match->key.finger) : noFinger;
}

QString KeyboardModel::hintText(const QString &ch)
{
    const std::optional<QChar> c = singleChar(ch);
    return c ? KeyboardLayout::hintText(*c).value_or(QString()) : QString();
}

QColor KeyboardModel::fingerColor(int finger)
{
    const std::optional<Finger> f = fingerFromInt(finger);
    return f ? tapalong::fingerColor(*f) : white(1.0f);
}

QString KeyboardModel::fingerName(int finger)
{
    const std::optional<Finger> f = fingerFromInt(finger);
    return f ? tapalong::fingerName(*f) : QString();
}

QString KeyboardModel::handEmoji(int finger)
{
    const std::optional<Finger> f = fingerFromInt(finger);
    return f ? tapalong::handEmoji(*f) : QString();
}

QColor KeyboardModel::keyColor(const QString &ch, const QColor &fallback)
{
    const std::optional<Finger> f = fingerFromInt(fingerFor(ch));
    return f ? tapalong::fingerColor(*f) : fallback;
}

} // namespace tapalong
