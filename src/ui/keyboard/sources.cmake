# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The on-screen keyboard and hands, and the grown-ups' keyboard tinted by mistakes: everything
# that lays out the keyboard's rows; the household's choice of layout, and the notice shown
# while the keyboard types another.
tapalong_ui_folder(
  SOURCES
    keyboardchoice.h keyboardchoice.cpp
  QML_FILES
    KeyboardView.qml
    KeyCap.qml
    HandsView.qml
    SingleHandView.qml
    HeatKeyboard.qml
    LayoutNotice.qml
)
