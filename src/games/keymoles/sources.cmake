# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Key Moles: its rules and its screen.
tapalong_games_folder(SOURCES keymolesmodel.h keymolesmodel.cpp QML_FILES KeyMolesView.qml MoleHoleView.qml MoleKeyBubble.qml)
