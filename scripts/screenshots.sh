#!/usr/bin/env bash
# Takes PNGs of the profile picker, the creation sheet, the main view and its profile menu
# under a throwaway X server and home folder, into ./screenshots/.
#   scripts/screenshots.sh [path/to/tapalong]
set -euo pipefail

program=$(realpath "${1:-build/run/src/app/tapalong}")
out=$PWD/screenshots

if [ -z "${TAPALONG_SHOTS_INNER:-}" ]; then
  export TAPALONG_SHOTS_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "$program"
fi

home=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap cleanup EXIT

export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config
export XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/runtime QT_QPA_PLATFORM=xcb
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$out"
save=$XDG_DATA_HOME/Tapalong/tapalong.json

start() {
  "$program" >>"$home/log" 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tapalong$' | head -n 1)
  xdotool windowfocus --sync "$window"
}

stop() {
  xdotool key ctrl+q
  wait "$pid" || true
  pid=""
}

# Lets fades (0.25 s) and the first frames settle before a picture is taken.
shot() {
  sleep 0.6
  import -window "$window" "$out/$1.png"
  echo "$out/$1.png"
}

# First start: the picker with the New Explorer card only, then the sheet, then the main view.
start
shot picker-first-start
xdotool key Tab Return
shot sheet
xdotool type --delay 20 'Mia'
xdotool mousemove --window "$window" 437 352 click 1 # the panda
shot sheet-filled
xdotool key Return
shot main-view
xdotool mousemove --window "$window" 1110 42 click 1
shot profile-menu
stop

# A household of several explorers with some progress, nobody chosen yet.
python3 - "$save" <<'PY'
import json, sys, uuid
path = sys.argv[1]
data = json.load(open(path))
def profile(name, avatar, results):
    return {"id": str(uuid.uuid4()).upper(), "name": name, "avatar": avatar,
            "createdAt": 700000000.0, "gameScores": [], "badges": {},
            "totalCorrectKeys": 0, "streak": 0,
            "lessonResults": {k: {"stars": s, "wpm": w, "accuracy": 97.0, "date": 700000000.0}
                              for k, (s, w) in results.items()}}
data["profiles"] += [
    profile("Leo", "🦖", {"u1l1": (3, 12.5), "u1l2": (2, 9.4)}),
    profile("Anna-Sophie", "🦄", {"u1l1": (3, 21.5)}),
    profile("Sam", "🐙", {}),
]
data.pop("currentProfileID", None)
json.dump(data, open(path, "w"), ensure_ascii=False)
PY
start
shot picker-household
stop
