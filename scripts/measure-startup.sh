#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Prints what starting and idling cost, under a throwaway X server and home folder:
#   - exec → first frame of the profile picker, warm cache (median of 7 runs; goal < 400 ms)
#   - resident memory 5 s after start, on the main view (goal < 120 MB)
#   - CPU on the main view with the twinkling sky, over 10 s (goal < 2 % of a core)
# once with the software renderer Tapalong uses by default and once, for comparison, with
# OpenGL (Mesa's software rasteriser when there is no GPU, as under Xvfb).
#   scripts/measure-startup.sh [path/to/tapalong]
set -euo pipefail

program=$(realpath "${1:-build/run/src/app/tapalong}")

if [ -z "${TAPALONG_MEASURE_INNER:-}" ]; then
  export TAPALONG_MEASURE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "$program"
fi

work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=xcb
unset QT_QUICK_BACKEND QSG_RHI_BACKEND
ticks_per_second=$(getconf CLK_TCK)

fresh_home() {
  rm -rf "$work/home"
  export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
  export XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/home/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

# One explorer, chosen, so that the program opens on the main view.
seed_explorer() {
  mkdir -p "$XDG_DATA_HOME/Tapalong"
  cat >"$XDG_DATA_HOME/Tapalong/tapalong.json" <<'JSON'
{"profiles":[{"id":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","name":"Mia","avatar":"🦊","createdAt":700000000,"lessonResults":{},"gameScores":[],"badges":{},"totalCorrectKeys":0,"streak":0}],"currentProfileID":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","settings":{"soundEnabled":true,"voiceEnabled":true}}
JSON
}

# Milliseconds from exec to the first frame, which the program reports when asked to, and the
# CPU time it had used by then (which a busy machine does not inflate), as "wall/cpu".
first_frame_ms() {
  fresh_home
  local log=$work/log
  : >"$log"
  (
    echo "$EPOCHREALTIME" >"$work/t0"
    TAPALONG_TRACE_STARTUP=1 exec "$program" 2>"$log"
  ) &
  pid=$!
  for ((i = 0; i < 200; i++)); do
    grep -q 'first frame at' "$log" && break
    sleep 0.05
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  python3 - "$work/t0" "$log" <<'PY'
import re, sys
t0 = float(open(sys.argv[1]).read()) * 1000
m = re.search(r"first frame at ([0-9.]+) ms .* ([0-9.]+) ms of CPU", open(sys.argv[2]).read())
print(f"{float(m.group(1)) - t0:.0f}/{float(m.group(2)):.0f}" if m else "nan/nan")
PY
}

cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

measure() {
  local label=$1
  first_frame_ms >/dev/null # warms the file cache
  local runs=()
  for _ in 1 2 3 4 5 6 7; do runs+=("$(first_frame_ms)"); done
  local median cpu
  median=$(printf '%s\n' "${runs[@]}" | cut -d/ -f1 | sort -n | sed -n 4p)
  cpu=$(printf '%s\n' "${runs[@]}" | cut -d/ -f2 | sort -n | sed -n 4p)

  fresh_home
  seed_explorer
  "$program" >/dev/null 2>&1 &
  pid=$!
  sleep 5
  local rss_kb before after
  rss_kb=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
  before=$(cpu_ticks "$pid")
  sleep 10
  after=$(cpu_ticks "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""

  echo "$label"
  echo "  exec to first frame:  median $median ms, $cpu ms of CPU (wall/CPU of each run: ${runs[*]})"
  echo "  resident after 5 s:   $((rss_kb / 1024)) MB"
  awk -v t="$((after - before))" -v hz="$ticks_per_second" \
    'BEGIN { printf "  idle on the main view: %.1f %% of a core over 10 s\n", t * 100 / (hz * 10) }'
}

measure "software (default)"
QSG_RHI_BACKEND=opengl measure "OpenGL (Mesa)"
