# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Rocket Race: its rules and its screen.
tapalong_games_folder(SOURCES rocketracemodel.h rocketracemodel.cpp QML_FILES RocketRaceView.qml RaceLane.qml PassageWindow.qml)
