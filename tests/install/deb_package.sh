#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The Debian package from CPack: its control fields, dependencies computed from the binary plus
# every run-time package that scripts/install-deps.sh names, and the files a desktop needs.
#   deb_package.sh <cpack> <build-dir> <app-id> <version> <install-deps.sh>
set -euo pipefail
cpack=$1
build=$2
id=$3
version=$4
install_deps=$5
command -v dpkg-deb >/dev/null || { echo "SKIP: no dpkg-deb"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >"$tmp/log" 2>&1 ||
  { cat "$tmp/log"; fail "cpack"; }
deb=$(echo "$tmp"/tapalong_*.deb)
[ -f "$deb" ] || fail "no tapalong_*.deb in $(ls "$tmp")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tapalong ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no long description"

# The package names alone, one a line.
field Depends | tr ',' '\n' | sed -e 's/(.*)//' -e 's/|.*//' -e 's/ //g' | sort -u >"$tmp/depends"
need() { grep -qx "$1" "$tmp/depends" || fail "Depends lacks $1: $(field Depends)"; }
# Found by dpkg-shlibdeps in the binary.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6qml6 libqt6quick6 libqt6network6 \
  libqt6multimedia6 libqt6texttospeech6; do
  need "$library"
done
# Loaded at run time, so only a list can name them: the package must not forget one.
sed -n '/^  # run time$/,/^  # /{/^  #/d;p}' "$install_deps" | tr -s ' ' '\n' | sed '/^$/d' \
  >"$tmp/runtime"
[ "$(wc -l <"$tmp/runtime")" -gt 10 ] || fail "no run-time section found in $install_deps"
while read -r package; do need "$package"; done <"$tmp/runtime"
# Recommended, not required: Qt's Wayland plugin and the desktop's file dialogs.
sed -n '/^  # run time, recommended/,/^  # /{/^  #/d;p}' "$install_deps" | tr -s ' ' '\n' | sed '/^$/d' \
  >"$tmp/recommended"
[ -s "$tmp/recommended" ] || fail "no recommended section found in $install_deps"
while read -r package; do
  field Recommends | tr ',' '\n' | sed 's/ //g' | grep -qx "$package" ||
    fail "Recommends lacks $package: $(field Recommends)"
done <"$tmp/recommended"

dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/files"
for file in ./usr/bin/tapalong ./usr/share/applications/$id.desktop \
  ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
  ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/man/man1/tapalong.1.gz \
  ./usr/share/doc/tapalong/copyright ./usr/share/doc/tapalong/changelog.gz; do
  grep -qx "$file" "$tmp/files" || fail "the package lacks $file"
done
echo "PASS"
