# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Word Meteors: its rules and its screen.
tapalong_games_folder(SOURCES wordmeteorsmodel.h wordmeteorsmodel.cpp QML_FILES WordMeteorsView.qml MeteorBubble.qml)
