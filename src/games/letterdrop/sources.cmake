# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Letter Drop: its rules and its screen.
tapalong_games_folder(SOURCES letterdropmodel.h letterdropmodel.cpp QML_FILES LetterDropView.qml LetterBubble.qml)
