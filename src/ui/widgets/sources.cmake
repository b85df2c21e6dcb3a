# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
# The small widgets every screen and game reuses: buttons, cards, stars, badges, confetti.
tapalong_ui_folder(
  SOURCES
    confetti.h confetti.cpp
    emojitext.h emojitext.cpp
    avatarnames.h avatarnames.cpp
    typingfocus.h typingfocus.cpp
    spokennames.h spokennames.cpp
  QML_FILES
    BigButton.qml
    ButtonLabel.qml
    GhostButton.qml
    FocusRing.qml
    FocusNavigation.qml
    CardBackground.qml
    Scrim.qml
    Shake.qml
    PressSpring.qml
    GlowHalo.qml
    StarsView.qml
    BadgeChip.qml
    StatCard.qml
    ConfettiView.qml
)
