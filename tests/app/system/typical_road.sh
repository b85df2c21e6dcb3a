#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The typical road through the real program, with a throwaway home on the X server that
# xvfb-run provides: first start, make an explorer, click "Start  ▶", end the tutorial with
# Escape, type all of "Meet F and J" without a mistake, pick the Copy Cat bonus game on the
# results card, lose it with three wrong keys, click "Next: D and K  ▶" on its game-over card,
# end that lesson's tutorial and leave with ✕. The champions tab then opens on "Star Collectors"
# with Mia alone on it; she picks another board. A second explorer, Leo, types the same lesson
# just as well: the tab opens on the stars board again, the tie at 3 ⭐️ is led by Mia, made
# first, and "YOU" moves to Leo's row. Ctrl+Q quits; the save file must then hold exactly what
# was done.
#   xvfb-run -a typical_road.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: typical_road.sh path/to/tapalong}
here=$(dirname "$(realpath "$0")")

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$here/../../system-common.sh"

# The first lesson's drill lines as xdotool key lists, and the first key of the next lesson's
# first line, which the lesson screen lights once that tutorial is over.
"$program" --print-course >"$home/course.json" || fail "--print-course failed"
python3 - "$home/course.json" "$home" <<'PY' || fail "the course does not start with \"Meet F and J\", \"D and K\""
import json, sys
course, out = json.load(open(sys.argv[1], encoding="utf-8")), sys.argv[2]
lessons = [l for u in course for l in u["lessons"]]
first, second = lessons[0], lessons[1]
assert (first["id"], first["title"]) == ("u1l1", "Meet F and J"), first["title"]
assert (second["id"], second["title"]) == ("u1l2", "D and K"), second["title"]
lines = [" ".join({" ": "space"}.get(c, c) for c in line) for line in first["drills"]]
open(out + "/keys", "w").write("\n".join(lines) + "\n")
open(out + "/total", "w").write(str(sum(len(line) for line in first["drills"])))
open(out + "/next_first", "w").write(second["drills"][0][0])
PY
total=$(cat "$home/total")

start_program

profile() { # prints one field of the current profile as JSON, or fails
  python3 -c 'import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
p = next(p for p in d["profiles"] if p["id"] == d["currentProfileID"])
print(json.dumps(p[sys.argv[2]]))' "$save" "$1" 2>/dev/null
}

# First start: the picker, "New explorer", the name, Return.
new_explorer Mia
has_explorer() { profile name >/dev/null; }
wait_for 10 has_explorer || fail "no explorer was created"

# "Start  ▶" on the dashboard, then Escape once the tutorial is up.
start_lesson() {
  click_on continueButton
  await tutorial/nextButton
  xdotool key Escape
  await_gone tutorial
}
start_lesson

# Every key right, 60 ms apart.
type_lesson() {
  while read -r keys; do
    # shellcheck disable=SC2086 # one word per key
    xdotool key --delay 60 $keys
  done <"$home/keys"
}
type_lesson
lesson_saved() { [ "$(profile lessonResults)" != "{}" ]; }
wait_for 10 lesson_saved || fail "no lesson result in the save file 10 s after the last key"

# The results card offers Copy Cat among its bonus games; space starts it from its start card.
click_on "results/bonus copyCat"
await copyCatScreen/startButton
xdotool key space
await_gone startCard
# Copy Cat ends after three wrong keys, each typed once the parrot has shown its pattern,
# whose keys are the lesson's f and j. After a wrong key the parrot shows it again.
for heart in 1 2 3; do
  await echoSlots --timeout 20
  xdotool key z
  if ((heart < 3)); then await_gone echoSlots; fi
done
copy_cat_saved() { profile gameScores | grep -q '"copyCat"'; }
wait_for 10 copy_cat_saved || fail "Copy Cat did not end (and record) after 3 wrong keys"

# The game-over card leads on: "Next: D and K  ▶".
click_on overCard/nextButton --text "Next: D and K  ▶"

# The tutorial of the next lesson; after Escape the keyboard lights the first key of D and K's
# first line.
await lessonScreen/tutorial/nextButton
xdotool key Escape
await_gone tutorial
first=$(cat "$home/next_first")
await "keyboard/key:${first^^}" --lit

click_on lessonScreen/closeButton # ✕
await continueButton

