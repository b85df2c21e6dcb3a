#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Starts the real program with a throwaway home on the X server that xvfb-run provides, makes
# an explorer from the keyboard, starts the program a second time (which must leave at once),
# quits with Ctrl+Q and checks that the save file holds exactly that explorer, chosen.
#   xvfb-run -a create_profile.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: create_profile.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

start_program

# At first start the only card is New Explorer: Tab reaches it, Return opens the sheet, whose
# name field then has the keyboard. The spaces around the name must not be stored.
await newExplorer
xdotool key Tab
await newExplorer --focus
xdotool key Return
await nameField --focus
xdotool type --delay 30 '  Mia '
xdotool key Return

holds_mia() {
  python3 - "$save" <<'PY' 2>/dev/null
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
profiles = data["profiles"]
ok = (len(profiles) == 1 and profiles[0]["name"] == "Mia" and profiles[0]["avatar"] == "🦊"
      and data.get("currentProfileID") == profiles[0]["id"])
sys.exit(0 if ok else 1)
PY
}

wait_for 10 holds_mia || fail "the save file does not hold Mia as the current explorer"

# A second start while this one runs must not open a second copy of the household, which would
# overwrite this one's progress: it asks this window forward, hears that it came, and leaves.
second=0
timeout 10 "$program" >"$home/second" 2>&1 || second=$?
[ "$second" -eq 0 ] || fail "a second start exited with status $second: $(cat "$home/second")"
grep -q "already running; its window is in front" "$home/second" ||
  fail "a second start did not hear the window come forward: $(cat "$home/second")"
[ "$(xdotool search --onlyvisible --name '^Tapalong$' | wc -l)" -eq 1 ] ||
  fail "a second Tapalong window opened"
! program_ended || fail "the running program ended when a second one started"
timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard back"

quit_program

holds_mia || fail "the save file changed on the way out"

# Back again, Mia is still chosen; Ctrl+W closes the window, and with it the program.
start_program
await "tab Home" --selected
xdotool key ctrl+w
wait_for 10 program_ended || fail "Ctrl+W did not end the program within 10 s"
pid=""
holds_mia || fail "the second run lost Mia"

echo "PASS: Mia was created and saved; Ctrl+Q and Ctrl+W both ended the program"
