#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Gives every tracked source file the two SPDX lines it lacks: `//` comments in C++ and QML,
# `#` comments in shell, Python, CMake and the Makefile, after any #! line. Running it again
# changes nothing.
#   scripts/add-license-headers.sh [--check]
# With --check it only lists the files that lack a line and fails if there are any.
set -euo pipefail
cd "$(git -C "$(dirname "$(realpath "$0")")" rev-parse --show-toplevel)"

licence='SPDX-License-Identifier: GPL-3.0-or-later'
copyright='SPDX-FileCopyrightText: 2026 The Tapalong developers'
check=false
[ "${1:-}" = --check ] && check=true

comment_for() {
  case "$1" in
    *.cpp | *.h | *.qml | *.js) echo '//' ;;
    *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt | Makefile) echo '#' ;;
    *) return 1 ;;
  esac
}

# Inserts $2 as a new line after line $1 (0: at the top) of file $3.
insert_after() {
  local line=$1 text=$2 file=$3
  if [ "$line" -eq 0 ]; then
    if [ -s "$file" ]; then
      sed -i "1i\\$text" "$file"
    else
      printf '%s\n' "$text" >"$file"
    fi
  else
    sed -i "${line}a\\$text" "$file"
  fi
}

missing=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] && [ ! -L "$file" ] || continue
  mark=$(comment_for "$file") || continue
  has_licence=false has_copyright=false
  head -n 10 "$file" | grep -q 'SPDX-License-Identifier:' && has_licence=true
  head -n 10 "$file" | grep -q 'SPDX-FileCopyrightText:' && has_copyright=true
  if $has_licence && $has_copyright; then continue; fi
  missing=$((missing + 1))
  if $check; then
    echo "$file"
    continue
  fi
  top=0
  [ "$(head -c 2 "$file")" = '#!' ] && top=1
  if ! $has_licence; then
    insert_after "$top" "$mark $licence" "$file"
  fi
  if ! $has_copyright; then
    # Right under the licence line, wherever that already was.
    at=$(grep -n -m 1 'SPDX-License-Identifier:' "$file" | cut -d: -f1)
    insert_after "$at" "$mark $copyright" "$file"
  fi
  echo "$file"
done < <(git ls-files -z)

if $check && [ "$missing" -gt 0 ]; then
  echo "$missing file(s) lack the SPDX lines" >&2
  exit 1
fi
