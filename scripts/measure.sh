#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Prints, in one table, what Tapalong costs on a computer without a graphics card, beside an
# empty Qt Quick window started by the same Qt in the same run (bench/empty_window.cpp), under
# one throwaway X server and home folder. The goals hold Tapalong against the empty window as Qt
# starts one by default (OpenGL, which here is Mesa's software rasteriser); the same window
# drawn by Tapalong's own software renderer, far leaner, is printed beside it for comparison.
#   - exec → first frame (median of 7 warm starts), and to the first frame with the picker,
#     which comes after the sky; resident memory 5 s after start;
#   - CPU while idle on the main view under the twinkling sky (the median of three 10 s
#     stretches), and while the window is unmapped (minimised) and while another window
#     covers it;
#   - key → frame over the whole first lesson typed at 10 keys a second, from the key's
#     arrival and from the X server's own time stamp of it (scripts/measure-keys.sh);
#   - frames while Copy Cat's parrot moves and while a Rocket Race is typed
#     (scripts/measure-game-frames.sh, bench/moving_frames.cpp);
#   - resident memory over a scripted session of lessons, games and tab changes
#     (scripts/measure-session.sh), MINUTES long (3 unless given; 0 leaves it out).
# With --opengl the frame rows are measured with OpenGL too (Mesa's software rasteriser under
# Xvfb), and Tapalong's start-up, memory and idle CPU drawn that way are printed for comparison:
# the figures behind the software renderer being the default. The load average before and after
# is printed, and the table is labelled as from a loaded machine when other work competed for
# the cores.
#   scripts/measure.sh [--opengl] [--session MINUTES] [BUILD_DIR (build/test)]
set -euo pipefail

here=$(dirname "$(realpath "$0")")
args=("$@")
opengl=0
session=3
build=build/test
while [ $# -gt 0 ]; do
  case $1 in
    --opengl) opengl=1 ;;
    --session) session=$2; shift ;;
    -h | --help) sed -n '2,/^set -/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) build=$1 ;;
  esac
  shift
done
build=$(realpath "$build")
program=$build/src/app/tapalong
empty=$build/bench/bench_empty_window
frames=$build/bench/bench_moving_frames
for binary in "$program" "$empty" "$frames"; do
  [ -x "$binary" ] || { echo "measure: no $binary; build the tests and benchmarks first" >&2; exit 1; }
done

if [ -z "${TAPALONG_MEASURE_INNER:-}" ]; then
  export TAPALONG_MEASURE_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x860x24" "$0" "${args[@]}"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

export QT_QPA_PLATFORM=xcb
unset QT_QUICK_BACKEND QSG_RHI_BACKEND
cores=$(nproc)
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "load average before: $load_before ($cores cores)"

fresh_home() {
  rm -rf "$work/home"
  export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
  export XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/home/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}

