#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Kills a program that saves in a loop as often as asked and checks the save file after each
# kill (ctest runs 150 kills).
#   scripts/kill-test.sh [kills, default 1000] [seed, default 1]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build/test
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target saver -j "${JOBS:-$(nproc)}"
exec python3 tests/kill/killtest.py "$dir/tests/kill/saver" --kills "${1:-1000}" --seed "${2:-1}"
