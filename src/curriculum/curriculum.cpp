// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "curriculum.h"

#include "drillbuilder.h"
#include "seededrng.h"
#include "translatedtable.h"
#include "wordbankdata.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

namespace tapalong::Curriculum {

namespace {

// Which recipe of drill builders makes a lesson's lines.
enum class Style { introduce, review, capitals, punctuation, numbers, stories };

// How a lesson's pool follows from the one it builds on.
enum class PoolRule {
    grow,     // the earlier pool, then the new keys
    homeRow,  // the same keys in the order they sit on the keyboard
    alphabet, // the letters in alphabetical order, then the other keys as they came
};

// Whether the title names the lesson's keys, so that another layout's keys rename it.
enum class Naming { none, meet, keys };

struct LessonRow {
    const char *id;
    const char *title;
    const char16_t *emoji;
    const char *usNewKeys; // what the lesson teaches on a US keyboard, the title's keys
    double target;
    Style style;
    // Keys taught by where they sit: whatever they type on the layout, letter or mark.
    const char *positions;
    // Characters taught wherever the layout puts them, unless taught already.
    const char *chars;
    // Keys whose letters join this lesson, last, on layouts that have more letters than US.
    const char *extras;
    PoolRule poolRule;
    const char *base; // the lesson whose pool this one extends; none: the one before
    Naming naming;
};

struct UnitRow {
    const char *id;
    const char *title;
    const char16_t *emoji;
    int lessonCount;
};

// The ids are the keys of saved lesson results: they must never change. The titles are
// English; the course is built in the household's language on first use, and again after it
// changes.
const std::array<UnitRow, 6> unitRows = {{
    {"u1", QT_TRANSLATE_NOOP("Course", "Home Row"), u"\U0001F3E0", 6},
    {"u2", QT_TRANSLATE_NOOP("Course", "Top Row"), u"\U0001F388", 6},
    {"u3", QT_TRANSLATE_NOOP("Course", "Bottom Row"), u"\U0001F420", 5},
    {"u4", QT_TRANSLATE_NOOP("Course", "Big Letters"), u"\u2728", 3},
    {"u5", QT_TRANSLATE_NOOP("Course", "Number Lane"), u"\U0001F522", 3},
    {"u6", QT_TRANSLATE_NOOP("Course", "Story Time"), u"\U0001F4DA", 3},
}};

using enum Style;
using enum PoolRule;
using enum Naming;

// Extra letters come with the lesson of the pinky keys of their row, the same finger's reach;
// those of the number row with the digits.
const std::array<LessonRow, 26> lessonRows = {{
    {"u1l1", QT_TRANSLATE_NOOP("Course", "Meet F and J"), u"\U0001F423", "fj", 8, introduce,
     "AC04 AC07", "", "", grow, nullptr, meet},
    {"u1l2", QT_TRANSLATE_NOOP("Course", "D and K"), u"\U0001F425", "dk", 8, introduce,
     "AC03 AC08", "", "", grow, nullptr, keys},
    {"u1l3", QT_TRANSLATE_NOOP("Course", "S and L"), u"\U0001F424", "sl", 8, introduce,
     "AC02 AC09", "", "", grow, nullptr, keys},
    {"u1l4", QT_TRANSLATE_NOOP("Course", "A and ;"), u"\U0001F986", "a;", 8, introduce,
     "AC01 AC10", "", "AC11 BKSL", grow, nullptr, keys},
    {"u1l5", QT_TRANSLATE_NOOP("Course", "G and H"), u"\U0001F9A2", "gh", 8, introduce,
     "AC05 AC06", "", "", homeRow, nullptr, keys},
    {"u1l6", QT_TRANSLATE_NOOP("Course", "Home Row Hero"), u"\U0001F3C6", "", 9, review, "", "",
     "", grow, nullptr, none},
    {"u2l1", QT_TRANSLATE_NOOP("Course", "E and I"), u"\U0001F427", "ei", 10, introduce,
     "AD03 AD08", "", "", grow, nullptr, keys},
    {"u2l2", QT_TRANSLATE_NOOP("Course", "R and U"), u"\U0001F989", "ru", 10, introduce,
     "AD04 AD07", "", "", grow, nullptr, keys},
    {"u2l3", QT_TRANSLATE_NOOP("Course", "T and Y"), u"\U0001F99C", "ty", 10, introduce,
     "AD05 AD06", "", "", grow, nullptr, keys},
    {"u2l4", QT_TRANSLATE_NOOP("Course", "W and O"), u"\U0001F9A9", "wo", 10, introduce,
     "AD02 AD09", "", "", grow, nullptr, keys},
    {"u2l5", QT_TRANSLATE_NOOP("Course", "Q and P"), u"\U0001F99A", "qp", 10, introduce,
     "AD01 AD10", "", "AD11 AD12", grow, nullptr, keys},
    {"u2l6", QT_TRANSLATE_NOOP("Course", "Top Row Champ"), u"\U0001F3AA", "", 11, review, "", "",
     "", grow, nullptr, none},
    {"u3l1", QT_TRANSLATE_NOOP("Course", "N and V"), u"\U0001F41F", "nv", 12, introduce,
     "AB06 AB04", "", "", grow, nullptr, keys},
    {"u3l2", QT_TRANSLATE_NOOP("Course", "M and C"), u"\U0001F42C", "mc", 12, introduce,
     "AB07 AB03", "", "", grow, nullptr, keys},
    {"u3l3", QT_TRANSLATE_NOOP("Course", "B and X"), u"\U0001F433", "bx", 12, introduce,
     "AB05 AB02", "", "", grow, nullptr, keys},
    {"u3l4", QT_TRANSLATE_NOOP("Course", "Z, comma, dot"), u"\U0001F991", "z,.", 12, introduce,
     "AB01 AB08 AB09", "", "LSGT AB10 AB11", grow, nullptr, keys},
    {"u3l5", QT_TRANSLATE_NOOP("Course", "Alphabet Master"), u"\U0001F9DC", "", 13, review, "",
     "", "", alphabet, nullptr, none},
    {"u4l1", QT_TRANSLATE_NOOP("Course", "Shift Power"), u"\U0001F9B8", "", 13, capitals, "", "",
     "", grow, nullptr, none},
    {"u4l2", QT_TRANSLATE_NOOP("Course", "Capital Words"), u"\U0001F5FB", "", 13, capitals, "",
     "", "", grow, nullptr, none},
    // The sentences end with ".", "!" or "?" and hold apostrophes: the dot comes here where the
    // layout did not put it on a key taught before.
    {"u4l3", QT_TRANSLATE_NOOP("Course", "Real Sentences"), u"\U0001F4DD", "'!?", 14,
     punctuation, "", ".'!?", "", grow, nullptr, none},
    {"u5l1", QT_TRANSLATE_NOOP("Course", "1 to 5"), u"\U0001F590\uFE0F", "12345", 13, numbers,
     "", "12345", "TLDE AE01 AE02 AE03 AE04 AE05", grow, "u4l2", none},
    {"u5l2", QT_TRANSLATE_NOOP("Course", "6 to 0"), u"\U0001F64C", "67890", 13, numbers, "",
     "67890", "AE06 AE07 AE08 AE09 AE10 AE11 AE12", grow, nullptr, none},
    {"u5l3", QT_TRANSLATE_NOOP("Course", "Number Ninja"), u"\U0001F977", "", 14, numbers, "", "",
     "", grow, nullptr, none},
    {"u6l1", QT_TRANSLATE_NOOP("Course", "Little Stories"), u"\U0001F41B", "", 15, stories, "",
     "", "", grow, "u4l3", none},
    {"u6l2", QT_TRANSLATE_NOOP("Course", "Bigger Stories"), u"\U0001F98B", "", 17, stories, "",
     "", "", grow, nullptr, none},
    {"u6l3", QT_TRANSLATE_NOOP("Course", "Grand Finale"), u"\U0001F386", "", 19, stories, "", "",
     "", grow, nullptr, none},
}};

QString digitsOf(QStringView keys)
{
    QString digits;
    for (QChar c : keys) {
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    }
    return digits;
}

QStringList drillLines(Style style, const QString &newKeys, const QString &pool, SeededRNG &rng,
                       QSet<int> &usedSentences, QSet<int> &usedPhrases,
                       const QSet<QChar> &typeable, QStringView language)
{
    using namespace DrillBuilder;
    const QString poolAndSpace = pool + u' ';
    switch (style) {
    case Style::introduce:
        // Each call continues the same stream, so these must stay in this order.
        return {repeatsDrill(newKeys, rng), repeatsDrill(newKeys, rng), mixDrill(pool, rng),
                wordDrill(poolAndSpace, rng, false, language)};
    case Style::review:
        return {mixDrill(pool, rng), wordDrill(poolAndSpace, rng, false, language),
                wordDrill(poolAndSpace, rng, false, language)};
    case Style::capitals:
        return {wordDrill(poolAndSpace, rng, true, language),
                wordDrill(poolAndSpace, rng, true, language),
                phraseDrill(rng, usedPhrases, &typeable, language)};
    case Style::punctuation:
        return {sentenceDrill(rng, usedSentences, &typeable, language),
                sentenceDrill(rng, usedSentences, &typeable, language),
                sentenceDrill(rng, usedSentences, &typeable, language)};
    case Style::numbers: {
        QString focus = digitsOf(newKeys);
        if (focus.isEmpty())
            focus = digitsOf(pool);
        return {numberDrill(focus, rng), numberDrill(digitsOf(pool), rng), mixDrill(pool, rng)};
    }
    case Style::stories:
        return {sentenceDrill(rng, usedSentences, &typeable, language),
                sentenceDrill(rng, usedSentences, &typeable, language),
                sentenceDrill(rng, usedSentences, &typeable, language),
                sentenceDrill(rng, usedSentences, &typeable, language)};
    }
    return {};
}

// A letter the course can teach: Latin, with an upper and a lower case (not º, not µ).
bool isCasedLatin(QChar c)
{
    return c.isLetter() && c.script() == QChar::Script_Latin && (c.isLower() || c.isUpper());
}

QStringList positionsOf(const char *list)
{
    return QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
}

// Where each key sits, reading the keyboard row by row.
int keyOrder(const Keyboard &keyboard, QChar c)
{
    const std::optional<KeyboardLayout::Match> match = keyboard.find(c);
    int index = 0;
    for (const QList<KeyDef> &row : keyboard.rows()) {
        for (const KeyDef &key : row) {
            if (match && key.id == match->key.id)
                return index;
            ++index;
        }
    }
    return index;
}

QString arranged(const Keyboard &keyboard, QString pool, PoolRule rule)
{
    switch (rule) {
    case PoolRule::grow:
        break;
    case PoolRule::homeRow:
        std::stable_sort(pool.begin(), pool.end(), [&](QChar a, QChar b) {
            return keyOrder(keyboard, a) < keyOrder(keyboard, b);
        });
        break;
    case PoolRule::alphabet:
        std::stable_sort(pool.begin(), pool.end(), [](QChar a, QChar b) {
            if (a.isLetter() != b.isLetter())
                return a.isLetter();
            return a.isLetter() && a < b;
        });
        break;
    }
    return pool;
}

// A key in a title: its cap, but a comma or a dot by name, since a list and a sentence
// already use them.
QString titleName(QChar key)
{
    if (key == u',')
        return QCoreApplication::translate("Course", "comma");
    if (key == u'.')
        return QCoreApplication::translate("Course", "dot");
    return QString(key.toUpper());
}

QString titleFor(const LessonRow &row, const QString &newKeys)
{
    const QString title = QCoreApplication::translate("Course", row.title);
    if (row.naming == Naming::none || newKeys == QLatin1StringView(row.usNewKeys) ||
        newKeys.isEmpty())
        return title;
    QStringList names;
    for (QChar key : newKeys)
        names.append(titleName(key));
    const QString last = names.takeLast();
    const QString list =
        names.isEmpty() ? last
                        //: A lesson's keys in its title: "A, Ö and Ä"
                        : QCoreApplication::translate("Course", "%1 and %2")
                              .arg(names.join(QCoreApplication::translate("Course", ", ")), last);
    if (row.naming == Naming::meet)
        //: A first lesson's title: its keys, "F and J"
        return QCoreApplication::translate("Course", "Meet %1").arg(list);
    // "Comma and C": a title starts with a capital.
    return list.front().toUpper() + list.sliced(1);
}

// Every character of the language's lists that is neither a letter taught by position nor a
// space, in the order first met: accents reached by a dead key, ¿ and ¡. English needs none.
QString languageMarks(QStringView language)
{
    QString marks;
    for (const QStringList *list :
         {&WordBankData::words(language), &WordBankData::easyPhrases(language),
          &WordBankData::sentences(language)}) {
        for (const QString &entry : *list) {
            for (QChar c : entry) {
                const QChar lower = c.toLower();
                if (lower != u' ' && !marks.contains(lower))
                    marks.append(lower);
            }
        }
    }
    return marks;
}

} // namespace

namespace detail {

QList<LearningUnit> build(const Keyboard &keyboard, QStringView language)
{
    const QString marks = languageMarks(language);
    // Shared by the whole course, so that no sentence or phrase repeats while others remain.
    QSet<int> usedSentences;
    QSet<int> usedPhrases;

    QHash<QString, QString> pools;
    QString previousPool;
    QString taught;
    QList<LearningUnit> units;
    auto row = lessonRows.cbegin();
    for (const UnitRow &unitRow : unitRows) {
        LearningUnit unit{QString::fromLatin1(unitRow.id),
                          QCoreApplication::translate("Course", unitRow.title),
                          QString::fromUtf16(unitRow.emoji),
                          {}};
        for (int i = 0; i < unitRow.lessonCount; ++i, ++row) {
            QString newKeys;
            const auto teach = [&](QChar c) {
                if (!taught.contains(c) && !newKeys.contains(c))
                    newKeys.append(c);
            };
            for (const QString &position : positionsOf(row->positions)) {
                const QString typed = keyboard.plainAt(position);
                if (typed.size() == 1 && typed != u" ")
                    teach(typed.front());
            }
            for (QChar c : QString::fromLatin1(row->chars)) {
                if (keyboard.find(c))
                    teach(c);
            }
            // The sentences are the first drills to need all of the language's letters and
            // marks; a letter a layout puts on a key of its own came earlier.
            if (row->style == Style::punctuation) {
                for (QChar c : marks) {
                    if (keyboard.find(c))
                        teach(c);
                }
            }
            for (const QString &position : positionsOf(row->extras)) {
                const QString typed = keyboard.plainAt(position);
                if (typed.size() == 1 && isCasedLatin(typed.front()))
                    teach(typed.front());
            }
            taught += newKeys;

            QString pool = row->base ? pools.value(QString::fromLatin1(row->base)) : previousPool;
            for (QChar c : std::as_const(newKeys)) {
                if (!pool.contains(c))
                    pool.append(c);
            }
            pool = arranged(keyboard, pool, row->poolRule);
            const QString id = QString::fromLatin1(row->id);
            pools.insert(id, pool);
            previousPool = pool;

            // What the fixed sentences and phrases may hold: the pool, capitals the keyboard
            // types, and spaces.
            QSet<QChar> typeable(pool.cbegin(), pool.cend());
            typeable.insert(u' ');
            for (QChar c : std::as_const(pool)) {
                const QChar upper = c.toUpper();
                if (upper != c && keyboard.find(upper))
                    typeable.insert(upper);
            }

            SeededRNG rng(seed(id));
            QStringList drills = drillLines(row->style, newKeys, pool, rng, usedSentences,
                                            usedPhrases, typeable, language);
            drills.removeAll(QString());
            unit.lessons.append(Lesson{id, titleFor(*row, newKeys),
                                       QString::fromUtf16(row->emoji), newKeys, pool, drills,
                                       row->target});
        }
        units.append(unit);
    }
    Q_ASSERT(row == lessonRows.cend());
    return units;
}

} // namespace detail

} // namespace tapalong::Curriculum

