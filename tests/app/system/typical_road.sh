#!/usr/bin/env bash
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
#
# Buttons that take no keyboard focus are clicked where they sit in the default 1180 × 780
# window at 0,0, or found by their sunshine colour with find_button.py.
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

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
# find_button.py on the window as it is now.
spot() { import -window "$window" -depth 8 ppm:- 2>/dev/null | python3 "$here/find_button.py" "$@"; }
# "x y" of the biggest sunshine area below row 80 (the top bar), in $at.
sunshine() { at=$(spot 80); }
profile() { # prints one field of the current profile as JSON, or fails
  python3 -c 'import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
p = next(p for p in d["profiles"] if p["id"] == d["currentProfileID"])
print(json.dumps(p[sys.argv[2]]))' "$save" "$1" 2>/dev/null
}

# First start: the picker, "New explorer", the name, Return.
xdotool key Tab Return
xdotool type --delay 30 'Mia'
xdotool key Return
has_explorer() { profile name >/dev/null; }
wait_for 10 has_explorer || fail "no explorer was created"

# "Start  ▶" on the dashboard; polling also waits out the picker's fade.
wait_for 10 sunshine || fail "no \"Start  ▶\" button on the dashboard"
read -r x y <<<"$at"
click "$x" "$y"
sleep 0.5
xdotool key Escape
sleep 0.4

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

# The results card: its bonus games are Letter Drop, Key Moles and Copy Cat, in that order.
sleep 1
click 737 577
sleep 1
xdotool key space # the start card
# Copy Cat ends after three wrong keys once the parrot has shown its pattern, whose keys are
# the lesson's f and j; z, q and x are wrong whenever they count.
copy_cats() { profile gameScores | grep -c '"copyCat"' || true; }
for ((i = 0; i < 20; i++)); do
  xdotool key --delay 300 z q x
  sleep 0.5
  [ "$(copy_cats)" -eq 0 ] || break
done
[ "$(copy_cats)" -ne 0 ] || fail "Copy Cat did not end (and record) after 60 wrong keys"

# The game-over card's "Next: D and K  ▶" is its one sunshine button, in the card's middle.
on_game_over() { sunshine && read -r x y <<<"$at" && ((y > 400 && y < 600)); }
wait_for 5 on_game_over || fail "no \"Next\" button on the Copy Cat game-over card (found: ${at:-none})"
click "$x" "$y"

# The tutorial of the next lesson: its "Next  ▶" at the foot of the window.
on_tutorial() { sunshine && read -r x y <<<"$at" && ((y > 650)); }
wait_for 5 on_tutorial || fail "no lesson tutorial after \"Next: D and K  ▶\" (found: ${at:-none})"
xdotool key Escape
# Then the keyboard hint lights the first key of D and K's first line: d or k on the home row.
declare -A home_row=([d]=436 [k]=690)
first=$(cat "$home/next_first")
[ -n "${home_row[$first]:-}" ] || fail "D and K's first line starts with \"$first\", not d or k"
lit_first() {
  sunshine && read -r x y <<<"$at" && ((x > home_row[$first] - 20 && x < home_row[$first] + 20 &&
    y > 560 && y < 620))
}
wait_for 5 lit_first || fail "after Escape, \"$first\" of D and K is not lit (sunshine at ${at:-none})"

click 50 41 # ✕
on_dashboard() { sunshine && read -r x y <<<"$at" && ((y < 400 && x > 900)); }
wait_for 5 on_dashboard || fail "✕ did not lead back to the dashboard (sunshine at ${at:-none})"

# The champions tab opens on "Star Collectors", the sunshine tab second from the right.
click 980 37
on_star_board() { sunshine && read -r x y <<<"$at" && ((x > 780 && x < 900 && y > 130 && y < 175)); }
wait_for 5 on_star_board || fail "the champions tab did not open on \"Star Collectors\" (sunshine at ${at:-none})"
# Rows stand 69 apart from y 220: "YOU" is the mint capsule, the lead's figure the only
# sunshine text below the tabs.
board_is() { # the rows of "YOU" and of the sunshine figure
  you=$(spot 185 --mint --all 50 | awk '{ print int(($2 - 220 + 34) / 69) + 1 }' | xargs)
  lead=$(spot 185 --all 20 | awk '{ print int(($2 - 220 + 34) / 69) + 1 }' | xargs)
  [ "$you" = "$1" ] && [ "$lead" = "$2" ]
}
wait_for 5 board_is 1 1 ||
  fail "Mia is not alone on the stars board in the lead with \"YOU\" (YOU on row ${you:-none}, sunshine figure on row ${lead:-none})"

# Another board now, so that the next visit shows the stars board is chosen afresh.
click 174 153 # Letter Drop, the first tab
off_star_board() { sunshine && read -r x y <<<"$at" && ((x < 300 && y > 130 && y < 175)); }
wait_for 5 off_star_board || fail "the Letter Drop tab was not chosen (sunshine at ${at:-none})"

# A second explorer: the profile chip, "Switch player" (which leaves no one current), the
# picker's second card.
nobody() { ! profile name >/dev/null; }
for _ in 1 2 3; do
  click 1110 42
  sleep 0.5
  click 1020 88
  if wait_for 3 nobody; then break; fi
done
nobody || fail "\"Switch player\" in the profile menu did not lead back to the picker"
sleep 0.4 # the picker's fade
xdotool key Tab Tab Return
sleep 0.5
xdotool type --delay 30 'Leo'
xdotool key Return
is_leo() { [ "$(profile name)" = '"Leo"' ]; }
wait_for 10 is_leo || fail "no second explorer was created"
wait_for 10 sunshine || fail "no \"Start  ▶\" button on Leo's dashboard"
read -r x y <<<"$at"
click "$x" "$y"
sleep 0.5
xdotool key Escape
sleep 0.4
type_lesson
wait_for 10 lesson_saved || fail "no lesson result for Leo 10 s after the last key"
# "Back to map" sits left of the results card's sunshine "Next: D and K  ▶".
on_results() { sunshine && read -r x y <<<"$at" && ((y > 400)); }
wait_for 5 on_results || fail "no results card for Leo (sunshine at ${at:-none})"
click $((x - 291)) "$y"
sleep 0.6
click 980 37
wait_for 5 on_star_board || fail "the champions tab did not open on \"Star Collectors\" for Leo"
wait_for 5 board_is 2 1 ||
  fail "on the stars board Mia should lead and \"YOU\" mark Leo's row (YOU on row ${you:-none}, sunshine figure on row ${lead:-none})"

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
