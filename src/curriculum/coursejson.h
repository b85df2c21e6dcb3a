// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The whole course, drill lines included, as indented JSON for `tapalong --print-course`.
#pragma once

#include <QByteArray>

namespace tapalong {

// An array of units in course order; fields keep the order a reader expects (id first).
QByteArray courseJson();

} // namespace tapalong
