#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# A screenshot tour of the whole program: every screen and card as one numbered PNG, taken
# under a throwaway X server and home folder, into ./screenshots/ (or the folder given).
#   [LANGUAGE=de] scripts/screenshots.sh [path/to/tapalong] [out-folder]
# The tour is shown in the language LANGUAGE names, English without it.
#
# Every picture is also read as a child would read it (tests/screen_check.py): a text cut
# short or spilling out of its place, or English left on a translated screen, is listed in
# screen-check.txt beside the pictures, and the tour then ends with status 1.
#
# Controls are found by name through the program's UI probe (tests/ui_probe.py), and each
# picture is taken once its screen shows what it is about and has stopped moving. The tour
# takes about two and a half minutes.
set -euo pipefail

program=$(realpath "${1:-build/run/src/app/tapalong}")
out=$(realpath -m "${2:-$PWD/screenshots}")
here=$(dirname "$(realpath "$0")")

if [ -z "${TAPALONG_SHOTS_INNER:-}" ]; then
  export TAPALONG_SHOTS_INNER=1
  # -noreset: the keyboard layout setxkbmap gives the server lasts after setxkbmap leaves.
  exec xvfb-run -a -s "-screen 0 1280x860x24 -noreset" "$0" "$program" "$out"
fi

# A throwaway home, `start_program`, `save`, `click_on`, `await`, `await_gone`, `scroll_to`,
# `new_explorer`, `start_next_lesson`.
# shellcheck source=SCRIPTDIR/../tests/system-common.sh
. "$here/../tests/system-common.sh"
mkdir -p "$out"
rm -f "$out"/[0-9][0-9]-*.png "$out/screen-check.txt"
number=0
language=${LANGUAGE:-en}
language=${language%%:*}
language=${language%%_*}
catalogue=$here/../translations/tapalong_$language.ts
if [ "$language" = en ] || [ ! -f "$catalogue" ]; then catalogue=""; fi
# A child who reads German types on a German keyboard: the X server's layout follows the
# language (Spanish: Spain's).
case $language in
de | fr | es) keyboard=$language ;;
*) keyboard=us ;;
esac
setxkbmap "$keyboard"

# What the screen shows, read through for the check (see above).
check_screen() { # picture's name
  python3 "$here/../tests/screen_check.py" "$1" ${catalogue:+--catalogue "$catalogue"} \
    >>"$out/screen-check.txt" || true
}

start() {
  start_program
}

stop() {
  xdotool key ctrl+q
  wait_for 5 program_ended || kill "$pid" 2>/dev/null || true
  wait "$pid" || true
  pid=""
}

