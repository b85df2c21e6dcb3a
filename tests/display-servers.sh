# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# shellcheck shell=bash disable=SC2154 # $home and the rest come from system-common.sh
# For system tests that start their own display servers, after tests/system-common.sh:
# `start_xvfb` (an X server on a free display, which the test may also kill) and
# `start_weston` (a Wayland compositor inside it, on a socket in the test's own runtime folder).
# Both are stopped when the test ends, whatever way it ends; the program first.
xvfb_pid=""
weston_pid=""
stop_display_servers() {
  cleanup
  local server
  for server in "$weston_pid" "$xvfb_pid"; do
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
  done
  for server in "$weston_pid" "$xvfb_pid"; do
    if [ -n "$server" ]; then wait "$server" 2>/dev/null || true; fi
  done
}
trap stop_display_servers EXIT

display_number=$home/display-number
has_display_number() { [ -s "$display_number" ]; }
weston_ready() { [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; }

# Xvfb picks a display nobody uses and writes its number to the descriptor it is given, so
# tests running side by side never meet. Sets DISPLAY and $xvfb_pid.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$display_number" \
    >>"$home/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_for 20 has_display_number || fail "Xvfb did not start within 20 s"
  DISPLAY=:$(tr -d '[:space:]' <"$display_number")
  export DISPLAY
  unset WAYLAND_DISPLAY
}

# Weston draws its one output into a window of the X server; its kiosk shell shows the
# program full-output at the top left, so the probe's window coordinates are that window's.
# Sets WAYLAND_DISPLAY, $weston_pid and $weston_window (the X window keys go to).
start_weston() {
  export WAYLAND_DISPLAY=tapalong-test-$$
  weston --backend=x11-backend.so --use-pixman --shell=kiosk-shell.so --idle-time=0 \
    --socket="$WAYLAND_DISPLAY" --width=1280 --height=800 >>"$home/weston.log" 2>&1 &
  weston_pid=$!
  wait_for 20 weston_ready || {
    cat "$home/weston.log" >&2
    fail "Weston did not start within 20 s"
  }
  # shellcheck disable=SC2034 # for the test that sources this
  weston_window=$(timeout 10 xdotool search --sync --class '^Weston Compositor$' | head -n 1) ||
    fail "no Weston window"
}
