# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# What every screen shares beneath the widgets: the palette and faces, the sounds a tap asks
# for, the sky, the clock every animation steps on, and the view models' binding to the store.
tapalong_ui_folder(
  SOURCES
    theme.h theme.cpp
    sounds.h sounds.cpp
    starfield.h starfield.cpp
    framepacer.h framepacer.cpp
    storebinding.h
  QML_FILES
    Background.qml
    StarfieldView.qml
    FrameLatch.qml
)
