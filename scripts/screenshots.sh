#!/usr/bin/env bash
# A screenshot tour of the whole program: every screen and card as one numbered PNG, taken
# under a throwaway X server and home folder, into ./screenshots/ (or the folder given).
#   scripts/screenshots.sh [path/to/tapalong] [out-folder]
#
# Buttons that take no keyboard focus are clicked where they sit in the default 1180 × 780
# window, which stands at 0,0 without a window manager. The tour takes about two minutes.
set -euo pipefail

program=$(realpath "${1:-build/run/src/app/tapalong}")
out=$(realpath -m "${2:-$PWD/screenshots}")
here=$(dirname "$(realpath "$0")")

if [ -z "${TAPALONG_SHOTS_INNER:-}" ]; then
  export TAPALONG_SHOTS_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "$program" "$out"
fi

# A throwaway home, `start_program` and `save`.
# shellcheck source=SCRIPTDIR/../tests/system-common.sh
. "$here/../tests/system-common.sh"
mkdir -p "$out"
rm -f "$out"/[0-9][0-9]-*.png
number=0

start() {
  start_program
  sleep 0.5
}

stop() {
  xdotool key ctrl+q
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
  wait "$pid" || true
  pid=""
}

# Lets fades (0.25 s) and the first frames settle before a picture is taken.
shot() {
  sleep "${2:-0.6}"
  number=$((number + 1))
  local file
  file=$(printf '%s/%02d-%s.png' "$out" "$number" "$1")
  import -window "$window" "$file"
  echo "$file"
}

click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
}

# The top bar's tabs and the games hub's cards.
tab_home() { click 634 37; }
tab_learn() { click 740 37; }
tab_games() { click 850 37; }
tab_champions() { click 980 37; }
profile_menu() { click 1110 42; }
declare -A card=([letterDrop]="216 414" [wordMeteors]="590 414" [rocketRace]="963 414"
  [keyMoles]="216 734" [copyCat]="590 734")

# The dashboard's "Start  ▶", found by its colour below the top bar; the known spot otherwise.
click_start() {
  local at
  at=$(import -window "$window" -depth 8 ppm:- | python3 "$here/../tests/app/system/find_button.py" 80) ||
    at="1058 278"
  # shellcheck disable=SC2086 # x and y
  click $at
}

# Copy Cat ends after three wrong keys: after the parrot has shown its pattern, each of z, q
# and x is wrong. Returns once the game is in the save file.
copy_cats() {
  python3 -c 'import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
print(sum(g["kind"] == "copyCat" for p in data["profiles"] for g in p["gameScores"]))' "$save"
}
lose_copy_cat() {
  local before
  before=$(copy_cats)
  for _ in $(seq 20); do
    xdotool key --delay 300 z q x
    sleep 0.5
    [ "$(copy_cats)" -eq "$before" ] || break
  done
}

# The drill lines of the first lesson as xdotool key lists, one line each.
"$program" --print-course 2>/dev/null | python3 -c '
import json, sys
lesson = json.load(sys.stdin)[0]["lessons"][0]
for line in lesson["drills"]:
    print(" ".join({" ": "space"}.get(c, c) for c in line))' >"$home/keys"

# --- First start: picker, sheet, new dashboard, menu, tabs, the first lesson, a bonus round.
start
shot picker-first-start
xdotool key Tab Return
shot creation-sheet
xdotool type --delay 40 'Mia'
click 437 352 # the panda
shot creation-sheet-filled
xdotool key Return
shot home-new
profile_menu
shot profile-menu-open
xdotool key Escape
click 600 700
tab_learn
shot learn-map-new
tab_champions
shot champions-empty
tab_home
sleep 0.6
click_start
shot lesson-tutorial 1
xdotool key Escape
sleep 0.4
# shellcheck disable=SC2046 # one word per key
xdotool key --delay 40 $(sed -n 1p "$home/keys")
# shellcheck disable=SC2046
xdotool key --delay 40 $(sed -n 2p "$home/keys" | cut -d' ' -f1-15)
shot lesson-mid-line 0.3
xdotool key Escape
shot lesson-paused
xdotool key Escape
sleep 0.4
# shellcheck disable=SC2046
xdotool key --delay 40 $(sed -n 2p "$home/keys" | cut -d' ' -f16-)
tail -n +3 "$home/keys" | while read -r keys; do
  # shellcheck disable=SC2086
  xdotool key --delay 40 $keys
done
shot lesson-results 2
click 737 577 # the results card's Copy Cat bonus button
shot bonus-round-start 1
xdotool key space
lose_copy_cat
shot bonus-game-over 1
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
data["profiles"] += [badges(p) for p in [
    profile("Leo", "🦖", {"u1l1": (3, 12.5, 98), "u1l2": (2, 9.4, 94), "u1l3": (3, 14.0, 97),
                         "u1l4": (1, 6.2, 88)},
            [("letterDrop", 120), ("keyMoles", 240), ("copyCat", 60)], 1234, 3),
    profile("Anna-Sophie", "🦄", {"u1l1": (3, 21.5, 99)}, [("letterDrop", 310)], 420, 1),
    profile("Sam", "🐙", {}, [], 0, 0),
]]
data.pop("currentProfileID", None)
json.dump(data, open(path, "w", encoding="utf-8"), ensure_ascii=False)
PY
start
shot picker-household
xdotool mousemove --window "$window" 370 580 click 3 # Sam's card
shot picker-remove-menu 0.4
xdotool key Down Return
shot picker-remove-confirm
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
shot home-progress
tab_learn
shot learn-map-progress
tab_games
shot games-hub
tab_champions
shot champions-stars
click 174 153 # the Letter Drop board
shot champions-letter-drop
stop

# --- Each game from the hub: its start card, then the playfield a moment into play.
play() { # kind, title for the file names, what to type
  start
  tab_games
  sleep 0.6
  # shellcheck disable=SC2086 # x and y
  click ${card[$1]}
  shot "$2-start"
  xdotool key space
  sleep 4 # long enough for the first letters, words or moles to show
  if [ -n "$3" ]; then xdotool type --delay 40 "$3"; fi
  shot "$2-playing" 0.3
}

play letterDrop letter-drop ''
xdotool key Escape
shot letter-drop-paused
stop

play wordMeteors word-meteors ''
stop

play keyMoles key-moles 'fjdksla'
stop

play rocketRace rocket-race 'the '
# The alphabet over and over wins the race; its one space comes first, so no replay starts
# once the last letter of the passage is typed.
raced() { grep -q '"kind":"rocketRace"' "$save"; }
for _ in $(seq 150); do
  xdotool type --delay 4 " abcdefghijklmnopqrstuvwxyz"
  if raced; then break; fi
done
shot rocket-race-game-over 1
stop

start
tab_games
sleep 0.6
# shellcheck disable=SC2086
click ${card[copyCat]}
shot copy-cat-start
xdotool key space
shot copy-cat-playing 1.5
lose_copy_cat
shot copy-cat-game-over 1
stop

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
shot save-notice 1
stop
XDG_DATA_HOME=$home/data

echo "$number screenshots in $out"
