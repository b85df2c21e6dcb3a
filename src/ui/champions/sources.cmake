# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The champions tab: its boards and their rankings.
tapalong_ui_folder(
  SOURCES
    championsboard.h championsboard.cpp
  QML_FILES
    ChampionsView.qml
    BoardTab.qml
    ChampionRow.qml
    MedalView.qml
)
