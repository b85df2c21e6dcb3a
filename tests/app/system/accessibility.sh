#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# What a screen reader finds, read through the accessibility bus (AT-SPI) as Orca reads it: on
# the picker, the dashboard, the map, the games hub, the champions boards and the results card
# every control has a role and a name, and the texts a child reads are there too, the
# dashboard's four numbers among them, the lesson's line and next key, a game's score and lives. The tabs and the lesson are opened through the controls'
# accessible actions, as a screen reader user presses them.
#   xvfb-run -a accessibility.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: accessibility.sh path/to/tapalong}

# A session bus of its own, with the accessibility bus on it.
if [ -z "${TAPALONG_IN_SESSION:-}" ]; then
  exec env TAPALONG_IN_SESSION=1 dbus-run-session -- "$0" "$@"
fi

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

/usr/libexec/at-spi-bus-launcher --launch-immediately >>"$home/log" 2>&1 &
bus=$!
trap 'kill "$bus" 2>/dev/null || true; cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
atspi=$(dirname "$(realpath "$0")")/atspi_check.py
check() { /usr/bin/python3 "$atspi" check "$@" || fail "the screen reader misses something on $1 (above)"; }
press() { /usr/bin/python3 "$atspi" press "$1" || fail "could not press \"$1\" through AT-SPI"; }

start_program
check picker "New Explorer" "Who's typing today?" "Tapalong"
new_explorer Mia
await continueButton

check dashboard "Start lesson: Meet F and J" "Stars: 0" "Best speed (wpm): 0" "Keys typed: 0" \
  "Day streak: 0" "Hi, Mia!*" "Badges: *" "Mia the fox: *" "Home" "Learn" "Games" "Champions"
press Learn
check map "Start lesson: Meet F and J" "Locked lesson: *"
press Games
check hub "Play *" "Games use the keys you've learned: *"
press Champions
check champions "Letter Drop" "Star Collectors" "🏆 Family Champions" "No stars yet*"
press Home
press "Start lesson: Meet F and J"
await tutorial/nextButton
xdotool key Escape
await_gone tutorial
check lesson "Line: jjj*. Next key: *" "Drill 1 of *" "wpm: *" "accuracy: *" "*Meet F and J" "Close"
"$program" --print-course | python3 -c '
import json, sys
lesson = next(l for u in json.load(sys.stdin) for l in u["lessons"] if l["id"] == "u1l1")
for line in lesson["drills"]:
    print(" ".join({" ": "space"}.get(c, c) for c in line))' >"$home/keys"
while read -r keys; do
  # shellcheck disable=SC2086 # one word per key
  xdotool key --delay 30 $keys
done <"$home/keys"
await results/nextButton --timeout 10
check results "* of 3 stars" "New badge*" "accuracy: 100%" "Back to map" "Try again" "Next: D and K*"

# A game: its cards and, in play, the score and the lives.
press "Back to map"
press Games
press "Play Letter Drop"
check "game start" "Letter Drop" "Start!  (press space)" "Score: 0" "Lives: 3 of 3"
xdotool key space
await_gone startCard
check "game play" "Score: *" "Lives: * of 3" "Close"
xdotool key Escape
check "game paused" "Paused" "Quit" "Resume (esc)"

quit_program
echo "PASS: every control on ten screens has a role and a name, and the numbers are readable"
