#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Prints how long a typed key takes to show, under a throwaway X server and home folder, with
# the renderer Tapalong uses by default: the whole of "Meet F and J" is typed with xdotool at
# 10 keys a second, and for each key the program (TAPALONG_TRACE_KEYS=1) reports when the X
# key press reached it and when the first frame after it was on screen. Printed: the median,
# 99th percentile and maximum in ms from arrival to frame, and the same from the X server's
# own time stamp of the key, which adds the time the key waited while the program was busy.
# With "opengl" after the program, Qt Quick draws through OpenGL instead (Mesa's software
# rasteriser under Xvfb).
#   scripts/measure-keys.sh [path/to/tapalong] [software|opengl]
set -euo pipefail

program=$(realpath "${1:-build/run/src/app/tapalong}")

if [ -z "${TAPALONG_MEASURE_INNER:-}" ]; then
  export TAPALONG_MEASURE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "$program" "${2:-software}"
fi

# A throwaway home, `fail`, `wait_for`, `start_program`, `save`, `click_on` and `await`.
# shellcheck source=SCRIPTDIR/../tests/system-common.sh
. "$(dirname "$(realpath "$0")")/../tests/system-common.sh"
unset QT_QUICK_BACKEND QSG_RHI_BACKEND
renderer="software renderer (default)"
if [ "${2:-software}" = opengl ]; then
  export QSG_RHI_BACKEND=opengl
  renderer="opengl renderer"
fi

# One explorer, chosen, so that the program opens on the dashboard.
mkdir -p "$XDG_DATA_HOME/Tapalong"
cat >"$save" <<'JSON'
{"profiles":[{"id":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","name":"Mia","avatar":"🦊","createdAt":700000000,"lessonResults":{},"gameScores":[],"badges":{},"totalCorrectKeys":0,"streak":0}],"currentProfileID":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","settings":{"soundEnabled":true,"voiceEnabled":true}}
JSON

"$program" --print-course | python3 -c '
import json, sys
lesson = next(l for u in json.load(sys.stdin) for l in u["lessons"] if l["id"] == "u1l1")
for line in lesson["drills"]:
    print(" ".join("space" if c == " " else c for c in line))
' >"$home/keys"

TAPALONG_TRACE_KEYS=1 start_program

# The dashboard's "Start  ▶" takes no keyboard focus: it is clicked.
click_on continueButton
await tutorial/nextButton
xdotool key Escape # ends the tutorial; its trace is the first key, left out below
await_gone tutorial
rm "$TAPALONG_UI_PROBE" # which stops the probe: it must not weigh on the keys measured

while read -r keys; do
  # shellcheck disable=SC2086 # one word per key
  xdotool key --delay 100 $keys
done <"$home/keys"

finished() { grep -q '"u1l1"' "$save"; }
wait_for 10 finished || fail "the lesson was not recorded; did the click open it?"
last_key_drawn() { grep -E '^tapalong: (key|frame) ' "$home/log" | tail -n 1 | grep -q frame; }
wait_for 5 last_key_drawn || fail "no frame after the last key"
cp "$home/log" "$home/typed" # before Ctrl+Q adds its keys
xdotool key ctrl+q
wait "$pid" || true
pid=""

python3 - "$home/typed" "$(wc -w <"$home/keys")" "$renderer" <<'PY'
import math, re, statistics, sys

keys, frames = [], []
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    if m := re.match(r"tapalong: key ([0-9.]+) ([0-9]+)$", line):
        keys.append((float(m.group(1)), int(m.group(2))))
    elif m := re.match(r"tapalong: frame ([0-9.]+)$", line):
        frames.append(float(m.group(1)))
keys = keys[1:]  # Escape
expected = int(sys.argv[2])
if len(keys) != expected:
    sys.exit(f"measure-keys: traced {len(keys)} typed keys, sent {expected}")

arrival, server = [], []
f = 0
for at, server_ms in keys:
    while f < len(frames) and frames[f] < at:
        f += 1
    if f == len(frames):
        sys.exit("measure-keys: a key without a frame after it")
    arrival.append(frames[f] - at)
    # The X server stamps keys with its monotonic clock in whole ms, wrapped at 2^32.
    server.append(frames[f] - (at - ((int(at) - server_ms) % 2**32)))


def summary(values):
    values = sorted(values)
    p99 = values[math.ceil(0.99 * len(values)) - 1]
    return (f"median {statistics.median(values):.1f} ms, 99th percentile {p99:.1f} ms, "
            f"max {values[-1]:.1f} ms")


print(f"{sys.argv[3]}, {len(keys)} keys of \"Meet F and J\" at 10 keys/s")
print(f"  key arrival -> frame on screen:   {summary(arrival)}")
# Only when the server's clock is the program's monotonic clock (as with Xvfb on Linux).
if all(0 <= s - a < 1000 for a, s in zip(arrival, server)):
    print(f"  X server's key time -> frame:     {summary(server)}")
PY