namespace tapalong {

struct Course::Data {
    Keyboard keyboard;
    QString language;
    QList<LearningUnit> units;
    QList<Lesson> lessons;
};

Course::Course(std::shared_ptr<const Data> data) : d(std::move(data)) {}

const Course &Course::us()
{
    static TranslatedTable<Course> course([] { return build(Keyboard::us()); });
    return course.get();
}

Course Course::build(const Keyboard &keyboard, const QString &language)
{
    const QString known = WordBankData::hasLanguage(language) ? language : u"en"_qs;
    auto data = std::make_shared<Data>(
        Data{keyboard, known, Curriculum::detail::build(keyboard, known), {}});
    for (const LearningUnit &unit : std::as_const(data->units))
        data->lessons.append(unit.lessons);
    return Course(std::move(data));
}

const Keyboard &Course::keyboard() const
{
    return d->keyboard;
}

const QString &Course::language() const
{
    return d->language;
}

const QList<LearningUnit> &Course::units() const
{
    return d->units;
}

const QList<Lesson> &Course::allLessons() const
{
    return d->lessons;
}

int Course::indexOf(const Lesson &lesson) const
{
    const QList<Lesson> &lessons = allLessons();
    const auto found = std::find_if(lessons.cbegin(), lessons.cend(),
                                    [&](const Lesson &l) { return l.id == lesson.id; });
    return found == lessons.cend() ? -1 : int(found - lessons.cbegin());
}

std::optional<Lesson> Course::lessonById(const QString &id) const
{
    for (const Lesson &lesson : allLessons()) {
        if (lesson.id == id)
            return lesson;
    }
    return std::nullopt;
}

std::optional<Lesson> Course::lessonAfter(const Lesson &lesson) const
{
    const int i = indexOf(lesson);
    if (i < 0 || i + 1 >= allLessons().size())
        return std::nullopt;
    return allLessons().at(i + 1);
}

bool Course::isUnlocked(const Lesson &lesson, const Profile &profile) const
{
    const int i = indexOf(lesson);
    if (i <= 0)
        return i == 0;
    // Any result counts, even one with no stars: finishing is what opens the next lesson.
    return profile.lessonResults.contains(allLessons().at(i - 1).id);
}

QString Course::learnedKeys(const Profile &profile) const
{
    QString pool;
    for (const Lesson &lesson : allLessons()) {
        if (profile.lessonResults.contains(lesson.id))
            pool = lesson.keyPool;
    }
    QString letters;
    for (QChar c : std::as_const(pool)) {
        if (c.isLetter())
            letters.append(c);
    }
    // Too few letters make a dull game; fall back to the home row.
    return letters.size() >= 4 ? letters : keyboard().gamePool();
}

} // namespace tapalong

