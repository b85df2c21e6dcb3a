#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Prints how evenly frames come while a Rocket Race is typed and while Copy Cat's parrot shows
# its patterns, under a throwaway X server (bench/moving_frames.cpp): frames a second, the
# gaps between frames while the playfield moves, and each frame's cost from its animations to
# its swap. Once with the software renderer Tapalong uses by default and once, for comparison,
# with OpenGL (Mesa's software rasteriser under Xvfb);
# TAPALONG_MEASURE_BACKENDS="software" measures only the default.
#   scripts/measure-game-frames.sh [path/to/bench_moving_frames] [SECONDS]
set -euo pipefail

bench=$(realpath "${1:-build/test/bench/bench_moving_frames}")
seconds=${2:-10}

if [ -z "${TAPALONG_MEASURE_INNER:-}" ]; then
  export TAPALONG_MEASURE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "$bench" "$seconds"
fi

export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
for backend in ${TAPALONG_MEASURE_BACKENDS:-software opengl}; do
  echo "$backend:"
  unset QT_QUICK_BACKEND QSG_RHI_BACKEND
  if [ "$backend" = opengl ]; then export QSG_RHI_BACKEND=opengl; fi
  for game in rocketRace copyCat; do
    printf '  '
    "$bench" --game "$game" --seconds "$seconds" 2>/dev/null
  done
done
