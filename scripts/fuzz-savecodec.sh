#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Fuzzes the save-file decoder (round trip included) for as long as asked, under AddressSanitizer
# and UndefinedBehaviorSanitizer. What it learns stays in build/sanitize/fuzz-corpus, so the next
# run goes on from there; a crash leaves its input in build/sanitize/fuzz-crashes.
#   scripts/fuzz-savecodec.sh [seconds, default 3600] [parallel jobs, default 1]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3600}
workers=${2:-1}
dir=build/sanitize

CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DTAPALONG_SANITIZE=ON >/dev/null
cmake --build "$dir" --target fuzz_savecodec -j "${JOBS:-$(nproc)}"

mkdir -p "$dir/fuzz-corpus" "$dir/fuzz-crashes"
cp -n tests/fuzz/corpus/* "$dir/fuzz-corpus/"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
parallel=()
# Several processes share one corpus in libFuzzer's fork mode.
[ "$workers" -gt 1 ] && parallel=(-fork="$workers")
exec "$dir/tests/fuzz/fuzz_savecodec" -max_total_time="$seconds" -max_len=8192 \
  -dict=tests/fuzz/savefile.dict "${parallel[@]}" -print_final_stats=1 \
  -artifact_prefix="$dir/fuzz-crashes/" "$dir/fuzz-corpus"
