#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The C++ tests built with clang under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# save-file decoder fuzzed for a while, in a build folder of their own (build/sanitize), so the
# everyday build is never rebuilt for them. `make test` runs this.
#   scripts/sanitize-tests.sh            the C++ tests and 45 s of fuzzing
#   FUZZ_SECONDS=600 scripts/sanitize-tests.sh
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build/sanitize
jobs=${JOBS:-$(nproc)}

# -O1 keeps the sanitizers' reports readable and the build quick.
CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DTAPALONG_SANITIZE=ON \
  -DTAPALONG_FUZZ_SECONDS="${FUZZ_SECONDS:-45}" >/dev/null
cmake --build "$dir" --target cpp_tests fuzz_savecodec key_monkey -j "$jobs"

# Libraries outside this project that keep a little memory until exit.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_stack_use_after_return=1:strict_init_order=1"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" -L sanitize --output-on-failure -j "$jobs"
