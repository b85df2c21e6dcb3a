#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# `cmake --install` into a fresh prefix: every file a desktop needs is there under the one
# application id, the tree validates as a whole, and the installed program runs from there.
#   install_prefix.sh <cmake> <build-dir> <app-id> <version> <appstreamcli>
set -euo pipefail
cmake=$1
build=$2
id=$3
version=$4
appstreamcli=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cmake" --install "$build" --prefix "$prefix" >"$tmp/log" || { cat "$tmp/log"; fail "install"; }

for file in bin/tapalong share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/man/man1/tapalong.1.gz; do
  [ -f "$prefix/$file" ] || fail "$file was not installed"
done
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
  [ -f "$icon" ] || fail "no ${size}px icon"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  [ "$(od --endian=big -An -tu4 -j16 -N8 "$icon" | tr -s ' ')" = " $size $size" ] ||
    fail "the ${size}px icon has another size"
done
[ -x "$prefix/bin/tapalong" ] || fail "the program is not executable"
zcat "$prefix/share/man/man1/tapalong.1.gz" | grep -q 'print\\-course' ||
  fail "the man page does not describe --print-course"

# The installed metainfo must find its desktop entry, as a distribution's tools look for it.
"$appstreamcli" validate-tree --no-net "$prefix" >"$tmp/log" 2>&1 || {
  cat "$tmp/log"
  fail "appstreamcli validate-tree"
}

export QT_QPA_PLATFORM=offscreen HOME=$tmp/home
mkdir "$HOME"
[ "$("$prefix/bin/tapalong" --version)" = "Tapalong $version" ] || fail "--version"
"$prefix/bin/tapalong" --print-course >"$tmp/course.json" || fail "--print-course"
"$build/src/app/tapalong" --print-course | cmp -s - "$tmp/course.json" ||
  fail "the installed program prints another course than the built one"
echo "PASS"
