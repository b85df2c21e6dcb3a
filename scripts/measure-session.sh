#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Prints how resident memory moves over a long session, under a throwaway X server and home
# folder: round after round of the first lesson typed through, every game played twice (keys
# mashed for a few seconds, then left or finished) and each tab opened, for MINUTES minutes
# (3 unless given; the whole of the last round is played). Memory is sampled every 5 s; the
# growth printed is from the end of the first minute to the end.
#   scripts/measure-session.sh [path/to/tapalong] [MINUTES]
set -euo pipefail

program=$(realpath "${1:-build/run/src/app/tapalong}")
minutes=${2:-3}

if [ -z "${TAPALONG_MEASURE_INNER:-}" ]; then
  export TAPALONG_MEASURE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "$program" "$minutes"
fi

# A throwaway home, `fail`, `wait_for`, `start_program`, `click_on`, `await`, `await_gone`.
# shellcheck source=SCRIPTDIR/../tests/system-common.sh
. "$(dirname "$(realpath "$0")")/../tests/system-common.sh"
unset QT_QUICK_BACKEND QSG_RHI_BACKEND

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

start_program
began=$SECONDS

# Every 5 s: seconds since the start, resident MB.
(
  while kill -0 "$pid" 2>/dev/null; do
    awk -v t="$((SECONDS - began))" '/^VmRSS/ { printf "%d %.1f\n", t, $2 / 1024 }' \
      "/proc/$pid/status" 2>/dev/null || true
    sleep 5
  done
) >"$home/rss" &
sampler=$!

lesson() {
  click_on "tab Learn"
  click_on "bubble u1l1"
  if python3 "$ui_probe" wait tutorial/nextButton --timeout 4 >/dev/null 2>&1; then
    xdotool key Escape
    await_gone tutorial
  fi
  while read -r keys; do
    # shellcheck disable=SC2086 # one word per key
    xdotool key --delay 60 $keys
  done <"$home/keys"
  click_on results/backButton --timeout 20
}

game() {
  click_on "tab Games"
  click_on "game $1"
  await startCard/startButton
  xdotool key Return
  await_gone startCard
  local end=$((SECONDS + 8))
  while ((SECONDS < end)); do xdotool type --delay 60 'asdf jkl'; done
  xdotool key Escape # pauses a game still going, leaves a finished one
  if python3 "$ui_probe" wait pausedCard/quitButton --timeout 2 >/dev/null 2>&1; then
    click_on pausedCard/quitButton
  fi
  await "tab Games"
}

rounds=0
while ((SECONDS - began < minutes * 60)); do
  lesson
  for kind in $(game_ids); do
    game "$kind"
    game "$kind"
  done
  for tab in Champions Learn Home Games; do
    click_on "tab $tab"
    await "tab $tab" --selected
  done
  rounds=$((rounds + 1))
done
quit_program
kill "$sampler" 2>/dev/null || true
wait "$sampler" 2>/dev/null || true

python3 - "$home/rss" "$rounds" <<'PY'
import sys
samples = [tuple(map(float, line.split())) for line in open(sys.argv[1]) if line.strip()]
after_minute = next((mb for t, mb in samples if t >= 60), samples[-1][1])
end_t, end_mb = samples[-1]
top = max(mb for _, mb in samples)
print(f"{sys.argv[2]} rounds in {end_t / 60:.1f} min (a lesson, every game twice, every tab): "
      f"resident {samples[0][1]:.0f} MB at start, {after_minute:.1f} MB after 1 min, "
      f"{end_mb:.1f} MB at the end, at most {top:.1f} MB")
minutes = {}
for t, mb in samples:
    minutes.setdefault(int(t // 60), mb)
print("resident MB at each minute: " + " ".join(f"{mb:.0f}" for _, mb in sorted(minutes.items())))
print(f"resident memory grew {end_mb - after_minute:.1f} MB after the first minute")
PY
