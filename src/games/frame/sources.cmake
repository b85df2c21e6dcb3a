# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# What every game shares: the model's base, the frame that runs a game under the store, and
# the screen around the play field with its cards and status pills.
tapalong_games_folder(
  SOURCES
    gamemodel.h gamemodel.cpp
    gameframe.h gameframe.cpp
    tickschedule.h
    movinglist.h
  QML_FILES
    GameScreenFrame.qml
    GameOverlayCard.qml
    GameStartCard.qml
    GamePausedCard.qml
    GameOverCard.qml
    HudPill.qml
    HeartsStatus.qml
)
