// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
#include "curriculum.h"

#include "drillbuilder.h"
#include "seededrng.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>
#include <array>

namespace tapalong::Curriculum {

namespace {

// Which recipe of drill builders makes a lesson's lines.
enum class Style { introduce, review, capitals, punctuation, numbers, stories };

struct LessonRow {
    const char *id;
    const char *title;
    const char16_t *emoji;
    const char *newKeys;
    const char *pool;
    double target;
    Style style;
};

struct UnitRow {
    const char *id;
    const char *title;
    const char16_t *emoji;
    int lessonCount;
};

constexpr const char *allLetters = "abcdefghijklmnopqrstuvwxyz;,.";

// The ids are the keys of saved lesson results: they must never change. The titles are
// English; the course is built on first use, after the program has chosen its language.
const std::array<UnitRow, 6> unitRows = {{
    {"u1", QT_TRANSLATE_NOOP("Course", "Home Row"), u"\U0001F3E0", 6},
    {"u2", QT_TRANSLATE_NOOP("Course", "Top Row"), u"\U0001F388", 6},
    {"u3", QT_TRANSLATE_NOOP("Course", "Bottom Row"), u"\U0001F420", 5},
    {"u4", QT_TRANSLATE_NOOP("Course", "Big Letters"), u"\u2728", 3},
    {"u5", QT_TRANSLATE_NOOP("Course", "Number Lane"), u"\U0001F522", 3},
    {"u6", QT_TRANSLATE_NOOP("Course", "Story Time"), u"\U0001F4DA", 3},
}};

const std::array<LessonRow, 26> lessonRows = {{
    {"u1l1", QT_TRANSLATE_NOOP("Course", "Meet F and J"), u"\U0001F423", "fj", "fj", 8,
     Style::introduce},
    {"u1l2", QT_TRANSLATE_NOOP("Course", "D and K"), u"\U0001F425", "dk", "fjdk", 8,
     Style::introduce},
    {"u1l3", QT_TRANSLATE_NOOP("Course", "S and L"), u"\U0001F424", "sl", "fjdksl", 8,
     Style::introduce},
    {"u1l4", QT_TRANSLATE_NOOP("Course", "A and ;"), u"\U0001F986", "a;", "fjdksla;", 8,
     Style::introduce},
    {"u1l5", QT_TRANSLATE_NOOP("Course", "G and H"), u"\U0001F9A2", "gh", "asdfghjkl;", 8,
     Style::introduce},
    {"u1l6", QT_TRANSLATE_NOOP("Course", "Home Row Hero"), u"\U0001F3C6", "", "asdfghjkl;", 9,
     Style::review},
    {"u2l1", QT_TRANSLATE_NOOP("Course", "E and I"), u"\U0001F427", "ei", "asdfghjkl;ei", 10,
     Style::introduce},
    {"u2l2", QT_TRANSLATE_NOOP("Course", "R and U"), u"\U0001F989", "ru", "asdfghjkl;eiru", 10,
     Style::introduce},
    {"u2l3", QT_TRANSLATE_NOOP("Course", "T and Y"), u"\U0001F99C", "ty", "asdfghjkl;eiruty", 10,
     Style::introduce},
    {"u2l4", QT_TRANSLATE_NOOP("Course", "W and O"), u"\U0001F9A9", "wo", "asdfghjkl;eirutywo", 10,
     Style::introduce},
    {"u2l5", QT_TRANSLATE_NOOP("Course", "Q and P"), u"\U0001F99A", "qp", "asdfghjkl;eirutywoqp",
     10, Style::introduce},
    {"u2l6", QT_TRANSLATE_NOOP("Course", "Top Row Champ"), u"\U0001F3AA", "",
     "asdfghjkl;eirutywoqp", 11, Style::review},
    {"u3l1", QT_TRANSLATE_NOOP("Course", "N and V"), u"\U0001F41F", "nv", "asdfghjkl;eirutywoqpnv",
     12, Style::introduce},
    {"u3l2", QT_TRANSLATE_NOOP("Course", "M and C"), u"\U0001F42C", "mc",
     "asdfghjkl;eirutywoqpnvmc", 12, Style::introduce},
    {"u3l3", QT_TRANSLATE_NOOP("Course", "B and X"), u"\U0001F433", "bx",
     "asdfghjkl;eirutywoqpnvmcbx", 12, Style::introduce},
    {"u3l4", QT_TRANSLATE_NOOP("Course", "Z, comma, dot"), u"\U0001F991", "z,.",
     "asdfghjkl;eirutywoqpnvmcbxz,.", 12, Style::introduce},
    {"u3l5", QT_TRANSLATE_NOOP("Course", "Alphabet Master"), u"\U0001F9DC", "", allLetters, 13,
     Style::review},
    {"u4l1", QT_TRANSLATE_NOOP("Course", "Shift Power"), u"\U0001F9B8", "", allLetters, 13,
     Style::capitals},
    {"u4l2", QT_TRANSLATE_NOOP("Course", "Capital Words"), u"\U0001F5FB", "", allLetters, 13,
     Style::capitals},
    {"u4l3", QT_TRANSLATE_NOOP("Course", "Real Sentences"), u"\U0001F4DD", "'!?",
     "abcdefghijklmnopqrstuvwxyz;,.'!?", 14, Style::punctuation},
    {"u5l1", QT_TRANSLATE_NOOP("Course", "1 to 5"), u"\U0001F590\uFE0F", "12345",
     "abcdefghijklmnopqrstuvwxyz;,.12345", 13, Style::numbers},
    {"u5l2", QT_TRANSLATE_NOOP("Course", "6 to 0"), u"\U0001F64C", "67890",
     "abcdefghijklmnopqrstuvwxyz;,.1234567890", 13, Style::numbers},
    {"u5l3", QT_TRANSLATE_NOOP("Course", "Number Ninja"), u"\U0001F977", "",
     "abcdefghijklmnopqrstuvwxyz;,.1234567890", 14, Style::numbers},
    {"u6l1", QT_TRANSLATE_NOOP("Course", "Little Stories"), u"\U0001F41B", "",
     "abcdefghijklmnopqrstuvwxyz;,.'!?", 15, Style::stories},
    {"u6l2", QT_TRANSLATE_NOOP("Course", "Bigger Stories"), u"\U0001F98B", "",
     "abcdefghijklmnopqrstuvwxyz;,.'!?", 17, Style::stories},
    {"u6l3", QT_TRANSLATE_NOOP("Course", "Grand Finale"), u"\U0001F386", "",
     "abcdefghijklmnopqrstuvwxyz;,.'!?", 19, Style::stories},
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
                       QSet<int> &usedSentences, QSet<int> &usedPhrases)
{
    using namespace DrillBuilder;
    const QString poolAndSpace = pool + u' ';
    switch (style) {
    case Style::introduce:
        // Each call continues the same stream, so these must stay in this order.
        return {repeatsDrill(newKeys, rng), repeatsDrill(newKeys, rng), mixDrill(pool, rng),
                wordDrill(poolAndSpace, rng, false)};
    case Style::review:
        return {mixDrill(pool, rng), wordDrill(poolAndSpace, rng, false),
                wordDrill(poolAndSpace, rng, false)};
    case Style::capitals:
        return {wordDrill(poolAndSpace, rng, true), wordDrill(poolAndSpace, rng, true),
                phraseDrill(rng, usedPhrases)};
    case Style::punctuation:
        return {sentenceDrill(rng, usedSentences), sentenceDrill(rng, usedSentences),
                sentenceDrill(rng, usedSentences)};
    case Style::numbers: {
        QString focus = digitsOf(newKeys);
        if (focus.isEmpty())
            focus = digitsOf(pool);
        return {numberDrill(focus, rng), numberDrill(digitsOf(pool), rng), mixDrill(pool, rng)};
    }
    case Style::stories:
        return {sentenceDrill(rng, usedSentences), sentenceDrill(rng, usedSentences),
                sentenceDrill(rng, usedSentences), sentenceDrill(rng, usedSentences)};
    }
    return {};
}

Lesson makeLesson(const QString &id, const QString &title, const QString &emoji,
                  const QString &newKeys, const QString &pool, double target, Style style,
                  QSet<int> &usedSentences, QSet<int> &usedPhrases)
{
    SeededRNG rng(seed(id));
    QStringList drills = drillLines(style, newKeys, pool, rng, usedSentences, usedPhrases);
    drills.removeAll(QString());
    return Lesson{id, title, emoji, newKeys, pool, drills, target};
}

} // namespace

namespace detail {

QList<LearningUnit> build()
{
    // Shared by the whole course, so that no sentence or phrase repeats while others remain.
    QSet<int> usedSentences;
    QSet<int> usedPhrases;

    QList<LearningUnit> units;
    auto row = lessonRows.cbegin();
    for (const UnitRow &unitRow : unitRows) {
        LearningUnit unit{QString::fromLatin1(unitRow.id),
                          QCoreApplication::translate("Course", unitRow.title),
                          QString::fromUtf16(unitRow.emoji),
                          {}};
        for (int i = 0; i < unitRow.lessonCount; ++i, ++row) {
            unit.lessons.append(makeLesson(
                QString::fromLatin1(row->id), QCoreApplication::translate("Course", row->title),
                QString::fromUtf16(row->emoji), QString::fromLatin1(row->newKeys),
                QString::fromLatin1(row->pool), row->target, row->style, usedSentences,
                usedPhrases));
        }
        units.append(unit);
    }
    Q_ASSERT(row == lessonRows.cend());
    return units;
}

} // namespace detail

const QList<LearningUnit> &units()
{
    static const QList<LearningUnit> built = detail::build();
    return built;
}

const QList<Lesson> &allLessons()
{
    static const QList<Lesson> lessons = [] {
        QList<Lesson> all;
        for (const LearningUnit &unit : units())
            all.append(unit.lessons);
        return all;
    }();
    return lessons;
}

int indexOf(const Lesson &lesson)
{
    const QList<Lesson> &lessons = allLessons();
    const auto found = std::find_if(lessons.cbegin(), lessons.cend(),
                                    [&](const Lesson &l) { return l.id == lesson.id; });
    return found == lessons.cend() ? -1 : int(found - lessons.cbegin());
}

std::optional<Lesson> lessonById(const QString &id)
{
    for (const Lesson &lesson : allLessons()) {
        if (lesson.id == id)
            return lesson;
    }
    return std::nullopt;
}

std::optional<Lesson> lessonAfter(const Lesson &lesson)
{
    const int i = indexOf(lesson);
    if (i < 0 || i + 1 >= allLessons().size())
        return std::nullopt;
    return allLessons().at(i + 1);
}

bool isUnlocked(const Lesson &lesson, const Profile &profile)
{
    const int i = indexOf(lesson);
    if (i <= 0)
        return i == 0;
    // Any result counts, even one with no stars: finishing is what opens the next lesson.
    return profile.lessonResults.contains(allLessons().at(i - 1).id);
}

QString learnedKeys(const Profile &profile)
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
    return letters.size() >= 4 ? letters : QStringLiteral("asdfjkl");
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
