// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "keyboardlayout.h"

#include "translatedtable.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

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

KeyDef makeKey(const QString &id, const QString &label, std::optional<QChar> output,
               std::optional<QChar> shifted, double width, std::optional<Finger> finger)
{
    KeyDef key;
    key.id = id;
    key.label = label;
    key.output = output;
    key.shifted = shifted;
    key.width = width;
    key.finger = finger;
    return key;
}

KeyDef symbolKey(char output, char shifted, Finger finger)
{
    const QString label(QChar::fromLatin1(output));
    return makeKey(label, label, QChar::fromLatin1(output), QChar::fromLatin1(shifted), 1, finger);
}

KeyDef letterKey(char capital, Finger finger)
{
    const QChar upper = QChar::fromLatin1(capital);
    return makeKey(QString(upper), QString(upper), upper.toLower(), upper, 1, finger);
}

KeyDef controlKey(const QString &id, const char *label, double width)
{
    return makeKey(id, QCoreApplication::translate("Keyboard", label), std::nullopt, std::nullopt,
                   width, std::nullopt);
}

QList<KeyDef> letterKeys(const char *capitals, std::initializer_list<Finger> fingers)
{
    QList<KeyDef> keys;
    const char *capital = capitals;
    for (Finger finger : fingers)
        keys.append(letterKey(*capital++, finger));
    return keys;
}

//: A key cap: at most 5 letters, lower case
const char *const tabLabel = QT_TRANSLATE_NOOP("Keyboard", "tab");
//: The Caps Lock key's cap: at most 6 letters, lower case
const char *const capsLabel = QT_TRANSLATE_NOOP("Keyboard", "caps");
//: A key cap: at most 6 letters, lower case
const char *const returnLabel = QT_TRANSLATE_NOOP("Keyboard", "return");
//: A key cap: at most 8 letters, lower case
const char *const shiftLabel = QT_TRANSLATE_NOOP("Keyboard", "shift");

KeyDef spaceKey()
{
    KeyDef space = makeKey(QStringLiteral("space"),
                           //: The space bar's cap: at most 20 letters, lower case
                           QCoreApplication::translate("Keyboard", "space"), QChar(u' '),
                           std::nullopt, 6.5, Finger::thumb);
    space.position = QStringLiteral("SPCE");
    return space;
}

// The US keyboard as children's keyboards have long drawn it; the keyboard data agrees.
QList<QList<KeyDef>> buildUsRows()
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

    QList<KeyDef> top = {controlKey(QStringLiteral("tab"), tabLabel, 1.6)};
    top += letterKeys("QWERTYUIOP", {leftPinky, leftRing, leftMiddle, leftIndex, leftIndex,
                                     rightIndex, rightIndex, rightMiddle, rightRing, rightPinky});
    top += {symbolKey('[', '{', rightPinky), symbolKey(']', '}', rightPinky),
            symbolKey('\\', '|', rightPinky)};

    QList<KeyDef> home = {controlKey(QStringLiteral("caps"), capsLabel, 1.9)};
    home += letterKeys("ASDFGHJKL", {leftPinky, leftRing, leftMiddle, leftIndex, leftIndex,
                                     rightIndex, rightIndex, rightMiddle, rightRing});
    home += {symbolKey(';', ':', rightPinky), symbolKey('\'', '"', rightPinky),
             controlKey(QStringLiteral("return"), returnLabel, 1.9)};

    QList<KeyDef> bottom = {controlKey(QStringLiteral("shift"), shiftLabel, 2.45)};
    bottom += letterKeys(
        "ZXCVBNM", {leftPinky, leftRing, leftMiddle, leftIndex, leftIndex, rightIndex, rightIndex});
    bottom +=
        {symbolKey(',', '<', rightMiddle), symbolKey('.', '>', rightRing),
         symbolKey('/', '?', rightPinky), controlKey(QStringLiteral("shift "), "shift", 2.45)};

    QList<QList<KeyDef>> rows = {numbers, top, home, bottom, {spaceKey()}};
    const QList<QStringList> positions = {
        QStringList(Xkb::mainBlock().mid(0, 13)) << QStringLiteral("BKSP"),
        QStringList{QStringLiteral("TAB")} + Xkb::mainBlock().mid(13, 13),
        QStringList{QStringLiteral("CAPS")} + Xkb::mainBlock().mid(26, 11) +
            QStringList{QStringLiteral("RTRN")},
        QStringList{QStringLiteral("LFSH")} + Xkb::mainBlock().mid(38, 10) +
            QStringList{QStringLiteral("RTSH")},
        QStringList{QStringLiteral("SPCE")},
    };
    for (qsizetype r = 0; r < rows.size(); ++r) {
        Q_ASSERT(rows[r].size() == positions[r].size());
        for (qsizetype k = 0; k < rows[r].size(); ++k)
            rows[r][k].position = positions[r][k];
    }
    return rows;
}

