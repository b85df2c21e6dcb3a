#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The first lesson in German, on a desktop whose LANGUAGE is German: from the picker through the
# tutorial and every drill line to the results card, each step showing German text from the
# catalogue; the save file then holds the result and no language of its own (the desktop's is
# followed until a grown-up chooses).
#   xvfb-run -a lesson_de.sh path/to/tapalong path/to/tapalong_de.ts
set -euo pipefail

program=${1:?usage: lesson_de.sh path/to/tapalong path/to/tapalong_de.ts}
catalogue=${2:?usage: lesson_de.sh path/to/tapalong path/to/tapalong_de.ts}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"
export LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL=

# The German the screens must show, as the catalogue has it: the part of a text before its
# first placeholder.
german() {
  python3 - "$catalogue" "$1" <<'PY'
import sys, xml.etree.ElementTree as ET
for message in ET.parse(sys.argv[1]).getroot().iter("message"):
    if message.findtext("source") == sys.argv[2]:
        print(message.findtext("translation").split("%")[0].split("\n")[0])
        break
else:
    sys.exit(f"no {sys.argv[2]!r} in the catalogue")
PY
}
start_text=$(german "Start  ▶")
welcome=$(german $'Welcome to %1!\nToday your fingers learn %2.')
next_text="$(german "Next: %1  ▶")$(german "D and K")"

"$program" --print-course --language de >"$home/course.json" || fail "--print-course failed"
python3 - "$home/course.json" >"$home/keys" <<'PY' || fail "no lesson u1l1"
import json, sys
lesson = next(l for u in json.load(open(sys.argv[1], encoding="utf-8"))
              for l in u["lessons"] if l["id"] == "u1l1")
for line in lesson["drills"]:
    print(" ".join({" ": "space"}.get(c, c) for c in line))
PY

start_program
new_explorer Mia
await continueButton --containing "$start_text"
click_on continueButton
await tutorial/stepText --containing "$welcome"
xdotool key Escape
await_gone tutorial

while read -r keys; do
  # shellcheck disable=SC2086 # one word per key
  xdotool key --delay 60 $keys
done <"$home/keys"

await nextButton --containing "$next_text" --timeout 15

has_result() {
  python3 - "$save" <<'PY'
import json, sys
data = json.load(open(sys.argv[1], encoding="utf-8"))
profile = next(p for p in data["profiles"] if p["id"] == data["currentProfileID"])
sys.exit(0 if profile["lessonResults"].get("u1l1", {}).get("stars") == 3
         and "language" not in data["settings"] else 1)
PY
}
wait_for 10 has_result || fail "no three-star result for u1l1, or a language saved unasked"
quit_program

echo "PASS: Meet F and J in German, from the picker to the results card"
