#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# A household on a German keyboard, with the German layout set on the X server: at its first
# start German becomes the household's keyboard (saved, and named in the grown-ups' view), the
# on-screen keyboard shows Z where the child's Z is, the first lesson is finished by typing it,
# and the first lesson whose drills ask for "ö" is typed through the real key events of the
# German keyboard's Ö key. A switch of the X server to US letters mid-lesson blanks the keys on
# screen and says so, until the German layout is back.
#   xvfb-run -a -s -noreset german_keyboard.sh path/to/tapalong
# (-noreset: the layout setxkbmap gives the server lasts after setxkbmap leaves.)
set -euo pipefail

program=${1:?usage: german_keyboard.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

setxkbmap de || fail "setxkbmap de failed"
unset TAPALONG_LAYOUT

# Each drill line of u1l1 and of the first lesson that asks for "ö", as xdotool key lists by
# keysym name, so that each character is the key that types it on the German keyboard.
"$program" --print-course --layout de >"$home/course.json" || fail "--print-course failed"
python3 - "$home/course.json" "$home" <<'PY' || fail "no German lesson asks for ö"
import json, sys
course, out = json.load(open(sys.argv[1], encoding="utf-8")), sys.argv[2]
lessons = [l for u in course["units"] for l in u["lessons"]]
names = {" ": "space", "ö": "odiaeresis", "ä": "adiaeresis", "ü": "udiaeresis",
         "Ö": "Odiaeresis", "Ä": "Adiaeresis", "Ü": "Udiaeresis", "ß": "ssharp",
         ",": "comma", ".": "period", "-": "minus", "!": "exclam", "?": "question",
         ":": "colon", ";": "semicolon", "'": "apostrophe", '"': "quotedbl"}
def keys(lesson):
    return "\n".join(" ".join(names.get(c, c) for c in line) for line in lesson["drills"]) + "\n"
first = lessons[0]
assert first["id"] == "u1l1"
open(out + "/u1l1", "w").write(keys(first))
umlaut = next(l for l in lessons if any("ö" in line for line in l["drills"]))
open(out + "/umlaut", "w").write(keys(umlaut))
open(out + "/umlaut-id", "w").write(umlaut["id"])
# Every lesson before it, finished: the dashboard's Start then opens it.
open(out + "/before", "w").write(" ".join(l["id"] for l in lessons[:lessons.index(umlaut)]))
PY

lesson_done() { # lesson id
  python3 - "$save" "$1" <<'PY'
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
profile = next(p for p in data["profiles"] if p["id"] == data.get("currentProfileID"))
sys.exit(0 if sys.argv[2] in profile["lessonResults"] else 1)
PY
}
type_lines() { # file of key lists
  local keys
  while read -r keys; do
    # shellcheck disable=SC2086 # one word per key
    xdotool key --delay 50 $keys
  done <"$1"
}

household_layout() {
  python3 - "$save" <<'PY'
import json, sys
print(json.load(open(sys.argv[1], encoding="utf-8"))["settings"].get("keyboardLayout", "us"))
PY
}

start_program
new_explorer Mia
await continueButton
[ "$(household_layout)" = de ] || fail "the household's keyboard is $(household_layout), not de"
open_grownups
scroll_to keyboardLayoutText
await keyboardLayoutText --containing German
close_grownups
click_on continueButton
await tutorial/nextButton
xdotool key Escape
await_gone tutorial

# Z stands where the US keyboard has Y, between T and U, and the German keys are there.
row_of() { python3 "$ui_probe" list "keyboard/key:$1" | cut -f1 | head -n 1; }
x_of() { python3 "$ui_probe" wait "keyboard/key:$1" | cut -d' ' -f1; }
[ "$(row_of Z)" = "$(row_of T)" ] || fail "Z is not in the row of T"
{ [ "$(x_of T)" -lt "$(x_of Z)" ] && [ "$(x_of Z)" -lt "$(x_of U)" ]; } ||
  fail "Z is not between T and U"
await "keyboard/key:Ö"
await "keyboard/key:ß"

# US letters under the child's fingers: no German key is shown that does not type.
setxkbmap us || fail "setxkbmap us failed"
await keyboard/layoutNotice
[ -z "$(python3 "$ui_probe" list keyboard/key:Z | cut -f3)" ] || fail "a key cap still shows"
setxkbmap de || fail "setxkbmap de failed"
await_gone keyboard/layoutNotice
await "keyboard/key:Z" --text Z

type_lines "$home/u1l1"
wait_for 10 lesson_done u1l1 || fail "u1l1 was not finished by typing it"
quit_program

# The lessons before the one with "ö" finished, and on to it.
python3 - "$save" "$home/before" <<'PY'
import json, sys
path = sys.argv[1]
data = json.load(open(path, encoding="utf-8"))
profile = next(p for p in data["profiles"] if p["id"] == data["currentProfileID"])
results = profile["lessonResults"]
date = results["u1l1"]["date"]
for lesson in open(sys.argv[2]).read().split():
    results.setdefault(lesson, {"stars": 3, "wpm": 12.0, "accuracy": 98, "date": date})
json.dump(data, open(path, "w", encoding="utf-8"), ensure_ascii=False)
PY
umlaut=$(cat "$home/umlaut-id")
start_program
start_next_lesson
type_lines "$home/umlaut"
wait_for 10 lesson_done "$umlaut" || fail "$umlaut (with ö) was not finished by typing it"
quit_program
echo "PASS: German taken from the desktop, its keyboard on screen, u1l1 and $umlaut typed on it"
