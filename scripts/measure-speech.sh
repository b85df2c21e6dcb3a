#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Prints how long a key that asks for speech takes to reach the speech engine, under a
# throwaway X server and home folder: the first lesson's tutorial is stepped through with the
# space bar, a few rounds, in the household's language given (en, de, fr, es). For each key the program (TAPALONG_TRACE_KEYS=1) reports when the X key press reached
# it and when the engine was handed the line: flite on this thread for English, 20 ms late by
# design; speech-dispatcher on its own thread for the others.
#   scripts/measure-speech.sh [path/to/tapalong] [LANGUAGE] [rounds]
set -euo pipefail

program=$(realpath "${1:-build/run/src/app/tapalong}")
language=${2:-de}
rounds=${3:-5}

if [ -z "${TAPALONG_MEASURE_INNER:-}" ]; then
  export TAPALONG_MEASURE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "$program" "$language" "$rounds"
fi

# shellcheck source=SCRIPTDIR/../tests/system-common.sh
. "$(dirname "$(realpath "$0")")/../tests/system-common.sh"
# The system tests keep speech-dispatcher from starting; this measures it, its own daemon in
# the throwaway home. Without a sound server the daemon hangs in its first line, so it plays
# into ALSA's null device.
{
  cat /etc/speech-dispatcher/speechd.conf
  echo 'AudioOutputMethod "alsa"'
  echo 'AudioALSADevice "null"'
} >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

mkdir -p "$XDG_DATA_HOME/Tapalong"
cat >"$save" <<JSON
{"profiles":[{"id":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","name":"Mia","avatar":"🦊","createdAt":700000000,"lessonResults":{},"gameScores":[],"badges":{},"totalCorrectKeys":0,"streak":0}],"currentProfileID":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","settings":{"soundEnabled":true,"voiceEnabled":true,"language":"$language"}}
JSON

TAPALONG_TRACE_KEYS=1 start_program
# Time for the voice to be found: speech-dispatcher's list of voices is slow to build.
await continueButton
sleep 10
: >"$home/marks"
for ((round = 0; round < rounds; round++)); do
  click_on continueButton
  await tutorial/nextButton
  sleep 1.5
  # Each space is the next step of the tutorial, and its line.
  for ((step = 0; step < 4; step++)); do
    wc -l <"$home/log" >>"$home/marks"
    xdotool key space
    sleep 1.5
  done
  xdotool key Escape
  await_gone tutorial
  click_on closeButton
  await continueButton
done
cp "$home/log" "$home/traced"
[ -z "${TAPALONG_MEASURE_KEEP:-}" ] || cp "$home/log" "$TAPALONG_MEASURE_KEEP"
quit_program

python3 - "$home/traced" "$home/marks" "$language" <<'PY'
import re, statistics, sys

lines = open(sys.argv[1], encoding="utf-8", errors="replace").read().splitlines()
marks = [int(m) for m in open(sys.argv[2]).read().split()]
latencies = []
for start in marks:
    key = speech = None
    for line in lines[start:]:
        if key is None and (m := re.match(r"tapalong: key ([0-9.]+) ", line)):
            key = float(m.group(1))
        elif key is not None and (m := re.match(r"tapalong: speech ([0-9.]+)$", line)):
            speech = float(m.group(1))
            break
    if key is not None and speech is not None and speech - key < 1000:
        latencies.append(speech - key)
if not latencies:
    sys.exit(f"measure-speech: no line reached an engine in {sys.argv[3]!r}")
latencies.sort()
print(f"{sys.argv[3]}: {len(latencies)} of {len(marks)} keys reached the engine; key -> engine "
      f"median {statistics.median(latencies):.1f} ms, max {latencies[-1]:.1f} ms")
PY