# Takes the picture once the control named by the arguments (if any; see `await`) is ready and
# the screen has settled.
shot() {
  local name=$1
  shift
  if [ $# -gt 0 ]; then await "$@"; fi
  python3 "$ui_probe" still || fail "the screen did not settle for $name"
  number=$((number + 1))
  local file
  file=$(printf '%s/%02d-%s.png' "$out" "$number" "$name")
  import -window "$window" "$file"
  check_screen "$name"
  echo "$file"
}

# The top bar's tabs, each once its content is up.
tab() { # title, a control its content shows
  click_on "tab $1"
  await "tab $1" --selected
  await "$2"
}
tab_home() { tab Home continueButton; }
tab_learn() { tab Learn "bubble u1l1"; }
tab_games() { tab Games "game copyCat"; }
tab_champions() { tab Champions "board Star Collectors"; }

# Copy Cat ends after three wrong keys, each typed once the parrot has shown its pattern (z is
# in none); after a wrong key it shows the pattern again. Returns once the game is in the save
# file.
copy_cats() {
  python3 -c 'import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
print(sum(g["kind"] == "copyCat" for p in data["profiles"] for g in p["gameScores"]))' "$save"
}
copy_cat_recorded() { [ "$(copy_cats)" -ne "$before" ]; }
lose_copy_cat() {
  local heart
  before=$(copy_cats)
  for heart in 1 2 3; do
    await echoSlots --timeout 20
    xdotool key z
    if ((heart < 3)); then await_gone echoSlots; fi
  done
  wait_for 10 copy_cat_recorded || fail "Copy Cat was not recorded"
}

# Into the grown-ups' view from its sum: the sum's two numbers added, whatever the language of
# the words around them.
answer_gate() {
  await gateAnswer --focus
  local question
  question=$(python3 "$ui_probe" list gateQuestion | cut -f3)
  xdotool type --delay 30 "$(python3 -c 'import re, sys; print(sum(map(int, re.findall(r"\d+", sys.argv[1]))))' "$question")"
  xdotool key Return
  await grownupsSummary
}
# The mouse wheel back up the grown-ups' view to where "Done" is.
scroll_to_top() {
  local wheel
  for ((wheel = 0; wheel < 40; wheel++)); do
    python3 "$ui_probe" wait grownupsClose --timeout 0.3 >/dev/null 2>&1 && return 0
    button=4 click_on grownupsProgress
  done
  await grownupsClose
}
# The first page of a PDF as the next numbered PNG.
pdf_shot() { # name, PDF
  number=$((number + 1))
  local file
  file=$(printf '%s/%02d-%s' "$out" "$number" "$1")
  pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$2" "$file" || fail "pdftoppm could not read $2"
  echo "$file.png"
}

# The drill lines of the first lesson as xdotool key lists, one line each.
"$program" --print-course --language "$language" --layout "$keyboard" 2>/dev/null | python3 -c '
import json, sys
lesson = json.load(sys.stdin)["units"][0]["lessons"][0]
for line in lesson["drills"]:
    print(" ".join({" ": "space"}.get(c, c) for c in line))' >"$home/keys"

# --- First start: picker, sheet, new dashboard, menu, tabs, the first lesson, a bonus round.
start
shot picker-first-start newExplorer
xdotool key Tab
await newExplorer --focus
xdotool key Return
shot creation-sheet nameField --focus
xdotool type --delay 40 'Mia'
click_on "avatar 1" # the panda
shot creation-sheet-filled chosenAvatar --text "🐼"
xdotool key Return
await_gone newExplorer
shot home-new continueButton
click_on profileChip
shot profile-menu-open switchPlayer
xdotool key Escape
await_gone switchPlayer
tab_learn
shot learn-map-new
tab_champions
shot champions-empty
tab_home
click_on continueButton
shot lesson-tutorial tutorial/nextButton
xdotool key Escape
await_gone tutorial
# shellcheck disable=SC2046 # one word per key
xdotool key --delay 40 $(sed -n 1p "$home/keys")
# shellcheck disable=SC2046
xdotool key --delay 40 $(sed -n 2p "$home/keys" | cut -d' ' -f1-15)
shot lesson-mid-line
xdotool key Escape
shot lesson-paused pause
xdotool key Escape
await_gone pause
# shellcheck disable=SC2046
xdotool key --delay 40 $(sed -n 2p "$home/keys" | cut -d' ' -f16-)
tail -n +3 "$home/keys" | while read -r keys; do
  # shellcheck disable=SC2086
  xdotool key --delay 40 $keys
done
shot lesson-results results/nextButton
click_on "results/bonus copyCat"
shot bonus-round-start startCard/startButton
xdotool key space
await_gone startCard
lose_copy_cat
shot bonus-game-over overCard/nextButton
stop

# --- A household with progress, nobody chosen yet.
python3 - "$save" <<'PY'
import json, sys, time, uuid
path = sys.argv[1]
data = json.load(open(path, encoding="utf-8"))
now = time.time() - 978307200  # seconds since 2001
def profile(name, avatar, results, games, keys, streak):
    return {"id": str(uuid.uuid4()).upper(), "name": name, "avatar": avatar,
            "createdAt": now - 30 * 86400,
            "lessonResults": {k: {"stars": s, "wpm": w, "accuracy": a, "date": now - 3600}
                              for k, (s, w, a) in results.items()},
            "gameScores": [{"id": str(uuid.uuid4()).upper(), "kind": kind, "score": score,
                            "date": now - 7200} for kind, score in games],
            "badges": {}, "totalCorrectKeys": keys, "streak": streak,
            "lastActiveDay": now - 3600}
# The badges these records have earned, so that the next game earns none by surprise.
def badges(p):
    results = p["lessonResults"].values()
    best = max((r["wpm"] for r in results), default=0)
    tests = {"first_lesson": bool(results), "three_star": any(r["stars"] >= 3 for r in results),
             "wpm10": best >= 10, "wpm20": best >= 20, "wpm30": best >= 30,
             "sharp": any(r["accuracy"] >= 98 for r in results),
             "keys1000": p["totalCorrectKeys"] >= 1000, "streak3": p["streak"] >= 3}
    p["badges"] = {b: now - 3600 for b, met in tests.items() if met}
    return p
# Four weeks of Leo's practice and the keys that trip him, for the grown-ups' view.
def practised(p):
    p["history"] = [{"date": now - (27 - day) * 86400 - 3600 * i, "lesson": lesson,
                     "wpm": wpm + day * 0.25, "accuracy": 88 + day % 7, "stars": 2,
                     "keys": 150, "seconds": 240}
                    for day in range(28) if day % 3 != 1
                    for i, (lesson, wpm) in enumerate([("u1l3", 6.0), ("u1l4", 5.0)][: 1 + day % 2])]
    p["history"] += [{"date": now - 7000, "game": "keyMoles", "score": 240, "seconds": 60}]
    p["keyStats"] = {k: {"right": 60, "wrong": w} for k, w in zip("fjdksla;", [1, 2, 3, 12, 4, 9, 7, 14])}
    p["keyStats"]["k"]["typedInstead"] = {"l": 8, "j": 4}
    return p
data["profiles"] += [badges(p) for p in [
    profile("Leo", "🦖", {"u1l1": (3, 12.5, 98), "u1l2": (2, 9.4, 94), "u1l3": (3, 14.0, 97),
                         "u1l4": (1, 6.2, 88)},
            [("letterDrop", 120), ("keyMoles", 240), ("copyCat", 60)], 1234, 3),
    profile("Anna-Sophie", "🦄", {"u1l1": (3, 21.5, 99)}, [("letterDrop", 310)], 420, 1),
    profile("Sam", "🐙", {}, [], 0, 0),
]]
data["profiles"][-3] = practised(data["profiles"][-3])
data.pop("currentProfileID", None)
json.dump(data, open(path, "w", encoding="utf-8"), ensure_ascii=False)
PY
start
shot picker-household "profile Sam"
button=3 click_on "profile Sam"
shot picker-remove-menu removeItem
xdotool key Down Return
shot picker-remove-confirm removeButton
xdotool key Escape
stop

# From here on Leo plays.
python3 - "$save" <<'PY'
import json, sys
path = sys.argv[1]
data = json.load(open(path, encoding="utf-8"))
data["currentProfileID"] = next(p["id"] for p in data["profiles"] if p["name"] == "Leo")
json.dump(data, open(path, "w", encoding="utf-8"), ensure_ascii=False)
PY
start
shot home-progress continueButton

# The grown-ups' view, behind its sum, and tricky-key practice from the dashboard.
click_on profileChip
click_on grownups
shot grownups-gate gateAnswer --focus
answer_gate
shot grownups-progress grownupsSummary
scroll_to "games 1"
shot grownups-look "games 1"
scroll_to saveCopyButton
shot grownups-keys-and-backup saveCopyButton
click_on saveCopyButton
shot grownups-save-dialog saveDialogName --focus
# A copy saved as a grown-up would: a name typed over the one offered, Return.
xdotool type --delay 20 "leo-backup"
xdotool key Return
await_gone saveDialogName
shot grownups-saved backupMessage
# The household as it stands, copied aside and read back: its path is typed into the dialog's
# location field (Ctrl+L), and the preview says what the copy holds before anything changes.
cp "$save" "$home/household-copy.json"
# The dialogs are awaited by name only: their titles are in the language shown.
click_on restoreButton
await dialogTitleBarLabel
# The keys reach the program in order, so the field has the focus before the path arrives.
xdotool key ctrl+l
xdotool type --delay 20 "$home/household-copy.json"
xdotool key Return
await_gone dialogTitleBarLabel
shot grownups-restore-preview restoreConfirm
click_on restoreCancel
await restoreButton
scroll_to_top
click_on grownupsClose
await_gone grownupsScreen
click_on trickyKeysButton
shot tricky-practice drillLabel --containing "1"
click_on closeButton
await continueButton
tab_learn
shot learn-map-progress
tab_games
shot games-hub
tab_champions
shot champions-stars "row Leo"
click_on "board Letter Drop"
shot champions-letter-drop "board Letter Drop" --selected
stop

# --- Printouts and texts from home: Leo has finished the home row. A grown-up saves his report
# and the unit's certificate (each PDF's first page is shown as the next picture), reads him a
# text from a file, checked against the keyboard, and he finds and types it on his dashboard.
python3 - "$save" <<'PY'
import json, sys
path = sys.argv[1]
data = json.load(open(path, encoding="utf-8"))
leo = next(p for p in data["profiles"] if p["name"] == "Leo")
last = max(r["date"] for r in leo["lessonResults"].values())
leo["lessonResults"]["u1l5"] = {"stars": 2, "wpm": 10.5, "accuracy": 95, "date": last}
leo["lessonResults"]["u1l6"] = {"stars": 3, "wpm": 13.0, "accuracy": 98, "date": last}
leo["badges"]["home_row"] = last  # the unit's badge, so that the text earns none by surprise
json.dump(data, open(path, "w", encoding="utf-8"), ensure_ascii=False)
PY
# The text is in the tour's language, with the curly quotes and the emoji a grown-up's text
# may hold; its first words are what Leo types, its last word is looked for in the result.
case $language in
de) kite=('Leos Drachen flog \u00fcber den \u201ehohen\u201c Berg \U0001FA81.\nDann fiel er in den Park.\n' 'Leos Drachen flog' 'Park') ;;
fr) kite=('Le cerf-volant de L\u00e9o passe au-dessus de la \u00ab\u00a0grande\u00a0\u00bb colline \U0001FA81.\nPuis il tombe dans le parc.\n' 'Le cerf-volant' 'parc') ;;
es) kite=('La cometa de Leo vuela sobre la \u00abgran\u00bb colina \U0001FA81.\nLuego cae en el parque.\n' 'La cometa de' 'parque') ;;
*) kite=('Leo\u2019s kite flew over the \u201cbig\u201d hill \U0001FA81.\nThen it came down in the park.\n' "Leo's kite flew" 'kite') ;;
esac
# shellcheck disable=SC2059 # the text holds escapes for printf
printf "${kite[0]}" >"$home/kite.txt"
start
click_on profileChip
click_on grownups
answer_gate
scroll_to saveReportButton
# The dated name offered, Return; then the unit's certificate the same way.
click_on saveReportButton
await saveDialogName --focus
xdotool key Return
await_gone saveDialogName
# Told apart by their order, not their names: the names offered are in the language shown.
pdfs_saved() { [ "$(find "$HOME" -maxdepth 1 -name '*.pdf' | wc -l)" -ge "$1" ]; }
wait_for 10 pdfs_saved 1 || fail "no report saved"
await printoutMessage --containing ".pdf"
report=$(ls -t "$HOME"/*.pdf | head -n 1)
click_on "certificate u1"
await saveDialogName --focus
xdotool key Return
await_gone saveDialogName
wait_for 10 pdfs_saved 2 || fail "no certificate saved"
certificate=$(ls -t "$HOME"/*.pdf | head -n 1)
await printoutMessage --containing "$(basename "$certificate")"
shot grownups-printouts printoutMessage
pdf_shot report-page-1 "$report"
pdf_shot certificate "$certificate"
scroll_to practiceTextFile
click_on practiceTextFile
await dialogTitleBarLabel
xdotool key ctrl+l
xdotool type --delay 20 "$home/kite.txt"
xdotool key Return
await_gone dialogTitleBarLabel
await practiceTextResult --containing "${kite[2]}"
scroll_to practiceTextSave
shot grownups-text-from-home practiceTextResult
click_on practiceTextSave
await practiceTextMessage
scroll_to_top
click_on grownupsClose
await_gone grownupsScreen
shot home-practice-from-home "homeText 0"
click_on "homeText 0"
await drillLabel
xdotool type --delay 150 "${kite[1]}"
shot lesson-text-from-home
stop

# --- Each game from the hub: its start card, then the playfield a moment into play.
play() { # kind, title for the file names, what to type, then what shows once play is under way
  local kind=$1 title=$2 typed=$3
  shift 3
  start
  tab_games
  click_on "game $kind"
  shot "$title-start" startCard/startButton
  xdotool key space
  await_gone startCard
  await "$@"
  if [ -n "$typed" ]; then xdotool type --delay 40 "$typed"; fi
  # Play moves on: no waiting for it to settle.
  number=$((number + 1))
  local file
  file=$(printf '%s/%02d-%s-playing.png' "$out" "$number" "$title")
  import -window "$window" "$file"
  check_screen "$title-playing"
  echo "$file"
}

play letterDrop letter-drop '' letter --count 4
xdotool key Escape
shot letter-drop-paused pausedCard/resumeButton
stop

play wordMeteors word-meteors '' meteor --count 2
stop

# Four seconds into the minute.
play keyMoles key-moles 'fjdksla' timePill --containing "56"
stop

play rocketRace rocket-race '' passage
# The passage typed as it shows: the window holds the last few letters typed (12 at most, as
# the race keeps them) and what comes next, so what the tour has typed says where the rest
# begins. Capitals and accented letters come through xdotool's own key mapping.
# The probe lists the game-over card as soon as it shows, before the save file may have it.
raced() { grep -q overCard "$TAPALONG_UI_PROBE" 2>/dev/null || grep -q '"kind":"rocketRace"' "$save"; }
passage_now() { python3 "$ui_probe" list passage | cut -f3-; }
passage_moved() { raced || [ "$(passage_now)" != "$1" ]; }
typed=0
for _ in $(seq 60); do
  if raced; then break; fi
  shown=$(passage_now)
  # What is still to type, and (on the first line) how many characters that is.
  rest=$(python3 -c '
import sys
ahead = sys.argv[1][min(int(sys.argv[2]), 12):]
print(len(ahead)); print(ahead, end="")' "$shown" "$typed")
  ahead=$(tail -n +2 <<<"$rest")
  if [ -z "$ahead" ]; then sleep 0.1; continue; fi
  xdotool type --delay 20 -- "$ahead"
  typed=$((typed + $(head -n 1 <<<"$rest")))
  # The probe catches up with the last key before the next window is read.
  wait_for 3 passage_moved "$shown" || true
done
shot rocket-race-game-over overCard/replayButton
stop

play copyCat copy-cat '' shownKey
lose_copy_cat
shot copy-cat-game-over overCard/replayButton
stop

# A game the tour has no steps for yet still shows its start card and a moment of play.
for kind in $(game_ids); do
  case $kind in
  letterDrop | wordMeteors | keyMoles | rocketRace | copyCat) ;;
  *)
    play "$kind" "$kind" '' hud
    stop
    ;;
  esac
done

# --- Each explorer's own look, as the grown-ups' corner sets it: Leo's dashboard and lesson in
# each setting, and at the smallest window the largest text.
look() { # title, Leo's settings as the save file holds them
  python3 - "$save" "$2" <<'PY'
import json, sys
path = sys.argv[1]
data = json.load(open(path, encoding="utf-8"))
for profile in data["profiles"]:
    if profile["name"] == "Leo":
        profile["comfort"] = json.loads(sys.argv[2])
json.dump(data, open(path, "w", encoding="utf-8"), ensure_ascii=False)
PY
  start
  shot "look-$1-home" continueButton
  start_next_lesson
  xdotool type --delay 60 "fj"
  shot "look-$1-lesson"
  stop
}
look andika '{"readingFont":"andika"}'
look opendyslexic '{"readingFont":"openDyslexic"}'
look large-text '{"textSize":"large"}'
look larger-text '{"textSize":"larger"}'
start
xdotool windowsize "$window" 1080 720
shot look-larger-text-smallest-window continueButton
stop
look safe-colours '{"safeColours":true}'
look high-contrast '{"highContrast":true}'
look calm-and-gentle '{"calmMotion":true,"gentleGames":true}'
play letterDrop letter-drop-gentle '' hud
stop
look usual '{}'

# --- Other keyboards: Leo types on a German, a French and a Dvorak keyboard, set on the X
# server as on his computer, and his next lesson shows it (TAPALONG_LAYOUT).
keyboard_lesson() { # layout as the program names it, setxkbmap's arguments, title
  local xkb=$2 title=$3
  export TAPALONG_LAYOUT=$1
  # shellcheck disable=SC2086 # a layout and its variant
  setxkbmap $xkb
  start
  start_next_lesson
  shot "lesson-$title"
  stop
  unset TAPALONG_LAYOUT
}
keyboard_lesson de de german
keyboard_lesson fr fr french
keyboard_lesson 'us(dvorak)' '-layout us -variant dvorak' dvorak
setxkbmap "$keyboard"

# --- A refused save: a file where the save folder belongs makes every write fail (for root
# too), so the explorer made here brings up the notice at the foot of the window. Keys only.
XDG_DATA_HOME=$home/refused
mkdir -p "$XDG_DATA_HOME"
: >"$XDG_DATA_HOME/Tapalong"
start
xdotool key Tab Return
sleep 0.6
xdotool type --delay 40 'Noa'
xdotool key Return
shot save-notice saveNotice
stop
XDG_DATA_HOME=$home/data

echo "$number screenshots in $out"
if [ -s "$out/screen-check.txt" ]; then
  echo "What a child could not read as meant ($out/screen-check.txt):" >&2
  cat "$out/screen-check.txt" >&2
  exit 1
fi