# The champions tab opens on "Star Collectors"; Mia leads it alone, marked "YOU".
board_rows() { # the rows of the board, top to bottom, and whose row says "YOU"
  rows=$(python3 "$ui_probe" list "rows/row *" | cut -f2 | sed 's|.*/row ||' | xargs)
  you=$(python3 "$ui_probe" list "row */you" | cut -f2 | sed 's|.*/row \(.*\)/you|\1|' | xargs)
  [ "$rows" = "$1" ] && [ "$you" = "$2" ]
}
click_on "tab Champions"
await "board Star Collectors" --selected
wait_for 5 board_rows Mia Mia ||
  fail "Mia is not alone on the stars board with \"YOU\" (rows: ${rows:-none}; YOU: ${you:-none})"

# Another board now, so that the next visit shows the stars board is chosen afresh.
click_on "board Letter Drop"
await "board Letter Drop" --selected

# A second explorer: the profile chip, "Switch player" (which leaves no one current), the
# picker.
click_on profileChip
click_on switchPlayer
nobody() { ! profile name >/dev/null; }
wait_for 5 nobody || fail "\"Switch player\" in the profile menu did not lead back to the picker"
new_explorer Leo
is_leo() { [ "$(profile name)" = '"Leo"' ]; }
wait_for 10 is_leo || fail "no second explorer was created"
start_lesson
type_lesson
wait_for 10 lesson_saved || fail "no lesson result for Leo 10 s after the last key"
click_on results/backButton
click_on "tab Champions"
await "board Star Collectors" --selected
wait_for 5 board_rows "Mia Leo" Leo ||
  fail "on the stars board Mia should lead and \"YOU\" mark Leo's row (rows: ${rows:-none}; YOU: ${you:-none})"

quit_program

python3 - "$save" "$total" <<'PY' || fail "the save file does not hold what was done (above)"
import json, sys
data, total = json.load(open(sys.argv[1], encoding="utf-8")), int(sys.argv[2])
problems = []
profiles = data["profiles"]
if [p["name"] for p in profiles] != ["Mia", "Leo"]:
    problems.append(f"profiles {[p['name'] for p in profiles]}, expected Mia and Leo")
    profiles += [profiles[0]] * 2
p, leo = profiles[0], profiles[1]
if data.get("currentProfileID") != leo["id"]:
    problems.append("Leo is not the current profile")
results = p["lessonResults"]
if list(results) != ["u1l1"]:
    problems.append(f"lesson results for {sorted(results)}, expected only u1l1")
elif (results["u1l1"]["stars"], results["u1l1"]["accuracy"]) != (3, 100):
    problems.append(f"u1l1 saved as {results['u1l1']}, expected 3 stars at 100 % accuracy")
elif results["u1l1"]["wpm"] < 8:
    problems.append(f"u1l1 speed {results['u1l1']['wpm']:.1f} wpm at 60 ms a key")
kinds = [g["kind"] for g in p["gameScores"]]
if kinds != ["copyCat"]:
    problems.append(f"game scores {kinds}, expected one copyCat")
elif p["gameScores"][0]["score"] != 0:
    problems.append(f"Copy Cat scored {p['gameScores'][0]['score']} with only wrong keys")
# Only wrong keys were pressed in Copy Cat.
if p["totalCorrectKeys"] != total:
    problems.append(f"totalCorrectKeys {p['totalCorrectKeys']}, expected the lesson's {total}")
if "first_lesson" not in p["badges"]:
    problems.append(f"no first_lesson badge among {sorted(p['badges'])}")
# Leo: the same lesson, nothing else.
if {k: v["stars"] for k, v in leo["lessonResults"].items()} != {"u1l1": 3}:
    problems.append(f"Leo's lesson results {leo['lessonResults']}, expected u1l1 with 3 stars")
if leo["gameScores"] or leo["totalCorrectKeys"] != total:
    problems.append(f"Leo has {len(leo['gameScores'])} games and {leo['totalCorrectKeys']} keys")
if problems:
    print("; ".join(problems), file=sys.stderr)
    sys.exit(1)
PY

echo "PASS: first start to D and K; u1l1 with 3 stars, one Copy Cat game, $total correct keys;" \
  "the stars board with Mia, then Mia and Leo"
