# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The Debian package, `cpack -G DEB` in a build folder (`make package` from the top).

# The QML modules, plugins and fonts that the program loads at run time: dpkg-shlibdeps sees only
# the libraries the binary links, not these. The same list as the run-time section of
# scripts/install-deps.sh (the package test checks that they agree).
set(TAPALONG_RUNTIME_PACKAGES
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-layouts qml6-module-qtquick-shapes qml6-module-qtquick-window
  qml6-module-qtqml-workerscript qml6-module-qtmultimedia qml6-module-qttexttospeech
  qml6-module-qtquick-dialogs qml6-module-qt-labs-folderlistmodel
  qt6-speech-flite-plugin qt6-speech-speechd-plugin qt6-qpa-plugins
  fonts-noto-color-emoji fonts-quicksand fonts-dejavu-core fonts-sil-andika fonts-opendyslexic
  xkb-data libx11-data)

# Not needed to run, but recommended, so apt installs them with the package: Qt's Wayland
# plugin, so that on a Wayland desktop Tapalong is a native client (docs/ARCHITECTURE.md says
# why; without it, it runs through XWayland as before), and the platform themes through which
# Qt offers the desktop's own file dialog (the XDG portal's, GTK's) for backups instead of Qt
# Quick's; speech-dispatcher's espeak-ng voices, without which the narrator is silent in German,
# French and Spanish; and Qt's own texts in those languages. The same list as the recommended
# section of scripts/install-deps.sh.
set(TAPALONG_RECOMMENDED_PACKAGES
  qt6-wayland qt6-xdgdesktopportal-platformtheme qt6-gtk-platformtheme
  speech-dispatcher speech-dispatcher-espeak-ng qt6-translations-l10n)

# The project's own people; whoever builds the package for others sets theirs (README).
set(TAPALONG_MAINTAINER "The Tapalong developers <developers@tapalong.invalid>"
  CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tapalong)
set(CPACK_PACKAGE_VENDOR "The Tapalong developers")
set(CPACK_PACKAGE_CONTACT "${TAPALONG_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "typing tutor for children")
# Lines shorter than 80 characters, as dpkg shows them.
set(CPACK_PACKAGE_DESCRIPTION "\
Tapalong teaches children touch typing in 26 short lessons, with an on-screen
keyboard, finger hints and a spoken tutorial. They earn stars and badges, keep
a daily streak, play five arcade games that practise the keys they have
learnt, and climb the family champions board.
.
The children of one household share one installation. Everything stays on the
computer in one small file; Tapalong never uses the network.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN TAPALONG_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN TAPALONG_RECOMMENDED_PACKAGES ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)

# Debian wants a copyright file and a changelog in the package's documentation folder. They
# belong to the package only, so a plain `cmake --install` leaves them out.
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in debian/changelog @ONLY)
add_custom_command(OUTPUT debian/changelog.gz
  COMMAND gzip -9nf -k debian/changelog
  DEPENDS ${PROJECT_BINARY_DIR}/debian/changelog
  VERBATIM)
add_custom_target(debian_changelog ALL DEPENDS debian/changelog.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${PROJECT_BINARY_DIR}/debian/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tapalong COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)

include(CPack)
