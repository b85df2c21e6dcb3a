# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The home dashboard: greeting, next lesson, figures, badges the tricky-key card and texts from home.
tapalong_ui_folder(
  SOURCES
    trickypractice.h trickypractice.cpp
    hometexts.h hometexts.cpp
  QML_FILES
    DashboardView.qml
    BadgeShelf.qml
    TrickyKeysCard.qml
    HomeTextsCard.qml
)
