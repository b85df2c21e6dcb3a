// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The fixed course: six units, 26 lessons, and the drill lines generated for each.
#pragma once

#include "keyboardlayout.h"
#include "records.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace tapalong {

// Each QChar of newKeys and keyPool is one key's character (no layout types one beyond 16 bits).
struct Lesson {
    QString id; // "u1l1" … "u6l3"; the key of a profile's lesson results, never changes
    QString title;
    QString emoji;
    QString newKeys;
    QString keyPool;
    QStringList drills;
    double targetWPM = 0;

    bool operator==(const Lesson &) const = default;
};

struct LearningUnit {
    QString id; // "u1" … "u6"
    QString title;
    QString emoji;
    QList<Lesson> lessons;

    bool operator==(const LearningUnit &) const = default;
};

// The course for one keyboard and language: the same 26 lessons, ids and recipes on every
// layout, with the letters of the keys under the child's fingers and the words of the
// language. Built once and fixed after, titles in the language translated at the time; copies
// share it.
class Course {
public:
    static const Course &us();
    // A language without word lists ("en", "de", "fr", "es" have them) builds the English one.
    static Course build(const Keyboard &keyboard, const QString &language = u"en"_qs);

    const Keyboard &keyboard() const;
    const QString &language() const;
    const QList<LearningUnit> &units() const;
    const QList<Lesson> &allLessons() const;

    std::optional<Lesson> lessonById(const QString &id) const;
    std::optional<Lesson> lessonAfter(const Lesson &lesson) const;
    int indexOf(const Lesson &lesson) const; // position in allLessons(), -1 when not in the course
    bool isUnlocked(const Lesson &lesson, const Profile &profile) const;
    QString learnedKeys(const Profile &profile) const; // the letters free-play games drill

    struct Data; // what a course shares among its copies

private:
    explicit Course(std::shared_ptr<const Data> data);
    std::shared_ptr<const Data> d;
};

namespace Curriculum {

// The course in use: US until another is chosen. Choosing one makes its keyboard the active
// one too; earlier courses stay alive, so references taken from them never dangle.
const Course &active();
void setActive(const Course &course);
// Makes the active keyboard's course anew for a language, with the titles of the translation
// installed now: what a change of the household's language calls.
void rebuildActive(const QString &language);

// The functions below answer for the active course.
const QList<LearningUnit> &units();
const QList<Lesson> &allLessons();

std::optional<Lesson> lessonById(const QString &id);
std::optional<Lesson> lessonAfter(const Lesson &lesson);
int indexOf(const Lesson &lesson); // position in allLessons(), -1 when not in the course
bool isUnlocked(const Lesson &lesson, const Profile &profile);
QString learnedKeys(const Profile &profile); // the letters free-play games drill

// 64-bit FNV-1a of the id's UTF-8 bytes: the drill generator's seed for a lesson.
quint64 seed(QStringView id);

namespace detail {
// Makes the whole course afresh for a keyboard; Course::build keeps the result.
QList<LearningUnit> build(const Keyboard &keyboard = Keyboard::us(),
                          QStringView language = u"en");
} // namespace detail

} // namespace Curriculum
} // namespace tapalong
