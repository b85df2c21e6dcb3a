#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The command line with no display at all: help, version, the course, and mistakes, which stop
# with status 2 and the usage on standard error. None of them may write into the home folder.
#   command_line.sh <tapalong> <version>
set -euo pipefail
program=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/home"

fail() {
  echo "FAIL: $*" >&2
  echo "--- stdout:" >&2; cat "$tmp/out" >&2
  echo "--- stderr:" >&2; cat "$tmp/err" >&2
  exit 1
}

# Sets $status to the program's exit status.
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_DATA_HOME -u XDG_CONFIG_HOME \
    HOME="$tmp/home" "$program" "$@" >"$tmp/out" 2>"$tmp/err" || status=$?
}

for help in --help -h; do
  run "$help"
  [ "$status" -eq 0 ] || fail "$help exited with $status"
  [ "$(head -n 1 "$tmp/out")" = "Usage: tapalong [options]" ] || fail "$help: no usage line"
  grep -q -- '--print-course' "$tmp/out" || fail "$help does not name --print-course"
  ! grep -q -- '-platform' "$tmp/out" || fail "$help lists Qt's own options"
  [ ! -s "$tmp/err" ] || fail "$help wrote to standard error"
done

run --version
[ "$status" -eq 0 ] || fail "--version exited with $status"
[ "$(cat "$tmp/out")" = "Tapalong $version" ] || fail "--version printed something else"

run --print-course
[ "$status" -eq 0 ] || fail "--print-course exited with $status"
python3 -c 'import json, sys; assert len(json.load(sys.stdin)) > 0' <"$tmp/out" ||
  fail "--print-course printed no course"

# Another layout's keyboard and course; a layout there is no course for, or no layout at all,
# is an error.
run --print-course --layout 'de'
[ "$status" -eq 0 ] || fail "--print-course --layout de exited with $status"
python3 -c 'import json, sys; d = json.load(sys.stdin); assert d["layout"] == "de" and d["units"]' \
  <"$tmp/out" || fail "--layout de printed no German course"
for layout in ru xx '../../etc/passwd'; do
  run --print-course --layout "$layout"
  [ "$status" -eq 2 ] || fail "--layout $layout exited with $status"
  [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "--layout $layout: no one-line error"
done

# Each language's course, its titles from its catalogue whatever the desktop speaks, on the US
# keyboard or another; a language there is no course in is an error.
for case in 'de:Grundreihe:' 'fr:Rangée de base:--layout=fr' 'es:Fila central:--layout=latam' \
  'EN:Home Row:'; do
  language=${case%%:*} rest=${case#*:} title=${rest%%:*} layout=${rest#*:}
  run --print-course --language "$language" $layout
  [ "$status" -eq 0 ] || fail "--language $language $layout exited with $status"
  LC_ALL=C.UTF-8 python3 -c '
import json, sys
d = json.load(sys.stdin)
units = d["units"] if isinstance(d, dict) else d
assert units[0]["title"] == sys.argv[1], units[0]["title"]
assert all(l["drills"] for u in units for l in u["lessons"])
' "$title" <"$tmp/out" || fail "--language $language $layout printed another course"
done
for language in xx it '../../etc/passwd' ''; do
  run --print-course --language "$language"
  [ "$status" -eq 2 ] || fail "--language '$language' exited with $status"
  [ ! -s "$tmp/out" ] && [ "$(wc -l <"$tmp/err")" -eq 1 ] || fail "--language '$language': no one-line error"
done

# Qt's own options pass through to Qt, with their values.
run -platform offscreen -style Basic -reverse --version
[ "$status" -eq 0 ] || fail "Qt's own options were refused ($status)"

run --bogus
[ "$status" -eq 2 ] || fail "an unknown option exited with $status"
[ ! -s "$tmp/out" ] || fail "an unknown option wrote to standard output"
[ "$(head -n 1 "$tmp/err")" = "tapalong: Unknown option 'bogus'." ] || fail "no one-line error"
grep -q '^Usage: tapalong \[options\]$' "$tmp/err" || fail "no usage after the error"

run lesson-one
[ "$status" -eq 2 ] || fail "a stray argument exited with $status"
[ "$(head -n 1 "$tmp/err")" = "tapalong: Unexpected argument 'lesson-one'." ] ||
  fail "no one-line error for a stray argument"

[ -z "$(ls -A "$tmp/home")" ] || fail "the home folder was written: $(ls -A "$tmp/home")"
echo "PASS"
