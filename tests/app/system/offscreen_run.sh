#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# On Qt's offscreen platform, which has no display at all: the program starts on a seeded
# household, shows its main view, runs a few seconds (its sky, its clock, its deferred set-up)
# and ends with SIGTERM. It must end with status 0, leave no lock, and leave the household as
# it found it, with nothing on its standard error about a crash.
#   offscreen_run.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: offscreen_run.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"
export QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$(dirname "$save")"
cat >"$save" <<'JSON'
{"profiles":[{"id":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","name":"Mia","avatar":"🦊","createdAt":700000000,"lessonResults":{"u1l1":{"stars":3,"wpm":12.5,"accuracy":97.5,"date":700000500}},"gameScores":[{"id":"9C3B2A10-4D5E-4F60-8A7B-0C1D2E3F4A5B","kind":"letterDrop","score":120,"date":700000900}],"badges":{"first_lesson":700000500},"totalCorrectKeys":240,"streak":1,"keyStats":{"f":{"right":30,"wrong":2},"j":{"right":28,"wrong":0}}},{"id":"0B7E4D52-3C1A-4F8E-A6D9-2E5B8C1F7A34","name":"Leo","avatar":"🐢","createdAt":700001000,"lessonResults":{},"gameScores":[],"badges":{},"totalCorrectKeys":0,"streak":0}],"currentProfileID":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","settings":{"soundEnabled":false,"voiceEnabled":false}}
JSON
cp "$save" "$home/seed.json"

"$program" >>"$home/log" 2>&1 &
pid=$!
await mainView --timeout 20
# The time the program runs is what is tested here, not a state to wait for: whatever starts
# after the first screen (sound, speech, the sky's twinkle) has had its turn by then.
sleep 3
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"

end_with_sigterm

python3 - "$home/seed.json" "$save" <<'PY' || fail "the household changed"
import json, sys
seed = json.load(open(sys.argv[1], encoding="utf-8"))
saved = json.load(open(sys.argv[2], encoding="utf-8"))
assert saved["currentProfileID"] == seed["currentProfileID"]
assert saved["settings"] == seed["settings"], saved["settings"]
assert len(saved["profiles"]) == len(seed["profiles"])
for before, after in zip(seed["profiles"], saved["profiles"]):
    for key, value in before.items():
        assert after.get(key) == value, (before["name"], key, value, after.get(key))
PY
echo "PASS: offscreen, from start to SIGTERM, the household intact"
