#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Renders the fixed-size PNG icons in data/icons/ from data/tapalong.svg. Run it after changing
# the SVG and commit the PNGs, so that building needs no SVG renderer (rsvg-convert, Debian
# package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
mkdir -p data/icons
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "data/icons/${size}x${size}.png" data/tapalong.svg
done
ls -l data/icons
