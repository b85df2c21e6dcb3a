#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Starts the real program with a throwaway home on the X server that xvfb-run provides, makes
# an explorer, opens Letter Drop from the games tab, catches letters for a few seconds, lets
# three splash, and checks that the save file holds that one game with its score and keys;
# then leaves the game with Escape and quits with Ctrl+Q.
#   xvfb-run -a letter_drop.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: letter_drop.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

# Exits 0 when the save file's only explorer has exactly $1 Letter Drop games, each with points
# and the keys caught counted.
has_games() {
  python3 - "$save" "$1" <<'PY' 2>/dev/null
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
profile = data["profiles"][0]
games = [g for g in profile["gameScores"] if g["kind"] == "letterDrop"]
ok = (len(games) == int(sys.argv[2]) and all(g["score"] > 0 for g in games)
      and profile["totalCorrectKeys"] > 0 and len(profile["gameScores"]) == len(games))
sys.exit(0 if ok else 1)
PY
}

start_program

# The first explorer, from the keyboard as a child would make her.
new_explorer Mia
wait_for 10 test -s "$save" || fail "no explorer was saved"

# The Games tab in the top bar, then Letter Drop's card in the hub.
click_on "tab Games"
click_on "game letterDrop"

# Return starts; the home-row letters typed over and over catch whatever falls meanwhile, and
# a letter that is not on screen costs nothing.
await startCard/startButton
xdotool key Return
await_gone startCard
for _ in 1 2 3 4 5 6 7 8 9 10; do xdotool type --delay 70 'asdfjkl'; done

# Left alone, three letters splash within about half a minute and the game is recorded.
wait_for 60 has_games 1 || fail "no Letter Drop game with points was recorded"
await overCard/replayButton

# Escape leaves the game-over card for the main view; Ctrl+Q then quits cleanly. A game
# recorded twice would show by then.
xdotool key Escape
await "tab Home" --selected
quit_program
has_games 1 || fail "the finished game was recorded more than once, or changed on the way out"

echo "PASS: Letter Drop was played from the games tab and recorded once"
