# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The grown-ups' view: its door and sum, the report and its charts, the household's keyboard
# and language, backup and restore, the report and certificates on paper, and texts from home.
tapalong_ui_folder(
  SOURCES
    grownupsview.h grownupsview.cpp
    grownupsreport.h grownupsreport.cpp
    backup.h backup.cpp
    paper.h paper.cpp
    reportpdf.h reportpdf.cpp
    printouts.h printouts.cpp
    practicetexteditor.h practicetexteditor.cpp
    comfortsettings.h comfortsettings.cpp
  QML_FILES
    GrownupsScreen.qml
    GrownupsGatePanel.qml
    GrownupsProgressView.qml
    LineChart.qml
    DaysChart.qml
    BackupPanel.qml
    KeyboardPanel.qml
    LanguagePanel.qml
    HouseholdFileDialog.qml
    SaveCopyDialog.qml
    PrintoutsPanel.qml
    SpokenHelpPanel.qml
    PrintoutFileDialog.qml
    PracticeTextsPanel.qml
    PracticeTextFileDialog.qml
    ComfortPanel.qml
)
