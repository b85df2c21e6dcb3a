# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The lesson screen: its rules, the drill line, the tutorial and the pause and results cards.
tapalong_ui_folder(
  SOURCES
    lessoncontroller.h lessoncontroller.cpp
    lessontutorial.h lessontutorial.cpp
  QML_FILES
    LessonPlayView.qml
    DrillTextView.qml
    ProgressCapsule.qml
    PauseOverlay.qml
    ResultsOverlay.qml
    TutorialOverlay.qml
)
