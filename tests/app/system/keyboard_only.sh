#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# A fresh home to a finished first lesson and a game played, with the keyboard alone, no pointer
# at all: Tab to "New Explorer", a name, Tab along the top bar to "Start  ▶", Return, Escape
# past the tutorial, the lesson typed with a Tab among its keys (a drill key, not a move), Tab
# along the results card to "Next" and Return, which opens the second lesson. Then out of it
# (Escape, Escape, Tab to "Leave lesson", Return) to Home, over to Games, into the first game,
# Space to start, some keys typed (Tab among them), Escape to pause, Tab to "Quit", Return, and
# so Home again. Screenshots of each step go to $TAPALONG_SHOTS when it is set.
#   xvfb-run -a keyboard_only.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: keyboard_only.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

"$program" --print-course >"$home/course.json" || fail "--print-course failed"
python3 - "$home/course.json" >"$home/keys" <<'PY' || fail "no lesson u1l1"
import json, sys
course = json.load(open(sys.argv[1], encoding="utf-8"))
lesson = next(l for u in course for l in u["lessons"] if l["id"] == "u1l1")
for line in lesson["drills"]:
    print(" ".join({" ": "space"}.get(c, c) for c in line))
PY

# Tabs until the control named $1 has the keyboard, at most $2 presses.
tab_to() {
  local tabs
  for ((tabs = 0; tabs < $2; tabs++)); do
    xdotool key Tab
    if python3 "$ui_probe" wait "$1" --focus --timeout 1 >/dev/null 2>&1; then return 0; fi
  done
  fail "Tab never reached $1"
}

start_program
new_explorer Mia

# The top bar first: four tabs and the profile chip, then the dashboard's "Start  ▶".
await continueButton
tab_to continueButton 8
xdotool key Return
await tutorial/nextButton
xdotool key Escape
await_gone tutorial

first=1
while read -r keys; do
  # shellcheck disable=SC2086 # one word per key
  xdotool key --delay 40 $keys
  if [ "$first" = 1 ]; then
    # A Tab in the middle of the drill is ignored like any other control key.
    xdotool key Tab
    first=0
  fi
done <"$home/keys"

await results/nextButton --timeout 10
finished() {
  python3 - "$save" <<'PY'
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
profile = next(p for p in data["profiles"] if p["id"] == data["currentProfileID"])
result = profile["lessonResults"].get("u1l1")
sys.exit(0 if result and result["accuracy"] == 100 else 1)
PY
}
wait_for 10 finished || fail "u1l1 was not saved, or saved with a mistake"

shot() { if [ -n "${TAPALONG_SHOTS:-}" ]; then import -window root "$TAPALONG_SHOTS/$1.png"; fi; }
shot results
tab_to results/nextButton 8
xdotool key Return
await_gone results
await tutorial/nextButton

# Out of the second lesson: the tutorial, a pause, and the pause card's "Leave lesson".
xdotool key Escape
await_gone tutorial
xdotool key Escape
await pause/leaveButton
shot pause
tab_to pause/leaveButton 4
xdotool key Return
# Home again, then over to Games.
await continueButton
tab_to "tab Games" 8
xdotool key Return
await "game letterDrop"
tab_to "game letterDrop" 8
shot hub
xdotool key Return

await startCard/startButton
shot start
# A Tab on the start card walks its button and starts nothing; Space starts.
xdotool key Tab
python3 "$ui_probe" still || true
await startCard
xdotool key space
await_gone startCard
# Keys of play, a Tab among them: the game takes them all and the window's focus stays put.
xdotool key --delay 120 a s d f Tab j k l
shot play
xdotool key Escape
await pausedCard/quitButton
tab_to pausedCard/quitButton 4
shot paused
xdotool key Return
await continueButton
shot home

quit_program
echo "PASS: explorer made, first lesson finished, a game started, played and left with the keyboard alone"
