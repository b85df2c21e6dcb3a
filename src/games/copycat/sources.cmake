# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# Copy Cat: its rules and its screen.
tapalong_games_folder(SOURCES copycatmodel.h copycatmodel.cpp QML_FILES CopyCatView.qml ParrotBubble.qml ShowCard.qml EchoSlotsRow.qml)
