#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The first lesson end to end in the real program, with a throwaway home on the X server that
# xvfb-run provides: make an explorer, click "Start  ▶" on the dashboard, end the tutorial with
# Escape, type all of "Meet F and J" at a child's pace with a few mistakes, and check what the
# save file then holds: the stars, the accuracy from what was typed, the speed against the
# time the typing took, the key count and the first-lesson badge.
#   xvfb-run -a lesson.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: lesson.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

# What to type, one xdotool key list per drill line, and what that must score. About one key
# in twelve is a mistake (one of them the capital of the expected letter), so the accuracy
# lands between 90 and 96 % and the grade is two stars whatever the speed. The Returns in the
# third line are no typing keys and must not count as mistakes.
"$program" --print-course >"$home/course.json" || fail "--print-course failed"
python3 - "$home/course.json" "$home" <<'PY' || fail "no lesson u1l1 titled \"Meet F and J\""
import json, sys
course, out = json.load(open(sys.argv[1], encoding="utf-8")), sys.argv[2]
lesson = next(l for u in course for l in u["lessons"] if l["id"] == "u1l1")
assert lesson["title"] == "Meet F and J"
name = lambda c: {" ": "space"}.get(c, c)
total = sum(len(line) for line in lesson["drills"])
wrong, n, lines, capital = 0, 0, [], False
for d, line in enumerate(lesson["drills"]):
    keys = []
    for c in line:
        if n % 12 == 5:
            if c.isalpha() and not capital:
                keys.append("shift+" + c)
                capital = True
            else:
                keys.append("k" if c != "k" else "d")
            wrong += 1
        if d == 2 and n % 12 == 0:
            keys.append("Return")
        keys.append(name(c))
        n += 1
    lines.append(" ".join(keys))
open(out + "/keys", "w").write("\n".join(lines) + "\n")
accuracy = total / (total + wrong) * 100
assert 90 <= accuracy < 96
json.dump({"total": total, "wrong": wrong, "accuracy": accuracy}, open(out + "/expect.json", "w"))
PY

start_program
new_explorer Mia

has_explorer() {
  python3 -c 'import json, sys; sys.exit(0 if json.load(open(sys.argv[1]))["currentProfileID"] else 1)' \
    "$save" 2>/dev/null
}
wait_for 10 has_explorer || fail "no explorer was created"

# "Start  ▶" is clicked here (keyboard_only.sh reaches it with Tab). Escape ends the
# tutorial once it is up.
click_on continueButton
await tutorial/nextButton
xdotool key Escape
await_gone tutorial

# xdotool spaces the keys of one call 100 ms apart, the pace of a young typist.
started=$EPOCHREALTIME
while read -r keys; do
  # shellcheck disable=SC2086 # one word per key
  xdotool key --delay 100 $keys
done <"$home/keys"
typed=$EPOCHREALTIME

result_ok() {
  python3 - "$save" "$home/expect.json" "$started" "$typed" <<'PY'
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
expect = json.load(open(sys.argv[2]))
profile = next(p for p in data["profiles"] if p["id"] == data["currentProfileID"])
result = profile["lessonResults"].get("u1l1")
if result is None:
    sys.exit(1)  # not yet
problems = []
if result["stars"] != 2:
    problems.append(f"stars {result['stars']}, expected 2")
if abs(result["accuracy"] - expect["accuracy"]) > 1e-9:
    problems.append(f"accuracy {result['accuracy']}, expected {expect['accuracy']} "
                    f"({expect['total']} right, {expect['wrong']} wrong)")
# From the first key to the last the program measured no more than this script took to send
# them, and not much less.
seconds = float(sys.argv[4]) - float(sys.argv[3])
least = expect["total"] / 5 / (seconds / 60)
if not least * 0.9 <= result["wpm"] <= least * 1.3:
    problems.append(f"wpm {result['wpm']:.1f}, expected about {least:.1f} ({seconds:.1f} s of typing)")
if profile["totalCorrectKeys"] != expect["total"]:
    problems.append(f"totalCorrectKeys {profile['totalCorrectKeys']}, expected {expect['total']}")
if "first_lesson" not in profile["badges"]:
    problems.append(f"no first_lesson badge among {sorted(profile['badges'])}")
if problems:
    print("; ".join(problems), file=sys.stderr)
    sys.exit(2)
PY
}

status=0
settle 10 result_ok || status=$?
[ "$status" -ne 1 ] || fail "no result for u1l1 in the save file 10 s after the last key"
[ "$status" -eq 0 ] || fail "the saved result is wrong (above)"

quit_program
result_ok || fail "the result changed on the way out"

echo "PASS: Meet F and J typed, saved with 2 stars and the first-lesson badge"
