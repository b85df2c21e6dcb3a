# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The profile picker: who is typing today, and the sheet that makes a new explorer.
tapalong_ui_folder(
  QML_FILES
    ProfilePickerView.qml
    ProfileCard.qml
    CreateProfileSheet.qml
)
