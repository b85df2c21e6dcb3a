#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# A change the disk refused, then the session ends: the real program makes an explorer while a
# file stands where its save folder belongs, the folder comes back, and SIGTERM (what a logout
# sends) must end it cleanly with the explorer on disk.
#   xvfb-run -a logout.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: logout.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

folder=$(dirname "$save")
mkdir -p "$(dirname "$folder")"
: >"$folder" # every write fails, for root too
start_program

xdotool key Tab Return
xdotool type --delay 30 'Noa'
xdotool key Return
refused() { grep -q "Could not save" "$home/log"; }
wait_for 10 refused || fail "the save was not refused"

rm "$folder"
mkdir -p -m 700 "$folder" # unless a retry made it first
kill -TERM "$pid"
wait_for 10 program_ended || fail "SIGTERM did not end the program within 10 s"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status, not through its quit"

python3 - "$save" <<'PY' || fail "the explorer made while saving failed is not in the file"
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
sys.exit(0 if [p["name"] for p in data["profiles"]] == ["Noa"] else 1)
PY