# One explorer, chosen, so that the program opens on the main view.
seed_explorer() {
  mkdir -p "$XDG_DATA_HOME/Tapalong"
  cat >"$XDG_DATA_HOME/Tapalong/tapalong.json" <<'JSON'
{"profiles":[{"id":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","name":"Mia","avatar":"🦊","createdAt":700000000,"lessonResults":{},"gameScores":[],"badges":{},"totalCorrectKeys":0,"streak":0}],"currentProfileID":"5A1F0C1E-8B7D-4C2A-9E3F-1D2C3B4A5F60","settings":{"soundEnabled":true,"voiceEnabled":true}}
JSON
}

# Milliseconds from exec to the first frame of the command "$@", as it reports it when asked
# to, and to the first frame with its screens ("frame/screen"; the empty window has none).
first_frame_ms() {
  fresh_home
  local log=$work/log
  : >"$log"
  (
    echo "$EPOCHREALTIME" >"$work/t0"
    TAPALONG_TRACE_STARTUP=1 exec "$@" 2>"$log"
  ) &
  local pid=$!
  for ((i = 0; i < 200; i++)); do
    grep -qE 'first screen at|empty window: first frame at' "$log" && break
    sleep 0.05
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  python3 - "$work/t0" "$log" <<'PY'
import re, sys
t0 = float(open(sys.argv[1]).read()) * 1000
log = open(sys.argv[2]).read()
frame = re.search(r"first frame at ([0-9.]+) ms", log)
screen = re.search(r"first screen at ([0-9.]+) ms", log) or frame
print(f"{float(frame.group(1)) - t0:.0f}/{float(screen.group(1)) - t0:.0f}" if frame else "nan/nan")
PY
}

# The medians of 7 warm starts, as "frame/screen".
median_first_frame() {
  first_frame_ms "$@" >/dev/null # warms the file cache
  local runs=()
  for _ in 1 2 3 4 5 6 7; do runs+=("$(first_frame_ms "$@")"); done
  echo "$(printf '%s\n' "${runs[@]}" | cut -d/ -f1 | sort -n | sed -n 4p)/$(
    printf '%s\n' "${runs[@]}" | cut -d/ -f2 | sort -n | sed -n 4p)"
}

# Nanoseconds every thread of $1 has run, from the scheduler's own accounting: the 10 ms ticks
# of /proc/PID/stat cannot tell 0 % from one short wake-up in ten seconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }
rss_mb() { awk '/^VmRSS/ { printf "%.0f", $2 / 1024 }' "/proc/$1/status"; }
# Percent of a core that $1 used over $2 seconds from now.
cpu_over() {
  local before after
  before=$(cpu_ns "$1")
  sleep "$2"
  after=$(cpu_ns "$1")
  # A thread that ended meanwhile takes its time with it; never less than nothing.
  awk -v t="$((after - before))" -v s="$2" 'BEGIN { printf "%.2f", (t > 0 ? t : 0) * 100 / (s * 1e9) }'
}

# Starts the command "$@" on the main view of a fresh home; its pid is in $app.
start_on_main_view() {
  fresh_home
  seed_explorer
  "$@" >"$work/program.log" 2>&1 &
  app=$!
  pids+=("$app")
}

declare -A r

echo "measuring start-up…"
starts=$(median_first_frame "$program")
r[first]=${starts%/*}
r[first_screen]=${starts#*/}
starts=$(median_first_frame "$empty" --default-renderer)
r[first_empty]=${starts%/*}
starts=$(median_first_frame "$empty")
r[first_lean]=${starts%/*}
if [ "$opengl" = 1 ]; then
  starts=$(median_first_frame env QSG_RHI_BACKEND=opengl "$program")
  r[first_gl]=${starts%/*}
fi

echo "measuring memory and idle CPU…"
start_on_main_view "$program"
"$empty" --default-renderer >/dev/null 2>&1 &
yardstick=$!
pids+=("$yardstick")
"$empty" >/dev/null 2>&1 &
lean=$!
pids+=("$lean")
sleep 5
r[rss]=$(rss_mb "$app")
r[rss_empty]=$(rss_mb "$yardstick")
r[rss_lean]=$(rss_mb "$lean")
kill "$yardstick" "$lean"
wait "$yardstick" "$lean" 2>/dev/null || true
# The median of three stretches: one wake-up of the machine's own can fall into any of them.
r[idle]=$(for _ in 1 2 3; do cpu_over "$app" 10; echo; done | sort -n | sed -n 2p)
window=$(xdotool search --name '^Tapalong$' | head -n 1)
xdotool windowunmap --sync "$window"
sleep 1
r[idle_hidden]=$(cpu_over "$app" 10)
xdotool windowmap --sync "$window"
sleep 1
# Another window over the whole of it.
"$empty" >/dev/null 2>&1 &
cover=$!
pids+=("$cover")
cover_window=$(timeout 10 xdotool search --sync --name '^Empty$' | head -n 1)
xdotool windowsize --sync "$cover_window" 1280 860 windowmove --sync "$cover_window" 0 0 windowraise "$cover_window"
sleep 1
r[idle_covered]=$(cpu_over "$app" 10)
kill "$cover" "$app"
wait "$cover" "$app" 2>/dev/null || true
if [ "$opengl" = 1 ]; then
  # Started only now: a second Tapalong would find the first one's lock and step aside.
  start_on_main_view env QSG_RHI_BACKEND=opengl "$program"
  sleep 5
  r[rss_gl]=$(rss_mb "$app")
  r[idle_gl]=$(cpu_over "$app" 10)
  kill "$app"
  wait "$app" 2>/dev/null || true
fi

backends=software
[ "$opengl" = 1 ] && backends="software opengl"

echo "measuring keys…"
for backend in $backends; do
  "$here/measure-keys.sh" "$program" "$backend" | tee -a "$work/keys"
done

echo "measuring game frames…"
TAPALONG_MEASURE_BACKENDS=$backends "$here/measure-game-frames.sh" "$frames" | tee "$work/frames"

if [ "$session" != 0 ]; then
  echo "measuring a $session-minute session…"
  "$here/measure-session.sh" "$program" "$session" | tee "$work/session"
fi

load_after=$(cut -d' ' -f1-3 /proc/loadavg)
echo "load average after: $load_after"

for k in "${!r[@]}"; do echo "$k=${r[$k]}"; done >"$work/results"
python3 - "$work" "$cores" "$load_before" "$load_after" <<'PY'
import re, sys
work, cores = sys.argv[1], int(sys.argv[2])
before, after = [float(x) for x in sys.argv[3].split()], [float(x) for x in sys.argv[4].split()]
r = dict(line.rstrip("\n").split("=", 1) for line in open(f"{work}/results", encoding="utf-8"))

def num(key):
    try:
        return float(r[key])
    except (KeyError, ValueError):
        return float("nan")

def frames(label):
    out = {}
    backend = None
    for line in open(f"{work}/frames", encoding="utf-8"):
        if m := re.match(r"(\w+):$", line):
            backend = m.group(1)
        elif label in line and (m := re.search(
                r"while moving, ([0-9.]+) fps, gaps median ([0-9.]+) ms, 99th percentile "
                r"([0-9.]+) ms, longest ([0-9.]+) ms", line)):
            out[backend] = [float(x) for x in m.groups()]
    return out

rows = []
def row(what, now, goal, ok):
    rows.append((what, now, goal, "-" if ok is None else "yes" if ok else "NO"))

ff, ffe, ffl, fs = num("first"), num("first_empty"), num("first_lean"), num("first_screen")
row("exec -> first frame", f"{ff:.0f} ms (empty window {ffe:.0f} ms, ratio {ff / ffe:.2f})",
    "<= 1.1 x empty", ff <= 1.1 * ffe)
row("  beside the empty window drawn as Tapalong draws", f"{ffl:.0f} ms, ratio {ff / ffl:.2f}",
    "none, for comparison", None)
if "first_gl" in r:
    row("  Tapalong drawn with OpenGL", f"{num('first_gl'):.0f} ms", "none, for comparison", None)
row("exec -> first frame with the picker", f"{fs:.0f} ms (the sky comes first)", "none", None)
rss, rsse, rssl = num("rss"), num("rss_empty"), num("rss_lean")
row("resident memory after 5 s", f"{rss:.0f} MB (empty window {rsse:.0f} MB, ratio {rss / rsse:.2f})",
    "below empty", rss < rsse)
row("  beside the empty window drawn as Tapalong draws", f"{rssl:.0f} MB, ratio {rss / rssl:.2f}",
    "none, for comparison", None)
if "rss_gl" in r:
    row("  Tapalong drawn with OpenGL", f"{num('rss_gl'):.0f} MB", "none, for comparison", None)
idle, hidden, covered = num("idle"), num("idle_hidden"), num("idle_covered")
row("idle CPU, main view", f"{idle:.2f} % of a core", "<= 0.5 %", idle <= 0.5)
if "idle_gl" in r:
    row("  Tapalong drawn with OpenGL", f"{num('idle_gl'):.2f} % of a core, one 10 s stretch",
        "none, for comparison", None)
# "0 %" as the table states it, to a tenth of a percent.
row("idle CPU, unmapped / covered", f"{hidden:.2f} % / {covered:.2f} %", "0 %",
    hidden < 0.05 and covered < 0.05)
backend = None
for line in open(f"{work}/keys", encoding="utf-8"):
    if m := re.match(r"(\w+) renderer", line):
        backend = m.group(1)
    m = re.search(r"median ([0-9.]+) ms, 99th percentile ([0-9.]+) ms, max ([0-9.]+) ms", line)
    if not m:
        continue
    p50, p99, top = (float(x) for x in m.groups())
    figures = f"median {p50:.1f}, p99 {p99:.1f}, max {top:.1f} ms"
    if "key arrival" in line:
        row(f"key -> frame, first lesson at 10 keys/s ({backend})", figures,
            "p99 <= 16.7, max <= 25 ms", p99 <= 16.7 and top <= 25)
    elif "X server" in line:
        row(f"X server key time -> frame ({backend})", figures, "p99 <= 20 ms", p99 <= 20)
for label, name in (("Copy Cat", "Copy Cat while moving"), ("Rocket Race", "Rocket Race while typing")):
    for backend, (fps, p50, p99, longest) in frames(label).items():
        row(f"{name} ({backend})",
            f"{fps:.1f} fps; gaps median {p50:.0f}, p99 {p99:.0f}, longest {longest:.0f} ms",
            "60 fps, p99 <= 20, none > 33 ms", fps >= 59 and p99 <= 20 and longest <= 33)
try:
    text = open(f"{work}/session", encoding="utf-8").read()
    if m := re.search(r"grew ([-0-9.]+) MB after the first minute", text):
        row("resident memory over the session", m.group(0), "<= 5 MB growth", float(m.group(1)) <= 5)
except OSError:
    pass

loaded = before[0] > 0.5 * cores or after[0] > 0.75 * cores
print()
print("LOADED MACHINE: other work competed for the cores; figures are pessimistic."
      if loaded else "Quiet machine.", f"Load average before {sys.argv[3]}, after {sys.argv[4]}.")
width = max(len(w) for w, *_ in rows)
nowwidth = max(len(n) for _, n, *_ in rows)
for what, now, goal, ok in rows:
    print(f"{what:<{width}}  {now:<{nowwidth}}  goal {goal:<32} met: {ok}")
PY
