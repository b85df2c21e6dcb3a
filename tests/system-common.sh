# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# shellcheck shell=bash
# Shared by the system tests, which drive the real program on the X server xvfb-run provides.
# Sourcing it gives a throwaway home (removed on exit, with the program stopped), `fail`,
# `wait_for`, `start_program`, `quit_program` and `end_with_sigterm` for the program in
# $program, `save`, the path of the save file, and `click_on`, `await`, `await_gone` and
# `scroll_to`, which find the program's controls by name through its UI probe
# (tests/ui_probe.py) instead of by coordinates.
home=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap cleanup EXIT

# Prints the program's output with the reason, so a failure in CI explains itself.
fail() {
  echo "FAIL: $*" >&2
  echo "--- program output:" >&2
  cat "$home/log" >&2 || true
  exit 1
}

# Polls a command every 0.1 s for at most $1 seconds.
wait_for() {
  local seconds=$1
  shift
  for ((i = 0; i < seconds * 10; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  return 1
}

# Runs a check every 0.1 s for at most $1 seconds while it answers 1 (not yet there); ends with
# its last status: 0 when it held, 2 (or any other) when it looked and found something wrong.
settle() {
  local seconds=$1 status=1
  shift
  for ((i = 0; i < seconds * 10; i++)); do
    status=0
    "$@" || status=$?
    [ "$status" -eq 1 ] || break
    sleep 0.1
  done
  return "$status"
}

export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
export XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime
# ctest runs everything else offscreen; these need the X server.
export QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# A speech-dispatcher started for the program would outlive the test, and with no sound server
# it never answers, which holds up the program's quit in Qt's speech engine: the narrator
# speaks through flite instead.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
echo DisableAutoSpawn >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
save=$XDG_DATA_HOME/Tapalong/tapalong.json
# The program writes where its named controls are to this file (src/app/uiprobe.h).
export TAPALONG_UI_PROBE=$home/ui.json
ui_probe=$(dirname "${BASH_SOURCE[0]}")/ui_probe.py

# Starts $program with its output in $home/log and waits until its window has the keyboard;
# sets $pid and $window.
start_program() {
  rm -f "$TAPALONG_UI_PROBE" # the last run's
  "$program" >>"$home/log" 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tapalong$' | head -n 1) ||
    fail "no Tapalong window within 20 s"
  [ -n "$window" ] || fail "no Tapalong window"
  timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard"
}

program_ended() { ! kill -0 "$pid" 2>/dev/null; }

# Ctrl+Q, after which the program must end within 10 s, with status 0.
quit_program() {
  xdotool key ctrl+q
  wait_for 10 program_ended || fail "Ctrl+Q did not quit within 10 s"
  local status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "the program exited with status $status"
}

# Waits until the control named $1 is ready (see tests/ui_probe.py; further arguments are its
# options), then clicks its centre, with the mouse button $button (1 unless set).
click_on() {
  local at x y
  at=$(python3 "$ui_probe" wait "$@") || fail "nothing named \"$1\" to click"
  read -r x y <<<"$at"
  xdotool mousemove --window "$window" "$x" "$y" click "${button:-1}"
}

# Waits until the control named $1 is ready and in the state the further arguments name
# (--text T, --containing PART, --selected, --lit, --focus, --timeout S); fails the test
# otherwise.
await() {
  python3 "$ui_probe" wait "$@" >/dev/null || fail "\"$1\" never showed ready (${*:2})"
}

# Waits until nothing named $1 shows.
await_gone() {
  python3 "$ui_probe" gone "$@" || fail "\"$1\" did not go away"
}

# The grown-ups' page is taller than the window: "More below" pages down, as a grown-up would,
# until the control named $1 shows.
scroll_to() {
  local page
  for ((page = 0; page < 10; page++)); do
    python3 "$ui_probe" wait "$1" --timeout 1 >/dev/null 2>&1 && return 0
    click_on grownupsMoreBelow
  done
  await "$1"
}

# Makes an explorer named $1 on the picker from the keyboard, as a child would: Tab until the
# "New Explorer" card has the focus, Return, the name, Return.
new_explorer() {
  await newExplorer
  local tabs
  for ((tabs = 0; tabs < 10; tabs++)); do
    xdotool key Tab
    if python3 "$ui_probe" wait newExplorer --focus --timeout 2 >/dev/null 2>&1; then break; fi
  done
  await newExplorer --focus
  xdotool key Return
  await nameField --focus
  xdotool type --delay 30 "$1"
  xdotool key Return
}

# Clicks "Start  ▶" on the dashboard and ends the next lesson's tutorial, if it has one.
start_next_lesson() {
  click_on continueButton
  await drillLabel
  python3 "$ui_probe" still || true
  if python3 "$ui_probe" list tutorial/nextButton | grep -q .; then
    xdotool key Escape
    await_gone tutorial
  fi
}

# From the dashboard through the profile menu and the sum at the gate, the answer typed as a
# grown-up would, into the grown-ups' view.
open_grownups() {
  click_on profileChip
  click_on grownups
  local question answer
  question=$(python3 "$ui_probe" list gateQuestion | cut -f3)
  [ -n "$question" ] || fail "no sum at the gate"
  answer=$(python3 -c 'import sys; a, b = sys.argv[1][8:-1].split(" + "); print(int(a) + int(b))' "$question")
  await gateAnswer --focus
  xdotool type --delay 30 "$answer"
  xdotool key Return
  await grownupsSummary
}

# Back up to the top of the grown-ups' page with the mouse wheel, where "Done" is, and out.
close_grownups() {
  local wheel
  for ((wheel = 0; wheel < 40; wheel++)); do
    python3 "$ui_probe" wait grownupsClose --timeout 0.3 >/dev/null 2>&1 && break
    button=4 click_on grownupsProgress
  done
  click_on grownupsClose
  await_gone grownupsScreen
}

# SIGTERM, what a logout sends, after which the program must end within 10 s with status 0,
# leave no lock beside the save file and nothing on its standard error that speaks of a crash.
end_with_sigterm() {
  kill -TERM "$pid"
  wait_for 10 program_ended || fail "SIGTERM did not end the program within 10 s"
  local status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "SIGTERM ended the program with status $status"
  [ ! -e "$(dirname "$save")/tapalong.lock" ] || fail "the lock file was left behind"
  if grep -nE 'Segmentation|crash|TypeError' "$home/log" >&2; then fail "trouble on standard error"; fi
}

# The games' ids, one a line, in the order of the game table (src/records/gamefacts.h), so a
# script that plays every game plays a new one too.
game_ids() {
  sed -n 's/^ *{GameKind::[A-Za-z]*, u"\([A-Za-z]*\)".*/\1/p' \
    "$(dirname "${BASH_SOURCE[0]}")/../src/records/gamefacts.h"
}
