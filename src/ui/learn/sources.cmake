# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The learn map of the course, and the explorer's way through it that home shows too.
tapalong_ui_folder(
  SOURCES
    courseprogress.h courseprogress.cpp
  QML_FILES
    LessonListView.qml
    LessonBubble.qml
)
