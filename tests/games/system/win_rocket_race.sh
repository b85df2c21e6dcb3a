#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Starts the real program with a throwaway home on the X server that xvfb-run provides, opens
# Rocket Race from the games tab, types its passage to the line and checks that the save file
# holds the race with its speed.
#   xvfb-run -a win_rocket_race.sh path/to/tapalong
#
# The passage is drawn at random and cannot be read from outside, so the script types every
# letter and the space in turn, over and over: each round of 27 keys moves the rocket on at
# least once, and wrong keys only lower the accuracy.
set -euo pipefail

program=${1:?usage: win_rocket_race.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

# Mia, chosen, with nothing played yet; silent, so that hundreds of wrong keys make no noise.
mkdir -p "$(dirname "$save")"
cat >"$save" <<'JSON'
{"profiles":[{"id":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","name":"Mia","avatar":"🦊","createdAt":700000000,"lessonResults":{},"gameScores":[],"badges":{},"totalCorrectKeys":0,"streak":0}],"currentProfileID":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","settings":{"soundEnabled":false,"voiceEnabled":false}}
JSON

start_program

# The Games tab in the top bar, then the Rocket Race card; space starts once its start card
# is up.
click_on "tab Games"
click_on "game rocketRace"
await startCard/startButton
xdotool key space
await_gone startCard

raced() { grep -q '"kind":"rocketRace"' "$save"; }
# The game-over card as soon as the probe lists it (it lists only what is visible). The save
# file alone can lag behind the race on a busy machine, as the writer syncs it to disk, and
# the next round's space would then start a second race.
over() { grep -q overCard "$TAPALONG_UI_PROBE" 2>/dev/null || raced; }

# The space leads each round: the round that types the last letter then ends with letters
# only, which the game-over card ignores, instead of starting the next race.
round=" abcdefghijklmnopqrstuvwxyz"
started=$EPOCHREALTIME
for ((i = 0; i < 150; i++)); do
  xdotool type --delay 4 "$round"
  if over; then break; fi
done
wait_for 10 raced || fail "no Rocket Race in the save file: is it reachable from the games tab?"

python3 - "$save" "$started" <<'PY' || fail "the recorded race does not add up"
import json, sys, time
seconds = time.time() - float(sys.argv[2])
profile = json.load(open(sys.argv[1], encoding="utf-8"))["profiles"][0]
races = [g for g in profile["gameScores"] if g["kind"] == "rocketRace"]
assert len(races) == 1, races
race = races[0]
wpm, score = race.get("wpm", 0), race["score"]
assert wpm > 0, race
# The score is the rounded speed times ten plus the bonus of the place.
bonus = score - int(wpm + 0.5) * 10
place = {200: 1, 100: 2, 50: 3, 0: 4}[bonus]
# Every correct key of the race: the whole passage of three phrases.
keys = profile["totalCorrectKeys"]
assert 90 <= keys <= 140, keys
print(f"PASS: typed {keys} characters in {seconds:.1f} s; place {place}, "
      f"{wpm:.1f} wpm, score {score}")
PY

await overCard
quit_program
