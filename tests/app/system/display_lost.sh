#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The X server goes away while the save notice shows: an explorer is made while a file stands
# where the save folder belongs (every write fails, for root too), the notice comes up, the
# folder comes back, and the X server is killed before the next try. Qt ends the program with
# status 1 then; it must not crash on the way out, and the explorer must be on disk.
#   display_lost.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: display_lost.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"
# shellcheck source=SCRIPTDIR/../../display-servers.sh
. "$(dirname "$(realpath "$0")")/../../display-servers.sh"

folder=$(dirname "$save")
mkdir -p "$(dirname "$folder")"
: >"$folder"
start_xvfb
start_program

new_explorer Noa
await saveNotice/saveNoticeText --containing "cannot save"

rm "$folder"
mkdir -p -m 700 "$folder" # unless a retry made it first
kill -KILL "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""

wait_for 10 program_ended || fail "the program outlived its display by 10 s"
status=0
wait "$pid" || status=$?
pid=""
if grep -nE 'Segmentation|crash|TypeError' "$home/log" >&2; then fail "trouble on standard error"; fi
[ "$status" -eq 1 ] || fail "the program ended with status $status, not Qt's 1 for a lost display"

python3 - "$save" <<'PY' || fail "the explorer made while saving failed is not in the file"
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
sys.exit(0 if [p["name"] for p in data["profiles"]] == ["Noa"] else 1)
PY
echo "PASS: the display went away while the save notice showed; nothing crashed, nothing was lost"
