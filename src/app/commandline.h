// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tapalong developers
// The program's arguments, read before any window exists.
#pragma once

#include <optional>

namespace tapalong {

// Answers --help, --version and --print-course, and refuses an unknown option or argument
// with status 2, without a display. Returns the status main() should exit with, or nothing
// when the window should open. Qt's own options (-platform, -reverse, …) pass through.
std::optional<int> handleCommandLine(int argc, char *argv[]);

} // namespace tapalong
