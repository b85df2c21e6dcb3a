# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The games tab: one card per game.
tapalong_ui_folder(
  SOURCES
    gameshub.h gameshub.cpp
  QML_FILES
    GamesHubView.qml
    GameCard.qml
)
