#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Prints how evenly a game's frames come under a throwaway X server: a game screen plays by
# itself (Letter Drop by default) for 75 s of game time, well past its top speed, then lets the
# letters splash and ends on a new high score with confetti. Once with the software renderer
# Tapalong uses by default and once, for comparison, with OpenGL (Mesa's software rasteriser
# when there is no GPU, as under Xvfb). Also prints how many game ticks came per second.
#   scripts/measure-frames.sh [path/to/bench_game_frames] [game]
set -euo pipefail

harness=$(realpath "${1:-build/run/bench/bench_game_frames}")
game=${2:-letterDrop}

if [ -z "${TAPALONG_MEASURE_INNER:-}" ]; then
  export TAPALONG_MEASURE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "$harness" "$game"
fi

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
export XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset QT_QUICK_BACKEND QSG_RHI_BACKEND

echo "== software renderer (the default)"
"$harness" --game "$game" 2>/dev/null
echo "== OpenGL"
QSG_RHI_BACKEND=opengl "$harness" --game "$game" 2>/dev/null
