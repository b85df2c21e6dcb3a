#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Installs every Debian package Tapalong needs to build, run, test and take
# screenshots. Only missing packages are installed, so a second run is quick.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-declarative-dev qt6-declarative-dev-tools qt6-multimedia-dev qt6-speech-dev
  libxcb1-dev
  # keyboard layouts: the keyboard data itself, its list, the desktop's layout and group on X11
  libxkbcommon-dev libxkbregistry-dev libxcb-xkb-dev
  # run time
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-layouts qml6-module-qtquick-shapes qml6-module-qtquick-window
  qml6-module-qtquick-dialogs qml6-module-qt-labs-folderlistmodel
  qml6-module-qtqml-workerscript qml6-module-qtmultimedia qml6-module-qttexttospeech
  qt6-speech-flite-plugin qt6-speech-speechd-plugin qt6-qpa-plugins
  fonts-noto-color-emoji fonts-quicksand fonts-dejavu-core fonts-sil-andika fonts-opendyslexic
  xkb-data libx11-data
  # run time, recommended: native Wayland, the desktop's file dialog, voices and Qt's texts
  qt6-wayland qt6-xdgdesktopportal-platformtheme qt6-gtk-platformtheme
  speech-dispatcher speech-dispatcher-espeak-ng qt6-translations-l10n
  # tests, benchmarks and screenshots; a nested Weston (and its XWayland) for the Wayland runs
  qml6-module-qttest qml6-module-qtqml xvfb xauth xdotool imagemagick x11-utils python3
  weston xwayland x11-xkb-utils
  # the screen-reader check: the accessibility bus and its Python client
  at-spi2-core dbus python3-pyatspi
  # pdftotext and pdfinfo read the printed report back in its tests; pdftoppm draws its pages
  # for the screenshot tour
  poppler-utils
  # man page, desktop and AppStream validators, the Debian package and its checks
  help2man desktop-file-utils appstream dpkg-dev lintian
  # lupdate and lrelease for the translation catalogues, and CMake's LinguistTools
  qt6-l10n-tools qt6-tools-dev
  # the sanitizer build and the decoder's fuzz target (libFuzzer lives in libclang-rt)
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
