// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The whole course, drill lines included, as indented JSON for `tapalong --print-course`.
#pragma once

#include <QByteArray>

namespace tapalong {

class Course;

// An array of units in course order; fields keep the order a reader expects (id first).
QByteArray courseJson(); // the active course
QByteArray courseJson(const Course &course);
// One object: the layout's name, its keyboard row by row (each key's position, characters by
// level, dead keys and finger) and its course as courseJson gives it.
QByteArray layoutJson(const Course &course);

} // namespace tapalong
