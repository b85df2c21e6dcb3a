#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Prints what Tapalong costs as a native Wayland client and through XWayland, under one nested
# Weston (its X11 backend inside a throwaway Xvfb, pixman rendering, the kiosk shell, which
# shows the window full-output either way) with XWayland loaded:
#   - exec -> first frame and -> first frame with the picker (medians of 7 warm starts);
#   - resident memory 5 s after start on the main view;
#   - CPU while idle on the main view under the twinkling sky, the program's own and the
#     display side's (Weston, and Xwayland where it takes part), the median of three 10 s
#     stretches.
#   scripts/measure-wayland.sh [BUILD_DIR (build/test)]
set -euo pipefail

build=$(realpath "${1:-build/test}")
program=$build/src/app/tapalong
[ -x "$program" ] || { echo "measure-wayland: no $program; build it first" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

await() { # seconds, command...
  local tenths=$(($1 * 10))
  shift
  for ((i = 0; i < tenths; i++)); do "$@" && return 0; sleep 0.1; done
  echo "measure-wayland: gave up waiting for: $*" >&2
  exit 1
}

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
await 20 test -s "$work/display"
DISPLAY=:$(tr -d '[:space:]' <"$work/display")
export DISPLAY
export WAYLAND_DISPLAY=tapalong-measure-$$
weston --backend=x11-backend.so --use-pixman --shell=kiosk-shell.so --xwayland --idle-time=0 \
  --socket="$WAYLAND_DISPLAY" --width=1280 --height=800 >"$work/weston.log" 2>&1 &
weston=$!
pids+=("$weston")
await 20 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY"
await 20 grep -q 'xserver listening on display' "$work/weston.log"
xwayland_display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -n 1)

fresh_home() {
  rm -rf "${work:?}/home"
  export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
  export XDG_CACHE_HOME=$work/home/cache
}
seed_explorer() {
  mkdir -p "$XDG_DATA_HOME/Tapalong"
  cat >"$XDG_DATA_HOME/Tapalong/tapalong.json" <<'JSON'
{"profiles":[{"id":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","name":"Mia","avatar":"🦊","createdAt":700000000,"lessonResults":{},"gameScores":[],"badges":{},"totalCorrectKeys":0,"streak":0}],"currentProfileID":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","settings":{"soundEnabled":true,"voiceEnabled":true}}
JSON
}

# As "frame/screen" in ms from exec, for the program started by "$@".
first_frame_ms() {
  fresh_home
  local log=$work/log
  : >"$log"
  (
    echo "$EPOCHREALTIME" >"$work/t0"
    TAPALONG_TRACE_STARTUP=1 exec "$@" 2>"$log"
  ) &
  local pid=$!
  await 20 grep -q 'first screen at' "$log"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  python3 - "$work/t0" "$log" <<'PY'
import re, sys
t0 = float(open(sys.argv[1]).read()) * 1000
log = open(sys.argv[2]).read()
frame = float(re.search(r"first frame at ([0-9.]+) ms", log).group(1)) - t0
screen = float(re.search(r"first screen at ([0-9.]+) ms", log).group(1)) - t0
print(f"{frame:.0f}/{screen:.0f}")
PY
}
median_first_frame() {
  first_frame_ms "$@" >/dev/null # warms the file cache (and starts Xwayland)
  local runs=()
  for _ in 1 2 3 4 5 6 7; do runs+=("$(first_frame_ms "$@")"); done
  echo "$(printf '%s\n' "${runs[@]}" | cut -d/ -f1 | sort -n | sed -n 4p)/$(
    printf '%s\n' "${runs[@]}" | cut -d/ -f2 | sort -n | sed -n 4p)"
}

cpu_ns() { # every thread of every process named
  local p
  for p in "$@"; do cat /proc/"$p"/task/*/schedstat 2>/dev/null; done | awk '{ s += $1 } END { printf "%d", s }'
}
rss_mb() { awk '/^VmRSS/ { printf "%.0f", $2 / 1024 }' "/proc/$1/status"; }

# Prints "program% display%" over 10 s for the program $1 and the display side $2...
cpu_over_10s() {
  local app=$1
  shift
  local a0 d0 a1 d1
  a0=$(cpu_ns "$app")
  d0=$(cpu_ns "$@")
  sleep 10
  a1=$(cpu_ns "$app")
  d1=$(cpu_ns "$@")
  awk -v a="$((a1 - a0))" -v d="$((d1 - d0))" 'BEGIN { printf "%.2f %.2f\n", a / 1e8, d / 1e8 }'
}

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
printf '%-10s %-22s %-10s %-28s\n' "" "first frame/picker" "memory" "idle CPU: program, display"
for mode in wayland xwayland; do
  if [ "$mode" = wayland ]; then
    run=(env QT_QPA_PLATFORM=wayland "$program")
  else
    run=(env QT_QPA_PLATFORM=xcb DISPLAY="$xwayland_display" "$program")
  fi
  starts=$(median_first_frame "${run[@]}")
  fresh_home
  seed_explorer
  "${run[@]}" >"$work/program.log" 2>&1 &
  app=$!
  pids+=("$app")
  sleep 5
  rss=$(rss_mb "$app")
  display=("$weston")
  xwayland=$(pgrep -x Xwayland -P "$weston" || true)
  [ -n "$xwayland" ] && [ "$mode" = xwayland ] && display+=("$xwayland")
  idle=$(for _ in 1 2 3; do cpu_over_10s "$app" "${display[@]}"; done | sort -n | sed -n 2p)
  kill "$app"
  wait "$app" 2>/dev/null || true
  printf '%-10s %-22s %-10s %-28s\n' "$mode" "${starts%/*} ms/${starts#*/} ms" "$rss MB" \
    "${idle% *} %, ${idle#* } % of a core"
done
echo "load average before: $load_before, after: $(cut -d' ' -f1-3 /proc/loadavg) ($(nproc) cores)"
