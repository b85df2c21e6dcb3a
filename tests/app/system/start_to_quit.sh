#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# From start to quit on one platform, as a tester or a desktop starts it: a fresh home, an
# explorer made with the keyboard, the first lesson typed, then SIGTERM (what a logout sends).
# The program must end with status 0, leave no lock, and leave a save file that holds the
# explorer, the lesson and its keys, with nothing on its standard error about a crash.
#   start_to_quit.sh x11|wayland path/to/tapalong
# It starts its own Xvfb, and for wayland a Weston inside it that the program joins natively;
# keys reach it through Weston's window, as from a keyboard.
set -euo pipefail

platform=${1:?usage: start_to_quit.sh x11|wayland path/to/tapalong}
program=${2:?usage: start_to_quit.sh x11|wayland path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"
# shellcheck source=SCRIPTDIR/../../display-servers.sh
. "$(dirname "$(realpath "$0")")/../../display-servers.sh"

"$program" --print-course >"$home/course.json" || fail "--print-course failed"
python3 - "$home/course.json" "$home/keys" <<'PY' || fail "no lesson u1l1 in the course"
import json, sys
course = json.load(open(sys.argv[1], encoding="utf-8"))
lesson = next(l for u in course for l in u["lessons"] if l["id"] == "u1l1")
name = lambda c: {" ": "space"}.get(c, c)
open(sys.argv[2], "w").write("\n".join(" ".join(name(c) for c in line) for line in lesson["drills"]) + "\n")
PY

start_xvfb
case $platform in
  x11)
    start_program
    ;;
  wayland)
    start_weston
    export QT_QPA_PLATFORM=wayland
    rm -f "$TAPALONG_UI_PROBE"
    "$program" >>"$home/log" 2>&1 &
    pid=$!
    await newExplorer --timeout 20
    window=$weston_window
    timeout 10 xdotool windowfocus --sync "$window" || fail "Weston's window did not take the keyboard"
    ;;
  *) fail "no platform $platform" ;;
esac

new_explorer Mia
has_explorer() {
  python3 -c 'import json, sys; sys.exit(0 if json.load(open(sys.argv[1]))["currentProfileID"] else 1)' \
    "$save" 2>/dev/null
}
wait_for 10 has_explorer || fail "no explorer was created"

# A lesson is saved when its last line is typed, so the whole first one is.
click_on continueButton
await tutorial/nextButton
xdotool key Escape
await_gone tutorial
while read -r keys; do
  # shellcheck disable=SC2086 # one word per key
  xdotool key --delay 40 $keys
done <"$home/keys"
has_lesson() {
  python3 -c 'import json, sys; d = json.load(open(sys.argv[1])); sys.exit(0 if "u1l1" in d["profiles"][0]["lessonResults"] else 1)' \
    "$save" 2>/dev/null
}
wait_for 10 has_lesson || fail "the lesson was not recorded"

end_with_sigterm

python3 - "$save" "$home/course.json" <<'PY' || fail "the save file does not hold the explorer's lesson"
import collections, json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
course = json.load(open(sys.argv[2], encoding="utf-8"))
drills = next(l for u in course for l in u["lessons"] if l["id"] == "u1l1")["drills"]
[profile] = data["profiles"]
assert profile["name"] == "Mia" and data["currentProfileID"] == profile["id"], profile["name"]
assert profile["lessonResults"]["u1l1"]["stars"] >= 1, profile["lessonResults"]
stats = profile["keyStats"]
for key, count in collections.Counter(c for line in drills for c in line if c != " ").items():
    assert stats[key]["right"] == count and stats[key].get("wrong", 0) == 0, (key, count, stats)
PY
echo "PASS: $platform, from start to SIGTERM"
