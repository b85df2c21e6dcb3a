// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The fixed course: six units, 26 lessons, and the drill lines generated for each.
#pragma once

#include "records.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tapalong {

// Keys are plain ASCII, so each QChar of newKeys and keyPool is one key.
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

namespace Curriculum {

// Built once, on first use; read-only afterwards.
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
// Makes the whole course afresh; units() keeps the result of its first call.
QList<LearningUnit> build();
} // namespace detail

} // namespace Curriculum
} // namespace tapalong