namespace tapalong::Curriculum {

namespace {

// Every course ever made active, the active one last: references into them stay valid.
QList<Course> &chosen()
{
    static QList<Course> courses{Course::us()};
    return courses;
}

} // namespace

namespace {
// The catalogue the active course's titles were translated from.
int s_titlesGeneration = TranslatedTables::generation();
} // namespace

const Course &active()
{
    // Built again, its titles from the catalogue installed now, once another one is.
    if (const int now = TranslatedTables::generation(); now != s_titlesGeneration) {
        s_titlesGeneration = now;
        const Course &last = chosen().constLast();
        chosen().append(Course::build(last.keyboard(), last.language()));
    }
    return chosen().constLast();
}

void setActive(const Course &course)
{
    chosen().append(course);
    s_titlesGeneration = TranslatedTables::generation();
    KeyboardLayout::setActive(course.keyboard());
}

void rebuildActive(const QString &language)
{
    // The active keyboard as made from the catalogue installed now: its caps and key names.
    setActive(Course::build(KeyboardLayout::active(), language));
    // The same layout, so setActive told no one; its caps changed all the same.
    KeyboardModel::activeChanged();
}

const QList<LearningUnit> &units()
{
    return active().units();
}

const QList<Lesson> &allLessons()
{
    return active().allLessons();
}

int indexOf(const Lesson &lesson)
{
    return active().indexOf(lesson);
}

std::optional<Lesson> lessonById(const QString &id)
{
    return active().lessonById(id);
}

std::optional<Lesson> lessonAfter(const Lesson &lesson)
{
    return active().lessonAfter(lesson);
}

bool isUnlocked(const Lesson &lesson, const Profile &profile)
{
    return active().isUnlocked(lesson, profile);
}

QString learnedKeys(const Profile &profile)
{
    return active().learnedKeys(profile);
}

quint64 seed(QStringView id)
{
    quint64 hash = 0xcbf29ce484222325ULL;
    for (const char byte : id.toUtf8()) {
        hash ^= static_cast<quint8>(byte);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace tapalong::Curriculum
