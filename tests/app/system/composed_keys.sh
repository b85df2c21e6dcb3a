#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Keys that other keyboards type in two steps, through the real X key path: with the German
# layout set on the X server while the program runs, a dead key followed by a letter, AltGr and
# the key beside the left Shift each reach the first lesson as the one character they type; a
# dead key alone counts for nothing, and a dead key with a letter it does not combine with is
# one mistake. The same on US international, whose apostrophe is a dead key. The save file's
# key statistics then say exactly what arrived where the lesson wanted another key.
#   xvfb-run -a composed_keys.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: composed_keys.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

# Mistakes before the first key of the first two drill lines, as xdotool key lists, and what
# each must arrive as. "dead_acute f" (f combines with no accent) is the right key after a
# dead key: no mistake. Lesson 1's keys (f, j, space) sit in the same places on both layouts.
de_mistakes="dead_acute e ISO_Level3_Shift+q less shift+less dead_acute q dead_grave a dead_acute"
de_arrive="é @ < > q à"
intl_mistakes="dead_acute e dead_diaeresis u dead_acute space ISO_Level3_Shift+q"
intl_arrive="é ü ' ä"

"$program" --print-course >"$home/course.json" || fail "--print-course failed"
python3 - "$home/course.json" "$home" <<'PY' || fail "no lesson u1l1 to type"
import json, sys
course, out = json.load(open(sys.argv[1], encoding="utf-8")), sys.argv[2]
lesson = next(l for u in course for l in u["lessons"] if l["id"] == "u1l1")
name = lambda c: {" ": "space"}.get(c, c)
open(out + "/lines", "w").write("\n".join(" ".join(map(name, l)) for l in lesson["drills"]) + "\n")
open(out + "/firsts", "w").write("".join(l[0] for l in lesson["drills"][:2]))
PY

start_program
new_explorer Mia
click_on continueButton
await tutorial/nextButton
xdotool key Escape
await_gone tutorial

# The X server changes its keymap under the running program, as a desktop's settings do.
setxkbmap de -option lv3:ralt_switch || fail "setxkbmap de failed"
line=0
while read -r keys; do
  case $line in
    0) mistakes=$de_mistakes ;;
    1)
      setxkbmap us intl || fail "setxkbmap us intl failed"
      mistakes=$intl_mistakes
      ;;
    *) mistakes="" ;;
  esac
  # shellcheck disable=SC2086 # one word per key
  [ -z "$mistakes" ] || xdotool key --delay 100 $mistakes
  # shellcheck disable=SC2086
  xdotool key --delay 60 $keys
  line=$((line + 1))
done <"$home/lines"

result_ok() {
  python3 - "$save" "$home/firsts" "$de_arrive" "$intl_arrive" <<'PY'
import json, sys
from collections import Counter
data = json.load(open(sys.argv[1], encoding="utf-8"))
profile = next(p for p in data["profiles"] if p["id"] == data["currentProfileID"])
if "u1l1" not in profile["lessonResults"]:
    sys.exit(1)  # not yet
firsts = open(sys.argv[2], encoding="utf-8").read()
expected = {}
for first, arrive in zip(firsts, sys.argv[3:5]):
    expected.setdefault(first, Counter()).update(arrive.split())
stats = profile.get("keyStats", {})
problems = []
for key, instead in expected.items():
    got = stats.get(key, {})
    if Counter(got.get("typedInstead", {})) != instead or got.get("wrong") != sum(instead.values()):
        problems.append(f"for {key!r} arrived {got}, expected typedInstead {dict(instead)}")
others = {k: v for k, v in stats.items() if k not in expected and v.get("wrong")}
if others:
    problems.append(f"mistakes elsewhere: {others}")
if problems:
    print("; ".join(problems), file=sys.stderr)
    sys.exit(2)
PY
}

status=0
settle 10 result_ok || status=$?
[ "$status" -ne 1 ] || fail "no result for u1l1 in the save file 10 s after the last key"
[ "$status" -eq 0 ] || fail "the keys arrived otherwise (above)"

quit_program
echo "PASS: dead keys, AltGr and the ISO key arrive as the characters they type, on de and us(intl)"
