#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The grown-ups' view and tricky-key practice end to end in the real program: an explorer who
# has finished "D and K" types "Meet F and J" pressing H before every J; the grown-ups' view,
# behind its sum, then names J as the trickiest key and shows one point on the speed chart;
# a copy of the household is saved through the file dialog as a grown-up would (a folder
# highlighted, a name typed, Return); the dashboard offers tricky-key practice on J, and it
# starts.
#   xvfb-run -a grownups.sh path/to/tapalong
set -euo pipefail

program=${1:?usage: grownups.sh path/to/tapalong}

# shellcheck source=SCRIPTDIR/../../system-common.sh
. "$(dirname "$(realpath "$0")")/../../system-common.sh"

# Mia has finished "D and K", with D and K typed well; F and J come from the lesson below.
mkdir -p "$(dirname "$save")"
cat >"$save" <<'JSON'
{"profiles":[{"id":"0F8FAD5B-D9CB-469F-A165-70867728950E","name":"Mia","avatar":"🦊","createdAt":700000000,"lessonResults":{"u1l2":{"stars":2,"wpm":9,"accuracy":92,"date":700000000}},"gameScores":[],"badges":{},"totalCorrectKeys":60,"streak":1,"lastActiveDay":700000000,"keyStats":{"d":{"right":30,"wrong":0},"k":{"right":30,"wrong":0}}}],"currentProfileID":"0F8FAD5B-D9CB-469F-A165-70867728950E","settings":{"soundEnabled":false,"voiceEnabled":false}}
JSON

"$program" --print-course >"$home/course.json" || fail "--print-course failed"
python3 - "$home/course.json" "$home" <<'PY' || fail "no lesson u1l1 with enough F and J"
import json, sys
course, out = json.load(open(sys.argv[1], encoding="utf-8")), sys.argv[2]
lesson = next(l for u in course for l in u["lessons"] if l["id"] == "u1l1")
text = "".join(lesson["drills"])
# Enough presses of both for tricky-key practice to judge them.
assert text.count("f") >= 20 and text.count("j") >= 20
name = lambda c: {" ": "space"}.get(c, c)
lines = [" ".join(("h " if c == "j" else "") + name(c) for c in line) for line in lesson["drills"]]
open(out + "/keys", "w").write("\n".join(lines) + "\n")
PY

start_program
click_on continueButton
await tutorial/nextButton
xdotool key Escape
await_gone tutorial
while read -r keys; do
  # shellcheck disable=SC2086 # one word per key
  xdotool key --delay 40 $keys
done <"$home/keys"
await results/backButton

recorded() {
  python3 - "$save" <<'PY'
import json, sys
profile = json.load(open(sys.argv[1], encoding="utf-8"))["profiles"][0]
history = profile.get("history", [])
sys.exit(0 if len(history) == 1 and history[0]["lesson"] == "u1l1"
         and profile["keyStats"]["j"]["typedInstead"]["h"] >= 20 else 1)
PY
}
wait_for 10 recorded || fail "the lesson and its mistakes on J are not in the save file"
click_on results/backButton

# The profile menu leads to the sum; the answer is typed as a grown-up would.
open_grownups
python3 "$ui_probe" wait speedPoint --count 1 >/dev/null || fail "no point on the speed chart"
points=$(python3 "$ui_probe" list speedPoint | wc -l)
[ "$points" -eq 1 ] || fail "$points points on the speed chart, expected 1"
scroll_to trickyText
tricky=$(python3 "$ui_probe" list trickyText | cut -f3)
[[ $tricky == "Trickiest keys: J ("*"often H)" ]] || fail "the view did not name J: \"$tricky\""

# Save a copy: the dialog opens in Documents; a folder is highlighted, a name typed over the
# offered one, Return.
mkdir -p "$HOME/Documents/School"
scroll_to saveCopyButton
click_on saveCopyButton
await saveDialogName --focus
click_on "saveDialogFolder School"
xdotool type --delay 30 "mia-backup"
xdotool key Return
await_gone saveDialogName
copy=$HOME/Documents/mia-backup.json
wait_for 5 test -s "$copy" || fail "no copy at $copy: $(ls -R "$HOME/Documents")"
python3 - "$copy" <<'PY' || fail "the copy is not the household"
import json, sys
household = json.load(open(sys.argv[1], encoding="utf-8"))
sys.exit(0 if [p["name"] for p in household["profiles"]] == ["Mia"] else 1)
PY
message=$(python3 "$ui_probe" list backupMessage | cut -f3)
[[ $message == "Saved a copy: "* ]] || fail "the view said \"$message\" after saving"

close_grownups

# The dashboard now offers practice on J first, and it starts without a tutorial.
description=$(python3 "$ui_probe" list trickyKeysDescription | cut -f3)
[[ $description == "A quick drill on J, "* ]] || fail "the practice card does not lead with J: \"$description\""
click_on trickyKeysButton
await drillLabel --text "Drill 1 of 4"
python3 "$ui_probe" wait 'keyboard/key:J' --lit >/dev/null || fail "the drill does not start on a tricky key"

quit_program
echo "PASS: J named in the grown-ups' view, one speed point, a copy saved through the dialog, tricky-key practice on J"