bool isShiftKey(const KeyDef &key)
{
    return key.id.trimmed() == u"shift";
}

bool isAltGrKey(const KeyDef &key)
{
    return key.position == u"RALT";
}

std::optional<QChar> singleChar(const QString &text)
{
    if (text.size() != 1)
        return std::nullopt;
    return text.front();
}

// A letter the course can teach: Latin, with an upper and a lower case (not º, not µ).
bool isCasedLatin(QChar c)
{
    return c.isLetter() && c.script() == QChar::Script_Latin && (c.isLower() || c.isUpper());
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

std::optional<Finger> fingerAt(QStringView position)
{
    using enum Finger;
    // Columns 1 to 12 of the four rows of characters: each finger keeps its column up and down.
    static constexpr std::array<Finger, 12> columns = {
        leftPinky, leftRing,    leftMiddle, leftIndex,  leftIndex,  rightIndex,
        rightIndex, rightMiddle, rightRing, rightPinky, rightPinky, rightPinky,
    };
    if (position == u"TLDE" || position == u"LSGT")
        return leftPinky;
    if (position == u"BKSL")
        return rightPinky;
    if (position == u"SPCE")
        return thumb;
    if (position.size() == 4 && position.front() == u'A' &&
        QStringView(u"EDCB").contains(position.at(1))) {
        bool ok = false;
        const int column = position.sliced(2).toInt(&ok);
        if (ok && column >= 1 && column <= 12)
            return columns[size_t(column - 1)];
    }
    return std::nullopt;
}

std::optional<QChar> KeyDef::level(int level) const
{
    switch (level) {
    case 0:
        return output;
    case 1:
        return shifted;
    case 2:
        return altGr;
    case 3:
        return shiftAltGr;
    default:
        return std::nullopt;
    }
}

struct Keyboard::Data {
    LayoutName name;
    bool iso = false;
    bool altGr = false;
    QList<QList<KeyDef>> rows;
    QHash<QString, KeyDef> byPosition;
    QHash<QChar, KeyboardLayout::Match> ways;
};

namespace {

using KeyboardLayout::Match;
using KeyboardLayout::Stroke;

// Every character the keyboard types, by the fewest modifiers; among keys at the same level,
// the first in reading order.
void indexKeys(Keyboard::Data &data)
{
    for (const QList<KeyDef> &row : std::as_const(data.rows)) {
        for (const KeyDef &key : row) {
            if (!key.position.isEmpty())
                data.byPosition.insert(key.position, key);
        }
    }
    for (int level = 0; level < Xkb::levelCount; ++level) {
        for (const QList<KeyDef> &row : std::as_const(data.rows)) {
            for (const KeyDef &key : row) {
                const std::optional<QChar> typed = key.level(level);
                if (typed && !key.isDead(level) && !data.ways.contains(*typed))
                    data.ways.insert(*typed, Match{key, bool(level & 1), bool(level & 2), {}});
            }
        }
    }
}

KeyDef keyFrom(const Xkb::PhysicalKey &physical)
{
    KeyDef key;
    key.position = physical.position;
    bool typesSomething = false;
    for (int level = 0; level < Xkb::levelCount; ++level) {
        const Xkb::Level &typed = physical.levels[size_t(level)];
        if (typed.dead)
            key.deadLevels |= quint8(1u << level);
        const std::optional<QChar> ch = singleChar(typed.text);
        typesSomething = typesSomething || ch || typed.dead;
        switch (level) {
        case 0:
            key.output = ch;
            break;
        case 1:
            key.shifted = ch;
            break;
        case 2:
            key.altGr = ch;
            break;
        default:
            key.shiftAltGr = ch;
            break;
        }
    }
    // A letter key shows its capital, as on the keyboards children see; any other key what it
    // types without Shift.
    const Xkb::Level &plain = physical.levels[0];
    const Xkb::Level &shift = physical.levels[1];
    if (key.output && isCasedLatin(*key.output) && !key.isDead(0) &&
        shift.text == QString(*key.output).toUpper())
        key.label = shift.text;
    else if (!plain.text.isEmpty())
        key.label = plain.text;
    else
        key.label = shift.text;
    key.finger = typesSomething ? fingerAt(key.position) : std::nullopt;
    return key;
}

KeyDef blankKey(const QString &position)
{
    KeyDef key;
    key.position = position;
    return key;
}

KeyDef withPosition(KeyDef key, const char *position)
{
    key.position = QString::fromLatin1(position);
    return key;
}

} // namespace

Keyboard::Keyboard(std::shared_ptr<const Data> data) : d(std::move(data)) {}

const Keyboard &Keyboard::us()
{
    // Its caps and names in the household's language.
    static TranslatedTable<Keyboard> keyboard([] {
        auto data = std::make_shared<Data>();
        data->name = LayoutName{QStringLiteral("us"), QString()};
        data->rows = buildUsRows();
        indexKeys(*data);
        return Keyboard(std::move(data));
    });
    return keyboard.get();
}

Keyboard Keyboard::fromKeymap(const Xkb::Keymap &keymap)
{
    auto data = std::make_shared<Data>();
    data->name = keymap.name;
    QHash<QString, KeyDef> keys;
    for (const Xkb::PhysicalKey &physical : keymap.keys) {
        const KeyDef key = keyFrom(physical);
        keys.insert(key.position, key);
    }

    const KeyDef extra = keys.value(QStringLiteral("LSGT"));
    bool extraIsNew = false;
    for (const std::optional<QChar> &typed : {extra.output, extra.shifted}) {
        if (!typed)
            continue;
        const bool elsewhere = std::any_of(keys.cbegin(), keys.cend(), [&](const KeyDef &key) {
            return key.position != u"LSGT" && (key.output == typed || key.shifted == typed);
        });
        extraIsNew = extraIsNew || !elsewhere;
    }
    data->iso = extraIsNew;
    const bool hasAb11 = keys.contains(QStringLiteral("AB11"));

    const auto main = [&](const QString &position) {
        return keys.value(position, blankKey(position));
    };
    const QStringList &block = Xkb::mainBlock();
    QList<KeyDef> numbers;
    for (const QString &position : block.mid(0, 13))
        numbers.append(main(position));
    numbers.append(withPosition(controlKey(QStringLiteral("\u232B"), "\u232B", 1.6), "BKSP"));

    QList<KeyDef> top{withPosition(controlKey(QStringLiteral("tab"), tabLabel, 1.6), "TAB")};
    for (const QString &position : block.mid(13, 12))
        top.append(main(position));
    QList<KeyDef> home{withPosition(controlKey(QStringLiteral("caps"), capsLabel, 1.9), "CAPS")};
    for (const QString &position : block.mid(26, 11))
        home.append(main(position));
    QList<KeyDef> bottom;
    if (data->iso) {
        // The tall Return: its upper piece ends the top row, its lower one the home row, beside
        // the key that moved down from above.
        top.append(withPosition(controlKey(QStringLiteral("return"), returnLabel, 1.0), "RTRN"));
        home.append(main(QStringLiteral("BKSL")));
        KeyDef lower = withPosition(controlKey(QStringLiteral("return "), "", 0.9), "RTRN");
        lower.label.clear();
        home.append(lower);
        bottom.append(withPosition(controlKey(QStringLiteral("shift"), shiftLabel, 1.45), "LFSH"));
        bottom.append(main(QStringLiteral("LSGT")));
    } else {
        top.append(main(QStringLiteral("BKSL")));
        home.append(withPosition(controlKey(QStringLiteral("return"), returnLabel, 1.9), "RTRN"));
        bottom.append(withPosition(controlKey(QStringLiteral("shift"), shiftLabel, 2.45), "LFSH"));
    }
    for (const QString &position : block.mid(38, 10))
        bottom.append(main(position));
    if (hasAb11)
        bottom.append(main(QStringLiteral("AB11")));
    bottom.append(withPosition(
        controlKey(QStringLiteral("shift "), shiftLabel, hasAb11 ? 1.45 : 2.45), "RTSH"));

    // AltGr is drawn where a drawn key has something for it.
    for (const QList<KeyDef> *row : {&numbers, &top, &home, &bottom}) {
        for (const KeyDef &key : *row) {
            data->altGr = data->altGr || key.altGr || key.shiftAltGr || key.isDead(2) ||
                          key.isDead(3);
        }
    }
    QList<KeyDef> spaceRow{spaceKey()};
    if (data->altGr) {
        //: The AltGr key's cap: at most 6 letters
        spaceRow.append(withPosition(
            controlKey(QStringLiteral("altgr"), QT_TRANSLATE_NOOP("Keyboard", "altgr"), 1.5),
            "RALT"));
    }
    data->rows = {numbers, top, home, bottom, spaceRow};

    // Ids are the caps, as on the US keyboard, unless two keys show the same cap.
    QSet<QString> ids;
    for (QList<KeyDef> &row : data->rows) {
        for (KeyDef &key : row) {
            if (key.id.isEmpty())
                key.id = key.label;
            if (key.id.isEmpty() || ids.contains(key.id))
                key.id = key.position;
            ids.insert(key.id);
        }
    }
    indexKeys(*data);

    for (const Xkb::DeadSequence &sequence : keymap.sequences) {
        const std::optional<QChar> result = singleChar(sequence.result);
        if (!result || data->ways.contains(*result))
            continue;
        const KeyDef dead = data->byPosition.value(sequence.deadPosition);
        const KeyDef second = data->byPosition.value(sequence.position);
        data->ways.insert(*result, Match{second, bool(sequence.level & 1),
                                         bool(sequence.level & 2),
                                         Stroke{dead, bool(sequence.deadLevel & 1),
                                                bool(sequence.deadLevel & 2)}});
    }
    return Keyboard(std::move(data));
}

std::optional<Keyboard> Keyboard::load(const LayoutName &name, KeyboardProblem *problem)
{
    const auto fail = [&](KeyboardProblem why) -> std::optional<Keyboard> {
        if (problem)
            *problem = why;
        return std::nullopt;
    };
    if (problem)
        *problem = KeyboardProblem::none;
    if (name.isUs())
        return us();
    Xkb::Problem readProblem = Xkb::Problem::none;
    const std::optional<Xkb::Keymap> keymap = Xkb::read(name, &readProblem);
    if (!keymap) {
        return fail(readProblem == Xkb::Problem::badName ? KeyboardProblem::badName
                                                          : KeyboardProblem::unknownLayout);
    }
    Keyboard keyboard = fromKeymap(*keymap);
    // The letters of the three rows a US keyboard has letters on.
    int latin = 0;
    for (const QString &position : Xkb::mainBlock().mid(13, 10) + Xkb::mainBlock().mid(26, 9) +
                                       Xkb::mainBlock().mid(38, 7)) {
        const QString typed = keyboard.plainAt(position);
        latin += typed.size() == 1 && isCasedLatin(typed.front());
    }
    if (latin < 20)
        return fail(KeyboardProblem::otherScript);
    return keyboard;
}

const LayoutName &Keyboard::name() const
{
    return d->name;
}

bool Keyboard::isIso() const
{
    return d->iso;
}

bool Keyboard::hasAltGr() const
{
    return d->altGr;
}

const QList<QList<KeyDef>> &Keyboard::rows() const
{
    return d->rows;
}

std::optional<KeyDef> Keyboard::keyAt(QStringView position) const
{
    const auto found = d->byPosition.constFind(position.toString());
    if (found == d->byPosition.cend())
        return std::nullopt;
    return *found;
}

QString Keyboard::plainAt(QStringView position) const
{
    const std::optional<KeyDef> key = keyAt(position);
    return key && key->output && !key->isDead(0) ? QString(*key->output) : QString();
}

std::optional<KeyboardLayout::Match> Keyboard::find(QChar ch) const
{
    const auto found = d->ways.constFind(ch);
    if (found == d->ways.cend())
        return std::nullopt;
    return *found;
}

QStringList Keyboard::litKeys(std::optional<QChar> highlight, QStringView extra) const
{
    const std::optional<Match> main = highlight ? find(*highlight) : std::nullopt;
    QStringList extraIds;
    for (QChar ch : extra) {
        if (const std::optional<Match> match = find(ch))
            extraIds.append(match->key.id);
    }
    const bool shift = main && (main->needsShift || (main->dead && main->dead->needsShift));
    const bool altGr = main && (main->needsAltGr || (main->dead && main->dead->needsAltGr));

    QStringList lit;
    for (const QList<KeyDef> &row : d->rows) {
        for (const KeyDef &key : row) {
            const bool isMain =
                main && (key.id == main->key.id || (main->dead && key.id == main->dead->key.id) ||
                         (shift && isShiftKey(key)) || (altGr && isAltGrKey(key)));
            if (isMain || extraIds.contains(key.id))
                lit.append(key.id);
        }
    }
    return lit;
}

std::optional<QString> Keyboard::hintText(QChar highlight) const
{
    const std::optional<Match> match = find(highlight);
    if (!match)
        return std::nullopt;
    const QString name =
        highlight == u' ' ? QCoreApplication::translate("Keyboard", "SPACE") : QString(highlight);
    return KeyboardLayout::hintText(name, *match);
}

QString Keyboard::homeRow() const
{
    QString keys;
    for (const char *position : {"AC01", "AC02", "AC03", "AC04", "AC07", "AC08", "AC09", "AC10"})
        keys += plainAt(QLatin1StringView(position).toString());
    return keys;
}

QString Keyboard::gamePool() const
{
    QString keys;
    for (const char *position : {"AC01", "AC02", "AC03", "AC04", "AC07", "AC08", "AC09"}) {
        const QString typed = plainAt(QLatin1StringView(position).toString());
        if (typed.size() == 1 && typed.front().isLetter())
            keys += typed;
    }
    return keys;
}

QStringList Keyboard::bumpKeys() const
{
    return {keyAt(u"AC04").value_or(KeyDef{}).label, keyAt(u"AC07").value_or(KeyDef{}).label};
}

namespace KeyboardLayout {

namespace {

// Every keyboard ever made active, the active one last: references into them stay valid.
QList<Keyboard> &chosen()
{
    static QList<Keyboard> keyboards{Keyboard::us()};
    return keyboards;
}

} // namespace

const Keyboard &active()
{
    // Made again, its caps in the new language, once the household's language changes.
    static int language = TranslatedTables::generation();
    if (const int now = TranslatedTables::generation(); now != language) {
        language = now;
        chosen().append(
            Keyboard::load(chosen().constLast().name()).value_or(Keyboard::us()));
    }
    return chosen().constLast();
}

void setActive(const Keyboard &keyboard)
{
    const bool changed = !(keyboard.name() == active().name());
    chosen().append(keyboard);
    if (changed)
        KeyboardModel::activeChanged();
}

const QList<QList<KeyDef>> &rows()
{
    return active().rows();
}

std::optional<Match> find(QChar ch)
{
    return active().find(ch);
}

QStringList litKeys(std::optional<QChar> highlight, QStringView extra)
{
    return active().litKeys(highlight, extra);
}

QString hintText(const QString &keyName, std::optional<Finger> finger, bool needsShift)
{
    // Whole sentences, for a language orders them its own way.
    if (finger && needsShift) {
        return QCoreApplication::translate(
                   "Keyboard", "Press  %1  with your %2  (hold SHIFT with your other pinky!)")
            .arg(keyName, fingerName(*finger));
    }
    if (finger) {
        return QCoreApplication::translate("Keyboard", "Press  %1  with your %2")
            .arg(keyName, fingerName(*finger));
    }
    if (needsShift) {
        return QCoreApplication::translate("Keyboard",
                                           "Press  %1  (hold SHIFT with your other pinky!)")
            .arg(keyName);
    }
    return QCoreApplication::translate("Keyboard", "Press  %1").arg(keyName);
}

QString hintText(const QString &keyName, const Match &match)
{
    if (!match.dead && !match.needsAltGr)
        return hintText(keyName, match.key.finger, match.needsShift);
    QString text;
    if (match.dead) {
        // The second key by what it types alone: "´ and then e" makes é.
        const int level = int(match.needsShift) + 2 * int(match.needsAltGr);
        const std::optional<QChar> second = match.key.level(level);
        text = QCoreApplication::translate("Keyboard", "Press  %1  and then  %2")
                   .arg(match.dead->key.label, second ? QString(*second) : match.key.label);
    } else {
        text = QCoreApplication::translate("Keyboard", "Press  %1").arg(keyName);
    }
    if (match.key.finger) {
        text += QCoreApplication::translate("Keyboard", "  with your %1")
                    .arg(fingerName(*match.key.finger));
    }
    if (match.needsShift || (match.dead && match.dead->needsShift))
        text += QCoreApplication::translate("Keyboard", "  (hold SHIFT with your other pinky!)");
    if (match.needsAltGr || (match.dead && match.dead->needsAltGr))
        text += QCoreApplication::translate("Keyboard", "  (hold ALTGR with your right thumb!)");
    return text;
}

std::optional<QString> hintText(QChar highlight)
{
    return active().hintText(highlight);
}

} // namespace KeyboardLayout

namespace {

// Every KeyboardModel alive, told when the active keyboard changes; the GUI thread's only.
QList<KeyboardModel *> &models()
{
    static QList<KeyboardModel *> all;
    return all;
}

} // namespace

KeyboardModel::KeyboardModel(QObject *parent) : QObject(parent)
{
    models().append(this);
}

KeyboardModel::~KeyboardModel()
{
    models().removeOne(this);
}

void KeyboardModel::activeChanged()
{
    for (KeyboardModel *model : std::as_const(models()))
        emit model->layoutChanged();
}

QString KeyboardModel::layout()
{
    return KeyboardLayout::active().name().text();
}

QVariantMap KeyboardModel::pressOrder(const QString &ch)
{
    const std::optional<QChar> c = singleChar(ch);
    const auto match = c ? KeyboardLayout::find(*c) : std::nullopt;
    if (!match || !match->dead)
        return {};
    return {{match->dead->key.id, 1}, {match->key.id, 2}};
}

QVariantMap KeyboardModel::tallReturn(double unit, double gap)
{
    const auto keyWidth = [&](const KeyDef &key) { return unit * key.width + gap * (key.width - 1); };
    const auto rowWidth = [&](const QList<KeyDef> &row) {
        double width = gap * double(std::max<qsizetype>(row.size() - 1, 0));
        for (const KeyDef &key : row)
            width += keyWidth(key);
        return width;
    };
    const QList<QList<KeyDef>> &rows = KeyboardLayout::rows();
    for (qsizetype r = 0; r + 1 < rows.size(); ++r) {
        const QList<KeyDef> &upper = rows[r];
        const QList<KeyDef> &lower = rows[r + 1];
        if (upper.isEmpty() || lower.isEmpty() || upper.constLast().id != u"return" ||
            lower.constLast().id != u"return ")
            continue;
        return {{QStringLiteral("reach"), (rowWidth(lower) - rowWidth(upper)) / 2},
                {QStringLiteral("tailWidth"), keyWidth(lower.constLast())}};
    }
    return {};
}

QList<KeyRow> KeyboardModel::rows()
{
    QList<KeyRow> rows;
    for (const QList<KeyDef> &row : KeyboardLayout::rows())
        rows.append({row});
    return rows;
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
