#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The key monkey under AddressSanitizer and UndefinedBehaviorSanitizer for as many events as
# asked (ctest sends 100,000).
#   scripts/key-monkey.sh [events, default 1000000] [seed, default 1]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build/sanitize
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DTAPALONG_SANITIZE=ON >/dev/null
cmake --build "$dir" --target key_monkey -j "${JOBS:-$(nproc)}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
QT_QPA_PLATFORM=offscreen exec "$dir/tests/monkey/key_monkey" "${1:-1000000}" "${2:-1}"
